// The navigation list bar control (public name ZSListBar): bars with caption
// tabs, each holding buttons with images and captions. The host fills it
// through its default member Bars, sets its properties and handles its 25
// events. Every visible change is one layout-and-paint pass (ListBarPainter)
// that draws the whole control on a new drawing surface and shows it.
//
// The control keeps its colours, font, text position, text shadow and image
// size in its notifier, where the bars read them; a change of such a value
// is carried to the bars that still hold the old one. Every other setting is
// a field of the control (ListBarState for the ones the pass reads).
//
// Properties read through the member of their name and are set through
// set<Name>. A setter that changes something redraws and then tells the
// container that the property changed (PropertyChanged), so the host saves
// it with its design data.
#pragma once
#include "LBBar.h"
#include "LBBars.h"
#include "LBButton.h"
#include "LBDelegate.h"
#include "LBTrackingObject.h"
#include "ListBarPainter.h"
#include "ListBarState.h"

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
class TextBox;
class Timer;
} // namespace plat

namespace listbar {

// The pair that times the faded bar switch (FadeLimit, FadeStepFactor).
struct FadeTiming {
    int32_t Limit = 0;
    int32_t StepFactor = 0;
    bool operator==(const FadeTiming&) const = default;
};

class InternalZSListBar : public plat::UserControl, public LBDelegateHost {
public:
    InternalZSListBar();
    ~InternalZSListBar() override;

    // ===== Events (all arguments by reference; the host may change them) =====
    plat::Event<LBBarPtr> BarSelected;
    plat::Event<LBBarPtr> BarMoved; // declared for hosts; nothing raises it
    plat::Event<LBBarPtr> BarMouseEnter;
    plat::Event<LBBarPtr> BarMouseLeave;
    plat::Event<LBBarPtr, int16_t> BarMouseClick;        // Bar, MouseButton
    plat::Event<LBBarPtr, LBButtonPtr> BarScroll;        // Bar, StartingButton
    plat::Event<LBBarPtr, QString, bool> BarCaptionEdit; // Bar, NewCaption, Cancel
    plat::Event<LBButtonPtr> ButtonSelected;
    plat::Event<LBButtonPtr> ButtonMoved;
    plat::Event<LBButtonPtr> ButtonMouseEnter;
    plat::Event<LBButtonPtr> ButtonMouseLeave;
    plat::Event<LBButtonPtr, int16_t> ButtonMouseClick;        // Button, MouseButton
    plat::Event<LBButtonPtr, QString, bool> ButtonCaptionEdit; // Button, NewCaption, Cancel
    plat::Event<LBButtonPtr, LBBarPtr, QString, bool> UserCreateNewButton; // NewButton, Bar, Key, Cancel
    plat::Event<plat::DataObjectPtr, int32_t, LBButtonPtr, LBBarPtr> OLEDropOnButton; // Data, Effect, Button, Bar
    plat::Event<> Click;
    plat::Event<> DblClick;
    plat::Event<> MouseEnter;
    plat::Event<> MouseLeave;
    plat::Event<int16_t, int16_t, float, float> MouseDown; // Button, Shift, X, Y
    plat::Event<int16_t, int16_t, float, float> MouseUp;
    plat::Event<int16_t, int16_t> KeyDown; // KeyCode, Shift
    plat::Event<int16_t, int16_t> KeyUp;
    plat::Event<int16_t> KeyPress; // KeyAscii
    plat::Event<int16_t, int16_t, float, float> MouseMove;

