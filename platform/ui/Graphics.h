// The windowless graphical controls: the image (a picture, at its own size
// unless stretched) and the shape (a rectangle or ellipse, filled and
// framed; it may reach past its container, which clips it).
#pragma once
#include "Control.h"

namespace plat {

class Image : public Control, public MouseEvents {
public:
    PicturePtr Picture() const { return picture_; }
    // Without Stretch the control takes the picture's size.
    void setPicture(const PicturePtr& p);
    bool Stretch() const { return stretch_; }
    void setStretch(bool v);
    // 0 none, 1 fixed single.
    int16_t BorderStyle() const { return borderStyle_; }
    void setBorderStyle(int16_t v);

    bool hasWindow() const override { return false; }
    bool hasTabIndex() const override { return false; }
    bool canTakeFocus() const override { return false; }
    Variant getProperty(const QString& name) const override;
    void setProperty(const QString& name, const Variant& value) override;

protected:
    QWidget* createWidget(QWidget* parent) override;
    bool widgetEvent(QWidget* w, QEvent* e) override;

private:
    void paint(QPainter& p);
    void fitToPicture();
    PicturePtr picture_;
    bool stretch_ = false;
    int16_t borderStyle_ = 0;
};

class Shape : public Control {
public:
    // 0 rectangle, 1 square, 2 oval, 3 circle, 4 rounded rectangle,
    // 5 rounded square.
    int16_t ShapeKind() const { return shape_; }
    void setShapeKind(int16_t v);
    // 0 transparent, 1 opaque (filled with BackColor).
    int16_t BackStyle() const { return backStyle_; }
    void setBackStyle(int16_t v);
    Colour BackColor() const { return backColor_; }
    void setBackColor(Colour c);
    // 0 solid, 1 transparent (the default); the hatch styles 2-7 fill solid.
    int16_t FillStyle() const { return fillStyle_; }
    void setFillStyle(int16_t v);
    Colour FillColor() const { return fillColor_; }
    void setFillColor(Colour c);
    // 0 transparent, 1 solid (others draw solid).
    int16_t BorderStyle() const { return borderStyle_; }
    void setBorderStyle(int16_t v);
    Colour BorderColor() const { return borderColor_; }
    void setBorderColor(Colour c);
    int16_t BorderWidth() const { return borderWidth_; }
    void setBorderWidth(int16_t v);

    bool hasWindow() const override { return false; }
    bool hasTabIndex() const override { return false; }
    bool hasEnabled() const override { return false; }
    bool hasMousePointer() const override { return false; }
    bool canTakeFocus() const override { return false; }
    Variant getProperty(const QString& name) const override;
    void setProperty(const QString& name, const Variant& value) override;

protected:
    QWidget* createWidget(QWidget* parent) override;

private:
    void paint(QPainter& p);
    void changed();
    int16_t shape_ = 0;
    int16_t backStyle_ = 0;
    Colour backColor_ = 0x80000005u;
    int16_t fillStyle_ = 1;
    Colour fillColor_ = 0;
    int16_t borderStyle_ = 1;
    Colour borderColor_ = 0x80000008u;
    int16_t borderWidth_ = 1;
};

} // namespace plat
