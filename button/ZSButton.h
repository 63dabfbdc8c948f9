// The owner-drawn button control (public name ZSButton): three styles
// (standard bevelled, flat, picture), pictures for each state, captions with
// shadows, toggling and toggle groups, hover detection. Every visible change
// is one off-screen paint on a new drawing surface of the library, handed to
// the control's surface as its picture.
#pragma once
#include "InterButtonNotify.h"

#include <Colour.h>
#include <DataObject.h>
#include <Event.h>
#include <Font.h>
#include <Picture.h>
#include <UserControl.h>

#include <QString>
#include <cstdint>
#include <memory>

namespace plat {
class Timer;
}

namespace zg {
class ZorvaneGhostCanvas;
}

namespace button {

// Draw states passed to the painters.
namespace drawstate {
constexpr int32_t Pressed = -1, Normal = 0, Hover = 1, FlatFocused = 2;
}

class InternalZSButton : public plat::UserControl {
public:
    // The settings the control keeps in fields of its own, with the values
    // of a new instance. Persistence stores into them directly (without the
    // side effects of the public properties).
    struct Settings {
        int32_t ButtonStyle = 0;          // 0 standard, 1 flat ("active"), 2 picture ("graphical")
        int32_t ButtonPositionImage = 0;  // 0 left, 1 right, 2 above, 3 below, 4 centred under the caption
        int16_t ButtonContentSpacing = 0; // pixels
        QString Caption;
        QString CaptionToggled;
        bool AutoSize = false;
        int32_t BackStyle = 1; // 0 shows the container's picture behind, 1 opaque
        plat::Colour ColorButton = 0x8000000Fu;
        plat::Colour ColorHighlight = 0x80000014u;
        plat::Colour ColorHoverText = 0x80000012u;
        plat::Colour ColorShadow = 0x80000010u;
        plat::Colour ColorOutline = 0x80000012u;
        bool Value = false;
        bool DataValue = false;
        int32_t ButtonToggles = 0; // 0 push button, 1 and 2 toggle buttons
        bool AcclimateGrayTones = false;
        bool DisplayPersistentHover = true;
        int32_t Alignment = 2;         // horizontal: 0 left, 1 right, 2 centre
        int32_t AlignmentVertical = 2; // 0 top, 1 bottom, 2 centre
        bool DrawFocusRectangle = true;
        int32_t DisabledImageExtraction = 0; // 0..4: which picture a disabled button embosses
        plat::Colour MaskColor = 0xC0C0C0u;
        bool UseMaskColor = true;
        bool RightToLeft = false;
        plat::Colour ColorToggledText = 0x80000012u;
        plat::Colour ColorToggledHoverText = 0x80000012u;
        bool LowerToggledContent = true;
        int32_t TextShadow = 0;       // 0 none, 1 drop shadow, 2..5 one-pixel copies
        int16_t TextShadowDepth = 0;  // 0 follows the font size
        plat::Colour ColorTextShadow = 0x80000010u;
        bool AlignmentIgnoreImage = false;
        QString ToggleGroup;
        plat::PicturePtr ButtonImage;
        plat::PicturePtr ButtonImageUp;
        plat::PicturePtr ButtonImageDown;
        plat::PicturePtr ButtonImageHover;
        plat::PicturePtr ButtonImageToggled;
        plat::PicturePtr MouseIcon;
    };

    // What the control tracks at run time (never persisted).
    struct Runtime {
        bool IsReady = false;         // set by the first resize; nothing paints before
        bool BackgroundDirty = true;  // capture the container's picture at the next paint
        plat::PicturePtr BackgroundPicture;
        int32_t DrawState = 0;        // the state of the last paint
        int32_t MaxImageWidth = 0;    // pixels, over the five images
        int32_t MaxImageHeight = 0;
        plat::PicturePtr AcclimatedImage;
        bool HasFocus = false;
        bool MouseIsDown = false;
        bool KeyIsDown = false;
        bool MouseEntered = false;
        bool IsAutoSizing = false;    // the content painter is resizing the control
        int32_t FocusRect[4] = {0, 0, 0, 0}; // left, top, right, bottom of the last focus rectangle
        QString OwnUniqueID;
        bool HasHoverSnapshot = false;
        std::shared_ptr<zg::ZorvaneGhostCanvas> HoverSnapshot;
        plat::Colour SnapshotMaskColor = 0;
        int32_t HoverWindowRect[4] = {0, 0, 0, 0}; // left, top, right, bottom in screen pixels
    };

