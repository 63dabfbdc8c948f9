#include "ScreenModesImpl.h"

#include "Error.h"
#include "Units.h"
#include "X11Display.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <QtGlobal>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <mutex>

// Xlib's macros (None, Bool, Status ...) stay below every Qt header.
#include <X11/Xlib.h>
#include <X11/extensions/Xrandr.h>

namespace zg {

int32_t refreshRate(uint64_t dotClock, uint32_t hTotal, uint32_t vTotal, bool interlaced, bool doubleScan)
{
    if (hTotal == 0 || vTotal == 0)
        return 0;
    double v = double(vTotal);
    if (doubleScan)
        v *= 2;
    if (interlaced)
        v /= 2;
    return int32_t(plat::roundEven(double(dotClock) / (double(hTotal) * v)));
}

double colorsOfDepth(int depth)
{
    // Depth 32 is 24 bits of colour and 8 of alpha.
    return std::ldexp(1.0, std::clamp(depth, 1, 24));
}

namespace {

// Errors of requests made here are counted, never fatal: Xlib's default
// handler would end the program over a refused mode.
int xErrors = 0;
int countError(Display*, XErrorEvent*)
{
    ++xErrors;
    return 0;
}

class XConnection {
public:
    explicit XConnection(const QByteArray& name)
        : d_(XOpenDisplay(name.isEmpty() ? nullptr : name.constData()))
    {
        if (d_)
            previous_ = XSetErrorHandler(countError);
    }
    ~XConnection()
    {
        if (d_) {
            XSync(d_, False);
            XCloseDisplay(d_);
            XSetErrorHandler(previous_);
        }
    }
    XConnection(const XConnection&) = delete;
    XConnection& operator=(const XConnection&) = delete;
    Display* get() const { return d_; }
    bool hasRandR12() const
    {
        int event = 0, error = 0, major = 0, minor = 0;
        if (!d_ || !XRRQueryExtension(d_, &event, &error) || !XRRQueryVersion(d_, &major, &minor))
            return false;
        return major > 1 || (major == 1 && minor >= 2);
    }

private:
    Display* d_;
    int (*previous_)(Display*, XErrorEvent*) = nullptr;
};

struct Resources {
    Display* d;
    XRRScreenResources* res;
    explicit Resources(Display* display) : d(display), res(XRRGetScreenResourcesCurrent(display, DefaultRootWindow(display))) {}
    ~Resources()
    {
        if (res)
            XRRFreeScreenResources(res);
    }
    const XRRModeInfo* mode(RRMode id) const
    {
        for (int i = 0; res && i < res->nmode; ++i)
            if (res->modes[i].id == id)
                return &res->modes[i];
        return nullptr;
    }
};

struct OutputInfo {
    XRROutputInfo* info = nullptr;
    RROutput id = 0;
    OutputInfo() = default;
    OutputInfo(Display* d, XRRScreenResources* res, RROutput o) : info(XRRGetOutputInfo(d, res, o)), id(o) {}
    ~OutputInfo()
    {
        if (info)
            XRRFreeOutputInfo(info);
    }
    OutputInfo(OutputInfo&& o) noexcept : info(std::exchange(o.info, nullptr)), id(o.id) {}
    OutputInfo& operator=(OutputInfo&& o) noexcept
    {
        std::swap(info, o.info);
        id = o.id;
        return *this;
    }
};

// The output the modes are read from: the primary one when it is
// connected, else the first connected output that shows something, else
// the first connected one.
OutputInfo chooseOutput(Display* d, XRRScreenResources* res)
{
    const RROutput primary = XRRGetOutputPrimary(d, DefaultRootWindow(d));
    if (primary) {
        OutputInfo o(d, res, primary);
        if (o.info && o.info->connection == RR_Connected)
            return o;
    }
    OutputInfo fallback;
    for (int i = 0; i < res->noutput; ++i) {
        OutputInfo o(d, res, res->outputs[i]);
        if (!o.info || o.info->connection != RR_Connected)
            continue;
        if (o.info->crtc)
            return o;
        if (!fallback.info)
            fallback = std::move(o);
    }
    return fallback;
}

DisplayMode modeOf(const XRRModeInfo& m, double colors, const QByteArray& display, const QByteArray& output)
{
    DisplayMode mode;
    mode.width = int32_t(m.width);
    mode.height = int32_t(m.height);
    mode.colors = colors;
    mode.frequency = refreshRate(m.dotClock, m.hTotal, m.vTotal, m.modeFlags & RR_Interlace, m.modeFlags & RR_DoubleScan);
    mode.display = display;
    mode.output = output;
    mode.modeId = m.id;
    return mode;
}

} // namespace

std::optional<DisplayModeList> readXRandRModes(const QByteArray& displayName)
{
    XConnection x(displayName);
    if (!x.hasRandR12())
        return std::nullopt;
    Display* d = x.get();
    Resources r(d);
    if (!r.res)
        return std::nullopt;
    OutputInfo out = chooseOutput(d, r.res);
    if (!out.info)
        return std::nullopt;
    const double colors = colorsOfDepth(DefaultDepth(d, DefaultScreen(d)));
    const QByteArray display(DisplayString(d));
    const QByteArray output(out.info->name, out.info->nameLen);

    DisplayModeList list;
    for (int i = 0; i < out.info->nmode; ++i)
        if (const XRRModeInfo* m = r.mode(out.info->modes[i]))
            list.modes.push_back(modeOf(*m, colors, display, output));
    RRMode currentId = 0;
    if (out.info->crtc)
        if (XRRCrtcInfo* ci = XRRGetCrtcInfo(d, r.res, out.info->crtc)) {
            currentId = ci->mode;
            XRRFreeCrtcInfo(ci);
        }
    if (const XRRModeInfo* m = currentId ? r.mode(currentId) : nullptr) {
        list.current = modeOf(*m, colors, display, output);
    } else {
        // The output shows nothing: the screen's size stands for the mode.
        list.current.width = DisplayWidth(d, DefaultScreen(d));
        list.current.height = DisplayHeight(d, DefaultScreen(d));
        list.current.colors = colors;
    }
    if (list.modes.empty())
        list.modes.push_back(list.current);
    return list;
}

DisplayModeList readDisplayModes()
{
    const QByteArray name = x11DisplayName();
    if (!name.isEmpty())
        if (auto list = readXRandRModes(name))
            return *list;
    // No extension: the one mode in use, which cannot be switched.
    DisplayModeList list;
    if (const QScreen* s = QGuiApplication::primaryScreen()) {
        list.current.width = s->geometry().width() * s->devicePixelRatio();
        list.current.height = s->geometry().height() * s->devicePixelRatio();
        list.current.colors = colorsOfDepth(s->depth());
        list.current.frequency = int32_t(plat::roundEven(s->refreshRate()));
    } else {
        list.current.colors = colorsOfDepth(24);
    }
    list.modes.push_back(list.current);
    return list;
}

// ===== The switch =====

namespace {

[[noreturn]] void refuseInTests(const char* what)
{
    qFatal("A test program reached the real %s; tests must install a fake (installDisplayModeSwitch)", what);
}

bool inTestProgram() { return qEnvironmentVariableIsSet("ZG_TEST"); }

class XRandRSwitch final : public DisplayModeSwitch {
public:
    explicit XRandRSwitch(bool privateServer) : privateServer_(privateServer) {}

