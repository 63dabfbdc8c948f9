#include "Font.h"
#include "Picture.h"
#include "QtPrinters.h"
#include "RaisedError.h"
#include "Variant.h"

#include <gtest/gtest.h>

using namespace plat;


TEST(Variant, SpecialValuesAndTypes)
{
    EXPECT_EQ(Variant().varType(), 0);
    EXPECT_EQ(Variant::null().varType(), 1);
    EXPECT_EQ(Variant(int16_t(1)).varType(), 2);
    EXPECT_EQ(Variant(1).varType(), 3);
    EXPECT_EQ(Variant(1.0f).varType(), 4);
    EXPECT_EQ(Variant(1.0).varType(), 5);
    EXPECT_EQ(Variant::currency(1).varType(), 6);
    EXPECT_EQ(Variant("x").varType(), 8);
    EXPECT_EQ(Variant(true).varType(), 11);
    EXPECT_EQ(Variant(uint8_t(1)).varType(), 17);
    EXPECT_EQ(Variant(0x8000000Fu).varType(), 3);
    EXPECT_EQ(Variant(0x8000000Fu).toLong(), int32_t(0x8000000Fu));

    const Variant missing = Variant::missing();
    EXPECT_EQ(missing.varType(), 10);
    EXPECT_TRUE(missing.isMissing());
    EXPECT_FALSE(Variant::errorValue(5).isMissing());
    EXPECT_TRUE(Variant::nothing().isNothing());
    EXPECT_TRUE(Variant::nothing().isObject());
    EXPECT_FALSE(Variant(Picture::empty()).isNothing());

    EXPECT_TRUE(Variant(uint8_t(7)).isNumber());
    EXPECT_TRUE(Variant(Decimal{}).isNumber());
    EXPECT_FALSE(Variant(true).isNumber());
    EXPECT_FALSE(Variant::date(1).isNumber());
    EXPECT_FALSE(Variant("3").isNumber());

    EXPECT_EQ(raisedError([] { Variant(3).toObject(); }), 424);
    EXPECT_EQ(Variant::nothing().toObject(), nullptr);
}

TEST(Variant, TextConvertsToNumbersAsTheRuntimeReadsThem)
{
    EXPECT_EQ(Variant("  12  ").toLong(), 12);
    EXPECT_EQ(Variant("\t-7").toLong(), -7);
    EXPECT_EQ(Variant("+7").toLong(), 7);
    EXPECT_EQ(Variant("&HFF").toLong(), 255);
    EXPECT_EQ(Variant("&hff").toLong(), 255);
    EXPECT_EQ(Variant("&HFFFF").toLong(), -1);      // four hex digits: a 16-bit pattern
    EXPECT_EQ(Variant("&H10000").toLong(), 65536);
    EXPECT_EQ(Variant("&HFFFFFFFF").toLong(), -1);
    EXPECT_EQ(Variant("&O17").toLong(), 15);
    EXPECT_DOUBLE_EQ(Variant("-1.5e2").toDouble(), -150.0);
    EXPECT_DOUBLE_EQ(Variant(".5").toDouble(), 0.5);
    EXPECT_DOUBLE_EQ(Variant("5.").toDouble(), 5.0);
    EXPECT_DOUBLE_EQ(Variant("1,234.5").toDouble(), 1234.5);
    EXPECT_DOUBLE_EQ(Variant("0.000001").toDouble(), 1e-6);
    EXPECT_EQ(Variant("True").toBool(), true);
    EXPECT_EQ(Variant(" false ").toBool(), false);
    EXPECT_EQ(Variant("True").toLong(), -1);
    EXPECT_EQ(Variant("0").toBool(), false);
    EXPECT_EQ(Variant("2").toBool(), true);

    for (const char* bad : {"", "   ", "abc", "12abc", "1 2", "&H", "&HG", "1e", "--1", ".", "1.2.3", "&H-1"})
        EXPECT_EQ(raisedError([bad] { Variant(bad).toDouble(); }), 13) << bad;
    EXPECT_EQ(raisedError([] { Variant("maybe").toBool(); }), 13);
    EXPECT_EQ(raisedError([] { Variant("&H100000000").toLong(); }), 6);
    EXPECT_EQ(raisedError([] { Variant("1e400").toDouble(); }), 6);
    EXPECT_DOUBLE_EQ(Variant("1e-400").toDouble(), 0.0);

    EXPECT_TRUE(isNumericText(" 12 "));
    EXPECT_TRUE(isNumericText("&HFF"));
    EXPECT_TRUE(isNumericText("-1.5E+3"));
    EXPECT_FALSE(isNumericText(""));
    EXPECT_FALSE(isNumericText("12abc"));
    EXPECT_FALSE(isNumericText("True"));
}

