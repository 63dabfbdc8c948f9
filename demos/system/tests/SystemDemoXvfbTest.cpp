// The System demo program itself on a private Xvfb that the test starts:
// the input it simulates really reaches its window through the display
// server, and its confinement really holds the pointer.
#include "DesktopTier.h"
#include "PrivateXvfb.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QProcess>
#include <gtest/gtest.h>

#include <unistd.h>

#include "X11TestClient.h" // Xlib's macros after every Qt header

#include <memory>

namespace {

class SystemDemoOnXvfb : public ::testing::Test {
protected:
    void SetUp() override
    {
        program = QCoreApplication::applicationDirPath() + "/../bin/ZGDemos/ZorvaneSystem/ZorvaneSystemDemo";
        if (!QFileInfo(program).isExecutable())
            GTEST_SKIP() << "the program is not built";
        if (!xvfb.start(1280, 1024))
            GTEST_SKIP() << xvfb.why();
        server = std::make_unique<zgtest::X11TestClient>(xvfb.displayName());
        ASSERT_TRUE(server->isOpen());
        x = server->display();

        demo.setProcessEnvironment(zgtest::desktop::programEnvironment(xvfb.displayName()));
        demo.setStandardOutputFile(QProcess::nullDevice());
        demo.setStandardErrorFile(QProcess::nullDevice());
        demo.start(program, {});
        ASSERT_TRUE(demo.waitForStarted(5000));
        window = server->waitForWindow("ZorvaneGlobals 3.0 - ZorvaneSystem Demo");
        ASSERT_NE(window, 0u) << "the window did not appear";
        const QRect area = server->clientRect(window);
        origin = area.topLeft();
        clientSize = area.size();
        usleep(300000);
    }
    void TearDown() override
    {
        if (demo.state() != QProcess::NotRunning) {
            demo.kill();
            demo.waitForFinished(3000);
        }
    }

    // A click at a point of the window's client area, through XTest.
    void click(QPoint client)
    {
        const QPoint p = origin + client;
        XTestFakeMotionEvent(x, -1, p.x(), p.y(), CurrentTime);
        XTestFakeButtonEvent(x, 1, True, CurrentTime);
        XTestFakeButtonEvent(x, 1, False, CurrentTime);
        XSync(x, False);
    }
    QPoint pointer()
    {
        Window r, c;
        int px, py, wx, wy;
        unsigned m;
        XQueryPointer(x, DefaultRootWindow(x), &r, &c, &px, &py, &wx, &wy, &m);
        return { px, py };
    }
    void nudge(int dx, int dy)
    {
        XTestFakeRelativeMotionEvent(x, dx, dy, CurrentTime);
        XSync(x, False);
        usleep(30000);
    }
    // Red pixels inside the picture box (its two-pixel border left out).
    int redInBox()
    {
        const QPoint box = origin + QPoint(200 + 183 + 2, 84 + 68 + 2);
        XImage* img = XGetImage(x, DefaultRootWindow(x), box.x(), box.y(), 35, 77, AllPlanes, ZPixmap);
        if (!img)
            return 0;
        int n = 0;
        for (int py = 0; py < img->height; ++py)
            for (int px = 0; px < img->width; ++px)
                n += (XGetPixel(img, px, py) & 0xFFFFFF) == 0xFF0000;
        XDestroyImage(img);
        return n;
    }

    zgtest::PrivateXvfb xvfb;
    std::unique_ptr<zgtest::X11TestClient> server;
    Display* x = nullptr;
    QString program;
    QProcess demo;
    Window window = 0;
    QPoint origin;
    QSize clientSize;
};

TEST_F(SystemDemoOnXvfb, TheScriptDrawsInTheBoxThroughTheServerAndClicksClear)
{
    EXPECT_EQ(clientSize, QSize(612, 473));
    ASSERT_EQ(redInBox(), 0);
    click({ 200 + 11 + 82, 84 + 124 + 12 }); // SimulateMouseActivity

    // The figure shows while the script draws; its last two steps click
    // "Clear" just above the box.
    int most = 0;
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 4000) {
        most = std::max(most, redInBox());
        if (most > 0 && clock.elapsed() > 1500)
            break;
        usleep(2000);
    }
    EXPECT_GT(most, 20);
    usleep(300000);
    EXPECT_EQ(redInBox(), 0);
}

TEST_F(SystemDemoOnXvfb, ThePointerCannotLeaveTheConfiningButtonUntilItIsClickedAgain)
{
    const QRect button(origin + QPoint(200 + 11, 84 + 68), QSize(165, 25)); // cmdSetMouseScreenBoundries
    click({ 200 + 11 + 82, 84 + 68 + 12 });
    usleep(300000);
    // The confinement passes one pixel less: the last column and row of the
    // button are outside it.
    const QRect held(button.topLeft(), QSize(164, 24));
    const QPoint moves[] = { { -400, -300 }, { 800, 600 }, { -30, 5 }, { 5, -40 }, { 300, 10 }, { -7, 90 } };
    for (const QPoint& m : moves) {
        nudge(m.x(), m.y());
        usleep(50000);
        EXPECT_TRUE(held.contains(pointer())) << m.x() << "," << m.y() << " gave " << pointer().x() << ","
                                              << pointer().y();
    }
    // Even a warp by another program is brought back.
    XWarpPointer(x, 0, DefaultRootWindow(x), 0, 0, 0, 0, 5, 5);
    XSync(x, False);
    usleep(100000);
    EXPECT_TRUE(held.contains(pointer()));

    // On the button: a click frees the pointer.
    XTestFakeButtonEvent(x, 1, True, CurrentTime);
    XTestFakeButtonEvent(x, 1, False, CurrentTime);
    XSync(x, False);
    usleep(300000);
    XWarpPointer(x, 0, DefaultRootWindow(x), 0, 0, 0, 0, 5, 5);
    XSync(x, False);
    usleep(100000);
    EXPECT_EQ(pointer(), QPoint(5, 5));
}

} // namespace
