#include "DesignData.h"
#include "Picture.h"
#include "QtPrinters.h"
#include "RaisedError.h"

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace plat;

namespace {

QString pngBase64()
{
    QImage img(3, 2, QImage::Format_RGB32);
    img.fill(qRgb(255, 0, 255));
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    img.save(&buffer, "PNG");
    return QString::fromLatin1(png.toBase64());
}

QByteArray sampleDesign()
{
    return QString::fromUtf8(R"json({
  "form": {
    "name": "frmSample", "caption": "Sample", "left": 150, "top": 300,
    "clientWidth": 9300, "clientHeight": 6300,
    "backColor": "&H80000005&",
    "font": {"Name": "Arial", "Size": 9.75},
    "borderless": true,
    "properties": {"StartUpPosition": 2, "KeyPreview": true}
  },
  "controls": [
    {"name": "Frame1", "type": "Frame", "left": 120, "top": 120, "width": 3000, "height": 2000,
     "properties": [["Caption", "Options"], ["BackColor", 16777215]]},
    {"name": "chkOption", "index": 0, "type": "CheckBox", "container": "Frame1",
     "left": 120, "top": 240, "width": 1500, "height": 255,
     "properties": [["Caption", "&First"], ["Value", 1], ["Visible", false]]},
    {"name": "chkOption", "index": 1, "type": "CheckBox", "container": "frame1",
     "left": 120, "top": 540, "width": 1500, "height": 255},
    {"name": "imgLogo", "type": "Image", "container": "chkOption(1)",
     "properties": {"Picture": {"png": "%1"}, "Stretch": false}},
    {"name": "tmrBlink", "type": "Timer", "properties": {"Interval": 500, "Enabled": false}},
    {"name": "NavButton", "index": 3, "type": "ZSButton", "left": 0, "top": 0, "width": 1800, "height": 1035,
     "bag": [["ButtonStyle", 2], ["Caption", ""], ["ColorButton", "&H00FF0000&"], ["Value", -1],
             ["ButtonImage", {"png": "%1"}], ["Font", {"Name": "Tahoma", "Size": 8, "Bold": true}]]}
  ]
})json")
        .arg(pngBase64())
        .toUtf8();
}

ErrorInfo parseFailure(const QByteArray& json)
{
    try {
        DesignData::parse(json, "C:\\forms\\frmBad.json");
    } catch (const RuntimeError& e) {
        return e.info();
    }
    return {};
}

} // namespace

TEST(DesignData, ReadsTheFormAndItsControlsInCreationOrder)
{
    const DesignData d = DesignData::parse(sampleDesign(), "sample");
    EXPECT_EQ(d.form.name, "frmSample");
    EXPECT_EQ(d.form.caption, "Sample");
    EXPECT_EQ(d.form.left, 150);
    EXPECT_EQ(d.form.top, 300);
    EXPECT_EQ(d.form.clientWidth, 9300);
    EXPECT_EQ(d.form.clientHeight, 6300);
    EXPECT_EQ(d.form.backColor, 0x80000005u);
    ASSERT_TRUE(d.form.font);
    EXPECT_EQ(d.form.font->Name(), "Arial");
    EXPECT_DOUBLE_EQ(d.form.font->Size(), 9.75);
    EXPECT_TRUE(d.form.borderless);
    EXPECT_EQ(d.form.properties.value("StartUpPosition").toLong(), 2);
    EXPECT_TRUE(d.form.properties.value("KeyPreview").toBool());

    ASSERT_EQ(d.controls.size(), 6u);
    QStringList order;
    for (const auto& c : d.controls)
        order << c.fullName();
    EXPECT_EQ(order, (QStringList{"Frame1", "chkOption(0)", "chkOption(1)", "imgLogo", "tmrBlink", "NavButton(3)"}));

    const ControlDesign* frame = d.find("frame1");
    ASSERT_TRUE(frame);
    EXPECT_FALSE(frame->isArrayMember());
    EXPECT_EQ(frame->properties.value("BackColor").toLong(), 0xFFFFFF);
    EXPECT_EQ(frame->properties.keys(), (QStringList{"Caption", "BackColor"}));

    const ControlDesign* option = d.find("chkOption", 0);
    ASSERT_TRUE(option);
    EXPECT_EQ(option->container, "Frame1");
    EXPECT_EQ(option->left, 120);
    EXPECT_EQ(option->height, 255);
    EXPECT_EQ(option->properties.value("Caption").toString(), "&First");
    EXPECT_EQ(option->properties.value("Visible").type(), VarType::Boolean);
    EXPECT_FALSE(option->hasBag);
    EXPECT_EQ(d.find("chkOption"), nullptr); // array members need their index
    EXPECT_EQ(d.find("chkOption", 2), nullptr);

    const auto logo = d.find("imgLogo")->properties.value("Picture").objectAs<Picture>();
    ASSERT_TRUE(logo);
    EXPECT_EQ(logo->widthPixels(), 3);
    EXPECT_EQ(logo->image().pixel(0, 0), qRgb(255, 0, 255));

    const ControlDesign* button = d.find("NavButton", 3);
    ASSERT_TRUE(button);
    EXPECT_EQ(button->type, "ZSButton");
    EXPECT_TRUE(button->hasBag);
    EXPECT_EQ(button->bag.keys(),
              (QStringList{"ButtonStyle", "Caption", "ColorButton", "Value", "ButtonImage", "Font"}));
    EXPECT_EQ(button->bag.ReadProperty("ColorButton", Variant(0x8000000Fu)).toLong(), 0xFF0000);
    EXPECT_TRUE(button->bag.ReadProperty("Value", Variant(false)).toBool());
    EXPECT_EQ(button->bag.ReadProperty("Caption", Variant("NavButton")).toString(), "");
    EXPECT_TRUE(button->bag.ReadProperty("Font").objectAs<Font>()->Bold());
}

