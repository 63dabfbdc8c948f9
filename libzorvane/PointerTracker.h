// Where the pointer is, as far as the program's own input tells: while the
// pointer is inside one of the program's windows, the window system sends
// that window every move, so the last position seen is the pointer's
// position and asking the display server (a round trip) adds nothing. Once
// the pointer has left, nothing is known and the caller asks the server.
#pragma once
#include <QEvent>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QWindow>
#include <optional>

namespace zg {

class PointerTracker : public QObject {
public:
    // The program's tracker, watching its input from the application's
    // start (every program that links the library).
    static PointerTracker& application();

    // Watches the application's input (the window system's events only).
    void watchApplication();

    // The pointer's screen position while it is known to be inside a window
    // of the program.
    std::optional<QPoint> known() const;

    // One input event of a window: Enter gives the position, and so does a
    // mouse move (which also tells that the pointer is inside the window
    // when no button is held and it lies within the window); Leave of the
    // window entered forgets it.
    void note(QEvent::Type type, QWindow* window, QPoint globalPos, bool insideWithoutButtons = false);
    // The program moved the pointer itself.
    void moved(QPoint globalPos);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QWindow> inside_;
    QPoint position_;
    bool watching_ = false;
};

} // namespace zg
