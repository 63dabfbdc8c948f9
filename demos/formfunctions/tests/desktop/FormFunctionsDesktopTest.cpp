// Window frames on a real desktop: the frame the form functions demo lists
// for its main window from its load, with and without a window manager, and
// where every program of the suite puts its centred window. Frames are read
// from the window manager's own properties on a connection of the test's.
// And its check box clicked right of its caption, as a user's mouse would.
#include "frmFormFunctionsDemo.h"
#include "frmNewOwner.h"

#include <Application.h>
#include <Buttons.h>
#include <DesignData.h>
#include <DesktopTier.h>
#include <Form.h>
#include <FormFunctionsImpl.h>
#include <Library.h>
#include <Lists.h>
#include <PrivateXvfb.h>
#include <QtPrinters.h>
#include <Register.h>

#include <QDir>
#include <QElapsedTimer>
#include <QMargins>
#include <QProcess>
#include <QRect>
#include <QWidget>
#include <QWindow>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <optional>
#include <vector>

// The X headers come last: their macros would clash with the toolkit's.
#include <X11TestClient.h>

namespace {

using Screen = zgtest::X11TestClient;

// Waits for `read` to give the same rectangle twice 100 ms apart (the
// window manager has placed and framed the window), running the
// application's events meanwhile.
std::optional<QRect> settled(const std::function<std::optional<QRect>()>& read, int timeoutMs = 20000)
{
    QElapsedTimer clock;
    clock.start();
    std::optional<QRect> last;
    while (clock.elapsed() < timeoutMs) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 100);
        const std::optional<QRect> now = read();
        if (now && last && *now == *last)
            return now;
        last = now;
        QElapsedTimer pause;
        pause.start();
        while (pause.elapsed() < 100)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return std::nullopt;
}

// How far the centre of `frame` lies from where the ratios put a frame of
// its size in `area`, along each axis.
QPointF offCentre(const QRect& frame, const QRect& area, double xRatio = 0.5, double yRatio = 0.5)
{
    const double x = area.left() + (area.width() - frame.width()) * xRatio;
    const double y = area.top() + (area.height() - frame.height()) * yRatio;
    return QPointF(frame.left() - x, frame.top() - y);
}

QString listed(const frmFormFunctionsDemo& form, const QString& name)
{
    for (int32_t i = 0; i < form.lstWindowInfo->ListCount(); ++i)
        if (form.lstWindowInfo->List(i).startsWith(name + QStringLiteral(" = ")))
            return form.lstWindowInfo->List(i).mid(name.size() + 3);
    return {};
}

// Runs the application's events until `done` holds, at most `timeoutMs`.
bool eventually(const std::function<bool()>& done, int timeoutMs = 5000)
{
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > timeoutMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return true;
}

// A program of the suite started on a display, ended by its process id.
class Program {
public:
    Program(const QString& path, const QProcessEnvironment& env)
    {
        process_.setProcessEnvironment(env);
        process_.setProcessChannelMode(QProcess::SeparateChannels);
        process_.start(path, QStringList());
    }
    ~Program()
    {
        if (process_.state() == QProcess::NotRunning)
            return;
        process_.terminate();
        if (!process_.waitForFinished(5000)) {
            process_.kill();
            process_.waitForFinished(5000);
        }
    }
    bool started() { return process_.waitForStarted(10000); }
    qint64 pid() const { return process_.processId(); }
    QProcess& process() { return process_; }

private:
    QProcess process_;
};

class FormFunctionsOnTheDesktop : public ::testing::Test {
protected:
    void TearDown() override
    {
        plat::resetUiForTests();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        zg::resetForTests();
    }

    // The library for the forms this program loads itself, shown on the
    // tier's screen with its window manager.
    static void formsOnTheTier(const Screen& screen)
    {
        ASSERT_TRUE(screen.isOpen());
        ASSERT_TRUE(screen.managed()) << "the tier runs a window manager";
        zg::registerLibrary();
        plat::setLastFormUnloadedHandler([] {});
    }

    // Where on the screen a point of a control of the shown form lies.
    QPoint onScreen(Screen& screen, const plat::Form& form, QWidget* control, QPoint local)
    {
        return screen.clientRect(form.widget()->winId()).topLeft() + control->mapTo(form.widget(), local);
    }
};

