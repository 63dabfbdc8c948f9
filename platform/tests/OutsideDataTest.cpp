// Values that come from outside the program (design data, text typed or
// read from files) at the edges of what the runtime's types can hold: each
// case here is an input that once gave a wrong result or undefined
// behaviour.
#include "DesignData.h"
#include "Font.h"
#include "Numbers.h"
#include "PropertyBag.h"
#include "QtPrinters.h"
#include "RaisedError.h"
#include "Variant.h"

#include <QJsonArray>
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

TEST(OutsideData, PositionsBeyond32BitsAreRefusedBeforeAnyCast)
{
    struct Case {
        const char* json;
        const char* mentions;
    };
    const Case cases[] = {
        {R"({"form": {"name": "f", "left": 1e20}})", "\"left\" must lie between"},
        {R"({"form": {"name": "f", "clientWidth": -1e300}})", "\"clientWidth\" must lie between"},
        {R"({"form": {"name": "f", "top": 2147483648}})", "\"top\" must lie between"},
        {R"({"form": {"name": "f", "top": 1.5e9}})", nullptr},
        {R"({"form": {"name": "f"}, "controls": [{"name": "a", "type": "Label", "width": 1e20}]})",
         "control 'a': \"width\" must lie between"},
        {R"({"form": {"name": "f"}, "controls": [{"name": "a", "index": 1e20, "type": "Label"}]})", "\"index\""},
        {R"({"form": {"name": "f"}, "controls": [{"name": "a", "type": "Label", "height": 0.5}]})",
         "\"height\" must be a whole number"},
    };
    for (const Case& c : cases) {
        const ErrorInfo e = designFailure(c.json);
        if (!c.mentions) {
            EXPECT_EQ(e.number, 0) << c.json;
            continue;
        }
        EXPECT_EQ(e.number, 31037) << c.json;
        EXPECT_TRUE(e.description.contains(QString::fromUtf8(c.mentions))) << e.description.toStdString();
    }
    const DesignData d = DesignData::parse(R"({"form": {"name": "f", "left": -2147483648, "top": 2147483647}})", "x");
    EXPECT_EQ(d.form.left, std::numeric_limits<int32_t>::min());
    EXPECT_EQ(d.form.top, std::numeric_limits<int32_t>::max());
}

TEST(OutsideData, HugeNumberTextOverflowsWhateverItsFractionOrExponent)
{
    const QString huge = "1" + QString(400, u'0');
    for (const QString& text : {huge + ".5", huge + "e-1", huge + ".000", "-" + huge + ".5", huge + "e-90"}) {
        EXPECT_EQ(raisedError([&] { CDbl(Variant(text)); }), err::Overflow) << text.toStdString();
        EXPECT_EQ(raisedError([&] { Variant(text).toSingle(); }), err::Overflow) << text.toStdString();
        EXPECT_EQ(raisedError([&] { Val(text); }), err::Overflow) << text.toStdString();
    }
    // Only a true underflow reads as 0.
    const QString tiny = "0." + QString(400, u'0') + "1";
    for (const QString& text : {tiny, QStringLiteral("1e-400"), huge + "e-800", "-" + tiny}) {
        EXPECT_EQ(CDbl(Variant(text)), 0.0) << text.toStdString();
        EXPECT_EQ(Val(text), 0.0) << text.toStdString();
    }
    EXPECT_EQ(Val(huge + "e-390"), 1e10);
    EXPECT_EQ(CDbl(Variant(huge + "e-390")), 1e10);
}

TEST(OutsideData, AnEmptyPropertyNameIsRefusedInBothFormsWithItsPlace)
{
    EXPECT_EQ(raisedError([] { mapOf(R"({"": 1})"); }), err::InvalidProperty);
    EXPECT_EQ(raisedError([] { PropertyMap::fromJson(QJsonDocument::fromJson(R"([["", 1]])").array()); }),
              err::InvalidProperty);
    EXPECT_EQ(raisedError([] { PropertyBag::fromJson(QJsonDocument::fromJson(R"({"": 1})").object()); }),
              err::InvalidProperty);

    struct Case {
        const char* json;
        const char* mentions;
    };
    const Case cases[] = {
        {"{\"form\": {\"name\": \"f\",\n  \"properties\": {\"A\": 1, \"\": 1}}}",
         "form: \"properties\": a property name is empty at line 2, column 26"},
        {"{\"form\": {\"name\": \"f\",\n  \"properties\": [[\"A\", \"x\"], [ \"\" , 1]]}}",
         "form: \"properties\": a property name is empty at line 2, column 32"},
        {"{\"form\": {\"name\": \"f\"},\n \"controls\": [{\"name\": \"a\", \"type\": \"Label\"},\n"
         "  {\"name\": \"u\", \"type\": \"ZSButton\", \"properties\": {\"\\\"\": 1},\n   \"bag\": {\"\": {\"Integer\": 1}}}]}",
         "control 'u': \"bag\": a property name is empty at line 4, column 12"},
    };
    for (const Case& c : cases) {
        const ErrorInfo e = designFailure(c.json);
        EXPECT_EQ(e.number, 31037) << c.json;
        EXPECT_TRUE(e.description.contains("frmOdd.json")) << e.description.toStdString();
        EXPECT_TRUE(e.description.contains(QString::fromUtf8(c.mentions))) << e.description.toStdString();
    }
}