TEST(DesignData, AFormWithoutFontGetsTheDefaultOne)
{
    const DesignData d = DesignData::parse(R"({"form": {"name": "frmEmpty"}})", "empty");
    ASSERT_TRUE(d.form.font);
    EXPECT_EQ(d.form.font->Name(), "MS Sans Serif");
    EXPECT_DOUBLE_EQ(d.form.font->Size(), 8.25);
    EXPECT_EQ(d.form.backColor, 0x8000000Fu);
    EXPECT_TRUE(d.controls.empty());
}

TEST(DesignData, SaveWritesTheSameFormatBack)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    DesignData d = DesignData::parse(sampleDesign(), "sample");
    // A user control writes its bag back before the form is saved.
    PropertyBag bag = d.find("NavButton", 3)->bag;
    bag.WriteProperty("ButtonStyle", Variant(0), Variant(0));
    bag.WriteProperty("TextShadow", Variant(1), Variant(0));
    d.find("NavButton", 3)->bag = bag;

    const QString path = dir.filePath("frmSample.json");
    d.save(path);
    const DesignData back = DesignData::load(path);
    EXPECT_EQ(back.source, path);
    EXPECT_EQ(back.toJson(), d.toJson());
    EXPECT_EQ(back.find("NavButton", 3)->bag.keys(),
              (QStringList{"Caption", "ColorButton", "Value", "ButtonImage", "Font", "TextShadow"}));
    EXPECT_EQ(back.find("chkOption", 1)->container, "frame1");
    EXPECT_TRUE(back.form.borderless);
    EXPECT_EQ(back.form.properties.keys(), d.form.properties.keys());
    // Colours are written as text.
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    EXPECT_TRUE(text.contains("\"&H80000005&\""));
    EXPECT_TRUE(text.contains("\"&H00FF0000&\""));

    EXPECT_EQ(raisedError([&] { d.save(dir.filePath("no/such/folder/x.json")); }), 75);
}

TEST(DesignData, MistakesAreReportedWithTheFileAndThePlace)
{
    // A syntax error: the missing comma after "caption" on line 3.
    const ErrorInfo syntax = parseFailure("{\n  \"form\": {\"name\": \"frmBad\",\n    \"caption\": \"x\"  \"left\": 0}\n}");
    EXPECT_EQ(syntax.number, 31037);
    EXPECT_TRUE(syntax.description.contains("C:\\forms\\frmBad.json")) << syntax.description.toStdString();
    EXPECT_TRUE(syntax.description.contains("line 3, column 22")) << syntax.description.toStdString();

    struct Case {
        const char* json;
        const char* mentions;
    };
    const Case cases[] = {
        {R"([1, 2])", "JSON object"},
        {R"({"controls": []})", "\"form\""},
        {R"({"form": {"caption": "no name"}})", "\"name\" is missing"},
        {R"({"form": {"name": "f", "left": "10"}})", "\"left\""},
        {R"({"form": {"name": "f"}, "controls": [{"name": "a"}]})", "control 'a': \"type\" is missing"},
        {R"({"form": {"name": "f"}, "controls": [{"type": "Label"}]})", "control 1"},
        {R"({"form": {"name": "f"}, "controls": [{"name": "a", "type": "Label", "width": 1.5}]})", "\"width\""},
        {R"({"form": {"name": "f"}, "controls": [{"name": "a", "type": "Label", "container": "b"},
                                                  {"name": "b", "type": "Frame"}]})",
         "container 'b'"},
        {R"({"form": {"name": "f"}, "controls": [{"name": "a", "type": "Label"}, {"name": "A", "type": "Label"}]})",
         "defined twice"},
        {R"({"form": {"name": "f"}, "controls": [{"name": "a", "type": "Label"},
                                                  {"name": "a", "index": 0, "type": "Label"}]})",
         "defined twice"},
        {R"({"form": {"name": "f"}, "controls": [{"name": "a", "index": 2, "type": "Label",
                                                   "properties": {"Interval": {"Integer": 99999}}}]})",
         "control 'a(2)': \"properties\": Invalid property value for 'Interval'"},
        {R"({"form": {"name": "f"}, "controls": [{"name": "u", "type": "ZSButton",
                                                   "bag": {"Pic": {"resource": "NO_SUCH_PICTURE"}}}]})",
         "NO_SUCH_PICTURE"},
    };
    for (const Case& c : cases) {
        const ErrorInfo e = parseFailure(c.json);
        EXPECT_EQ(e.number, 31037) << c.json;
        EXPECT_TRUE(e.description.contains(QString::fromUtf8(c.mentions))) << e.description.toStdString();
        EXPECT_TRUE(e.description.contains("frmBad.json")) << e.description.toStdString();
    }

    EXPECT_EQ(raisedError([] { DesignData::load("/no/such/design.json"); }), 53);
}
