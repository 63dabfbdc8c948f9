// What the system functions do to the real machine: the pointer, its
// confinement, the desktop's work area, synthetic mouse input and the
// desktop's opener. Tests install a fake so that nothing real changes.
#pragma once
#include <QPoint>
#include <QRect>
#include <QUrl>
#include <memory>
#include <optional>

namespace zg {

class Machine {
public:
    virtual ~Machine() = default;

    virtual QPoint cursorPos() = 0;
    virtual void setCursorPos(QPoint p) = 0;
    // The rectangle the pointer is kept in; nothing frees it.
    virtual std::optional<QRect> cursorConfinement() = 0;
    virtual void confineCursor(std::optional<QRect> r) = 0;
    // The whole desktop (all screens), in screen pixels.
    virtual QRect desktopRect() = 0;
    virtual QRect workArea() = 0;
    virtual void setWorkArea(QRect r) = 0;
    // One step of synthetic mouse input at a screen point: action 3 press,
    // 4 move, 5 release; button 1 left, 2 right, 4 middle.
    virtual void mouseInput(int action, int button, QPoint screenPos) = 0;
    // Opens a document, folder or address with the desktop's opener.
    virtual bool openUrl(const QUrl& url) = 0;
};

// The process's machine: the desktop one unless a test installed another.
std::shared_ptr<Machine> machine();
// Tests: replace it (nullptr goes back to the desktop one).
void installMachine(std::shared_ptr<Machine> m);

} // namespace zg
