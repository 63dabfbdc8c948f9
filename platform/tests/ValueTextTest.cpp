// The texts the demo windows build from values: numbers joined to a text,
// Booleans, digit grouping and time spans.
#include "Numbers.h"
#include "QtPrinters.h"
#include "Variant.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

using namespace plat;

namespace {

TEST(ValueText, NumbersAsTheyAreJoinedToAText)
{
    // Whole numbers up to 15 digits stay whole, then the exponent form.
    EXPECT_EQ(numberText(123456789012345.0), "123456789012345");
    EXPECT_EQ(numberText(1e15), "1E+15");
    EXPECT_EQ(numberText(0.0001), "0.0001");
    EXPECT_EQ(numberText(0.00001), "1E-05");
    EXPECT_EQ(numberText(1.5), "1.5");
    EXPECT_EQ(Variant(16777216.0).toString(), "16777216");
    // A Single has 7 digits: its shortest text, and the exponent beyond them.
    EXPECT_EQ(singleText(0.1f), "0.1");
    EXPECT_EQ(singleText(3.5f), "3.5");
    EXPECT_EQ(singleText(16777216.0f), "1.677722E+07");
    EXPECT_EQ(Variant(1.0f).toString(), "1");

    EXPECT_EQ(booleanText(true), "True");
    EXPECT_EQ(booleanText(false), "False");
    EXPECT_EQ(Variant(true).toString(), booleanText(true));
}

TEST(ValueText, DigitGroupingOfLargeCountsAndNegativeValues)
{
    // Byte counts of a large disk (a Currency value) stay exact.
    EXPECT_EQ(formatThousands(922337203685477.0), "922,337,203,685,477");
    EXPECT_EQ(formatThousands(Variant::currency(5000000000LL * 10000).toDouble()), "5,000,000,000");
    EXPECT_EQ(formatThousands(-0.6), "-1");
    EXPECT_EQ(formatThousands(-0.4), "");
    EXPECT_EQ(formatThousands(-1000000), "-1,000,000");
    EXPECT_EQ(formatThousands(std::numeric_limits<double>::infinity()), "");
}

TEST(ValueText, TimeSpansInHoursMinutesAndSeconds)
{
    EXPECT_EQ(timeSpanText(0), "00:00:00");
    EXPECT_EQ(timeSpanText(5400), "01:30:00");
    EXPECT_EQ(timeSpanText(59.5), "00:01:00"); // to the nearest second
    EXPECT_EQ(timeSpanText(86399), "23:59:59");
    EXPECT_EQ(timeSpanText(25 * 3600), "25:00:00"); // not folded into a day
    EXPECT_EQ(timeSpanText(360000), "100:00:00");
    EXPECT_EQ(timeSpanText(-61), "-00:01:01");
    EXPECT_EQ(timeSpanText(-0.4), "00:00:00");
    EXPECT_EQ(timeSpanText(std::nan("")), "");
    EXPECT_EQ(timeSpanText(1e300), "");

    EXPECT_EQ(timeSpanTextFromDays(1.0 / 16), "01:30:00");
    EXPECT_EQ(timeSpanTextFromDays(25.0 / 24), "25:00:00");
}

} // namespace