    InternalZSButton();
    ~InternalZSButton() override;

    Settings& settings() { return s_; }
    const Settings& settings() const { return s_; }
    Runtime& runtime() { return rt_; }
    const Runtime& runtime() const { return rt_; }
    const std::shared_ptr<InterButtonNotify>& Delegate() const { return Delegate_; }

    // ===== Events (raised synchronously; the host may change the arguments) =====
    plat::Event<> Click;
    plat::Event<int16_t, int16_t> KeyDown; // KeyCode, Shift
    plat::Event<int16_t> KeyPress;         // KeyAscii
    plat::Event<int16_t, int16_t> KeyUp;   // KeyCode, Shift
    plat::Event<int16_t, int16_t, float, float> MouseDown; // Button, Shift, X, Y
    plat::Event<int16_t, int16_t, float, float> MouseMove;
    plat::Event<int16_t, int16_t, float, float> MouseUp;
    plat::Event<> MouseEnter;
    plat::Event<> MouseLeave;
    plat::Event<int32_t> OLECompleteDrag; // Effect
    // Data, Effect, Button, Shift, X, Y
    plat::Event<plat::DataObjectPtr, int32_t, int16_t, int16_t, float, float> OLEDragDrop;
    // Data, Effect, Button, Shift, X, Y, State
    plat::Event<plat::DataObjectPtr, int32_t, int16_t, int16_t, float, float, int16_t> OLEDragOver;
    plat::Event<int32_t, bool> OLEGiveFeedback;          // Effect, DefaultCursors
    plat::Event<plat::DataObjectPtr, int16_t> OLESetData;   // Data, DataFormat
    plat::Event<plat::DataObjectPtr, int32_t> OLEStartDrag; // Data, AllowedEffects

    // ===== Public members, in the order of the control's interface =====
    // Setters store even an unchanged value and repaint, then tell the
    // container that the property changed, unless noted otherwise.

    // Whether the mouse cursor lies on the window rectangle of `inObject`
    // (all four edges count as inside). Raises 30016 when the object has no
    // window handle.
    bool zzzMouseIsOverObject(const plat::ObjectPtr& inObject);

