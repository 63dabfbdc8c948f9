// The control's answers to its model's requests. Each runs inside the model
// call that asked (a setter of a bar or button, Add, Remove, scrolling) and
// has changed the model, redrawn and told the host before that call returns.
//
// Two error styles: the answers to redraw and recount requests and to
// scrolling skip a failing step and go on; the others let an error reach the
// model object's caller. A bar or button that is gone (the host kept it
// after removing it) is never used: the look-ups give nothing.
#include "ZSListBar.h"

#include "LBButtons.h"
#include "PaintSupport.h"

namespace listbar {

using paint::deref;
using paint::stmt;

void InternalZSListBar::raiseBarSelected(LBBarPtr bar) { BarSelected.raise(bar); }

void InternalZSListBar::Delegate_BarActivated(const QString& sBar, bool Animate)
{
    const plat::ObjectPtr alive = weak_from_this().lock(); // the host may drop the control in its event
    LBBarsPtr bars = state_.Bars;
    LBBarPtr bar = deref(bars).ItemByID(sBar);
    if (!bar)
        return; // a bar that was removed is never made active again
    const QString oldID = bars->ActiveBarID();
    // Activating the active bar again only tells the host once more.
    if (oldID != sBar) {
        bars->ActiveBarID(sBar);
        AnimateBarSwitch(Animate, oldID);
    }
    raiseBarSelected(bar);
}

void InternalZSListBar::Delegate_CalculateVisibleButtons(const QString& sBar)
{
    LBBarPtr bar;
    stmt([&] { bar = deref(state_.Bars).ItemByID(sBar); });
    stmt([&] { deref(deref(bar).Buttons()).CalculateVisibleButtons(); });
    stmt([&] { deref(bar).ValidateStartingButton(); });
    LayoutAndPaint();
}

void InternalZSListBar::Delegate_CalculateVisibleBars()
{
    stmt([&] { deref(state_.Bars).CalculateVisibleBars(); });
    LayoutAndPaint();
}

void InternalZSListBar::Delegate_DetermineLongestText(const QString& sBar)
{
    LBBarPtr bar = deref(state_.Bars).ItemByID(sBar);
    deref(deref(bar).Buttons()).DetermineLongestText();
}

void InternalZSListBar::Delegate_GetBar(QString& sBar, LBBarPtr& Bar)
{
    Bar = state_.Bars ? state_.Bars->ItemByID(sBar) : nullptr;
}

void InternalZSListBar::Delegate_KillTrackingObject()
{
    state_.CurrentItem.reset();
    Delegate_CalculateVisibleBars();
}

void InternalZSListBar::Delegate_MakeVisible(const QString& sBar, const QString& sButton)
{
    const plat::ObjectPtr alive = weak_from_this().lock(); // the host may drop the control in its event
    LBBarsPtr bars = state_.Bars;
    LBBarPtr bar = deref(bars).ItemByID(sBar);
    LBBar& b = deref(bar);
    if (!b.IsActive() && bars->ActiveBarID() != sBar) {
        const QString oldID = bars->ActiveBarID();
        bars->ActiveBarID(sBar);
        AnimateBarSwitch(true, oldID);
        raiseBarSelected(bars->ItemByID(sBar));
    }
    if (sButton.isEmpty())
        return;

    const LBButtonPtr button = deref(b.Buttons()).ItemByID(sButton);
    const int32_t order = deref(button).ButtonOrder();
    const int32_t start = b.StartingButton();
    int32_t newStart = 0;
    if (order < start) {
        newStart = order; // above the window: it becomes the first shown
    } else if (order > b.LastButtonDisplayed()) {
        // Below the window: first shown when a window's worth of visible
        // buttons follows it, else the last page.
        newStart = b.VisibleButtonsFrom(order) >= b.ButtonsDisplayed() ? order : b.LastPageStartingButton();
    }
    if (newStart != 0)
        b.SetStartingButton(newStart);
}

void InternalZSListBar::Delegate_OrderChange(const QString& sBar, const QString& sButton, int32_t OrderIndex)
{
    LBBarsPtr bars = state_.Bars;
    bool redraw = false;
    if (!sButton.isEmpty()) {
        const LBBarPtr bar = deref(bars).ItemByID(sBar);
        const LBButtonsPtr buttons = deref(bar).Buttons();
        if (OrderIndex > deref(buttons).Count())
            return;
        const LBButtonPtr moved = buttons->ItemByID(sButton);
        // Repaint only when the moved button or one it pushes aside is shown:
        // the last pass stamped the buttons it placed.
        redraw = deref(moved).RedrawStamp() == state_.RedrawCounter;
        for (const LBButtonPtr& shifted : buttons->Reorder(moved, OrderIndex))
            if (shifted->RedrawStamp() == state_.RedrawCounter)
                redraw = true;
    } else {
        if (OrderIndex > deref(bars).Count())
            return;
        const LBBarPtr moved = bars->ItemByID(sBar);
        redraw = deref(moved).Visible();
        bars->Reorder(moved, OrderIndex);
    }
    // The host hears nothing of a move it made itself.
    if (redraw)
        LayoutAndPaint();
}

void InternalZSListBar::Delegate_RedrawRequested(const QString& sBar, const QString& sButton)
{
    if (sBar.isEmpty() || sButton.isEmpty()) {
        LayoutAndPaint();
        return;
    }
    // One button: repaint when the last pass showed it. A button that cannot
    // be found fails the test, which counts as passed.
    if (plat::tryCondition([&] {
            const LBBarPtr bar = deref(state_.Bars).ItemByID(sBar);
            const LBButtonPtr button = deref(deref(bar).Buttons()).ItemByID(sButton);
            return deref(button).RedrawStamp() == state_.RedrawCounter;
        }))
        LayoutAndPaint();
}

void InternalZSListBar::Delegate_Scroll(const QString& sBar, const QString& sButton)
{
    const plat::ObjectPtr alive = weak_from_this().lock(); // the host may drop the control in its event
    if (sBar.isEmpty() || sButton.isEmpty())
        return;
    LBBarPtr bar;
    stmt([&] { bar = deref(state_.Bars).ItemByID(sBar); });
    state_.FirstShownButtonID = sButton;
    LayoutAndPaint();
    // The button the repaint shows first.
    LBButtonPtr first;
    if (!bar || !stmt([&] { first = deref(bar->Buttons()).ItemByID(state_.FirstShownButtonID); }))
        return;
    BarScroll.raise(bar, first);
}

void InternalZSListBar::Delegate_TextWidthQuery(const QString& sBar, const QString& TextToQuery, int32_t& LenText,
                                                bool PrepFont)
{
    // The font chosen here stays selected for the measurements that follow.
    if (PrepFont)
        UserControl::setFont(deref(deref(state_.Bars).ItemByID(sBar)).ButtonFont());
    LenText = plat::CLng(UserControl::TextWidth(TextToQuery));
}

} // namespace listbar
