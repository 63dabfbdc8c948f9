#include "X11Desktop.h"

#include <QElapsedTimer>
#include <QStringList>
#include <QVector>

#include <algorithm>
#include <poll.h>
#include <vector>

// The X headers come last: their macros (None, Bool, Status) would clash
// with the toolkit's headers.
#include <X11/XKBlib.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XInput2.h>
#include <X11/extensions/XTest.h>
#include <X11/extensions/Xfixes.h>

namespace zg {

namespace {

Display* dpyOf(void* d)
{
    return static_cast<Display*>(d);
}

// A property of 32-bit items (longs on the client side), or nothing.
std::optional<std::vector<long>> cardinals(Display* d, Window w, Atom property, Atom type)
{
    Atom actualType = 0;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(d, w, property, 0, 1024, False, type, &actualType, &format, &count, &after, &data)
            != Success
        || !data)
        return std::nullopt;
    std::optional<std::vector<long>> out;
    if (actualType == type && format == 32) {
        const long* items = reinterpret_cast<const long*>(data);
        out = std::vector<long>(items, items + count);
    }
    XFree(data);
    return out;
}

// X errors of this connection (a window gone between two requests) are not
// fatal to the program.
int ignoreErrors(Display*, XErrorEvent*)
{
    return 0;
}

} // namespace

std::unique_ptr<X11Desktop> X11Desktop::open(const QByteArray& displayName)
{
    Display* d = XOpenDisplay(displayName.isEmpty() ? nullptr : displayName.constData());
    if (!d)
        return nullptr;
    XSetErrorHandler(ignoreErrors);
    std::unique_ptr<X11Desktop> x(new X11Desktop);
    x->display_ = d;
    x->root_ = DefaultRootWindow(d);

    int event = 0, error = 0, major = 0, minor = 0;
    x->xtest_ = XTestQueryExtension(d, &event, &error, &major, &minor);

    int fixesMajor = 0, fixesMinor = 0;
    if (XFixesQueryExtension(d, &event, &error)) {
        fixesMajor = 5;
        fixesMinor = 0;
        if (XFixesQueryVersion(d, &fixesMajor, &fixesMinor))
            x->barriers_ = fixesMajor >= 5;
    }

    int opcode = 0;
    if (XQueryExtension(d, "XInputExtension", &opcode, &event, &error)) {
        int xiMajor = 2, xiMinor = 2;
        if (XIQueryVersion(d, &xiMajor, &xiMinor) == Success && xiMajor >= 2)
            x->xiOpcode_ = opcode;
    }
    return x;
}

X11Desktop::~X11Desktop()
{
    // Closing the connection destroys what it made on the server.
    if (display_)
        XCloseDisplay(dpyOf(display_));
}

unsigned long X11Desktop::atom(const char* name) const
{
    return XInternAtom(dpyOf(display_), name, False);
}

void X11Desktop::flush()
{
    XFlush(dpyOf(display_));
}

QRect X11Desktop::rootRect() const
{
    XWindowAttributes a{};
    if (!XGetWindowAttributes(dpyOf(display_), root_, &a))
        return {};
    return QRect(0, 0, a.width, a.height);
}

QPoint X11Desktop::pointer() const
{
    Window rootReturn = 0, child = 0;
    int rx = 0, ry = 0, wx = 0, wy = 0;
    unsigned int mask = 0;
    XQueryPointer(dpyOf(display_), root_, &rootReturn, &child, &rx, &ry, &wx, &wy, &mask);
    return QPoint(rx, ry);
}

void X11Desktop::warpPointer(QPoint p)
{
    XWarpPointer(dpyOf(display_), 0, root_, 0, 0, 0, 0, p.x(), p.y());
    XFlush(dpyOf(display_));
}

// ---- synthetic input ----

void X11Desktop::fakeMotion(QPoint p)
{
    if (!xtest_)
        return;
    XTestFakeMotionEvent(dpyOf(display_), -1, p.x(), p.y(), CurrentTime);
    XFlush(dpyOf(display_));
}

