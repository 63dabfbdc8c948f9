// The display-server paths of the desktop machine, against a private Xvfb
// that each test starts (never the user's display).
#include "PrivateXvfb.h"
#include "X11Desktop.h"

#include <gtest/gtest.h>

#include <QMargins>

#include <atomic>
#include <csignal>
#include <poll.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

namespace {

class X11DesktopOnXvfb : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!xvfb.start(800, 600))
            GTEST_SKIP() << xvfb.why();
        probe = XOpenDisplay(xvfb.name());
        ASSERT_NE(probe, nullptr);
        desktop = zg::X11Desktop::open(xvfb.displayName());
        ASSERT_TRUE(desktop);
    }
    void TearDown() override
    {
        desktop.reset();
        if (probe)
            XCloseDisplay(probe);
    }

    QPoint pointer()
    {
        Window r, c;
        int x, y, wx, wy;
        unsigned m;
        XQueryPointer(probe, DefaultRootWindow(probe), &r, &c, &x, &y, &wx, &wy, &m);
        return { x, y };
    }
    // A mouse's move: relative, as barriers see a user's hand.
    void nudge(int dx, int dy)
    {
        XTestFakeRelativeMotionEvent(probe, dx, dy, CurrentTime);
        XSync(probe, False);
        usleep(20000);
    }
    void warp(QPoint p)
    {
        XWarpPointer(probe, 0, DefaultRootWindow(probe), 0, 0, 0, 0, p.x(), p.y());
        XSync(probe, False);
    }
    Atom atom(const char* n) { return XInternAtom(probe, n, False); }

    // Pretends an EWMH window manager that honours struts runs.
    void pretendManager(QRect workArea)
    {
        const Window root = DefaultRootWindow(probe);
        const Window check = XCreateSimpleWindow(probe, root, 0, 0, 1, 1, 0, 0, 0);
        XChangeProperty(probe, check, atom("_NET_SUPPORTING_WM_CHECK"), XA_WINDOW, 32, PropModeReplace,
                        reinterpret_cast<const unsigned char*>(&check), 1);
        XChangeProperty(probe, root, atom("_NET_SUPPORTING_WM_CHECK"), XA_WINDOW, 32, PropModeReplace,
                        reinterpret_cast<const unsigned char*>(&check), 1);
        const Atom supported[] = { atom("_NET_WM_STRUT_PARTIAL"), atom("_NET_WORKAREA") };
        XChangeProperty(probe, root, atom("_NET_SUPPORTED"), XA_ATOM, 32, PropModeReplace,
                        reinterpret_cast<const unsigned char*>(supported), 2);
        const long area[4] = { workArea.x(), workArea.y(), workArea.width(), workArea.height() };
        XChangeProperty(probe, root, atom("_NET_WORKAREA"), XA_CARDINAL, 32, PropModeReplace,
                        reinterpret_cast<const unsigned char*>(area), 4);
        XSync(probe, False);
    }

    std::vector<long> strutOf(Window w)
    {
        Atom type;
        int format;
        unsigned long n, after;
        unsigned char* data = nullptr;
        std::vector<long> out;
        if (XGetWindowProperty(probe, w, atom("_NET_WM_STRUT_PARTIAL"), 0, 12, False, XA_CARDINAL, &type, &format,
                               &n, &after, &data)
                == Success
            && data) {
            out.assign(reinterpret_cast<long*>(data), reinterpret_cast<long*>(data) + n);
            XFree(data);
        }
        return out;
    }

    bool windowExists(Window w)
    {
        XWindowAttributes a;
        XSync(probe, False);
        auto old = XSetErrorHandler([](Display*, XErrorEvent*) { return 0; });
        const bool ok = XGetWindowAttributes(probe, w, &a) != 0;
        XSync(probe, False);
        XSetErrorHandler(old);
        return ok;
    }

    zgtest::PrivateXvfb xvfb;
    Display* probe = nullptr;
    std::unique_ptr<zg::X11Desktop> desktop;
};

TEST_F(X11DesktopOnXvfb, SyntheticInputGoesThroughTheServer)
{
    ASSERT_TRUE(desktop->hasTestInput());
    EXPECT_EQ(desktop->rootRect(), QRect(0, 0, 800, 600));

    // A window of the probe sees the press, the move with the button held
    // and the release, as from a user's mouse.
    const Window w = XCreateSimpleWindow(probe, DefaultRootWindow(probe), 100, 100, 200, 200, 0, 0, 0);
    XSelectInput(probe, w, ButtonPressMask | ButtonReleaseMask | Button1MotionMask);
    XMapWindow(probe, w);
    XSync(probe, False);
    usleep(50000);

    desktop->fakeMotion({ 150, 150 });
    desktop->fakeButton(1, true);
    desktop->fakeMotion({ 160, 170 });
    desktop->fakeButton(1, false);
    XSync(probe, False);
    usleep(50000);
    EXPECT_EQ(pointer(), QPoint(160, 170));

    std::vector<int> types;
    while (XPending(probe)) {
        XEvent ev;
        XNextEvent(probe, &ev);
        if (ev.type == ButtonPress || ev.type == ButtonRelease || ev.type == MotionNotify)
            types.push_back(ev.type);
    }
    ASSERT_GE(types.size(), 3u);
    EXPECT_EQ(types.front(), ButtonPress);
    EXPECT_EQ(types.back(), ButtonRelease);
    EXPECT_NE(std::find(types.begin(), types.end(), MotionNotify), types.end());
}

