// A machine for tests that touches nothing: the pointer rests where it was
// put (far off the windows by default), the desktop and its work area are a
// fixed rectangle, and input, confinement and the opener do nothing.
#pragma once
#include <Machine.h>

#include <QPoint>
#include <QRect>
#include <QUrl>
#include <optional>

namespace zgtest {

class StillMachine : public zg::Machine {
public:
    explicit StillMachine(QRect desktop = { 0, 0, 1280, 1024 }, QPoint pointer = { -1000, -1000 })
        : desktop_(desktop), pointer_(pointer)
    {
    }
    QPoint cursorPos() override { return pointer_; }
    void setCursorPos(QPoint) override { }
    std::optional<QRect> cursorConfinement() override { return std::nullopt; }
    void confineCursor(std::optional<QRect>) override { }
    QRect desktopRect() override { return desktop_; }
    QRect workArea() override { return desktop_; }
    void setWorkArea(QRect) override { }
    void mouseInput(int, int, QPoint) override { }
    bool openUrl(const QUrl&) override { return true; }

private:
    QRect desktop_;
    QPoint pointer_;
};

} // namespace zgtest
