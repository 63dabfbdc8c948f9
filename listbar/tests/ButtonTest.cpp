// A button's setters and the buttons collection.
#include "FakeLibrary.h"
#include "FakeListBar.h"
#include "Picture.h"
#include "QtPrinters.h"

#include <gtest/gtest.h>

using namespace listbar;
using namespace listbar::testing;

namespace {

struct ButtonFixture : ::testing::Test {
    FakeLibrary lib;
    FakeListBar control;
    LBBarPtr bar = control.Bars->Add("Bar");
    LBButtonsPtr buttons = bar->Buttons();

    void add(int n)
    {
        for (int i = 1; i <= n; ++i)
            buttons->Add(QStringLiteral("B%1").arg(i), i, QStringLiteral("k%1").arg(i));
        control.clear();
    }
    QList<int32_t> orders() const
    {
        QList<int32_t> o;
        for (const auto& b : buttons->NewEnum())
            o << b->ButtonOrder();
        return o;
    }
};

} // namespace

TEST_F(ButtonFixture, ImageReferencesCompareByValueAndRefuseObjects)
{
    add(1);
    auto b = buttons->Item(1);
    b->ButtonImage(3);
    b->ButtonImage(3);
    EXPECT_EQ(control.names(), QStringList{"RedrawRequested"});
    EXPECT_EQ(control.last().button, b->UniqueID());
    b->ButtonImage(3.0);
    EXPECT_EQ(control.requests.size(), 1u);
    b->ButtonImage("3");
    EXPECT_EQ(control.requests.size(), 2u);
    EXPECT_TRUE(b->ButtonImage().isString());

    // An empty reference equals 0 and "": it stays empty.
    control.clear();
    b->ButtonImageDown(0);
    b->ButtonImageDown("");
    EXPECT_TRUE(control.requests.empty());
    EXPECT_TRUE(b->ButtonImageDown().isEmpty());

    b->ButtonImageHover("key");
    control.clear();
    const plat::Variant picture(plat::Picture::empty());
    try {
        b->ButtonImageHover(picture);
        FAIL() << "no error";
    } catch (const plat::RuntimeError& e) {
        EXPECT_EQ(e.number(), 30093);
        EXPECT_EQ(e.info().source, "ZorvaneListBar.LBButton.ButtonImageHover");
        EXPECT_EQ(e.info().description, "ZSListBar LBButton objects do not support image objects.  "
                                        "ButtonImageHover should always be an index or key.");
        EXPECT_TRUE(e.info().helpFile.isEmpty());
        EXPECT_EQ(e.info().helpContext, 0);
    }
    try {
        b->ButtonImage(picture);
    } catch (const plat::RuntimeError& e) {
        EXPECT_EQ(e.info().source, "ZorvaneListBar.LBButton.ButtonImage");
    }
    EXPECT_THROW(b->ButtonImageDown(plat::Variant::nothing()), plat::RuntimeError);
    EXPECT_EQ(b->ButtonImage().toString(), "3");
    EXPECT_EQ(b->ButtonImageHover().toString(), "key");
    EXPECT_TRUE(control.requests.empty());
}

TEST_F(ButtonFixture, CaptionChangesAreMeasuredThenRedrawn)
{
    add(2);
    auto b = buttons->Item(1);
    b->Caption("Longer caption");
    EXPECT_EQ(control.names(), (QStringList{"DetermineLongestText", "TextWidthQuery", "TextWidthQuery",
                                            "TextWidthQuery", "RedrawRequested"}));
    EXPECT_TRUE(control.requests[1].flag); // the first query selects the bar's font
    EXPECT_EQ(b->TextWidth(), 14 * 7);
    EXPECT_EQ(buttons->LongestTextWidth(), 14 * 7);

    control.clear();
    b->Caption("Longer caption");
    EXPECT_TRUE(control.requests.empty());

    // From the empty text to a text the caption is measured too.
    b->Caption("");
    control.clear();
    b->Caption("A");
    EXPECT_EQ(control.names().first(), "DetermineLongestText");
    EXPECT_EQ(control.names().last(), "RedrawRequested");
    EXPECT_EQ(b->TextWidth(), 7);
    EXPECT_EQ(buttons->LongestTextWidth(), 14);
}

