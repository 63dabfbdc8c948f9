// The screen modes demo program itself on the desktop tier's display, given
// a second mode: a user who clicks both switch buttons of a fresh window,
// where nothing is selected, changes no mode and saves nothing.
#include "DesktopTier.h"

#include <QCoreApplication>
#include <QDirIterator>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

#include <memory>

// Xlib's macros after every Qt header
#include "X11TestClient.h"
#include "XRandRTestMode.h"


namespace {

// The design places of the buttons (twips, 15 to a pixel), their centres.
QPoint centreOf(int left, int top, int width, int height) { return {(left + width / 2) / 15, (top + height / 2) / 15}; }
const QPoint MakeCurrent = centreOf(4740, 2130, 3000, 495);
const QPoint MakeCurrentAndSave = centreOf(4740, 2745, 3000, 495);
const QPoint Close = centreOf(4740, 4230, 3000, 495);

// The mode the display shows and the screen's size.
struct ModeState {
    RRMode mode = 0;
    int width = 0, height = 0;
    bool operator==(const ModeState&) const = default;
};

class ScreenModesOnTheDesktop : public ::testing::Test {
protected:
    void SetUp() override
    {
        ZG_REQUIRE_DESKTOP();
        program = QStringLiteral(ZG_PROGRAM_DIR "/ZGDemos/ZorvaneScreenModes/ZorvaneScreenModesDemo");
        ASSERT_TRUE(QFileInfo(program).isExecutable()) << "the program is not built";
        ASSERT_TRUE(x.isOpen());
        addSecondMode();
        before = state();
        ASSERT_NE(before.mode, 0u);
        ASSERT_TRUE(config.isValid());

        QProcessEnvironment env = zgtest::desktop::programEnvironment();
        env.insert("XDG_CONFIG_HOME", config.path());
        demo.setProcessEnvironment(env);
        demo.start(program, {});
        ASSERT_TRUE(demo.waitForStarted(5000));
        window = x.waitForWindow("ZorvaneGlobals 3.0 - ZorvaneScreenModes Demo");
        ASSERT_NE(window, 0u) << "the window did not appear";
        QThread::msleep(500); // mapped, framed and given the focus
    }

    void TearDown() override
    {
        if (demo.state() != QProcess::NotRunning) {
            demo.kill();
            demo.waitForFinished(3000);
        }
        if (x.isOpen())
            removeSecondMode();
    }

    ModeState state()
    {
        Display* d = x.display();
        ModeState s;
        s.width = DisplayWidth(d, DefaultScreen(d));
        s.height = DisplayHeight(d, DefaultScreen(d));
        XRRScreenResources* res = XRRGetScreenResourcesCurrent(d, x.root());
        if (res && res->ncrtc > 0)
            if (XRRCrtcInfo* c = XRRGetCrtcInfo(d, res, res->crtcs[0])) {
                s.mode = c->mode;
                XRRFreeCrtcInfo(c);
            }
        if (res)
            XRRFreeScreenResources(res);
        return s;
    }

    // Gives the display's output an 800 x 600 mode besides its own, so a
    // switch to either would show.
    void addSecondMode()
    {
        extra = std::make_unique<zgtest::XRandRTestMode>(zgtest::desktop::display());
        ASSERT_NE(extra->id(), 0u);
    }

    void removeSecondMode()
    {
        if (!extra)
            return;
        // A switch that should not have happened is undone first, so the
        // tier's later tests find the display as it was.
        Display* d = x.display();
        if (state().mode != before.mode) {
            RROutput output = extra->output();
            XRRScreenResources* res = XRRGetScreenResourcesCurrent(d, x.root());
            XGrabServer(d);
            XRRSetCrtcConfig(d, res, res->crtcs[0], CurrentTime, 0, 0, before.mode, RR_Rotate_0, &output, 1);
            XRRSetScreenSize(d, x.root(), before.width, before.height, DisplayWidthMM(d, 0), DisplayHeightMM(d, 0));
            XUngrabServer(d);
            XSync(d, False);
            XRRFreeScreenResources(res);
        }
        extra.reset();
    }

    void clickAt(QPoint client)
    {
        x.click(x.clientRect(window).topLeft() + client);
        QThread::msleep(400);
    }

    QString program;
    zgtest::X11TestClient x{zgtest::desktop::display()};
    std::unique_ptr<zgtest::XRandRTestMode> extra;
    ModeState before;
    QTemporaryDir config;
    QProcess demo;
    Window window = 0;
};

TEST_F(ScreenModesOnTheDesktop, BothSwitchButtonsOfAFreshWindowChangeNothing)
{
    clickAt(MakeCurrent);
    clickAt(MakeCurrentAndSave);

    EXPECT_EQ(state(), before) << "the display's mode changed";
    QStringList written;
    for (QDirIterator it(config.path(), QDir::Files, QDirIterator::Subdirectories); it.hasNext();)
        written << it.next();
    EXPECT_TRUE(written.isEmpty()) << written.join(", ").toStdString();
    // Neither click asked anything of the user: a refused switch would have
    // shown its box.
    EXPECT_EQ(x.waitForWindow("ZorvaneScreenModes 3.0 Demo", 0), 0u);

    // The clicks land where a user's would: Close, in the same column,
    // ends the program.
    ASSERT_EQ(demo.state(), QProcess::Running);
    clickAt(Close);
    EXPECT_TRUE(demo.waitForFinished(5000));
    EXPECT_EQ(demo.exitStatus(), QProcess::NormalExit);
}

} // namespace
