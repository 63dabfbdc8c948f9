// The X display the program's windows are on, where there is one: its
// name (for a connection of our own) and its root window. Both are empty
// or 0 on other platforms (offscreen, Wayland).
#pragma once
#include <QByteArray>
#include <cstdint>

namespace zg {

// The name of the X display Qt is connected to; empty when the windows
// are not on X.
QByteArray x11DisplayName();
// The root window of Qt's X display; 0 without one.
uint32_t x11RootWindow();

} // namespace zg
