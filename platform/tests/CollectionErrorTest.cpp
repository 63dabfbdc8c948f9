#include "Collection.h"
#include "Error.h"
#include "QtPrinters.h"
#include "RaisedError.h"

#include <gtest/gtest.h>
#include <stdexcept>

using namespace plat;

namespace {
Collection<QString> threeLetters()
{
    Collection<QString> c;
    c.Add("a", Variant("Alpha"));
    c.Add("b", Variant("Beta"));
    c.Add("c"); // no key
    return c;
}

ErrorInfo raisedInfo(const std::function<void()>& f)
{
    try {
        f();
    } catch (const RuntimeError& e) {
        return e.info();
    }
    return {};
}
} // namespace

TEST(Collection, PositionsFromOneAndKeysWithoutRegardToCase)
{
    auto c = threeLetters();
    EXPECT_EQ(c.Count(), 3);
    EXPECT_EQ(c.Item(Variant(1)), "a");
    EXPECT_EQ(c.Item(Variant(int16_t(3))), "c");
    EXPECT_EQ(c.Item(Variant(2.0)), "b");
    EXPECT_EQ(c.Item(Variant("alpha")), "a");
    EXPECT_EQ(c.Item(Variant("BETA")), "b");
    EXPECT_EQ(c.positionOfKey("beta"), 2);
    EXPECT_EQ(c.positionOfKey("gamma"), 0);
    EXPECT_TRUE(c.containsKey("ALPHA"));
    EXPECT_EQ(c.find("alpha").value_or(""), "a");
    EXPECT_FALSE(c.find("c").has_value()); // an entry added without a key has none
    EXPECT_EQ(c.keyAt(1), "Alpha");
    EXPECT_EQ(c.keyAt(3), "");

    // A key differing only in case is the same key.
    const ErrorInfo dup = raisedInfo([&] { c.Add("x", Variant("ALPHA")); });
    EXPECT_EQ(dup.number, 457);
    EXPECT_EQ(dup.description, "This key is already associated with an element of this collection");
    EXPECT_EQ(c.Count(), 3);

    const ErrorInfo missing = raisedInfo([&] { c.Item(Variant("gamma")); });
    EXPECT_EQ(missing.number, 5);
    EXPECT_EQ(missing.description, "Invalid procedure call or argument");
    const ErrorInfo range = raisedInfo([&] { c.Item(Variant(0)); });
    EXPECT_EQ(range.number, 9);
    EXPECT_EQ(range.description, "Subscript out of range");
    EXPECT_EQ(raisedError([&] { c.Item(Variant(4)); }), 9);
    EXPECT_EQ(raisedError([&] { c.Item(Variant::null()); }), 13);
}

TEST(Collection, NumbersArePositionsButNumericKeysAreStoredAsText)
{
    Collection<QString> c;
    c.Add("five", Variant("5"));
    c.Add("seven", Variant(7)); // a numeric key becomes the text "7"
    EXPECT_EQ(c.Item(Variant("5")), "five");
    EXPECT_EQ(c.Item(Variant("7")), "seven");
    EXPECT_EQ(c.Item(Variant(1)), "five");   // a number is a position
    EXPECT_EQ(raisedError([&] { c.Item(Variant(5)); }), 9);
    EXPECT_EQ(raisedError([&] { c.Add("again", Variant("7")); }), 457);
    // Empty and Missing keys mean no key.
    c.Add("plain", Variant());
    EXPECT_EQ(c.Count(), 3);
    EXPECT_EQ(c.keyAt(3), "");
}

