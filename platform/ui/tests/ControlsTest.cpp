// The intrinsic controls: captions, the text box's key events, the extender
// (visibility, missing properties), timers, image lists, images and shapes.
#include "UiTestSupport.h"

#include <QInputMethodEvent>
#include <QMouseEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <limits>

using namespace plat;
using uitest::makeForm;

namespace {

class ControlsTest : public uitest::UiTest {};

TEST_F(ControlsTest, LabelCaptionsShowDoubledAmpersandsOnceAndMarkTheAccessKey)
{
    auto f = makeForm(R"([
      {"name": "lbl", "type": "Label", "left": 0, "top": 0, "width": 300, "height": 300,
       "properties": [["Caption", "Fish && Chips"], ["AutoSize", true]]},
      {"name": "ref", "type": "Label", "left": 0, "top": 600, "width": 300, "height": 300,
       "properties": [["Caption", "Fish & Chips"], ["AutoSize", true], ["UseMnemonic", false]]}
    ])");
    f->Load();
    auto lbl = f->control<Label>("lbl");
    // The label sized itself to the text as shown: one "&".
    EXPECT_EQ(lbl->widget()->width(), f->control<Label>("ref")->widget()->width());
    EXPECT_EQ(lbl->Caption(), "Fish && Chips"); // the caption stays as set

    EXPECT_EQ(Control::accessKeyOf(QStringLiteral("&Close")), QChar('C'));
    EXPECT_EQ(Control::accessKeyOf(QStringLiteral("Save && E&xit")), QChar('x'));
    EXPECT_TRUE(Control::accessKeyOf(QStringLiteral("Fish && Chips")).isNull());
    EXPECT_TRUE(Control::accessKeyOf(QStringLiteral("Trailing&")).isNull());
}

TEST_F(ControlsTest, LabelSizesAndAlignment)
{
    auto f = makeForm(R"([
      {"name": "wrap", "type": "Label", "left": 0, "top": 0, "width": 1200, "height": 195,
       "properties": [["Caption", "several words that cannot fit on one short line"], ["AutoSize", true], ["WordWrap", true]]}
    ])");
    f->Load();
    auto wrap = f->control<Label>("wrap");
    EXPECT_EQ(wrap->widget()->width(), 80); // the width stays
    EXPECT_GT(wrap->widget()->height(), 2 * QFontMetrics(wrap->Font()->qfont()).height());
    EXPECT_EQ(uitest::errorOf([&] { wrap->setAlignment(3); }), err::InvalidProperty);
}

TEST_F(ControlsTest, PositionsFarBeyondTheScreenKeepTheirSignInTheWidgetGeometry)
{
    auto f = makeForm(R"([
      {"name": "cmd", "type": "CommandButton", "left": 0, "top": 0, "width": 1200, "height": 375}
    ])");
    f->Load();
    auto cmd = f->control<CommandButton>("cmd");
    cmd->Move(1e12, -1e12);
    EXPECT_GT(cmd->widget()->x(), 1000000);
    EXPECT_LT(cmd->widget()->y(), -1000000);
    EXPECT_DOUBLE_EQ(cmd->Left(), 1e12); // the property keeps the value as set
    cmd->Move(0, 0, 1e12, 1e12);
    EXPECT_GT(cmd->widget()->width(), 1000000);
    EXPECT_GT(cmd->widget()->height(), 1000000);
}

TEST_F(ControlsTest, AccessKeyOfALabelMovesTheFocusToTheNextControl)
{
    auto f = makeForm(R"([
      {"name": "first", "type": "TextBox", "left": 0, "top": 0, "width": 1500, "height": 300},
      {"name": "lbl", "type": "Label", "left": 0, "top": 600, "width": 1500, "height": 300, "properties": [["Caption", "&Name:"]]},
      {"name": "txtName", "type": "TextBox", "left": 0, "top": 1200, "width": 1500, "height": 300}
    ])");
    uitest::showAndActivate(*f);
    f->control<TextBox>("first")->SetFocus();
    EXPECT_TRUE(f->accessKey(QChar('n')));
    EXPECT_TRUE(f->control<TextBox>("txtName")->widget()->hasFocus());
    EXPECT_FALSE(f->accessKey(QChar('q')));
}

