// The list bar on a form built from design data: created by its type name
// with its stored settings, its image list found on the form by name, and
// its settings saved back into the design.
#include "ListBarControlSupport.h"

#include <Application.h>
#include <Form.h>
#include <ImageList.h>
#include <TextBox.h>
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QWindow>

namespace listbar::testing {
namespace {

const QByteArray FormJson = R"({
  "form": {"name": "frmHost", "caption": "Host", "clientWidth": 4500, "clientHeight": 6750,
           "properties": [["ScaleMode", 3]]},
  "controls": [
    {"name": "Text1", "type": "TextBox", "left": 0, "top": 0, "width": 1200, "height": 300},
    {"name": "imlIcons", "type": "ImageList", "left": 0, "top": 0, "width": 0, "height": 0},
    {"name": "NavBar", "type": "ZSListBar", "left": 1500, "top": 0, "width": 2250, "height": 6000,
     "bag": [["AnimationStyle", 0], ["IconSource", 0], ["ImageListControl", "imlIcons"],
             ["BackColor", "&H00404040&"], ["ButtonImageSize", 24]]}
  ]
})";

class ListBarControlFormTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        plat::resetUiForTests();
        registerListBarControl();
        form = std::make_shared<plat::Form>(plat::DesignData::parse(FormJson, QStringLiteral("frmHost.json")));
        form->Load();
        navBar = form->control<InternalZSListBar>(QStringLiteral("NavBar"));
    }
    void TearDown() override
    {
        navBar.reset();
        form.reset();
        plat::resetUiForTests();
        qunsetenv("ZG_SYSTEM_DIR");
    }

    ControlLibrary library;
    std::shared_ptr<plat::Form> form;
    std::shared_ptr<InternalZSListBar> navBar;
};

TEST_F(ListBarControlFormTest, CreatedFromTheDesignWithItsStoredSettings)
{
    EXPECT_EQ(navBar->typeName(), QStringLiteral("ZSListBar"));
    EXPECT_EQ(navBar->ImageListControl(), QStringLiteral("imlIcons"));
    EXPECT_EQ(navBar->BackColor(), 0x404040u);
    EXPECT_EQ(navBar->ButtonImageSize(), 24);
    EXPECT_EQ(navBar->BorderStyle(), 2); // not stored: the default
    EXPECT_EQ(navBar->ScaleWidth(), 150);
    EXPECT_GE(navBar->state().RedrawCounter, 1); // the first resize drew it

    // A button image from the image list reaches the picture.
    auto images = form->control<plat::ImageList>(QStringLiteral("imlIcons"))->ListImages();
    QImage red(16, 16, QImage::Format_RGB32);
    red.fill(qRgb(250, 10, 20));
    images->Add(plat::Variant::missing(), QStringLiteral("red"), plat::Picture::fromImage(red));
    auto bar = navBar->Bars()->Add(QStringLiteral("Categories"));
    bar->Buttons()->Add(QStringLiteral("Global Functions"), QStringLiteral("red"));
    const QImage shown = navBar->Picture()->image();
    int redPixels = 0;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            redPixels += (shown.pixel(x, y) & 0xFFFFFF) == (qRgb(250, 10, 20) & 0xFFFFFF);
    EXPECT_EQ(redPixels, 24 * 24);
}

TEST_F(ListBarControlFormTest, ImageListControlMustNameAnImageListOfTheForm)
{
    qputenv("ZG_SYSTEM_DIR", "/tmp/zg system");
    try {
        navBar->setImageListControl(QStringLiteral("Text1"));
        ADD_FAILURE() << "no error";
    } catch (const plat::RuntimeError& e) {
        EXPECT_EQ(e.number(), 30094);
        EXPECT_EQ(e.info().source, QStringLiteral("ZSListBar.ImageListControl"));
        EXPECT_EQ(e.info().description, QStringLiteral("ZSListBar.ImageListControl set to an invalid control name.  "
                                                       "Must be set to a valid ImageList control on the same form."));
        EXPECT_EQ(e.info().helpFile, QStringLiteral("C:\\tmp\\zg system\\ZorvaneSG3.chm"));
        EXPECT_EQ(e.info().helpContext, 1000);
    }
    EXPECT_EQ(navBar->ImageListControl(), QStringLiteral("imlIcons"));
    EXPECT_THROW(navBar->setImageListControl(QStringLiteral("IMLICONS")), plat::RuntimeError); // exact name
    EXPECT_THROW(navBar->setImageListControl(QStringLiteral("imlNone")), plat::RuntimeError);
    EXPECT_TRUE(navBar->changedProperties().isEmpty());

    // An empty name needs no search; a real image list is found.
    navBar->setImageListControl(QString());
    EXPECT_EQ(navBar->ImageListControl(), QString());
    const double before = navBar->state().RedrawCounter;
    navBar->setImageListControl(QStringLiteral("imlIcons"));
    EXPECT_EQ(navBar->state().RedrawCounter, before + 1); // the image list is the source
    EXPECT_EQ(navBar->changedProperties(),
              (QStringList{QStringLiteral("ImageListControl"), QStringLiteral("ImageListControl")}));

    // The current name again does nothing, even when it names nothing any
    // more.
    navBar->state().ImageListControl = QStringLiteral("imlGone");
    navBar->clearChangedProperties();
    navBar->setImageListControl(QStringLiteral("imlGone"));
    EXPECT_TRUE(navBar->changedProperties().isEmpty());
}

