// What the library and the desktop shims need of a form or control that has
// a window: its handle and its widget. Forms and controls of the forms layer
// implement it; library members that take a form or control accept any
// plat::Object and look for this interface.
#pragma once
#include "Object.h"

#include <QPointer>
#include <QWidget>
#include <cstdint>

namespace plat {

class WindowObject {
public:
    virtual ~WindowObject() = default;
    // A non-zero handle unique in the process while the window exists.
    virtual int64_t hWnd() const = 0;
    // The window's widget, or nullptr once it is gone.
    virtual QWidget* widget() const = 0;
};

// Handles for widgets: every widget that needs a handle registers here once.
int64_t registerWindow(QWidget* w);
QWidget* windowFromHandle(int64_t hwnd);
// The handle of a registered widget, 0 when it has none.
int64_t handleOfWindow(const QWidget* w);

} // namespace plat
