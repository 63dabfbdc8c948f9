// The texts the demo windows build from values: numbers joined to a text,
// Booleans, digit grouping and time spans.
#include "Numbers.h"
#include "QtPrinters.h"
#include "Variant.h"

#include <QLocale>
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

TEST(ValueText, DigitsAreGroupedByThousandsWithTheLocalesSeparator)
{
    // Qt's C locale, which the C and POSIX environments give, groups with
    // "," (the C library's own C locale has no separator at all).
    for (const char* name : {"C", "POSIX", "C.UTF-8"})
        EXPECT_EQ(formatThousands(-1234567, QLocale(QString::fromLatin1(name))), "-1,234,567") << name;
    EXPECT_EQ(formatThousands(25274781696.0, QLocale(QStringLiteral("de_DE"))), "25.274.781.696");
    EXPECT_EQ(formatThousands(1234567, QLocale(QStringLiteral("fr_FR"))), u"1\u202F234\u202F567");
    EXPECT_EQ(formatThousands(1234567, QLocale(QStringLiteral("de_CH"))), u"1\u2019234\u2019567");
    // Groups of three even where the locale writes its own numbers in
    // other groups, and digits 0 to 9 even where it writes others.
    EXPECT_EQ(formatThousands(1234567, QLocale(QStringLiteral("hi_IN"))), "1,234,567");
    EXPECT_EQ(formatThousands(1234567, QLocale(QStringLiteral("ar_EG"))), u"1\u066C234\u066C567");
    EXPECT_EQ(formatThousands(999, QLocale(QStringLiteral("de_DE"))), "999");
    EXPECT_EQ(formatThousands(0.4, QLocale(QStringLiteral("de_DE"))), "");

    // Without a locale of its own the program's is used.
    QLocale::setDefault(QLocale(QStringLiteral("de_DE")));
    const QString german = formatThousands(1000);
    QLocale::setDefault(QLocale::c());
    EXPECT_EQ(german, "1.000");
    EXPECT_EQ(formatThousands(1000), "1,000");
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