void X11Desktop::fakeButton(int xButton, bool press)
{
    if (!xtest_)
        return;
    XTestFakeButtonEvent(dpyOf(display_), unsigned(xButton), press ? True : False, CurrentTime);
    XFlush(dpyOf(display_));
}

// ---- confinement ----

void X11Desktop::removeBarriers()
{
    for (unsigned long& b : barrierIds_) {
        if (b)
            XFixesDestroyPointerBarrier(dpyOf(display_), b);
        b = 0;
    }
}

void X11Desktop::confine(std::optional<QRect> r)
{
    if (!barriers_)
        return;
    Display* d = dpyOf(display_);
    removeBarriers();
    confined_ = r;
    if (r) {
        // Pixels left..right and top..bottom stay reachable: a move to the
        // left stops on a vertical barrier's own column, one to the right on
        // the column before it.
        const int left = r->left(), top = r->top();
        const int right = left + std::max(0, r->width() - 1) + 1;
        const int bottom = top + std::max(0, r->height() - 1) + 1;
        const QPoint p = pointer();
        const QPoint inside(std::clamp(p.x(), left, right - 1), std::clamp(p.y(), top, bottom - 1));
        if (inside != p)
            XWarpPointer(d, 0, root_, 0, 0, 0, 0, inside.x(), inside.y());
        barrierIds_[0] = XFixesCreatePointerBarrier(d, root_, left, top, left, bottom, 0, 0, nullptr);
        barrierIds_[1] = XFixesCreatePointerBarrier(d, root_, right, top, right, bottom, 0, 0, nullptr);
        barrierIds_[2] = XFixesCreatePointerBarrier(d, root_, left, top, right, top, 0, 0, nullptr);
        barrierIds_[3] = XFixesCreatePointerBarrier(d, root_, left, bottom, right, bottom, 0, 0, nullptr);
    }
    XSync(d, False);
}

// ---- work area ----

namespace {

// The check window of the EWMH window manager that runs, and the atoms it
// supports; nothing when none runs.
struct Manager {
    Window check = 0;
    std::vector<long> supported;
    bool supports(Display* d, const char* name) const
    {
        const long a = long(XInternAtom(d, name, False));
        return std::find(supported.begin(), supported.end(), a) != supported.end();
    }
};

std::optional<Manager> ewmhManager(Display* d, Window root)
{
    const Atom checkAtom = XInternAtom(d, "_NET_SUPPORTING_WM_CHECK", False);
    const auto check = cardinals(d, root, checkAtom, XA_WINDOW);
    if (!check || check->empty())
        return std::nullopt;
    // The check window names itself: a stale property of a manager that has
    // gone does not count.
    const auto self = cardinals(d, Window(check->front()), checkAtom, XA_WINDOW);
    if (!self || self->empty() || self->front() != check->front())
        return std::nullopt;
    auto supported = cardinals(d, root, XInternAtom(d, "_NET_SUPPORTED", False), XA_ATOM);
    if (!supported)
        return std::nullopt;
    return Manager{ Window(check->front()), std::move(*supported) };
}

bool honoursStruts(Display* d, Window root)
{
    const auto manager = ewmhManager(d, root);
    return manager && (manager->supports(d, "_NET_WM_STRUT_PARTIAL") || manager->supports(d, "_NET_WM_STRUT"));
}

std::optional<QRect> workAreaOf(Display* d, Window root)
{
    const auto areas = cardinals(d, root, XInternAtom(d, "_NET_WORKAREA", False), XA_CARDINAL);
    if (!areas || areas->size() < 4)
        return std::nullopt;
    size_t desktop = 0;
    if (const auto current = cardinals(d, root, XInternAtom(d, "_NET_CURRENT_DESKTOP", False), XA_CARDINAL);
        current && !current->empty() && current->front() >= 0)
        desktop = size_t(current->front());
    if (desktop * 4 + 3 >= areas->size())
        desktop = 0;
    const long* a = areas->data() + desktop * 4;
    return QRect(int(a[0]), int(a[1]), int(a[2]), int(a[3]));
}

} // namespace

