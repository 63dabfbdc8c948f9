// The steps both painters share: the open bar's client area with its
// background picture, its buttons (image, caption, frame), the drag insert
// mark, the tab settings, the tabs' move during a stepped bar switch and the
// tab captions.
#include "ListBarPainter.h"

#include "LBBar.h"
#include "LBBars.h"
#include "LBButton.h"
#include "LBButtons.h"
#include "LBDelegate.h"
#include "Library.h"
#include "PaintSupport.h"
#include "Units.h"
#include "ZorvaneGhostCanvas.h"
#include "ZorvaneSystem.h"

namespace listbar {

using namespace paint;

namespace {
constexpr int32_t CopyRop = 0xCC0020;
constexpr plat::Colour ButtonShadowColour = 0x80000010;
} // namespace

void ListBarPainter::paintClientArea()
{
    const LBTrackingObjectPtr client = state_.ClientItem;
    if (!client)
        return;
    const LBBarPtr bar = bars().ItemByID(client->BarID);
    if (!bar)
        return;
    const int32_t X = client->X, Y = client->Y, W = client->Width, H = client->Height;
    stmt([&] { surface().FillRect(X, Y, X + W, Y + H, bar->ColorShadow(), true); });

    const plat::PicturePtr picture = bar->BarImage();
    if (!picture || picture->isEmpty())
        return;
    int32_t pw = 0, ph = 0;
    stmt([&] { pw = N(window_.ScaleX(picture->Width(), plat::scale::HiMetric, plat::scale::Pixels)); });
    stmt([&] { ph = N(window_.ScaleY(picture->Height(), plat::scale::HiMetric, plat::scale::Pixels)); });
    auto paint = [&](int32_t x, int32_t y, int32_t w, int32_t h) {
        stmt([&] { surface().PaintPicture(picture, x, y, w, h, 0, 0, 0, 0, CopyRop); });
    };
    const bool acrossTiles = bar->BarImageTileHorizontally();
    const bool downTiles = bar->BarImageTileVertically();
    // A tiled picture without width or height would never reach the edge:
    // it is left out.
    if ((acrossTiles && pw <= 0) || (downTiles && ph <= 0))
        return;
    if (acrossTiles && downTiles) {
        for (int32_t dx = 0; dx <= W - 1; dx += pw)
            for (int32_t dy = 0; dy <= H - 1; dy += ph)
                paint(X + dx, Y + dy, 0, 0);
    } else if (acrossTiles) {
        for (int32_t dx = 0; dx <= W - 1; dx += pw)
            paint(X + dx, Y, pw, H);
    } else if (downTiles) {
        for (int32_t dy = 0; dy <= H - 1; dy += ph)
            paint(X, Y + dy, W, ph);
    } else {
        paint(X, Y, W, H);
    }
}

LBTrackingObjectPtr ListBarPainter::paintButtons(BarDrawStyle& style, const QString& insertID, bool& handledButtons)
{
    handledButtons = false;
    const LBTrackingObjectPtr client = state_.ClientItem;
    if (!client)
        return nullptr;
    LBTrackingObjectPtr insertItem;
    for (const LBTrackingObjectPtr& item : trackingObjects().snapshot()) {
        if (item->ComponentType != component::Button || item->BarID != client->BarID)
            continue;
        if (!handledButtons) {
            // One record, from the open bar, serves all its buttons.
            handledButtons = true;
            const LBBarPtr bar = bars().ItemByID(client->BarID);
            stmt([&] { surface().setFont(deref(bar).ButtonFont()); });
            stmt([&] { style.LineHeight = N(surface().TextHeight(SampleText) + 3); });
            if (bar) {
                style.ButtonImageSize = bar->ButtonImageSize();
                style.ColorButton = bar->ColorButton();
                style.ColorHighlight = bar->ColorHighlight();
                style.ColorOutline = bar->ColorOutline();
                style.ColorText = bar->ColorText();
                style.ColorTextHover = bar->ColorTextHover();
                style.ColorTextShadow = bar->ColorTextShadow();
                if (bar->ColorTextShadow() == ButtonShadowColour)
                    stmt([&] {
                        style.ColorTextShadow =
                            zg::System()->BlendedColorRGB(ButtonShadowColour, style.ColorOutline, 0.5f);
                    });
                style.TextShadow = bar->TextShadow();
                style.TextShadowDepth = bar->TextShadowDepth();
                style.ButtonTextPosition = bar->ButtonTextPosition();
            }
        }
        paintButton(*item, style);
        if (item->ButtonID == insertID)
            insertItem = item;
    }
    return insertItem;
}

void ListBarPainter::paintButton(const LBTrackingObject& item, BarDrawStyle& style)
{
    const ListBarState& s = state_;
    const LBTrackingObjectPtr& current = s.CurrentItem;
    int32_t mouseState = 0;
    if (current && current->ComponentType == component::Button && current->BarID == item.BarID &&
        current->ButtonID == item.ButtonID)
        mouseState = current->MouseState;

    LBButtonPtr button;
    stmt([&] { button = deref(deref(bars().ItemByID(item.BarID)).Buttons()).ItemByID(item.ButtonID); });

    // The image from the image list control or from the picture-clip grid.
    plat::PicturePtr image;
    if (s.IconSource == 0) {
        stmt([&] {
            const plat::Variant reference = ResolveButtonImage(mouseState, item.BarID, item.ButtonID, false);
            if (!reference.isNull() && !s.ImageListControl.isEmpty())
                image = window_.ListImagePicture(s.ImageListControl, reference);
        });
    } else {
        stmt([&] {
            const plat::Variant reference = ResolveButtonImage(mouseState, item.BarID, item.ButtonID, true);
            if (!reference.isNull())
                image = GetPictureClipCell(plat::CLng(reference));
        });
    }

    // The caption is left out while the caption editor edits it.
    const bool drawCaption = !(s.EditorVisible && s.EditBarID == item.BarID && s.EditButtonID == item.ButtonID);
    auto caption = [&](int32_t x, int32_t y, int32_t width, int32_t box, int32_t alignment, bool flagA, bool flagB) {
        if (drawCaption)
            stmt([&] {
                DrawCaptionText(deref(button).Caption(), x, y, width, mouseState, style, box, alignment, flagA, flagB,
                                0, false);
            });
    };

    const bool vertical = !horizontal();
    const int32_t X = item.X, Y = item.Y, W = item.Width, H = item.Height;
    const int32_t sz = style.ButtonImageSize, L = style.LineHeight;
    const int32_t textWidth = button ? button->TextWidth() : 0;
    int32_t frameX = X + (W - sz) / 2 - 2;
    int32_t frameY = Y + (H - sz) / 2 - 2;
    switch (style.ButtonTextPosition) {
    case 1: // text below the image
        frameY = Y;
        if (!vertical || textWidth > W)
            caption(X, Y + H - 2 * L, W, 2 * L, 2, true, false);
        else
            caption(X, Y + H - L, W, 0, 2, true, false);
        break;
    case 2: // image at the left end, text right of it
        frameX = X;
        if (vertical)
            caption(X + sz + 6, Y + (H - L) / 2, W - (sz + 6), 0, 0, true, true);
        else if (textWidth > W)
            caption(X + sz + 6, Y + (H - 2 * L) / 2, W - (sz + 6), 2 * L, 0, true, false);
        else
            caption(X + sz + 6, Y + (H - L) / 2, W - (sz + 6), L, 0, true, false);
        break;
    case 3: // image at the right end, text left of it
        frameX = X + W - (sz + 4);
        if (vertical)
            caption(X, Y + (H - L) / 2, W - (sz + 6), 0, 0, true, true);
        else if (textWidth > W)
            caption(X, Y + (H - 2 * L) / 2, W - (sz + 6), 2 * L, 1, true, false);
        else
            caption(X, Y + (H - L) / 2, W - (sz + 6), L, 1, true, false);
        break;
    case 4: { // text above the image; side by side, all buttons wrap alike
        const bool wraps = (vertical ? textWidth : s.LongestCaptionWidth) > W;
        caption(X, Y, W, wraps ? 2 * L : 0, 2, true, false);
        frameY = Y + (wraps ? 2 * L : L);
        break;
    }
    default: // 0 and values outside the range: the image alone, centred
        break;
    }
    stmt([&] { DrawButtonImage(image, frameX, frameY, item.MouseButton, mouseState, style); });
}

void ListBarPainter::paintInsertMark(const QString& insertID, int16_t before, const LBTrackingObjectPtr& insertItem)
{
    const LBTrackingObjectPtr client = state_.ClientItem;
    if (!client)
        return;
    stmt([&] {
        DrawInsertMark(deref(bars().ItemByID(client->BarID)).ColorInsertLines(), insertID, before, insertItem);
    });
}

void ListBarPainter::loadTabSettings(BarDrawStyle& style)
{
    stmt([&] { surface().setFont(notifier().BarFont); });
    stmt([&] { style.LineHeight = N(surface().TextHeight(SampleText) + 3); });
    const LBDelegate* d = state_.Delegate.get();
    if (!d)
        return;
    style.ColorButton = d->ColorButton;
    style.ColorHighlight = d->ColorHighlight;
    style.ColorOutline = d->ColorOutline;
    style.ColorShadow = d->ColorShadow;
    style.ColorText = d->ColorText;
    style.ColorTextHover = d->ColorTextHover;
    style.ColorTextShadow = d->ColorTextShadow;
    style.TextShadow = d->TextShadow;
    style.TextShadowDepth = d->TextShadowDepth;
}

void ListBarPainter::moveTabForSwitch(LBTrackingObject& tab, int16_t percent)
{
    // In a frame of a stepped switch from the open bar A to the newly active
    // bar O, the tabs between them travel by the share of the client area:
    // forward through the list (O after A) the tabs after A up to O move
    // back, backward (O before A) the tabs after O up to A move forward, so
    // that the frames lead to the final picture. The moved position stays in
    // the item for hit tests until the next pass.
    const ListBarState& s = state_;
    if (!s.ClientItem || !s.SwitchedToItem)
        return;
    int32_t b = 0, a = 0, o = 0;
    if (!stmt([&] {
            b = deref(bars().ItemByID(tab.BarID)).BarOrder();
            a = deref(bars().ItemByID(s.ClientItem->BarID)).BarOrder();
            o = deref(bars().ItemByID(s.SwitchedToItem->BarID)).BarOrder();
        }))
        return;
    const bool vertical = !horizontal();
    const int32_t extent = vertical ? s.ClientItem->Height : s.ClientItem->Width;
    const int32_t shift = Int(extent / 100.0 * percent);
    int32_t& position = vertical ? tab.Y : tab.X;
    if (b > a && b <= o)
        position -= shift;
    else if (b > o && b <= a)
        position += shift;
}

void ListBarPainter::paintTabCaption(const LBTrackingObject& tab, const LBBar& bar, BarDrawStyle& style)
{
    const ListBarState& s = state_;
    if (s.EditorVisible && s.EditBarID == tab.BarID && s.EditButtonID.isEmpty())
        return;
    const bool open = s.ClientItem && s.ClientItem->BarID == tab.BarID;
    const plat::Colour colour = open ? notifier().ColorSelection : notifier().ColorText;
    const int32_t X = tab.X, Y = tab.Y, W = tab.Width, H = tab.Height, L = style.LineHeight;
    if (horizontal())
        DrawOrientedCaption(bar.Caption(), X + (W - L) / 2 + 1, Y + H - 4, H - 8, L, tab.MouseState, style, colour);
    else
        DrawOrientedCaption(bar.Caption(), X + 5, Y + (H - L) / 2 + 1, W - 8, L, tab.MouseState, style, colour);
}

} // namespace listbar
