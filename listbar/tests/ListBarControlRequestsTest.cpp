// The control's answers to the model's requests: activation, reordering,
// making a button visible, redraws of single buttons, scrolling, text
// measurement, and requests about bars and buttons that are gone.
#include "ListBarControlSupport.h"

#include <Units.h>
#include <gtest/gtest.h>

namespace listbar::testing {
namespace {

QStringList barOrder(const LBBars& bars)
{
    QStringList captions;
    for (const auto& bar : bars.NewEnum())
        captions << QStringLiteral("%1%2").arg(bar->Caption()).arg(bar->BarOrder());
    return captions;
}

TEST(ListBarControlRequestsTest, MovingABarShiftsTheOthersAndRedrawsOnlyWhenVisible)
{
    ListBarHarness h;
    for (const char* c : {"A", "B", "C", "D"})
        h.bars().Add(QString::fromLatin1(c));

    h.bars().Item(4)->BarOrder(2);
    EXPECT_EQ(barOrder(h.bars()), (QStringList{"A1", "D2", "B3", "C4"}));
    EXPECT_TRUE(h.events.isEmpty()); // no BarMoved

    // A position past the end changes nothing.
    h.bars().Item(1)->BarOrder(5);
    EXPECT_EQ(barOrder(h.bars()), (QStringList{"A1", "D2", "B3", "C4"}));

    auto hidden = h.bars().Item(4);
    hidden->Visible(false);
    const double before = h.passes();
    hidden->BarOrder(1);
    EXPECT_EQ(barOrder(h.bars()), (QStringList{"C1", "A2", "D3", "B4"}));
    EXPECT_EQ(h.passes(), before);
}

TEST(ListBarControlRequestsTest, ActivationAnimatesOnlyASwitchAndAlwaysTellsTheHost)
{
    ListBarHarness h; // Scroll animation by default
    auto first = h.bars().Add(QStringLiteral("First"));
    auto second = h.bars().Add(QStringLiteral("Second"));

    double before = h.passes();
    first->Activate(true); // already active: no animation, no redraw
    EXPECT_EQ(h.passes(), before);
    EXPECT_EQ(h.events, QStringList{"BarSelected(First)"});

    second->Activate(true); // a tab click: 33 %, 66 %, final
    EXPECT_EQ(h.passes(), before + 3);
    EXPECT_TRUE(second->IsActive());
    EXPECT_FALSE(first->IsActive());

    before = h.passes();
    first->Activate(); // without animation under every style
    EXPECT_EQ(h.passes(), before + 1);
    EXPECT_EQ(h.events.size(), 3);
}

TEST(ListBarControlRequestsTest, RequestsAboutRemovedObjectsChangeNothing)
{
    ListBarHarness h;
    auto kept = h.bars().Add(QStringLiteral("Kept"));
    auto gone = h.bars().Add(QStringLiteral("Gone"));
    auto button = gone->Buttons()->Add(QStringLiteral("Button"), 1);
    h.bars().Remove(2);
    h.events.clear();
    const QString active = h.bars().ActiveBarID();

    gone->Activate(true);
    EXPECT_EQ(h.bars().ActiveBarID(), active);
    EXPECT_TRUE(h.events.isEmpty());

    // The propagating requests fail with "object not set"; nothing moves.
    for (auto request : {+[](LBButton& b) { b.MakeVisible(); }, +[](LBButton& b) { b.ButtonOrder(2); },
                         +[](LBButton& b) { b.Caption(QStringLiteral("New")); }}) {
        plat::tryStatement([&] { request(*button); });
        EXPECT_EQ(h.bars().ActiveBarID(), active);
    }
    EXPECT_EQ(h.bars().Count(), 1);
    EXPECT_EQ(kept->BarOrder(), 1);
}

TEST(ListBarControlRequestsTest, ASingleButtonRepaintsOnlyWhileItIsShown)
{
    ListBarHarness h(150, 200);
    auto bar = h.bars().Add(QStringLiteral("Bar"));
    std::vector<LBButtonPtr> buttons;
    for (int i = 1; i <= 12; ++i)
        buttons.push_back(bar->Buttons()->Add(QStringLiteral("B%1").arg(i), i));
    h.control->Refresh();
    ASSERT_LT(bar->LastButtonDisplayed(), 12);

    double before = h.passes();
    buttons.front()->ButtonImage(99); // shown: the change is painted at once
    EXPECT_EQ(h.passes(), before + 1);
    before = h.passes();
    buttons.back()->ButtonImage(99); // below the window: nothing to repaint
    EXPECT_EQ(h.passes(), before);

    // Moving a hidden button behind another hidden one needs no repaint; one
    // that pushes a shown button aside does.
    before = h.passes();
    buttons[10]->ButtonOrder(12);
    EXPECT_EQ(h.passes(), before);
    buttons[11]->ButtonOrder(1);
    EXPECT_EQ(h.passes(), before + 1);
    EXPECT_EQ(bar->Buttons()->Item(1), buttons[11]);
    EXPECT_EQ(buttons[0]->ButtonOrder(), 2);
}

TEST(ListBarControlRequestsTest, MakingAButtonVisibleSwitchesBarsAndScrollsIt)
{
    ListBarHarness h(150, 200);
    auto first = h.bars().Add(QStringLiteral("First"));
    auto other = h.bars().Add(QStringLiteral("Other"));
    std::vector<LBButtonPtr> buttons;
    for (int i = 1; i <= 12; ++i)
        buttons.push_back(other->Buttons()->Add(QStringLiteral("B%1").arg(i), i));
    h.control->Refresh();

    buttons[4]->MakeVisible(); // on the inactive bar: switch (animated), then scroll
    EXPECT_TRUE(other->IsActive());
    EXPECT_EQ(h.events.first(), QStringLiteral("BarSelected(Other)"));
    const int32_t shown = other->ButtonsDisplayed();
    ASSERT_GT(shown, 0);
    ASSERT_LT(shown, 5);
    EXPECT_EQ(other->StartingButton(), 5); // a window's worth follows it

    buttons[1]->MakeVisible(); // above the window: first shown
    EXPECT_EQ(other->StartingButton(), 2);

    buttons[11]->MakeVisible(); // near the end: the last page
    EXPECT_EQ(other->StartingButton(), other->LastPageStartingButton());
    EXPECT_EQ(other->LastButtonDisplayed(), 12);

    const int32_t start = other->StartingButton();
    buttons[start - 1]->MakeVisible(); // already shown: nothing moves
    EXPECT_EQ(other->StartingButton(), start);
    (void)first;
}

TEST(ListBarControlRequestsTest, ScrollingRepaintsAndReportsTheFirstShownButton)
{
    ListBarHarness h(150, 200);
    auto bar = h.bars().Add(QStringLiteral("Bar"));
    for (int i = 1; i <= 12; ++i)
        bar->Buttons()->Add(QStringLiteral("B%1").arg(i), i);
    h.control->Refresh();
    h.events.clear();

    const double before = h.passes();
    bar->ScrollButtons(1);
    EXPECT_EQ(h.passes(), before + 1);
    EXPECT_EQ(h.events, QStringList{"BarScroll(Bar,B2)"});
    EXPECT_EQ(h.control->state().FirstShownButtonID, bar->Buttons()->Item(2)->UniqueID());
}

TEST(ListBarControlRequestsTest, TextWidthQueryMeasuresInTheBarsFontOnceSelected)
{
    ListBarHarness h;
    auto bar = h.bars().Add(QStringLiteral("Bar"));
    bar->ButtonFontSize(30);
    LBDelegate& n = *h.control->Delegate();
    const QString text = QStringLiteral("Measured");

    h.control->UserControl::setFont(plat::Font::make(QStringLiteral("Arial"), 8));
    const int32_t small = n.QueryTextWidth(bar->UniqueID(), text);
    n.QueryTextWidth(bar->UniqueID(), QString(), true);
    const int32_t large = n.QueryTextWidth(bar->UniqueID(), text);
    EXPECT_GT(large, 2 * small);
    EXPECT_EQ(large, int32_t(plat::roundEven(h.control->UserControl::TextWidth(text))));
}

} // namespace
} // namespace listbar::testing
