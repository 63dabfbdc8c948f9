// The list bar's three timers: the delay before a held scroll arrow repeats
// (445 ms), the repetition itself (55 ms, also the scrolling of a drag held
// near an edge) and the check whether the mouse is still over the control
// (as fast as the platform allows).
#include "ZSListBar.h"

#include "Library.h"
#include "PaintSupport.h"
#include "ZorvaneMiscellaneous.h"

#include <Timer.h>

namespace listbar {

using paint::deref;

void InternalZSListBar::timerScrollTrigger_Timer()
{
    // Fires once per press: from here on the repeat timer steps.
    setTimer(timerScrollTrigger, false);
    setTimer(timerScroll, true);
}

void InternalZSListBar::timerScroll_Timer()
{
    const plat::ObjectPtr alive = weak_from_this().lock(); // BarScroll reaches the host
    const LBTrackingObjectPtr item = state_.CurrentItem;
    if (!item)
        return;
    if (item->ComponentType == component::ScrollUp)
        scrollBarOf(item->BarID, -1);
    else if (item->ComponentType == component::ScrollDown)
        scrollBarOf(item->BarID, 1);
    else if (state_.DragInProgress && state_.DragScrollDirection != 0)
        scrollBarOf(item->BarID, state_.DragScrollDirection);
}

void InternalZSListBar::timerMouseHoverCheck_Timer()
{
    const plat::ObjectPtr alive = weak_from_this().lock();
    // A check that fails counts as "still over": the next tick tries again.
    const plat::ObjectPtr self = shared_from_this();
    if (plat::tryCondition([&] { return deref(zg::Miscellaneous()).MouseIsOverControl(self); }))
        return;

    setTimer(timerMouseHoverCheck, false);
    state_.MouseInside = false;
    if (const LBTrackingObjectPtr item = state_.CurrentItem) {
        if (item->MouseState != mousestate::Idle) {
            item->MouseState = mousestate::Idle;
            if (item->ComponentType == component::ScrollUp || item->ComponentType == component::ScrollDown)
                stopScrollTimers();
            else
                raiseItemLeave(item);
            LayoutAndPaint();
        }
        // A held press keeps its item, so that the release still finds it.
        if (!state_.MouseIsDown)
            state_.CurrentItem.reset();
    }
    MouseLeave.raise();
}

} // namespace listbar
