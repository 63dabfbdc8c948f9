#include "Numbers.h"
#include "QtPrinters.h"
#include "RaisedError.h"
#include "Variant.h"

#include <gtest/gtest.h>

using namespace plat;


TEST(Numbers, ConversionsRoundHalvesToEvenBeforeTheRangeCheck)
{
    EXPECT_EQ(CInt(2.5), 2);
    EXPECT_EQ(CInt(3.5), 4);
    EXPECT_EQ(CInt(-2.5), -2);
    EXPECT_EQ(CInt(-3.5), -4);
    EXPECT_EQ(CInt(-32768.5), -32768);
    EXPECT_EQ(raisedError([] { CInt(32767.5); }), 6);
    EXPECT_EQ(raisedError([] { CInt(-32769); }), 6);
    EXPECT_EQ(CInt(Variant("-32768.5")), -32768);
    EXPECT_EQ(raisedError([] { CInt(Variant("32767.5")); }), 6);
    EXPECT_EQ(raisedError([] { CInt(Variant("twelve")); }), 13);
    EXPECT_EQ(CLng(2147483646.5), 2147483646);
    EXPECT_EQ(raisedError([] { CLng(2147483647.5); }), 6);
    EXPECT_EQ(CLng(Variant(" &HFF ")), 255);
    EXPECT_EQ(CByte(254.5), 254);
    EXPECT_EQ(CByte(-0.5), 0);
    EXPECT_EQ(raisedError([] { CByte(255.5); }), 6);
    EXPECT_EQ(CDec(Variant("18446744073709551615")).toString(), "18446744073709551615");
    EXPECT_EQ(CStr(Variant(2.5)), "2.5");
    EXPECT_TRUE(CBool(Variant("True")));
    EXPECT_DOUBLE_EQ(CDbl(Variant("1e3")), 1000.0);
}

TEST(Numbers, ValReadsTheLeadingNumber)
{
    EXPECT_EQ(Val(""), 0.0);
    EXPECT_EQ(Val("abc"), 0.0);
    EXPECT_EQ(Val("12abc"), 12.0);
    EXPECT_EQ(Val(" 1 2"), 12.0);
    EXPECT_EQ(Val("1\t2\n3"), 123.0);
    EXPECT_EQ(Val("- 3"), -3.0);
    EXPECT_EQ(Val("+3"), 3.0);
    EXPECT_EQ(Val("2.5.1"), 2.5);
    EXPECT_EQ(Val(".5"), 0.5);
    EXPECT_EQ(Val("-.5"), -0.5);
    EXPECT_EQ(Val("-1.5e2x"), -150.0);
    EXPECT_EQ(Val("1D2"), 100.0);
    EXPECT_EQ(Val("1e"), 1.0);
    EXPECT_EQ(Val("1,234"), 1.0);
    EXPECT_EQ(Val("&HFF"), 255.0);
    EXPECT_EQ(Val("&HFFFF"), -1.0);
    EXPECT_EQ(Val("&HFFFFFFFF"), -1.0);
    EXPECT_EQ(Val("&H10000"), 65536.0);
    EXPECT_EQ(Val("&O17"), 15.0);
    EXPECT_EQ(Val("&H1G"), 1.0);
    EXPECT_EQ(raisedError([] { Val("&H100000000"); }), 6);
    EXPECT_EQ(raisedError([] { Val("1e400"); }), 6);
}

TEST(Numbers, IntegerDivisionAndModulus)
{
    EXPECT_EQ(Int(-2.5), -3.0);
    EXPECT_EQ(Int(2.7), 2.0);
    EXPECT_EQ(Fix(-2.5), -2.0);
    EXPECT_EQ(Fix(2.7), 2.0);

    EXPECT_EQ(IntDiv(7, 2), 3);
    EXPECT_EQ(IntDiv(-7, 2), -3); // toward zero, not floor
    EXPECT_EQ(IntDiv(2.5, 1), 2); // operands halve to even first
    EXPECT_EQ(IntDiv(3.5, 1), 4);
    EXPECT_EQ(IntDiv(9, 2.5), 4); // 9 \ 2
    EXPECT_EQ(raisedError([] { IntDiv(7, 0.4); }), 11);
    EXPECT_EQ(raisedError([] { IntDiv(-2147483648.0, -1); }), 6);
    EXPECT_EQ(raisedError([] { IntDiv(3e9, 1); }), 6);
    EXPECT_EQ(IntDiv16(-7, 2), -3);
    EXPECT_EQ(raisedError([] { IntDiv16(-32768, -1); }), 6);
    EXPECT_EQ(raisedError([] { IntDiv16(40000, 2); }), 6);

    EXPECT_EQ(Mod(-7, 2), -1);
    EXPECT_EQ(Mod(7.5, 2), 0); // 8 Mod 2
    EXPECT_EQ(Mod(-2147483648.0, -1), 0);
    EXPECT_EQ(raisedError([] { Mod(1, 0); }), 11);
}

TEST(Numbers, CheckedArithmeticRaisesOverflowInsteadOfWrapping)
{
    EXPECT_EQ(add16(32766, 1), 32767);
    EXPECT_EQ(raisedError([] { add16(32767, 1); }), 6);
    EXPECT_EQ(raisedError([] { sub16(-32768, 1); }), 6);
    EXPECT_EQ(mul16(-256, 128), -32768);
    EXPECT_EQ(raisedError([] { mul16(256, 128); }), 6);
    EXPECT_EQ(add32(2147483646, 1), 2147483647);
    EXPECT_EQ(raisedError([] { add32(2147483647, 1); }), 6);
    EXPECT_EQ(raisedError([] { sub32(-2147483648LL, 1); }), 6);
    EXPECT_EQ(raisedError([] { mul32(65536, 65536); }), 6);
    EXPECT_EQ(raisedError([] { mul32(INT64_MAX, 2); }), 6);
    EXPECT_EQ(checked16(-32768), -32768);
    EXPECT_EQ(raisedError([] { checked32(int64_t(1) << 31); }), 6);
}

TEST(Numbers, TextForms)
{
    EXPECT_EQ(numberText(16777216), "16777216");
    EXPECT_EQ(numberText(-1.25), "-1.25");
    EXPECT_EQ(numberText(1.5e300), "1.5E+300");
    EXPECT_EQ(numberText(2.0 / 3.0), "0.666666666666667");
    EXPECT_EQ(singleText(8.25f), "8.25");
    EXPECT_EQ(singleText(1.0f / 3.0f), "0.3333333");

    EXPECT_EQ(formatThousands(1234567), "1,234,567");
    EXPECT_EQ(formatThousands(999), "999");
    EXPECT_EQ(formatThousands(1000), "1,000");
    EXPECT_EQ(formatThousands(-1234), "-1,234");
    EXPECT_EQ(formatThousands(0), "");
    EXPECT_EQ(formatThousands(0.4), "");
    EXPECT_EQ(formatThousands(16777216.0), "16,777,216");
    EXPECT_EQ(formatThousands(4294967296.0), "4,294,967,296");
    EXPECT_EQ(formatThousands(1234.5), "1,235");

    EXPECT_EQ(Hex(-1), "FFFFFFFF");
    EXPECT_EQ(Hex(255), "FF");
    EXPECT_EQ(Hex(0), "0");
    EXPECT_EQ(Hex(int32_t(0x8000000F)), "8000000F");
    EXPECT_EQ(Hex16(-1), "FFFF");
    EXPECT_EQ(Hex16(int16_t(0x0A0B)), "A0B");
}