TEST_F(ListBarControlFormTest, SettingsRoundTripThroughTheDesignData)
{
    navBar->setOrientation(1);
    navBar->setColorSelection(0x00FFFF);
    navBar->setAnimationStyle(2);
    const plat::DesignData& saved = form->writeDesign();

    auto again = std::make_shared<plat::Form>(plat::DesignData::parse(saved.toJson(), QStringLiteral("saved.json")));
    again->Load();
    auto copy = again->control<InternalZSListBar>(QStringLiteral("NavBar"));
    EXPECT_EQ(copy->Orientation(), 1);
    EXPECT_EQ(copy->ColorSelection(), 0x00FFFFu);
    EXPECT_EQ(copy->AnimationStyle(), 2);
    EXPECT_EQ(copy->ImageListControl(), QStringLiteral("imlIcons"));
    EXPECT_EQ(copy->BackColor(), 0x404040u);
    EXPECT_EQ(copy->Font()->Name(), navBar->Font()->Name());
}

// Keys as the window system delivers them to the shown form: the editor
// hides itself while it handles Enter or Escape, the focus moves to the list
// bar and the rest of the key (Qt hands the unused Enter on, the release goes
// to the new focus) reaches the list bar's window. None of it is the list
// bar's key.
TEST_F(ListBarControlFormTest, EnterAndEscapeInTheCaptionEditorStayWithTheEditor)
{
    auto bar = navBar->Bars()->Add(QStringLiteral("Categories"));
    auto button = bar->Buttons()->Add(QStringLiteral("Global Functions"), plat::Variant());
    QStringList log;
    navBar->ButtonCaptionEdit.connect(
        [&](LBButtonPtr&, QString& text, bool&) { log << QStringLiteral("ButtonCaptionEdit %1").arg(text); });
    navBar->KeyDown.connect([&](int16_t& k, int16_t&) { log << QStringLiteral("KeyDown %1").arg(k); });
    navBar->KeyPress.connect([&](int16_t& k) { log << QStringLiteral("KeyPress %1").arg(k); });
    navBar->KeyUp.connect([&](int16_t& k, int16_t&) { log << QStringLiteral("KeyUp %1").arg(k); });
    form->Show();
    QWidget* w = form->widget();
    QApplication::setActiveWindow(w);
    ASSERT_TRUE(QTest::qWaitForWindowActive(w));
    QWindow* window = w->windowHandle();
    QWidget* editor = navBar->txtEdit->widget();

    button->EditCaption();
    ASSERT_EQ(QApplication::focusWidget(), editor);
    QTest::keyClick(window, Qt::Key_Z);
    QTest::keyClick(window, Qt::Key_Return);
    EXPECT_FALSE(navBar->txtEdit->Visible());
    EXPECT_EQ(log, QStringList{QStringLiteral("ButtonCaptionEdit z")});
    EXPECT_EQ(button->Caption(), QStringLiteral("z"));

    log.clear();
    button->EditCaption();
    ASSERT_EQ(QApplication::focusWidget(), editor);
    QTest::keyClick(window, Qt::Key_Escape);
    EXPECT_FALSE(navBar->txtEdit->Visible());
    EXPECT_EQ(log, QStringList{});

    // The list bar's own keys still are its own.
    navBar->SetFocus();
    QTest::keyClick(window, Qt::Key_Return);
    EXPECT_EQ(log, (QStringList{QStringLiteral("KeyDown 13"), QStringLiteral("KeyPress 13"), QStringLiteral("KeyUp 13")}));
}

} // namespace
} // namespace listbar::testing