bool X11Desktop::managerHonoursStruts() const
{
    return honoursStruts(dpyOf(display_), root_);
}

std::optional<QRect> X11Desktop::managerWorkArea() const
{
    return workAreaOf(dpyOf(display_), root_);
}

std::optional<QRect> X11Desktop::honouredWorkAreaOn(_XDisplay* d)
{
    if (!d)
        return std::nullopt;
    // Only reads, and a window gone between two of them is no fault of the
    // program: its errors are ignored here, whoever owns the connection.
    const auto previous = XSetErrorHandler(ignoreErrors);
    const Window root = DefaultRootWindow(d);
    std::optional<QRect> area;
    if (honoursStruts(d, root))
        area = workAreaOf(d, root);
    XSetErrorHandler(previous);
    return area;
}

void X11Desktop::reserveOutside(std::optional<QRect> area)
{
    Display* d = dpyOf(display_);
    const QRect rootArea = rootRect();
    long strut[12] = {};
    if (area) {
        strut[0] = std::max(0, area->left() - rootArea.left());
        strut[1] = std::max(0, rootArea.right() - area->right());
        strut[2] = std::max(0, area->top() - rootArea.top());
        strut[3] = std::max(0, rootArea.bottom() - area->bottom());
        strut[4] = strut[6] = rootArea.top(); // left and right: every row
        strut[5] = strut[7] = rootArea.bottom();
        strut[8] = strut[10] = rootArea.left(); // top and bottom: every column
        strut[9] = strut[11] = rootArea.right();
    }
    const bool nothing = !area || (strut[0] == 0 && strut[1] == 0 && strut[2] == 0 && strut[3] == 0);

    // Waits for the manager to publish the new area, up to a short while.
    XSelectInput(d, root_, PropertyChangeMask);
    XSync(d, False);
    while (XPending(d)) {
        XEvent ev;
        XNextEvent(d, &ev);
    }

    if (nothing) {
        if (reserver_)
            XDestroyWindow(d, reserver_);
        reserver_ = 0;
    } else {
        if (!reserver_) {
            // A dock window of one pixel inside the reserved band, out of
            // the task bar and the pager.
            XSetWindowAttributes attrs{};
            attrs.background_pixel = BlackPixel(d, DefaultScreen(d));
            const int x = strut[0] > 0 ? rootArea.left() : (strut[1] > 0 ? rootArea.right() : rootArea.left());
            const int y = strut[2] > 0 ? rootArea.top() : (strut[3] > 0 ? rootArea.bottom() : rootArea.top());
            reserver_ = XCreateWindow(d, root_, x, y, 1, 1, 0, CopyFromParent, InputOutput, CopyFromParent,
                                      CWBackPixel, &attrs);
            XStoreName(d, reserver_, "ZorvaneGlobals work area");
            const Atom dock = atom("_NET_WM_WINDOW_TYPE_DOCK");
            XChangeProperty(d, reserver_, atom("_NET_WM_WINDOW_TYPE"), XA_ATOM, 32, PropModeReplace,
                            reinterpret_cast<const unsigned char*>(&dock), 1);
            const Atom states[2] = { Atom(atom("_NET_WM_STATE_SKIP_TASKBAR")), Atom(atom("_NET_WM_STATE_SKIP_PAGER")) };
            XChangeProperty(d, reserver_, atom("_NET_WM_STATE"), XA_ATOM, 32, PropModeReplace,
                            reinterpret_cast<const unsigned char*>(states), 2);
            const long allDesktops = 0xFFFFFFFF;
            XChangeProperty(d, reserver_, atom("_NET_WM_DESKTOP"), XA_CARDINAL, 32, PropModeReplace,
                            reinterpret_cast<const unsigned char*>(&allDesktops), 1);
        }
        XChangeProperty(d, reserver_, atom("_NET_WM_STRUT_PARTIAL"), XA_CARDINAL, 32, PropModeReplace,
                        reinterpret_cast<const unsigned char*>(strut), 12);
        XChangeProperty(d, reserver_, atom("_NET_WM_STRUT"), XA_CARDINAL, 32, PropModeReplace,
                        reinterpret_cast<const unsigned char*>(strut), 4);
        XMapWindow(d, reserver_);
    }
    XSync(d, False);

    if (managerHonoursStruts()) {
        const Atom workArea = atom("_NET_WORKAREA");
        QElapsedTimer clock;
        clock.start();
        bool changed = false;
        while (!changed && clock.elapsed() < 500) {
            while (!changed && XPending(d)) {
                XEvent ev;
                XNextEvent(d, &ev);
                changed = ev.type == PropertyNotify && ev.xproperty.atom == workArea;
            }
            if (changed)
                break;
            pollfd pfd{ ConnectionNumber(d), POLLIN, 0 };
            ::poll(&pfd, 1, int(std::max<qint64>(1, 500 - clock.elapsed())));
        }
    }
    XSelectInput(d, root_, NoEventMask);
    XSync(d, False);
}