TEST_F(X11DesktopOnXvfb, ThePointerCannotLeaveAConfinedRectangle)
{
    ASSERT_TRUE(desktop->hasBarriers());
    warp({ 10, 10 });
    // Pixels 200..299 and 100..149: the pointer is brought inside first.
    desktop->confine(QRect(200, 100, 100, 50));
    EXPECT_EQ(pointer(), QPoint(200, 100));
    EXPECT_EQ(desktop->confinement(), QRect(200, 100, 100, 50));

    nudge(-30, -30);
    EXPECT_EQ(pointer(), QPoint(200, 100));
    nudge(500, 0);
    EXPECT_EQ(pointer(), QPoint(299, 100));
    nudge(0, 400);
    EXPECT_EQ(pointer(), QPoint(299, 149));
    nudge(-40, -20);
    EXPECT_EQ(pointer(), QPoint(259, 129)); // free inside
    nudge(20, 300); // a slanted move stops at the edge it crosses
    EXPECT_EQ(pointer().y(), 149);

    desktop->confine(std::nullopt);
    warp({ 250, 120 });
    nudge(300, 300);
    EXPECT_EQ(pointer(), QPoint(550, 420));
}

TEST_F(X11DesktopOnXvfb, TheWorkAreaIsReservedWithStrutsForAnEwmhManager)
{
    EXPECT_FALSE(desktop->managerHonoursStruts());
    pretendManager(QRect(0, 0, 800, 570));
    EXPECT_TRUE(desktop->managerHonoursStruts());
    EXPECT_EQ(desktop->managerWorkArea(), QRect(0, 0, 800, 570));

    desktop->reserveOutside(QRect(0, 0, 800, 400));
    const Window w = desktop->reservingWindow();
    ASSERT_NE(w, 0u);
    const std::vector<long> strut = strutOf(w);
    ASSERT_EQ(strut.size(), 12u);
    EXPECT_EQ(strut[0], 0); // left
    EXPECT_EQ(strut[1], 0); // right
    EXPECT_EQ(strut[2], 0); // top
    EXPECT_EQ(strut[3], 200); // bottom
    EXPECT_EQ(strut[10], 0);
    EXPECT_EQ(strut[11], 799);

    desktop->reserveOutside(std::nullopt);
    EXPECT_EQ(desktop->reservingWindow(), 0u);
    EXPECT_FALSE(windowExists(w));
}

// What the library sets up on the server goes away with a process that is
// killed: no reserving window and no barrier stay behind.
TEST_F(X11DesktopOnXvfb, ConfinementAndReservationEndWithAKilledProcess)
{
    pretendManager(QRect(0, 0, 800, 600));
    warp({ 250, 120 });
    int fds[2];
    ASSERT_EQ(pipe(fds), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        close(fds[0]);
        auto d = zg::X11Desktop::open(xvfb.displayName());
        unsigned long w = 0;
        if (d) {
            d->confine(QRect(200, 100, 100, 50));
            d->reserveOutside(QRect(0, 0, 800, 400));
            w = d->reservingWindow();
        }
        (void)!write(fds[1], &w, sizeof w);
        for (;;)
            pause();
    }
    close(fds[1]);
    unsigned long reserver = 0;
    ASSERT_EQ(read(fds[0], &reserver, sizeof reserver), ssize_t(sizeof reserver));
    close(fds[0]);
    ASSERT_NE(reserver, 0u);
    EXPECT_TRUE(windowExists(reserver));
    nudge(300, 0);
    EXPECT_EQ(pointer(), QPoint(299, 120)); // held while the process lives

    kill(child, SIGKILL);
    int status = 0;
    waitpid(child, &status, 0);
    usleep(100000);
    EXPECT_FALSE(windowExists(reserver));
    nudge(300, 0);
    EXPECT_EQ(pointer(), QPoint(599, 120));
}