    bool switchTo(const DisplayMode& mode) override
    {
        if (inTestProgram() && !privateServer_)
            refuseInTests("display mode switch");
        if (mode.display.isEmpty() || mode.output.isEmpty() || !mode.modeId)
            return false;
        XConnection x(mode.display);
        if (!x.hasRandR12())
            return false;
        Display* d = x.get();
        XSync(d, False);
        xErrors = 0;
        XGrabServer(d);
        const bool ok = apply(d, mode);
        XUngrabServer(d);
        XSync(d, False);
        return ok && xErrors == 0;
    }

    bool save(const DisplayMode& mode) override
    {
        if (privateServer_)
            return false;
        if (inTestProgram())
            refuseInTests("saving of the display setting");
        return writeSavedScreenMode(savedScreenModePath(), mode);
    }

private:
    static bool apply(Display* d, const DisplayMode& mode)
    {
        const Window root = DefaultRootWindow(d);
        Resources r(d);
        if (!r.res)
            return false;
        OutputInfo out;
        for (int i = 0; i < r.res->noutput && !out.info; ++i) {
            OutputInfo o(d, r.res, r.res->outputs[i]);
            if (o.info && QByteArray(o.info->name, o.info->nameLen) == mode.output)
                out = std::move(o);
        }
        if (!out.info || out.info->connection != RR_Connected)
            return false;
        const RRMode id = RRMode(mode.modeId);
        if (std::find(out.info->modes, out.info->modes + out.info->nmode, id) == out.info->modes + out.info->nmode)
            return false; // the output no longer offers it
        const XRRModeInfo* m = r.mode(id);
        if (!m)
            return false;
        RRCrtc crtc = out.info->crtc;
        if (!crtc && out.info->ncrtc > 0)
            crtc = out.info->crtcs[0];
        if (!crtc)
            return false;
        XRRCrtcInfo* ci = XRRGetCrtcInfo(d, r.res, crtc);
        if (!ci)
            return false;
        const int x = ci->x, y = ci->y;
        const Rotation rotation = ci->rotation ? ci->rotation : RR_Rotate_0;
        XRRFreeCrtcInfo(ci);
        const bool sideways = rotation & (RR_Rotate_90 | RR_Rotate_270);
        const int w = int(sideways ? m->height : m->width), h = int(sideways ? m->width : m->height);

        // The screen must hold every output that shows something.
        int screenW = x + w, screenH = y + h;
        for (int i = 0; i < r.res->ncrtc; ++i) {
            if (r.res->crtcs[i] == crtc)
                continue;
            if (XRRCrtcInfo* other = XRRGetCrtcInfo(d, r.res, r.res->crtcs[i])) {
                if (other->mode) {
                    screenW = std::max(screenW, other->x + int(other->width));
                    screenH = std::max(screenH, other->y + int(other->height));
                }
                XRRFreeCrtcInfo(other);
            }
        }
        const int scr = DefaultScreen(d);
        const int curW = DisplayWidth(d, scr), curH = DisplayHeight(d, scr);
        RROutput output = out.id;
        if (screenW != curW || screenH != curH) {
            int minW = 0, minH = 0, maxW = 0, maxH = 0;
            XRRGetScreenSizeRange(d, root, &minW, &minH, &maxW, &maxH);
            if (screenW < minW || screenH < minH || screenW > maxW || screenH > maxH)
                return false;
            // Off while the screen changes size, so that it always fits.
            XRRSetCrtcConfig(d, r.res, crtc, CurrentTime, 0, 0, 0, RR_Rotate_0, nullptr, 0);
            const double mmPerPixelW = curW ? double(DisplayWidthMM(d, scr)) / curW : 25.4 / 96;
            const double mmPerPixelH = curH ? double(DisplayHeightMM(d, scr)) / curH : 25.4 / 96;
            XRRSetScreenSize(d, root, screenW, screenH, int(screenW * mmPerPixelW + 0.5), int(screenH * mmPerPixelH + 0.5));
        }
        return XRRSetCrtcConfig(d, r.res, crtc, CurrentTime, x, y, id, rotation, &output, 1) == RRSetConfigSuccess;
    }

