// The notifier, its registry, the hit-test items and the help-file path.
#include "FakeLibrary.h"
#include "FakeListBar.h"
#include "Identifiers.h"
#include "LBTrackingObject.h"
#include "ListBarErrors.h"
#include "QtPrinters.h"

#include <gtest/gtest.h>

using namespace listbar;
using namespace listbar::testing;

TEST(Notifier, TwoControlsRegisterApartAndHearOnlyTheirOwnModel)
{
    FakeLibrary lib;
    FakeListBar first, second;
    EXPECT_EQ(first.Delegate->UniqueID().size(), 10);
    EXPECT_NE(first.Delegate->UniqueID(), second.Delegate->UniqueID());
    EXPECT_EQ(DelegateRegistry().Item(first.Delegate->UniqueID()), first.Delegate);
    EXPECT_EQ(DelegateRegistry().Item(second.Delegate->UniqueID()), second.Delegate);
    EXPECT_EQ(lib.numbers->lastCount, 10);
    EXPECT_TRUE(lib.numbers->lastNumberSystemOmitted);

    auto bar = first.Bars->Add("One");
    first.clear();
    second.clear();
    bar->Caption("Changed");
    EXPECT_EQ(first.names(), QStringList{"RedrawRequested"});
    EXPECT_TRUE(second.requests.empty());
}

TEST(Notifier, ClashingIdentifierIsDrawnAgainAndRegistryRefusesDuplicates)
{
    FakeLibrary lib;
    FakeListBar first;
    lib.numbers->script = {first.Delegate->UniqueID().toLower(), "FRESH00001"};
    FakeListBar second;
    EXPECT_EQ(second.Delegate->UniqueID(), "FRESH00001");

    EXPECT_FALSE(DelegateRegistry().Add(second.Delegate, first.Delegate->UniqueID()));
    EXPECT_EQ(plat::Err::number(), 0);
    EXPECT_EQ(DelegateRegistry().Item(first.Delegate->UniqueID()), first.Delegate);
}

TEST(Notifier, RegistrationGivesUpAfterBoundedDraws)
{
    FakeLibrary lib;
    lib.numbers->failing = true;
    try {
        LBDelegate::Create();
        FAIL() << "no error";
    } catch (const plat::RuntimeError& e) {
        EXPECT_EQ(e.number(), 429);
        EXPECT_EQ(e.info().source, "ZorvaneListBar.LBDelegate.Initialize");
        EXPECT_TRUE(e.info().helpFile.isEmpty());
    }
    EXPECT_EQ(lib.numbers->draws, MaxIdentifierDraws);
}

TEST(Notifier, ModelThatOutlivesItsControlReachesNothing)
{
    FakeLibrary lib;
    LBBarPtr bar;
    LBButtonPtr button;
    QString delegateID;
    {
        FakeListBar control;
        bar = control.Bars->Add("Bar");
        button = bar->Buttons()->Add("Button", 1);
        delegateID = control.Delegate->UniqueID();
        EXPECT_EQ(button->ParentBar(), bar);
        EXPECT_EQ(control.Delegate->GetParentBar("unknown"), nullptr);
        control.measure = nullptr;
        EXPECT_EQ(control.Delegate->QueryTextWidth("bar", "abc"), 0);
        EXPECT_FALSE(control.last().flag); // PrepFont omitted
    }
    // The notifier stays registered; its requests find no control.
    auto n = DelegateRegistry().Item(delegateID);
    EXPECT_EQ(n->host(), nullptr);
    EXPECT_EQ(button->ParentBar(), nullptr);
    EXPECT_EQ(n->QueryTextWidth(bar->UniqueID(), "text", true), 0);
    bar->Caption("Still works");
    button->Visible(false);
    button->MakeVisible();
    EXPECT_EQ(bar->Caption(), "Still works");
    EXPECT_TRUE(button->Visible());
}

TEST(TrackingObject, HitTestsAreHalfOpenWithTwentyUnitBands)
{
    LBTrackingObject t;
    t.X = 10;
    t.Width = 30;
    t.Y = 0;
    t.Height = 100;
    EXPECT_TRUE(t.HitTest(10, 0));
    EXPECT_TRUE(t.HitTest(39, 99));
    EXPECT_FALSE(t.HitTest(40, 50));
    EXPECT_FALSE(t.HitTest(9, 50));
    EXPECT_FALSE(t.HitTest(20, 100));

    EXPECT_TRUE(t.HitTestBottom(20, 80));
    EXPECT_TRUE(t.HitTestBottom(20, 99));
    EXPECT_FALSE(t.HitTestBottom(20, 79));
    EXPECT_FALSE(t.HitTestBottom(20, 100));
    EXPECT_TRUE(t.HitTestRight(20, 50));
    EXPECT_FALSE(t.HitTestRight(19, 50));
    EXPECT_TRUE(t.HitTestLeft(29, 50));
    EXPECT_FALSE(t.HitTestLeft(30, 50));

    // The band is 20 units whatever the height: the top band of a region 12
    // high reaches 15 units below its top edge.
    t.Height = 12;
    EXPECT_TRUE(t.HitTestTop(20, 15));
    EXPECT_FALSE(t.HitTestTop(20, 20));
    EXPECT_FALSE(t.HitTest(20, 15));
}

TEST(TrackingObject, SumsLeavingThirtyTwoBitsRaiseOverflow)
{
    LBTrackingObject t;
    t.X = INT32_MAX - 5;
    t.Width = 10;
    t.Height = 10;
    for (auto test : {&LBTrackingObject::HitTest, &LBTrackingObject::HitTestTop, &LBTrackingObject::HitTestRight,
                      &LBTrackingObject::HitTestBottom, &LBTrackingObject::HitTestLeft}) {
        try {
            // The first comparison already fails, yet the sums are formed.
            (t.*test)(0, 0);
            FAIL() << "no overflow";
        } catch (const plat::RuntimeError& e) {
            EXPECT_EQ(e.number(), 6);
        }
    }
    EXPECT_EQ(t.X, INT32_MAX - 5);
}

TEST(Errors, HelpFileFollowsTheSystemDirectory)
{
    EXPECT_EQ(helpFilePath("C:\\WINDOWS\\SYSTEM"), "C:\\WINDOWS\\SYSTEM\\ZorvaneSG3.chm");
    EXPECT_EQ(helpFilePath("C:\\WINDOWS\\SYSTEM\\"), "C:\\WINDOWS\\SYSTEM\\ZorvaneSG3.chm");
    EXPECT_EQ(helpFilePath(""), "ZorvaneSG3.chm");
}
