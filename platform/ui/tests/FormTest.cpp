// Forms: life cycle, the end of the program, modal showing, building from
// design data, control arrays, persistent drawing and measuring.
#include "UiTestSupport.h"

#include <QTimer>
#include <cmath>

using namespace plat;
using uitest::LoggingForm;
using uitest::makeForm;

namespace {

class FormTest : public uitest::UiTest {};

const char* twoButtons = R"([
  {"name": "cmdA", "type": "CommandButton", "left": 150, "top": 150, "width": 1200, "height": 375,
   "properties": [["Caption", "&A"]]},
  {"name": "NavButton", "index": 0, "type": "CommandButton", "left": 150, "top": 750, "width": 1200, "height": 375},
  {"name": "NavButton", "index": 2, "type": "CommandButton", "left": 150, "top": 1350, "width": 1200, "height": 375}
])";

TEST_F(FormTest, LoadRunsTheLoadHandlerWithoutShowing)
{
    auto f = makeForm("[]");
    f->Load();
    EXPECT_EQ(f->log, std::vector<std::string>{"Load"});
    EXPECT_TRUE(f->isLoaded());
    EXPECT_FALSE(f->Visible());
    f->Load(); // a loaded form loads once
    EXPECT_EQ(f->log.size(), 1u);
    f->Show();
    EXPECT_TRUE(f->Visible());
    EXPECT_EQ(f->log.size(), 1u);
}

TEST_F(FormTest, UnloadAsksQueryUnloadThenUnloadAndEitherMayCancel)
{
    auto f = makeForm("[]");
    f->Show();
    f->cancelQueryUnload = -1;
    f->Unload();
    EXPECT_EQ(f->log, (std::vector<std::string>{"Load", "QueryUnload"}));
    EXPECT_TRUE(f->isLoaded());
    EXPECT_EQ(f->lastUnloadMode, 1); // from code

    f->cancelQueryUnload = 0;
    f->cancelUnload = 1;
    f->Unload();
    EXPECT_TRUE(f->isLoaded());
    EXPECT_EQ(f->log.back(), "Unload");

    // The close box goes the same way, with UnloadMode 0.
    f->cancelUnload = 0;
    f->log.clear();
    f->widget()->close();
    EXPECT_EQ(f->log, (std::vector<std::string>{"QueryUnload", "Unload"}));
    EXPECT_EQ(f->lastUnloadMode, 0);
    EXPECT_FALSE(f->isLoaded());
}

TEST_F(FormTest, TheProgramEndsWhenTheLastLoadedFormUnloads)
{
    auto a = makeForm("[]");
    auto b = makeForm("[]");
    a->Show();
    b->Load(); // loaded but never shown: it keeps the program alive
    a->Unload();
    EXPECT_EQ(programEnds, 0);
    EXPECT_EQ(loadedForms().size(), 1u);
    b->Unload();
    EXPECT_EQ(programEnds, 1);
    EXPECT_TRUE(loadedForms().empty());
}

TEST_F(FormTest, AnUnloadedFormLoadsAfreshOnTheNextShow)
{
    auto f = makeForm(R"([{"name": "lbl", "type": "Label", "left": 0, "top": 0, "width": 600, "height": 300,
                           "properties": [["Caption", "design"]]}])");
    f->Load();
    f->control<Label>("lbl")->setCaption("changed");
    f->Unload();
    EXPECT_TRUE(f->Controls().empty());
    f->Show();
    EXPECT_EQ(f->control<Label>("lbl")->Caption(), "design");
    EXPECT_EQ(f->log, (std::vector<std::string>{"Load", "QueryUnload", "Unload", "Load"}));
}

TEST_F(FormTest, ModalShowReturnsWhenTheFormUnloads)
{
    auto main = makeForm("[]");
    main->Show();
    auto dialog = makeForm("[]");
    bool returned = false;
    QTimer::singleShot(0, [&] {
        EXPECT_TRUE(dialog->Visible());
        EXPECT_FALSE(returned);
        dialog->Unload();
    });
    dialog->Show(1);
    returned = true;
    EXPECT_FALSE(dialog->isLoaded());
    EXPECT_EQ(programEnds, 0); // the main form is still loaded
    // A form shown modeless cannot be shown modally.
    main->Show();
    EXPECT_EQ(uitest::errorOf([&] { main->Show(1); }), 400);
}