TEST(Variant, WholeNumberConversionsRoundHalvesToEvenThenCheckTheRange)
{
    EXPECT_EQ(Variant(2.5).toInteger(), 2);
    EXPECT_EQ(Variant(3.5).toInteger(), 4);
    EXPECT_EQ(Variant(-2.5).toLong(), -2);
    EXPECT_EQ(Variant("2.5").toLong(), 2);
    EXPECT_EQ(Variant("3.5").toLong(), 4);
    EXPECT_EQ(Variant("-32768.5").toInteger(), -32768);
    EXPECT_EQ(raisedError([] { Variant("32767.5").toInteger(); }), 6);
    EXPECT_EQ(raisedError([] { Variant(32767.5).toInteger(); }), 6);
    EXPECT_EQ(raisedError([] { Variant(2147483647.5).toLong(); }), 6);
    EXPECT_EQ(Variant(254.5).toByte(), 254);
    EXPECT_EQ(raisedError([] { Variant(255.5).toByte(); }), 6);
    EXPECT_EQ(raisedError([] { Variant(-1).toByte(); }), 6);
    EXPECT_EQ(raisedError([] { Variant(int64_t(1) << 40).toLong(); }), 6);
    EXPECT_EQ(raisedError([] { Variant(1e19).toLongLong(); }), 6);
    EXPECT_EQ(raisedError([] { Variant(1e300).toInteger(); }), 6);
    EXPECT_EQ(Variant("9223372036854775807").toLongLong(), INT64_MAX);
    EXPECT_EQ(raisedError([] { Variant("9223372036854775808").toLongLong(); }), 6);
    EXPECT_EQ(Variant(true).toInteger(), -1);
    EXPECT_EQ(Variant().toLong(), 0);
    // Currency halves go to even as well: 2.5 and 3.5 as scaled values.
    EXPECT_EQ(Variant::currency(25000).toLong(), 2);
    EXPECT_EQ(Variant::currency(35000).toLong(), 4);
    EXPECT_EQ(Variant::currency(-25001).toLong(), -3);

    EXPECT_EQ(raisedError([] { Variant::null().toLong(); }), 94);
    EXPECT_EQ(raisedError([] { Variant::null().toString(); }), 94);
    EXPECT_EQ(raisedError([] { Variant(Font::make()).toLong(); }), 13);
    EXPECT_EQ(raisedError([] { Variant::missing().toDouble(); }), 13);
    EXPECT_EQ(raisedError([] { Variant(1e39).toSingle(); }), 6);
}

TEST(Variant, CurrencyAndDecimalKeepTheirDigits)
{
    EXPECT_EQ(Variant::currencyFromDouble(1.23456).rawInteger(), 12346);
    EXPECT_EQ(Variant("0.00025").toCurrencyScaled(), 2); // text is exact: the half goes to even
    EXPECT_EQ(Variant("0.00035").toCurrencyScaled(), 4);
    EXPECT_EQ(raisedError([] { Variant::currencyFromDouble(1e15); }), 6);
    EXPECT_EQ(Variant("922337203685477.5807").toCurrencyScaled(), INT64_MAX);
    EXPECT_EQ(Variant(3).toCurrencyScaled(), 30000);

    const Decimal big = Variant("18446744073709551615").toDecimal();
    EXPECT_EQ(big.toString(), "18446744073709551615");
    EXPECT_EQ(Variant(big).toString(), "18446744073709551615");
    EXPECT_EQ(Variant("79228162514264337593543950335").toDecimal().toString(), "79228162514264337593543950335");
    EXPECT_EQ(raisedError([] { Variant("79228162514264337593543950336").toDecimal(); }), 6);
    EXPECT_EQ(Variant("-0.10").toDecimal().toString(), "-0.1");
    // Beyond 28 decimals the digits round half to even.
    EXPECT_EQ(Variant("1.00000000000000000000000000005").toDecimal().toString(), "1");
    EXPECT_EQ(Variant("1.00000000000000000000000000015").toDecimal().toString(), "1.0000000000000000000000000002");
    EXPECT_EQ(Decimal::fromDouble(0.1).toString(), "0.1");
    EXPECT_EQ(Decimal::fromDouble(-1234.5).toString(), "-1234.5");
    EXPECT_DOUBLE_EQ(Variant("0.1").toDecimal().toDouble(), 0.1);
    EXPECT_EQ(raisedError([] { Decimal::fromDouble(1e29); }), 6);
    EXPECT_EQ(Variant(Variant("2.5").toDecimal()).toLong(), 2);
}

