// The command button and the check box. Captions use "&" for the access key
// and "&&" for a literal "&".
#pragma once
#include "TextControl.h"

namespace plat {

class CommandButton : public TextControl, public FocusEvents, public KeyEvents {
public:
    Event<> Click;

    QString Caption() const { return caption_; }
    void setCaption(const QString& c);
    // The button that Enter presses on its form.
    bool Default() const { return default_; }
    void setDefault(bool v);
    // The button that Escape presses on its form.
    bool Cancel() const { return cancel_; }
    void setCancel(bool v) { cancel_ = v; }
    // Presses the button from code (raises Click when it is enabled).
    void press();

    Variant getProperty(const QString& name) const override;
    void setProperty(const QString& name, const Variant& value) override;

protected:
    QWidget* createWidget(QWidget* parent) override;
    bool widgetEvent(QWidget* w, QEvent* e) override;
    void appearanceChanged() override;

private:
    QString caption_;
    bool default_ = false;
    bool cancel_ = false;
};

class CheckBox : public TextControl, public FocusEvents, public KeyEvents {
public:
    Event<> Click;

    QString Caption() const { return caption_; }
    void setCaption(const QString& c);
    // 0 unchecked, 1 checked, 2 greyed. A change raises Click.
    int16_t Value() const { return value_; }
    void setValue(int16_t v);

    Variant getProperty(const QString& name) const override;
    void setProperty(const QString& name, const Variant& value) override;

protected:
    QWidget* createWidget(QWidget* parent) override;
    bool widgetEvent(QWidget* w, QEvent* e) override;

private:
    void showValue();
    QString caption_;
    int16_t value_ = 0;
    bool settingValue_ = false;
};

} // namespace plat
