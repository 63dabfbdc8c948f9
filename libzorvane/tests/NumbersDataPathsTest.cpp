#include "DataImpl.h"
#include "Error.h"
#include "FilesAndFoldersImpl.h"
#include "NumbersImpl.h"
#include "QtPrinters.h"

#include <gtest/gtest.h>

namespace {

TEST(RandomIds, DigitsBelongToTheAskedNumberSystem)
{
    zg::NumbersImpl n;
    const QString base36 = n.GenerateRandomID(200, 36);
    EXPECT_EQ(base36.size(), 200);
    for (QChar c : base36)
        EXPECT_TRUE(c.isDigit() || (c >= 'A' && c <= 'Z')) << int(c.unicode());
    for (QChar c : n.GenerateRandomID(200))
        EXPECT_TRUE(c.isDigit());
    for (QChar c : n.GenerateRandomID(200, 2))
        EXPECT_TRUE(c == '0' || c == '1');
    EXPECT_EQ(n.GenerateRandomID(0, 36), "");
    EXPECT_THROW(n.GenerateRandomID(-1), plat::RuntimeError);
    EXPECT_THROW(n.GenerateRandomID(5, 1), plat::RuntimeError);
    EXPECT_THROW(n.GenerateRandomID(5, 37), plat::RuntimeError);
}

TEST(RandomIds, ReplacedSourceGivesRepeatableIdsSoClashesCanBeForced)
{
    zg::NumbersImpl n;
    uint32_t next = 0;
    n.setRandomSource([&next](uint32_t bound) { return next++ % bound; });
    EXPECT_EQ(n.GenerateRandomID(12, 36), "0123456789AB");
    next = 0;
    EXPECT_EQ(n.GenerateRandomID(12, 36), "0123456789AB"); // the same identifier again
    n.setRandomSource([](uint32_t) { return 1000u; });      // out of range: folded back
    EXPECT_EQ(n.GenerateRandomID(3, 10), "000");
    n.setRandomSource({});
    EXPECT_NE(n.GenerateRandomID(20, 36), n.GenerateRandomID(20, 36));
}

TEST(TypeTest, MatchesExactlyTheListedTypeCodes)
{
    zg::DataImpl d;
    const std::vector<int32_t> numeric{2, 3, 4, 5, 6, 14};
    EXPECT_TRUE(d.VarTypeMatches(plat::Variant(int16_t(3)), numeric));
    EXPECT_TRUE(d.VarTypeMatches(plat::Variant(3.5), numeric));
    EXPECT_TRUE(d.VarTypeMatches(plat::Variant::currency(10000), numeric));
    EXPECT_FALSE(d.VarTypeMatches(plat::Variant(true), numeric));
    EXPECT_FALSE(d.VarTypeMatches(plat::Variant(uint8_t(7)), numeric));
    EXPECT_FALSE(d.VarTypeMatches(plat::Variant("3"), numeric));
    EXPECT_FALSE(d.VarTypeMatches(plat::Variant(), numeric));
    EXPECT_FALSE(d.VarTypeMatches(plat::Variant(int16_t(3)), {}));
}

TEST(Paths, TrailingBackslashIsAddedOnce)
{
    zg::FilesAndFoldersImpl f;
    EXPECT_EQ(f.AddTrailingBackslash("C:\\work\\x"), "C:\\work\\x\\");
    EXPECT_EQ(f.AddTrailingBackslash("C:\\"), "C:\\");
    EXPECT_EQ(f.AddTrailingBackslash(""), "");
}

} // namespace
