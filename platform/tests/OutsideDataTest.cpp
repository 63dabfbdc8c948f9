// Values that come from outside the program (design data, text typed or
// read from files) at the edges of what the runtime's types can hold: each
// case here is an input that once gave a wrong result or undefined
// behaviour.
#include "DesignData.h"
#include "Numbers.h"
#include "PropertyBag.h"
#include "QtPrinters.h"
#include "RaisedError.h"
#include "Variant.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>
#include <limits>

using namespace plat;

namespace {

ErrorInfo designFailure(const QByteArray& json)
{
    try {
        DesignData::parse(json, QStringLiteral("C:\\forms\\frmOdd.json"));
    } catch (const RuntimeError& e) {
        return e.info();
    }
    return ErrorInfo{};
}

PropertyMap mapOf(const char* json) { return PropertyMap::fromJson(QJsonDocument::fromJson(json).object()); }

} // namespace

TEST(OutsideData, DatesOutsideTheYears100To9999Overflow)
{
    for (double serial : {1e300, -1e300, 1e10, 2958466.0, -657435.0, std::numeric_limits<double>::infinity(),
                          std::numeric_limits<double>::quiet_NaN()})
        EXPECT_EQ(raisedError([&] { Variant::date(serial).toString(); }), err::Overflow) << serial;

    // The first and the last day the runtime knows.
    EXPECT_EQ(Variant::date(-657434).toString(), "1/1/100");
    EXPECT_EQ(Variant::date(-657434.5).toString(), "1/1/100 12:00:00 PM");
    EXPECT_EQ(Variant::date(2958465).toString(), "12/31/9999");
    EXPECT_EQ(Variant::date(2958465.5).toString(), "12/31/9999 12:00:00 PM");

    // The same value from design data never becomes a caption.
    for (const char* json : {R"({"Caption": {"Date": 1e300}})", R"({"Caption": {"Date": 1e10}})"}) {
        EXPECT_EQ(raisedError([&] { mapOf(json); }), err::InvalidProperty) << json;
    }
    const ErrorInfo e = designFailure(R"({"form": {"name": "f", "properties": {"Caption": {"Date": 1e300}}}})");
    EXPECT_EQ(e.number, 31037);
    EXPECT_TRUE(e.description.contains("Caption")) << e.description.toStdString();
}
