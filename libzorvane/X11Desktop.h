// The library's own connection to an X11 display server, for what the
// toolkit does not offer: synthetic input that the server delivers like a
// user's (XTest), pointer confinement (XFixes pointer barriers), the
// reservation of screen edges for the desktop's work area (a dock window
// with strut hints for an EWMH window manager), the frames such a manager
// gives windows, and what the server knows of the keyboard layout (XKB) and
// the pointer devices (XInput 2).
//
// Everything this connection creates on the server (barriers, the reserving
// window) belongs to the connection, and the server destroys it when the
// connection closes, which the kernel does when the process ends however it
// ends. Nothing is left behind by a program that crashes or is killed.
#pragma once
#include <QByteArray>
#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QString>
#include <memory>
#include <optional>

struct _XDisplay; // Xlib's Display

namespace zg {

class X11Desktop {
public:
    // A connection to the display (empty: $DISPLAY); nullptr when it cannot
    // be opened.
    static std::unique_ptr<X11Desktop> open(const QByteArray& displayName = QByteArray());
    ~X11Desktop();
    X11Desktop(const X11Desktop&) = delete;
    X11Desktop& operator=(const X11Desktop&) = delete;

    // The root window's area (all screens).
    QRect rootRect() const;
    QPoint pointer() const;
    void warpPointer(QPoint p);

    // ---- synthetic input (XTest) ----
    bool hasTestInput() const { return xtest_; }
    // X button numbers: 1 left, 2 middle, 3 right.
    void fakeMotion(QPoint p);
    void fakeButton(int xButton, bool press);

    // ---- confinement (XFixes pointer barriers, version 5 and later) ----
    bool hasBarriers() const { return barriers_; }
    // Four barriers around the rectangle (its right and bottom edges
    // included); the pointer is first brought inside. nullopt removes them.
    // Moves of relative pointing devices (mice, touchpads) stop at them;
    // absolute warps by other programs do not.
    void confine(std::optional<QRect> r);
    std::optional<QRect> confinement() const { return confined_; }

    // ---- work area (EWMH) ----
    // Whether an EWMH window manager runs that honours strut hints.
    bool managerHonoursStruts() const;
    // The window manager's work area of the current desktop (_NET_WORKAREA).
    std::optional<QRect> managerWorkArea() const;
    // The same work area read on another connection (Qt's), without opening
    // one of our own: nullopt unless a manager that honours struts runs.
    static std::optional<QRect> honouredWorkAreaOn(_XDisplay* display);
    // Reserves everything of the root window outside `area` with a dock
    // window's strut hints; nullopt removes the reservation. Waits briefly
    // for the window manager to publish its new work area.
    void reserveOutside(std::optional<QRect> area);
    // The reserving window (0 while there is none).
    unsigned long reservingWindow() const { return reserver_; }

    // ---- window frames (EWMH) ----
    // Who frames the top-level windows of a display.
    struct Framing {
        enum Kind {
            NoManager, // no window manager runs: windows have no frame
            Telling, // an EWMH manager that tells the frame it gave a window
                     // and, asked, the one it will give a window not shown
            Silent, // a window manager that does not
        } kind = NoManager;
        unsigned long manager = 0; // the EWMH manager's check window
    };
    // Read on another connection (Qt's), like the work area.
    static Framing framingOn(_XDisplay* display);
    // The frame the manager has set on a window (_NET_FRAME_EXTENTS).
    static std::optional<QMargins> frameExtentsOn(_XDisplay* display, unsigned long window);
    // Asks the manager for the frame it will give `window`, which is not
    // mapped (_NET_REQUEST_FRAME_EXTENTS), and waits for the answer up to
    // `waitMs` milliseconds; nullopt when none came.
    static std::optional<QMargins> requestFrameExtentsOn(_XDisplay* display, unsigned long window, int waitMs);

    // ---- what the server knows of the input devices ----
    // The XKB layout of the keyboard's current group, with its variant in
    // parentheses ("us", "de(nodeadkeys)"); empty when the server has none.
    QString keyboardLayout() const;
    struct PointerDevices {
        QString name; // the device with the most buttons
        int buttons = 0; // its buttons, wheel buttons left out
        bool wheel = false; // any device scrolls
    };
    // The physical pointing devices (the server's test devices left out);
    // nullopt without XInput 2 or without any such device.
    std::optional<PointerDevices> pointerDevices() const;

    void flush();

private:
    X11Desktop() = default;
    unsigned long atom(const char* name) const;
    void removeBarriers();

    void* display_ = nullptr; // Display*
    unsigned long root_ = 0;
    bool xtest_ = false;
    bool barriers_ = false;
    int xiOpcode_ = -1;
    unsigned long barrierIds_[4] = {};
    std::optional<QRect> confined_;
    unsigned long reserver_ = 0;
};

} // namespace zg
