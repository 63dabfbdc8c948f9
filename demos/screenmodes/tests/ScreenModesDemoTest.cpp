// The screen modes demo with a display of made-up modes: nothing here
// switches the real display.
#include "frmScreenModesDemo.h"

#include <Application.h>
#include <Error.h>
#include <Label.h>
#include <Library.h>
#include <Lists.h>
#include <MsgBox.h>
#include <QtPrinters.h>
#include <Register.h>
#include <ZorvaneFormFunctions.h>
#include <ZorvaneScreenModes.h>

#include <QCoreApplication>
#include <QEvent>
#include <QStringList>
#include <gtest/gtest.h>

namespace {

struct Mode {
    int32_t w, h;
    double colors;
    int32_t hz;
};

// What the made-up display has and what was asked of it.
struct Display {
    std::vector<Mode> modes;
    Mode current{1024, 768, 16777216.0, 60};
    bool accepts = true;
    QStringList calls;
    int listsMade = 0;
};

class FakeMode : public zg::ScreenMode {
public:
    FakeMode(std::shared_ptr<Display> d, Mode m, int index) : d_(std::move(d)), m_(m), index_(index) {}
    int32_t Width() override { return m_.w; }
    int32_t Height() override { return m_.h; }
    double Colors() override { return m_.colors; }
    int32_t Frequency() override { return m_.hz; }
    bool MakeCurrent() override { return change(QStringLiteral("MakeCurrent")); }
    bool MakeCurrentAndSave() override { return change(QStringLiteral("MakeCurrentAndSave")); }

private:
    bool change(const QString& what)
    {
        d_->calls << QStringLiteral("%1(%2)").arg(what).arg(index_);
        if (d_->accepts)
            d_->current = m_;
        return d_->accepts;
    }
    std::shared_ptr<Display> d_;
    Mode m_;
    int index_;
};

class FakeModes : public zg::ZorvaneScreenModes {
public:
    explicit FakeModes(std::shared_ptr<Display> d) : d_(std::move(d)), modes_(d_->modes) { ++d_->listsMade; }
    int16_t ModeCount() override { return int16_t(modes_.size()); }
    std::shared_ptr<zg::ScreenMode> Item(int16_t& Index) override
    {
        if (Index < 1 || Index > ModeCount())
            plat::raise(9, QStringLiteral("ZorvaneScreenModes.Item"));
        return std::make_shared<FakeMode>(d_, modes_[size_t(Index - 1)], Index);
    }
    std::shared_ptr<zg::ScreenMode> CurrentMode() override { return std::make_shared<FakeMode>(d_, d_->current, 0); }

private:
    std::shared_ptr<Display> d_;
    std::vector<Mode> modes_; // as the display had them when this object was made
};

class NoCentring : public zg::ZorvaneFormFunctions {
public:
    void CenterFormEx(const plat::ObjectPtr&, bool, bool, float, float) override {}
    bool SetFloatingWindow(const plat::ObjectPtr&, const plat::Variant&) override { return true; }
};

const QString SafeMode = QStringLiteral(
    "Windows would not allow you to switch to that screen mode.  Windows may be restricting 16 color modes to 'Safe Mode'.");
const QString Adapter = QStringLiteral(
    "Windows would not allow you to switch to that screen mode.  Your adapter may not support dynamic switching, or make "
    "restrict the selection of available modes, usually to resolutions with the same amount of colors.");

class ScreenModesDemo : public ::testing::Test {
protected:
    void SetUp() override
    {
        zg::registerLibrary();
        display->modes = {{1024, 768, 16777216.0, 60}, {640, 480, 16.0, 60}, {800, 600, 65536.0, 75}};
        zg::installFactory<zg::ZorvaneScreenModes>([d = display] { return std::make_shared<FakeModes>(d); });
        zg::installShared<zg::ZorvaneFormFunctions>(std::make_shared<NoCentring>());
        plat::setLastFormUnloadedHandler([] {});
        plat::setMsgBoxHook([](const plat::MsgBoxRequest&) { return plat::mb::OK; });
        plat::clearMsgBoxLog();
        form = plat::formInstance<frmScreenModesDemo>();
        form->Load();
    }
    void TearDown() override
    {
        plat::resetUiForTests();
        zg::resetForTests();
    }
    void select(int32_t entry)
    {
        form->lstModes->setListIndex(entry);
    }