TEST(OutsideData, WhatLoadsSavesAndLoadsAgainUnchanged)
{
    const QByteArray design = R"({
        "form": {"name": "f", "properties": {"Z": 1, "a": "x", "B": 2.5, "When": {"Date": 2958465.5}}},
        "controls": [{"name": "u", "type": "ZSButton", "properties": {"\"": true},
                      "bag": {"Font": {"Name": "Arial", "Size": 9, "Weight": 1000, "Charset": 255},
                              "Back Color": 4294967295, "Big": {"Currency": "922337203685477.5807"}}}]})";
    const DesignData first = DesignData::parse(design, "first");
    const QByteArray saved = first.toJson();
    const DesignData second = DesignData::parse(saved, "second");
    EXPECT_EQ(second.toJson(), saved);
}

TEST(OutsideData, LongPropertyListsKeepOrderAndNamesWithoutRegardToCase)
{
    PropertyMap m;
    for (int i = 0; i < 1000; ++i)
        m.set(QStringLiteral("Key%1").arg(i), Variant(int32_t(i)));
    m.set("KEY5", Variant("five"));
    EXPECT_EQ(m.count(), 1000);
    EXPECT_EQ(m.keys().at(5), "Key5");
    EXPECT_EQ(m.value("key5").toString(), "five");
    EXPECT_TRUE(m.remove("kEy3"));
    EXPECT_FALSE(m.contains("Key3"));
    EXPECT_EQ(m.keys().at(3), "Key4");
    EXPECT_EQ(m.value("KEY999").toLong(), 999);
    m.set("Key3", Variant(3));
    EXPECT_EQ(m.keys().last(), "Key3");
    EXPECT_EQ(m.value("key4").toLong(), 4);
    PropertyMap copy = m;
    m.clear();
    EXPECT_FALSE(m.contains("Key4"));
    EXPECT_EQ(copy.value("KEY4").toLong(), 4);
}

TEST(OutsideData, FontFieldsOutOfRangeAreRefusedAndKeepTheirValue)
{
    auto f = Font::make("Arial", 10);
    EXPECT_EQ(raisedError([&] { f->setWeight(70000); }), err::InvalidProperty);
    EXPECT_EQ(raisedError([&] { f->setWeight(-1); }), err::InvalidProperty);
    EXPECT_EQ(raisedError([&] { f->setCharset(256); }), err::InvalidProperty);
    EXPECT_EQ(raisedError([&] { f->setSize(-12); }), err::InvalidProperty);
    EXPECT_EQ(f->Weight(), 400);
    EXPECT_FALSE(f->Bold());
    EXPECT_EQ(f->Charset(), 0);
    EXPECT_DOUBLE_EQ(f->Size(), 10.0);
    f->setWeight(1000);
    f->setCharset(255);
    f->setSize(0);
    EXPECT_EQ(f->Weight(), 1000);
    EXPECT_EQ(f->Charset(), 255);

    for (const char* json : {R"({"Font": {"Name": "Arial", "Weight": 70000}})",
                             R"({"Font": {"Name": "Arial", "Size": -12}})",
                             R"({"Font": {"Name": "Arial", "Size": "12"}})",
                             R"({"Font": {"Name": "Arial", "Weight": 700.5}})",
                             R"({"Font": {"Name": "Arial", "Weight": 1e20}})",
                             R"({"Font": {"Name": "Arial", "Charset": -1}})"}) {
        try {
            mapOf(json);
            ADD_FAILURE() << json;
        } catch (const RuntimeError& e) {
            EXPECT_EQ(e.number(), err::InvalidProperty) << json;
            EXPECT_TRUE(e.info().description.contains("the font's")) << e.info().description.toStdString();
        }
    }
    const ErrorInfo e =
        designFailure(R"({"form": {"name": "f", "font": {"Name": "Arial", "Size": 9, "Weight": 70000}}})");
    EXPECT_EQ(e.number, 31037);
    EXPECT_TRUE(e.description.contains("Weight cannot be 70000")) << e.description.toStdString();
}