TEST(Collection, InsertBeforeAPositionAndRemoveByPositionOrKey)
{
    auto c = threeLetters();
    c.Add("first", Variant("First"), Variant(1));
    c.Add("third", Variant::missing(), Variant(3));
    ASSERT_EQ(c.Count(), 5);
    EXPECT_EQ(c.snapshot(), (std::vector<QString>{"first", "a", "third", "b", "c"}));
    EXPECT_EQ(raisedError([&] { c.Add("x", Variant("X"), Variant(0)); }), 9);
    EXPECT_EQ(raisedError([&] { c.Add("x", Variant("X"), Variant(6)); }), 9);
    EXPECT_EQ(raisedError([&] { c.Add("x", Variant("X"), Variant("nokey")); }), 5);
    EXPECT_FALSE(c.containsKey("X")); // a failed insertion leaves nothing behind
    EXPECT_EQ(c.Count(), 5);

    c.Remove(Variant("ALPHA"));
    c.Remove(Variant(1));
    EXPECT_EQ(c.snapshot(), (std::vector<QString>{"third", "b", "c"}));
    EXPECT_FALSE(c.containsKey("First"));
    EXPECT_EQ(raisedError([&] { c.Remove(Variant("Alpha")); }), 5);
    EXPECT_EQ(raisedError([&] { c.Remove(Variant(4)); }), 9);
    // A removed key may be used again.
    c.Add("alpha again", Variant("alpha"));
    EXPECT_EQ(c.Item(Variant("Alpha")), "alpha again");

    // A snapshot is unaffected by later changes.
    const auto before = c.snapshot();
    c.clear();
    EXPECT_EQ(before.size(), 4u);
    EXPECT_EQ(c.Count(), 0);
}

TEST(Collection, ListUsesTheSamePositions)
{
    List<int> l;
    l.Add(10);
    l.Add(20);
    EXPECT_EQ(l.Item(1), 10);
    EXPECT_EQ(l.Item(2), 20);
    EXPECT_EQ(raisedError([&] { l.Item(0); }), 9);
    EXPECT_EQ(raisedError([&] { l.Item(3); }), 9);
    l.Remove(1);
    EXPECT_EQ(l.Item(1), 20);
    EXPECT_EQ(raisedError([&] { l.Remove(2); }), 9);
}

TEST(Error, RaiseCarriesNumberSourceDescriptionAndHelp)
{
    const ErrorInfo info =
        raisedInfo([] { plat::raise(30093, "Model.Item.Image", "Images must be an index or key.", "C:\\help.chm", 1000); });
    EXPECT_EQ(info.number, 30093);
    EXPECT_EQ(info.source, "Model.Item.Image");
    EXPECT_EQ(info.description, "Images must be an index or key.");
    EXPECT_EQ(info.helpFile, "C:\\help.chm");
    EXPECT_EQ(info.helpContext, 1000);
    EXPECT_EQ(raisedInfo([] { plat::raise(6); }).description, "Overflow");
    EXPECT_EQ(standardDescription(13), "Type mismatch");
    EXPECT_EQ(standardDescription(30000), "Application-defined or object-defined error");
}

TEST(Error, StatementsFailOneAtATimeAndOnlyRuntimeErrorsAreTrapped)
{
    Err::clear();
    int ran = 0;
    EXPECT_TRUE(tryStatement([&] { ++ran; }));
    EXPECT_EQ(Err::number(), 0);
    EXPECT_FALSE(tryStatement([&] {
        plat::raise(9);
        ++ran; // never reached
    }));
    EXPECT_EQ(ran, 1);
    EXPECT_EQ(Err::number(), 9);
    EXPECT_EQ(Err::last().description, "Subscript out of range");
    // The next statement runs and Err keeps the last error until cleared.
    EXPECT_TRUE(tryStatement([&] { ++ran; }));
    EXPECT_EQ(ran, 2);
    EXPECT_EQ(Err::number(), 9);
    Err::clear();
    EXPECT_EQ(Err::number(), 0);

    // A failing test of a conditional runs the guarded branch.
    EXPECT_TRUE(tryCondition([]() -> bool { plat::raise(424); }));
    EXPECT_EQ(Err::number(), 424);
    EXPECT_FALSE(tryCondition([] { return false; }));
    EXPECT_TRUE(tryCondition([] { return 1; }));

    // Faults of our own are not hidden.
    EXPECT_THROW(tryStatement([] { throw std::logic_error("bug"); }), std::logic_error);
    EXPECT_THROW(tryCondition([]() -> bool { throw std::out_of_range("bug"); }), std::out_of_range);
    Err::clear();
}
