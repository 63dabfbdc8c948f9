// The picture look (any Style but 0): tabs and scroll arrows are the bars'
// own pictures stretched over their rectangles, the hover and pressed looks
// the matching pictures of each triplet. Client area, buttons and the insert
// mark are drawn as in the bevelled look.
#include "ListBarPainter.h"

#include "LBBar.h"
#include "LBBars.h"
#include "PaintSupport.h"
#include "ZorvaneGhostCanvas.h"

namespace listbar {

using namespace paint;

namespace {
constexpr int32_t CopyRop = 0xCC0020;
}

void ListBarPainter::PaintImageStyle(int16_t Percent, const QString& InsertButtonID, int16_t InsertFlag)
{
    BarDrawStyle style;
    stmt([&] { paintClientArea(); });
    bool handledButtons = false;
    LBTrackingObjectPtr insertItem;
    stmt([&] { insertItem = paintButtons(style, InsertButtonID, handledButtons); });
    paintInsertMark(InsertButtonID, InsertFlag, insertItem);

    std::vector<LBTrackingObjectPtr> items;
    stmt([&] { items = trackingObjects().snapshot(); });
    for (const LBTrackingObjectPtr& item : items) {
        const bool back = item->ComponentType == component::ScrollUp;
        if (!back && item->ComponentType != component::ScrollDown)
            continue;
        stmt([&] {
            const LBBar& bar = deref(bars().ItemByID(item->BarID));
            plat::PicturePtr picture;
            if (item->MouseState == mousestate::Hover)
                picture = back ? bar.ScrollUpImageHover() : bar.ScrollDownImageHover();
            else if (item->MouseState == mousestate::Pressed)
                picture = back ? bar.ScrollUpImageDown() : bar.ScrollDownImageDown();
            else
                picture = back ? bar.ScrollUpImage() : bar.ScrollDownImage();
            surface().PaintPicture(picture, item->X, item->Y, item->Width, item->Height, 0, 0, 0, 0, CopyRop);
        });
    }

    loadTabSettings(style);
    for (const LBTrackingObjectPtr& item : items) {
        if (item->ComponentType != component::BarTab)
            continue;
        LBTrackingObject& tab = *item;
        LBBarPtr bar;
        stmt([&] { bar = bars().ItemByID(tab.BarID); });
        moveTabForSwitch(tab, Percent);
        // A press with another button than the left one shows the hover picture.
        stmt([&] {
            plat::PicturePtr picture;
            if (tab.MouseState == mousestate::Hover || (tab.MouseState == mousestate::Pressed && tab.MouseButton > 1))
                picture = deref(bar).CaptionImageHover();
            else if (tab.MouseState == mousestate::Pressed)
                picture = deref(bar).CaptionImageDown();
            else
                picture = deref(bar).CaptionImage();
            surface().PaintPicture(picture, tab.X, tab.Y, tab.Width, tab.Height, 0, 0, 0, 0, CopyRop);
        });
        stmt([&] { paintTabCaption(tab, deref(bar), style); });
    }
}

} // namespace listbar
