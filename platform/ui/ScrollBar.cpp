#include "ScrollBar.h"

#include <QEvent>
#include <QScrollBar>
#include <algorithm>

namespace plat {

QWidget* HScrollBar::createWidget(QWidget* parent)
{
    auto* b = new QScrollBar(Qt::Horizontal, parent);
    QObject::connect(b, &QScrollBar::valueChanged, b, [this, b, self = weakSelf()](int v) {
        auto keep = self.lock();
        if (!keep || showing_ || b->isSliderDown())
            return; // a dragged thumb reports where it stops
        userMoved(v);
    });
    QObject::connect(b, &QScrollBar::sliderReleased, b, [this, b, self = weakSelf()] {
        if (auto keep = self.lock(); keep && !showing_)
            userMoved(b->value());
    });
    watch(b);
    return b;
}

bool HScrollBar::widgetEvent(QWidget*, QEvent* e)
{
    return routeKeyAndFocusEvent(e, *this, *this);
}

void HScrollBar::showState()
{
    auto* b = qobject_cast<QScrollBar*>(widget_.data());
    if (!b)
        return;
    showing_ = true;
    b->setRange(low(), high());
    b->setInvertedAppearance(min_ > max_);
    b->setInvertedControls(min_ > max_);
    b->setSingleStep(smallChange_);
    b->setPageStep(largeChange_);
    b->setValue(value_);
    showing_ = false;
}

void HScrollBar::userMoved(int v)
{
    if (v == value_)
        return;
    value_ = int16_t(v);
    changed();
}

void HScrollBar::changed()
{
    auto keep = shared_from_this(); // a handler may unload the form
    Change.raise();
}

void HScrollBar::setValue(int16_t v)
{
    if (v < low() || v > high())
        raise(err::InvalidProperty);
    if (v == value_)
        return;
    value_ = v;
    showState();
    changed();
}

void HScrollBar::rangeChanged()
{
    const int16_t old = value_;
    value_ = std::clamp(value_, low(), high());
    showState();
    if (value_ != old)
        changed();
}

void HScrollBar::setMin(int16_t v)
{
    if (v == min_)
        return;
    min_ = v;
    rangeChanged();
}

void HScrollBar::setMax(int16_t v)
{
    if (v == max_)
        return;
    max_ = v;
    rangeChanged();
}

void HScrollBar::setSmallChange(int16_t v)
{
    if (v < 1)
        raise(err::InvalidProperty);
    if (v == smallChange_)
        return;
    smallChange_ = v;
    showState();
}

void HScrollBar::setLargeChange(int16_t v)
{
    if (v < 1)
        raise(err::InvalidProperty);
    if (v == largeChange_)
        return;
    largeChange_ = v;
    showState();
}

Variant HScrollBar::getProperty(const QString& name) const
{
    if (is(name, "Min"))
        return Variant(min_);
    if (is(name, "Max"))
        return Variant(max_);
    if (is(name, "Value"))
        return Variant(value_);
    if (is(name, "SmallChange"))
        return Variant(smallChange_);
    if (is(name, "LargeChange"))
        return Variant(largeChange_);
    return Control::getProperty(name);
}

void HScrollBar::setProperty(const QString& name, const Variant& value)
{
    if (is(name, "Min"))
        setMin(value.toInteger());
    else if (is(name, "Max"))
        setMax(value.toInteger());
    else if (is(name, "Value"))
        setValue(value.toInteger());
    else if (is(name, "SmallChange"))
        setSmallChange(value.toInteger());
    else if (is(name, "LargeChange"))
        setLargeChange(value.toInteger());
    else
        Control::setProperty(name, value);
}

} // namespace plat
