// The list bar's mouse and keyboard input: hover, press and release over the
// hit-test items of the last pass, the events they raise, the start of a
// button drag, and the keys passed on to the host.
//
// The mouse handlers skip a failing step (a bar or button that cannot be
// found, a library call that fails) and go on with the next; an event for
// something that cannot be found is not raised.
#include "ZSListBar.h"

#include "Library.h"
#include "PaintSupport.h"
#include "ZorvaneMiscellaneous.h"

#include <Input.h>
#include <TextBox.h>
#include <Timer.h>

#include <QApplication>
#include <QWidget>
#include <cmath>

namespace listbar {

using paint::deref;
using paint::stmt;

namespace {

constexpr float DragThresholdOnItem = 5;   // while the mouse is still over the pressed button
constexpr float DragThresholdOffItem = 4;  // once it has left it

bool isArrow(int32_t kind) { return kind == component::ScrollUp || kind == component::ScrollDown; }
int16_t arrowDirection(int32_t kind) { return kind == component::ScrollUp ? -1 : 1; }

} // namespace

// ----- Helpers shared with the timers, the editor and the drag code -----

void InternalZSListBar::connectConstituents()
{
    // Weak: the editor and the timers belong to the control and must not
    // keep it alive.
    const std::weak_ptr<plat::Object> weak = weak_from_this();
    auto with = [weak](auto&& f) {
        return [weak, f](auto&... args) {
            if (auto self = std::static_pointer_cast<InternalZSListBar>(weak.lock()))
                f(*self, args...);
        };
    };
    if (txtEdit) {
        txtEdit->Change.connect(with([](InternalZSListBar& c) { c.txtEdit_Change(); }));
        txtEdit->KeyDown.connect(
            with([](InternalZSListBar& c, int16_t& KeyCode, int16_t& Shift) { c.txtEdit_KeyDown(KeyCode, Shift); }));
    }
    if (timerScrollTrigger)
        timerScrollTrigger->Tick.connect(with([](InternalZSListBar& c) { c.timerScrollTrigger_Timer(); }));
    if (timerScroll)
        timerScroll->Tick.connect(with([](InternalZSListBar& c) { c.timerScroll_Timer(); }));
    if (timerMouseHoverCheck)
        timerMouseHoverCheck->Tick.connect(with([](InternalZSListBar& c) { c.timerMouseHoverCheck_Timer(); }));
}

LBBarPtr InternalZSListBar::findBar(const QString& barID) const
{
    LBBarPtr bar;
    stmt([&] { bar = deref(state_.Bars).ItemByID(barID); });
    return bar;
}

LBButtonPtr InternalZSListBar::findButton(const QString& barID, const QString& buttonID) const
{
    LBButtonPtr button;
    stmt([&] { button = deref(deref(deref(state_.Bars).ItemByID(barID)).Buttons()).ItemByID(buttonID); });
    return button;
}

void InternalZSListBar::raiseItemEnter(LBTrackingObjectPtr item)
{
    if (!item)
        return;
    if (item->ComponentType == component::ClientArea || item->ComponentType == component::BarTab) {
        if (LBBarPtr bar = findBar(item->BarID))
            BarMouseEnter.raise(bar);
    } else if (item->ComponentType == component::Button) {
        if (LBButtonPtr button = findButton(item->BarID, item->ButtonID))
            ButtonMouseEnter.raise(button);
    }
}

void InternalZSListBar::raiseItemLeave(LBTrackingObjectPtr item)
{
    if (!item)
        return;
    if (item->ComponentType == component::ClientArea || item->ComponentType == component::BarTab) {
        if (LBBarPtr bar = findBar(item->BarID))
            BarMouseLeave.raise(bar);
    } else if (item->ComponentType == component::Button) {
        if (LBButtonPtr button = findButton(item->BarID, item->ButtonID))
            ButtonMouseLeave.raise(button);
    }
}

void InternalZSListBar::scrollBarOf(const QString& barID, int16_t direction)
{
    // The bar's scrolling asks the control to repaint and tells the host.
    if (LBBarPtr bar = findBar(barID))
        stmt([&] { bar->ScrollButtons(direction); });
}

void InternalZSListBar::setTimer(const std::shared_ptr<plat::Timer>& timer, bool enabled)
{
    stmt([&] { deref(timer).setEnabled(enabled); });
}

void InternalZSListBar::stopScrollTimers()
{
    setTimer(timerScrollTrigger, false);
    setTimer(timerScroll, false);
}

void InternalZSListBar::pointerOverTab(bool overTab)
{
    // A pointer code that does not fit the surface is dropped.
    stmt([&] { UpdateMousePointer(overTab); });
}

void InternalZSListBar::noteControlEntry()
{
    if (state_.MouseInside)
        return;
    // A failing check counts as "over": the control then takes the mouse
    // as inside once, and the hover check decides when it has left.
    const plat::ObjectPtr self = shared_from_this();
    if (!plat::tryCondition([&] { return deref(zg::Miscellaneous()).MouseIsOverControl(self); }))
        return;
    setTimer(timerMouseHoverCheck, true);
    state_.MouseInside = true;
    MouseEnter.raise();
}

bool InternalZSListBar::dragTestPasses(const LBTrackingObject& item, int16_t button, float x, float y,
                                       float threshold) const
{
    return item.ComponentType == component::Button && allowUserCustomize_ && button != 0 &&
           (std::fabs(state_.PressX - x) > threshold || std::fabs(state_.PressY - y) > threshold);
}

void InternalZSListBar::startButtonDrag()
{
    // The whole drag runs inside this call (start, drag-overs, drop or
    // cancel, completion).
    state_.InternalDrag = true;
    state_.DragInProgress = true;
    stmt([&] { OLEDrag(); });
}

void InternalZSListBar::closeEditor(bool redraw)
{
    stmt([&] { deref(txtEdit).setVisible(false); });
    state_.EditorVisible = false;
    if (redraw)
        LayoutAndPaint();
}

bool InternalZSListBar::editorHasFocus() const
{
    QWidget* editor = txtEdit ? txtEdit->widget() : nullptr;
    QWidget* focus = QApplication::focusWidget();
    return editor && focus && (focus == editor || editor->isAncestorOf(focus));
}

// ----- Mouse -----

void InternalZSListBar::UserControl_MouseDown(int16_t& Button, int16_t& Shift, float& X, float& Y)
{
    const plat::ObjectPtr alive = weak_from_this().lock(); // the host may drop the control in its event
    if (isEditorVisible())
        closeEditor(false);
    state_.PressButton = Button;
    state_.PressX = X;
    state_.PressY = Y;
    state_.MouseIsDown = true;

    WholePoint p;
    stmt([&] { p = {plat::CLng(X), plat::CLng(Y)}; });
    const LBTrackingObjectPtr item = state_.CurrentItem;
    if (item && plat::tryCondition([&] { return item->HitTest(p.x, p.y); }) &&
        item->MouseState != mousestate::Pressed) {
        item->MouseState = mousestate::Pressed;
        item->MouseButton = Button;
        item->Locked = true;
        LayoutAndPaint();
        if (isArrow(item->ComponentType)) {
            // One step now; the trigger starts the repetition later.
            setTimer(timerScrollTrigger, true);
            scrollBarOf(item->BarID, arrowDirection(item->ComponentType));
        }
    }

    // The second press of a double-click is the host's DblClick only.
    if (state_.SuppressMouseDownEvent)
        state_.SuppressMouseDownEvent = false;
    else
        MouseDown.raise(Button, Shift, X, Y);
}

void InternalZSListBar::UserControl_MouseMove(int16_t& Button, int16_t& Shift, float& X, float& Y)
{
    const plat::ObjectPtr alive = weak_from_this().lock();
    noteControlEntry();

    WholePoint p;
    stmt([&] { p = {plat::CLng(X), plat::CLng(Y)}; });
    bool searchNeeded = false;
    bool redraw = false;
    bool currentIsArea = false;
    bool currentIsButton = false;

    const LBTrackingObjectPtr item = state_.CurrentItem;
    if (!item) {
        searchNeeded = true;
    } else if (plat::tryCondition([&] { return item->HitTest(p.x, p.y); })) {
        const int32_t kind = item->ComponentType;
        if (kind == component::BarTab) {
            pointerOverTab(true);
        } else if (dragTestPasses(*item, Button, X, Y, DragThresholdOnItem)) {
            if (!state_.DragInProgress) {
                // The drag has run to its end: nothing more for this move.
                startButtonDrag();
                return;
            }
        } else {
            pointerOverTab(false);
        }
        currentIsArea = kind == component::ClientArea;
        currentIsButton = kind == component::Button;
        if (item->MouseState == mousestate::Idle) {
            if (Button != 0) {
                // Back over the pressed item with the button still held: it
                // is pressed again, and a held arrow repeats at once.
                item->MouseState = mousestate::Pressed;
                if (isArrow(kind)) {
                    setTimer(timerScroll, true);
                    scrollBarOf(item->BarID, arrowDirection(kind));
                }
            } else {
                item->MouseState = mousestate::Hover;
                if (isArrow(kind))
                    stopScrollTimers();
            }
            redraw = true;
            raiseItemEnter(item);
        }
    } else {
        if (isArrow(item->ComponentType))
            stopScrollTimers();
        if (dragTestPasses(*item, Button, X, Y, DragThresholdOffItem)) {
            if (!state_.DragInProgress)
                startButtonDrag();
            redraw = true;
        } else if (item->MouseState != mousestate::Idle) {
            item->MouseState = mousestate::Idle;
            searchNeeded = true;
            redraw = true;
            raiseItemLeave(item);
        }
    }

    // While a button is held the pressed item stays the current one.
    if (Button == 0)
        searchHoverItem(p, searchNeeded, currentIsArea, currentIsButton, redraw);
    if (redraw)
        LayoutAndPaint(); // makes the newly hovered item the current one
    MouseMove.raise(Button, Shift, X, Y);
}

void InternalZSListBar::searchHoverItem(const WholePoint& p, bool searchNeeded, bool currentIsArea,
                                        bool currentIsButton, bool& redraw)
{
    // Tabs before arrows (an arrow lies over the button area and may cover a
    // button), arrows before buttons, buttons before the area holding them.
    std::vector<LBTrackingObjectPtr> items;
    stmt([&] { items = deref(state_.TrackingObjects).snapshot(); });
    auto firstHit = [&](auto kindMatches) -> LBTrackingObjectPtr {
        for (const LBTrackingObjectPtr& item : items)
            if (kindMatches(item->ComponentType) && plat::tryCondition([&] { return item->HitTest(p.x, p.y); }))
                return item;
        return nullptr;
    };
    const LBTrackingObjectPtr current = state_.CurrentItem;
    auto leaveCurrentIf = [&](int32_t kind) {
        if (current && current->ComponentType == kind && current->MouseState != mousestate::Idle) {
            current->MouseState = mousestate::Idle;
            raiseItemLeave(current);
            return true;
        }
        return false;
    };

    if (searchNeeded || currentIsButton) {
        if (LBTrackingObjectPtr tab = firstHit([](int32_t k) { return k == component::BarTab; })) {
            leaveCurrentIf(component::Button);
            tab->MouseState = mousestate::Hover;
            redraw = true;
            raiseItemEnter(tab);
            pointerOverTab(true);
            return;
        }
    }
    if (searchNeeded || currentIsArea || currentIsButton) {
        if (LBTrackingObjectPtr arrow = firstHit(isArrow)) {
            if (!leaveCurrentIf(component::Button))
                leaveCurrentIf(component::ClientArea);
            arrow->MouseState = mousestate::Hover;
            redraw = true;
            return;
        }
    }
    if (searchNeeded || currentIsArea) {
        if (LBTrackingObjectPtr button = firstHit([](int32_t k) { return k == component::Button; })) {
            leaveCurrentIf(component::ClientArea);
            button->MouseState = mousestate::Hover;
            redraw = true;
            raiseItemEnter(button);
            pointerOverTab(false);
            return;
        }
    }
    if (searchNeeded) {
        if (LBTrackingObjectPtr area = firstHit([](int32_t k) { return k == component::ClientArea; })) {
            area->MouseState = mousestate::Hover;
            redraw = true;
            raiseItemEnter(area);
        }
    }
}

void InternalZSListBar::UserControl_MouseUp(int16_t& Button, int16_t& Shift, float& X, float& Y)
{
    // A release whose press did not begin here (or whose drag has ended)
    // is not the control's.
    if (!state_.MouseIsDown)
        return;
    const plat::ObjectPtr alive = weak_from_this().lock();
    state_.MouseIsDown = false;
    if (isEditorVisible())
        closeEditor(false);

    WholePoint p;
    stmt([&] { p = {plat::CLng(X), plat::CLng(Y)}; });
    const LBTrackingObjectPtr item = state_.CurrentItem;
    if (item) {
        item->Locked = false;
        const int32_t kind = item->ComponentType;
        if (item->MouseState == mousestate::Pressed && plat::tryCondition([&] { return item->HitTest(p.x, p.y); })) {
            item->MouseState = mousestate::Hover;
            if (kind == component::ClientArea || kind == component::BarTab) {
                if (LBBarPtr bar = findBar(item->BarID))
                    BarMouseClick.raise(bar, Button);
                if (kind == component::BarTab && Button == plat::mouse::Left &&
                    plat::tryCondition([&] { return deref(state_.Bars).ActiveBarID() != item->BarID; }))
                    stmt([&] { Delegate_BarActivated(item->BarID, true); });
            } else if (kind == component::Button) {
                if (LBButtonPtr button = findButton(item->BarID, item->ButtonID)) {
                    ButtonMouseClick.raise(button, Button);
                    if (Button == plat::mouse::Left)
                        ButtonSelected.raise(button);
                }
            } else if (isArrow(kind)) {
                stopScrollTimers();
            }
            LayoutAndPaint();
        } else if (item->MouseState == mousestate::Pressed) {
            // Released away from the pressed item: no click.
            item->MouseState = mousestate::Idle;
            if (isArrow(kind))
                stopScrollTimers();
            LayoutAndPaint();
        } else if (item->MouseState == mousestate::Idle) {
            state_.CurrentItem.reset();
            stopScrollTimers();
        }
    }
    MouseUp.raise(Button, Shift, X, Y);
}

// ----- Keyboard and focus -----

void InternalZSListBar::UserControl_KeyDown(int16_t& KeyCode, int16_t& Shift)
{
    state_.KeyDownSeen = true;
    KeyDown.raise(KeyCode, Shift);
}

void InternalZSListBar::UserControl_KeyUp(int16_t& KeyCode, int16_t& Shift)
{
    // A key that went down before the control had the focus is not the
    // host's business here.
    if (!state_.KeyDownSeen)
        return;
    state_.KeyDownSeen = false;
    KeyUp.raise(KeyCode, Shift);
}

void InternalZSListBar::UserControl_KeyPress(int16_t& KeyAscii) { KeyPress.raise(KeyAscii); }

void InternalZSListBar::UserControl_LostFocus()
{
    // Handing the focus to the editor itself is not a loss of focus that
    // ends the edit.
    if (isEditorVisible() && !editorHasFocus())
        closeEditor(true);
}

} // namespace listbar