// ---- window frames ----

X11Desktop::Framing X11Desktop::framingOn(_XDisplay* d)
{
    if (!d)
        return {};
    const auto previous = XSetErrorHandler(ignoreErrors);
    const Window root = DefaultRootWindow(d);
    Framing framing;
    // A window manager is the one client that redirects the requests to
    // map and place the root window's children.
    XWindowAttributes rootAttributes{};
    if (XGetWindowAttributes(d, root, &rootAttributes) && (rootAttributes.all_event_masks & SubstructureRedirectMask)) {
        framing.kind = Framing::Silent;
        if (const auto manager = ewmhManager(d, root);
            manager && manager->supports(d, "_NET_FRAME_EXTENTS") && manager->supports(d, "_NET_REQUEST_FRAME_EXTENTS")) {
            framing.kind = Framing::Telling;
            framing.manager = manager->check;
        }
    }
    XSetErrorHandler(previous);
    return framing;
}

namespace {

std::optional<QMargins> extentsOf(Display* d, Window w)
{
    const auto e = cardinals(d, w, XInternAtom(d, "_NET_FRAME_EXTENTS", False), XA_CARDINAL);
    if (!e || e->size() != 4)
        return std::nullopt;
    // Left, right, top, bottom; a frame beyond any screen is no answer.
    for (long v : *e)
        if (v < 0 || v > 0x7FFF)
            return std::nullopt;
    return QMargins(int((*e)[0]), int((*e)[2]), int((*e)[1]), int((*e)[3]));
}

} // namespace

std::optional<QMargins> X11Desktop::frameExtentsOn(_XDisplay* d, unsigned long window)
{
    if (!d || !window)
        return std::nullopt;
    const auto previous = XSetErrorHandler(ignoreErrors);
    const auto extents = extentsOf(d, window);
    XSetErrorHandler(previous);
    return extents;
}

std::optional<QMargins> X11Desktop::requestFrameExtentsOn(_XDisplay* d, unsigned long window, int waitMs)
{
    if (!d || !window)
        return std::nullopt;
    const auto previous = XSetErrorHandler(ignoreErrors);
    XEvent request{};
    request.xclient.type = ClientMessage;
    request.xclient.window = window;
    request.xclient.message_type = XInternAtom(d, "_NET_REQUEST_FRAME_EXTENTS", False);
    request.xclient.format = 32;
    XSendEvent(d, DefaultRootWindow(d), False, SubstructureRedirectMask | SubstructureNotifyMask, &request);
    XFlush(d);
    // The connection may be another's (Qt's), whose events are not ours to
    // take: the answer, a property on the window, is read until it is there.
    QElapsedTimer clock;
    clock.start();
    std::optional<QMargins> extents;
    while (!(extents = extentsOf(d, window)) && clock.elapsed() < waitMs)
        ::poll(nullptr, 0, 1);
    XSetErrorHandler(previous);
    return extents;
}

