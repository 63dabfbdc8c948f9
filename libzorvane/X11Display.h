// The X display the program's windows are on, where there is one: its
// name (for a connection of our own) and its root window. Both are empty
// or 0 on other platforms (offscreen, Wayland).
#pragma once
#include <QByteArray>
#include <cstdint>

struct _XDisplay; // Xlib's Display

namespace zg {

// Qt's own connection to the X display; nullptr when the windows are not
// on X. Requests made on it share Qt's connection: they must leave nothing
// on the server that has to end with the process.
_XDisplay* x11QtDisplay();
// The name of the X display Qt is connected to; empty when the windows
// are not on X.
QByteArray x11DisplayName();
// The root window of Qt's X display; 0 without one.
uint32_t x11RootWindow();

} // namespace zg
