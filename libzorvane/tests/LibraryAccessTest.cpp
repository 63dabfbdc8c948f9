#include "Error.h"
#include "Library.h"
#include "NumbersImpl.h"
#include "Register.h"
#include "StringsImpl.h"
#include "ZorvaneGhostCanvas.h"
#include "ZorvaneNumbers.h"
#include "ZorvaneStrings.h"

#include <gtest/gtest.h>

namespace {

class FakeNumbers : public zg::ZorvaneNumbers {
public:
    QString GenerateRandomID(int16_t, const plat::Variant&) override { return QStringLiteral("FAKE"); }
};

// A class that no library registers.
class Unregistered {
public:
    static constexpr const char* ClassName = "ZorvaneNothingAtAll";
    virtual ~Unregistered() = default;
};

class LibraryAccess : public ::testing::Test {
protected:
    void SetUp() override
    {
        zg::registerLibrary();
        zg::resetForTests();
    }
    void TearDown() override { zg::resetForTests(); }
};

TEST_F(LibraryAccess, SharedInstanceIsMadeOnceAndIsTheRealClass)
{
    auto a = zg::Numbers();
    auto b = zg::shared<zg::ZorvaneNumbers>();
    ASSERT_TRUE(a);
    EXPECT_EQ(a, b);
    EXPECT_NE(dynamic_cast<zg::NumbersImpl*>(a.get()), nullptr);
    EXPECT_NE(dynamic_cast<zg::StringsImpl*>(zg::Strings().get()), nullptr);
}

TEST_F(LibraryAccess, FakeInstalledBeforeOrAfterFirstUseIsWhatSharedReturns)
{
    auto fake = std::make_shared<FakeNumbers>();
    zg::installShared<zg::ZorvaneNumbers>(fake);
    EXPECT_EQ(zg::Numbers(), fake);
    EXPECT_EQ(zg::Numbers()->GenerateRandomID(10), "FAKE");

    zg::resetForTests();
    auto real = zg::Numbers();
    EXPECT_NE(real, fake);
    auto second = std::make_shared<FakeNumbers>();
    zg::installShared<zg::ZorvaneNumbers>(second);
    EXPECT_EQ(zg::Numbers(), second);
}

TEST_F(LibraryAccess, CreateNewGivesANewObjectEachTimeAndFactoriesCanBeReplaced)
{
    auto c1 = zg::NewGhostCanvas();
    auto c2 = zg::NewGhostCanvas();
    ASSERT_TRUE(c1 && c2);
    EXPECT_NE(c1, c2);

    int made = 0;
    zg::installFactory<zg::ZorvaneNumbers>([&made] {
        ++made;
        return std::make_shared<FakeNumbers>();
    });
    auto n1 = zg::createNew<zg::ZorvaneNumbers>();
    auto n2 = zg::createNew<zg::ZorvaneNumbers>();
    EXPECT_NE(n1, n2);
    EXPECT_EQ(made, 2);
    // The shared instance comes from the installed factory too, once.
    EXPECT_EQ(zg::Numbers()->GenerateRandomID(1), "FAKE");
    EXPECT_EQ(zg::Numbers(), zg::Numbers());
    EXPECT_EQ(made, 3);
}

TEST_F(LibraryAccess, MissingFactoryRaises429)
{
    try {
        zg::shared<Unregistered>();
        FAIL() << "no error raised";
    } catch (const plat::RuntimeError& e) {
        EXPECT_EQ(e.number(), 429);
        EXPECT_EQ(e.info().description, "Can't create object");
    }
    EXPECT_THROW(zg::createNew<Unregistered>(), plat::RuntimeError);
}

} // namespace
