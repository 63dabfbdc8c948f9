// The list bar's redraw pass: guard, new surface, tab layout, the open bar's
// client area, the rebuild of the hit-test items, the painter, the frame and
// the hand-off of the finished picture.
#include "ListBarPainter.h"

#include "LBBar.h"
#include "LBBars.h"
#include "LBDelegate.h"
#include "Library.h"
#include "PaintSupport.h"
#include "Units.h"
#include "ZorvaneGhostCanvas.h"
#include "ZorvaneSystem.h"

namespace listbar {

using namespace paint;

ListBarPainter::ListBarPainter(ListBarState& state, ListBarWindow& window) : state_(state), window_(window) {}

zg::ZorvaneGhostCanvas& ListBarPainter::surface() const { return deref(state_.Surface); }
LBBars& ListBarPainter::bars() const { return deref(state_.Bars); }
LBDelegate& ListBarPainter::notifier() const { return deref(state_.Delegate); }
LBTrackingObjects& ListBarPainter::trackingObjects() const { return deref(state_.TrackingObjects); }

void ListBarPainter::LayoutAndPaint(bool KeepPicture, const QString& BarKey, int16_t Percent,
                                    const QString& InsertButtonID, int16_t InsertBefore)
{
    ListBarState& s = state_;
    // A failing test (no notifier) counts as set: nothing is drawn.
    if (plat::tryCondition([&] { return notifier().PreventRefresh || s.PreventRefresh || s.PaintInProgress; }))
        return;
    // With the active bar kept on top, the frames of a stepped bar switch
    // would lay the tabs out past the far edge: only the final picture of
    // such a switch is drawn.
    if (s.ActiveBarOnTop && !BarKey.isEmpty())
        return;

    s.PaintInProgress = true;
    ScopeExit done([&s] {
        s.Surface.reset();
        s.PaintInProgress = false;
    });
    s.RedrawCounter += 1;
    // The tab of a switched-to bar belongs to the frame that found it only.
    s.SwitchedToItem.reset();

    // The surface, the size of the drawing area, and the bars' font.
    stmt([&] { s.Surface = zg::NewGhostCanvas(); });
    stmt([&] { surface().setBackColor(notifier().BackColor); });
    stmt([&] { s.SurfaceWidth = N(window_.ScaleWidth()); });
    stmt([&] { s.SurfaceHeight = N(window_.ScaleHeight()); });
    stmt([&] { surface().SetSize(s.SurfaceWidth, s.SurfaceHeight); });
    stmt([&] { window_.setFont(notifier().BarFont); });
    stmt([&] { surface().setFont(notifier().BarFont); });

    s.BorderWidth = (s.BorderStyle == 1 || s.BorderStyle == 2) ? s.BorderStyle : 0;

    if (!window_.UserMode()) {
        designTimeLook();
        return;
    }

    // Tab thickness: the first caption picture's height in the picture
    // style, else one and a half lines of the bars' font.
    int32_t thickness = 0;
    plat::PicturePtr captionPicture;
    if (s.Style != 0)
        stmt([&] { captionPicture = bars().FirstCaptionImage(); });
    if (s.Style != 0 && captionPicture)
        stmt([&] { thickness = N(window_.ScaleY(captionPicture->Height(), plat::scale::HiMetric, plat::scale::Pixels)); });
    else
        stmt([&] { thickness = N(window_.TextHeight(SampleText) * 1.5); });
    if (!horizontal()) {
        s.TabWidth = s.SurfaceWidth - 2 * s.BorderWidth;
        s.TabHeight = thickness;
    } else {
        s.TabWidth = thickness;
        s.TabHeight = s.SurfaceHeight - 2 * s.BorderWidth;
    }

    // Each step skips what it cannot do (a missing model object) and the
    // pass goes on with the next.
    stmt([&] { resetTrackingObjects(); });
    stmt([&] { layoutTabs(BarKey); });
    if (s.ClientItem && s.ClientItem->Width >= 1 && s.ClientItem->Height >= 1)
        stmt([&] { layoutButtons(); });
    repairActiveBar();

    if (s.Style == 0)
        stmt([&] { PaintBevelStyle(Percent, InsertButtonID, InsertBefore); });
    else
        stmt([&] { PaintImageStyle(Percent, InsertButtonID, InsertBefore); });
    if (s.Style == 0)
        drawClientFrame();

    drawBorder();
    if (s.ClientItem) {
        s.ButtonAreaRight = s.ClientItem->X + s.ClientItem->Width;
        s.ButtonAreaLeft = s.ClientItem->X;
    }
    s.ClientItem.reset();
    if (KeepPicture)
        stmt([&] { s.FadeTargetPicture = surface().Picture(); });
    else
        stmt([&] { window_.ShowPicture(surface().Picture()); });
}

void ListBarPainter::resetTrackingObjects()
{
    // The item under the mouse or pressed survives the rebuild: the held item
    // is replaced by an item with a mouse state unless it is locked by a
    // press. Without such an item the one held from the last pass stays.
    LBTrackingObjects& list = trackingObjects();
    for (const LBTrackingObjectPtr& item : list.snapshot()) {
        if (item->MouseState != 0 && (!state_.CurrentItem || !state_.CurrentItem->Locked))
            state_.CurrentItem = item;
    }
    for (int32_t i = list.Count(); i >= 1; --i)
        list.Remove(i);
}

void ListBarPainter::carryOver(const LBTrackingObjectPtr& item)
{
    LBTrackingObjectPtr& held = state_.CurrentItem;
    if (held && held->ComponentType == item->ComponentType && held->BarID == item->BarID &&
        held->ButtonID == item->ButtonID) {
        item->Locked = held->Locked;
        item->MouseButton = held->MouseButton;
        item->MouseState = held->MouseState;
        held = item;
    }
}

void ListBarPainter::layoutTabs(const QString& BarKey)
{
    ListBarState& s = state_;
    LBBars& allBars = bars();
    const bool vertical = !horizontal();
    const int32_t border = s.BorderWidth;
    const int32_t tabSize = vertical ? s.TabHeight : s.TabWidth;
    const int32_t extent = vertical ? s.SurfaceHeight : s.SurfaceWidth;

    // P runs along the stacking axis (y when vertical, x otherwise).
    int32_t P = border;
    if (s.ActiveBarOnTop)
        P = extent - (allBars.VisibleBarCount() - 1) * tabSize - border;
    s.ClientItem.reset();

    LBTrackingObjects& list = trackingObjects();
    const int32_t count = allBars.Count();
    for (int32_t i = 1; i <= count; ++i) {
        LBBarPtr bar;
        if (!stmt([&] { bar = allBars.Item(i); }) || !bar || !bar->Visible())
            continue;
        auto tab = std::make_shared<LBTrackingObject>();
        tab->BarID = bar->UniqueID();
        tab->ComponentType = component::BarTab;
        tab->Width = s.TabWidth;
        tab->Height = s.TabHeight;
        auto placeAt = [&](int32_t position) {
            tab->X = vertical ? border : position;
            tab->Y = vertical ? position : border;
        };
        const bool isActive = bar->UniqueID() == allBars.ActiveBarID();
        LBTrackingObjectPtr client;
        if (s.ActiveBarOnTop && BarKey.isEmpty() && isActive) {
            tab->X = border;
            tab->Y = border;
            carryOver(tab);
            client = makeClientItem(*bar, *tab);
        } else if (s.ActiveBarOnTop && BarKey.isEmpty()) {
            placeAt(P);
            P += tabSize;
            carryOver(tab);
        } else {
            const bool open = (isActive && BarKey.isEmpty()) || bar->UniqueID() == BarKey;
            placeAt(P);
            P += tabSize;
            carryOver(tab);
            if (open) {
                client = makeClientItem(*bar, *tab);
                P += vertical ? client->Height : client->Width;
            } else if (isActive && !BarKey.isEmpty()) {
                s.SwitchedToItem = tab;
            }
        }
        if (client) {
            s.ClientItem = client;
            list.Add(client);
        }
        list.Add(tab);
    }
}

LBTrackingObjectPtr ListBarPainter::makeClientItem(const LBBar& bar, const LBTrackingObject& tab)
{
    const ListBarState& s = state_;
    auto client = std::make_shared<LBTrackingObject>();
    client->BarID = bar.UniqueID();
    client->ComponentType = component::ClientArea;
    const int32_t visibleBars = bars().VisibleBarCount();
    if (!horizontal()) {
        client->X = s.BorderWidth;
        client->Y = tab.Y + tab.Height;
        client->Width = s.TabWidth;
        client->Height = s.SurfaceHeight - visibleBars * s.TabHeight - 2 * s.BorderWidth;
    } else {
        client->X = tab.X + tab.Width;
        client->Y = s.BorderWidth;
        client->Width = s.SurfaceWidth - visibleBars * s.TabWidth - 2 * s.BorderWidth;
        client->Height = s.TabHeight;
    }
    carryOver(client);
    return client;
}

void ListBarPainter::repairActiveBar()
{
    // Bars are visible but none is active: bar 1 becomes active, or the
    // first visible bar when bar 1 is hidden. This pass is not laid out again.
    if (!plat::tryCondition([&] { return bars().VisibleBarCount() > 0 && bars().ActiveBarID().isEmpty(); }))
        return;
    stmt([&] { bars().ActiveBarID(deref(bars().Item(1)).UniqueID()); });
    stmt([&] { bars().CalculateVisibleBars(); });
}

void ListBarPainter::drawClientFrame()
{
    // A three-pixel margin in the open bar's colour over what the painter
    // drew in the client area.
    const LBTrackingObjectPtr client = state_.ClientItem;
    if (!client || client->Width <= 0 || client->Height <= 0)
        return;
    plat::Colour c = 0;
    stmt([&] { c = deref(bars().ItemByID(client->BarID)).BackColor(); });
    const int32_t X = client->X, Y = client->Y, W = client->Width, H = client->Height;
    for (int32_t inset = 0; inset < 3; ++inset)
        stmt([&] { surface().FillRect(X + inset, Y + inset, X + W - inset, Y + H - inset, c, false); });
}

void ListBarPainter::drawBorder()
{
    const int32_t W = state_.SurfaceWidth, H = state_.SurfaceHeight;
    auto outline = [&](int32_t x1, int32_t y1, int32_t x2, int32_t y2, plat::Colour c) {
        stmt([&] { surface().FillRect(x1, y1, x2, y2, c, false); });
    };
    auto line = [&](int32_t x1, int32_t y1, int32_t x2, int32_t y2, plat::Colour c) {
        stmt([&] { surface().Line(x1, y1, x2, y2, c); });
    };
    LBDelegate* d = state_.Delegate.get();
    if (!d)
        return;
    if (state_.BorderStyle == 1) {
        outline(0, 0, W, H, d->ColorOutline);
        line(0, H - 1, W, H - 1, d->ColorHighlight);
        line(W - 1, 0, W - 1, H, d->ColorHighlight);
    } else if (state_.BorderStyle == 2) {
        outline(0, 0, W, H, d->ColorShadow);
        line(0, H - 1, W, H - 1, d->ColorHighlight);
        line(W - 1, 0, W - 1, H, d->ColorHighlight);
        outline(1, 1, W - 1, H - 1, d->ColorOutline);
        line(1, H - 2, W - 1, H - 2, d->ColorButton);
        line(W - 2, 1, W - 2, H - 1, d->ColorButton);
    }
}

void ListBarPainter::designTimeLook()
{
    // While the host is designed: the frame and the control's display name
    // in white on a dark back colour, in black on a light one.
    drawBorder();
    int32_t red = 0, green = 0, blue = 0;
    stmt([&] {
        auto system = zg::System();
        system->GetRGBComponents(system->ColorToRGB(notifier().BackColor), red, green, blue);
    });
    const plat::Colour ink = (red + green + blue) / 3 <= 127 ? 0xFFFFFFu : 0u;
    stmt([&] { surface().setForeColor(ink); });
    stmt([&] { surface().setCurrentX(8); });
    stmt([&] { surface().setCurrentY(8); });
    stmt([&] { surface().PrintText(window_.DisplayName()); });
    state_.ClientItem.reset();
    state_.CurrentItem.reset();
    stmt([&] { window_.ShowPicture(surface().Picture()); });
}

} // namespace listbar
