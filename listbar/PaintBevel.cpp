// The bevelled look (Style 0): scroll arrows as small raised buttons with a
// drawn triangle, bar tabs as bevelled strips in the control's colours.
#include "ListBarPainter.h"

#include "LBBar.h"
#include "LBBars.h"
#include "LBDelegate.h"
#include "PaintSupport.h"
#include "ZorvaneGhostCanvas.h"

namespace listbar {

using namespace paint;

void ListBarPainter::PaintBevelStyle(int16_t Percent, const QString& InsertButtonID, int16_t InsertFlag)
{
    BarDrawStyle style;
    stmt([&] { paintClientArea(); });
    bool handledButtons = false;
    LBTrackingObjectPtr insertItem;
    stmt([&] { insertItem = paintButtons(style, InsertButtonID, handledButtons); });
    paintInsertMark(InsertButtonID, InsertFlag, insertItem);

    // The arrows take the open bar's button colours when it showed buttons,
    // else the control's.
    if (const LBDelegate* d = state_.Delegate.get()) {
        if (handledButtons) {
            style.ColorShadow = d->ColorShadow;
        } else {
            style.ColorButton = d->ColorButton;
            style.ColorHighlight = d->ColorHighlight;
            style.ColorOutline = d->ColorOutline;
            style.ColorText = d->ColorText;
        }
    }
    std::vector<LBTrackingObjectPtr> items;
    stmt([&] { items = trackingObjects().snapshot(); });
    for (const LBTrackingObjectPtr& item : items)
        if (item->ComponentType == component::ScrollUp || item->ComponentType == component::ScrollDown)
            paintBevelArrow(*item, style);

    loadTabSettings(style);
    for (const LBTrackingObjectPtr& item : items)
        if (item->ComponentType == component::BarTab)
            paintBevelTab(*item, style, Percent);
}

void ListBarPainter::paintBevelArrow(const LBTrackingObject& item, const BarDrawStyle& style)
{
    const int32_t X = item.X, Y = item.Y, W = item.Width, H = item.Height;
    const plat::Colour F = style.ColorButton, Hl = style.ColorHighlight, O = style.ColorOutline,
                       Sh = style.ColorShadow;
    auto line = [&](int32_t x1, int32_t y1, int32_t x2, int32_t y2, plat::Colour c) {
        stmt([&] { surface().Line(x1, y1, x2, y2, c); });
    };
    stmt([&] { surface().FillRect(X, Y, X + W, Y + H, F, true); });
    stmt([&] { surface().FillRect(X, Y, X + W, Y + H, O, false); });

    // The look follows the arrow's own mouse state while the current item is
    // an arrow of the same kind; the mouse button plays no part.
    const LBTrackingObjectPtr& current = state_.CurrentItem;
    const bool tracked = current && current->ComponentType == item.ComponentType;
    int32_t cx = X + W / 2, cy = Y + H / 2;
    if (tracked && item.MouseState == mousestate::Pressed) {
        line(X + 1, Y + H - 1, X + W, Y + H - 1, Hl);
        line(X + W - 1, Y + 1, X + W - 1, Y + H, Hl);
        cx += 1;
        cy += 1;
    } else {
        line(X, Y, X + W - 1, Y, Hl);
        line(X, Y, X, Y + H - 1, Hl);
        if (tracked && item.MouseState == mousestate::Hover) {
            line(X + 1, Y + H - 2, X + W - 1, Y + H - 2, Sh);
            line(X + W - 2, Y + 1, X + W - 2, Y + H - 1, Sh);
        }
    }

    // A triangle three pixels deep around the centre: a point and two lines.
    const bool back = item.ComponentType == component::ScrollUp;
    if (!horizontal()) {
        const int32_t tip = back ? cy - 2 : cy + 1;
        const int32_t mid = back ? cy - 1 : cy;
        const int32_t base = back ? cy : cy - 1;
        stmt([&] { surface().PSet(cx - 1, tip, O); });
        line(cx - 2, mid, cx + 1, mid, O);
        line(cx - 3, base, cx + 2, base, O);
    } else {
        const int32_t tip = back ? cx - 2 : cx;
        const int32_t mid = cx - 1;
        const int32_t base = back ? cx : cx - 2;
        stmt([&] { surface().PSet(tip, cy - 1, O); });
        line(mid, cy - 2, mid, cy + 1, O);
        line(base, cy - 3, base, cy + 2, O);
    }
}

void ListBarPainter::paintBevelTab(LBTrackingObject& tab, BarDrawStyle& style, int16_t percent)
{
    LBBarPtr bar;
    stmt([&] { bar = bars().ItemByID(tab.BarID); });
    moveTabForSwitch(tab, percent);
    const int32_t X = tab.X, Y = tab.Y, W = tab.Width, H = tab.Height;
    const plat::Colour F = style.ColorButton, Hl = style.ColorHighlight, O = style.ColorOutline,
                       Sh = style.ColorShadow;
    auto line = [&](int32_t x1, int32_t y1, int32_t x2, int32_t y2, plat::Colour c) {
        stmt([&] { surface().Line(x1, y1, x2, y2, c); });
    };
    stmt([&] { surface().FillRect(X, Y, X + W, Y + H, F, true); });
    stmt([&] { paintTabCaption(tab, deref(bar), style); });

    stmt([&] { surface().FillRect(X, Y, X + W, Y + H, O, false); });
    const bool pressedLook = tab.MouseState == mousestate::Pressed && tab.MouseButton <= 1;
    const bool hoverLook = tab.MouseState == mousestate::Hover ||
                           (tab.MouseState == mousestate::Pressed && tab.MouseButton > 1);
    if (pressedLook) {
        line(X, Y + H - 1, X + W, Y + H - 1, Hl);
        line(X + W - 1, Y, X + W - 1, Y + H, Hl);
        line(X + 1, Y + 1, X + 1, Y + H - 2, Sh);
        line(X + 1, Y + 1, X + W - 2, Y + 1, Sh);
    } else {
        line(X, Y, X + W - 1, Y, Hl);
        line(X, Y, X, Y + H - 1, Hl);
        if (hoverLook) {
            line(X + 1, Y + H - 2, X + W - 1, Y + H - 2, Sh);
            line(X + W - 2, Y + 1, X + W - 2, Y + H - 1, Sh);
        }
    }
}

} // namespace listbar
