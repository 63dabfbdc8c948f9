// Controls at rest: a property set to the value it has changes nothing on
// the screen, and a text box shows new text from its start.
#include "UiTestSupport.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>

using namespace plat;
using uitest::makeForm;

namespace {

// Counts the paints and the moves and resizes of the widgets it watches.
class WidgetActivity : public QObject {
public:
    void watch(QWidget* w)
    {
        if (w)
            w->installEventFilter(this);
    }
    int paints = 0, geometry = 0;

protected:
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Paint)
            ++paints;
        else if (e->type() == QEvent::Move || e->type() == QEvent::Resize)
            ++geometry;
        return false;
    }
};

class RestingControls : public uitest::UiTest {
protected:
    // Lets every update that is due reach the widgets.
    static void settle()
    {
        for (int i = 0; i < 3; ++i) {
            QCoreApplication::sendPostedEvents();
            QCoreApplication::processEvents();
        }
    }
};

constexpr const char* AllKinds = R"([
  {"name": "lbl", "type": "Label", "left": 150, "top": 150, "width": 1500, "height": 195,
   "properties": [["Caption", "0 X 0"], ["AutoSize", true]]},
  {"name": "lblFixed", "type": "Label", "left": 150, "top": 450, "width": 1500, "height": 195,
   "properties": [["Caption", "Fixed"], ["BorderStyle", 1], ["Alignment", 2]]},
  {"name": "cmd", "type": "CommandButton", "left": 150, "top": 750, "width": 1500, "height": 375,
   "properties": [["Caption", "&Close"], ["Default", true]]},
  {"name": "chk", "type": "CheckBox", "left": 150, "top": 1200, "width": 1500, "height": 255,
   "properties": [["Caption", "Rooted"], ["Value", 1]]},
  {"name": "fra", "type": "Frame", "left": 1800, "top": 150, "width": 2400, "height": 1500,
   "properties": [["Caption", "Desktop Work Area:"]]},
  {"name": "txt", "type": "TextBox", "left": 150, "top": 1500, "width": 1500, "height": 300,
   "properties": [["Text", "some text"], ["MaxLength", 20]]},
  {"name": "shp", "type": "Shape", "left": 1800, "top": 1800, "width": 600, "height": 600,
   "properties": [["Shape", 2], ["BackStyle", 1], ["FillStyle", 0], ["BorderWidth", 2]]},
  {"name": "img", "type": "Image", "left": 2500, "top": 1800, "width": 300, "height": 300,
   "properties": [["Stretch", true]]},
  {"name": "pic", "type": "PictureBox", "left": 3000, "top": 1800, "width": 600, "height": 600},
  {"name": "hsb", "type": "HScrollBar", "left": 150, "top": 2100, "width": 1500, "height": 255,
   "properties": [["Min", 1], ["Max", 10], ["Value", 4], ["LargeChange", 3]]},
  {"name": "cmb", "type": "ComboBox", "left": 150, "top": 2500, "width": 1500, "height": 315,
   "properties": [["Style", 2]]},
  {"name": "tmr", "type": "Timer", "left": 0, "top": 0, "width": 0, "height": 0,
   "properties": [["Interval", 1000]]}
])";

// Every property that a control of the suite takes by name and that shows.
const char* const ShownProperties[] = {
    "Caption", "Text", "Value", "ListIndex", "BackColor", "ForeColor", "Font", "FontName", "FontSize",
    "FontBold", "FontItalic", "FontUnderline", "FontStrikethru", "Left", "Top", "Width", "Height",
    "Visible", "Enabled", "TabStop", "MousePointer", "Alignment", "AutoSize", "WordWrap", "BackStyle",
    "BorderStyle", "UseMnemonic", "Default", "Locked", "MaxLength", "Shape", "FillStyle", "FillColor",
    "BorderColor", "BorderWidth", "Stretch", "Min", "Max", "SmallChange", "LargeChange", "Interval"};

