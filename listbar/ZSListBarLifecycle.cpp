// Creation and teardown of the list bar and its answers to the host's
// notifications: resize, ambient changes, focus, click and double-click.
#include "ZSListBar.h"

#include "Library.h"
#include "PaintSupport.h"
#include "ZgResources.h"
#include "ZorvaneMiscellaneous.h"
#include "ZorvaneProcessor.h"
#include "ZorvaneSystem.h"

#include <TextBox.h>
#include <Timer.h>

namespace listbar {

using paint::deref;

FadeTiming InternalZSListBar::fadeTimingFor(int16_t ClockMHz)
{
    // Faster processors blend more, finer frames in the same time.
    const int c = ClockMHz;
    if (c >= 300 && c <= 450)
        return {240, 30};
    if (c >= 451 && c <= 550)
        return {225, 25};
    if (c >= 551 && c <= 700)
        return {240, 20};
    if (c >= 701 && c <= 833)
        return {240, 15};
    if (c >= 834 && c <= 950)
        return {240, 10};
    if (c > 950)
        return {240, 6};
    return {192, 48}; // below 300 MHz, and a clock that cannot be read
}

void InternalZSListBar::UserControl_Initialize()
{
    // Every step may fail on its own; a field whose object could not be made
    // stays empty and the steps that need it are skipped.
    plat::tryStatement([&] { state_.TrackingObjects = std::make_shared<LBTrackingObjects>(); });
    plat::tryStatement([&] {
        state_.Delegate = LBDelegate::Create();
        state_.Delegate->attach(this);
    });
    plat::tryStatement([&] { state_.Bars = std::make_shared<LBBars>(); });
    plat::tryStatement([&] { deref(state_.Bars).DelegateID(deref(state_.Delegate).UniqueID()); });

    int16_t clock = 0;
    plat::tryStatement([&] { clock = deref(deref(zg::System()).Processor()).Speed(); });
    const FadeTiming timing = fadeTimingFor(clock);
    state_.FadeLimit = timing.Limit;
    state_.FadeStepFactor = timing.StepFactor;

    // The caption editor and the timers, hidden and disabled until used.
    plat::tryStatement([&] {
        txtEdit = addConstituent<plat::TextBox>(QStringLiteral("txtEdit"));
        txtEdit->setVisible(false);
    });
    auto makeTimer = [&](std::shared_ptr<plat::Timer>& timer, const char* name, int32_t interval) {
        plat::tryStatement([&] {
            timer = addConstituent<plat::Timer>(QString::fromLatin1(name));
            timer->setEnabled(false);
            timer->setInterval(interval);
        });
    };
    makeTimer(timerScrollTrigger, "timerScrollTrigger", 445);
    makeTimer(timerScroll, "timerScroll", 55);
    makeTimer(timerMouseHoverCheck, "timerMouseHoverCheck", 1);

    connectConstituents();
    // The surface takes drops; the drag-over handling decides what it accepts.
    plat::tryStatement([&] { setOLEDropMode(1); });

    // The default pointer icon over bar tabs; one object for the control's
    // life, so a saved control that still uses it stores nothing for it.
    plat::tryStatement(
        [&] { builtInBarTabCursor_ = plat::loadResPicture(QString::fromLatin1(zg::res::BarTabCursor)); });
}

void InternalZSListBar::UserControl_Terminate()
{
    state_.Bars.reset();
    // The notifier stays registered for the rest of the process; bars and
    // buttons the host still holds reach nothing through it any more.
    detachFromDelegate();
    state_.Delegate.reset();
    state_.CurrentItem.reset();
    state_.TrackingObjects.reset();
    state_.FadeTargetPicture.reset();
    state_.ClientItem.reset();
    state_.SwitchedToItem.reset();
}

void InternalZSListBar::UserControl_Resize() { LayoutAndPaint(); }

void InternalZSListBar::UserControl_AmbientChanged(QString& PropertyName)
{
    // The display name is printed on the control while the host is designed.
    if (PropertyName == QLatin1String("DisplayName"))
        LayoutAndPaint();
}

void InternalZSListBar::UserControl_EnterFocus()
{
    // While a caption is edited the editor keeps the focus.
    if (!isEditorVisible())
        return;
    plat::tryStatement([&] { txtEdit->SetFocus(); });
    plat::tryStatement([&] { deref(zg::Miscellaneous()).ControlGotFocusHelper(txtEdit); });
}

void InternalZSListBar::UserControl_GotFocus() { UserControl_EnterFocus(); }

void InternalZSListBar::UserControl_ExitFocus()
{
    // An edit is committed only by Enter: leaving drops it.
    if (isEditorVisible())
        closeEditor(true); // the caption is drawn again
}

void InternalZSListBar::UserControl_Click() { Click.raise(); }

void InternalZSListBar::UserControl_DblClick()
{
    // The second press of a double-click runs the press handling again, but
    // the host hears only DblClick, not a second MouseDown.
    state_.SuppressMouseDownEvent = true;
    int16_t button = state_.PressButton;
    int16_t shift = 0;
    float x = state_.PressX;
    float y = state_.PressY;
    UserControl_MouseDown(button, shift, x, y);
    DblClick.raise();
}

} // namespace listbar
