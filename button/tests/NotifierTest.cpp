// The notifier registry: identifiers, registration retries, the recent-hover
// list and toggle-group switch-off.
#include "ButtonGlobals.h"
#include "InterButtonNotify.h"
#include "QtPrinters.h"

#include <Error.h>
#include <Library.h>
#include <Register.h>
#include <ZorvaneNumbers.h>

#include <gtest/gtest.h>

#include <QRegularExpression>
#include <deque>

using namespace button;
namespace globals = button::ZorvaneButtonGlobals;

namespace {

// Hands out scripted identifiers; an empty script entry raises a failure.
class ScriptedNumbers : public zg::ZorvaneNumbers {
public:
    std::deque<QString> script;
    int calls = 0;
    QString GenerateRandomID(int16_t count, const plat::Variant& radix) override
    {
        ++calls;
        lastCount = count;
        lastRadix = radix.toLong();
        if (script.empty())
            plat::raise(5);
        QString id = script.front();
        script.pop_front();
        if (id.isEmpty())
            plat::raise(5);
        return id;
    }
    int lastCount = 0;
    int lastRadix = 0;
};

class NotifierTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        zg::resetForTests();
        globals::resetForTests();
    }
    void TearDown() override
    {
        globals::resetForTests();
        zg::resetForTests();
    }
    std::shared_ptr<ScriptedNumbers> scripted(std::initializer_list<const char*> ids)
    {
        auto n = std::make_shared<ScriptedNumbers>();
        for (auto id : ids)
            n->script.emplace_back(QString::fromLatin1(id));
        zg::installShared<zg::ZorvaneNumbers>(n);
        return n;
    }
};

} // namespace

TEST_F(NotifierTest, RealIdentifiersAreTenBase36DigitsAndDistinct)
{
    zg::registerLibrary();
    auto a = InterButtonNotify::create();
    auto b = InterButtonNotify::create();
    const QRegularExpression shape(QStringLiteral("^[0-9A-Z]{10}$"));
    EXPECT_TRUE(shape.match(a->uniqueIdText()).hasMatch()) << a->uniqueIdText().toStdString();
    EXPECT_TRUE(shape.match(b->uniqueIdText()).hasMatch()) << b->uniqueIdText().toStdString();
    EXPECT_NE(a->uniqueIdText(), b->uniqueIdText());
    EXPECT_EQ(globals::ButtonNotifiers().Count(), 2);
    EXPECT_EQ(a->UniqueID().toString(), a->uniqueIdText());
}

TEST_F(NotifierTest, ClashAndFailedDrawAreRetried)
{
    auto numbers = scripted({"AAAAAAAAAA", "AAAAAAAAAA", "", "BBBBBBBBBB"});
    auto first = InterButtonNotify::create();
    auto second = InterButtonNotify::create();
    EXPECT_EQ(numbers->lastCount, 10);
    EXPECT_EQ(numbers->lastRadix, 36);
    EXPECT_EQ(first->uniqueIdText(), QStringLiteral("AAAAAAAAAA"));
    // The clash and the failed draw each cost one more draw.
    EXPECT_EQ(second->uniqueIdText(), QStringLiteral("BBBBBBBBBB"));
    EXPECT_EQ(numbers->calls, 4);
    EXPECT_TRUE(second->isRegistered());
    EXPECT_EQ(globals::ButtonNotifiers().keyAt(2), QStringLiteral("BBBBBBBBBB"));
}

TEST_F(NotifierTest, RegistrationGivesUpAndLeavesNotifierWorkingUnregistered)
{
    auto numbers = scripted({"AAAAAAAAAA"});
    auto first = InterButtonNotify::create();
    for (int i = 0; i < 200; ++i)
        numbers->script.emplace_back(QStringLiteral("AAAAAAAAAA"));
    auto stuck = InterButtonNotify::create();
    EXPECT_EQ(numbers->calls, 1 + InterButtonNotify::MaxRegistrationAttempts);
    EXPECT_FALSE(stuck->isRegistered());
    EXPECT_TRUE(stuck->uniqueIdText().isEmpty());
    EXPECT_EQ(globals::ButtonNotifiers().Count(), 1);

    // A library that cannot be reached at all ends construction too.
    numbers->script.clear();
    auto unreachable = InterButtonNotify::create();
    EXPECT_FALSE(unreachable->isRegistered());

    // Removing an unregistered notifier never touches the entry it clashed with.
    stuck->RemoveFromCollection();
    EXPECT_TRUE(globals::ButtonNotifiers().containsKey(QStringLiteral("AAAAAAAAAA")));
    // Its events still work for its own button.
    int quits = 0;
    stuck->QuitDisplayingHover = [&] { ++quits; };
    stuck->setHovering(true);
    stuck->NotifyDontHover();
    EXPECT_EQ(quits, 1);
}

