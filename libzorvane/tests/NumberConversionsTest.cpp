#include "Error.h"
#include "NumbersImpl.h"
#include "QtPrinters.h"
#include "RaisedError.h"

#include <charconv>
#include <gtest/gtest.h>
#include <string>
#include <utility>

namespace {

using plat::Variant;
using plat::VarType;
using zg::ZorvaneNumbers;

// The text and the Variant type of a conversion's result.
struct Result {
    QString text;
    VarType type;
};
Result of(const Variant& v)
{
    return {v.toString(), v.type()};
}

plat::Decimal dec(const char* text)
{
    return Variant(QString::fromLatin1(text)).toDecimal();
}

class NumberConversions : public ::testing::Test {
protected:
    zg::NumbersImpl n;
    Result hex(const char* text, int16_t type)
    {
        return of(n.HexToDec(QString::fromLatin1(text), type));
    }
};

TEST_F(NumberConversions, DigitsReadAsTheBitsOfTheDataTypesWidthAndSign)
{
    struct Case {
        const char* text;
        int16_t type;
        const char* value;
        VarType varType;
    } cases[] = {
        {"0", 0, "0", VarType::Integer},
        {"7FFF", 0, "32767", VarType::Integer},
        {"8000", 0, "-32768", VarType::Integer},
        {"FFFF", 0, "-1", VarType::Integer},
        {"ffff", 1, "65535", VarType::Long},
        {"7FFFFFFF", 2, "2147483647", VarType::Long},
        {"80000000", 2, "-2147483648", VarType::Long},
        {"FFFFFFFF", 3, "4294967295", VarType::LongLong},
        {"8000000000000000", 4, "-9223372036854775808", VarType::LongLong},
        {"FFFFFFFFFFFFFFFF", 4, "-1", VarType::LongLong},
        {"7FFFFFFFFFFFFFFF", 5, "9223372036854775807", VarType::Decimal},
        {"8000000000000000", 5, "9223372036854775808", VarType::Decimal},
        {"FFFFFFFFFFFFFFFF", 5, "18446744073709551615", VarType::Decimal},
        {"  00000000000000000000FFFF ", 1, "65535", VarType::Long}, // leading zeros are not significant
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const Result r = hex(c.text, c.type);
        EXPECT_EQ(r.text, c.value);
        EXPECT_EQ(r.type, c.varType);
    }
    int16_t type = 0;
    EXPECT_EQ(n.OctToDec("177777", type).toString(), "-1");
    EXPECT_EQ(n.OctToDec("1777777777777777777777", type = 5).toString(), "18446744073709551615");
    EXPECT_EQ(n.BinToDec("1000000000000000", type = 0).toString(), "-32768");
    EXPECT_EQ(n.BinToDec(QString(64, QLatin1Char('1')), type = 4).toString(), "-1");
    EXPECT_EQ(type, 4); // the data type is not changed
}

TEST_F(NumberConversions, DigitsReportTooLargeAndForeignCharacters)
{
    int16_t type = 0;
    EXPECT_EQ(raisedError([&] { n.HexToDec("10000", type); }), ZorvaneNumbers::ErrTooLarge);
    EXPECT_EQ(raisedError([&] { n.HexToDec("10000000000000000", type = 5); }), ZorvaneNumbers::ErrTooLarge);
    EXPECT_EQ(raisedError([&] { n.OctToDec("200000", type = 1); }), ZorvaneNumbers::ErrTooLarge);
    EXPECT_EQ(raisedError([&] { n.OctToDec("177777", type = 1); }), 0);
    EXPECT_EQ(raisedError([&] { n.BinToDec(QString(33, QLatin1Char('1')), type = 3); }), ZorvaneNumbers::ErrTooLarge);

    EXPECT_EQ(raisedError([&] { n.HexToDec("12G4", type = 0); }), ZorvaneNumbers::ErrBadDigits);
    EXPECT_EQ(raisedError([&] { n.HexToDec("-1", type); }), ZorvaneNumbers::ErrBadDigits);
    EXPECT_EQ(raisedError([&] { n.HexToDec("", type); }), ZorvaneNumbers::ErrBadDigits);
    EXPECT_EQ(raisedError([&] { n.OctToDec("78", type); }), ZorvaneNumbers::ErrBadDigits);
    EXPECT_EQ(raisedError([&] { n.BinToDec("102", type); }), ZorvaneNumbers::ErrBadDigits);
    // A wrong character wins over the size.
    EXPECT_EQ(raisedError([&] { n.HexToDec("FFFFFFFFFFFFFFFFFFZ", type); }), ZorvaneNumbers::ErrBadDigits);
    EXPECT_EQ(raisedError([&] { n.HexToDec("1", type = 6); }), plat::err::InvalidCall);
    EXPECT_EQ(raisedError([&] { n.HexToDec("1", type = -1); }), plat::err::InvalidCall);

    try {
        n.HexToDec("XYZ", type = 0);
    } catch (const plat::RuntimeError& e) {
        EXPECT_EQ(e.info().source, "ZorvaneNumbers.HexToDec");
        EXPECT_TRUE(e.info().description.contains("0 to 9 and A to F")) << e.info().description.toStdString();
    }
}

TEST_F(NumberConversions, DecimalsAreWrittenInTheValuesOwnWidth)
{
    EXPECT_EQ(n.DecToHex(Variant(int16_t(-1))), "FFFF");
    EXPECT_EQ(n.DecToHex(Variant(int32_t(-1))), "FFFFFFFF");
    EXPECT_EQ(n.DecToHex(Variant(int64_t(-1))), "FFFFFFFFFFFFFFFF");
    EXPECT_EQ(n.DecToHex(Variant(dec("-1"))), "FFFFFFFFFFFFFFFF");
    EXPECT_EQ(n.DecToHex(Variant(true)), "FFFF");
    EXPECT_EQ(n.DecToHex(Variant(int16_t(0))), "0");
    EXPECT_EQ(n.DecToHex(Variant(int16_t(-32768))), "8000");
    EXPECT_EQ(n.DecToHex(Variant(int16_t(32767))), "7FFF");
    EXPECT_EQ(n.DecToHex(Variant(int32_t(INT32_MIN))), "80000000");
    EXPECT_EQ(n.DecToHex(Variant(int64_t(INT64_MIN))), "8000000000000000");
    EXPECT_EQ(n.DecToHex(Variant(dec("9223372036854775808"))), "8000000000000000");
    EXPECT_EQ(n.DecToHex(Variant(dec("18446744073709551615"))), "FFFFFFFFFFFFFFFF");
    EXPECT_EQ(n.DecToHex(Variant(dec("-9223372036854775808"))), "8000000000000000");
    EXPECT_EQ(n.DecToOct(Variant(int16_t(-1))), "177777");
    EXPECT_EQ(n.DecToOct(Variant(int32_t(-1))), "37777777777");
    EXPECT_EQ(n.DecToOct(Variant(int64_t(-1))), "1777777777777777777777");
    EXPECT_EQ(n.DecToBin(Variant(int16_t(-1))), QString(16, QLatin1Char('1')));
    EXPECT_EQ(n.DecToBin(Variant(dec("18446744073709551615"))), QString(64, QLatin1Char('1')));
    EXPECT_EQ(n.DecToBin(Variant(int16_t(5))), "101");
    // Halves round to even; text is read as a number.
    EXPECT_EQ(n.DecToHex(Variant(dec("2.5"))), "2");
    EXPECT_EQ(n.DecToHex(Variant(dec("3.5"))), "4");
    EXPECT_EQ(n.DecToHex(Variant("255")), "FF");

    EXPECT_EQ(raisedError([&] { n.DecToHex(Variant(dec("18446744073709551616"))); }), ZorvaneNumbers::ErrTooLarge);
    EXPECT_EQ(raisedError([&] { n.DecToBin(Variant(dec("-9223372036854775809"))); }), ZorvaneNumbers::ErrTooLarge);
    EXPECT_EQ(raisedError([&] { n.DecToOct(Variant(1e300)); }), ZorvaneNumbers::ErrTooLarge);
    EXPECT_EQ(raisedError([&] { n.DecToHex(Variant("abc")); }), plat::err::TypeMismatch);
    EXPECT_EQ(raisedError([&] { n.DecToHex(Variant::null()); }), 94);
}

TEST_F(NumberConversions, DigitsOfEveryLengthAgreeWithTheStandardLibrary)
{
    // Every length of pattern in each base, full groups and partial ones.
    uint64_t state = 7;
    for (int width = 0; width <= 64; ++width) {
        for (int i = 0; i < 20; ++i) {
            state = state * 6364136223846793005ull + 1442695040888963407ull;
            const uint64_t top = width == 0 ? 0 : uint64_t(1) << (width - 1);
            const uint64_t v = width == 0 ? 0 : top | (state & (top - 1));
            const Variant value(dec(std::to_string(v).c_str()));
            for (const auto& [base, text] : {std::pair{2, n.DecToBin(value)}, std::pair{8, n.DecToOct(value)},
                                             std::pair{16, n.DecToHex(value)}}) {
                char expected[65];
                const auto end = std::to_chars(expected, expected + 64, v, base).ptr;
                ASSERT_EQ(text, QString::fromLatin1(expected, end - expected).toUpper()) << v << " base " << base;
            }
        }
    }
}

TEST_F(NumberConversions, RomanNumeralsBothWays)
{
    EXPECT_EQ(n.DecToRoman(Variant(int16_t(1))), "I");
    EXPECT_EQ(n.DecToRoman(Variant(int16_t(4))), "IV");
    EXPECT_EQ(n.DecToRoman(Variant(int16_t(1994))), "MCMXCIV");
    EXPECT_EQ(n.DecToRoman(Variant(int16_t(3999))), "MMMCMXCIX");
    EXPECT_EQ(raisedError([&] { n.DecToRoman(Variant(int16_t(4000))); }), ZorvaneNumbers::ErrTooLarge);
    EXPECT_EQ(raisedError([&] { n.DecToRoman(Variant(int16_t(0))); }), plat::err::InvalidCall);
    EXPECT_EQ(raisedError([&] { n.DecToRoman(Variant(int16_t(-5))); }), plat::err::InvalidCall);

    EXPECT_EQ(n.RomanToDec("I"), 1);
    EXPECT_EQ(n.RomanToDec("iv"), 4);
    EXPECT_EQ(n.RomanToDec("mCmXcIv"), 1994);
    EXPECT_EQ(n.RomanToDec("MMMCMXCIX"), 3999);
    for (int v = 1; v <= 3999; ++v)
        ASSERT_EQ(n.RomanToDec(n.DecToRoman(Variant(int16_t(v)))), v);
    EXPECT_EQ(raisedError([&] { n.RomanToDec("MMMM"); }), ZorvaneNumbers::ErrTooLarge);
    for (const char* bad : {"IIII", "VX", "IC", "XM", "VV", "", "IL"})
        EXPECT_EQ(raisedError([&] { n.RomanToDec(QString::fromLatin1(bad)); }), ZorvaneNumbers::ErrBadDigits) << bad;
    EXPECT_EQ(raisedError([&] { n.RomanToDec("XIZ"); }), ZorvaneNumbers::ErrBadDigits);
    EXPECT_EQ(raisedError([&] { n.RomanToDec("12"); }), ZorvaneNumbers::ErrBadDigits);
    // Only the seven ASCII letters are numerals: a dotless i folds to "I"
    // in capitals, a fullwidth or Roman-numeral-sign letter looks like one.
    for (const char16_t* bad : {u"\u0131v", u"X\u0131", u"\uFF29V", u"\u2163", u"\u216Ci"})
        EXPECT_EQ(raisedError([&] { n.RomanToDec(QString::fromUtf16(bad)); }), ZorvaneNumbers::ErrBadDigits)
            << QString::fromUtf16(bad).toStdString();
}

TEST_F(NumberConversions, SignedAndUnsignedReadingsAreExactAtEveryWidth)
{
    EXPECT_EQ(n.CSignedInteger(65535), -1);
    EXPECT_EQ(n.CSignedInteger(32768), -32768);
    EXPECT_EQ(n.CSignedInteger(32767), 32767);
    EXPECT_EQ(n.CSignedInteger(-32768), -32768);
    EXPECT_EQ(n.CSignedInteger(0), 0);
    EXPECT_EQ(raisedError([&] { n.CSignedInteger(65536); }), ZorvaneNumbers::ErrTooLarge);
    EXPECT_EQ(raisedError([&] { n.CSignedInteger(-32769); }), ZorvaneNumbers::ErrTooLarge);

    EXPECT_EQ(n.CUnsignedInteger(-1), 65535);
    EXPECT_EQ(n.CUnsignedInteger(-32768), 32768);
    EXPECT_EQ(n.CUnsignedInteger(32767), 32767);

    EXPECT_EQ(n.CSignedLong(Variant(dec("4294967295"))), -1);
    EXPECT_EQ(n.CSignedLong(Variant(dec("2147483648"))), INT32_MIN);
    EXPECT_EQ(n.CSignedLong(Variant(dec("-2147483648"))), INT32_MIN);
    EXPECT_EQ(raisedError([&] { n.CSignedLong(Variant(dec("4294967296"))); }), ZorvaneNumbers::ErrTooLarge);
    EXPECT_EQ(raisedError([&] { n.CSignedLong(Variant(dec("-2147483649"))); }), ZorvaneNumbers::ErrTooLarge);

    EXPECT_EQ(of(n.CUnsignedLong(-1)).text, "4294967295");
    EXPECT_EQ(of(n.CUnsignedLong(INT32_MIN)).text, "2147483648");
    EXPECT_EQ(of(n.CUnsignedLong(INT32_MAX)).text, "2147483647");

    const Result s = of(n.CSignedLong64(Variant(dec("18446744073709551615"))));
    EXPECT_EQ(s.text, "-1");
    EXPECT_EQ(s.type, VarType::LongLong);
    EXPECT_EQ(of(n.CSignedLong64(Variant(dec("9223372036854775808")))).text, "-9223372036854775808");
    EXPECT_EQ(of(n.CSignedLong64(Variant(dec("9223372036854775807")))).text, "9223372036854775807");
    EXPECT_EQ(raisedError([&] { n.CSignedLong64(Variant(dec("18446744073709551616"))); }), ZorvaneNumbers::ErrTooLarge);

    const Result u = of(n.CUnsignedLong64(Variant(dec("-1"))));
    EXPECT_EQ(u.text, "18446744073709551615");
    EXPECT_EQ(u.type, VarType::Decimal);
    EXPECT_EQ(of(n.CUnsignedLong64(Variant(dec("-9223372036854775808")))).text, "9223372036854775808");
    EXPECT_EQ(of(n.CUnsignedLong64(Variant(int64_t(0)))).text, "0");
    EXPECT_EQ(raisedError([&] { n.CUnsignedLong64(Variant(dec("-9223372036854775809"))); }), ZorvaneNumbers::ErrTooLarge);
}

TEST(RandomIdCounts, ZeroNegativeAndHugeCountsAreHandled)
{
    zg::NumbersImpl n;
    EXPECT_EQ(n.GenerateRandomID(0, Variant(int32_t(16))), "");
    EXPECT_EQ(raisedError([&] { n.GenerateRandomID(-32768, Variant(int32_t(2))); }), plat::err::InvalidCall);
    EXPECT_EQ(n.GenerateRandomID(32767, Variant(int32_t(36))).size(), 32767);
}

} // namespace
