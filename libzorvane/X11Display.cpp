#include "X11Display.h"

#include <QGuiApplication>

// Xlib's macros (None, Bool, Status ...) stay in this file.
#include <X11/Xlib.h>

namespace zg {

Display* x11QtDisplay()
{
    auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
    if (!app || QGuiApplication::platformName() != QLatin1String("xcb"))
        return nullptr;
    auto* x11 = app->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->display() : nullptr;
}

QByteArray x11DisplayName()
{
    Display* d = x11QtDisplay();
    return d ? QByteArray(DisplayString(d)) : QByteArray();
}

uint32_t x11RootWindow()
{
    Display* d = x11QtDisplay();
    return d ? uint32_t(DefaultRootWindow(d)) : 0u;
}

} // namespace zg