// The text box's key events, through the Qt widget as typing does.
class TextBoxKeys : public ControlsTest {
protected:
    void SetUp() override
    {
        ControlsTest::SetUp();
        form = makeForm(R"([{"name": "txt", "type": "TextBox", "left": 0, "top": 0, "width": 3000, "height": 300},
          {"name": "multi", "type": "TextBox", "left": 0, "top": 600, "width": 3000, "height": 1500,
           "properties": [["MultiLine", true], ["ScrollBars", 2]]}])");
        uitest::showAndActivate(*form);
        txt = form->control<TextBox>("txt");
        txt->SetFocus();
        txt->KeyDown.connect([this](int16_t& code, int16_t& shift) { log.push_back(QStringLiteral("D%1/%2").arg(code).arg(shift)); });
        txt->KeyPress.connect([this](int16_t& ascii) {
            log.push_back(QStringLiteral("P%1").arg(ascii));
            if (ascii == 'x')
                ascii = 0; // swallowed
            else if (ascii == 'a')
                ascii = 'b'; // replaced
        });
        txt->KeyUp.connect([this](int16_t& code, int16_t&) { log.push_back(QStringLiteral("U%1").arg(code)); });
        txt->Change.connect([this] { ++changes; });
    }
    std::shared_ptr<uitest::LoggingForm> form;
    std::shared_ptr<TextBox> txt;
    QStringList log;
    int changes = 0;
};

TEST_F(TextBoxKeys, KeyDownKeyPressKeyUpWithTheOriginalCodes)
{
    QTest::keyClick(txt->widget(), 'Q', Qt::ShiftModifier);
    EXPECT_EQ(log, (QStringList{"D16/1", "D81/1", "P81", "U81", "U16"}));
    EXPECT_EQ(txt->Text(), "Q");
    log.clear();
    QTest::keyClick(txt->widget(), Qt::Key_Left);
    EXPECT_EQ(log, (QStringList{"D37/0", "U37"})); // no character, no KeyPress
}

TEST_F(TextBoxKeys, KeyPressZeroSwallowsAndAChangedCodeTypesTheNewCharacter)
{
    QTest::keyClicks(txt->widget(), QStringLiteral("xaz"));
    EXPECT_EQ(txt->Text(), "bz");
    EXPECT_EQ(changes, 2);
    // Backspace as a replacement edits as the key would.
    txt->KeyPress.connect([](int16_t& ascii) {
        if (ascii == 'k')
            ascii = 8;
    });
    QTest::keyClick(txt->widget(), Qt::Key_K);
    EXPECT_EQ(txt->Text(), "b");
}

