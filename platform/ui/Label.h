// The label: a windowless caption. "&&" shows as "&"; a single "&" marks the
// access key (underlined; Alt and the key moves the focus to the next
// control in the tab order). The text wraps within the label's width unless
// the label sizes itself to one line (AutoSize without WordWrap).
#pragma once
#include "TextControl.h"

namespace plat {

class Label : public TextControl, public MouseEvents {
public:
    QString Caption() const { return caption_; }
    void setCaption(const QString& c);
    // 0 left, 1 right, 2 centred.
    int16_t Alignment() const { return alignment_; }
    void setAlignment(int16_t v);
    // The label takes the size of its text: with WordWrap its height only.
    bool AutoSize() const { return autoSize_; }
    void setAutoSize(bool v);
    bool WordWrap() const { return wordWrap_; }
    void setWordWrap(bool v);
    // 0 transparent (the container shows through), 1 opaque.
    int16_t BackStyle() const { return backStyle_; }
    void setBackStyle(int16_t v);
    int16_t BorderStyle() const { return borderStyle_; }
    void setBorderStyle(int16_t v);
    bool UseMnemonic() const { return useMnemonic_; }
    void setUseMnemonic(bool v);

    bool hasWindow() const override { return false; }
    bool hasTabIndex() const override { return true; }
    bool hasTabStop() const override { return false; }
    bool canTakeFocus() const override { return false; }

    Variant getProperty(const QString& name) const override;
    void setProperty(const QString& name, const Variant& value) override;
    void afterDesign() override;

protected:
    QWidget* createWidget(QWidget* parent) override;
    bool widgetEvent(QWidget* w, QEvent* e) override;
    void appearanceChanged() override;
    void resized() override;
    void accessKeyPressed(QChar key) override;

private:
    void paint(QPainter& p);
    int textFlags() const;
    void fitToText();

    QString caption_;
    int16_t alignment_ = 0;
    bool autoSize_ = false;
    bool wordWrap_ = false;
    int16_t backStyle_ = 1;
    int16_t borderStyle_ = 0;
    bool useMnemonic_ = true;
    bool fitting_ = false;
    bool designing_ = true; // until the design data is applied
};

} // namespace plat