// A window manager of the test's: it redirects the root's children, says
// it supports frame extents and answers every request for them with the
// frame it is given, on a thread of its own.
class FrameTeller {
public:
    FrameTeller(const char* display, QMargins frame) : d_(XOpenDisplay(display)), frame_(frame)
    {
        const Window root = DefaultRootWindow(d_);
        XSelectInput(d_, root, SubstructureRedirectMask | SubstructureNotifyMask);
        check_ = XCreateSimpleWindow(d_, root, 0, 0, 1, 1, 0, 0, 0);
        for (Window w : { check_, root })
            XChangeProperty(d_, w, atom("_NET_SUPPORTING_WM_CHECK"), XA_WINDOW, 32, PropModeReplace,
                            reinterpret_cast<const unsigned char*>(&check_), 1);
        const Atom supported[] = { atom("_NET_FRAME_EXTENTS"), atom("_NET_REQUEST_FRAME_EXTENTS") };
        XChangeProperty(d_, root, atom("_NET_SUPPORTED"), XA_ATOM, 32, PropModeReplace,
                        reinterpret_cast<const unsigned char*>(supported), 2);
        XSync(d_, False);
        thread_ = std::thread([this] { answer(); });
    }
    ~FrameTeller()
    {
        stop_ = true;
        thread_.join();
        XCloseDisplay(d_);
    }
    Window check() const { return check_; }
    int asked() const { return asked_; }

private:
    Atom atom(const char* n) { return XInternAtom(d_, n, False); }
    void answer()
    {
        const Atom request = atom("_NET_REQUEST_FRAME_EXTENTS"), extents = atom("_NET_FRAME_EXTENTS");
        while (!stop_) {
            while (XPending(d_)) {
                XEvent ev;
                XNextEvent(d_, &ev);
                if (ev.type != ClientMessage || ev.xclient.message_type != request)
                    continue;
                ++asked_;
                const long e[4] = { frame_.left(), frame_.right(), frame_.top(), frame_.bottom() };
                XChangeProperty(d_, ev.xclient.window, extents, XA_CARDINAL, 32, PropModeReplace,
                                reinterpret_cast<const unsigned char*>(e), 4);
                XFlush(d_);
            }
            pollfd pfd{ ConnectionNumber(d_), POLLIN, 0 };
            ::poll(&pfd, 1, 10);
        }
    }

    Display* d_;
    QMargins frame_;
    Window check_ = 0;
    std::thread thread_;
    std::atomic<bool> stop_{ false };
    std::atomic<int> asked_{ 0 };
};

TEST_F(X11DesktopOnXvfb, FramesAreAskedOfAManagerThatTellsThemAndNoneWithoutAManager)
{
    using Framing = zg::X11Desktop::Framing;
    const Window root = DefaultRootWindow(probe);
    const Window window = XCreateSimpleWindow(probe, root, 0, 0, 200, 100, 0, 0, 0);
    XSync(probe, False);
    EXPECT_EQ(zg::X11Desktop::framingOn(probe).kind, Framing::NoManager);
    // Nobody answers: back after the wait, with nothing.
    EXPECT_FALSE(zg::X11Desktop::requestFrameExtentsOn(probe, window, 50));

    {
        // A manager that reserves the screen's edges but tells no frames.
        Display* silent = XOpenDisplay(xvfb.name());
        XSelectInput(silent, root, SubstructureRedirectMask);
        XSync(silent, False);
        pretendManager(QRect(0, 0, 800, 600));
        EXPECT_EQ(zg::X11Desktop::framingOn(probe).kind, Framing::Silent);
        XCloseDisplay(silent);
        XSync(probe, False);
    }

    FrameTeller teller(xvfb.name(), QMargins(2, 24, 3, 5));
    const Framing framing = zg::X11Desktop::framingOn(probe);
    EXPECT_EQ(framing.kind, Framing::Telling);
    EXPECT_EQ(framing.manager, teller.check());
    EXPECT_FALSE(zg::X11Desktop::frameExtentsOn(probe, window)); // not asked yet
    EXPECT_EQ(zg::X11Desktop::requestFrameExtentsOn(probe, window, 5000), QMargins(2, 24, 3, 5));
    EXPECT_EQ(teller.asked(), 1);
    EXPECT_EQ(zg::X11Desktop::frameExtentsOn(probe, window), QMargins(2, 24, 3, 5));

    // Extents that no frame can have are no answer; a window gone has none.
    const long nonsense[4] = { -1, 0, 20, 0 };
    XChangeProperty(probe, window, atom("_NET_FRAME_EXTENTS"), XA_CARDINAL, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(nonsense), 4);
    XSync(probe, False);
    EXPECT_FALSE(zg::X11Desktop::frameExtentsOn(probe, window));
    XDestroyWindow(probe, window);
    XSync(probe, False);
    EXPECT_FALSE(zg::X11Desktop::frameExtentsOn(probe, window));
    EXPECT_FALSE(zg::X11Desktop::requestFrameExtentsOn(probe, window, 50));
}

TEST_F(X11DesktopOnXvfb, KeyboardLayoutAndPointerDevicesFromTheServer)
{
    // Xvfb's keyboard has the layout its rules name; its pointer devices
    // are its own mouse (the test devices are left out).
    const QString layout = desktop->keyboardLayout();
    EXPECT_FALSE(layout.isEmpty());
    const auto devices = desktop->pointerDevices();
    if (devices) {
        EXPECT_FALSE(devices->name.contains("XTEST"));
        EXPECT_GE(devices->buttons, 0);
    }
}

} // namespace