    // ===== Public members, in the order of the control's interface =====
    plat::Colour BackColor() const;
    void setBackColor(plat::Colour New_BackColor);
    // Enabled(): the window's enabled state (Control).
    void setEnabled(bool New_Enabled) override;
    plat::Colour ForeColor() const;
    void setForeColor(plat::Colour New_ForeColor);
    plat::Colour ColorButton() const;
    void setColorButton(plat::Colour New_ColorButton);
    plat::Colour ColorHighlight() const;
    void setColorHighlight(plat::Colour New_ColorHighlight);
    plat::Colour ColorShadow() const;
    void setColorShadow(plat::Colour New_ColorShadow);
    plat::Colour ColorOutline() const;
    void setColorOutline(plat::Colour New_ColorOutline);
    plat::Colour ColorText() const;
    void setColorText(plat::Colour New_ColorText);
    plat::Colour ColorTextShadow() const;
    void setColorTextShadow(plat::Colour New_ColorTextShadow);
    plat::Colour ColorTextHover() const;
    void setColorTextHover(plat::Colour New_ColorTextHover);
    plat::Colour ColorSelection() const;
    void setColorSelection(plat::Colour New_ColorSelection);
    plat::Colour ColorInsertLines() const;
    void setColorInsertLines(plat::Colour New_ColorInsertLines);

    // The default member: the same collection for the control's whole life.
    const LBBarsPtr& Bars() const { return state_.Bars; }

    // The surface's device context; 0 when it cannot be read. hWnd() is the
    // window's (Control).
    int64_t hDC();

    // The pointer icons (kept by reference) and pointer codes: over bar tabs
    // and elsewhere. They are applied at the next mouse move.
    plat::PicturePtr MouseIcon() const { return mouseIcon_; }
    void setMouseIcon(const plat::PicturePtr& New_MouseIcon);
    plat::PicturePtr MouseIconBarTab() const { return mouseIconBarTab_; }
    void setMouseIconBarTab(const plat::PicturePtr& New_MouseIconBarTab);
    int32_t MousePointer() const { return mousePointer_; }
    void setMousePointer(int32_t New_MousePointer);
    int32_t MousePointerBarTab() const { return mousePointerBarTab_; }
    void setMousePointerBarTab(int32_t New_MousePointerBarTab);

    bool OLEDropAllowed() const { return oleDropAllowed_; }
    void setOLEDropAllowed(bool New_OLEDropAllowed);

    // While true no redraw happens; clearing it does not redraw either (the
    // host calls Refresh when done). Not persisted.
    bool PreventRefresh() const { return state_.PreventRefresh; }
    void setPreventRefresh(bool New_PreventRefresh) { state_.PreventRefresh = New_PreventRefresh; }

    // Redraws the whole control (nothing while PreventRefresh is set).
    void Refresh() override;

    int32_t Style() const { return state_.Style; }
    void setStyle(int32_t New_Style);

    // The font object itself: the getter returns the very object the last
    // set or load gave, shared with the host.
    plat::FontPtr Font() const;
    void setFont(const plat::FontPtr& New_Font);
    QString FontName() const;
    void setFontName(const QString& New_FontName);
    bool FontBold() const;
    void setFontBold(bool New_FontBold);
    bool FontItalic() const;
    void setFontItalic(bool New_FontItalic);
    bool FontUnderline() const;
    void setFontUnderline(bool New_FontUnderline);
    bool FontStrikethru() const;
    void setFontStrikethru(bool New_FontStrikethru);
    float FontSize() const;
    void setFontSize(float New_FontSize);

    bool AcclimateGrayTones() const { return state_.AcclimateGrayTones; }
    void setAcclimateGrayTones(bool New_AcclimateGrayTones);
    plat::Colour MaskColor() const { return state_.MaskColor; }
    void setMaskColor(plat::Colour New_MaskColor);
    bool UseMaskColor() const { return state_.UseMaskColor; }
    void setUseMaskColor(bool New_UseMaskColor);

    int32_t IconSource() const { return state_.IconSource; }
    void setIconSource(int32_t New_IconSource);
    int32_t PicClipCellWidth() const { return state_.PicClipCellWidth; }
    void setPicClipCellWidth(int32_t New_PicClipCellWidth);
    int32_t PicClipCellHeight() const { return state_.PicClipCellHeight; }
    void setPicClipCellHeight(int32_t New_PicClipCellHeight);