TEST_F(FormTest, ModalShowAlsoReturnsWhenTheFormIsHidden)
{
    auto dialog = makeForm("[]");
    QTimer::singleShot(0, [&] { dialog->Hide(); });
    dialog->Show(1);
    EXPECT_TRUE(dialog->isLoaded());
    EXPECT_FALSE(dialog->Visible());
}

TEST_F(FormTest, AnErrorInAHandlerIsReportedAndTheProgramGoesOn)
{
    auto f = makeForm(twoButtons);
    f->onLoad = [] { plat::raise(err::DivisionByZero); };
    f->Load();
    EXPECT_TRUE(f->isLoaded());
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].prompt, "Run-time error '11':\n\nDivision by zero");
    EXPECT_EQ(boxes[0].title, appTitle());

    // The rest of the handler is abandoned; the code that raised the event
    // goes on.
    int after = 0;
    f->control<CommandButton>("cmdA")->Click.connect([&] {
        plat::raise(err::InvalidCall);
        ++after;
    });
    f->control<CommandButton>("cmdA")->press();
    EXPECT_EQ(after, 0);
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[1].prompt, "Run-time error '5':\n\nInvalid procedure call or argument");
}

TEST_F(FormTest, ControlsComeFromTheDesignWithTheirArrays)
{
    auto f = makeForm(twoButtons);
    f->Load();
    ASSERT_EQ(f->Controls().size(), 3u);
    EXPECT_EQ(f->control<CommandButton>("CMDA")->Caption(), "&A"); // names without regard to case
    EXPECT_EQ(uitest::errorOf([&] { f->control<Label>("cmdA"); }), err::ObjectRequired);
    EXPECT_EQ(uitest::errorOf([&] { f->control<CommandButton>("nothing"); }), err::ObjectRequired);

    auto nav = f->controlArray<CommandButton>("NavButton");
    EXPECT_EQ(nav.Count(), 2);
    EXPECT_EQ(nav.LBound(), 0);
    EXPECT_EQ(nav.UBound(), 2);
    EXPECT_EQ(nav(2)->Index(), 2);
    EXPECT_EQ(uitest::errorOf([&] { nav(1); }), 340);

    // One handler for the array: every member's events carry its index.
    std::vector<int> clicked;
    nav.connect(&CommandButton::Click, [&](int16_t index) { clicked.push_back(index); });
    nav(2)->press();
    nav(0)->press();
    EXPECT_EQ(clicked, (std::vector<int>{2, 0}));
}

TEST_F(FormTest, PositionsAreTwipsInTheDesignAndTheContainersScaleInCode)
{
    auto f = makeForm(R"([
      {"name": "pic", "type": "PictureBox", "left": 1755, "top": 705, "width": 7530, "height": 5580,
       "properties": [["ScaleMode", 3], ["BorderStyle", 0]]},
      {"name": "btn", "type": "CommandButton", "container": "pic", "left": 60, "top": 1170, "width": 1800, "height": 1035},
      {"name": "lbl", "type": "Label", "left": 472, "top": 4350, "width": 7140, "height": 615}
    ])",
                      "[]"); // the form in twips
    f->Load();
    auto pic = f->control<PictureBox>("pic");
    auto btn = f->control<CommandButton>("btn");
    auto lbl = f->control<Label>("lbl");
    EXPECT_DOUBLE_EQ(pic->Left(), 1755); // the form's scale: twips
    EXPECT_DOUBLE_EQ(btn->Left(), 4);    // the picture box's scale: pixels
    EXPECT_DOUBLE_EQ(btn->Top(), 78);
    EXPECT_DOUBLE_EQ(btn->Width(), 120);
    btn->setWidth(100);
    EXPECT_EQ(btn->widget()->width(), 100);
    EXPECT_EQ(btn->widget()->geometry().topLeft(), QPoint(4, 78));
    EXPECT_DOUBLE_EQ(lbl->Left(), 472);
    EXPECT_EQ(lbl->widget()->x(), 31); // 31.467 pixels
    EXPECT_EQ(uitest::errorOf([&] { btn->setHeight(-1); }), err::InvalidProperty);
}