TEST_F(TextBoxKeys, CtrlVArrivesAsKeyPress22)
{
    QTest::keyClick(txt->widget(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_TRUE(log.contains("P22"));
    EXPECT_TRUE(log.contains("D86/2"));
}

TEST_F(TextBoxKeys, InputMethodTextGoesThroughTheSameFilter)
{
    QInputMethodEvent im;
    im.setCommitString(QStringLiteral("axé"));
    QApplication::sendEvent(txt->widget(), &im);
    EXPECT_EQ(txt->Text(), QStringLiteral("bé"));
    EXPECT_TRUE(log.contains(QStringLiteral("P%1").arg(0xE9)));
}

TEST_F(TextBoxKeys, MultiLineTextIsKeptExactly)
{
    auto multi = form->control<TextBox>("multi");
    const QString text = QStringLiteral("AvailableColors: 16777216\r\nBootState: NORMAL\r\n");
    multi->setText(text);
    EXPECT_EQ(multi->Text(), text);
    auto* editor = qobject_cast<QPlainTextEdit*>(multi->widget());
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    multi->SetFocus();
    QTest::keyClick(editor, Qt::Key_End, Qt::ControlModifier);
    QTest::keyClicks(editor, QStringLiteral("X"));
    EXPECT_EQ(multi->Text(), text + "X");
    multi->setSelStart(25);
    multi->setSelLength(9);
    EXPECT_EQ(multi->SelText(), "\r\nBootSta");
    EXPECT_EQ(uitest::errorOf([&] { multi->setProperty("MultiLine", Variant(false)); }), 383);
}

TEST_F(TextBoxKeys, TheLargestSelLengthSelectsToTheEnd)
{
    auto multi = form->control<TextBox>("multi");
    multi->setText(QStringLiteral("one\r\ntwo"));
    multi->setSelStart(2);
    multi->setSelLength(std::numeric_limits<int32_t>::max());
    EXPECT_EQ(multi->SelText(), "e\r\ntwo");
    txt->setText(QStringLiteral("hello"));
    txt->setSelStart(2);
    txt->setSelLength(std::numeric_limits<int32_t>::max());
    EXPECT_EQ(txt->SelText(), "llo");
    EXPECT_EQ(txt->SelLength(), 3);
}

// A form that fills its multi-line box line by line while it loads: the box
// shows every line once shown, caret and view at the start, and what is
// asked of it before then is as exact as after.
TEST_F(ControlsTest, AMultiLineBoxFilledBeforeItsFormIsShownShowsAllOfItsText)
{
    auto f = makeForm(R"([{"name": "info", "type": "TextBox", "left": 0, "top": 0, "width": 3000, "height": 1500,
        "properties": [["ScrollBars", 3], ["MultiLine", true], ["BorderStyle", 1], ["Text", "first"]]}])");
    f->Load();
    auto info = f->control<TextBox>("info");
    // The design's choices made one editor, with all of them.
    auto* editor = qobject_cast<QPlainTextEdit*>(info->widget());
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(editor->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(editor->lineWrapMode(), QPlainTextEdit::NoWrap);

    QString text = info->Text();
    for (int i = 0; i < 30; ++i) {
        text += QStringLiteral("\r\nline %1").arg(i);
        info->setText(text);
    }
    EXPECT_EQ(info->Text(), text);
    info->setSelStart(7); // "first\r\n" is 7 characters: the caret before "line 0"
    EXPECT_EQ(info->SelStart(), 7);
    info->setSelLength(6);
    EXPECT_EQ(info->SelText(), "line 0");

    info->setText(text + "\r\nlast");
    uitest::showAndActivate(*f);
    EXPECT_EQ(editor->toPlainText(), QString(text + "\r\nlast").replace("\r\n", "\n"));
    EXPECT_EQ(info->SelStart(), 0);
    EXPECT_EQ(editor->verticalScrollBar()->value(), 0);
    // Typed text lands in the text the box holds.
    info->SetFocus();
    QTest::keyClick(editor, Qt::Key_End, Qt::ControlModifier);
    QTest::keyClicks(editor, QStringLiteral("!"));
    EXPECT_TRUE(info->Text().endsWith("last!"));
}

TEST_F(ControlsTest, VisibleIsTheControlsOwnFlagInsideAHiddenContainer)
{
    auto f = makeForm(R"([
      {"name": "pic", "type": "PictureBox", "left": 0, "top": 0, "width": 3000, "height": 3000},
      {"name": "lbl", "type": "Label", "container": "pic", "left": 0, "top": 0, "width": 600, "height": 300}
    ])");
    f->Show();
    auto pic = f->control<PictureBox>("pic");
    auto lbl = f->control<Label>("lbl");
    pic->setVisible(false);
    EXPECT_TRUE(lbl->Visible());
    EXPECT_FALSE(lbl->widget()->isVisible()); // not on screen all the same
    lbl->setVisible(false);
    pic->setVisible(true);
    EXPECT_FALSE(lbl->widget()->isVisible());
    lbl->setVisible(true);
    EXPECT_TRUE(lbl->widget()->isVisible());
}