    int32_t ButtonStyle() const { return s_.ButtonStyle; }
    // Only a change counts; style 1 also turns DrawFocusRectangle off.
    void setButtonStyle(int32_t New_ButtonStyle);
    int32_t ButtonPositionImage() const { return s_.ButtonPositionImage; }
    void setButtonPositionImage(int32_t New_ButtonPositionImage);
    int16_t ButtonContentSpacing() const { return s_.ButtonContentSpacing; }
    void setButtonContentSpacing(int16_t New_ButtonContentSpacing);
    // The access key follows the caption ("&x").
    const QString& Caption() const { return s_.Caption; }
    void setCaption(const QString& New_Caption);
    bool AutoSize() const { return s_.AutoSize; }
    void setAutoSize(bool New_AutoSize);
    // BackColor (the surface's) and ColorButton are one setting.
    // BackColor(): the surface's (UserControl).
    void setBackColor(plat::Colour New_BackColor);
    // Captures the container's background again and repaints.
    void RefreshButton();
    // Enabled(): the surface's (Control).
    void setEnabled(bool New_Enabled) override;
    // hDC(): the surface's device context (UserControl).
    // ForeColor(): the surface's (UserControl). A new colour carries along
    // the caption colours that were equal to the old one.
    void setForeColor(plat::Colour New_ForeColor);
    bool FontUnderline() const;
    void setFontUnderline(bool New_FontUnderline);
    // FontTransparent(): the surface's (UserControl).
    void setFontTransparent(bool New_FontTransparent);
    bool FontStrikethru() const;
    void setFontStrikethru(bool New_FontStrikethru);
    float FontSize() const;
    void setFontSize(float New_FontSize);
    QString FontName() const;
    void setFontName(const QString& New_FontName);
    bool FontItalic() const;
    void setFontItalic(bool New_FontItalic);
    bool FontBold() const;
    void setFontBold(bool New_FontBold);
    // Font(): the surface's font object itself (UserControl); the setter
    // shares the caller's object.
    void setFont(const plat::FontPtr& New_Font);
    // hWnd(), HyperLink(): the surface's (Control, UserControl).
    // The picture last assigned (not what the surface shows: without an
    // icon of its own the surface shows the default hand cursor).
    plat::PicturePtr MouseIcon() const { return s_.MouseIcon; }
    void setMouseIcon(const plat::PicturePtr& New_MouseIcon);
    // Values outside the 16-bit range raise 6 and change nothing.
    int32_t MousePointer() const;
    void setMousePointer(int32_t New_MousePointer);
    // OLEDrag(): the surface's (UserControl).
    int32_t OLEDropMode() const;
    void setOLEDropMode(int32_t New_OLEDropMode);
    // The persisted style (0 the container shows behind, 1 opaque), not the
    // window's own (plat::UserControl::BackStyle).
    int32_t BackStyle() const { return s_.BackStyle; }
    void setBackStyle(int32_t New_BackStyle);
    plat::PicturePtr ButtonImageUp() const { return s_.ButtonImageUp; }
    void setButtonImageUp(const plat::PicturePtr& New_ButtonImageUp);
    plat::PicturePtr ButtonImageDown() const { return s_.ButtonImageDown; }
    void setButtonImageDown(const plat::PicturePtr& New_ButtonImageDown);
    plat::Colour ColorButton() const { return s_.ColorButton; }
    void setColorButton(plat::Colour New_ColorButton);
    plat::Colour ColorHighlight() const { return s_.ColorHighlight; }
    void setColorHighlight(plat::Colour New_ColorHighlight);
    plat::Colour ColorHoverText() const { return s_.ColorHoverText; }
    void setColorHoverText(plat::Colour New_ColorHoverText);
    plat::Colour ColorShadow() const { return s_.ColorShadow; }
    void setColorShadow(plat::Colour New_ColorShadow);
    plat::Colour ColorOutline() const { return s_.ColorOutline; }
    void setColorOutline(plat::Colour New_ColorOutline);
    // Assigning a new value raises Click; a push button (ButtonToggles 0)
    // goes back to False at once.
    bool Value() const { return s_.Value; }
    void setValue(bool New_Value);
    int32_t ButtonToggles() const { return s_.ButtonToggles; }
    void setButtonToggles(int32_t New_ButtonToggles);
    plat::PicturePtr ButtonImageHover() const { return s_.ButtonImageHover; }
    void setButtonImageHover(const plat::PicturePtr& New_ButtonImageHover);
    plat::PicturePtr ButtonImage() const { return s_.ButtonImage; }
    void setButtonImage(const plat::PicturePtr& New_ButtonImage);
    bool AcclimateGrayTones() const { return s_.AcclimateGrayTones; }
    void setAcclimateGrayTones(bool New_AcclimateGrayTones);
    bool DisplayPersistentHover() const { return s_.DisplayPersistentHover; }
    void setDisplayPersistentHover(bool New_DisplayPersistentHover);
    int32_t Alignment() const { return s_.Alignment; }
    void setAlignment(int32_t New_Alignment);
    bool DrawFocusRectangle() const { return s_.DrawFocusRectangle; }
    void setDrawFocusRectangle(bool New_DrawFocusRectangle);
    // ScaleMode(): the surface's (UserControl).
    void setScaleMode(int16_t New_ScaleMode);
    // ScaleX(), ScaleY(): the surface's (UserControl).
    int32_t DisabledImageExtraction() const { return s_.DisabledImageExtraction; }
    void setDisabledImageExtraction(int32_t New_DisabledImageExtraction);
    // The colour the picture style leaves out (not the window's mask colour,
    // plat::UserControl::MaskColor).
    plat::Colour MaskColor() const { return s_.MaskColor; }
    void setMaskColor(plat::Colour New_MaskColor);
    bool UseMaskColor() const { return s_.UseMaskColor; }
    void setUseMaskColor(bool New_UseMaskColor);
    bool RightToLeft() const { return s_.RightToLeft; }
    void setRightToLeft(bool New_RightToLeft);
    plat::PicturePtr ButtonImageToggled() const { return s_.ButtonImageToggled; }
    void setButtonImageToggled(const plat::PicturePtr& New_ButtonImageToggled);
    plat::Colour ColorToggledText() const { return s_.ColorToggledText; }
    void setColorToggledText(plat::Colour New_ColorToggledText);
    plat::Colour ColorToggledHoverText() const { return s_.ColorToggledHoverText; }
    void setColorToggledHoverText(plat::Colour New_ColorToggledHoverText);
    bool LowerToggledContent() const { return s_.LowerToggledContent; }
    void setLowerToggledContent(bool New_LowerToggledContent);
    int32_t TextShadow() const { return s_.TextShadow; }
    void setTextShadow(int32_t New_TextShadow);
    // Only a change counts; kept within 0..64.
    int16_t TextShadowDepth() const { return s_.TextShadowDepth; }
    void setTextShadowDepth(int16_t New_TextShadowDepth);
    plat::Colour ColorTextShadow() const { return s_.ColorTextShadow; }
    void setColorTextShadow(plat::Colour New_ColorTextShadow);
    int32_t AlignmentVertical() const { return s_.AlignmentVertical; }
    void setAlignmentVertical(int32_t New_AlignmentVertical);
    bool AlignmentIgnoreImage() const { return s_.AlignmentIgnoreImage; }
    void setAlignmentIgnoreImage(bool New_AlignmentIgnoreImage);
    const QString& CaptionToggled() const { return s_.CaptionToggled; }
    void setCaptionToggled(const QString& New_CaptionToggled);
    // Buttons of one group (exact name, not blank) are switched on one at a
    // time. No repaint.
    const QString& ToggleGroup() const { return s_.ToggleGroup; }
    void setToggleGroup(const QString& New_ToggleGroup);
    // Stored only when the container allows the change. No repaint.
    bool DataValue() const { return s_.DataValue; }
    void setDataValue(bool New_DataValue);
    // Palette(): the surface's (UserControl).
    void setPalette(const plat::PicturePtr& New_Palette);
    int32_t PaletteMode() const;
    void setPaletteMode(int32_t New_PaletteMode);

