// The display server's extensions that only some members use: test input,
// pointer barriers, input device listing and screen modes. Each library is
// opened at the first call of one of its functions (LateLibrary.h); without
// it the extension is reported missing and the member takes the way it
// takes for a server without that extension.
#include "LateLibrary.h"

#include <X11/Xlib.h>

#pragma GCC visibility push(hidden)
#include <X11/extensions/XInput2.h>
#include <X11/extensions/XTest.h>
#include <X11/extensions/Xfixes.h>
#include <X11/extensions/Xrandr.h>
#pragma GCC visibility pop

extern "C" {

// Test input (libXtst).

Bool XTestQueryExtension(Display* dpy, int* event_base, int* error_base, int* major, int* minor)
{
    return ZG_LATE_CALL(XTest, XTestQueryExtension, Bool(False), dpy, event_base, error_base, major, minor);
}

int XTestFakeMotionEvent(Display* dpy, int screen, int x, int y, unsigned long delay)
{
    return ZG_LATE_CALL(XTest, XTestFakeMotionEvent, 0, dpy, screen, x, y, delay);
}

int XTestFakeButtonEvent(Display* dpy, unsigned int button, Bool is_press, unsigned long delay)
{
    return ZG_LATE_CALL(XTest, XTestFakeButtonEvent, 0, dpy, button, is_press, delay);
}

// Pointer barriers (libXfixes).

Bool XFixesQueryExtension(Display* dpy, int* event_base_return, int* error_base_return)
{
    return ZG_LATE_CALL(XFixes, XFixesQueryExtension, Bool(False), dpy, event_base_return, error_base_return);
}

Status XFixesQueryVersion(Display* dpy, int* major_version_return, int* minor_version_return)
{
    return ZG_LATE_CALL(XFixes, XFixesQueryVersion, Status(0), dpy, major_version_return, minor_version_return);
}

PointerBarrier XFixesCreatePointerBarrier(Display* dpy, Window w, int x1, int y1, int x2, int y2, int directions,
                                          int num_devices, int* devices)
{
    return ZG_LATE_CALL(XFixes, XFixesCreatePointerBarrier, PointerBarrier(None), dpy, w, x1, y1, x2, y2,
                        directions, num_devices, devices);
}

void XFixesDestroyPointerBarrier(Display* dpy, PointerBarrier b)
{
    ZG_LATE_CALL_VOID(XFixes, XFixesDestroyPointerBarrier, dpy, b);
}

// Input devices (libXi).

Status XIQueryVersion(Display* dpy, int* major_version_inout, int* minor_version_inout)
{
    return ZG_LATE_CALL(XInput, XIQueryVersion, Status(BadRequest), dpy, major_version_inout, minor_version_inout);
}

XIDeviceInfo* XIQueryDevice(Display* dpy, int deviceid, int* ndevices_return)
{
    if (XIDeviceInfo* devices = ZG_LATE_CALL(XInput, XIQueryDevice, static_cast<XIDeviceInfo*>(nullptr), dpy,
                                             deviceid, ndevices_return))
        return devices;
    if (ndevices_return)
        *ndevices_return = 0;
    return nullptr;
}

void XIFreeDeviceInfo(XIDeviceInfo* info) { ZG_LATE_CALL_VOID(XInput, XIFreeDeviceInfo, info); }

// Screen modes (libXrandr).

Bool XRRQueryExtension(Display* dpy, int* event_base_return, int* error_base_return)
{
    return ZG_LATE_CALL(XRandR, XRRQueryExtension, Bool(False), dpy, event_base_return, error_base_return);
}

Status XRRQueryVersion(Display* dpy, int* major_version_return, int* minor_version_return)
{
    return ZG_LATE_CALL(XRandR, XRRQueryVersion, Status(0), dpy, major_version_return, minor_version_return);
}

XRRScreenResources* XRRGetScreenResourcesCurrent(Display* dpy, Window window)
{
    return ZG_LATE_CALL(XRandR, XRRGetScreenResourcesCurrent, static_cast<XRRScreenResources*>(nullptr), dpy,
                        window);
}

void XRRFreeScreenResources(XRRScreenResources* resources)
{
    ZG_LATE_CALL_VOID(XRandR, XRRFreeScreenResources, resources);
}

XRROutputInfo* XRRGetOutputInfo(Display* dpy, XRRScreenResources* resources, RROutput output)
{
    return ZG_LATE_CALL(XRandR, XRRGetOutputInfo, static_cast<XRROutputInfo*>(nullptr), dpy, resources, output);
}

void XRRFreeOutputInfo(XRROutputInfo* outputInfo) { ZG_LATE_CALL_VOID(XRandR, XRRFreeOutputInfo, outputInfo); }

RROutput XRRGetOutputPrimary(Display* dpy, Window window)
{
    return ZG_LATE_CALL(XRandR, XRRGetOutputPrimary, RROutput(None), dpy, window);
}

XRRCrtcInfo* XRRGetCrtcInfo(Display* dpy, XRRScreenResources* resources, RRCrtc crtc)
{
    return ZG_LATE_CALL(XRandR, XRRGetCrtcInfo, static_cast<XRRCrtcInfo*>(nullptr), dpy, resources, crtc);
}

void XRRFreeCrtcInfo(XRRCrtcInfo* crtcInfo) { ZG_LATE_CALL_VOID(XRandR, XRRFreeCrtcInfo, crtcInfo); }

Status XRRGetScreenSizeRange(Display* dpy, Window window, int* minWidth, int* minHeight, int* maxWidth,
                             int* maxHeight)
{
    return ZG_LATE_CALL(XRandR, XRRGetScreenSizeRange, Status(0), dpy, window, minWidth, minHeight, maxWidth,
                        maxHeight);
}

void XRRSetScreenSize(Display* dpy, Window window, int width, int height, int mmWidth, int mmHeight)
{
    ZG_LATE_CALL_VOID(XRandR, XRRSetScreenSize, dpy, window, width, height, mmWidth, mmHeight);
}

Status XRRSetCrtcConfig(Display* dpy, XRRScreenResources* resources, RRCrtc crtc, Time timestamp, int x, int y,
                        RRMode mode, Rotation rotation, RROutput* outputs, int noutputs)
{
    return ZG_LATE_CALL(XRandR, XRRSetCrtcConfig, Status(RRSetConfigFailed), dpy, resources, crtc, timestamp, x, y,
                        mode, rotation, outputs, noutputs);
}

} // extern "C"
