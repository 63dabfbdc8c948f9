// The System demo's window with fakes of the library's system functions:
// nothing here touches the real pointer, work area or file manager.
#include "StillMachine.h"
#include "frmMaximize.h"
#include "frmSystem.h"

#include <Application.h>
#include <Buttons.h>
#include <Containers.h>
#include <FormFunctionsImpl.h>
#include <Label.h>
#include <Library.h>
#include <Lists.h>
#include <Machine.h>
#include <MiscellaneousImpl.h>
#include <MsgBox.h>
#include <Register.h>
#include <SystemImpl.h>
#include <TextBox.h>
#include <Timer.h>

#include <QApplication>
#include <QTimer>
#include <gtest/gtest.h>

#include <array>
#include <climits>

namespace {

using sysdemo::frmSystem;

// A machine that changes nothing.
// The library's system functions with fixed values, recording what the
// window asks of them.
class FakeSystem : public zg::SystemImpl {
public:
    QStringList reads;
    QString note(const char* member)
    {
        reads << QLatin1String(member);
        return {};
    }

    double AvailableColors() override { return note("AvailableColors"), 16777216.0; }
    int16_t BootState() override { return note("BootState"), bootState; }
    QString ComputerName() override { return note("ComputerName"), "testhost"; }
    QString ComputerType() override { return note("ComputerType"), "x86_64"; }
    QString CurrentWindowsUser() override { return note("CurrentWindowsUser"), "tester"; }
    QString DisplayID() override { return note("DisplayID"), ":0"; }
    int32_t hProcess() override { return note("hProcess"), -1; }
    int32_t ProcessID() override { return note("ProcessID"), 4242; }
    int32_t hThread() override { return note("hThread"), -2; }
    int32_t ThreadID() override { return note("ThreadID"), 4243; }
    bool IsMSOfficeApplication() override { return note("IsMSOfficeApplication"), false; }
    QString KeyboardID() override { return note("KeyboardID"), "de(nodeadkeys)"; }
    QString LanguageID() override { return note("LanguageID"), "de_DE"; }
    int16_t MouseButtonCount() override { return note("MouseButtonCount"), 5; }
    QString MouseID() override { return note("MouseID"), "Test Mouse"; }
    bool MouseWheelPresentNT() override { return note("MouseWheelPresentNT"), true; }
    QString NetworkID() override { return note("NetworkID"), ""; }
    bool PenWindowsPresent() override { return note("PenWindowsPresent"), false; }
    int32_t ScreenResolutionX() override { return note("ScreenResolutionX"), 800; }
    int32_t ScreenResolutionY() override { return note("ScreenResolutionY"), 600; }
    bool SlowMachine() override { return note("SlowMachine"), false; }
    QString SystemDirectory() override { return note("SystemDirectory"), "C:\\ZG\\bin\\windows\\system"; }
    QString TempDirectory() override { return note("TempDirectory"), "C:\\tmp\\"; }
    QString WindowsDirectory() override { return note("WindowsDirectory"), "C:\\ZG\\bin\\windows"; }

