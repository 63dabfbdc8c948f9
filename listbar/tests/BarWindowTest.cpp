// A bar's window of displayed buttons, on visibility masks written as
// strings of "1" (visible) and "0" (hidden), position 1 first.
#include "FakeLibrary.h"
#include "FakeListBar.h"
#include "QtPrinters.h"

#include <gtest/gtest.h>

using namespace listbar;
using namespace listbar::testing;

namespace {

struct WindowFixture : ::testing::Test {
    FakeLibrary lib;
    FakeListBar control;
    LBBarPtr bar = control.Bars->Add("Bar");

    // Buttons matching `mask`, then the start placed at `start` without
    // any validation (as the layout places it).
    void make(const QString& mask, int32_t start = 0)
    {
        for (int i = 0; i < mask.size(); ++i)
            bar->Buttons()->Add(QString::number(i + 1), i + 1);
        for (int i = 0; i < mask.size(); ++i)
            if (mask[i] == QLatin1Char('0'))
                bar->Buttons()->Item(i + 1)->Visible(false);
        EXPECT_EQ(bar->Buttons()->VisibilityMask(), mask);
        if (start > 0)
            bar->SetStartingButtonByID(bar->Buttons()->Item(start)->UniqueID());
        control.clear();
    }
    int32_t validated(const QString& mask, int32_t start)
    {
        make(mask, start);
        bar->ValidateStartingButton();
        return bar->StartingButton();
    }
};

} // namespace

// Each validation case needs its own bar.
TEST_F(WindowFixture, ValidationBackwardThenForward) { EXPECT_EQ(validated("1001", 3), 1); }
TEST_F(WindowFixture, ValidationForwardWhenNothingIsBefore) { EXPECT_EQ(validated("0011", 2), 3); }
TEST_F(WindowFixture, ValidationWithNothingVisible) { EXPECT_EQ(validated("0000", 2), 0); }

TEST_F(WindowFixture, ValidationOfAStartPastTheEnd)
{
    make("111111111", 9);
    for (int i = 9; i > 4; --i)
        bar->Buttons()->Remove(i);
    bar->ValidateStartingButton();
    EXPECT_EQ(bar->StartingButton(), 1);
}

TEST_F(WindowFixture, ScrollingStepsOverHiddenButtonsBothWays)
{
    make("0101", 2);
    bar->ScrollButtons(1);
    EXPECT_EQ(bar->StartingButton(), 4);
    EXPECT_EQ(control.last().name, "Scroll");
    EXPECT_EQ(control.last().button, bar->Buttons()->Item(4)->UniqueID());
    bar->ScrollButtons(-1);
    EXPECT_EQ(bar->StartingButton(), 2);
    control.clear();
    bar->ScrollButtons(0); // nothing before: stays at the first visible, still told
    EXPECT_EQ(bar->StartingButton(), 2);
    EXPECT_EQ(control.names(), QStringList{"Scroll"});
}

TEST_F(WindowFixture, ScrollingForwardFromTheLastVisibleWrapsToTheFirst)
{
    make("1101", 4);
    bar->ScrollButtons(1);
    EXPECT_EQ(bar->StartingButton(), 1);
}

TEST_F(WindowFixture, LastPage)
{
    make("11011");
    bar->ButtonsDisplayed(3);
    EXPECT_EQ(bar->LastPageStartingButton(), 2);
    bar->ButtonsDisplayed(10);
    EXPECT_EQ(bar->LastPageStartingButton(), 1);
    EXPECT_EQ(bar->VisibleButtonsFrom(3), 2);
}

TEST_F(WindowFixture, NothingVisibleGivesNoLastPage)
{
    make("000");
    bar->ButtonsDisplayed(2);
    EXPECT_EQ(bar->LastPageStartingButton(), 0);
    EXPECT_EQ(bar->FirstVisibleButton(), 1);
}

TEST_F(WindowFixture, FirstVisibleAndCountFromStart)
{
    make("0110", 2);
    EXPECT_TRUE(bar->IsAtFirstVisibleButton());
    EXPECT_EQ(bar->VisibleButtonsFromStart(), 2);
    EXPECT_EQ(bar->FirstVisibleButton(), 2);
    bar->SetStartingButtonByID(bar->Buttons()->Item(3)->UniqueID());
    EXPECT_FALSE(bar->IsAtFirstVisibleButton());
    EXPECT_EQ(bar->VisibleButtonsFromStart(), 1);
}

TEST_F(WindowFixture, SetStartingButtonIgnoresOutOfRangeAndValidatesHidden)
{
    make("1101", 1);
    bar->SetStartingButton(0);
    bar->SetStartingButton(5);
    bar->SetStartingButton(1);
    EXPECT_TRUE(control.requests.empty());
    bar->SetStartingButton(3);
    EXPECT_EQ(bar->StartingButton(), 2);
    EXPECT_EQ(control.names(), QStringList{"RedrawRequested"});

    control.clear();
    bar->SetStartingButtonNoRedraw(4);
    EXPECT_EQ(bar->StartingButton(), 4);
    bar->SetStartingButtonByID("");
    EXPECT_EQ(bar->StartingButton(), 4);
    EXPECT_TRUE(control.requests.empty());
}

TEST_F(WindowFixture, ABarWithoutButtonsDoesNotScroll)
{
    EXPECT_EQ(bar->FirstVisibleButton(), 1);
    control.clear();
    bar->ScrollButtons(1);
    bar->ScrollButtons(-1);
    EXPECT_TRUE(control.requests.empty());
    EXPECT_EQ(bar->StartingButton(), 0);
    EXPECT_EQ(bar->VisibleButtonsFromStart(), 0);
}
