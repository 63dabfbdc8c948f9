// The base of user controls (the list bar, the button): a surface widget of
// their own that the control paints by setting its Picture, the runtime's
// notifications as virtual UserControl_* methods, the ambient properties of
// the container, property bags, change notification, access keys, OLE drag
// and drop, and constituent controls (a text box, timers).
//
// The control class derives from UserControl, overrides the notifications it
// handles and declares its own events (plat::Event members) for the host. The
// form builder creates it by type name (registerUserControlType) and drives
// it: construction, siting, UserControl_Initialize, then
// UserControl_ReadProperties (design data with a bag) or
// UserControl_InitProperties (without one), then the first UserControl_Resize.
// Tests may call the notifications directly.
//
// Mouse events carry the original codes: Button 1 left, 2 right, 4 middle
// (for MouseMove the buttons held, 0 for a plain move); Shift 1 Shift, 2 Ctrl,
// 4 Alt; X and Y in the surface's ScaleMode (pixels unless changed). The
// mouse stays captured while a button is held; a double-click delivers
// UserControl_DblClick in place of the second press (then MouseUp).
// Keys carry virtual-key codes. EnterFocus/ExitFocus tell the focus entering
// or leaving the control or any of its constituents; GotFocus/LostFocus the
// surface itself (the focus moving from the surface to a constituent is a
// LostFocus without an ExitFocus).
#pragma once
#include "Control.h"
#include "DataObject.h"
#include "DrawingSurface.h"

#include <QImage>
#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

namespace plat {

class PropertyBag;
class UserControl;
class SurfaceWidget;

// What the container offers the control.
struct AmbientProperties {
    QString DisplayName;   // the extender's name, "Name(index)" in an array
    FontPtr Font;          // a copy of the container's font
    bool DisplayAsDefault = false; // the control is the form's default button
    bool UserMode = true;  // always run mode here
    Colour BackColor = 0x8000000Fu;
    Colour ForeColor = 0x80000012u;
};

// The controls of the container (the form's Controls), positions from 0.
class ControlList : public Object {
public:
    explicit ControlList(std::vector<ControlPtr> controls) : controls_(std::move(controls)) {}
    int32_t Count() const { return int32_t(controls_.size()); }
    // Raises 9 outside 0..Count-1.
    ControlPtr Item(int32_t index) const;
    ControlPtr operator()(int32_t index) const { return Item(index); }
    auto begin() const { return controls_.begin(); }
    auto end() const { return controls_.end(); }

private:
    std::vector<ControlPtr> controls_;
};

// The surface's hyperlink object: browser-style navigation.
class HyperLink : public Object {
public:
    // Opens the target (a web address or a file path) with the desktop's
    // handler.
    void NavigateTo(const QString& target, const QString& location = {}, const QString& frameName = {});
};

class UserControl : public Control, public ControlContainer {
public:
    UserControl();
    ~UserControl() override;

    // ===== Notifications (override the ones the control handles) =====
    virtual void UserControl_Initialize() {}
    virtual void UserControl_InitProperties() {}
    virtual void UserControl_ReadProperties(PropertyBag& PropBag) {}
    virtual void UserControl_WriteProperties(PropertyBag& PropBag) {}
    virtual void UserControl_Resize() {}
    virtual void UserControl_AmbientChanged(QString& PropertyName) {}
    virtual void UserControl_Terminate() {}
    virtual void UserControl_Click() {}
    virtual void UserControl_DblClick() {}
    virtual void UserControl_MouseDown(int16_t& Button, int16_t& Shift, float& X, float& Y) {}
    virtual void UserControl_MouseMove(int16_t& Button, int16_t& Shift, float& X, float& Y) {}
    virtual void UserControl_MouseUp(int16_t& Button, int16_t& Shift, float& X, float& Y) {}
    virtual void UserControl_KeyDown(int16_t& KeyCode, int16_t& Shift) {}
    virtual void UserControl_KeyUp(int16_t& KeyCode, int16_t& Shift) {}
    virtual void UserControl_KeyPress(int16_t& KeyAscii) {}
    virtual void UserControl_AccessKeyPress(int16_t& KeyAscii) {}
    virtual void UserControl_GotFocus() {}
    virtual void UserControl_LostFocus() {}
    virtual void UserControl_EnterFocus() {}
    virtual void UserControl_ExitFocus() {}
    virtual void UserControl_OLEStartDrag(DataObjectPtr& Data, int32_t& AllowedEffects) {}
    virtual void UserControl_OLEDragOver(DataObjectPtr& Data, int32_t& Effect, int16_t& Button, int16_t& Shift,
                                         float& X, float& Y, int16_t& State)
    {
    }
    virtual void UserControl_OLEDragDrop(DataObjectPtr& Data, int32_t& Effect, int16_t& Button, int16_t& Shift,
                                         float& X, float& Y)
    {
    }
    virtual void UserControl_OLECompleteDrag(int32_t& Effect) {}
    virtual void UserControl_OLEGiveFeedback(int32_t& Effect, bool& DefaultCursors) {}
    virtual void UserControl_OLESetData(DataObjectPtr& Data, int16_t& DataFormat) {}