TEST_F(FormTest, AFormsPositionAndSizeAreTwips)
{
    auto f = makeForm("[]", R"([["BorderStyle", 0]])");
    f->Load();
    EXPECT_TRUE(f->borderless());
    EXPECT_DOUBLE_EQ(f->Width(), 6000);
    f->Move(0, 0, 539 * 15, 343 * 15);
    EXPECT_EQ(f->widget()->size(), QSize(539, 343));
    EXPECT_DOUBLE_EQ(f->ScaleWidth(), 539 * 15); // the form's scale: twips
    f->setLeft(1500);
    EXPECT_EQ(f->widget()->pos(), QPoint(100, 0));
    f->setCaption(QStringLiteral("ZorvaneGlobals 3.0 Demo"));
    EXPECT_EQ(f->widget()->windowTitle(), "ZorvaneGlobals 3.0 Demo");
}

TEST_F(FormTest, DesignErrorsNameTheFileAndControl)
{
    auto unknownType = makeForm(R"([{"name": "x", "type": "NoSuchControl", "left": 0, "top": 0, "width": 0, "height": 0}])");
    EXPECT_EQ(uitest::errorOf([&] { unknownType->Load(); }), 711);
    EXPECT_FALSE(unknownType->isLoaded());

    auto badContainer = makeForm(R"([
      {"name": "lbl", "type": "Label", "left": 0, "top": 0, "width": 0, "height": 0},
      {"name": "x", "type": "Label", "container": "lbl", "left": 0, "top": 0, "width": 0, "height": 0}])");
    try {
        badContainer->Load();
        FAIL() << "no error";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.number(), 31037);
        EXPECT_TRUE(e.info().description.contains("test.json"));
        EXPECT_TRUE(e.info().description.contains("'lbl'"));
    }
    EXPECT_TRUE(loadedForms().empty());
}

TEST_F(FormTest, TabIndexFollowsTheDesignAndRenumbers)
{
    auto f = makeForm(R"([
      {"name": "a", "type": "TextBox", "left": 0, "top": 0, "width": 600, "height": 300, "properties": [["TabIndex", 2]]},
      {"name": "b", "type": "TextBox", "left": 0, "top": 400, "width": 600, "height": 300, "properties": [["TabIndex", 0]]},
      {"name": "c", "type": "Label", "left": 0, "top": 800, "width": 600, "height": 300, "properties": [["TabIndex", 1]]},
      {"name": "img", "type": "Image", "left": 0, "top": 800, "width": 600, "height": 300}
    ])");
    f->Load();
    auto a = f->control<TextBox>("a"), b = f->control<TextBox>("b");
    auto c = f->control<Label>("c");
    EXPECT_EQ(b->TabIndex(), 0);
    EXPECT_EQ(c->TabIndex(), 1);
    EXPECT_EQ(a->TabIndex(), 2);
    // Moving one shifts the others.
    a->setTabIndex(0);
    EXPECT_EQ(a->TabIndex(), 0);
    EXPECT_EQ(b->TabIndex(), 1);
    EXPECT_EQ(c->TabIndex(), 2);
    // An image has no tab index at all.
    EXPECT_EQ(uitest::errorOf([&] { f->control<Image>("img")->TabIndex(); }), err::NotSupported);
}

