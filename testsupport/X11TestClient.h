// A test's own connection to an X display (a private Xvfb, or the desktop
// tier's): finds a program's windows by title or process, tells where their
// client areas and their window manager's frames are, reads the manager's
// work area, and clicks through the server's test input as a user's mouse
// would. Requests about windows that went away meanwhile are ignored. Xlib's macros (None, Bool, Status
// ...) clash with Qt's headers: include this after them.
#pragma once
#include <QByteArray>
#include <QElapsedTimer>
#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QThread>
#include <QString>
#include <optional>
#include <vector>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>

namespace zgtest {

class X11TestClient {
public:
    explicit X11TestClient(const QByteArray& display) : d_(XOpenDisplay(display.constData()))
    {
        XSetErrorHandler([](Display*, XErrorEvent*) { return 0; });
    }
    ~X11TestClient()
    {
        if (d_)
            XCloseDisplay(d_);
    }
    X11TestClient(const X11TestClient&) = delete;
    X11TestClient& operator=(const X11TestClient&) = delete;

    bool isOpen() const { return d_; }
    Display* display() const { return d_; }
    Window root() const { return DefaultRootWindow(d_); }

    // The viewable window of that title, waiting up to `timeoutMs` for it.
    Window waitForWindow(const QByteArray& title, int timeoutMs = 10000)
    {
        QElapsedTimer t;
        t.start();
        do {
            if (Window w = findNamed(root(), title))
                return w;
            QThread::msleep(20);
        } while (t.elapsed() < timeoutMs);
        return 0;
    }

    // The client area in root coordinates.
    QRect clientRect(Window w) const
    {
        XWindowAttributes a{};
        XGetWindowAttributes(d_, w, &a);
        int x = 0, y = 0;
        Window child;
        XTranslateCoordinates(d_, w, root(), 0, 0, &x, &y, &child);
        return QRect(x, y, a.width, a.height);
    }

    // A property of 32-bit values of `type` (XA_CARDINAL, XA_WINDOW); empty
    // when the window has none.
    std::vector<long> cardinals(Window w, const char* property, Atom type) const
    {
        Atom actual = 0;
        int format = 0;
        unsigned long count = 0, after = 0;
        unsigned char* data = nullptr;
        std::vector<long> out;
        if (XGetWindowProperty(d_, w, XInternAtom(d_, property, False), 0, 4096, False, type, &actual, &format,
                               &count, &after, &data)
                == Success
            && data) {
            if (actual == type && format == 32)
                out.assign(reinterpret_cast<long*>(data), reinterpret_cast<long*>(data) + count);
            XFree(data);
        }
        return out;
    }

    // The window's title as the window manager shows it (_NET_WM_NAME).
    QString title(Window w) const
    {
        Atom actual = 0;
        int format = 0;
        unsigned long count = 0, after = 0;
        unsigned char* data = nullptr;
        QString out;
        if (XGetWindowProperty(d_, w, XInternAtom(d_, "_NET_WM_NAME", False), 0, 1024, False, AnyPropertyType,
                               &actual, &format, &count, &after, &data)
                == Success
            && data) {
            if (format == 8)
                out = QString::fromUtf8(reinterpret_cast<const char*>(data), int(count));
            XFree(data);
        }
        return out;
    }

    // Whether an EWMH window manager runs.
    bool managed() const { return !cardinals(root(), "_NET_SUPPORTING_WM_CHECK", XA_WINDOW).empty(); }

    // The work area of the window manager, or the whole screen.
    QRect workArea() const
    {
        const std::vector<long> area = cardinals(root(), "_NET_WORKAREA", XA_CARDINAL);
        if (area.size() >= 4)
            return QRect(int(area[0]), int(area[1]), int(area[2]), int(area[3]));
        XWindowAttributes a{};
        XGetWindowAttributes(d_, root(), &a);
        return QRect(0, 0, a.width, a.height);
    }

    // The top-level windows of a process, shown on the screen: from the
    // window manager's list of its clients, or the root's children when no
    // manager keeps one.
    std::vector<Window> shownWindowsOf(qint64 pid) const
    {
        std::vector<Window> candidates;
        for (long w : cardinals(root(), "_NET_CLIENT_LIST", XA_WINDOW))
            candidates.push_back(Window(w));
        if (candidates.empty()) {
            Window rootReturn = 0, parent = 0, *children = nullptr;
            unsigned int n = 0;
            if (XQueryTree(d_, root(), &rootReturn, &parent, &children, &n) && children) {
                candidates.assign(children, children + n);
                XFree(children);
            }
        }
        std::vector<Window> out;
        for (Window w : candidates) {
            const std::vector<long> owner = cardinals(w, "_NET_WM_PID", XA_CARDINAL);
            XWindowAttributes a{};
            if (!owner.empty() && owner.front() == pid && XGetWindowAttributes(d_, w, &a)
                && a.map_state == IsViewable)
                out.push_back(w);
        }
        return out;
    }

    // The frame the window manager put around the window
    // (_NET_FRAME_EXTENTS: left, right, top, bottom); nullopt when the window
    // has none set.
    std::optional<QMargins> frameExtents(Window w) const
    {
        const std::vector<long> e = cardinals(w, "_NET_FRAME_EXTENTS", XA_CARDINAL);
        if (e.size() != 4)
            return std::nullopt;
        return QMargins(int(e[0]), int(e[2]), int(e[1]), int(e[3]));
    }

    // The window's rectangle on the screen grown by the frame the manager
    // says it gave it (`managed`); nothing while it is not shown, or while a
    // manager runs and has not framed it.
    std::optional<QRect> frameRect(Window w, bool managed) const
    {
        XWindowAttributes a{};
        if (!XGetWindowAttributes(d_, w, &a) || a.map_state != IsViewable)
            return std::nullopt;
        const QRect inner = clientRect(w);
        if (!managed)
            return inner;
        const auto frame = frameExtents(w);
        if (!frame)
            return std::nullopt;
        return inner.marginsAdded(*frame);
    }

    // Moves the pointer to `p` (root coordinates) and clicks the left button.
    void click(QPoint p)
    {
        XTestFakeMotionEvent(d_, -1, p.x(), p.y(), CurrentTime);
        XSync(d_, False);
        QThread::msleep(30);
        XTestFakeButtonEvent(d_, 1, True, CurrentTime);
        XSync(d_, False);
        QThread::msleep(30);
        XTestFakeButtonEvent(d_, 1, False, CurrentTime);
        XSync(d_, False);
    }

private:
    Window findNamed(Window w, const QByteArray& title) const
    {
        char* n = nullptr;
        if (XFetchName(d_, w, &n) && n) {
            const bool same = title == n;
            XFree(n);
            if (same) {
                XWindowAttributes a{};
                if (XGetWindowAttributes(d_, w, &a) && a.map_state == IsViewable)
                    return w;
            }
        }
        Window rootReturn, parent, *children = nullptr;
        unsigned count = 0;
        Window found = 0;
        if (XQueryTree(d_, w, &rootReturn, &parent, &children, &count)) {
            for (unsigned i = 0; i < count && !found; ++i)
                found = findNamed(children[i], title);
            if (children)
                XFree(children);
        }
        return found;
    }

    Display* d_;
};

} // namespace zgtest
