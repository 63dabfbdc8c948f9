// The button between the user and the host form: when the mouse is over it
// (also over a button cut to the shape of its picture), the hand-over of
// the hover look from one button to the next, the held mouse button and
// key, toggling and toggle groups, focus, the access key, arrow-key moves
// among the container's controls, and the events raised to the host.
//
// The hover code, the timer and the arrow-key search ignore failures
// statement by statement; the other handlers let a failure reach the
// runtime, which reports it.
#include "ButtonGlobals.h"
#include "ZSButton.h"

#include <Error.h>
#include <Gdi.h>
#include <Input.h>
#include <Library.h>
#include <Timer.h>
#include <Units.h>
#include <ZorvaneGhostCanvas.h>
#include <ZorvaneStrings.h>
#include <ZorvaneSystem.h>

namespace button {

namespace {

constexpr int32_t SrcCopy = 0xCC0020;

} // namespace

// ===== Hover =====

bool InternalZSButton::hoverTestEnabled() const { return HoverTest && HoverTest->Enabled(); }

void InternalZSButton::setHoverTestEnabled(bool enabled)
{
    if (!HoverTest)
        plat::raise(plat::err::ObjectNotSet);
    HoverTest->setEnabled(enabled);
}

bool InternalZSButton::CheckMouseOver()
{
    bool over = false;
    plat::tryStatement([&] {
        if (!mouseIsOverMe())
            return;
        int32_t X = 0, Y = 0;
        zg::System()->GetMouseScreenCoordinates(X, Y);
        const int32_t x = X - rt_.HoverWindowRect[0];
        const int32_t y = Y - rt_.HoverWindowRect[1];
        if (x < 0 || y < 0 || x >= ScaleWidth() || y >= ScaleHeight())
            return;
        if (!rt_.HoverSnapshot)
            plat::raise(plat::err::ObjectNotSet);
        over = rt_.HoverSnapshot->Point(x, y) != int32_t(rt_.SnapshotMaskColor);
    });
    return over;
}

bool InternalZSButton::mouseIsInside() { return rt_.HasHoverSnapshot ? CheckMouseOver() : mouseIsOverMe(); }

void InternalZSButton::StartHover()
{
    if (s_.ButtonStyle == 2 && s_.UseMaskColor) {
        // One picture of the window's shape per hover; the hit test reads
        // single pixels of it.
        rt_.HasHoverSnapshot = true;
        rt_.HoverSnapshot.reset();
        plat::tryStatement([&] { rt_.HoverSnapshot = zg::NewGhostCanvas(); });
        // Without a surface each step below fails on its own.
        auto snapshot = [this]() -> zg::ZorvaneGhostCanvas& {
            if (!rt_.HoverSnapshot)
                plat::raise(plat::err::ObjectNotSet);
            return *rt_.HoverSnapshot;
        };
        const double W = ScaleWidth(), H = ScaleHeight();
        plat::tryStatement([&] { snapshot().setBackColor(s_.MaskColor); });
        plat::tryStatement([&] { snapshot().SetSize(plat::roundEven(W), plat::roundEven(H)); });
        plat::tryStatement([&] { rt_.SnapshotMaskColor = plat::Colour(snapshot().Point(0, 0)); });
        plat::tryStatement([&] { snapshot().PaintPicture(MaskPicture(), 0, 0, W, H, 0, 0, 0, 0, SrcCopy); });
        plat::tryStatement([&] {
            plat::gdi::Rect r;
            plat::gdi::GetWindowRect(hWnd(), r);
            rt_.HoverWindowRect[0] = r.left;
            rt_.HoverWindowRect[1] = r.top;
            rt_.HoverWindowRect[2] = r.right;
            rt_.HoverWindowRect[3] = r.bottom;
        });
    } else {
        rt_.HasHoverSnapshot = false;
    }
    plat::tryStatement([&] { setHoverTestEnabled(true); });
    // The buttons hovered just before drop their hover look first.
    plat::tryStatement([&] { ZorvaneButtonGlobals::handOverHover(rt_.OwnUniqueID); });
    plat::tryStatement([&] { notifier().setHovering(true); });
    if (plat::tryCondition([&] { return mouseIsInside() && !rt_.MouseEntered; })) {
        rt_.MouseEntered = true;
        MouseEnter.raise();
    }
}

void InternalZSButton::dropHoverLook()
{
    if (s_.ButtonStyle == 1 && s_.DrawFocusRectangle && rt_.HasFocus)
        RedrawButton(drawstate::FlatFocused);
    else if (rt_.DrawState != drawstate::Normal)
        RedrawButton(drawstate::Normal);
}

void InternalZSButton::HoverTest_Timer()
{
    // A failed test leaves "left" false: the hover goes on.
    bool left = false;
    plat::tryStatement([&] { left = !mouseIsOverMe() || (rt_.HasHoverSnapshot && !CheckMouseOver()); });
    if (left && !rt_.MouseIsDown) {
        plat::tryStatement([&] { setHoverTestEnabled(false); });
        if (rt_.HasHoverSnapshot) {
            rt_.HasHoverSnapshot = false;
            rt_.HoverSnapshot.reset();
        }
        dropHoverLook();
    }
    // While a mouse button is held outside, the timer goes on and the
    // mouse-move handler keeps the look; MouseLeave comes once.
    if (left && rt_.MouseEntered) {
        rt_.MouseEntered = false;
        MouseLeave.raise();
    }
}

void InternalZSButton::Delegate_QuitDisplayingHover()
{
    plat::tryStatement([&] { setHoverTestEnabled(false); });
    rt_.MouseEntered = false;
    MouseLeave.raise();
    dropHoverLook();
}

// ===== Toggling =====

void InternalZSButton::Delegate_ToggledToFalse() { setValue(false); }

void InternalZSButton::ToggleOffGroupMembers()
{
    ZorvaneButtonGlobals::toggleOffGroupMembers(rt_.OwnUniqueID, s_.ToggleGroup);
}

// ===== Access keys =====

void InternalZSButton::UpdateAccessKeys()
{
    // The first "&" that is not half of a literal "&&" marks the key; one
    // at the very end marks nothing.
    const int32_t p = zg::Strings()->InStrExcluding(s_.Caption, QStringLiteral("&"), {QStringLiteral("&&")}, 1);
    if (p >= 1 && p < s_.Caption.size())
        setAccessKeys(s_.Caption.mid(p, 1));
    else
        setAccessKeys(QString());
}

void InternalZSButton::finishKeyboardPress()
{
    const bool toggles = s_.ButtonToggles != 0;
    if (mouseIsOverMe()) {
        if (toggles)
            setValue(!s_.Value);
        // A button just switched on has been repainted by Value.
        if (!(toggles && s_.Value))
            RedrawButton(drawstate::Hover);
    } else if (toggles) {
        setValue(!s_.Value);
    } else {
        RedrawButton(drawstate::Normal);
    }
    Click.raise();
}

void InternalZSButton::UserControl_AccessKeyPress(int16_t& KeyAscii)
{
    RedrawButton(drawstate::Pressed);
    finishKeyboardPress();
}

// ===== Mouse =====

void InternalZSButton::UserControl_MouseDown(int16_t& Button, int16_t& Shift, float& X, float& Y)
{
    rt_.MouseIsDown = true;
    RedrawButton(drawstate::Pressed);
    MouseDown.raise(Button, Shift, X, Y);
}

void InternalZSButton::UserControl_DblClick()
{
    // The second press of a double-click is a plain press.
    int16_t Button = plat::mouse::Left, Shift = 0;
    float X = 1, Y = 1;
    UserControl_MouseDown(Button, Shift, X, Y);
}

void InternalZSButton::UserControl_MouseMove(int16_t& Button, int16_t& Shift, float& X, float& Y)
{
    // A button held since a press elsewhere does not count.
    if (Button > 0 && !rt_.MouseIsDown)
        Button = 0;
    if (Button > 0) {
        if (mouseIsInside()) {
            if (rt_.DrawState != drawstate::Pressed)
                RedrawButton(drawstate::Pressed);
            if (!rt_.MouseEntered) {
                rt_.MouseEntered = true;
                MouseEnter.raise();
            }
        } else {
            if (!hoverTestEnabled())
                StartHover();
            const int32_t look = s_.DisplayPersistentHover ? drawstate::Hover : drawstate::Normal;
            if (rt_.DrawState != look)
                RedrawButton(look);
        }
    } else {
        if (!hoverTestEnabled())
            StartHover();
        if (mouseIsInside()) {
            if (rt_.DrawState != drawstate::Hover)
                RedrawButton(drawstate::Hover);
        } else if (rt_.DrawState != drawstate::Normal &&
                   !(s_.ButtonStyle == 1 && s_.DrawFocusRectangle && rt_.HasFocus)) {
            RedrawButton(drawstate::Normal);
        }
    }
    MouseMove.raise(Button, Shift, X, Y);
}

void InternalZSButton::UserControl_MouseUp(int16_t& Button, int16_t& Shift, float& X, float& Y)
{
    if (!rt_.MouseIsDown)
        return;
    rt_.MouseIsDown = false;
    // The rectangle decides, also for a shaped button.
    if (mouseIsOverMe()) {
        if (s_.ButtonToggles != 0) {
            s_.Value = !s_.Value;
            notifier().setValue(s_.Value);
            if (s_.Value) {
                if (!trimSpaces(s_.ToggleGroup).isEmpty())
                    ToggleOffGroupMembers();
                RedrawButton(GetDrawState());
            } else {
                RedrawButton(drawstate::Hover);
            }
        } else {
            RedrawButton(drawstate::Hover);
        }
        Click.raise();
    } else if (!(s_.DrawFocusRectangle && s_.ButtonStyle == 1 && rt_.HasFocus)) {
        RedrawButton(drawstate::Normal);
    }
    MouseUp.raise(Button, Shift, X, Y);
}

// ===== Keyboard =====

void InternalZSButton::UserControl_KeyDown(int16_t& KeyCode, int16_t& Shift)
{
    rt_.KeyIsDown = true;
    // The host sees the key first and may cancel it (KeyCode 0).
    KeyDown.raise(KeyCode, Shift);
    switch (KeyCode) {
    case plat::vk::Space:
        RedrawButton(drawstate::Pressed);
        break;
    case plat::vk::Left:
    case plat::vk::Up:
        focusNeighbour(false);
        break;
    case plat::vk::Right:
    case plat::vk::Down:
        focusNeighbour(true);
        break;
    default:
        break;
    }
}

void InternalZSButton::UserControl_KeyPress(int16_t& KeyAscii) { KeyPress.raise(KeyAscii); }

void InternalZSButton::UserControl_KeyUp(int16_t& KeyCode, int16_t& Shift)
{
    // Only the release of a key pressed here.
    if (!rt_.KeyIsDown)
        return;
    rt_.KeyIsDown = false;
    if (KeyCode == plat::vk::Return || KeyCode == plat::vk::Space) {
        RedrawButton(drawstate::Pressed);
        finishKeyboardPress();
    }
    KeyUp.raise(KeyCode, Shift);
}

void InternalZSButton::focusNeighbour(bool next)
{
    // Candidates: the container's controls that have a tab stop and are
    // enabled, tab stops and visible. The nearest tab index past this one
    // wins; without one the farthest on the other side (wrapping round).
    plat::tryStatement([&] {
        const int32_t own = TabIndex();
        const auto controls = ParentControls();
        const int32_t count = controls->Count();
        int32_t best = next ? count + 1 : -1;
        int32_t farthest = own;
        plat::ControlPtr bestControl, wrapControl;
        for (int32_t i = 0; i < count; ++i) {
            plat::tryStatement([&] {
                const plat::ControlPtr c = controls->Item(i);
                const bool tabStop = c->getProperty(QStringLiteral("TabStop")).toBool();
                if (!c->getProperty(QStringLiteral("Enabled")).toBool() || !tabStop ||
                    !c->getProperty(QStringLiteral("Visible")).toBool())
                    return;
                const int32_t index = c->getProperty(QStringLiteral("TabIndex")).toLong();
                if (next ? (index > own && index < best) : (index < own && index > best)) {
                    best = index;
                    bestControl = c;
                } else if (next ? index < farthest : index > farthest) {
                    farthest = index;
                    wrapControl = c;
                }
            });
        }
        const plat::ControlPtr target = bestControl ? bestControl : wrapControl;
        if (target)
            plat::tryStatement([&] { target->callMethod(QStringLiteral("SetFocus")); });
    });
}

// ===== Focus =====

void InternalZSButton::focusChanged(bool gotFocus)
{
    rt_.HasFocus = gotFocus;
    if (s_.DrawFocusRectangle && s_.ButtonStyle == 0 && !rt_.MouseIsDown)
        RedrawButton(GetDrawState());
    else if (s_.ButtonStyle == 1 && s_.DrawFocusRectangle && !rt_.MouseIsDown && !mouseIsOverMe())
        RedrawButton(gotFocus ? drawstate::FlatFocused : drawstate::Normal);
}

void InternalZSButton::UserControl_GotFocus() { focusChanged(true); }

void InternalZSButton::UserControl_LostFocus() { focusChanged(false); }

void InternalZSButton::UserControl_AmbientChanged(QString& PropertyName)
{
    if (PropertyName != QLatin1String("DisplayAsDefault"))
        return;
    if (plat::tryCondition([&] { return !Ambient().DisplayAsDefault; }))
        rt_.HasFocus = false;
    if (s_.ButtonStyle == 0 && !rt_.MouseIsDown)
        RedrawButton(GetDrawState());
}

// ===== Drag and drop: passed on to the host as they come =====

void InternalZSButton::UserControl_OLECompleteDrag(int32_t& Effect) { OLECompleteDrag.raise(Effect); }

void InternalZSButton::UserControl_OLEDragDrop(plat::DataObjectPtr& Data, int32_t& Effect, int16_t& Button,
                                               int16_t& Shift, float& X, float& Y)
{
    OLEDragDrop.raise(Data, Effect, Button, Shift, X, Y);
}

void InternalZSButton::UserControl_OLEDragOver(plat::DataObjectPtr& Data, int32_t& Effect, int16_t& Button,
                                               int16_t& Shift, float& X, float& Y, int16_t& State)
{
    OLEDragOver.raise(Data, Effect, Button, Shift, X, Y, State);
}

void InternalZSButton::UserControl_OLEGiveFeedback(int32_t& Effect, bool& DefaultCursors)
{
    OLEGiveFeedback.raise(Effect, DefaultCursors);
}

void InternalZSButton::UserControl_OLESetData(plat::DataObjectPtr& Data, int16_t& DataFormat)
{
    OLESetData.raise(Data, DataFormat);
}

void InternalZSButton::UserControl_OLEStartDrag(plat::DataObjectPtr& Data, int32_t& AllowedEffects)
{
    OLEStartDrag.raise(Data, AllowedEffects);
}

} // namespace button
