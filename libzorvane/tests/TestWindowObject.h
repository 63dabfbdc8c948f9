// A form or control as the library receives it: a reference object with a
// window.
#pragma once
#include "Object.h"
#include "Window.h"

#include <QPointer>
#include <QWidget>
#include <memory>

namespace zgtest {

class TestWindowObject : public plat::Object, public plat::WindowObject {
public:
    explicit TestWindowObject(QWidget* w) : widget_(w), handle_(plat::registerWindow(w)) {}
    int64_t hWnd() const override { return widget_ ? handle_ : 0; }
    QWidget* widget() const override { return widget_.data(); }

private:
    QPointer<QWidget> widget_;
    int64_t handle_;
};

inline std::shared_ptr<TestWindowObject> windowObject(QWidget* w)
{
    return std::make_shared<TestWindowObject>(w);
}

} // namespace zgtest