    // ===== The surface =====
    Colour BackColor() const { return surface_.backColor(); }
    void setBackColor(Colour c);
    Colour ForeColor() const { return foreColor_; }
    void setForeColor(Colour c);
    // Enabled() / setEnabled(): the control's enabled state (Control).
    // The font object itself: Font() returns the very object setFont took.
    FontPtr Font() const { return font_; }
    void setFont(const FontPtr& f);
    bool FontTransparent() const { return fontTransparent_; }
    void setFontTransparent(bool v) { fontTransparent_ = v; }
    // The picture the surface shows; setting it paints the surface at once
    // (every frame of an animation reaches the screen).
    PicturePtr Picture() const { return surface_.picture(); }
    void setPicture(const PicturePtr& p);
    // Paints the surface at once.
    void Refresh() override;
    // Clears what was drawn through hDC back to the back colour and Picture.
    void Cls();
    // 0 transparent (the container shows where nothing is drawn, and
    // MaskPicture shapes the window), 1 opaque.
    int16_t BackStyle() const { return backStyle_; }
    void setBackStyle(int16_t v);
    // The window takes the shape of MaskPicture's pixels that are not
    // MaskColor while BackStyle is 0.
    PicturePtr MaskPicture() const { return maskPicture_; }
    void setMaskPicture(const PicturePtr& p);
    Colour MaskColor() const { return maskColor_; }
    void setMaskColor(Colour c);
    // MousePointer() / MouseIcon(): the surface's pointer (Control).
    // 0 none, 1 manual (the surface accepts drops).
    int16_t OLEDropMode() const { return oleDropMode_; }
    void setOLEDropMode(int16_t v);
    // The unit of ScaleWidth, ScaleHeight, mouse positions and of the
    // constituents' positions: 1 twips, 3 pixels (the default here).
    int16_t ScaleMode() const { return scaleMode_; }
    void setScaleMode(int16_t v);
    PicturePtr Palette() const { return palette_; }
    void setPalette(const PicturePtr& p) { palette_ = p; }
    int16_t PaletteMode() const { return paletteMode_; }
    void setPaletteMode(int16_t v) { paletteMode_ = v; }
    std::shared_ptr<plat::HyperLink> HyperLink() const;
    // Resizes the control; width and height in twips.
    void Size(double widthTwips, double heightTwips);
    // A device context drawing on the surface (plat::gdi), alive as long as
    // the control.
    int64_t hDC();
    double ScaleWidth() const;
    double ScaleHeight() const;
    // Unit conversion: from HiMetric (8) to ScaleMode by default; 9 and 10
    // stand for the container's scale.
    double ScaleX(double width, int16_t fromScale = 8, int16_t toScale = -1) const;
    double ScaleY(double height, int16_t fromScale = 8, int16_t toScale = -1) const;
    // In ScaleMode units, with the surface font.
    double TextWidth(const QString& text) const;
    double TextHeight(const QString& text) const;
    // The access keys (characters pressed with Alt) that raise
    // UserControl_AccessKeyPress.
    QString AccessKeys() const { return accessKeys_; }
    void setAccessKeys(const QString& keys);
    // Whether the surface takes the focus (and the extender has TabStop).
    bool CanGetFocus() const { return canGetFocus_; }
    void setCanGetFocus(bool v);
    // Default / Cancel of the extender: the control answers Enter / Escape on
    // its form (UserControl_AccessKeyPress with 13 / 27); Default is the
    // ambient DisplayAsDefault.
    bool Default() const { return default_; }
    void setDefault(bool v);
    bool Cancel() const { return cancel_; }
    void setCancel(bool v) { cancel_ = v; }