    // Another button started hovering: drop the hover look.
    void Delegate_QuitDisplayingHover();
    // Another button of the group was switched on: switch off.
    void Delegate_ToggledToFalse();

    // The text hosts show for a property that states a rule ("" for others).
    static QString memberDescription(const QString& member);

    // The hover test, every 1 ms while a hover lasts (tests fire it).
    std::shared_ptr<plat::Timer> HoverTest;

    // The system directory with a trailing backslash ("" when unknown).
    static QString GetSystemDirectoryPath();

    // ===== Life cycle and persistence =====
    void UserControl_Initialize() override;
    void UserControl_InitProperties() override;
    void UserControl_ReadProperties(plat::PropertyBag& PropBag) override;
    void UserControl_WriteProperties(plat::PropertyBag& PropBag) override;
    void UserControl_Resize() override;
    void UserControl_Terminate() override;

    // ===== Input =====
    void UserControl_MouseDown(int16_t& Button, int16_t& Shift, float& X, float& Y) override;
    void UserControl_DblClick() override;
    void UserControl_MouseMove(int16_t& Button, int16_t& Shift, float& X, float& Y) override;
    void UserControl_MouseUp(int16_t& Button, int16_t& Shift, float& X, float& Y) override;
    void UserControl_KeyDown(int16_t& KeyCode, int16_t& Shift) override;
    void UserControl_KeyPress(int16_t& KeyAscii) override;
    void UserControl_KeyUp(int16_t& KeyCode, int16_t& Shift) override;
    void UserControl_AccessKeyPress(int16_t& KeyAscii) override;
    void UserControl_GotFocus() override;
    void UserControl_LostFocus() override;
    void UserControl_AmbientChanged(QString& PropertyName) override;
    void UserControl_OLECompleteDrag(int32_t& Effect) override;
    void UserControl_OLEDragDrop(plat::DataObjectPtr& Data, int32_t& Effect, int16_t& Button, int16_t& Shift,
                                 float& X, float& Y) override;
    void UserControl_OLEDragOver(plat::DataObjectPtr& Data, int32_t& Effect, int16_t& Button, int16_t& Shift,
                                 float& X, float& Y, int16_t& State) override;
    void UserControl_OLEGiveFeedback(int32_t& Effect, bool& DefaultCursors) override;
    void UserControl_OLESetData(plat::DataObjectPtr& Data, int16_t& DataFormat) override;
    void UserControl_OLEStartDrag(plat::DataObjectPtr& Data, int32_t& AllowedEffects) override;

protected:
    // ===== Painting =====
    // The only paint entry: paints the whole control on a new surface and
    // shows it. Skipped until the control has been sized once.
    void RedrawButton(int32_t State);
    int32_t GetDrawState();
    plat::PicturePtr GetContainerBackground();
    void DrawFrameStyle0(int32_t& State);
    void DrawFrameStyle1(int32_t& State);
    void DrawContentStyle2(int32_t& State);
    // Everything inside the frame of styles 0 and 1.
    void DrawButtonContent(int32_t& State);
    // The shadow copies of a caption (the caller draws the caption itself).
    void DrawCaptionText(const float& Left, const float& Top, const float& Width, const float& Height,
                         const int16_t& Offset, const QString& Text);