TEST_F(NotifierTest, HoveringShiftsRecentIdsOnEveryAssignment)
{
    scripted({"AAAAAAAAAA", "BBBBBBBBBB"});
    auto a = InterButtonNotify::create();
    auto b = InterButtonNotify::create();
    auto& recent = globals::RecentHoverIDs();
    EXPECT_TRUE(recent[0].isEmpty() && recent[1].isEmpty());

    a->setHovering(false); // also a False shifts
    EXPECT_EQ(recent[0], QString());
    EXPECT_EQ(recent[1], QStringLiteral("AAAAAAAAAA"));
    EXPECT_FALSE(a->Hovering());
    b->setHovering(true);
    EXPECT_EQ(recent[0], QStringLiteral("AAAAAAAAAA"));
    EXPECT_EQ(recent[1], QStringLiteral("BBBBBBBBBB"));
    b->setHovering(true);
    EXPECT_EQ(recent[0], QStringLiteral("BBBBBBBBBB"));
    EXPECT_EQ(recent[1], QStringLiteral("BBBBBBBBBB"));
}

TEST_F(NotifierTest, HoverHandOverSkipsOwnAndMissingIds)
{
    scripted({"AAAAAAAAAA", "BBBBBBBBBB", "CCCCCCCCCC"});
    auto a = InterButtonNotify::create();
    auto b = InterButtonNotify::create();
    auto c = InterButtonNotify::create();
    std::vector<char> told;
    a->QuitDisplayingHover = [&] { told.push_back('A'); };
    b->QuitDisplayingHover = [&] { told.push_back('B'); };
    c->QuitDisplayingHover = [&] { told.push_back('C'); };
    a->setHovering(true);
    b->setHovering(true);
    // C starts hovering: A (position 0) then B (position 1) are told.
    globals::handOverHover(c->uniqueIdText());
    c->setHovering(true);
    EXPECT_EQ(told, (std::vector<char>{'A', 'B'}));

    // B has gone away meanwhile; C itself is never told.
    told.clear();
    b->RemoveFromCollection();
    b->RemoveFromCollection(); // twice is harmless
    globals::handOverHover(c->uniqueIdText());
    EXPECT_TRUE(told.empty());
    globals::handOverHover(a->uniqueIdText());
    EXPECT_EQ(told, (std::vector<char>{'C'}));
}

TEST_F(NotifierTest, GroupSwitchOffInRegistryOrderWithExactNames)
{
    scripted({"AAAAAAAAAA", "BBBBBBBBBB", "CCCCCCCCCC", "DDDDDDDDDD", "EEEEEEEEEE"});
    std::vector<NotifierPtr> n;
    std::vector<char> order;
    for (char name : {'A', 'B', 'C', 'D', 'E'}) {
        auto x = InterButtonNotify::create();
        x->setValue(true);
        x->ToggledToFalse = [&order, name, w = std::weak_ptr<InterButtonNotify>(x)] {
            order.push_back(name);
            w.lock()->setValue(false);
        };
        n.push_back(x);
    }
    n[3]->setValue(false); // already off: told, but raises nothing
    n[0]->setToggleGroup(QStringLiteral("Tools"));
    n[1]->setToggleGroup(QStringLiteral("tools")); // another group
    n[2]->setToggleGroup(QStringLiteral("Tools"));
    n[3]->setToggleGroup(QStringLiteral("Tools"));
    n[4]->setToggleGroup(QStringLiteral("Tools "));

    globals::toggleOffGroupMembers(n[2]->uniqueIdText(), QStringLiteral("Tools"));
    EXPECT_EQ(order, (std::vector<char>{'A'}));
    EXPECT_TRUE(n[1]->Value());
    EXPECT_TRUE(n[2]->Value());
    EXPECT_TRUE(n[4]->Value());

    // Names that are blank once trimmed form no group.
    order.clear();
    for (auto& x : n)
        x->setToggleGroup(QStringLiteral("  "));
    n[0]->setValue(true);
    globals::toggleOffGroupMembers(n[2]->uniqueIdText(), QStringLiteral("  "));
    EXPECT_TRUE(order.empty());
}

TEST_F(NotifierTest, HandlerMayDropTheNotifierItRaisedFrom)
{
    scripted({"AAAAAAAAAA", "BBBBBBBBBB"});
    auto a = InterButtonNotify::create();
    auto b = InterButtonNotify::create();
    a->setValue(true);
    a->setToggleGroup(QStringLiteral("G"));
    std::weak_ptr<InterButtonNotify> watch = a;
    a->ToggledToFalse = [&] {
        a->RemoveFromCollection();
        a->ToggledToFalse = nullptr;
        a.reset();
    };
    globals::toggleOffGroupMembers(b->uniqueIdText(), QStringLiteral("G"));
    EXPECT_TRUE(watch.expired());
    EXPECT_EQ(globals::ButtonNotifiers().Count(), 1);
}
