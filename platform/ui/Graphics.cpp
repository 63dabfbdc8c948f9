#include "Graphics.h"

#include "PaintWidget.h"
#include "Units.h"

namespace plat {

// --- Image ---

QWidget* Image::createWidget(QWidget* parent)
{
    auto* w = new PaintWidget(parent, [this](QPainter& p) { paint(p); });
    w->setFocusPolicy(Qt::NoFocus);
    watch(w);
    return w;
}

bool Image::widgetEvent(QWidget*, QEvent* e) { return routeMouseEvent(e, *this); }

void Image::paint(QPainter& p)
{
    const QRect r(QPoint(0, 0), widget_->size());
    const int b = borderStyle_ == 1 ? 1 : 0;
    if (picture_ && !picture_->isEmpty()) {
        const QRect inner = r.adjusted(b, b, -b, -b);
        if (stretch_)
            p.drawImage(inner, picture_->image().scaled(inner.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation));
        else
            p.drawImage(inner.topLeft(), picture_->image());
    }
    if (b) {
        p.setPen(Qt::black);
        p.drawRect(r.adjusted(0, 0, -1, -1));
    }
}

void Image::fitToPicture()
{
    if (stretch_ || !picture_ || picture_->isEmpty())
        return;
    const int b = borderStyle_ == 1 ? 2 : 0;
    QRectF r = twipsRect();
    r.setWidth(double(picture_->widthPixels() + b) * TwipsPerPixel);
    r.setHeight(double(picture_->heightPixels() + b) * TwipsPerPixel);
    setTwipsRect(r);
}

void Image::setPicture(const PicturePtr& p)
{
    if (p == picture_)
        return;
    picture_ = p;
    fitToPicture();
    if (widget_)
        widget_->update();
}

void Image::setStretch(bool v)
{
    if (v == stretch_)
        return;
    stretch_ = v;
    fitToPicture();
    if (widget_)
        widget_->update();
}

void Image::setBorderStyle(int16_t v)
{
    if (v < 0 || v > 1)
        raise(err::InvalidProperty);
    if (v == borderStyle_)
        return;
    borderStyle_ = v;
    fitToPicture();
    if (widget_)
        widget_->update();
}

Variant Image::getProperty(const QString& name) const
{
    if (is(name, "Picture"))
        return Variant(picture_ ? picture_ : Picture::empty());
    if (is(name, "Stretch"))
        return Variant(stretch_);
    if (is(name, "BorderStyle"))
        return Variant(borderStyle_);
    return Control::getProperty(name);
}

void Image::setProperty(const QString& name, const Variant& value)
{
    if (is(name, "Picture"))
        setPicture(value.isObject() ? value.objectAs<plat::Picture>() : nullptr);
    else if (is(name, "Stretch"))
        setStretch(value.toBool());
    else if (is(name, "BorderStyle"))
        setBorderStyle(value.toInteger());
    else
        Control::setProperty(name, value);
}

// --- Shape ---

QWidget* Shape::createWidget(QWidget* parent)
{
    auto* w = new PaintWidget(parent, [this](QPainter& p) { paint(p); });
    w->setFocusPolicy(Qt::NoFocus);
    // A shape takes no mouse input: what lies under it gets it.
    w->setAttribute(Qt::WA_TransparentForMouseEvents);
    return w;
}

void Shape::paint(QPainter& p)
{
    const QRect r(QPoint(0, 0), widget_->size());
    QRect box = r;
    if (shape_ == 1 || shape_ == 3 || shape_ == 5) {
        const int side = std::min(r.width(), r.height());
        box = QRect(r.x() + (r.width() - side) / 2, r.y() + (r.height() - side) / 2, side, side);
    }
    const int bw = borderStyle_ == 0 ? 0 : std::max<int>(1, borderWidth_);
    auto draw = [&](const QRect& area, const QBrush& brush, const QPen& pen) {
        p.setBrush(brush);
        p.setPen(pen);
        if (shape_ == 2 || shape_ == 3)
            p.drawEllipse(area);
        else if (shape_ == 4 || shape_ == 5)
            p.drawRoundedRect(area, area.width() / 8.0, area.height() / 8.0);
        else
            p.drawRect(area);
    };
    if (backStyle_ == 1)
        draw(box, toQColor(translateColour(backColor_)), Qt::NoPen);
    if (fillStyle_ != 1)
        draw(box, toQColor(translateColour(fillColor_)), Qt::NoPen);
    if (bw > 0) {
        QPen pen(toQColor(translateColour(borderColor_)));
        pen.setWidth(bw);
        pen.setJoinStyle(Qt::MiterJoin);
        // The frame lies inside the shape's rectangle.
        const int half = bw / 2;
        draw(box.adjusted(half, half, -(bw - half), -(bw - half)), Qt::NoBrush, pen);
    }
}

void Shape::changed()
{
    if (widget_)
        widget_->update();
}

void Shape::setShapeKind(int16_t v)
{
    if (v < 0 || v > 5)
        raise(err::InvalidProperty);
    if (v == shape_)
        return;
    shape_ = v;
    changed();
}

void Shape::setBackStyle(int16_t v)
{
    if (v < 0 || v > 1)
        raise(err::InvalidProperty);
    if (v == backStyle_)
        return;
    backStyle_ = v;
    changed();
}

void Shape::setBackColor(Colour c)
{
    if (c == backColor_)
        return;
    backColor_ = c;
    changed();
}

void Shape::setFillStyle(int16_t v)
{
    if (v < 0 || v > 7)
        raise(err::InvalidProperty);
    if (v == fillStyle_)
        return;
    fillStyle_ = v;
    changed();
}

void Shape::setFillColor(Colour c)
{
    if (c == fillColor_)
        return;
    fillColor_ = c;
    changed();
}

void Shape::setBorderStyle(int16_t v)
{
    if (v < 0 || v > 6)
        raise(err::InvalidProperty);
    if (v == borderStyle_)
        return;
    borderStyle_ = v;
    changed();
}

void Shape::setBorderColor(Colour c)
{
    if (c == borderColor_)
        return;
    borderColor_ = c;
    changed();
}

void Shape::setBorderWidth(int16_t v)
{
    if (v < 1)
        raise(err::InvalidProperty);
    if (v == borderWidth_)
        return;
    borderWidth_ = v;
    changed();
}

Variant Shape::getProperty(const QString& name) const
{
    if (is(name, "Shape"))
        return Variant(shape_);
    if (is(name, "BackStyle"))
        return Variant(backStyle_);
    if (is(name, "BackColor"))
        return Variant(int32_t(backColor_));
    if (is(name, "FillStyle"))
        return Variant(fillStyle_);
    if (is(name, "FillColor"))
        return Variant(int32_t(fillColor_));
    if (is(name, "BorderStyle"))
        return Variant(borderStyle_);
    if (is(name, "BorderColor"))
        return Variant(int32_t(borderColor_));
    if (is(name, "BorderWidth"))
        return Variant(borderWidth_);
    return Control::getProperty(name);
}

void Shape::setProperty(const QString& name, const Variant& value)
{
    if (is(name, "Shape"))
        setShapeKind(value.toInteger());
    else if (is(name, "BackStyle"))
        setBackStyle(value.toInteger());
    else if (is(name, "BackColor"))
        setBackColor(colourFromVariant(value));
    else if (is(name, "FillStyle"))
        setFillStyle(value.toInteger());
    else if (is(name, "FillColor"))
        setFillColor(colourFromVariant(value));
    else if (is(name, "BorderStyle"))
        setBorderStyle(value.toInteger());
    else if (is(name, "BorderColor"))
        setBorderColor(colourFromVariant(value));
    else if (is(name, "BorderWidth"))
        setBorderWidth(value.toInteger());
    else
        Control::setProperty(name, value);
}

} // namespace plat