    void GetMouseScreenCoordinates(int32_t& X, int32_t& Y) override
    {
        X = cursor.x();
        Y = cursor.y();
    }
    void SetMouseScreenCoordinates(int32_t X, int32_t Y) override { movedTo = QPoint(X, Y); }
    void GetMouseScreenBoundries(int32_t& L, int32_t& T, int32_t& W, int32_t& H) override
    {
        const QRect r = confinement.value_or(QRect(0, 0, 800, 600));
        L = r.x(), T = r.y(), W = r.width(), H = r.height();
    }
    void SetMouseScreenBoundries(int32_t L, int32_t T, int32_t W, int32_t H) override
    {
        if (int64_t(L) + W > INT_MAX)
            plat::raise(plat::err::Overflow, QStringLiteral("ZorvaneSystem.SetMouseScreenBoundries"));
        confinement = QRect(L, T, W, H);
    }
    void FreeMouseScreenBoundries() override
    {
        confinement.reset();
        ++frees;
    }
    void SimulateMouseActivity(int32_t Action, int32_t Button, int32_t X, int32_t Y) override
    {
        script.push_back({ Action, Button, X, Y });
    }
    void GetDesktopWorkArea(int32_t& L, int32_t& T, int32_t& W, int32_t& H) override
    {
        L = work.x(), T = work.y(), W = work.width(), H = work.height();
    }
    void SetDesktopWorkArea(int32_t L, int32_t T, int32_t W, int32_t H) override
    {
        work = QRect(L, T, W, H);
        workSets.push_back(work);
    }
    void MaskKeyDownUp(const plat::ObjectPtr& box, int16_t& KeyCode, int32_t Format, const QString& mask) override
    {
        downUpFormats.push_back(Format);
        SystemImpl::MaskKeyDownUp(box, KeyCode, Format, mask);
    }
    int32_t ExploreFolder(const QString& Folder, bool SinglePane, bool Rooted, const plat::Variant&) override
    {
        explored << QStringLiteral("%1 %2 %3").arg(Folder).arg(SinglePane).arg(Rooted);
        if (duringExplore)
            duringExplore();
        if (exploreFails)
            plat::raise(plat::err::InvalidCall, QStringLiteral("ZorvaneSystem.ExploreFolder"));
        return 42;
    }

    struct Call {
        int32_t action, button, x, y;
    };
    int16_t bootState = 3;
    QPoint cursor{ 0, 0 };
    QPoint movedTo{ -1, -1 };
    std::optional<QRect> confinement;
    int frees = 0;
    QRect work{ 0, 0, 800, 600 };
    std::vector<QRect> workSets;
    std::vector<Call> script;
    std::vector<int32_t> downUpFormats;
    QStringList explored;
    bool exploreFails = false;
    std::function<void()> duringExplore;
};

// Screen rectangles of controls as the test sets them.
class FakeMiscellaneous : public zg::MiscellaneousImpl {
public:
    void GetControlScreenRect(const plat::ObjectPtr& Control, int32_t& L, int32_t& T, int32_t& W,
                              int32_t& H) override
    {
        const auto it = rects.find(Control.get());
        const std::array<int32_t, 4> r = it != rects.end() ? it->second : std::array<int32_t, 4>{ 0, 0, 10, 10 };
        L = r[0], T = r[1], W = r[2], H = r[3];
    }
    // Left, top, width and height (kept apart: a rectangle near the 32-bit
    // limit is no QRect).
    void put(const void* control, int32_t l, int32_t t, int32_t w, int32_t h) { rects[control] = { l, t, w, h }; }
    std::map<const void*, std::array<int32_t, 4>> rects;
};

class CountingFormFunctions : public zg::FormFunctionsImpl {
public:
    void CenterFormEx(const plat::ObjectPtr& Form, bool UseWorkArea, bool RelativeToOwner, float XRatio,
                      float YRatio) override
    {
        centred.push_back(Form.get());
        EXPECT_TRUE(UseWorkArea);
        EXPECT_FALSE(RelativeToOwner);
        EXPECT_EQ(XRatio, 0.5f);
        EXPECT_EQ(YRatio, 0.5f);
    }
    std::vector<const void*> centred;
};

class SystemDemo : public ::testing::Test {
protected:
    void SetUp() override
    {
        zg::registerLibrary();
        zg::installMachine(std::make_shared<zgtest::StillMachine>(QRect(0, 0, 800, 600), QPoint(0, 0)));
        zg::installShared<zg::ZorvaneSystem>(sys);
        zg::installShared<zg::ZorvaneMiscellaneous>(misc);
        zg::installShared<zg::ZorvaneFormFunctions>(forms);
        plat::setLastFormUnloadedHandler([] {});
        plat::setMsgBoxHook([](const plat::MsgBoxRequest&) { return plat::mb::OK; });
        plat::clearMsgBoxLog();
    }
    void TearDown() override
    {
        plat::resetUiForTests();
        zg::resetForTests();
        zg::installMachine(nullptr);
    }