TEST_F(ControlsTest, APropertyAControlLacksRaises438)
{
    auto f = makeForm(R"([
      {"name": "lbl", "type": "Label", "left": 0, "top": 0, "width": 600, "height": 300},
      {"name": "txt", "type": "TextBox", "left": 0, "top": 600, "width": 600, "height": 300},
      {"name": "tmr", "type": "Timer", "left": 0, "top": 0, "width": 0, "height": 0},
      {"name": "shp", "type": "Shape", "left": 0, "top": 0, "width": 600, "height": 300},
      {"name": "il", "type": "ImageList", "left": 0, "top": 0, "width": 0, "height": 0}
    ])");
    f->Load();
    auto byName = [&](const char* control, const char* property) {
        return uitest::errorOf([&] { f->findControl(control)->getProperty(property); });
    };
    EXPECT_EQ(byName("lbl", "TabStop"), err::NotSupported);
    EXPECT_EQ(byName("lbl", "hWnd"), err::NotSupported);
    EXPECT_EQ(byName("lbl", "TabIndex"), 0);
    EXPECT_EQ(byName("txt", "TabStop"), 0);
    EXPECT_EQ(byName("txt", "hWnd"), 0);
    EXPECT_EQ(byName("txt", "ListImages"), err::NotSupported);
    EXPECT_EQ(byName("txt", "WindowPicture"), err::NotSupported);
    EXPECT_EQ(byName("tmr", "Visible"), err::NotSupported);
    EXPECT_EQ(byName("shp", "Enabled"), err::NotSupported);
    EXPECT_EQ(byName("il", "ListImages"), 0);
    EXPECT_EQ(byName("txt", "NoSuchThing"), err::NotSupported);
    // The typed accessors say the same.
    EXPECT_EQ(uitest::errorOf([&] { f->control<Label>("lbl")->TabStop(); }), err::NotSupported);
    EXPECT_EQ(uitest::errorOf([&] { f->findControl("tmr")->setProperty("Visible", Variant(true)); }),
              err::NotSupported);
    // Reading by name gives the typed value.
    auto txt = f->control<TextBox>("txt");
    EXPECT_EQ(txt->getProperty("hWnd").toLong(), txt->hWnd());
    EXPECT_NE(txt->hWnd(), 0);
    EXPECT_EQ(windowFromHandle(txt->hWnd()), txt->widget());
    EXPECT_TRUE(txt->getProperty("TabStop").toBool());
    EXPECT_EQ(f->findControl("lbl")->ContainerHwnd(), f->hWnd());
}

TEST_F(ControlsTest, SetFocusOnAControlThatCannotTakeItRaises5)
{
    auto f = makeForm(R"([{"name": "txt", "type": "TextBox", "left": 0, "top": 0, "width": 600, "height": 300},
      {"name": "lbl", "type": "Label", "left": 0, "top": 600, "width": 600, "height": 300}])");
    f->Load(); // not shown yet
    auto txt = f->control<TextBox>("txt");
    EXPECT_EQ(uitest::errorOf([&] { txt->SetFocus(); }), err::InvalidCall);
    uitest::showAndActivate(*f);
    EXPECT_EQ(uitest::errorOf([&] { txt->SetFocus(); }), 0);
    txt->setEnabled(false);
    EXPECT_EQ(uitest::errorOf([&] { txt->SetFocus(); }), err::InvalidCall);
    EXPECT_EQ(uitest::errorOf([&] { f->control<Label>("lbl")->SetFocus(); }), err::InvalidCall);
}

TEST_F(ControlsTest, CheckBoxValuesAndClicks)
{
    auto f = makeForm(R"([{"name": "chk", "type": "CheckBox", "left": 0, "top": 0, "width": 1500, "height": 300,
                           "properties": [["Caption", "&Rooted"], ["Value", 2]]}])");
    f->Show();
    auto chk = f->control<CheckBox>("chk");
    int clicks = 0;
    chk->Click.connect([&] { ++clicks; });
    EXPECT_EQ(chk->Value(), 2);
    chk->setValue(2);
    EXPECT_EQ(clicks, 0);
    chk->setValue(0);
    EXPECT_EQ(clicks, 1);
    QWidget* w = chk->widget();
    QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(5, w->height() / 2));
    EXPECT_EQ(chk->Value(), 1);
    EXPECT_EQ(clicks, 2);
    // The whole box takes the click, far right of the caption's text too;
    // pressed inside and let go outside, nothing.
    QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(w->width() - 2, w->height() - 2));
    QTest::mousePress(w, Qt::LeftButton, {}, QPoint(w->width() - 2, w->height() / 2));
    QTest::mouseRelease(w, Qt::LeftButton, {}, QPoint(w->width() + 5, w->height() / 2));
    EXPECT_EQ(chk->Value(), 0);
    EXPECT_EQ(clicks, 3);
    EXPECT_EQ(uitest::errorOf([&] { chk->setValue(3); }), err::InvalidProperty);
}

