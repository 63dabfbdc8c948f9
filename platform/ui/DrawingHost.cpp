#include "DrawingHost.h"

#include "Control.h"
#include "Error.h"
#include "Units.h"

#include <QFontMetricsF>
#include <QRegularExpression>
#include <QStringList>
#include <cmath>

namespace plat {

double textWidthPixels(const FontPtr& font, const QString& text)
{
    return textWidthPixels(font ? font->qfont() : QFont(), text);
}

double textHeightPixels(const FontPtr& font, const QString& text)
{
    return textHeightPixels(font ? font->qfont() : QFont(), text);
}

double textWidthPixels(const QFont& font, const QString& text)
{
    const QFontMetricsF fm(font);
    // Several lines measure as the widest.
    double w = 0;
    for (const QString& line : text.split(QRegularExpression(QStringLiteral("\r\n|\n|\r"))))
        w = std::max(w, fm.horizontalAdvance(line));
    return w;
}

double textHeightPixels(const QFont& font, const QString& text)
{
    const QFontMetricsF fm(font);
    const auto lines = text.split(QRegularExpression(QStringLiteral("\r\n|\n|\r")));
    return fm.height() * std::max<qsizetype>(1, lines.size());
}

void DrawingHost::setScaleMode(int16_t mode)
{
    if (mode < 0 || mode > 7)
        raise(err::InvalidProperty);
    scaleMode_ = mode;
    scaleModeChanged();
}

int DrawingHost::toPixels(double units) const
{
    // A coordinate that cannot be held in 32 bits is an overflow.
    const double px = roundEven(units * twipsPerUnit(scaleMode_) / TwipsPerPixel);
    if (!std::isfinite(px) || px > 2147483647.0 || px < -2147483648.0)
        raise(err::Overflow);
    return int(px);
}

double DrawingHost::fromPixels(double pixels) const { return pixels * TwipsPerPixel / twipsPerUnit(scaleMode_); }

double DrawingHost::ScaleWidth() const { return fromPixels(clientPixels().width()); }
double DrawingHost::ScaleHeight() const { return fromPixels(clientPixels().height()); }

double DrawingHost::ScaleX(double width, int16_t fromScale, int16_t toScale) const
{
    if (toScale < 0)
        toScale = scaleMode_;
    return width * twipsPerUnit(fromScale) / twipsPerUnit(toScale);
}

double DrawingHost::ScaleY(double height, int16_t fromScale, int16_t toScale) const
{
    return ScaleX(height, fromScale, toScale);
}

void DrawingHost::syncSurfaceSize() { surface_.resize(clientPixels()); }

void DrawingHost::setBackColor(Colour c)
{
    surface_.setBackColor(c);
    drawingChanged();
}

void DrawingHost::setFont(const FontPtr& f)
{
    if (!f)
        raise(err::ObjectRequired);
    font_ = f;
    fontChanged();
}

void DrawingHost::setPicture(const PicturePtr& p)
{
    surface_.setPicture(p);
    drawingChanged();
}

void DrawingHost::Cls()
{
    syncSurfaceSize();
    surface_.cls();
    currentX_ = currentY_ = 0;
    drawingChanged();
}

void DrawingHost::Line(double x1, double y1, double x2, double y2, std::optional<Colour> colour, LineKind kind)
{
    syncSurfaceSize();
    const Colour c = colour.value_or(foreColor_);
    if (kind == LineKind::Line)
        surface_.line(toPixels(x1), toPixels(y1), toPixels(x2), toPixels(y2), c);
    else
        surface_.box(toPixels(x1), toPixels(y1), toPixels(x2), toPixels(y2), c, kind == LineKind::FilledBox);
    currentX_ = x2;
    currentY_ = y2;
    drawingChanged();
}

void DrawingHost::LineTo(double x2, double y2, std::optional<Colour> colour, LineKind kind)
{
    Line(currentX_, currentY_, x2, y2, colour, kind);
}

void DrawingHost::PSet(double x, double y, std::optional<Colour> colour)
{
    syncSurfaceSize();
    surface_.pset(toPixels(x), toPixels(y), colour.value_or(foreColor_));
    currentX_ = x;
    currentY_ = y;
    drawingChanged();
}

Colour DrawingHost::Point(double x, double y) const { return surface_.point(toPixels(x), toPixels(y)); }

void DrawingHost::PaintPicture(const PicturePtr& picture, double x1, double y1, std::optional<double> width1,
                               std::optional<double> height1, std::optional<double> x2, std::optional<double> y2,
                               std::optional<double> width2, std::optional<double> height2, int32_t opcode)
{
    if (!picture)
        raise(err::ObjectRequired);
    if (opcode != 0xCC0020)
        raise(err::InvalidCall);
    if (picture->isEmpty())
        return;
    syncSurfaceSize();
    const int pw = picture->widthPixels(), ph = picture->heightPixels();
    // Sizes given in this object's scale; omitted ones take the picture's.
    const QRect dest(toPixels(x1), toPixels(y1), width1 ? toPixels(*width1) : pw, height1 ? toPixels(*height1) : ph);
    QRect src;
    if (x2 || y2 || width2 || height2) {
        const int sx = x2 ? toPixels(*x2) : 0, sy = y2 ? toPixels(*y2) : 0;
        src = QRect(sx, sy, width2 ? toPixels(*width2) : pw - sx, height2 ? toPixels(*height2) : ph - sy);
    }
    surface_.paintPicture(picture, dest, src);
    drawingChanged();
}

double DrawingHost::TextWidth(const QString& text) const { return fromPixels(textWidthPixels(font_, text)); }
double DrawingHost::TextHeight(const QString& text) const { return fromPixels(textHeightPixels(font_, text)); }

} // namespace plat