    // ===== Image preparation =====
    void CalculateMaxImageSize();
    void BuildAcclimatedImage();
    // A colour ready for a brush: system colours become their RGB value.
    static plat::Colour TranslateColor(plat::Colour Colour);

    // The rectangle test against the control's own window; false while it
    // has no window.
    bool mouseIsOverMe();

    // The surface of the paint in progress (null between paints).
    std::shared_ptr<zg::ZorvaneGhostCanvas> Canvas_;

    Settings s_;
    Runtime rt_;
    std::shared_ptr<InterButtonNotify> Delegate_;

private:
    bool mouseIsOverWindow(int64_t hwnd);
    void releaseDelegate();
    // The notifier; raises 91 when initialisation could not make one.
    InterButtonNotify& notifier() const;

    // ===== Hover, toggling, keyboard =====
    // Starts a hover: the shape snapshot, the timer, the hand-over from the
    // buttons hovered before, MouseEnter.
    void StartHover();
    // The shaped hit test against the hover snapshot.
    bool CheckMouseOver();
    // Whether the cursor is over the button: its shape while a snapshot
    // exists, else its window rectangle.
    bool mouseIsInside();
    void HoverTest_Timer();
    bool hoverTestEnabled() const;
    void setHoverTestEnabled(bool enabled);
    // The normal look again, or the focused look of a focused flat button.
    void dropHoverLook();
    void ToggleOffGroupMembers();
    void UpdateAccessKeys();
    // The end of a press by keyboard (access key, Space, Enter): toggling,
    // the look, Click.
    void finishKeyboardPress();
    // Focus to the next (or previous) control of the container in tab
    // order that can take it, wrapping round.
    void focusNeighbour(bool next);
    void focusChanged(bool gotFocus);

    // ===== Properties =====
    // The standard redraw: repaint in the current state, then tell the
    // container.
    void redrawAndNotify(const char* name);
    void notifyChanged(const char* name) { PropertyChanged(QString::fromLatin1(name)); }
    // Stores and redraws (also when the value is unchanged).
    template <class T>
    void setAndRedraw(T& field, const T& value, const char* name)
    {
        field = value;
        redrawAndNotify(name);
    }
    // The image setters: store, the largest size, the recoloured copy when
    // this image feeds it, redraw.
    void setImage(plat::PicturePtr& field, const plat::PicturePtr& value, bool feedsAcclimated, const char* name);
    // The surface's mouse icon for a stored icon: the default hand cursor
    // when it has none.
    void showMouseIcon(const plat::PicturePtr& icon);
    // Pieces of DrawButtonContent.
    void drawDitherBackground();
    void drawContentImage(const plat::PicturePtr& img, int32_t x, int32_t y, bool disabled);
    // Sets the surface's fore colour; a failure is ignored.
    void setCanvasForeColor(plat::Colour c);
};

using ZSButton = InternalZSButton;

// Makes "ZSButton" known to the forms layer, so design data creates the
// control by that type name. Runs by itself in every program that links the
// control.
void registerButtonControl();

} // namespace button