TEST_F(ControlsTest, TimersTickWithAFloorAndSkipARunningTick)
{
    auto f = makeForm(R"([{"name": "t", "type": "Timer", "left": 0, "top": 0, "width": 0, "height": 0,
                           "properties": [["Interval", 1]]},
                          {"name": "off", "type": "Timer", "left": 0, "top": 0, "width": 0, "height": 0,
                           "properties": [["Interval", 500], ["Enabled", false]]}])");
    f->Load();
    auto t = f->control<Timer>("t");
    EXPECT_TRUE(t->isRunning());
    EXPECT_EQ(t->scheduledInterval(), 10);
    EXPECT_FALSE(f->control<Timer>("off")->isRunning());
    int ticks = 0;
    t->Tick.connect([&] {
        ++ticks;
        t->fire(); // a tick inside a running tick is skipped
    });
    t->fire();
    EXPECT_EQ(ticks, 1);
    t->setInterval(0);
    EXPECT_FALSE(t->isRunning());
    EXPECT_EQ(uitest::errorOf([&] { t->setInterval(70000); }), err::InvalidProperty);
    t->setInterval(100);
    f->Unload();
    EXPECT_FALSE(t->isRunning()); // taken down with its form
}

TEST_F(ControlsTest, ImageListHoldsPicturesByIndexAndKey)
{
    QImage red(4, 4, QImage::Format_RGB32);
    red.fill(Qt::red);
    auto f = makeForm(R"([{"name": "il", "type": "ImageList", "left": 0, "top": 0, "width": 0, "height": 0}])");
    f->Load();
    auto images = f->control<ImageList>("il")->ListImages();
    auto pic = Picture::fromImage(red);
    images->Add(Variant::missing(), Variant("GBL"), pic);
    images->Add(Variant(1), Variant("OBJ"), Picture::fromImage(red));
    EXPECT_EQ(images->Count(), 2);
    EXPECT_TRUE(samePicture(images->Item(Variant("gbl"))->Picture(), pic));
    EXPECT_EQ(images->Item(Variant(2))->Key(), "GBL");
    EXPECT_EQ(images->Item(Variant("OBJ"))->Index(), 1);
    EXPECT_EQ(uitest::errorOf([&] { images->Item(Variant(3)); }), 35600);
    EXPECT_EQ(uitest::errorOf([&] { images->Item(Variant("none")); }), 35601);
    EXPECT_EQ(uitest::errorOf([&] { images->Add(Variant::missing(), Variant("obj"), pic); }), 35602);
}

TEST_F(ControlsTest, AnImageTakesItsPicturesSizeUnlessStretched)
{
    auto f = makeForm(R"([{"name": "img", "type": "Image", "left": 150, "top": 150, "width": 150, "height": 150},
      {"name": "stretched", "type": "Image", "left": 150, "top": 150, "width": 300, "height": 300, "properties": [["Stretch", true]]}])");
    f->Load();
    QImage im(32, 20, QImage::Format_RGB32);
    im.fill(Qt::blue);
    auto img = f->control<Image>("img");
    img->setPicture(Picture::fromImage(im));
    EXPECT_DOUBLE_EQ(img->Width(), 32);
    EXPECT_DOUBLE_EQ(img->Height(), 20);
    auto stretched = f->control<Image>("stretched");
    stretched->setPicture(Picture::fromImage(im));
    EXPECT_DOUBLE_EQ(stretched->Width(), 20);
}

