#include "Label.h"

#include "Form.h"
#include "PaintWidget.h"
#include "Units.h"

#include <QFontMetrics>
#include <algorithm>
#include <climits>

namespace plat {

QWidget* Label::createWidget(QWidget* parent)
{
    auto* w = new PaintWidget(parent, [this](QPainter& p) { paint(p); });
    w->setFocusPolicy(Qt::NoFocus);
    watch(w);
    return w;
}

bool Label::widgetEvent(QWidget*, QEvent* e) { return routeMouseEvent(e, *this); }

int Label::textFlags() const
{
    int f = alignment_ == 1 ? Qt::AlignRight : alignment_ == 2 ? Qt::AlignHCenter : Qt::AlignLeft;
    f |= Qt::AlignTop;
    if (!(autoSize_ && !wordWrap_))
        f |= Qt::TextWordWrap;
    f |= useMnemonic_ ? Qt::TextShowMnemonic : 0;
    return f;
}


void Label::paint(QPainter& p)
{
    const QRect r(QPoint(0, 0), widget_->size());
    if (backStyle_ != 0)
        p.fillRect(r, toQColor(translateColour(backColor_)));
    QRect textRect = r;
    if (borderStyle_ == 1) {
        p.setPen(toQColor(translateColour(systemColour(syscolour::ButtonShadow))));
        p.drawRect(r.adjusted(0, 0, -1, -1));
        textRect.adjust(1, 1, -1, -1);
    }
    p.setFont(font_->qfont());
    p.setPen(toQColor(translateColour(foreColor_)));
    p.drawText(textRect, textFlags(), caption_);
}

void Label::fitToText()
{
    if (!autoSize_ || fitting_ || designing_)
        return;
    fitting_ = true;
    const QFontMetrics fm(font_->qfont());
    const QString& text = caption_;
    const int border = borderStyle_ == 1 ? 2 : 0;
    QRectF r = twipsRect();
    if (wordWrap_) {
        const int w = std::max(1, int(roundEven(r.width() / TwipsPerPixel)) - border);
        const QRect b = fm.boundingRect(QRect(0, 0, w, INT_MAX / 4), textFlags(), text);
        r.setHeight((std::max(b.height(), fm.height()) + border) * double(TwipsPerPixel));
    } else {
        const QRect b = fm.boundingRect(QRect(0, 0, INT_MAX / 4, INT_MAX / 4), textFlags(), text);
        r.setWidth((b.width() + border) * double(TwipsPerPixel));
        r.setHeight((std::max(b.height(), fm.height()) + border) * double(TwipsPerPixel));
    }
    setTwipsRect(r);
    fitting_ = false;
}

void Label::afterDesign()
{
    // The design's properties are all in: size to the text once.
    designing_ = false;
    fitToText();
}

void Label::appearanceChanged()
{
    fitToText();
    if (widget_)
        widget_->update();
}

void Label::resized()
{
    if (autoSize_ && wordWrap_)
        fitToText();
}

void Label::setCaption(const QString& c)
{
    if (c == caption_)
        return;
    caption_ = c;
    appearanceChanged();
}

void Label::setAlignment(int16_t v)
{
    if (v < 0 || v > 2)
        raise(err::InvalidProperty);
    if (v == alignment_)
        return;
    alignment_ = v;
    appearanceChanged();
}

void Label::setAutoSize(bool v)
{
    if (v == autoSize_)
        return;
    autoSize_ = v;
    appearanceChanged();
}

void Label::setWordWrap(bool v)
{
    if (v == wordWrap_)
        return;
    wordWrap_ = v;
    appearanceChanged();
}

void Label::setBackStyle(int16_t v)
{
    if (v < 0 || v > 1)
        raise(err::InvalidProperty);
    if (v == backStyle_)
        return;
    backStyle_ = v;
    appearanceChanged();
}

void Label::setBorderStyle(int16_t v)
{
    if (v < 0 || v > 1)
        raise(err::InvalidProperty);
    if (v == borderStyle_)
        return;
    borderStyle_ = v;
    appearanceChanged();
}

void Label::setUseMnemonic(bool v)
{
    if (v == useMnemonic_)
        return;
    useMnemonic_ = v;
    appearanceChanged();
}

void Label::accessKeyPressed(QChar)
{
    // The focus goes to the next control in the tab order that can take it.
    auto form = Parent();
    if (!form)
        return;
    std::vector<ControlPtr> candidates;
    for (const auto& c : form->Controls())
        if (c.get() != this && c->hasTabIndex() && c->canTakeFocus() && c->TabIndex() > TabIndex())
            candidates.push_back(c);
    std::sort(candidates.begin(), candidates.end(),
              [](const ControlPtr& a, const ControlPtr& b) { return a->TabIndex() < b->TabIndex(); });
    for (const auto& c : candidates)
        if (tryStatement([&] { c->SetFocus(); }))
            return;
}

Variant Label::getProperty(const QString& name) const
{
    if (is(name, "Caption"))
        return Variant(caption_);
    if (is(name, "Alignment"))
        return Variant(int32_t(alignment_));
    if (is(name, "AutoSize"))
        return Variant(autoSize_);
    if (is(name, "WordWrap"))
        return Variant(wordWrap_);
    if (is(name, "BackStyle"))
        return Variant(backStyle_);
    if (is(name, "BorderStyle"))
        return Variant(borderStyle_);
    if (is(name, "UseMnemonic"))
        return Variant(useMnemonic_);
    return TextControl::getProperty(name);
}

void Label::setProperty(const QString& name, const Variant& value)
{
    if (is(name, "Caption"))
        setCaption(value.toString());
    else if (is(name, "Alignment"))
        setAlignment(value.toInteger());
    else if (is(name, "AutoSize"))
        setAutoSize(value.toBool());
    else if (is(name, "WordWrap"))
        setWordWrap(value.toBool());
    else if (is(name, "BackStyle"))
        setBackStyle(value.toInteger());
    else if (is(name, "BorderStyle"))
        setBorderStyle(value.toInteger());
    else if (is(name, "UseMnemonic"))
        setUseMnemonic(value.toBool());
    else
        TextControl::setProperty(name, value);
}

} // namespace plat
