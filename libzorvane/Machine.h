// What the system functions do to the real machine: the pointer, its
// confinement, the desktop's work area, synthetic mouse input, the
// desktop's opener and what the display server knows of the keyboard and
// the pointing devices. Tests install a fake so that nothing real changes.
//
// The desktop machine works through the display server itself on X11
// (X11Desktop.h): synthetic input through XTest, confinement with XFixes
// pointer barriers, the work area reserved with a dock window's strut hints
// for an EWMH window manager. Elsewhere it uses the toolkit: posted mouse
// events, a timer that brings the pointer back, a work area recorded for
// this program only. Whatever it sets up on the server ends with the
// process.
#pragma once
#include <QPoint>
#include <QRect>
#include <QString>
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

    // The keyboard layout the display server uses ("us", "de(nodeadkeys)");
    // empty when it tells none.
    virtual QString keyboardLayout() { return {}; }
    struct PointerDevices {
        QString name;
        int buttons = 0; // wheel buttons left out
        bool wheel = false;
    };
    // The pointing devices as the display server tells them; nullopt when
    // it does not.
    virtual std::optional<PointerDevices> pointerDevices() { return std::nullopt; }
};

// The process's machine: the desktop one unless a test installed another.
std::shared_ptr<Machine> machine();
// Tests: replace it (nullptr goes back to the desktop one).
void installMachine(std::shared_ptr<Machine> m);

} // namespace zg