TEST_F(ControlsTest, AShapeIsOpaqueReachesPastItsContainerAndTakesNoMouse)
{
    auto f = makeForm(R"([
      {"name": "pic", "type": "PictureBox", "left": 0, "top": 0, "width": 1500, "height": 1500,
       "properties": [["BorderStyle", 0], ["BackColor", "&H00FFFFFF&"], ["ScaleMode", 3]]},
      {"name": "Shape1", "type": "Shape", "container": "pic", "left": -75, "top": -45, "width": 900, "height": 600,
       "properties": [["BackStyle", 1], ["BackColor", "&H0&"], ["BorderStyle", 0]]}
    ])");
    f->Show();
    auto shape = f->control<Shape>("Shape1");
    EXPECT_DOUBLE_EQ(shape->Left(), -5);
    const QImage shot = f->control<PictureBox>("pic")->widget()->grab().toImage();
    EXPECT_EQ(fromQRgb(shot.pixel(0, 0)), 0u);      // covered up to the edge
    EXPECT_EQ(fromQRgb(shot.pixel(54, 36)), 0u);    // last pixel of the shape inside the box
    EXPECT_EQ(fromQRgb(shot.pixel(55, 36)), 0xFFFFFFu);
    EXPECT_TRUE(shape->widget()->testAttribute(Qt::WA_TransparentForMouseEvents));
}

TEST_F(ControlsTest, PictureBoxDrawsATrailFromItsMouseEventsInItsOwnScale)
{
    auto f = makeForm(R"([{"name": "pic", "type": "PictureBox", "left": 150, "top": 150, "width": 615, "height": 1245,
                           "properties": [["ScaleMode", 3], ["BackColor", "&H00FFFFFF&"]]}])",
                      "[]"); // the form itself in twips
    f->Show();
    auto pic = f->control<PictureBox>("pic");
    EXPECT_DOUBLE_EQ(pic->ScaleWidth(), 37); // 41 pixels less the two-pixel border
    bool started = false;
    pic->MouseMove.connect([&](int16_t& button, int16_t&, float& x, float& y) {
        if (button < 1)
            return;
        if (!started) {
            pic->setCurrentX(x);
            pic->setCurrentY(y);
            started = true;
        }
        pic->LineTo(x, y, 0x0000FFu);
    });
    QTest::mouseMove(pic->widget(), QPoint(7, 7)); // no button: nothing drawn
    QTest::mousePress(pic->widget(), Qt::LeftButton, {}, QPoint(7, 7));
    for (int x : {7, 12}) {
        QMouseEvent drag(QEvent::MouseMove, QPointF(x, 7), QPointF(), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(pic->widget(), &drag);
    }
    QTest::mouseRelease(pic->widget(), Qt::LeftButton, {}, QPoint(12, 7));
    const QImage& img = pic->drawingImage();
    EXPECT_FALSE(started && fromQRgb(img.pixel(4, 5)) == 0x0000FFu);
    EXPECT_EQ(fromQRgb(img.pixel(5, 5)), 0x0000FFu); // the mouse at 7 is 5 inside the border
    EXPECT_EQ(fromQRgb(img.pixel(9, 5)), 0x0000FFu);
    EXPECT_EQ(fromQRgb(img.pixel(10, 5)), 0xFFFFFFu); // the end point is left out
    EXPECT_DOUBLE_EQ(pic->CurrentX(), 10);
    pic->Cls();
    EXPECT_EQ(fromQRgb(img.pixel(5, 5)), 0xFFFFFFu);
    EXPECT_DOUBLE_EQ(pic->CurrentX(), 0);
}

TEST_F(ControlsTest, FrameControlsUseTheFramesContainerScale)
{
    auto f = makeForm(R"([
      {"name": "Frame2", "type": "Frame", "left": 3000, "top": 1260, "width": 3480, "height": 2400,
       "properties": [["Caption", "Mouse Information && Manipulation:"]]},
      {"name": "cmd", "type": "CommandButton", "container": "Frame2", "left": 165, "top": 1020, "width": 2475, "height": 375}
    ])"); // a pixel form
    f->Load();
    auto cmd = f->control<CommandButton>("cmd");
    EXPECT_DOUBLE_EQ(cmd->Left(), 11);
    EXPECT_DOUBLE_EQ(cmd->Width(), 165);
    EXPECT_EQ(cmd->widget()->parentWidget(), f->control<Frame>("Frame2")->widget());
    EXPECT_EQ(cmd->widget()->geometry(), QRect(11, 68, 165, 25));
}

} // namespace