// ---- input devices ----

QString X11Desktop::keyboardLayout() const
{
    Display* d = dpyOf(display_);
    Atom type = 0;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(d, root_, atom("_XKB_RULES_NAMES"), 0, 1024, False, XA_STRING, &type, &format, &count,
                           &after, &data)
            != Success
        || !data)
        return {};
    // rules, model, layouts, variants, options: NUL-separated.
    QList<QByteArray> fields = QByteArray(reinterpret_cast<const char*>(data), int(count)).split('\0');
    XFree(data);
    if (fields.size() < 3)
        return {};
    const QStringList layouts = QString::fromLatin1(fields[2]).split(QLatin1Char(','));
    const QStringList variants = fields.size() > 3 ? QString::fromLatin1(fields[3]).split(QLatin1Char(',')) : QStringList();
    XkbStateRec state{};
    int group = 0;
    if (XkbGetState(d, XkbUseCoreKbd, &state) == Success)
        group = state.group;
    if (group < 0 || group >= layouts.size())
        group = 0;
    QString layout = layouts.value(group).trimmed();
    const QString variant = variants.value(group).trimmed();
    if (!layout.isEmpty() && !variant.isEmpty())
        layout += QLatin1Char('(') + variant + QLatin1Char(')');
    return layout;
}

std::optional<X11Desktop::PointerDevices> X11Desktop::pointerDevices() const
{
    if (xiOpcode_ < 0)
        return std::nullopt;
    Display* d = dpyOf(display_);
    int n = 0;
    XIDeviceInfo* devices = XIQueryDevice(d, XIAllDevices, &n);
    if (!devices)
        return std::nullopt;
    const Atom wheelLabels[4] = { Atom(atom("Button Wheel Up")), Atom(atom("Button Wheel Down")),
                                  Atom(atom("Button Horiz Wheel Left")), Atom(atom("Button Horiz Wheel Right")) };
    auto isWheel = [&](Atom a) { return std::find(std::begin(wheelLabels), std::end(wheelLabels), a) != std::end(wheelLabels); };
    std::optional<PointerDevices> out;
    for (int i = 0; i < n; ++i) {
        const XIDeviceInfo& dev = devices[i];
        if (dev.use != XISlavePointer || !dev.enabled || !dev.name)
            continue;
        const QString name = QString::fromUtf8(dev.name);
        if (name.contains(QLatin1String("XTEST"), Qt::CaseInsensitive))
            continue;
        int buttons = 0;
        bool wheel = false;
        for (int c = 0; c < dev.num_classes; ++c) {
            const XIAnyClassInfo* cls = dev.classes[c];
            if (cls->type == XIScrollClass) {
                wheel = true;
            } else if (cls->type == XIButtonClass) {
                const auto* b = reinterpret_cast<const XIButtonClassInfo*>(cls);
                int labelled = 0, counted = 0;
                for (int k = 0; k < b->num_buttons; ++k) {
                    if (b->labels[k] == 0)
                        continue;
                    ++labelled;
                    if (isWheel(b->labels[k]))
                        wheel = true;
                    else
                        ++counted;
                }
                // Without labels the core convention holds: 4 to 7 scroll.
                if (labelled == 0)
                    counted = b->num_buttons >= 7 ? b->num_buttons - 4 : std::min(b->num_buttons, 3);
                if (labelled == 0 && b->num_buttons >= 5)
                    wheel = true;
                buttons = std::max(buttons, counted);
            }
        }
        if (!out)
            out = PointerDevices{};
        if (buttons > out->buttons || out->name.isEmpty()) {
            out->buttons = std::max(out->buttons, buttons);
            out->name = name;
        }
        out->wheel = out->wheel || wheel;
    }
    XIFreeDeviceInfo(devices);
    return out;
}

} // namespace zg