    // The name of an image list control on the host form. A name that
    // matches none raises 30094 and leaves the old name.
    const QString& ImageListControl() const { return state_.ImageListControl; }
    void setImageListControl(const QString& New_ImageListControl);

    plat::PicturePtr PictureClip() const { return state_.PictureClip; }
    void setPictureClip(const plat::PicturePtr& New_PictureClip);

    int32_t ButtonTextPosition() const;
    void setButtonTextPosition(int32_t New_ButtonTextPosition);

    int32_t BorderStyle() const { return state_.BorderStyle; }
    void setBorderStyle(int32_t New_BorderStyle);
    int32_t Orientation() const { return state_.Orientation; }
    void setOrientation(int32_t New_Orientation);
    int32_t AnimationStyle() const { return animationStyle_; }
    void setAnimationStyle(int32_t New_AnimationStyle);

    bool AllowUserCustomize() const { return allowUserCustomize_; }
    void setAllowUserCustomize(bool New_AllowUserCustomize);
    bool ActiveBarOnTop() const { return state_.ActiveBarOnTop; }
    void setActiveBarOnTop(bool New_ActiveBarOnTop);
    bool ActiveButtons() const { return state_.ActiveButtons; }
    void setActiveButtons(bool New_ActiveButtons);

    int16_t ButtonMarginLeftTop() const { return state_.ButtonMarginLeftTop; }
    void setButtonMarginLeftTop(int16_t New_ButtonMarginLeftTop);
    int16_t ButtonMarginRightBottom() const { return state_.ButtonMarginRightBottom; }
    void setButtonMarginRightBottom(int16_t New_ButtonMarginRightBottom);

    int32_t TextShadow() const;
    void setTextShadow(int32_t New_TextShadow);
    int16_t TextShadowDepth() const;
    void setTextShadowDepth(int16_t New_TextShadowDepth);

    int16_t ButtonImageSize() const;
    void setButtonImageSize(int16_t New_ButtonImageSize);

    // The text hosts show for a public member or event ("" for other names).
    static QString memberDescription(const QString& member);

    // ===== Host notifications =====
    void UserControl_Initialize() override;
    void UserControl_Terminate() override;
    void UserControl_InitProperties() override;
    void UserControl_ReadProperties(plat::PropertyBag& PropBag) override;
    void UserControl_WriteProperties(plat::PropertyBag& PropBag) override;
    void UserControl_Resize() override;
    void UserControl_AmbientChanged(QString& PropertyName) override;
    void UserControl_EnterFocus() override;
    void UserControl_GotFocus() override;
    void UserControl_ExitFocus() override;
    void UserControl_Click() override;
    void UserControl_DblClick() override;

    // Mouse and keyboard. The mouse handlers turn positions into the state
    // of the hit-test items of the last pass and into the control's events;
    // the key handlers only pass the keys on.
    void UserControl_MouseDown(int16_t& Button, int16_t& Shift, float& X, float& Y) override;
    void UserControl_MouseMove(int16_t& Button, int16_t& Shift, float& X, float& Y) override;
    void UserControl_MouseUp(int16_t& Button, int16_t& Shift, float& X, float& Y) override;
    void UserControl_KeyDown(int16_t& KeyCode, int16_t& Shift) override;
    void UserControl_KeyUp(int16_t& KeyCode, int16_t& Shift) override;
    void UserControl_KeyPress(int16_t& KeyAscii) override;
    void UserControl_LostFocus() override;

    // Drag and drop: buttons dragged within and between bars, files and
    // other data dropped from outside.
    void UserControl_OLEStartDrag(plat::DataObjectPtr& Data, int32_t& AllowedEffects) override;
    void UserControl_OLEDragOver(plat::DataObjectPtr& Data, int32_t& Effect, int16_t& Button, int16_t& Shift,
                                 float& X, float& Y, int16_t& State) override;
    void UserControl_OLEDragDrop(plat::DataObjectPtr& Data, int32_t& Effect, int16_t& Button, int16_t& Shift,
                                 float& X, float& Y) override;
    void UserControl_OLECompleteDrag(int32_t& Effect) override;

