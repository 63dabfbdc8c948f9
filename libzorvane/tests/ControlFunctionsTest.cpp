#include "Error.h"
#include "FakeMachine.h"
#include "FormFunctionsImpl.h"
#include "Gdi.h"
#include "Library.h"
#include "MiscellaneousImpl.h"
#include "QtPrinters.h"
#include "Register.h"
#include "TestWindowObject.h"
#include "ZorvaneGhostCanvas.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

using zgtest::windowObject;

class ControlFunctions : public ::testing::Test {
protected:
    void SetUp() override
    {
        zg::registerLibrary();
        zg::resetForTests();
        zg::installMachine(fake);
    }
    void TearDown() override
    {
        zg::installMachine(nullptr);
        zg::resetForTests();
    }

    std::shared_ptr<zgtest::FakeMachine> fake = std::make_shared<zgtest::FakeMachine>();
    zg::MiscellaneousImpl misc;
    zg::FormFunctionsImpl forms;
};

TEST_F(ControlFunctions, FocusHelperSelectsTheTextOfTheBoxOrOfTheEditorItWraps)
{
    QLineEdit edit("Caption");
    misc.ControlGotFocusHelper(windowObject(&edit));
    EXPECT_EQ(edit.selectedText(), "Caption");

    QWidget box;
    auto* inner = new QLineEdit("Inner", &box);
    misc.ControlGotFocusHelper(windowObject(&box));
    EXPECT_EQ(inner->selectedText(), "Inner");

    auto plain = std::make_shared<plat::Object>();
    EXPECT_THROW(misc.ControlGotFocusHelper(plain), plat::RuntimeError);
}

TEST_F(ControlFunctions, ScreenRectAndMouseOverUseTheWindowsPixels)
{
    QWidget form;
    form.setGeometry(100, 50, 200, 120);
    auto* child = new QWidget(&form);
    child->setGeometry(10, 20, 40, 30);
    form.show();
    const QPoint origin = child->mapToGlobal(QPoint(0, 0));

    int32_t l = 0, t = 0, w = 0, h = 0;
    const auto control = windowObject(child);
    misc.GetControlScreenRect(control, l, t, w, h);
    EXPECT_EQ(QRect(l, t, w, h), QRect(origin, QSize(40, 30)));
    misc.GetControlScreenRect(windowObject(&form), l, t, w, h);
    EXPECT_EQ(QRect(l, t, w, h), form.frameGeometry());

    fake->cursor = origin;
    EXPECT_TRUE(misc.MouseIsOverControl(control));
    fake->cursor = origin + QPoint(39, 29);
    EXPECT_TRUE(misc.MouseIsOverControl(control));
    fake->cursor = origin + QPoint(40, 10);
    EXPECT_FALSE(misc.MouseIsOverControl(control));
    fake->cursor = origin + QPoint(5, -1);
    EXPECT_FALSE(misc.MouseIsOverControl(control));
    child->hide();
    fake->cursor = origin + QPoint(5, 5);
    EXPECT_FALSE(misc.MouseIsOverControl(control));

    misc.setMouseOverHook([](const plat::ObjectPtr&) { return true; });
    EXPECT_TRUE(misc.MouseIsOverControl(control));
}

TEST_F(ControlFunctions, LibraryOwnedPatternBrushDiesWithItsPaint)
{
    QImage dither(8, 8, QImage::Format_Mono);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            dither.setPixel(x, y, (x + y) & 1);
    const auto picture = plat::Picture::fromImage(dither);
    const int before = plat::gdi::liveBrushes();
    {
        auto canvas = zg::NewGhostCanvas();
        canvas->InitFlag(false);
        canvas->SetSize(16, 16);
        canvas->SetBrush(misc.PatternBrushFromPicture(picture, true, 0));
        canvas->FillRect(-1, -1, 17, 17, std::nullopt, false);
        canvas->RestoreBrush();
        EXPECT_EQ(plat::gdi::liveBrushes(), before);

        // Never put back: the end of the surface releases it.
        canvas->SetBrush(misc.PatternBrushFromPicture(picture, true, 0));
        EXPECT_EQ(plat::gdi::liveBrushes(), before + 1);
    }
    EXPECT_EQ(plat::gdi::liveBrushes(), before);

    try {
        misc.PatternBrushFromPicture(plat::Picture::empty(), true, 0);
        FAIL() << "no error raised";
    } catch (const plat::RuntimeError& e) {
        EXPECT_EQ(e.number(), 481);
    }
}

TEST_F(ControlFunctions, MaskedPictureLeavesTheMaskColourOut)
{
    QImage img(2, 1, QImage::Format_RGB32);
    img.setPixel(0, 0, qRgb(255, 0, 255)); // the mask colour
    img.setPixel(1, 0, qRgb(255, 0, 0));
    auto canvas = zg::NewGhostCanvas();
    canvas->InitFlag(false);
    canvas->setBackColor(0xFFFFFF);
    canvas->SetSize(10, 10);
    auto passed = canvas;
    misc.PaintMaskedPicture(canvas, plat::Picture::fromImage(img), 0xFF00FF, 2, 2, 4, 2);
    EXPECT_EQ(canvas, passed);
    EXPECT_EQ(canvas->Point(2, 2), 0xFFFFFF);
    EXPECT_EQ(canvas->Point(3, 3), 0xFFFFFF);
    EXPECT_EQ(canvas->Point(4, 2), 0x0000FF);
    EXPECT_EQ(canvas->Point(5, 3), 0x0000FF);
    EXPECT_EQ(canvas->Point(6, 2), 0xFFFFFF);
}

TEST_F(ControlFunctions, FormsAreCentredInTheWorkAreaAndKeptOnTop)
{
    EXPECT_EQ(zg::FormFunctionsImpl::placeIn(QRect(0, 0, 801, 600), QSize(200, 100), 0.5, 0.5), QPoint(300, 250));
    EXPECT_EQ(zg::FormFunctionsImpl::placeIn(QRect(10, 20, 800, 600), QSize(200, 100), 0.0, 1.0), QPoint(10, 520));

    QWidget form;
    form.resize(200, 100);
    fake->work = QRect(0, 40, 800, 520);
    forms.CenterFormEx(windowObject(&form), true, false, 0.5f, 0.5f);
    const QSize frame = form.frameGeometry().size();
    EXPECT_EQ(form.frameGeometry().topLeft(),
              QPoint((800 - frame.width()) / 2, 40 + (520 - frame.height()) / 2));

    form.show();
    EXPECT_TRUE(forms.SetFloatingWindow(windowObject(&form)));
    EXPECT_TRUE(form.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(form.isVisible());
    EXPECT_TRUE(forms.SetFloatingWindow(windowObject(&form), plat::Variant(false)));
    EXPECT_FALSE(form.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(form.isVisible());
}

} // namespace