    std::shared_ptr<frmSystem> load()
    {
        auto f = plat::formInstance<frmSystem>();
        f->Load();
        return f;
    }
    // Clicks the work-area button; the modal window it shows is closed as
    // soon as its loop runs.
    void clickWorkArea(frmSystem& f)
    {
        bool shown = false;
        QTimer::singleShot(0, [&] {
            auto m = plat::formInstance<sysdemo::frmMaximize>();
            shown = m->isLoaded() && m->Visible();
            m->cmdClose->press();
        });
        f.cmdSetDesktopWorkArea->press();
        EXPECT_TRUE(shown);
        EXPECT_FALSE(plat::formInstance<sysdemo::frmMaximize>()->isLoaded());
    }
    int runtimeErrors()
    {
        int n = 0;
        for (const auto& m : plat::msgBoxLog())
            n += m.prompt.startsWith("Run-time error");
        return n;
    }

    std::shared_ptr<FakeSystem> sys = std::make_shared<FakeSystem>();
    std::shared_ptr<FakeMiscellaneous> misc = std::make_shared<FakeMiscellaneous>();
    std::shared_ptr<CountingFormFunctions> forms = std::make_shared<CountingFormFunctions>();
};

TEST_F(SystemDemo, TheValuesBoxIsBuiltLineByLineInOrder)
{
    auto f = load();
    EXPECT_EQ(f->Caption(), "ZorvaneGlobals 3.0 - ZorvaneSystem Demo");
    ASSERT_EQ(forms->centred.size(), 1u);
    EXPECT_EQ(forms->centred[0], f.get());

    // BootState 3 adds no line: the next one follows the colours directly.
    const QString expected = "AvailableColors: 16777216\r\n"
                             "ComputerName: testhost\r\n"
                             "ComputerType: x86_64\r\n"
                             "CurrentWindowsUser: tester\r\n"
                             "DisplayID: :0\r\n"
                             "hProcess: -1\r\n"
                             "ProcessID: 4242\r\n"
                             "hThread: -2\r\n"
                             "ThreadID: 4243\r\n"
                             "IsMSOfficeApplication: False\r\n"
                             "KeyboardID: de(nodeadkeys)\r\n"
                             "LanguageID: de_DE\r\n"
                             "MouseButtonCount: 5\r\n"
                             "MouseID: Test Mouse\r\n"
                             "MouseWheelPresentNT: True\r\n"
                             "NetworkID: \r\n"
                             "PenWindowsPresent: False\r\n"
                             "ScreenResolutionX: 800\r\n"
                             "ScreenResolutionY: 600\r\n"
                             "SlowMachine: False\r\n"
                             "SystemDirectory: C:\\ZG\\bin\\windows\\system\r\n"
                             "TempDirectory: C:\\tmp\\\r\n"
                             "WindowsDirectory: C:\\ZG\\bin\\windows";
    EXPECT_EQ(f->txtSysInfo->Text(), expected);
    EXPECT_EQ(sys->reads.join(' '),
              "AvailableColors BootState ComputerName ComputerType CurrentWindowsUser DisplayID hProcess ProcessID "
              "hThread ThreadID IsMSOfficeApplication KeyboardID LanguageID MouseButtonCount MouseID "
              "MouseWheelPresentNT NetworkID PenWindowsPresent ScreenResolutionX ScreenResolutionY SlowMachine "
              "SystemDirectory TempDirectory WindowsDirectory");
    EXPECT_EQ(f->lblGetMouseScreenBoundries->Caption(), "(0, 0) - (799, 599)");
    EXPECT_EQ(f->lblGetDesktopWorkArea->Caption(), "(0, 0) - (799, 599)");
    EXPECT_EQ(f->cmbKeyPressFormats->ListIndex(), 0);
    EXPECT_EQ(f->cmbKeyPressFormats->ListCount(), 16);
    EXPECT_EQ(f->cmbKeyPressFormats->List(15), "Binary");
    EXPECT_TRUE(f->GetMouseCoords->isRunning());
    EXPECT_FALSE(f->timerSimulateMouseActivity->Enabled());
}

TEST_F(SystemDemo, TheBootStateLines)
{
    const std::pair<int16_t, const char*> cases[] = {
        { 0, "NORMAL" }, { 1, "SAFE MODE" }, { 2, "SAFENET" }, { -1, "UNKNOWN" } };
    for (const auto& [state, text] : cases) {
        plat::resetUiForTests();
        sys->bootState = state;
        auto f = load();
        EXPECT_TRUE(f->txtSysInfo->Text().startsWith(
            QStringLiteral("AvailableColors: 16777216\r\nBootState {Normal/Safe/SafeNet}: %1\r\nComputerName:").arg(text)))
            << state;
    }
}

TEST_F(SystemDemo, TheWorkAreaShrinksToTwoThirdsAndComesBack)
{
    sys->work = QRect(0, 0, 800, 570);
    auto f = load();
    EXPECT_EQ(f->lblGetDesktopWorkArea->Caption(), "(0, 0) - (799, 569)");

    clickWorkArea(*f);
    ASSERT_EQ(sys->workSets.size(), 1u);
    EXPECT_EQ(sys->workSets[0], QRect(0, 0, 800, 400));
    EXPECT_EQ(f->lblGetDesktopWorkArea->Caption(), "(0, 0) - (799, 399)");
    EXPECT_EQ(f->cmdSetDesktopWorkArea->Caption(), "Release");
    EXPECT_TRUE(f->cmdSetDesktopWorkArea->FontBold());
    EXPECT_TRUE(f->WorkAreaChanged);

    clickWorkArea(*f);
    ASSERT_EQ(sys->workSets.size(), 2u);
    EXPECT_EQ(sys->workSets[1], QRect(0, 0, 800, 570));
    EXPECT_EQ(f->lblGetDesktopWorkArea->Caption(), "(0, 0) - (799, 569)");
    EXPECT_EQ(f->cmdSetDesktopWorkArea->Caption(), "SetDesktopWorkArea");
    EXPECT_FALSE(f->cmdSetDesktopWorkArea->FontBold());

    // Closing restores only a shrunk area.
    f->Unload();
    EXPECT_EQ(sys->workSets.size(), 2u);
}

TEST_F(SystemDemo, ClosingWhileShrunkRestoresTheWorkAreaButNotTheConfinement)
{
    auto f = load();
    misc->put(f->cmdSetMouseScreenBoundries.get(), 311, 252, 165, 25);
    clickWorkArea(*f);
    f->cmdSetMouseScreenBoundries->press();
    f->cmdClose->press();
    EXPECT_FALSE(f->isLoaded());
    ASSERT_EQ(sys->workSets.size(), 2u);
    EXPECT_EQ(sys->workSets[1], QRect(0, 0, 800, 600));
    EXPECT_EQ(sys->frees, 0);
    EXPECT_EQ(sys->confinement, QRect(311, 252, 164, 24));
}

TEST_F(SystemDemo, ConfinementPassesOneLessAndShowsTheButtonsRectangle)
{
    auto f = load();
    misc->put(f->cmdSetMouseScreenBoundries.get(), 311, 252, 165, 25);
    f->cmdSetMouseScreenBoundries->press();
    EXPECT_EQ(sys->confinement, QRect(311, 252, 164, 24));
    EXPECT_EQ(f->lblGetMouseScreenBoundries->Caption(), "(311, 252) - (475, 276)");
    EXPECT_EQ(f->cmdSetMouseScreenBoundries->Caption(), "FreeMouseScreenBoundries");
    EXPECT_TRUE(f->MouseConfined);

    f->cmdSetMouseScreenBoundries->press();
    EXPECT_EQ(sys->frees, 1);
    EXPECT_EQ(f->lblGetMouseScreenBoundries->Caption(), "(0, 0) - (799, 599)");
    EXPECT_EQ(f->cmdSetMouseScreenBoundries->Caption(), "SetMouseScreenBoundries");
    EXPECT_FALSE(f->MouseConfined);
}

TEST_F(SystemDemo, RectangleTextsOverflowAsTheRuntimeDoes)
{
    EXPECT_EQ(sysdemo::rectangleText(-5, 10, 1, 1), "(-5, 10) - (-5, 10)");
    EXPECT_EQ(sysdemo::rectangleText(INT_MAX - 1, 0, 1, 1), QString("(%1, 0) - (%1, 0)").arg(INT_MAX - 1));
    // Left + Width is summed first, then 1 taken off.
    try {
        sysdemo::rectangleText(INT_MAX, 0, 1, 1);
        ADD_FAILURE() << "no overflow";
    } catch (const plat::RuntimeError& e) {
        EXPECT_EQ(e.number(), 6);
    }

    // In a handler the overflow is a run-time error of the program: at the
    // label for a rectangle the library takes, at the library for one it
    // cannot hold; nothing after the failing statement runs.
    auto f = load();
    misc->put(f->cmdSetMouseScreenBoundries.get(), INT_MAX - 19, 0, 20, 20);
    f->cmdSetMouseScreenBoundries->press();
    EXPECT_EQ(runtimeErrors(), 1);
    EXPECT_TRUE(f->MouseConfined);
    EXPECT_EQ(f->lblGetMouseScreenBoundries->Caption(), "(0, 0) - (799, 599)");
    f->cmdSetMouseScreenBoundries->press(); // frees
    misc->put(f->cmdSetMouseScreenBoundries.get(), INT_MAX - 10, 0, 20, 20);
    f->cmdSetMouseScreenBoundries->press();
    EXPECT_EQ(runtimeErrors(), 2);
    EXPECT_FALSE(f->MouseConfined);
    EXPECT_EQ(f->cmdSetMouseScreenBoundries->Caption(), "SetMouseScreenBoundries");
}

TEST_F(SystemDemo, PositionLabelAndTheJumpToTheWindowsCorner)
{
    auto f = load();
    sys->cursor = QPoint(12, 345);
    f->GetMouseCoords->fire();
    EXPECT_EQ(f->lblGetMouseScreenCoordinates->Caption(), "12 X 345");
    EXPECT_GE(f->GetMouseCoords->scheduledInterval(), 10); // 1 ms floored like every timer

    misc->put(f.get(), 94, 57, 618, 500);
    f->cmdSetMouseScreenCoordinates->press();
    EXPECT_EQ(sys->movedTo, QPoint(94, 57));
}

TEST_F(SystemDemo, ExploreDisablesTheButtonAndRestoresItOnEveryPath)
{
    auto f = load();
    f->chkExploreRooted->setValue(1);
    bool disabledDuring = false;
    int16_t pointerDuring = -1;
    sys->duringExplore = [&] {
        disabledDuring = !f->cmdExploreFolder->Enabled();
        pointerDuring = f->MousePointer();
    };
    f->cmdExploreFolder->press();
    EXPECT_EQ(sys->explored, QStringList{ "C:\\ 0 1" });
    EXPECT_TRUE(disabledDuring);
    EXPECT_EQ(pointerDuring, 11);
    EXPECT_TRUE(f->cmdExploreFolder->Enabled());
    EXPECT_EQ(f->MousePointer(), 0);
    EXPECT_EQ(runtimeErrors(), 0);

    // A library failure is still reported, and the window is usable again.
    sys->exploreFails = true;
    f->cmdExploreFolder->press();
    EXPECT_EQ(runtimeErrors(), 1);
    EXPECT_TRUE(f->cmdExploreFolder->Enabled());
    EXPECT_EQ(f->MousePointer(), 0);
}

int redPixels(const QImage& image)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += (image.pixel(x, y) & 0xFFFFFF) == 0xFF0000;
    return n;
}