    // The caption editor's notifications: a text change sizes and places
    // the box; Enter commits, Escape cancels.
    void txtEdit_Change();
    void txtEdit_KeyDown(int16_t& KeyCode, int16_t& Shift);

    // The timers' ticks (the timers call them; tests may call them directly).
    void timerScrollTrigger_Timer();
    void timerScroll_Timer();
    void timerMouseHoverCheck_Timer();

    // ===== Answers to the model's requests =====
    void Delegate_BarActivated(const QString& sBar, bool Animate) override;
    void Delegate_CalculateVisibleButtons(const QString& sBar) override;
    void Delegate_CalculateVisibleBars() override;
    void Delegate_DetermineLongestText(const QString& sBar) override;
    void Delegate_EditCaption(const QString& sBar, const QString& sButton) override;
    void Delegate_GetBar(QString& sBar, LBBarPtr& Bar) override;
    void Delegate_KillTrackingObject() override;
    void Delegate_MakeVisible(const QString& sBar, const QString& sButton) override;
    void Delegate_OrderChange(const QString& sBar, const QString& sButton, int32_t OrderIndex) override;
    void Delegate_RedrawRequested(const QString& sBar, const QString& sButton) override;
    void Delegate_Scroll(const QString& sBar, const QString& sButton) override;
    void Delegate_TextWidthQuery(const QString& sBar, const QString& TextToQuery, int32_t& LenText,
                                 bool PrepFont) override;

    // ===== What the input, timer, drag and editing code shares =====
    // The one redraw of the control (see ListBarPainter::LayoutAndPaint).
    void LayoutAndPaint(bool KeepPicture = false, const QString& BarKey = QString(), int16_t Percent = 0,
                        const QString& InsertButtonID = QString(), int16_t InsertBefore = 0);
    // Applies the pointer over a bar tab (true) or elsewhere (false) to the
    // surface; the icon is only replaced when it really changes.
    void UpdateMousePointer(bool OverBarTab);

    ListBarState& state() { return state_; }
    const ListBarState& state() const { return state_; }
    const LBDelegatePtr& Delegate() const { return state_.Delegate; }

    // The caption editor and the three timers, all disabled at creation.
    std::shared_ptr<plat::TextBox> txtEdit;
    std::shared_ptr<plat::Timer> timerScrollTrigger; // 445 ms
    std::shared_ptr<plat::Timer> timerScroll;        // 55 ms
    std::shared_ptr<plat::Timer> timerMouseHoverCheck; // 1 ms

    // The timing pair for a processor clock in MHz (0: unreadable).
    static FadeTiming fadeTimingFor(int16_t ClockMHz);
    // The picture that the built-in bar-tab pointer uses (a hand pointing up).
    const plat::PicturePtr& builtInBarTabCursor() const { return builtInBarTabCursor_; }

private:
    class WindowSeam;

    // Shows the change of the active bar (already made) as AnimationStyle
    // says: None one redraw, Scroll two stepped pictures and the final one,
    // Fade blended pictures and the final one. OldBarKey is the UniqueID of
    // the bar that was active before.
    void AnimateBarSwitch(bool Animate, const QString& OldBarKey);
    // Whether the host form holds an image list control of that name (the
    // first control of the name decides).
    bool FindImageListControl(const QString& Name);

