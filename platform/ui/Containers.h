// The two intrinsic containers: the frame (a captioned border around its
// controls) and the picture box (a window with its own scale, persistent
// drawing and mouse events).
#pragma once
#include "DrawingHost.h"
#include "TextControl.h"

namespace plat {

class Frame : public TextControl, public ControlContainer, public MouseEvents {
public:
    QString Caption() const { return caption_; }
    void setCaption(const QString& c);
    // 0 none, 1 fixed single.
    int16_t BorderStyle() const { return borderStyle_; }
    void setBorderStyle(int16_t v);

    bool hasTabStop() const override { return false; }
    bool canTakeFocus() const override { return false; }
    Variant getProperty(const QString& name) const override;
    void setProperty(const QString& name, const Variant& value) override;

    // ControlContainer: a frame's controls use its container's scale.
    QWidget* clientWidget() const override { return widget(); }
    int16_t childScaleMode() const override;
    FontPtr containerFont() const override { return font_; }
    Colour containerBackColor() const override { return backColor_; }
    Colour containerForeColor() const override { return foreColor_; }

protected:
    QWidget* createWidget(QWidget* parent) override;
    bool widgetEvent(QWidget* w, QEvent* e) override;

private:
    void paint(QPainter& p);
    QString caption_;
    int16_t borderStyle_ = 1;
};

class PictureBox : public Control, public DrawingHost, public ControlContainer, public MouseEvents, public KeyEvents,
                   public FocusEvents {
public:
    // 0 none, 1 fixed single (a sunken border two pixels wide).
    int16_t BorderStyle() const { return borderStyle_; }
    void setBorderStyle(int16_t v);
    // Drawing always persists here; the flag is kept for the design data.
    bool AutoRedraw() const { return autoRedraw_; }
    void setAutoRedraw(bool v) { autoRedraw_ = v; }
    void Refresh() override;

    Variant getProperty(const QString& name) const override;
    void setProperty(const QString& name, const Variant& value) override;

    // ControlContainer
    QWidget* clientWidget() const override { return widget(); }
    QPoint clientOrigin() const override { return QPoint(border(), border()); }
    int16_t childScaleMode() const override { return scaleMode_; }
    FontPtr containerFont() const override { return font_; }
    Colour containerBackColor() const override { return BackColor(); }
    Colour containerForeColor() const override { return foreColor_; }

protected:
    QWidget* createWidget(QWidget* parent) override;
    bool widgetEvent(QWidget* w, QEvent* e) override;
    void sited() override;
    void resized() override;
    int16_t mouseScaleMode() const override { return scaleMode_; }
    QPoint eventOrigin() const override { return clientOrigin(); }

    // DrawingHost
    QSize clientPixels() const override;
    void drawingChanged() override;

private:
    int border() const { return borderStyle_ == 1 ? 2 : 0; }
    void paint(QPainter& p);
    void reapplyChildren();

    int16_t borderStyle_ = 1;
    bool autoRedraw_ = false;
};

} // namespace plat