TEST_F(FormTest, DrawingBeforeShowPersistsAndFilledBoxesIncludeBothCorners)
{
    auto f = makeForm("[]");
    f->Load();
    EXPECT_EQ(f->ScaleWidth(), 400);
    EXPECT_EQ(f->ScaleHeight(), 300);
    f->setBackColor(0xFFFFFFu);
    f->Line(10, 10, 20, 12, 0x0000FFu, DrawingHost::LineKind::FilledBox);
    const QImage& img = f->drawingImage();
    EXPECT_EQ(fromQRgb(img.pixel(10, 10)), 0x0000FFu);
    EXPECT_EQ(fromQRgb(img.pixel(20, 12)), 0x0000FFu); // both corners inclusive
    EXPECT_EQ(fromQRgb(img.pixel(21, 12)), 0xFFFFFFu);
    EXPECT_EQ(fromQRgb(img.pixel(20, 13)), 0xFFFFFFu);
    // A plain line leaves out its end point.
    f->Line(30, 30, 35, 30, 0x00FF00u);
    EXPECT_EQ(fromQRgb(img.pixel(34, 30)), 0x00FF00u);
    EXPECT_EQ(fromQRgb(img.pixel(35, 30)), 0xFFFFFFu);
    // A system colour is resolved.
    f->Line(0, 50, 1, 50, systemColour(syscolour::ButtonFace), DrawingHost::LineKind::FilledBox);
    EXPECT_EQ(fromQRgb(img.pixel(0, 50)), sysColor(syscolour::ButtonFace));

    f->Show();
    EXPECT_EQ(fromQRgb(f->drawingImage().pixel(20, 12)), 0x0000FFu);
    f->Refresh();
    EXPECT_EQ(fromQRgb(f->widget()->grab().toImage().pixel(20, 12)), 0x0000FFu);
}

TEST_F(FormTest, DrawingWithCoordinatesFarOffTheSurface)
{
    auto f = makeForm("[]");
    f->Load();
    f->setBackColor(0xFFFFFFu);
    const QImage& img = f->drawingImage();
    // Boxes whose far corners lie at the ends of the 32-bit range draw the
    // part on the surface and come back.
    f->Line(10, 10, 2147483647, 20, 0x0000FFu, DrawingHost::LineKind::Box);
    EXPECT_EQ(fromQRgb(img.pixel(10, 15)), 0x0000FFu);
    EXPECT_EQ(fromQRgb(img.pixel(399, 10)), 0x0000FFu);
    EXPECT_EQ(fromQRgb(img.pixel(399, 15)), 0xFFFFFFu);
    f->Line(-2147483647.0 - 1, 30, 2147483647, 2147483647, 0x00FF00u, DrawingHost::LineKind::FilledBox);
    EXPECT_EQ(fromQRgb(img.pixel(0, 30)), 0x00FF00u);
    EXPECT_EQ(fromQRgb(img.pixel(399, 299)), 0x00FF00u);
    EXPECT_EQ(fromQRgb(img.pixel(0, 29)), 0xFFFFFFu);
    // A coordinate beyond 32 bits is an overflow, not a wrapped value.
    EXPECT_EQ(uitest::errorOf([&] { f->Line(0, 0, 1e12, 5, 0xFFu); }), err::Overflow);
    EXPECT_EQ(uitest::errorOf([&] { f->PSet(std::nan(""), 5); }), err::Overflow);
    EXPECT_EQ(uitest::errorOf([&] { f->Point(-1e300, 5); }), err::Overflow);
}

TEST_F(FormTest, PaintPictureCopiesAndStretchesByNearestNeighbour)
{
    auto f = makeForm("[]");
    f->Load();
    QImage src(2, 1, QImage::Format_RGB32);
    src.setPixel(0, 0, qRgb(255, 0, 0));
    src.setPixel(1, 0, qRgb(0, 0, 255));
    auto pic = Picture::fromImage(src);
    f->PaintPicture(pic, 5, 5); // its own size
    EXPECT_EQ(fromQRgb(f->drawingImage().pixel(5, 5)), 0x0000FFu);
    EXPECT_EQ(fromQRgb(f->drawingImage().pixel(6, 5)), 0xFF0000u);
    f->PaintPicture(pic, 10, 10, 4, 2); // stretched: two columns each
    for (int x = 10; x < 12; ++x)
        EXPECT_EQ(fromQRgb(f->drawingImage().pixel(x, 11)), 0x0000FFu);
    for (int x = 12; x < 14; ++x)
        EXPECT_EQ(fromQRgb(f->drawingImage().pixel(x, 11)), 0xFF0000u);
    EXPECT_EQ(uitest::errorOf([&] { f->PaintPicture(pic, 0, 0, 1, 1, 0, 0, 1, 1, 0x8800C6); }), err::InvalidCall);
}

