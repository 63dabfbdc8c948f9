// A second display mode for a test's X server (a private Xvfb, or the
// desktop tier's): its first output offers an 800 x 600 mode with timings of
// 60 Hz besides its own, for as long as this object lives. Xlib's macros
// clash with Qt's headers: include this after them.
#pragma once
#include <QByteArray>

#include <cstring>

#include <X11/Xlib.h>
#include <X11/extensions/Xrandr.h>

namespace zgtest {

class XRandRTestMode {
public:
    explicit XRandRTestMode(const QByteArray& display) : d_(XOpenDisplay(display.constData()))
    {
        if (!d_)
            return;
        const Window root = DefaultRootWindow(d_);
        XRRScreenResources* res = XRRGetScreenResourcesCurrent(d_, root);
        if (!res || res->noutput < 1) {
            if (res)
                XRRFreeScreenResources(res);
            return;
        }
        output_ = res->outputs[0];
        XRRModeInfo info;
        std::memset(&info, 0, sizeof info);
        char name[] = "800x600_test";
        info.width = 800;
        info.height = 600;
        info.dotClock = 40000000;
        info.hTotal = 1056;
        info.vTotal = 628;
        info.name = name;
        info.nameLength = sizeof name - 1;
        id_ = XRRCreateMode(d_, root, &info);
        XRRAddOutputMode(d_, output_, id_);
        XSync(d_, False);
        XRRFreeScreenResources(res);
    }
    ~XRandRTestMode()
    {
        if (!d_)
            return;
        if (id_) {
            // A mode still in use stays: the server refuses, and that is
            // no failure of the test.
            auto* previous = XSetErrorHandler([](Display*, XErrorEvent*) { return 0; });
            XRRDeleteOutputMode(d_, output_, id_);
            XRRDestroyMode(d_, id_);
            XSync(d_, False);
            XSetErrorHandler(previous);
        }
        XCloseDisplay(d_);
    }
    XRandRTestMode(const XRandRTestMode&) = delete;
    XRandRTestMode& operator=(const XRandRTestMode&) = delete;

    // The mode's id; 0 when it could not be made.
    unsigned long id() const { return id_; }
    unsigned long output() const { return output_; }

private:
    Display* d_;
    RROutput output_ = 0;
    RRMode id_ = 0;
};

} // namespace zgtest