TEST_F(ButtonFixture, VisibleOrderTagAndKey)
{
    add(3);
    auto b = buttons->Item(2);
    b->Visible(true);
    b->Tag("anything");
    b->ButtonOrder(0);
    b->ButtonOrder(2);
    EXPECT_TRUE(control.requests.empty());

    b->Visible(false);
    EXPECT_EQ(control.names(), QStringList{"CalculateVisibleButtons"});
    EXPECT_EQ(buttons->VisibilityMask(), "101");
    EXPECT_EQ(buttons->VisibleCount(), 2);

    // Moving asks the control, which stores the new positions.
    control.clear();
    b->ButtonOrder(3);
    EXPECT_EQ(control.names(), QStringList{"OrderChange"});
    EXPECT_EQ(b->ButtonOrder(), 3);
    EXPECT_EQ(buttons->Item(3), b);
    EXPECT_EQ(buttons->Item("K2"), b);
    EXPECT_EQ(orders(), (QList<int32_t>{1, 2, 3}));
    // The mask follows the new order.
    EXPECT_EQ(buttons->VisibilityMask(), "110");
    b->ButtonOrder(9); // the control ignores a position past the end
    EXPECT_EQ(b->ButtonOrder(), 3);
}

TEST_F(ButtonFixture, MakeVisibleAndEditCaptionShowAHiddenButtonWithoutARecountRequest)
{
    add(3);
    auto b = buttons->Item(2);
    b->Visible(false);
    control.clear();
    b->MakeVisible();
    EXPECT_TRUE(b->Visible());
    EXPECT_FALSE(control.names().contains("CalculateVisibleButtons"));
    EXPECT_EQ(control.last().name, "MakeVisible");
    // The control's answer already sees the button counted.
    EXPECT_EQ(control.last().mask, "111");
    EXPECT_EQ(buttons->VisibleCount(), 3);

    b->Visible(false);
    control.clear();
    b->EditCaption();
    EXPECT_EQ(control.names(), QStringList{"EditCaption"});
    EXPECT_EQ(control.last().mask, "111");
    EXPECT_EQ(buttons->VisibleCount(), 3);
}

TEST_F(ButtonFixture, AddNumbersMasksAndPaintsTheNewButton)
{
    control.clear();
    auto a = buttons->Add("A", 1);
    EXPECT_EQ(control.paints, 1);
    // The one painted redraw already counts the new button.
    EXPECT_EQ(control.last().name, "RedrawRequested");
    EXPECT_EQ(control.last().mask, "1");
    EXPECT_FALSE(control.last().suppressed);
    buttons->Add("B", 2);
    buttons->Add("C", 3);
    EXPECT_EQ(orders(), (QList<int32_t>{1, 2, 3}));
    EXPECT_EQ(buttons->VisibilityMask(), "111");
    EXPECT_EQ(buttons->VisibleCount(), 3);
    EXPECT_EQ(control.paints, 3);
    EXPECT_EQ(buttons->ItemByID(a->UniqueID()), a);
    EXPECT_EQ(buttons->Add("empty key", 4, "")->Key(), "");
    EXPECT_FALSE(buttons->KeyExists(""));
}

TEST_F(ButtonFixture, AddRefusesDuplicateKeysAndImageObjectsLeavingEverythingAsItWas)
{
    add(1);
    auto other = control.Bars->Add("Other");
    EXPECT_NO_THROW(other->Buttons()->Add("Same key elsewhere", 1, "k1"));
    EXPECT_TRUE(buttons->KeyExists("K1"));

    control.Delegate->PreventRefresh = true;
    control.clear();
    try {
        buttons->Add("Dup", 2, "K1");
        FAIL() << "no error";
    } catch (const plat::RuntimeError& e) {
        EXPECT_EQ(e.number(), 457);
        EXPECT_EQ(e.info().source, "ZorvaneListBar.LBButtons.Add");
        EXPECT_EQ(e.info().description, plat::standardDescription(457));
        EXPECT_TRUE(e.info().helpFile.isEmpty());
    }
    EXPECT_TRUE(control.Delegate->PreventRefresh);
    EXPECT_EQ(buttons->Count(), 1);
    EXPECT_EQ(buttons->VisibilityMask(), "1");

    control.Delegate->PreventRefresh = false;
    try {
        buttons->Add("Picture", plat::Variant(plat::Picture::empty()));
        FAIL() << "no error";
    } catch (const plat::RuntimeError& e) {
        EXPECT_EQ(e.number(), 30093);
        EXPECT_EQ(e.info().source, "ZorvaneListBar.LBButtons.Add");
        EXPECT_EQ(e.info().description,
                  "ZSListBar LBButton objects do not support image objects.  ButtonImage should always be an index "
                  "or key.");
    }
    EXPECT_FALSE(control.Delegate->PreventRefresh);
    EXPECT_EQ(buttons->Count(), 1);
}