TEST_F(FormTest, TextWidthUsesTheFormsFontAndScale)
{
    auto f = makeForm("[]");
    f->Load();
    const double px = f->TextWidth(QStringLiteral("Hello"));
    EXPECT_GT(px, 0);
    f->setScaleMode(1);
    EXPECT_DOUBLE_EQ(f->TextWidth(QStringLiteral("Hello")), px * 15);
    auto bigger = Font::make(QStringLiteral("MS Sans Serif"), 24);
    f->setFont(bigger);
    EXPECT_GT(f->TextWidth(QStringLiteral("Hello")), px * 15);
}

TEST_F(FormTest, MousePointersOfTheFormAndTheScreen)
{
    auto f = makeForm("[]");
    f->Show();
    f->setMousePointer(11);
    EXPECT_EQ(f->widget()->cursor().shape(), Qt::WaitCursor);
    QImage icon(32, 32, QImage::Format_ARGB32);
    icon.fill(Qt::black);
    auto cur = Picture::fromImage(icon, Picture::Cursor);
    cur->setHotSpot(QPoint(15, 10));
    f->setMouseIcon(cur);
    f->setMousePointer(99);
    EXPECT_EQ(f->widget()->cursor().shape(), Qt::BitmapCursor);
    EXPECT_EQ(f->widget()->cursor().hotSpot(), QPoint(15, 10));
    f->setMousePointer(0);
    EXPECT_EQ(f->widget()->cursor().shape(), Qt::ArrowCursor);
    EXPECT_EQ(uitest::errorOf([&] { f->setMousePointer(42); }), err::InvalidProperty);

    Screen::setMousePointer(11);
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    Screen::setMousePointer(0);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(FormTest, EnterAndEscapePressTheDefaultAndCancelButtons)
{
    auto f = makeForm(R"([
      {"name": "txt", "type": "TextBox", "left": 0, "top": 0, "width": 1500, "height": 300},
      {"name": "ok", "type": "CommandButton", "left": 0, "top": 600, "width": 1200, "height": 375, "properties": [["Default", true]]},
      {"name": "cancel", "type": "CommandButton", "left": 0, "top": 1200, "width": 1200, "height": 375, "properties": [["Cancel", true]]}
    ])");
    uitest::showAndActivate(*f);
    int ok = 0, cancel = 0;
    f->control<CommandButton>("ok")->Click.connect([&] { ++ok; });
    f->control<CommandButton>("cancel")->Click.connect([&] { ++cancel; });
    auto txt = f->control<TextBox>("txt");
    txt->SetFocus();
    QTest::keyClick(txt->widget(), Qt::Key_Return);
    QTest::keyClick(txt->widget(), Qt::Key_Escape);
    EXPECT_EQ(ok, 1);
    EXPECT_EQ(cancel, 1);
}

} // namespace

namespace {

TEST_F(FormTest, AnApplicationEndingWithQueuedCallsLetsUnloadedFormsGoWithoutHanging)
{
    std::weak_ptr<LoggingForm> gone;
    {
        auto f = makeForm(twoButtons);
        f->Show();
        f->Unload();
        gone = f;
    }
    // Still alive: a handler of the form may have unloaded it.
    EXPECT_FALSE(gone.expired());
    // An application that ends throws its queued calls away inside its own
    // event bookkeeping; none of them may be what keeps the form (destroying
    // widgets there deadlocks).
    QCoreApplication::removePostedEvents(nullptr, QEvent::MetaCall);
    EXPECT_FALSE(gone.expired());
    // The next turn of the loop, or the application's teardown, lets it go.
    QCoreApplication::sendPostedEvents();
    auto again = makeForm("[]");
    again->Show();
    again->Unload();
    again.reset();
    QCoreApplication::sendPostedEvents();
    EXPECT_TRUE(gone.expired());
}

} // namespace
