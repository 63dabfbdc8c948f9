#include "Machine.h"

#include "PointerTracker.h"

#include <QApplication>
#include <QCursor>
#include <QDesktopServices>
#include <QMouseEvent>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWidget>

#include <algorithm>

namespace zg {

namespace {

Qt::MouseButton qtButton(int button)
{
    switch (button) {
    case 2:
        return Qt::RightButton;
    case 4:
        return Qt::MiddleButton;
    default:
        return Qt::LeftButton;
    }
}

// The desktop the programs run on, through Qt.
class DesktopMachine final : public Machine {
public:
    ~DesktopMachine() override { delete keeper_; }

    // Known from the program's own input while the pointer is over one of
    // its windows (the hover tests read it every 10 ms); asked of the
    // display server otherwise.
    QPoint cursorPos() override
    {
        if (const auto p = PointerTracker::application().known())
            return *p;
        return QCursor::pos();
    }
    void setCursorPos(QPoint p) override
    {
        QCursor::setPos(p);
        PointerTracker::application().moved(p);
    }

    std::optional<QRect> cursorConfinement() override { return confinement_; }

    // The pointer is brought back into the rectangle at every tick of a
    // short timer, as the windowing system offers no confinement of its own
    // to ordinary programs.
    void confineCursor(std::optional<QRect> r) override
    {
        confinement_ = r;
        if (!r) {
            if (keeper_)
                keeper_->stop();
            return;
        }
        if (!keeper_) {
            keeper_ = new QTimer(qApp);
            keeper_->setInterval(10);
            QObject::connect(keeper_, &QTimer::timeout, [this] { keepInside(); });
        }
        keepInside();
        keeper_->start();
    }

    QRect desktopRect() override
    {
        const QScreen* s = QGuiApplication::primaryScreen();
        return s ? s->virtualGeometry() : QRect();
    }

    // The panels' reservation belongs to the desktop's window manager; the
    // area set here is what this process reports and centres windows in.
    QRect workArea() override
    {
        if (workArea_)
            return *workArea_;
        const QScreen* s = QGuiApplication::primaryScreen();
        return s ? s->availableGeometry() : QRect();
    }
    void setWorkArea(QRect r) override { workArea_ = r; }

    void mouseInput(int action, int button, QPoint screenPos) override
    {
        QCursor::setPos(screenPos);
        PointerTracker::application().moved(screenPos);
        const Qt::MouseButton b = qtButton(button);
        QWidget* target = held_ != Qt::NoButton && pressedOn_ ? pressedOn_.data() : QApplication::widgetAt(screenPos);
        QEvent::Type type = QEvent::MouseMove;
        if (action == 3) {
            type = QEvent::MouseButtonPress;
            held_ |= b;
            pressedOn_ = target;
        } else if (action == 5) {
            type = QEvent::MouseButtonRelease;
            held_ &= ~b;
        }
        if (held_ == Qt::NoButton)
            pressedOn_.clear();
        if (!target)
            return;
        const QPointF local = target->mapFromGlobal(QPointF(screenPos));
        const Qt::MouseButton changed = type == QEvent::MouseMove ? Qt::NoButton : b;
        // Queued like real input, so it reaches the widget through the loop.
        QCoreApplication::postEvent(target, new QMouseEvent(type, local, QPointF(screenPos), changed, held_,
                                                            QGuiApplication::keyboardModifiers()));
    }

    bool openUrl(const QUrl& url) override { return QDesktopServices::openUrl(url); }

private:
    void keepInside()
    {
        if (!confinement_)
            return;
        const QRect& r = *confinement_;
        const QPoint p = QCursor::pos();
        const QPoint inside(std::clamp(p.x(), r.left(), std::max(r.left(), r.right())),
                            std::clamp(p.y(), r.top(), std::max(r.top(), r.bottom())));
        if (inside != p)
            QCursor::setPos(inside);
    }

    std::optional<QRect> confinement_;
    std::optional<QRect> workArea_;
    QTimer* keeper_ = nullptr;
    Qt::MouseButtons held_ = Qt::NoButton;
    QPointer<QWidget> pressedOn_;
};

// Never destroyed: the desktop machine owns a timer of the application.
std::shared_ptr<Machine>& slot()
{
    static auto* m = new std::shared_ptr<Machine>;
    return *m;
}

} // namespace

std::shared_ptr<Machine> machine()
{
    auto& m = slot();
    if (!m)
        m = std::make_shared<DesktopMachine>();
    return m;
}

void installMachine(std::shared_ptr<Machine> m)
{
    slot() = std::move(m);
}

} // namespace zg