    std::shared_ptr<Display> display = std::make_shared<Display>();
    std::shared_ptr<frmScreenModesDemo> form;
};

TEST_F(ScreenModesDemo, ListsEveryModeWithItsIndexAndShowsTheCurrentOne)
{
    EXPECT_EQ(form->Caption(), "ZorvaneGlobals 3.0 - ZorvaneScreenModes Demo");
    ASSERT_EQ(form->lstModes->ListCount(), 3);
    EXPECT_EQ(form->lstModes->List(0), "1024 x 768 at 16,777,216 Colors -> 60 Hz");
    EXPECT_EQ(form->lstModes->List(1), "640 x 480 at 16 Colors -> 60 Hz");
    EXPECT_EQ(form->lstModes->List(2), "800 x 600 at 65,536 Colors -> 75 Hz");
    for (int32_t i = 0; i < 3; ++i)
        EXPECT_EQ(form->lstModes->ItemData(i), i + 1);
    EXPECT_EQ(form->lblCurrentMode->Caption(), "1024 x 768 at 16,777,216 Colors -> 60 Hz.");
    EXPECT_TRUE(display->calls.isEmpty());
}

TEST_F(ScreenModesDemo, WithNothingSelectedTheButtonsOnlyRefreshTheLabel)
{
    display->current = {800, 600, 65536.0, 75}; // changed elsewhere meanwhile
    form->cmdMakeCurrent_Click();
    EXPECT_EQ(form->lblCurrentMode->Caption(), "800 x 600 at 65,536 Colors -> 75 Hz.");
    display->current = {640, 480, 16.0, 60};
    form->cmdMakeCurrentAndSave_Click();
    EXPECT_EQ(form->lblCurrentMode->Caption(), "640 x 480 at 16 Colors -> 60 Hz.");
    EXPECT_TRUE(display->calls.isEmpty());
    EXPECT_TRUE(plat::msgBoxLog().empty());
}

TEST_F(ScreenModesDemo, ASwitchShowsTheNewModeAndARefusalTellsWhy)
{
    select(2);
    form->cmdMakeCurrent_Click();
    EXPECT_EQ(display->calls, QStringList{"MakeCurrent(3)"});
    EXPECT_EQ(form->lblCurrentMode->Caption(), "800 x 600 at 65,536 Colors -> 75 Hz.");
    EXPECT_TRUE(plat::msgBoxLog().empty());

    display->accepts = false;
    select(1); // 16 colours
    form->cmdMakeCurrent_Click();
    select(0);
    form->cmdMakeCurrentAndSave_Click();
    ASSERT_EQ(plat::msgBoxLog().size(), 2u);
    EXPECT_EQ(plat::msgBoxLog()[0].prompt, SafeMode);
    EXPECT_EQ(plat::msgBoxLog()[1].prompt, Adapter);
    for (const auto& box : plat::msgBoxLog()) {
        EXPECT_EQ(box.title, "ZorvaneScreenModes 3.0 Demo");
        EXPECT_EQ(box.style, plat::mb::Information);
    }
    EXPECT_EQ(form->lblCurrentMode->Caption(), "800 x 600 at 65,536 Colors -> 75 Hz.");
}

TEST_F(ScreenModesDemo, ADoubleClickSwitchesAndSaves)
{
    select(0);
    form->lstModes->DblClick.raise();
    EXPECT_EQ(display->calls, QStringList{"MakeCurrentAndSave(1)"});
}

TEST_F(ScreenModesDemo, AModeListThatShrankSinceTheFormFilledItRaisesAClearError)
{
    display->modes.pop_back(); // a monitor went: two modes now
    select(2);
    try {
        form->cmdMakeCurrent_Click();
        FAIL() << "no error";
    } catch (const plat::RuntimeError& e) {
        EXPECT_EQ(e.number(), 9);
    }
    EXPECT_TRUE(display->calls.isEmpty());
}

} // namespace