TEST_F(SystemDemo, TheTrailOnlyWithAButtonHeldAndItGoesOnAfterANewPress)
{
    auto f = load();
    auto& pic = *f->picMouseSimulationArea;
    auto move = [&](int16_t button, float x, float y) {
        int16_t shift = 0;
        pic.MouseMove.raise(button, shift, x, y);
    };
    move(0, 5, 5);
    move(0, 20, 30);
    EXPECT_FALSE(f->DrawingStarted);
    EXPECT_EQ(redPixels(pic.drawingImage()), 0);

    move(1, 5, 5);
    EXPECT_TRUE(f->DrawingStarted);
    move(1, 5, 15);
    EXPECT_EQ(pic.drawingImage().pixel(5, 10) & 0xFFFFFF, 0xFF0000u);
    // Released, then pressed elsewhere: the line joins the last point.
    move(0, 30, 15);
    move(1, 25, 15);
    EXPECT_EQ(pic.drawingImage().pixel(15, 15) & 0xFFFFFF, 0xFF0000u);

    f->cmdClearMouseSimArea->press();
    EXPECT_FALSE(f->DrawingStarted);
    EXPECT_EQ(redPixels(pic.drawingImage()), 0);
    move(1, 30, 60);
    move(1, 30, 70);
    EXPECT_EQ(pic.drawingImage().pixel(30, 65) & 0xFFFFFF, 0xFF0000u);
    EXPECT_EQ(pic.drawingImage().pixel(15, 15) & 0xFFFFFF, 0xFFFFFFu);
}

