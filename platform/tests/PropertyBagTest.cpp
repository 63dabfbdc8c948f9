#include "Font.h"
#include "Picture.h"
#include "PropertyBag.h"
#include "QtPrinters.h"
#include "RaisedError.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

using namespace plat;

namespace {
// A bag through its JSON text and back, as the design data stores it.
PropertyBag throughText(const PropertyBag& bag)
{
    const QByteArray text = QJsonDocument(bag.toJson().toArray()).toJson();
    return PropertyBag::fromJson(QJsonDocument::fromJson(text).array());
}

PicturePtr cursorPicture()
{
    QImage img(32, 32, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    img.setPixel(15, 10, qRgb(0, 0, 0));
    auto p = Picture::fromImage(img, Picture::Cursor);
    p->setHotSpot(QPoint(15, 10));
    return p;
}

PropertyBag bagOf(const char* json)
{
    return PropertyBag::fromJson(QJsonDocument::fromJson(json).object());
}
} // namespace

TEST(PropertyBag, ValuesEqualToTheirDefaultsAreNotStored)
{
    PropertyBag bag;
    bag.WriteProperty("Style", Variant(0), Variant(0));
    bag.WriteProperty("UseMaskColor", Variant(true), Variant(true));
    // Stored forms meeting defaults of other numeric types.
    bag.WriteProperty("FontUnderline", Variant(false), Variant(int16_t(0)));
    bag.WriteProperty("FontSize", Variant(8.25f), Variant(8.25));
    bag.WriteProperty("PicClipCellWidth", Variant(32), Variant(int16_t(32)));
    bag.WriteProperty("Caption", Variant("NavButton1"), Variant("NavButton1"));
    bag.WriteProperty("MouseIcon", Variant(Picture::empty()), Variant(Picture::empty()));
    bag.WriteProperty("PictureClip", Variant::nothing(), Variant::nothing());
    EXPECT_TRUE(bag.isEmpty());
    EXPECT_EQ(bag.ReadProperty("Style", Variant(7)).toLong(), 7);

    bag.WriteProperty("AnimationStyle", Variant(2), Variant(1));
    bag.WriteProperty("Caption", Variant("navbutton1"), Variant("NavButton1")); // case counts
    bag.WriteProperty("MouseIcon", Variant(Picture::empty()), Variant::nothing());
    EXPECT_EQ(bag.keys(), (QStringList{"AnimationStyle", "Caption", "MouseIcon"}));
    EXPECT_TRUE(bag.contains("animationstyle"));
    EXPECT_EQ(bag.ReadProperty("ANIMATIONSTYLE", Variant(1)).toLong(), 2);

    // Writing the default again removes what was stored; a changed value keeps its place.
    bag.WriteProperty("AnimationStyle", Variant(1), Variant(1));
    EXPECT_FALSE(bag.contains("AnimationStyle"));
    bag.WriteProperty("Caption", Variant("Go"), Variant("NavButton1"));
    EXPECT_EQ(bag.keys(), (QStringList{"Caption", "MouseIcon"}));
    EXPECT_EQ(bag.ReadProperty("Caption", Variant("NavButton1")).toString(), "Go");
}

TEST(PropertyBag, BooleansAreStoredAsMinusOneAndZero)
{
    PropertyBag bag;
    bag.WriteProperty("Enabled", Variant(false), Variant(true));
    bag.WriteProperty("Value", Variant(true), Variant(false));
    const Variant enabled = bag.ReadProperty("Enabled", Variant(true));
    EXPECT_EQ(enabled.type(), VarType::Long);
    EXPECT_EQ(enabled.toLong(), 0);
    EXPECT_FALSE(enabled.toBool());
    EXPECT_EQ(bag.ReadProperty("Value", Variant(false)).toLong(), -1);
    EXPECT_TRUE(bag.ReadProperty("Value", Variant(false)).toBool());
    // Hand-written true / false read the same way.
    const PropertyBag hand = bagOf(R"({"Enabled": false, "Value": true})");
    EXPECT_EQ(hand.ReadProperty("Enabled").type(), VarType::Long);
    EXPECT_EQ(hand.ReadProperty("Value").toLong(), -1);
}

TEST(PropertyBag, AValueOfTheWrongKindFailsOnlyItsOwnKey)
{
    const PropertyBag bag = bagOf(R"({"ButtonStyle": "two", "Alignment": 1, "Caption": "Hi"})");
    int32_t style = 0, alignment = 2;
    QString caption;
    Err::clear();
    tryStatement([&] { style = bag.ReadProperty("ButtonStyle", Variant(0)).toLong(); });
    EXPECT_EQ(Err::number(), 13);
    tryStatement([&] { alignment = bag.ReadProperty("Alignment", Variant(2)).toLong(); });
    tryStatement([&] { caption = bag.ReadProperty("Caption", Variant("")).toString(); });
    EXPECT_EQ(style, 0);
    EXPECT_EQ(alignment, 1);
    EXPECT_EQ(caption, "Hi");
    Err::clear();
}

TEST(PropertyBag, FontsAndPicturesAreSnapshots)
{
    PropertyBag bag;
    auto font = Font::make("Arial", 9.75, true);
    font->setItalic(true);
    font->setCharset(2);
    bag.WriteProperty("Font", Variant(font), Variant::nothing());
    font->setName("Changed afterwards");

    const auto read1 = bag.ReadProperty("Font").objectAs<Font>();
    const auto read2 = bag.ReadProperty("Font").objectAs<Font>();
    ASSERT_TRUE(read1 && read2);
    EXPECT_NE(read1, read2);
    EXPECT_EQ(read1->Name(), "Arial");
    read1->setSize(30); // the caller's object, not the bag's
    EXPECT_DOUBLE_EQ(read2->Size(), 9.75);
    EXPECT_TRUE(read2->Bold());
    EXPECT_TRUE(read2->Italic());
    EXPECT_EQ(read2->Charset(), 2);

    const auto cursor = cursorPicture();
    bag.WriteProperty("MouseIconBarTab", Variant(cursor), Variant::nothing());
    const auto pic = bag.ReadProperty("MouseIconBarTab").objectAs<Picture>();
    ASSERT_TRUE(pic);
    EXPECT_FALSE(samePicture(pic, cursor));
    EXPECT_EQ(pic->type(), Picture::Cursor);
    EXPECT_EQ(pic->hotSpot(), QPoint(15, 10));
    EXPECT_EQ(pic->image().pixel(15, 10), qRgb(0, 0, 0));

    EXPECT_EQ(raisedError([&] { bag.WriteProperty("Other", Variant(std::make_shared<Object>()), Variant()); }), 13);
    EXPECT_FALSE(bag.contains("Other"));
}

TEST(PropertyBag, EveryKindOfValueSurvivesTheTextForm)
{
    PropertyBag bag;
    bag.WriteProperty("Long", Variant(-5), Variant(0));
    bag.WriteProperty("Integer", Variant(int16_t(7)), Variant(0));
    bag.WriteProperty("Byte", Variant(uint8_t(200)), Variant(0));
    bag.WriteProperty("Single", Variant(8.5f), Variant(0));
    bag.WriteProperty("WholeDouble", Variant(5.0), Variant(0));
    bag.WriteProperty("Double", Variant(0.1), Variant(0));
    bag.WriteProperty("Currency", Variant::currency(12345), Variant(0));
    bag.WriteProperty("LongLong", Variant(int64_t(1) << 40), Variant(0));
    bag.WriteProperty("Decimal", Variant(Variant("18446744073709551615.5").toDecimal()), Variant(0));
    bag.WriteProperty("Date", Variant::date(36526.5), Variant(0));
    bag.WriteProperty("Text", Variant("a \"quoted\" &H10& text"), Variant(""));
    bag.WriteProperty("Empty", Variant(), Variant(1));
    bag.WriteProperty("BackColor", Variant(0x8000000Fu), Variant(0));
    bag.WriteProperty("UseMaskColor", Variant(false), Variant(true));
    bag.WriteProperty("Picture", Variant(Picture::empty()), Variant::nothing());
    bag.WriteProperty("Cursor", Variant(cursorPicture()), Variant::nothing());
    bag.WriteProperty("NoPicture", Variant::nothing(), Variant(Picture::empty()));
    bag.WriteProperty("Font", Variant(Font::make("Courier New", 10)), Variant::nothing());

    const PropertyBag back = throughText(bag);
    ASSERT_EQ(back.keys(), bag.keys());
    for (const QString& key : bag.keys()) {
        const Variant a = bag.ReadProperty(key), b = back.ReadProperty(key);
        EXPECT_EQ(a.type(), b.type()) << key.toStdString();
        if (!a.isObject()) {
            EXPECT_TRUE(sameValue(a, b)) << key.toStdString();
        }
    }
    EXPECT_EQ(back.ReadProperty("Decimal").toString(), "18446744073709551615.5");
    EXPECT_EQ(back.ReadProperty("BackColor").toLong(), int32_t(0x8000000Fu));
    EXPECT_TRUE(back.ReadProperty("NoPicture").isNothing());
    EXPECT_TRUE(back.ReadProperty("Picture").objectAs<Picture>()->isEmpty());
    const auto cursor = back.ReadProperty("Cursor").objectAs<Picture>();
    EXPECT_EQ(cursor->hotSpot(), QPoint(15, 10));
    EXPECT_EQ(cursor->type(), Picture::Cursor);
    EXPECT_EQ(cursor->widthPixels(), 32);
    EXPECT_TRUE(back.ReadProperty("Font").objectAs<Font>()->sameValue(*Font::make("Courier New", 10)));

    // Colours are written in their text form.
    const QJsonArray json = bag.toJson().toArray();
    for (const auto& entry : json) {
        if (entry.toArray()[0].toString() == "BackColor") {
            EXPECT_EQ(entry.toArray()[1].toString(), "&H8000000F&");
        }
    }
}

TEST(PropertyBag, HandWrittenFormsAndMistakes)
{
    const PropertyBag bag = bagOf(R"({
        "BackColor": "&HFF00FF&", "ForeColor": 2147483666, "MaskColor": "&H00C0C0C0&",
        "Caption": "&HFF&", "Size": {"Single": 8.25}, "Count": {"Integer": 3},
        "Font": {"Name": "Arial", "Size": 12, "Bold": true, "Weight": 800}
    })");
    EXPECT_EQ(bag.ReadProperty("BackColor").toLong(), 0xFF00FF);
    EXPECT_EQ(bag.ReadProperty("ForeColor").toLong(), int32_t(0x80000012u));
    EXPECT_EQ(bag.ReadProperty("MaskColor").toLong(), 0xC0C0C0);
    EXPECT_EQ(bag.ReadProperty("Caption").type(), VarType::String); // not a colour name
    EXPECT_EQ(bag.ReadProperty("Size").type(), VarType::Single);
    EXPECT_EQ(bag.ReadProperty("Count").type(), VarType::Integer);
    EXPECT_EQ(bag.ReadProperty("Font").objectAs<Font>()->Weight(), 800);

    auto failure = [](const char* json) {
        try {
            bagOf(json);
        } catch (const RuntimeError& e) {
            return e.info();
        }
        return ErrorInfo{};
    };
    EXPECT_EQ(failure(R"({"Count": {"Integer": 40000}})").number, 380);
    EXPECT_TRUE(failure(R"({"Count": {"Integer": 40000}})").description.contains("Count"));
    EXPECT_EQ(failure(R"({"Pic": {"png": "bm90IGEgcG5n"}})").number, 380);
    EXPECT_EQ(failure(R"({"Odd": {"Something": 1}})").number, 380);
    EXPECT_EQ(failure(R"({"List": [1, 2]})").number, 380);
    EXPECT_TRUE(failure(R"({"Pic": {"resource": "NO_SUCH_RESOURCE"}})").number != 0);
}
