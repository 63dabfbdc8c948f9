#include "Containers.h"

#include "Form.h"
#include "PaintWidget.h"

#include <QEvent>
#include <QFontMetrics>

namespace plat {

namespace {

void drawSunken(QPainter& p, const QRect& r)
{
    // Two-pixel sunken edge: shadow and dark shadow top-left, highlight and
    // light bottom-right.
    const QColor shadow = toQColor(sysColor(syscolour::ButtonShadow));
    const QColor dark = toQColor(sysColor(syscolour::DarkShadow3D));
    const QColor light = toQColor(sysColor(syscolour::Light3D));
    const QColor hi = toQColor(sysColor(syscolour::ButtonHighlight));
    const int l = r.left(), t = r.top(), rr = r.right(), b = r.bottom();
    p.setPen(shadow);
    p.drawLine(l, t, rr - 1, t);
    p.drawLine(l, t, l, b - 1);
    p.setPen(dark);
    p.drawLine(l + 1, t + 1, rr - 2, t + 1);
    p.drawLine(l + 1, t + 1, l + 1, b - 2);
    p.setPen(hi);
    p.drawLine(l, b, rr, b);
    p.drawLine(rr, t, rr, b);
    p.setPen(light);
    p.drawLine(l + 1, b - 1, rr - 1, b - 1);
    p.drawLine(rr - 1, t + 1, rr - 1, b - 1);
}
} // namespace

// --- Frame ---

QWidget* Frame::createWidget(QWidget* parent)
{
    auto* w = new PaintWidget(parent, [this](QPainter& p) { paint(p); });
    w->setFocusPolicy(Qt::NoFocus);
    watch(w);
    return w;
}

bool Frame::widgetEvent(QWidget*, QEvent* e) { return routeMouseEvent(e, *this); }

int16_t Frame::childScaleMode() const
{
    auto* c = containerInterface();
    return c ? c->childScaleMode() : int16_t(1);
}

void Frame::paint(QPainter& p)
{
    const QRect r(QPoint(0, 0), widget_->size());
    p.fillRect(r, toQColor(translateColour(backColor_)));
    const QFont f = font_->qfont();
    const QFontMetrics fm(f);
    if (borderStyle_ == 1) {
        // An etched border whose top runs through the middle of the caption.
        const int top = caption_.isEmpty() ? 0 : fm.height() / 2;
        const QRect box(0, top, r.width() - 1, r.height() - top - 1);
        p.setPen(toQColor(sysColor(syscolour::ButtonShadow)));
        p.drawRect(box.adjusted(0, 0, -1, -1));
        p.setPen(toQColor(sysColor(syscolour::ButtonHighlight)));
        p.drawRect(box.adjusted(1, 1, 0, 0));
    }
    if (!caption_.isEmpty()) {
        p.setFont(f);
        const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextShowMnemonic | Qt::TextSingleLine;
        const QRect textBox = fm.boundingRect(QRect(8, 0, r.width() - 8, fm.height()), flags, caption_);
        p.fillRect(textBox.adjusted(-2, 0, 2, 0), toQColor(translateColour(backColor_)));
        p.setPen(toQColor(translateColour(foreColor_)));
        p.drawText(textBox, flags, caption_);
    }
}

void Frame::setCaption(const QString& c)
{
    if (c == caption_)
        return;
    caption_ = c;
    if (widget_)
        widget_->update();
}

void Frame::setBorderStyle(int16_t v)
{
    if (v < 0 || v > 1)
        raise(err::InvalidProperty);
    if (v == borderStyle_)
        return;
    borderStyle_ = v;
    if (widget_)
        widget_->update();
}

Variant Frame::getProperty(const QString& name) const
{
    if (is(name, "Caption"))
        return Variant(caption_);
    if (is(name, "BorderStyle"))
        return Variant(borderStyle_);
    return TextControl::getProperty(name);
}

void Frame::setProperty(const QString& name, const Variant& value)
{
    if (is(name, "Caption"))
        setCaption(value.toString());
    else if (is(name, "BorderStyle"))
        setBorderStyle(value.toInteger());
    else
        TextControl::setProperty(name, value);
}

// --- PictureBox ---

QWidget* PictureBox::createWidget(QWidget* parent)
{
    auto* w = new PaintWidget(parent, [this](QPainter& p) { paint(p); });
    watch(w);
    return w;
}

void PictureBox::sited()
{
    if (auto* c = containerInterface(); c && c->containerFont())
        font_ = c->containerFont()->clone();
    syncSurfaceSize();
}

QSize PictureBox::clientPixels() const
{
    const QRect r = pixelRect();
    return QSize(std::max(0, r.width() - 2 * border()), std::max(0, r.height() - 2 * border()));
}

void PictureBox::drawingChanged()
{
    if (widget_)
        widget_->update();
}

void PictureBox::resized()
{
    syncSurfaceSize();
    drawingChanged();
}

void PictureBox::paint(QPainter& p)
{
    const QRect r(QPoint(0, 0), widget_->size());
    if (border())
        drawSunken(p, r);
    p.setClipRect(r.adjusted(border(), border(), -border(), -border()));
    surface_.paint(p, QPoint(border(), border()));
}

void PictureBox::Refresh()
{
    syncSurfaceSize();
    Control::Refresh();
}

bool PictureBox::widgetEvent(QWidget*, QEvent* e)
{
    switch (e->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease: return routeKeyEvent(e, *this);
    case QEvent::FocusIn:
    case QEvent::FocusOut: return routeFocusEvent(e, *this);
    default: return routeMouseEvent(e, *this);
    }
}

void PictureBox::reapplyChildren()
{
    if (auto f = Parent())
        for (const auto& c : f->Controls())
            if (c->Container().get() == this)
                c->applyGeometry();
}

void PictureBox::setBorderStyle(int16_t v)
{
    if (v < 0 || v > 1)
        raise(err::InvalidProperty);
    if (v == borderStyle_)
        return;
    borderStyle_ = v;
    syncSurfaceSize();
    reapplyChildren();
    drawingChanged();
}

Variant PictureBox::getProperty(const QString& name) const
{
    if (is(name, "Picture"))
        return Variant(Picture());
    if (is(name, "BackColor"))
        return Variant(int32_t(BackColor()));
    if (is(name, "ForeColor"))
        return Variant(int32_t(ForeColor()));
    if (is(name, "Font"))
        return Variant(Font());
    if (is(name, "ScaleMode"))
        return Variant(ScaleMode());
    if (is(name, "ScaleWidth"))
        return Variant(ScaleWidth());
    if (is(name, "ScaleHeight"))
        return Variant(ScaleHeight());
    if (is(name, "BorderStyle"))
        return Variant(borderStyle_);
    if (is(name, "AutoRedraw"))
        return Variant(autoRedraw_);
    if (is(name, "CurrentX"))
        return Variant(CurrentX());
    if (is(name, "CurrentY"))
        return Variant(CurrentY());
    return Control::getProperty(name);
}

void PictureBox::setProperty(const QString& name, const Variant& value)
{
    if (is(name, "Picture"))
        setPicture(value.isObject() ? value.objectAs<plat::Picture>() : nullptr);
    else if (is(name, "BackColor"))
        setBackColor(colourFromVariant(value));
    else if (is(name, "ForeColor"))
        setForeColor(colourFromVariant(value));
    else if (is(name, "Font"))
        setFont(fontFromVariant(value));
    else if (is(name, "ScaleMode"))
        setScaleMode(value.toInteger());
    else if (is(name, "BorderStyle"))
        setBorderStyle(value.toInteger());
    else if (is(name, "AutoRedraw"))
        setAutoRedraw(value.toBool());
    else if (is(name, "CurrentX"))
        setCurrentX(value.toDouble());
    else if (is(name, "CurrentY"))
        setCurrentY(value.toDouble());
    else
        Control::setProperty(name, value);
}

} // namespace plat