TEST_F(SystemDemo, TheScriptPlaysItsTwentyFiveStepsOnceAtTheBoxsPosition)
{
    auto f = load();
    misc->put(f->picMouseSimulationArea.get(), 400, 300, 39, 81);
    f->cmdSimulateMouseActivity->press();
    ASSERT_TRUE(f->timerSimulateMouseActivity->Enabled());
    for (int tick = 1; tick <= 25; ++tick) {
        ASSERT_TRUE(f->timerSimulateMouseActivity->Enabled()) << tick;
        if (tick == 14) // the box moved: the rest follows it
            misc->put(f->picMouseSimulationArea.get(), 410, 320, 39, 81);
        f->timerSimulateMouseActivity->fire();
    }
    EXPECT_FALSE(f->timerSimulateMouseActivity->Enabled());
    ASSERT_EQ(sys->script.size(), 25u);
    const sysdemo::ScriptStep* steps = sysdemo::simulationScript();
    for (int i = 0; i < 25; ++i) {
        const QPoint origin = i < 13 ? QPoint(400, 300) : QPoint(410, 320);
        EXPECT_EQ(sys->script[i].action, steps[i].action) << i;
        EXPECT_EQ(sys->script[i].button, 1);
        EXPECT_EQ(QPoint(sys->script[i].x, sys->script[i].y), origin + QPoint(steps[i].dx, steps[i].dy)) << i;
    }
    EXPECT_EQ(sys->script[0].action, 3);
    EXPECT_EQ(QPoint(sys->script[23].x, sys->script[23].y), QPoint(432, 310)); // above the box
    EXPECT_EQ(sys->script[24].action, 5);

    // A second run finds the counter past the script: nothing is simulated.
    f->cmdSimulateMouseActivity->press();
    f->timerSimulateMouseActivity->fire();
    EXPECT_FALSE(f->timerSimulateMouseActivity->Enabled());
    EXPECT_EQ(sys->script.size(), 25u);
    EXPECT_EQ(f->SimulationStep, 26);
}