    bool privateServer_;
};

std::mutex seamMutex;
std::shared_ptr<DisplayModeSwitch>& seam()
{
    static std::shared_ptr<DisplayModeSwitch> s;
    return s;
}

} // namespace

std::shared_ptr<DisplayModeSwitch> displayModeSwitch()
{
    std::lock_guard lock(seamMutex);
    auto& s = seam();
    if (!s)
        s = std::make_shared<XRandRSwitch>(false);
    return s;
}

std::shared_ptr<DisplayModeSwitch> xrandrSwitchForPrivateServer() { return std::make_shared<XRandRSwitch>(true); }

void installDisplayModeSwitch(std::shared_ptr<DisplayModeSwitch> s)
{
    std::lock_guard lock(seamMutex);
    seam() = std::move(s);
}

// ===== The saved mode =====

QString savedScreenModePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
        + QStringLiteral("/ZorvaneGlobals/ScreenMode.conf");
}

bool writeSavedScreenMode(const QString& path, const DisplayMode& mode)
{
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    QSettings s(path, QSettings::IniFormat);
    s.beginGroup(QStringLiteral("Display"));
    s.setValue(QStringLiteral("Output"), QString::fromUtf8(mode.output));
    s.setValue(QStringLiteral("Width"), mode.width);
    s.setValue(QStringLiteral("Height"), mode.height);
    s.setValue(QStringLiteral("Frequency"), mode.frequency);
    s.endGroup();
    s.sync();
    return s.status() == QSettings::NoError;
}

std::optional<DisplayMode> readSavedScreenMode(const QString& path)
{
    if (!QFileInfo::exists(path))
        return std::nullopt;
    QSettings s(path, QSettings::IniFormat);
    s.beginGroup(QStringLiteral("Display"));
    bool okW = false, okH = false, okF = false;
    DisplayMode mode;
    mode.width = s.value(QStringLiteral("Width")).toInt(&okW);
    mode.height = s.value(QStringLiteral("Height")).toInt(&okH);
    mode.frequency = s.value(QStringLiteral("Frequency")).toInt(&okF);
    mode.output = s.value(QStringLiteral("Output")).toString().toUtf8();
    if (s.status() != QSettings::NoError || !okW || !okH || !okF || mode.width <= 0 || mode.height <= 0)
        return std::nullopt;
    return mode;
}

// ===== The objects =====

bool ScreenModeImpl::MakeCurrent()
{
    if (mode_.display.isEmpty())
        return false; // a display without the extension cannot switch
    return displayModeSwitch()->switchTo(mode_);
}

bool ScreenModeImpl::MakeCurrentAndSave()
{
    if (mode_.display.isEmpty())
        return false;
    const auto s = displayModeSwitch();
    return s->switchTo(mode_) && s->save(mode_);
}

ScreenModesImpl::ScreenModesImpl() : list_(readDisplayModes()) {}

int16_t ScreenModesImpl::ModeCount() { return int16_t(std::min<size_t>(list_.modes.size(), 32767)); }

std::shared_ptr<ScreenMode> ScreenModesImpl::Item(int16_t& Index)
{
    const int count = ModeCount();
    if (Index < 1 || Index > count)
        plat::raise(9, QStringLiteral("ZorvaneScreenModes.Item"),
                    QStringLiteral("Screen mode %1 does not exist: the display has %2 mode(s) now").arg(Index).arg(count));
    return std::make_shared<ScreenModeImpl>(list_.modes[size_t(Index - 1)]);
}

std::shared_ptr<ScreenMode> ScreenModesImpl::CurrentMode() { return std::make_shared<ScreenModeImpl>(list_.current); }

} // namespace zg
