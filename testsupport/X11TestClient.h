// A test's own connection to an X display (a private Xvfb, or the desktop
// tier's): finds a program's window by its title, tells where its client
// area and its window manager's frame are, and clicks through the server's
// test input as a user's mouse would. Xlib's macros (None, Bool, Status
// ...) clash with Qt's headers: include this after them.
#pragma once
#include <QByteArray>
#include <QElapsedTimer>
#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QThread>
#include <optional>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>

namespace zgtest {

class X11TestClient {
public:
    explicit X11TestClient(const QByteArray& display) : d_(XOpenDisplay(display.constData())) {}
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
    QRect clientRect(Window w)
    {
        XWindowAttributes a{};
        XGetWindowAttributes(d_, w, &a);
        int x = 0, y = 0;
        Window child;
        XTranslateCoordinates(d_, w, root(), 0, 0, &x, &y, &child);
        return QRect(x, y, a.width, a.height);
    }

    // The frame the window manager put around the window
    // (_NET_FRAME_EXTENTS: left, right, top, bottom); nullopt when the window
    // has none set.
    std::optional<QMargins> frameExtents(Window w)
    {
        const Atom extents = XInternAtom(d_, "_NET_FRAME_EXTENTS", False);
        Atom type = 0;
        int format = 0;
        unsigned long count = 0, after = 0;
        unsigned char* data = nullptr;
        std::optional<QMargins> m;
        if (XGetWindowProperty(d_, w, extents, 0, 4, False, XA_CARDINAL, &type, &format, &count, &after, &data)
                == Success
            && type == XA_CARDINAL && format == 32 && count == 4) {
            const auto* v = reinterpret_cast<const long*>(data);
            m = QMargins(int(v[0]), int(v[2]), int(v[1]), int(v[3]));
        }
        if (data)
            XFree(data);
        return m;
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
    Window findNamed(Window w, const QByteArray& title)
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