TEST_F(SystemDemo, FormatsEmptyAndFocusTheBoxAndFilterTypedKeys)
{
    auto f = load();
    f->Show();
    auto& box = *f->txtKeyPressFilter;
    box.setText("abc");
    f->cmbKeyPressFormats->setListIndex(14); // Hex
    EXPECT_EQ(box.Text(), "");
    QWidget* focused = box.widget()->window()->focusWidget();
    EXPECT_TRUE(focused && (focused == box.widget() || box.widget()->isAncestorOf(focused)));

    auto press = [&](char c) {
        int16_t k = int16_t(c);
        box.KeyPress.raise(k);
        return k;
    };
    EXPECT_EQ(press('f'), 'F');
    EXPECT_EQ(press('g'), 0);
    int16_t code = 70, shift = 0;
    box.KeyDown.raise(code, shift);
    box.KeyUp.raise(code, shift);
    EXPECT_EQ(code, 70);
    EXPECT_EQ(sys->downUpFormats, (std::vector<int32_t>{ 14, 14 }));

    f->cmbKeyPressFormats->setListIndex(1); // Numbers
    EXPECT_EQ(press('7'), '7');
    EXPECT_EQ(press('a'), 0);
    EXPECT_EQ(press('\b'), '\b');
    f->cmbKeyPressFormats->setListIndex(2); // Letters
    EXPECT_EQ(press('a'), 'a');
    EXPECT_EQ(press('7'), 0);
    f->cmbKeyPressFormats->setListIndex(15); // Binary
    EXPECT_EQ(press('1'), '1');
    EXPECT_EQ(press('2'), 0);
}

} // namespace
