#include "RecordingCanvas.h"

#include "Error.h"

namespace zg {

namespace {

QString num(double v) { return QString::number(v); }
QString colour(plat::Colour c) { return QStringLiteral("&H") + QStringLiteral("%1").arg(c, 8, 16, QLatin1Char('0')).toUpper(); }
QString colour(std::optional<plat::Colour> c) { return c ? colour(*c) : QStringLiteral("-"); }
QString flag(bool b) { return b ? QStringLiteral("True") : QStringLiteral("False"); }
QString text(const QString& s) { return QLatin1Char('"') + s + QLatin1Char('"'); }
QString picture(const plat::PicturePtr& p)
{
    if (!p)
        return QStringLiteral("Nothing");
    return QStringLiteral("Picture(%1x%2)").arg(p->widthPixels()).arg(p->heightPixels());
}

QString call(const char* name, std::initializer_list<QString> args)
{
    QStringList parts(args);
    return QLatin1String(name) + QLatin1Char('(') + parts.join(QStringLiteral(", ")) + QLatin1Char(')');
}

} // namespace

RecordingCanvas::RecordingCanvas(std::shared_ptr<ZorvaneGhostCanvas> inner, Log log)
    : inner_(std::move(inner)), log_(log ? std::move(log) : std::make_shared<QStringList>())
{
    if (!inner_)
        plat::raise(plat::err::ObjectRequired);
}

QStringList RecordingCanvas::calls(const QString& name) const
{
    QStringList out;
    const QString prefix = name + QLatin1Char('(');
    for (const QString& line : *log_)
        if (line.startsWith(prefix))
            out.append(line);
    return out;
}

void RecordingCanvas::InitFlag(bool Prepared)
{
    add(call("InitFlag", {flag(Prepared)}));
    inner_->InitFlag(Prepared);
}

plat::Colour RecordingCanvas::BackColor() const { return inner_->BackColor(); }
void RecordingCanvas::setBackColor(plat::Colour Colour)
{
    add(call("BackColor", {colour(Colour)}));
    inner_->setBackColor(Colour);
}

plat::FontPtr RecordingCanvas::Font() const { return inner_->Font(); }
void RecordingCanvas::setFont(const plat::FontPtr& NewFont)
{
    add(call("Font", {NewFont ? text(NewFont->Name()) + QLatin1Char(' ') + num(NewFont->Size()) : QStringLiteral("Nothing")}));
    inner_->setFont(NewFont);
}

int32_t RecordingCanvas::Width() const { return inner_->Width(); }
int32_t RecordingCanvas::Height() const { return inner_->Height(); }
int64_t RecordingCanvas::hDC() const { return inner_->hDC(); }
QString RecordingCanvas::FontName() const { return inner_->FontName(); }
double RecordingCanvas::TextWidth(const QString& Text) { return inner_->TextWidth(Text); }
double RecordingCanvas::TextHeight(const QString& Text) { return inner_->TextHeight(Text); }

void RecordingCanvas::FillRect(double X1, double Y1, double X2, double Y2, std::optional<plat::Colour> Colour,
                               bool Filled)
{
    add(call("FillRect", {num(X1), num(Y1), num(X2), num(Y2), colour(Colour), flag(Filled)}));
    inner_->FillRect(X1, Y1, X2, Y2, Colour, Filled);
}

void RecordingCanvas::Line(double X1, double Y1, double X2, double Y2, std::optional<plat::Colour> Colour)
{
    add(call("Line", {num(X1), num(Y1), num(X2), num(Y2), colour(Colour)}));
    inner_->Line(X1, Y1, X2, Y2, Colour);
}

void RecordingCanvas::PSet(double X, double Y, std::optional<plat::Colour> Colour)
{
    add(call("PSet", {num(X), num(Y), colour(Colour)}));
    inner_->PSet(X, Y, Colour);
}

void RecordingCanvas::PaintPicture(const plat::PicturePtr& Picture, double X, double Y, double Width, double Height,
                                   double SourceX, double SourceY, double SourceWidth, double SourceHeight,
                                   int32_t RasterOp)
{
    add(call("PaintPicture", {picture(Picture), num(X), num(Y), num(Width), num(Height), num(SourceX), num(SourceY),
                              num(SourceWidth), num(SourceHeight), colour(plat::Colour(RasterOp))}));
    inner_->PaintPicture(Picture, X, Y, Width, Height, SourceX, SourceY, SourceWidth, SourceHeight, RasterOp);
}

void RecordingCanvas::PaintPictureTransparent(const plat::PicturePtr& Picture, plat::Colour MaskColour, double X,
                                              double Y, double Width, double Height, int32_t Flags)
{
    add(call("PaintPictureTransparent",
             {picture(Picture), colour(MaskColour), num(X), num(Y), num(Width), num(Height), num(Flags)}));
    inner_->PaintPictureTransparent(Picture, MaskColour, X, Y, Width, Height, Flags);
}

void RecordingCanvas::PaintPictureEx(const plat::PicturePtr& Picture, plat::Colour KeyColour, double X, double Y,
                                     double Width, double Height, bool FlagA, bool FlagB, plat::Colour NewColour,
                                     int32_t Mode)
{
    add(call("PaintPictureEx", {picture(Picture), colour(KeyColour), num(X), num(Y), num(Width), num(Height),
                                flag(FlagA), flag(FlagB), colour(NewColour), num(Mode)}));
    inner_->PaintPictureEx(Picture, KeyColour, X, Y, Width, Height, FlagA, FlagB, NewColour, Mode);
}

plat::PicturePtr RecordingCanvas::GetPictureRegion(double X, double Y, double Width, double Height)
{
    add(call("GetPictureRegion", {num(X), num(Y), num(Width), num(Height)}));
    return inner_->GetPictureRegion(X, Y, Width, Height);
}

void RecordingCanvas::AlphaBlendPicture(const plat::PicturePtr& Picture, std::optional<plat::Colour> TransparentColour,
                                        int16_t Level, double X, double Y, double Width, double Height,
                                        uint8_t FullScale, double SourceX, double SourceY)
{
    add(call("AlphaBlendPicture", {picture(Picture), colour(TransparentColour), num(Level), num(X), num(Y), num(Width),
                                   num(Height), num(FullScale), num(SourceX), num(SourceY)}));
    inner_->AlphaBlendPicture(Picture, TransparentColour, Level, X, Y, Width, Height, FullScale, SourceX, SourceY);
}

plat::PicturePtr RecordingCanvas::Picture() const { return inner_->Picture(); }
void RecordingCanvas::setPicture(const plat::PicturePtr& NewPicture)
{
    add(call("Picture", {picture(NewPicture)}));
    inner_->setPicture(NewPicture);
}

void RecordingCanvas::SetSize(double Width, double Height)
{
    add(call("SetSize", {num(Width), num(Height)}));
    inner_->SetSize(Width, Height);
}

plat::Colour RecordingCanvas::ForeColor() const { return inner_->ForeColor(); }
void RecordingCanvas::setForeColor(plat::Colour Colour)
{
    add(call("ForeColor", {colour(Colour)}));
    inner_->setForeColor(Colour);
}

int16_t RecordingCanvas::FontSize() const { return inner_->FontSize(); }
int32_t RecordingCanvas::Point(double X, double Y) const { return inner_->Point(X, Y); }

void RecordingCanvas::Cls()
{
    add(QStringLiteral("Cls()"));
    inner_->Cls();
}

void RecordingCanvas::InitSurface(bool Prepared)
{
    add(call("InitSurface", {flag(Prepared)}));
    inner_->InitSurface(Prepared);
}

int32_t RecordingCanvas::DrawSetting() const { return inner_->DrawSetting(); }
void RecordingCanvas::setDrawSetting(int32_t Setting)
{
    add(call("DrawSetting", {num(Setting)}));
    inner_->setDrawSetting(Setting);
}

void RecordingCanvas::SetBrush(int64_t Brush)
{
    add(call("SetBrush", {Brush ? QStringLiteral("brush") : QStringLiteral("0")}));
    inner_->SetBrush(Brush);
}

void RecordingCanvas::RestoreBrush()
{
    add(QStringLiteral("RestoreBrush()"));
    inner_->RestoreBrush();
}

double RecordingCanvas::CurrentX() const { return inner_->CurrentX(); }
void RecordingCanvas::setCurrentX(double X)
{
    add(call("CurrentX", {num(X)}));
    inner_->setCurrentX(X);
}

double RecordingCanvas::CurrentY() const { return inner_->CurrentY(); }
void RecordingCanvas::setCurrentY(double Y)
{
    add(call("CurrentY", {num(Y)}));
    inner_->setCurrentY(Y);
}

void RecordingCanvas::PrintText(const QString& Text)
{
    add(call("PrintText", {text(Text)}));
    inner_->PrintText(Text);
}

} // namespace zg