    // ===== Services =====
    AmbientProperties Ambient() const;
    // The extender is this object (Name, Left, Top, Visible, Tag, ...).
    Control& Extender() { return *this; }
    // The container's controls: every control of the form, from 0.
    std::shared_ptr<ControlList> ParentControls() const;
    // Tells the container that a property changed (recorded for tests).
    void PropertyChanged(const QString& PropertyName);
    // Asks the container whether a property may change (true unless a test
    // answers otherwise).
    bool CanPropertyChange(const QString& PropertyName);
    // Starts a drag with the control as its source: OLEStartDrag, the whole
    // drag (OLEGiveFeedback while it runs), then OLECompleteDrag; returns
    // when the drag has ended.
    void OLEDrag();
    // Raises UserControl_AmbientChanged (the form calls it when an ambient
    // value changes).
    void ambientChanged(const QString& name);

    // A constituent control on the surface (not in the form's Controls);
    // positions in the surface's ScaleMode.
    template <class T>
    std::shared_ptr<T> addConstituent(const QString& name, const QRectF& twips = {})
    {
        auto c = std::make_shared<T>();
        siteConstituent(c, name, twips);
        return c;
    }
    const std::vector<ControlPtr>& constituents() const { return constituents_; }

    // ===== For tests =====
    const QStringList& changedProperties() const { return changed_; }
    void clearChangedProperties() { changed_.clear(); }
    void setCanPropertyChangeAnswer(std::function<bool(const QString&)> answer) { canChange_ = std::move(answer); }
    // What the surface shows (its back colour, Picture and drawings).
    QImage surfaceImage() const { return surface_.image(); }
    int repaintCount() const { return repaints_; }

    // ===== Driven by the form =====
    void initialize();
    void initProperties();
    void readProperties(PropertyBag& bag);
    void writeProperties(PropertyBag& bag);
    void terminate();

    // ControlContainer
    QWidget* clientWidget() const override { return widget(); }
    int16_t childScaleMode() const override { return scaleMode_; }
    FontPtr containerFont() const override { return font_; }
    Colour containerBackColor() const override { return BackColor(); }
    Colour containerForeColor() const override { return foreColor_; }

    bool hasTabStop() const override { return canGetFocus_; }
    Variant getProperty(const QString& name) const override;
    void setProperty(const QString& name, const Variant& value) override;
    void setEnabled(bool v) override;
    void beforeUnload() override;

    // The focus moved (from QApplication::focusChanged; tests may call it).
    static void focusMoved(QWidget* old, QWidget* now);

protected:
    QWidget* createWidget(QWidget* parent) override;
    void resized() override;
    int16_t mouseScaleMode() const override { return scaleMode_; }
    void accessKeyPressed(QChar key) override;

private:
    friend class SurfaceWidget;
    void siteConstituent(const ControlPtr& c, const QString& name, const QRectF& twips);
    void paintSurface(QPainter& p);
    void updateMask();
    void surfaceChanged();
    // The control's font as its device context draws with it.
    QFont deviceFont() const;
    // Qt events of the surface.
    void mousePress(QMouseEvent* e, bool doubleClick);
    void mouseMove(QMouseEvent* e);
    void mouseRelease(QMouseEvent* e);
    void dragEvent(QEvent* e);

    DrawingSurface surface_;
    Colour foreColor_ = 0x80000012u;
    FontPtr font_;
    bool fontTransparent_ = true;
    int16_t backStyle_ = 1;
    PicturePtr maskPicture_;
    Colour maskColor_ = 0x8000000Fu;
    int16_t oleDropMode_ = 0;
    int16_t scaleMode_ = 3;
    PicturePtr palette_;
    int16_t paletteMode_ = 0;
    mutable std::shared_ptr<plat::HyperLink> hyperLink_;
    QString accessKeys_;
    bool canGetFocus_ = true;
    bool default_ = false;
    bool cancel_ = false;
    int64_t hdc_ = 0;
    std::vector<ControlPtr> constituents_;
    QStringList changed_;
    std::function<bool(const QString&)> canChange_;
    DataObjectPtr dragData_; // the data of a drag over the surface
    QPoint lastDragPos_;
    int32_t lastDragEffect_ = 0;
    bool initialized_ = false;
    bool terminated_ = false;
    bool clickPending_ = false;
    int repaints_ = 0;
};

// The registry of control types the design data names: user controls
// ("ZSButton", "ZSListBar") register their factory; the intrinsic controls
// are there from the start.
using ControlFactory = std::function<ControlPtr()>;
void registerControlType(const QString& typeName, ControlFactory factory);
void registerUserControlType(const QString& typeName, std::function<std::shared_ptr<UserControl>()> factory);
// A new control of a registered type; raises 711 "Invalid class string" for
// a type nobody registered.
ControlPtr createControl(const QString& typeName);
bool isControlTypeRegistered(const QString& typeName);

} // namespace plat