TEST_F(FormFunctionsOnTheDesktop, TheFormFunctionsDemoListsTheFrameTheManagerGivesItFromItsLoad)
{
    ZG_REQUIRE_DESKTOP();
    Screen screen(zgtest::desktop::display());
    ASSERT_NO_FATAL_FAILURE(formsOnTheTier(screen));

    const auto main = plat::formInstance<frmFormFunctionsDemo>();
    main->Load();
    // What the load listed, before the window was ever shown.
    const QString height = listed(*main, QStringLiteral("NonClientAreaHeight (Me)"));
    const QString width = listed(*main, QStringLiteral("NonClientAreaWidth (Me)"));
    main->Show();
    QWidget* window = main->widget();
    const auto frame = settled([&] { return screen.frameRect(window->winId(), true); });
    ASSERT_TRUE(frame) << "the main window was not framed";
    const QMargins extents = *screen.frameExtents(window->winId());
    EXPECT_GT(extents.top(), 0) << "the manager gives a title bar";
    EXPECT_EQ(height, QString::number(extents.top() + extents.bottom()));
    EXPECT_EQ(width, QString::number(extents.left() + extents.right()));
    // The shown window reads the same.
    EXPECT_EQ(zg::FormFunctions()->NonClientAreaHeight(main).toLong(), extents.top() + extents.bottom());
    EXPECT_EQ(zg::FormFunctions()->NonClientAreaWidth(main).toLong(), extents.left() + extents.right());

    // The frame, not the window inside it, is centred; the new owner's frame
    // lies a quarter of the way.
    const QRect area = screen.workArea();
    const QPointF off = offCentre(*frame, area);
    EXPECT_LE(std::abs(off.x()), 1.0) << "frame " << frame->x() << "," << frame->y();
    EXPECT_LE(std::abs(off.y()), 1.0) << "frame " << frame->x() << "," << frame->y();
    main->cmdShowNewOwner_Click();
    QWidget* owner = plat::formInstance<frmNewOwner>()->widget();
    const auto ownerFrame = settled([&] { return screen.frameRect(owner->winId(), true); });
    ASSERT_TRUE(ownerFrame) << "the new owner was not framed";
    const QPointF ownerOff = offCentre(*ownerFrame, area, 0.25, 0.25);
    EXPECT_LE(std::abs(ownerOff.x()), 1.0);
    EXPECT_LE(std::abs(ownerOff.y()), 1.0);

    // Centred again once shown, it stays where it is.
    zg::FormFunctions()->CenterFormEx(main, true, false, 0.5f, 0.5f);
    EXPECT_EQ(settled([&] { return screen.frameRect(window->winId(), true); }), frame);
}

TEST_F(FormFunctionsOnTheDesktop, ASizableWindowCreatedBeforeItIsShownIsCentredByItsFrame)
{
    ZG_REQUIRE_DESKTOP();
    Screen screen(zgtest::desktop::display());
    ASSERT_NO_FATAL_FAILURE(formsOnTheTier(screen));

    // A window that can be resized, whose frame may differ from a fixed
    // one's, and that the toolkit creates before it is shown.
    plat::DesignData design;
    design.form.name = QStringLiteral("frmSizable");
    design.form.caption = QStringLiteral("Sizable");
    design.form.clientWidth = 300 * 15;
    design.form.clientHeight = 200 * 15;
    const auto form = std::make_shared<plat::Form>(design);
    form->Load();
    const long height = zg::FormFunctions()->NonClientAreaHeight(form).toLong();
    const long width = zg::FormFunctions()->NonClientAreaWidth(form).toLong();
    form->widget()->winId();
    zg::FormFunctions()->CenterFormEx(form, true, false, 0.5f, 0.5f);
    form->Show();

    const WId window = form->widget()->winId();
    const auto frame = settled([&] { return screen.frameRect(window, true); });
    ASSERT_TRUE(frame);
    const QMargins extents = *screen.frameExtents(window);
    EXPECT_EQ(height, extents.top() + extents.bottom());
    EXPECT_EQ(width, extents.left() + extents.right());
    const QPointF off = offCentre(*frame, screen.workArea());
    EXPECT_LE(std::abs(off.x()), 1.0);
    EXPECT_LE(std::abs(off.y()), 1.0);
}

TEST_F(FormFunctionsOnTheDesktop, WithoutAWindowManagerTheFormFunctionsDemoListsNoFrame)
{
    ZG_REQUIRE_DESKTOP();
    zgtest::PrivateXvfb bare;
    if (!bare.start(1280, 1024))
        GTEST_SKIP() << bare.why();
    QProcessEnvironment env = zgtest::desktop::programEnvironment();
    env.insert(QStringLiteral("DISPLAY"), QString::fromLatin1(bare.displayName()));
    Program lister(QStringLiteral(ZG_TEST_PROGRAM_DIR "/formfunctions_window_info"), env);
    ASSERT_TRUE(lister.started());

    QStringList lines;
    QElapsedTimer clock;
    clock.start();
    while (!lines.contains(QStringLiteral("shown")) && clock.elapsed() < 30000) {
        lister.process().waitForReadyRead(1000);
        while (lister.process().canReadLine())
            lines << QString::fromUtf8(lister.process().readLine()).trimmed();
    }
    ASSERT_TRUE(lines.contains(QStringLiteral("shown"))) << lines.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(lines.size(), 13);
    EXPECT_TRUE(lines.contains(QStringLiteral("NonClientAreaHeight (Me) = 0")));
    EXPECT_TRUE(lines.contains(QStringLiteral("NonClientAreaWidth (Me) = 0")));

    // Nothing frames the window: the window itself is centred.
    Screen screen(bare.displayName());
    ASSERT_TRUE(screen.isOpen());
    ASSERT_FALSE(screen.managed());
    const auto window = settled([&]() -> std::optional<QRect> {
        const std::vector<Window> shown = screen.shownWindowsOf(lister.pid());
        return shown.size() == 1 ? screen.frameRect(shown.front(), false) : std::nullopt;
    });
    ASSERT_TRUE(window);
    const QPointF off = offCentre(*window, screen.workArea());
    EXPECT_LE(std::abs(off.x()), 1.0);
    EXPECT_LE(std::abs(off.y()), 1.0);
}