TEST_F(ButtonFixture, IdentifierClashIsRedrawnAndEndlessFailureIsReported)
{
    add(1);
    lib.numbers->script = {buttons->Item(1)->UniqueID(), "OTHER00001"};
    EXPECT_EQ(buttons->Add("B", 2)->UniqueID(), "OTHER00001");

    lib.numbers->failing = true;
    try {
        buttons->Add("C", 3, "c");
        FAIL() << "no error";
    } catch (const plat::RuntimeError& e) {
        EXPECT_EQ(e.number(), 429);
        EXPECT_EQ(e.info().source, "ZorvaneListBar.LBButtons.Add");
    }
    EXPECT_EQ(buttons->Count(), 2);
    EXPECT_FALSE(buttons->KeyExists("c"));
    EXPECT_EQ(buttons->VisibilityMask(), "11");
    EXPECT_FALSE(control.Delegate->PreventRefresh);
}

TEST_F(ButtonFixture, RemoveRenumbersAndRecountsAndIgnoresUnknownButtons)
{
    add(3);
    buttons->Item(2)->Visible(false);
    auto removed = buttons->Item(2);
    buttons->Item(1)->Caption("The widest caption");
    control.clear();
    buttons->Remove(2);
    EXPECT_EQ(buttons->VisibilityMask(), "11");
    EXPECT_EQ(buttons->VisibleCount(), 2);
    EXPECT_EQ(control.names().last(), "KillTrackingObject");
    EXPECT_EQ(buttons->ItemByID(removed->UniqueID()), nullptr);
    EXPECT_EQ(removed->Caption(), "B2");

    // Removing a visible button counts it out.
    buttons->Remove("K1");
    EXPECT_EQ(orders(), (QList<int32_t>{1}));
    EXPECT_EQ(buttons->VisibilityMask(), "1");
    EXPECT_EQ(buttons->VisibleCount(), 1);
    EXPECT_EQ(buttons->LongestTextWidth(), 2 * 7);

    control.clear();
    buttons->Remove("missing");
    buttons->Remove(5);
    buttons->Remove(0);
    EXPECT_TRUE(control.requests.empty());
    EXPECT_EQ(buttons->Count(), 1);
    EXPECT_EQ(buttons->Item(1)->ButtonOrder(), 1);
    EXPECT_EQ(plat::Err::number(), 0);
}

namespace listbar::testing {
namespace {

// Every public member of the two collections and of a button carries its
// text, spelled as hosts show it (double blanks included).
TEST(ModelDescriptions, EveryPublicMemberHasItsText)
{
    const QStringList bars = {"KeyExists", "ActiveBar", "Add", "Item", "Count", "Remove"};
    const QStringList buttons = {"Add", "Item", "Count", "KeyExists", "Remove"};
    const QStringList button = {"ParentBar", "Tag", "EditCaption", "ButtonOrder", "MakeVisible", "Visible",
                                "Caption", "ButtonImage", "ButtonImageHover", "ButtonImageDown", "Key"};
    for (const QString& m : bars)
        EXPECT_FALSE(LBBars::memberDescription(m).isEmpty()) << m.toStdString();
    for (const QString& m : buttons)
        EXPECT_FALSE(LBButtons::memberDescription(m).isEmpty()) << m.toStdString();
    for (const QString& m : button)
        EXPECT_FALSE(LBButton::memberDescription(m).isEmpty()) << m.toStdString();

    EXPECT_EQ(LBBars::memberDescription("KeyExists"),
              "Returns 'True' if the specified key exists in the collection.  This is useful for testing prior to "
              "adding a new bar.");
    EXPECT_EQ(LBButtons::memberDescription("KeyExists"),
              "Returns 'True' if the specified key is already being used in the collection.  This is mostly useful "
              "in testing key values just prior to adding a new button.");
    EXPECT_EQ(LBButton::memberDescription("ButtonOrder"),
              "Returns/sets the index of the button in  its collection.  Changing this value will effectively move "
              "the button's position.  Valid values are 1 to the number of buttons in its collection.");
    EXPECT_EQ(LBButton::memberDescription("MakeVisible"),
              "Causes the button to become visible.  The button's bar is activated (if not already) and the buttons "
              "are instantly scrolled into a position that ensures visibility of this button.   If it's visible "
              "property was 'False', it is set to 'True' first.");
    EXPECT_EQ(LBButton::memberDescription("Key"), "Returns the key associated with this button.  (Read Only)");
    EXPECT_EQ(LBBars::memberDescription("Item"), "Returns the specified bar.");
    EXPECT_EQ(LBButtons::memberDescription("Item"), "Returns the specified button.");

    // Names that are not public members of that class have no text.
    EXPECT_EQ(LBBars::memberDescription("ItemByID"), QString());
    EXPECT_EQ(LBButtons::memberDescription("VisibilityMask"), QString());
    EXPECT_EQ(LBButton::memberDescription("UniqueID"), QString());
    EXPECT_EQ(LBButton::memberDescription("Remove"), QString());
}

} // namespace
} // namespace listbar::testing
