#include "Buttons.h"

#include "Form.h"

#include <QCheckBox>
#include <QEvent>
#include <QPushButton>

namespace plat {

namespace {

// A check box whose click goes unchecked <-> checked (a greyed box becomes
// checked); the greyed state is set by code only. The whole control takes
// the click, not only its box and the caption's text: a press and release
// anywhere in its rectangle toggles it, wherever its caption ends.
class TwoStateCheckBox : public QCheckBox {
public:
    using QCheckBox::QCheckBox;

protected:
    void nextCheckState() override { setCheckState(checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked); }
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
};
} // namespace

// --- CommandButton ---

QWidget* CommandButton::createWidget(QWidget* parent)
{
    auto* b = new QPushButton(parent);
    b->setAutoDefault(false);
    QObject::connect(b, &QPushButton::clicked, b, [this, self = weakSelf()] {
        if (auto keep = self.lock())
            Click.raise();
    });
    watch(b);
    return b;
}

bool CommandButton::widgetEvent(QWidget*, QEvent* e)
{
    return routeKeyAndFocusEvent(e, *this, *this);
}

void CommandButton::appearanceChanged()
{
    TextControl::appearanceChanged();
    if (auto* b = qobject_cast<QPushButton*>(widget_.data())) {
        b->setText(caption_);
        b->setDefault(default_);
    }
}

void CommandButton::setCaption(const QString& c)
{
    if (c == caption_)
        return;
    caption_ = c;
    appearanceChanged();
}

void CommandButton::setDefault(bool v)
{
    if (v == default_)
        return;
    default_ = v;
    // One default button per form.
    if (v)
        if (auto f = Parent())
            for (const auto& c : f->Controls())
                if (auto b = std::dynamic_pointer_cast<CommandButton>(c); b && b.get() != this && b->default_) {
                    b->default_ = false;
                    b->appearanceChanged();
                }
    appearanceChanged();
}

void CommandButton::press()
{
    if (!Enabled() || !Visible())
        return;
    auto keep = shared_from_this();
    Click.raise();
}

Variant CommandButton::getProperty(const QString& name) const
{
    if (is(name, "Caption"))
        return Variant(caption_);
    if (is(name, "Default"))
        return Variant(default_);
    if (is(name, "Cancel"))
        return Variant(cancel_);
    return TextControl::getProperty(name);
}

void CommandButton::setProperty(const QString& name, const Variant& value)
{
    if (is(name, "Caption"))
        setCaption(value.toString());
    else if (is(name, "Default"))
        setDefault(value.toBool());
    else if (is(name, "Cancel"))
        setCancel(value.toBool());
    else if (is(name, "Value")) {
        if (value.toBool())
            press();
    } else
        TextControl::setProperty(name, value);
}

// --- CheckBox ---

QWidget* CheckBox::createWidget(QWidget* parent)
{
    auto* b = new TwoStateCheckBox(parent);
    QObject::connect(b, &QCheckBox::clicked, b, [this, b, self = weakSelf()] {
        auto keep = self.lock();
        if (!keep || settingValue_)
            return;
        const auto s = b->checkState();
        value_ = s == Qt::Checked ? 1 : s == Qt::PartiallyChecked ? 2 : 0;
        Click.raise();
    });
    watch(b);
    return b;
}

bool CheckBox::widgetEvent(QWidget*, QEvent* e)
{
    return routeKeyAndFocusEvent(e, *this, *this);
}

void CheckBox::showValue()
{
    auto* b = qobject_cast<QCheckBox*>(widget_.data());
    if (!b)
        return;
    settingValue_ = true;
    b->setText(caption_);
    b->setCheckState(value_ == 1 ? Qt::Checked : value_ == 2 ? Qt::PartiallyChecked : Qt::Unchecked);
    settingValue_ = false;
}

void CheckBox::setCaption(const QString& c)
{
    if (c == caption_)
        return;
    caption_ = c;
    showValue();
}

void CheckBox::setValue(int16_t v)
{
    if (v < 0 || v > 2)
        raise(err::InvalidProperty);
    if (v == value_)
        return;
    value_ = v;
    showValue();
    auto keep = shared_from_this();
    Click.raise();
}

Variant CheckBox::getProperty(const QString& name) const
{
    if (is(name, "Caption"))
        return Variant(caption_);
    if (is(name, "Value"))
        return Variant(value_);
    return TextControl::getProperty(name);
}

void CheckBox::setProperty(const QString& name, const Variant& value)
{
    if (is(name, "Caption"))
        setCaption(value.toString());
    else if (is(name, "Value"))
        setValue(value.toInteger());
    else
        TextControl::setProperty(name, value);
}

} // namespace plat
