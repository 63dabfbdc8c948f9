// Geometry of the redraw pass: tabs, the open bar's client area, button
// rectangles, the back-fill of a last page, scroll items and what survives
// a pass. Text metrics are fixed by the test window (7 pixels a character,
// 13 a line), so the expected rectangles follow from the layout's formulas.
#include "PaintFixture.h"

#include <gtest/gtest.h>

namespace listbar::testing {
namespace {

struct Rect {
    int32_t x, y, w, h;
};

void expectRect(const LBTrackingObject& item, Rect r)
{
    EXPECT_EQ(item.X, r.x);
    EXPECT_EQ(item.Y, r.y);
    EXPECT_EQ(item.Width, r.w);
    EXPECT_EQ(item.Height, r.h);
}

// The shell's list bar in the picture style: one bar, two buttons, text
// below the images.
TEST(LayoutTest, VerticalTabClientAndButtons)
{
    TestListBar lb;
    lb.state.Style = 1;
    auto bar = lb.bars().Add(QStringLiteral("Categories"));
    bar->CaptionImage(solidPicture(50, 20, qRgb(1, 2, 3)));
    auto wide = bar->Buttons()->Add(QStringLiteral("Global Functions"), 4); // 112 pixels of text
    auto narrow = bar->Buttons()->Add(QStringLiteral("Short"), 5);          // 35 pixels
    lb.paint();

    const auto items = lb.items();
    ASSERT_EQ(items.size(), 4u);
    // The open bar's client item comes before its tab.
    EXPECT_EQ(items[0]->ComponentType, component::ClientArea);
    EXPECT_EQ(items[1]->ComponentType, component::BarTab);
    expectRect(*items[1], {2, 2, 109, 20}); // thickness: the caption picture's height
    expectRect(*items[0], {2, 22, 109, 348});

    // Pitch 60 (Int(13 x 2.5) + 24 + 4), centre 56, first cursor N(22 + 8.58).
    // The wide caption wraps: width clamped to 101, full pitch, next start
    // N(31 + 60 + 8.58); the narrow one takes the pitch less a line.
    EXPECT_EQ(items[2]->ButtonID, wide->UniqueID());
    expectRect(*items[2], {6, 31, 101, 60});
    EXPECT_EQ(items[3]->ButtonID, narrow->UniqueID());
    expectRect(*items[3], {38, 100, 37, 47});
    EXPECT_TRUE(items[2]->IsTop);
    EXPECT_FALSE(items[2]->IsBottom);
    EXPECT_TRUE(items[3]->IsBottom);
    EXPECT_EQ(items[2]->ButtonOrder, 1);
    EXPECT_EQ(items[3]->ButtonOrder, 2);
    EXPECT_EQ(items[3]->ButtonsDisplayed, 2);
    EXPECT_FALSE(items[0]->ScrollsUp);
    EXPECT_FALSE(items[0]->ScrollsDown);

    EXPECT_EQ(bar->StartingButton(), 1);
    EXPECT_EQ(bar->LastButtonDisplayed(), 2);
    EXPECT_EQ(bar->ButtonsDisplayed(), 2);
    EXPECT_EQ(lb.state.FirstShownButtonID, wide->UniqueID());
    EXPECT_EQ(lb.state.ButtonAreaLeft, 2);
    EXPECT_EQ(lb.state.ButtonAreaRight, 111);
    EXPECT_EQ(lb.state.LongestCaptionWidth, 112);
    EXPECT_FALSE(lb.state.ClientItem); // only kept while the pass runs
    EXPECT_FALSE(lb.state.PaintInProgress);
    // Every shown button carries the pass that placed it.
    EXPECT_EQ(wide->RedrawStamp(), lb.state.RedrawCounter);
    EXPECT_EQ(narrow->RedrawStamp(), lb.state.RedrawCounter);
}

TEST(LayoutTest, ActiveBarOnTopAndHiddenBars)
{
    TestListBar lb;
    auto one = lb.bars().Add(QStringLiteral("One"));
    auto two = lb.bars().Add(QStringLiteral("Two"));
    auto three = lb.bars().Add(QStringLiteral("Three"));
    lb.state.ActiveBarOnTop = true;
    two->Activate();

    // Tabs are N(13 x 1.5) = 20 high; the open bar's tab and client area at
    // the top, the other tabs against the bottom border.
    auto items = lb.items();
    ASSERT_EQ(items.size(), 4u);
    EXPECT_EQ(items[0]->BarID, one->UniqueID());
    expectRect(*items[0], {2, 330, 109, 20});
    EXPECT_EQ(items[1]->ComponentType, component::ClientArea);
    expectRect(*items[1], {2, 22, 109, 308});
    EXPECT_EQ(items[2]->BarID, two->UniqueID());
    expectRect(*items[2], {2, 2, 109, 20});
    expectRect(*items[3], {2, 350, 109, 20});

    // A hidden bar takes no room: the client area grows by its tab.
    lb.state.ActiveBarOnTop = false;
    one->Visible(false);
    items = lb.items();
    ASSERT_EQ(items.size(), 3u);
    expectRect(*items[0], {2, 22, 109, 328});
    expectRect(*items[1], {2, 2, 109, 20});
    expectRect(*items[2], {2, 350, 109, 20});
    (void)three;
}

TEST(LayoutTest, HorizontalButtonsBesideTheirImages)
{
    TestListBar lb;
    lb.window.width = 400;
    lb.window.height = 100;
    lb.state.BorderStyle = 0;
    lb.state.Orientation = 1;
    lb.state.Delegate->ButtonTextPosition = 2;
    auto bar = lb.bars().Add(QStringLiteral("One"));
    lb.bars().Add(QStringLiteral("Two"));
    for (int i = 1; i <= 4; ++i)
        bar->Buttons()->Add(QStringLiteral("B%1").arg(i), i);

    const auto tabs = lb.itemsOfKind(component::BarTab);
    ASSERT_EQ(tabs.size(), 2u);
    expectRect(*tabs[0], {0, 0, 20, 100});
    expectRect(*tabs[1], {380, 0, 20, 100});
    const auto client = lb.itemsOfKind(component::ClientArea);
    ASSERT_EQ(client.size(), 1u);
    expectRect(*client[0], {20, 0, 360, 100});

    // Pitch 106 (13 x 6 + 24 + 4); each button E - h wide, the first h \ 2
    // right of the client area; the fourth crosses the end and stays.
    const auto buttons = lb.itemsOfKind(component::Button);
    ASSERT_EQ(buttons.size(), 4u);
    for (int i = 0; i < 4; ++i)
        expectRect(*buttons[size_t(i)], {26 + 106 * i, 36, 93, 28});
    const auto forward = lb.itemsOfKind(component::ScrollDown);
    ASSERT_EQ(forward.size(), 1u);
    expectRect(*forward[0], {364, 84, 12, 12});
    EXPECT_TRUE(lb.itemsOfKind(component::ScrollUp).empty());
    EXPECT_TRUE(client[0]->ScrollsDown);
    EXPECT_EQ(bar->ButtonsDisplayed(), 4);
}

// Ten buttons of one pitch (32) in room for six and a half.
struct ScrollingBar {
    ScrollingBar()
    {
        lb.window.width = 234;
        lb.window.height = 100;
        lb.state.BorderStyle = 0;
        lb.state.Orientation = 1;
        lb.state.Delegate->ButtonTextPosition = 0;
        lb.state.Delegate->ButtonImageSize = 28;
        bar = lb.bars().Add(QStringLiteral("Bar"));
        for (int i = 1; i <= 10; ++i)
            buttons.push_back(bar->Buttons()->Add(QStringLiteral("B%1").arg(i), i));
    }
    std::vector<int32_t> shownOrders() const
    {
        std::vector<int32_t> orders;
        for (const auto& item : lb.itemsOfKind(component::Button))
            orders.push_back(item->ButtonOrder);
        return orders;
    }
    TestListBar lb;
    LBBarPtr bar;
    std::vector<LBButtonPtr> buttons;
};

TEST(LayoutTest, BackFillShowsALastPage)
{
    ScrollingBar sb;
    sb.bar->SetStartingButton(8);
    // 8, 9 and 10 leave room: 7, 6 and 5 are put in front, 4 would not fit.
    EXPECT_EQ(sb.shownOrders(), (std::vector<int32_t>{5, 6, 7, 8, 9, 10}));
    EXPECT_EQ(sb.bar->StartingButton(), 5);
    EXPECT_EQ(sb.lb.state.FirstShownButtonID, sb.buttons[4]->UniqueID());
    const auto shown = sb.lb.itemsOfKind(component::Button);
    EXPECT_EQ(shown.front()->X, 26);
    EXPECT_EQ(shown.back()->X, 26 + 5 * 32);
    EXPECT_TRUE(shown.front()->IsTop);
    EXPECT_TRUE(shown.back()->IsBottom);
    // Only the backward arrow: nothing lies after the last page.
    ASSERT_EQ(sb.lb.itemsOfKind(component::ScrollUp).size(), 1u);
    expectRect(*sb.lb.itemsOfKind(component::ScrollUp)[0], {24, 84, 12, 12});
    EXPECT_TRUE(sb.lb.itemsOfKind(component::ScrollDown).empty());
    // The button left out keeps the stamp of an earlier pass.
    EXPECT_LT(sb.buttons[3]->RedrawStamp(), sb.lb.state.RedrawCounter);
    EXPECT_EQ(sb.buttons[4]->RedrawStamp(), sb.lb.state.RedrawCounter);
}

TEST(LayoutTest, PressedArrowSurvivesPassesUntilItIsGone)
{
    ScrollingBar sb;
    sb.bar->SetStartingButton(8);
    // The mouse holds the backward arrow.
    auto arrow = sb.lb.itemsOfKind(component::ScrollUp).at(0);
    arrow->MouseState = mousestate::Pressed;
    arrow->MouseButton = 1;
    arrow->Locked = true;
    sb.lb.state.CurrentItem = arrow;

    sb.bar->ScrollButtons(-1); // start 4: 4 to 10, the last cut off
    EXPECT_EQ(sb.shownOrders(), (std::vector<int32_t>{4, 5, 6, 7, 8, 9, 10}));
    auto again = sb.lb.itemsOfKind(component::ScrollUp).at(0);
    EXPECT_NE(again, arrow);
    EXPECT_EQ(sb.lb.state.CurrentItem, again);
    EXPECT_EQ(again->MouseState, mousestate::Pressed);
    EXPECT_TRUE(again->Locked);
    EXPECT_EQ(again->MouseButton, 1);
    EXPECT_EQ(sb.lb.itemsOfKind(component::ScrollDown).size(), 1u);
    const int stopsBefore = sb.lb.window.timerStops;

    // At the first button the arrow is gone: the held item goes, the scroll
    // timers stop.
    sb.bar->SetStartingButton(1);
    EXPECT_TRUE(sb.lb.itemsOfKind(component::ScrollUp).empty());
    EXPECT_FALSE(sb.lb.state.CurrentItem);
    EXPECT_EQ(sb.lb.window.timerStops, stopsBefore + 1);
}

TEST(LayoutTest, SuppressedPassesChangeNothing)
{
    TestListBar lb;
    lb.bars().Add(QStringLiteral("Bar"));
    const double counter = lb.state.RedrawCounter;
    const size_t pictures = lb.window.shown.size();
    lb.state.PreventRefresh = true;
    lb.paint();
    lb.state.PreventRefresh = false;
    lb.state.Delegate->PreventRefresh = true;
    lb.paint();
    lb.state.Delegate->PreventRefresh = false;
    lb.state.PaintInProgress = true; // a pass already running
    lb.paint();
    EXPECT_EQ(lb.state.RedrawCounter, counter);
    EXPECT_EQ(lb.window.shown.size(), pictures);

    lb.state.PaintInProgress = false;
    lb.paint();
    EXPECT_EQ(lb.state.RedrawCounter, counter + 1);
    EXPECT_EQ(lb.window.shown.size(), pictures + 1);

    // A pass that ends in a fault of our own still ends: the next one runs.
    lb.window.failShow = true;
    EXPECT_THROW(lb.paint(), std::runtime_error);
    EXPECT_FALSE(lb.state.PaintInProgress);
    EXPECT_FALSE(lb.state.Surface);
    lb.window.failShow = false;
    lb.paint();
    EXPECT_EQ(lb.state.RedrawCounter, counter + 3);
}

TEST(LayoutTest, EmptyActiveBarIsRepairedThroughTheModel)
{
    TestListBar lb;
    auto one = lb.bars().Add(QStringLiteral("One"));
    lb.bars().Add(QStringLiteral("Two"));
    lb.bars().ActiveBarID(QString());
    lb.paint();
    EXPECT_EQ(lb.bars().ActiveBarID(), one->UniqueID());
    EXPECT_TRUE(one->IsActive());

    // Bar 1 hidden: the choice moves on to the first visible bar.
    one->Visible(false);
    lb.bars().ActiveBarID(QString());
    lb.paint();
    EXPECT_EQ(lb.bars().ActiveBarID(), lb.bars().Item(2)->UniqueID());
    EXPECT_FALSE(one->IsActive());
}

TEST(LayoutTest, StaleVisibleCountPlacesNothing)
{
    TestListBar lb;
    auto bar = lb.bars().Add(QStringLiteral("Bar"));
    auto button = bar->Buttons()->Add(QStringLiteral("Gone"), 1);
    // Hidden while no control listens: the bar still counts it as visible.
    lb.state.Delegate->attach(nullptr);
    button->Visible(false);
    lb.state.Delegate->attach(&lb);
    ASSERT_EQ(bar->Buttons()->VisibleCount(), 1);
    lb.paint();
    EXPECT_TRUE(lb.itemsOfKind(component::Button).empty());
    EXPECT_FALSE(lb.state.PaintInProgress);
}

TEST(LayoutTest, SteppedSwitchMovesTheTabsBetweenTheBars)
{
    TestListBar lb;
    lb.state.BorderStyle = 0;
    std::vector<LBBarPtr> bars;
    for (int i = 1; i <= 4; ++i)
        bars.push_back(lb.bars().Add(QStringLiteral("Bar %1").arg(i)));
    auto tabY = [&] {
        std::vector<int32_t> ys;
        for (const auto& tab : lb.itemsOfKind(component::BarTab))
            ys.push_back(tab->Y);
        return ys;
    };
    // Client height 372 - 4 x 20 = 292; a third of it is Int(96.36) = 96.
    // Forward from bar 1 (still open) to bar 3: tabs 2 and 3 move up.
    lb.bars().ActiveBarID(bars[2]->UniqueID());
    lb.painter.LayoutAndPaint(false, bars[0]->UniqueID(), 33);
    EXPECT_EQ(tabY(), (std::vector<int32_t>{0, 312 - 96, 332 - 96, 352}));
    ASSERT_TRUE(lb.state.SwitchedToItem);
    EXPECT_EQ(lb.state.SwitchedToItem->BarID, bars[2]->UniqueID());

    // Backward from bar 3 (still open) to bar 1: tabs 2 and 3 move down
    // towards their final place below bar 1's client area.
    lb.painter.LayoutAndPaint();
    EXPECT_FALSE(lb.state.SwitchedToItem);
    lb.bars().ActiveBarID(bars[0]->UniqueID());
    lb.painter.LayoutAndPaint(false, bars[2]->UniqueID(), 33);
    EXPECT_EQ(tabY(), (std::vector<int32_t>{0, 20 + 96, 40 + 96, 352}));

    // With the active bar kept on top no intermediate frame is drawn.
    lb.state.ActiveBarOnTop = true;
    const double counter = lb.state.RedrawCounter;
    lb.painter.LayoutAndPaint(false, bars[2]->UniqueID(), 66);
    EXPECT_EQ(lb.state.RedrawCounter, counter);
}

TEST(LayoutTest, KeptPictureIsNotShown)
{
    TestListBar lb;
    lb.bars().Add(QStringLiteral("Bar"));
    const size_t shown = lb.window.shown.size();
    lb.painter.LayoutAndPaint(true);
    EXPECT_EQ(lb.window.shown.size(), shown);
    ASSERT_TRUE(lb.state.FadeTargetPicture);
    EXPECT_EQ(lb.state.FadeTargetPicture->widthPixels(), 113);
}

} // namespace
} // namespace listbar::testing