TEST(Variant, NumbersAsTheRuntimeWritesThem)
{
    EXPECT_EQ(Variant(16777216.0).toString(), "16777216");
    EXPECT_EQ(Variant(1.5).toString(), "1.5");
    EXPECT_EQ(Variant(-0.0).toString(), "0");
    EXPECT_EQ(Variant(1.0 / 3.0).toString(), "0.333333333333333");
    EXPECT_EQ(Variant(123456789012345.0).toString(), "123456789012345");
    EXPECT_EQ(Variant(1e15).toString(), "1E+15");
    EXPECT_EQ(Variant(0.0001).toString(), "0.0001");
    EXPECT_EQ(Variant(0.00001).toString(), "1E-05");
    EXPECT_EQ(Variant(0.1f).toString(), "0.1");
    EXPECT_EQ(Variant(16777217.0f).toString(), "1.677722E+07");
    EXPECT_EQ(Variant::currency(15000).toString(), "1.5");
    EXPECT_EQ(Variant::currency(12345).toString(), "1.2345");
    EXPECT_EQ(Variant::currency(-5).toString(), "-0.0005");
    EXPECT_EQ(Variant(true).toString(), "True");
    EXPECT_EQ(Variant(false).toString(), "False");
    EXPECT_EQ(Variant().toString(), "");
    EXPECT_EQ(Variant(int16_t(-5)).toString(), "-5");
    EXPECT_EQ(Variant::date(36526).toString(), "1/1/2000");
    EXPECT_EQ(Variant::date(36526.75).toString(), "1/1/2000 6:00:00 PM");
    EXPECT_EQ(Variant::date(0).toString(), "12:00:00 AM");
}

TEST(Variant, SameValueComparesAsImageReferencesAndDefaultsDo)
{
    // numbers by value across the numeric types
    EXPECT_TRUE(sameValue(Variant(int16_t(3)), Variant(3.0)));
    EXPECT_TRUE(sameValue(Variant(3), Variant::currency(30000)));
    EXPECT_TRUE(sameValue(Variant(8.25f), Variant(8.25)));
    EXPECT_TRUE(sameValue(Variant(Variant("1.50").toDecimal()), Variant(1.5)));
    EXPECT_TRUE(sameValue(Variant(Variant("1.50").toDecimal()), Variant(Variant("1.5").toDecimal())));
    EXPECT_TRUE(sameValue(Variant(uint8_t(32)), Variant(int16_t(32))));
    EXPECT_FALSE(sameValue(Variant(3), Variant(3.5)));
    EXPECT_FALSE(sameValue(Variant(0.1f), Variant(0.1)));
    // text exactly, and never equal to a number
    EXPECT_TRUE(sameValue(Variant("key"), Variant("key")));
    EXPECT_FALSE(sameValue(Variant("key"), Variant("KEY")));
    EXPECT_FALSE(sameValue(Variant(3), Variant("3")));
    EXPECT_FALSE(sameValue(Variant("0"), Variant(false)));
    // Empty equals 0 and ""; Booleans are -1 and 0
    EXPECT_TRUE(sameValue(Variant(), Variant(0)));
    EXPECT_TRUE(sameValue(Variant(""), Variant()));
    EXPECT_TRUE(sameValue(Variant(), Variant()));
    EXPECT_FALSE(sameValue(Variant(), Variant(" ")));
    EXPECT_FALSE(sameValue(Variant(), Variant(1)));
    EXPECT_TRUE(sameValue(Variant(false), Variant(int16_t(0))));
    EXPECT_TRUE(sameValue(Variant(true), Variant(-1)));
    EXPECT_FALSE(sameValue(Variant(true), Variant(1)));
    // Null equals nothing, not even Null
    EXPECT_FALSE(sameValue(Variant::null(), Variant::null()));
    EXPECT_FALSE(sameValue(Variant::null(), Variant()));
    // objects by identity, pictures by Handle
    auto font = Font::make();
    EXPECT_TRUE(sameValue(Variant(font), Variant(font)));
    EXPECT_FALSE(sameValue(Variant(font), Variant(font->clone())));
    EXPECT_TRUE(sameValue(Variant(Picture::empty()), Variant(Picture::empty())));
    EXPECT_FALSE(sameValue(Variant::nothing(), Variant(Picture::empty())));
    EXPECT_TRUE(sameValue(Variant::nothing(), Variant::nothing()));
    EXPECT_FALSE(sameValue(Variant::nothing(), Variant()));
    QImage img(4, 4, QImage::Format_RGB32);
    img.fill(Qt::blue);
    auto pic = Picture::fromImage(img);
    EXPECT_TRUE(sameValue(Variant(pic), Variant(pic)));
    EXPECT_FALSE(sameValue(Variant(pic), Variant(pic->copy())));
    EXPECT_FALSE(sameValue(Variant(pic), Variant(0)));
    EXPECT_TRUE(sameValue(Variant::missing(), Variant::missing()));
}
