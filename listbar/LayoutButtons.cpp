// The open bar's part of the redraw pass: which of its buttons fit into the
// client area from its starting button on (earlier buttons fill the room a
// last page leaves), where each goes, and the two scroll arrows.
#include "ListBarPainter.h"

#include "LBBar.h"
#include "LBBars.h"
#include "LBButton.h"
#include "LBButtons.h"
#include "PaintSupport.h"

#include <algorithm>
#include <deque>

namespace listbar {

using namespace paint;

// Working values of one run of the button layout.
struct ListBarPainter::ButtonPitch {
    QString barID;
    int32_t s = 0;  // image size
    int32_t p = 0;  // caption position
    int32_t LT = 0; // margins
    int32_t RB = 0;
    int32_t h = 0;  // text height of the bar's button font
    int32_t CX = 0, CY = 0, CW = 0, CH = 0;
    int32_t E = 0; // pitch of one button along the stacking axis
    int32_t C = 0; // centre line across it
};

void ListBarPainter::layoutButtons()
{
    ListBarState& s = state_;
    const LBTrackingObjectPtr client = s.ClientItem;
    if (!client || client->Width <= 0 || client->Height <= 0)
        return;
    LBBarPtr bar = bars().ItemByID(client->BarID);
    if (!bar)
        return;
    LBButtons& buttons = *bar->Buttons();
    if (buttons.VisibleCount() <= 0)
        return;

    ButtonPitch g;
    g.barID = bar->UniqueID();
    stmt([&] { window_.setFont(bar->ButtonFont()); });
    stmt([&] { g.h = N(window_.TextHeight(SampleText)); });
    g.s = bar->ButtonImageSize();
    g.p = bar->ButtonTextPosition();
    g.LT = s.ButtonMarginLeftTop;
    g.RB = s.ButtonMarginRightBottom;
    g.CX = client->X;
    g.CY = client->Y;
    g.CW = client->Width;
    g.CH = client->Height;
    const bool vertical = !horizontal();
    const int32_t endEdge = vertical ? g.CY + g.CH : g.CX + g.CW;

    if (vertical) {
        if (g.p == 1 || g.p == 4)
            g.E = Int(g.h * 2.5) + g.s + 4;
        else if (g.p == 0)
            g.E = g.s + 4;
        else
            g.E = ClampToMax(g.s, N(g.h * 1.2), 999999) + 4;
    } else {
        if (g.p == 2 || g.p == 3)
            g.E = g.h * 6 + g.s + 4;
        else if (g.p == 0)
            g.E = g.s + 4;
        else
            g.E = g.h * 3 + g.s + 4;
    }

    if (bar->StartingButton() < 1)
        bar->SetStartingButtonNoRedraw(1);
    const int32_t S = bar->StartingButton();
    s.LongestCaptionWidth = buttons.LongestTextWidth();

    int32_t firstCursor = 0;
    if (vertical) {
        g.C = g.LT + (s.SurfaceWidth - (g.LT + g.RB)) / 2;
        firstCursor = N(g.CY + g.h * 0.66);
    } else {
        g.C = g.LT + (s.SurfaceHeight - (g.LT + g.RB)) / 2;
        firstCursor = g.CX + g.h / 2;
    }

    // Forward from the starting button until a button crosses the end edge;
    // that one stays, cut off.
    std::deque<PlacedButton> pending;
    bool overflow = false;
    int32_t cursor = firstCursor;
    const int32_t count = buttons.Count();
    for (int32_t i = std::max(S, 1); i <= count; ++i) {
        LBButtonPtr button;
        if (!stmt([&] { button = buttons.Item(i); }) || !button || !button->Visible())
            continue;
        pending.push_back({makeButtonItem(g, *button, i, false, cursor), button});
        if (cursor > endEdge) {
            overflow = true;
            break;
        }
    }

    // Room left after the last button: earlier buttons fill it, so that the
    // area shows a last page.
    if (cursor < endEdge && S > 1) {
        for (int32_t i = S - 1; i >= 1; --i) {
            LBButtonPtr button;
            if (!stmt([&] { button = buttons.Item(i); }) || !button || !button->Visible())
                continue;
            LBTrackingObjectPtr item = makeButtonItem(g, *button, i, true, cursor);
            if (cursor >= endEdge)
                break;
            pending.push_front({item, button});
        }
    }

    // Placement: the pending advances become positions.
    LBTrackingObjects& list = trackingObjects();
    cursor = firstCursor;
    const int32_t n = int32_t(pending.size());
    const int32_t fullyShown = overflow ? n - 1 : n;
    for (int32_t k = 1; k <= n; ++k) {
        const PlacedButton& placed = pending[size_t(k - 1)];
        LBTrackingObject& item = *placed.item;
        list.Add(placed.item);
        int32_t& position = vertical ? item.Y : item.X;
        const int32_t advance = position;
        position = cursor;
        cursor += advance;
        if (k == 1) {
            item.IsTop = true;
            stmt([&] { bar->SetStartingButtonByID(item.ButtonID); });
            s.FirstShownButtonID = item.ButtonID;
        }
        if (k == n) {
            item.IsBottom = true;
            bar->LastButtonDisplayed(item.ButtonOrder);
            bar->ButtonsDisplayed(n);
        }
        item.ButtonsDisplayed = n;
        // A shown button carries the pass that placed it, so that a change
        // to it can tell that it is on screen.
        placed.button->RedrawStamp(s.RedrawCounter);
    }

    layoutScrollItems(*bar, fullyShown);
}

LBTrackingObjectPtr ListBarPainter::makeButtonItem(const ButtonPitch& g, const LBButton& button, int32_t position,
                                                   bool backFill, int32_t& cursor)
{
    auto item = std::make_shared<LBTrackingObject>();
    item->ComponentType = component::Button;
    item->BarID = g.barID;
    item->ButtonID = button.UniqueID();
    const int32_t E = g.E, h = g.h, s = g.s;
    if (!horizontal()) {
        item->ButtonOrder = position;
        int32_t next = 0;
        if (g.p == 1 || g.p == 4) {
            const int32_t limit = backFill ? g.CW - 8 : g.CW - (g.LT + g.RB) - 8;
            int32_t textWidth = 0;
            stmt([&] { textWidth = N(window_.TextWidth(button.Caption()) + 2); });
            const int32_t W = ClampToMax(s + 4, textWidth, limit);
            item->X = g.C - W / 2;
            item->Width = W;
            if (button.TextWidth() > W) {
                item->Height = E;
                next = N(cursor + E + h * 0.66);
            } else {
                item->Height = E - h;
                next = N(cursor + E - h * 0.33);
            }
        } else {
            if (g.p == 0) {
                item->X = g.C - (s + 4) / 2;
                item->Width = s + 4;
            } else if (backFill) {
                item->X = g.CX + 4;
                item->Width = g.CW - 8;
            } else {
                item->X = g.CX + g.LT + 4;
                item->Width = g.CW - (g.LT + g.RB) - 8;
            }
            if (backFill) {
                item->Height = E - h;
                next = N(cursor + E + h * 0.1);
            } else {
                item->Height = E;
                next = N(cursor + E + E * 0.1);
            }
        }
        item->Y = next - cursor; // the advance, until placement
        cursor = next;
    } else {
        item->ButtonOrder = button.ButtonOrder();
        int32_t H = 0;
        if (g.p == 2 || g.p == 3)
            H = ClampToMax(s + 4, h, backFill ? g.CH - 4 : g.CH - (g.LT + g.RB) - 4);
        else if (g.p == 0)
            H = s + 4;
        else if (state_.LongestCaptionWidth <= E - h)
            H = N(h * 1.5 + s + 4);
        else
            H = N(h * 2.5 + s + 4);
        item->Y = g.C - H / 2;
        item->Height = H;
        item->Width = E - h;
        item->X = E; // the advance, until placement
        cursor += E;
    }
    carryOver(item);
    return item;
}

void ListBarPainter::layoutScrollItems(LBBar& bar, int32_t fullyShown)
{
    ListBarState& s = state_;
    const LBTrackingObjectPtr client = s.ClientItem;
    LBTrackingObjects& list = trackingObjects();
    const int32_t CX = client->X, CY = client->Y, CW = client->Width, CH = client->Height;
    auto makeArrow = [&](int32_t kind, int32_t x, int32_t y) {
        auto item = std::make_shared<LBTrackingObject>();
        item->ComponentType = kind;
        item->BarID = client->BarID;
        item->X = x;
        item->Y = y;
        item->Width = 12;
        item->Height = 12;
        carryOver(item);
        return item;
    };

    if (!bar.IsAtFirstVisibleButton()) {
        auto back = horizontal() ? makeArrow(component::ScrollUp, CX + 4, CY + CH - 16)
                                 : makeArrow(component::ScrollUp, CX + CW - 16, CY + 4);
        client->ScrollsUp = true;
        list.Add(back);
    } else if (s.CurrentItem && s.CurrentItem->ComponentType == component::ScrollUp) {
        s.CurrentItem.reset();
    }

    if (bar.VisibleButtonsFromStart() > fullyShown) {
        auto forward = makeArrow(component::ScrollDown, CX + CW - 16, CY + CH - 16);
        client->ScrollsDown = true;
        list.Add(forward);
    } else if (s.CurrentItem && s.CurrentItem->ComponentType == component::ScrollDown) {
        s.CurrentItem.reset();
    }

    // Nothing held any more: a running auto-scroll ends.
    if (!s.CurrentItem)
        stmt([&] { window_.StopScrollTimers(); });
}

} // namespace listbar