    // Gives `value` to every bar whose own field (barValue) still equals
    // `old`, through the bar's setter (setBar).
    template <class T, class Get, class Set>
    void carryToBars(const T& old, const T& value, Get barValue, Set setBar);
    // A propagating setter of a notifier value: compare, carry to the bars
    // still on the old value, store, redraw, mark.
    template <class T, class Get, class Set>
    void propagate(T LBDelegate::*member, const T& value, const char* name, Get barValue, Set setBar);
    // Store, redraw, mark: the plain setters of the control's own fields.
    template <class T>
    void setField(T& field, const T& value, const char* name);
    void markChanged(const char* name) { PropertyChanged(QString::fromLatin1(name)); }
    LBDelegate& notifier() const;
    plat::Font& barFont() const;
    // One font attribute: bars still on the control's old value follow,
    // every bar measures its captions again.
    template <class T, class Same, class BarGet, class BarSet, class FontSet>
    void setFontAttribute(const T& value, const T& current, Same same, BarGet barValue, BarSet setBar,
                          FontSet setOnFont, const char* name);
    void fade();
    bool isEditorVisible() const;
    void raiseBarSelected(LBBarPtr bar);

    // --- input helpers (ZSListBarInput.cpp) ---
    struct WholePoint {
        int32_t x = 0;
        int32_t y = 0;
    };
    // Connects the editor's and the timers' notifications to their handlers.
    void connectConstituents();
    // The bar or button of that identifier; none when it cannot be found.
    LBBarPtr findBar(const QString& barID) const;
    LBButtonPtr findButton(const QString& barID, const QString& buttonID) const;
    // The enter and leave events of an item's kind (none for the arrows).
    void raiseItemEnter(LBTrackingObjectPtr item);
    void raiseItemLeave(LBTrackingObjectPtr item);
    void scrollBarOf(const QString& barID, int16_t direction);
    void setTimer(const std::shared_ptr<plat::Timer>& timer, bool enabled);
    void stopScrollTimers();
    void pointerOverTab(bool overTab);
    // MouseEnter and the hover check, the first time the mouse or a drag is
    // over the control.
    void noteControlEntry();
    bool dragTestPasses(const LBTrackingObject& item, int16_t button, float x, float y, float threshold) const;
    void startButtonDrag();
    void searchHoverItem(const WholePoint& p, bool searchNeeded, bool currentIsArea, bool currentIsButton,
                         bool& redraw);
    // Hides the caption editor without committing it.
    void closeEditor(bool redraw);
    bool editorHasFocus() const;

    // --- caption editor (ZSListBarEditor.cpp) ---
    void openButtonEditor(const QString& sBar, const QString& sButton);
    void openBarEditor(const QString& sBar);
    void loadEditorFont(const plat::FontPtr& font);
    void loadEditorText(const QString& caption);

    // --- drag and drop (ZSListBarDrag.cpp) ---
    bool hoverChangeTo(const LBTrackingObjectPtr& item);
    void dragLeft();
    void moveDroppedButton(const LBButtonPtr& dragged, const LBTrackingObjectPtr& target);
    void copyDroppedButton(const LBButtonPtr& dragged, const LBTrackingObjectPtr& target);
    void createButtonFromPath(const QString& path, const LBTrackingObjectPtr& target);
    void placeAtInsertMark(const LBButtonPtr& button, const LBBarPtr& bar);
    void confirmCreatedButton(const LBButtonPtr& created, const LBBarPtr& bar);
    void setModelRefresh(bool prevent);

    ListBarState state_;
    std::unique_ptr<WindowSeam> window_;
    std::unique_ptr<ListBarPainter> painter_;

    int32_t animationStyle_ = 0;
    bool allowUserCustomize_ = false;
    bool oleDropAllowed_ = false;
    int32_t mousePointer_ = 0;
    int32_t mousePointerBarTab_ = 0;
    plat::PicturePtr mouseIcon_;
    plat::PicturePtr mouseIconBarTab_;
    plat::PicturePtr builtInBarTabCursor_;
};

template <class T>
void InternalZSListBar::setField(T& field, const T& value, const char* name)
{
    if (field == value)
        return;
    field = value;
    LayoutAndPaint();
    markChanged(name);
}

using ZSListBar = InternalZSListBar;

// Makes "ZSListBar" known to the forms layer, so design data creates the
// control by that type name.
void registerListBarControl();

} // namespace listbar