TEST_F(FormFunctionsOnTheDesktop, EveryProgramOfTheSuiteCentresItsWindowByItsFrame)
{
    ZG_REQUIRE_DESKTOP();
    Screen screen(zgtest::desktop::display());
    ASSERT_TRUE(screen.isOpen());
    const QRect area = screen.workArea();

    // Every demo program's main window, and the catalog's.
    struct Expected {
        QString path;
        QString window; // its name; empty: the program's one framed window
    };
    std::vector<Expected> programs;
    const QDir demos(QStringLiteral(ZG_PROGRAM_DIR "/ZGDemos"));
    for (const QString& folder : demos.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name))
        programs.push_back({ demos.filePath(folder + QLatin1Char('/') + folder + QStringLiteral("Demo")), {} });
    ASSERT_EQ(programs.size(), 12u) << "twelve demo programs are built";
    programs.push_back({ QStringLiteral(ZG_PROGRAM_DIR "/ZorvaneGlobals3Demo"), QStringLiteral("ZorvaneGlobals 3.0 Demos") });

    for (const Expected& expected : programs) {
        SCOPED_TRACE(expected.path.toStdString());
        ASSERT_TRUE(QFileInfo(expected.path).isExecutable());
        Program program(expected.path, zgtest::desktop::programEnvironment());
        ASSERT_TRUE(program.started());
        const auto frame = settled([&]() -> std::optional<QRect> {
            for (Window w : screen.shownWindowsOf(program.pid())) {
                const auto extents = screen.frameExtents(w);
                const bool framed = extents && extents->top() > 0;
                if (expected.window.isEmpty() ? framed : screen.title(w) == expected.window)
                    return screen.frameRect(w, true);
            }
            return std::nullopt;
        });
        ASSERT_TRUE(frame) << "no framed window";
        const QPointF off = offCentre(*frame, area);
        EXPECT_LE(std::abs(off.x()), 1.0) << "frame at " << frame->x() << "," << frame->y() << " size "
                                          << frame->width() << "x" << frame->height();
        EXPECT_LE(std::abs(off.y()), 1.0) << "frame at " << frame->x() << "," << frame->y() << " size "
                                          << frame->width() << "x" << frame->height();
    }
}

TEST_F(FormFunctionsOnTheDesktop, TheCheckBoxTakesAClickRightOfItsCaptionAndTheCheckedOwnerFloats)
{
    ZG_REQUIRE_DESKTOP();
    Screen screen(zgtest::desktop::display());
    ASSERT_NO_FATAL_FAILURE(formsOnTheTier(screen));

    const auto main = plat::formInstance<frmFormFunctionsDemo>();
    main->Load();
    main->Show();
    ASSERT_TRUE(eventually([&] { return screen.frameExtents(main->widget()->winId()).has_value(); }, 20000))
        << "the main window was not framed";

    // A point inside the check box's design rectangle (224 px wide), well
    // right of where its caption's text ends.
    QWidget* box = main->chkFloat->widget();
    const QPoint local(3360 / 15 - 12, box->height() / 2);
    ASSERT_GT(local.x(), 40 + box->fontMetrics().horizontalAdvance(QStringLiteral("New Owner Floats")));
    const QPoint rightOfCaption = onScreen(screen, *main, box, local);

    int clicks = 0;
    main->chkFloat->Click.connect([&] { ++clicks; });
    EXPECT_EQ(main->chkFloat->Value(), 0);
    screen.click(rightOfCaption);
    EXPECT_TRUE(eventually([&] { return clicks == 1; }));
    EXPECT_EQ(main->chkFloat->Value(), 1);
    screen.click(rightOfCaption);
    EXPECT_TRUE(eventually([&] { return clicks == 2; }));
    EXPECT_EQ(main->chkFloat->Value(), 0);

    // Checked there again, then "Show New Owner": the new owner floats.
    screen.click(rightOfCaption);
    ASSERT_TRUE(eventually([&] { return main->chkFloat->Value() == 1; }));
    QWidget* show = main->cmdShowNewOwner->widget();
    screen.click(onScreen(screen, *main, show, show->rect().center()));
    const auto owner = plat::formInstance<frmNewOwner>();
    ASSERT_TRUE(eventually([&] { return owner->widget() && owner->widget()->isVisible(); }))
        << "Show New Owner was not clicked";
    // The window the manager knows: the toolkit makes its window anew when
    // it changes the floating hint.
    const Atom above = XInternAtom(screen.display(), "_NET_WM_STATE_ABOVE", False);
    EXPECT_TRUE(eventually(
        [&] {
            const auto state = screen.cardinals(owner->widget()->windowHandle()->winId(), "_NET_WM_STATE", XA_ATOM);
            return std::find(state.begin(), state.end(), long(above)) != state.end();
        },
        10000))
        << "the window manager does not keep the new owner above";
}

} // namespace