TEST_F(RestingControls, SettingTheValueAPropertyHasRepaintsAndMovesNothing)
{
    auto f = makeForm(AllKinds);
    uitest::showAndActivate(*f);
    auto cmb = f->control<ComboBox>("cmb");
    cmb->AddItem("All");
    cmb->setListIndex(0);
    settle();

    WidgetActivity activity;
    for (const auto& c : f->Controls())
        activity.watch(c->widget());
    int clicks = 0, changes = 0;
    f->control<CheckBox>("chk")->Click.connect([&] { ++clicks; });
    cmb->Click.connect([&] { ++clicks; });
    f->control<TextBox>("txt")->Change.connect([&] { ++changes; });
    f->control<HScrollBar>("hsb")->Change.connect([&] { ++changes; });
    auto tmr = f->control<Timer>("tmr");
    ASSERT_TRUE(tmr->isRunning());

    int set = 0;
    for (const auto& c : f->Controls())
        for (const char* name : ShownProperties) {
            // A picture box's BackColor erases what was drawn on it, as
            // Cls does, whatever the colour.
            if (c->Name() == "pic" && is(QLatin1String(name), "BackColor"))
                continue;
            Variant value;
            if (!tryStatement([&] { value = c->getProperty(QLatin1String(name)); }))
                continue; // a property this kind lacks
            const int32_t error = uitest::errorOf([&] { c->setProperty(QLatin1String(name), value); });
            if (error == 383)
                continue; // read-only at run time
            EXPECT_EQ(error, 0) << c->Name().toStdString() << "." << name;
            ++set;
        }
    settle();
    EXPECT_GT(set, 100);
    EXPECT_EQ(activity.paints, 0);
    EXPECT_EQ(activity.geometry, 0);
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(changes, 0);
    // An enabled timer set enabled keeps its count going.
    EXPECT_TRUE(tmr->isRunning());

    // A caption that does change shows.
    f->control<Label>("lbl")->setCaption("1280 X 1024");
    settle();
    EXPECT_GT(activity.paints, 0);
    EXPECT_GT(activity.geometry, 0); // the label sized itself to the longer text
}

TEST_F(RestingControls, NewTextShowsFromItsStartWithTheCaretThere)
{
    auto f = makeForm(R"([
      {"name": "key", "type": "TextBox", "left": 150, "top": 150, "width": 1200, "height": 300},
      {"name": "info", "type": "TextBox", "left": 150, "top": 600, "width": 1500, "height": 900,
       "properties": [["MultiLine", true], ["ScrollBars", 3]]}
    ])");
    f->Load();
    auto key = f->control<TextBox>("key");
    auto info = f->control<TextBox>("info");
    const QString longKey = QString("K4TM8QWZ2RB6NXJ0").repeated(8);
    key->setText(longKey);
    QString lines;
    for (int i = 0; i < 40; ++i)
        lines += QStringLiteral("Line %1 of the values, long enough to need the horizontal bar\r\n").arg(i);
    info->setText(lines);
    uitest::showAndActivate(*f);

    EXPECT_EQ(key->SelStart(), 0);
    EXPECT_EQ(key->SelLength(), 0);
    auto* line = qobject_cast<QLineEdit*>(key->widget());
    ASSERT_TRUE(line);
    // The first character is in view at the left edge.
    EXPECT_LT(line->inputMethodQuery(Qt::ImCursorRectangle).toRect().left(), 8);

    EXPECT_EQ(info->SelStart(), 0);
    auto* edit = qobject_cast<QPlainTextEdit*>(info->widget());
    ASSERT_TRUE(edit);
    EXPECT_EQ(edit->verticalScrollBar()->value(), 0);
    EXPECT_EQ(edit->horizontalScrollBar()->value(), 0);

    // Text set again while the box is shown starts over at its beginning
    // too; what the user selects afterwards is his.
    key->setSelStart(50);
    key->setText(longKey + "Z");
    EXPECT_EQ(key->SelStart(), 0);
    info->setSelStart(int32_t(lines.size()));
    info->setText(lines + "last");
    EXPECT_EQ(info->SelStart(), 0);
    EXPECT_EQ(edit->verticalScrollBar()->value(), 0);
    info->setSelText("first ");
    EXPECT_EQ(info->SelStart(), 6);
    EXPECT_TRUE(info->Text().startsWith("first Line 0"));
}

} // namespace
