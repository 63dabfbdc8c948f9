#include "PointerTracker.h"

#include <QCoreApplication>
#include <QEnterEvent>
#include <QMouseEvent>

namespace zg {

PointerTracker& PointerTracker::application()
{
    static auto* tracker = new PointerTracker; // lives as long as the process
    return *tracker;
}

namespace {
void watchFromTheStart()
{
    PointerTracker::application().watchApplication();
}
} // namespace
Q_COREAPP_STARTUP_FUNCTION(watchFromTheStart)

void PointerTracker::watchApplication()
{
    if (watching_ || !QCoreApplication::instance())
        return;
    watching_ = true;
    QCoreApplication::instance()->installEventFilter(this);
}

std::optional<QPoint> PointerTracker::known() const
{
    if (!inside_ || !inside_->isVisible())
        return std::nullopt;
    return position_;
}

void PointerTracker::note(QEvent::Type type, QWindow* window, QPoint globalPos, bool insideWithoutButtons)
{
    switch (type) {
    case QEvent::Enter:
        inside_ = window;
        position_ = globalPos;
        break;
    case QEvent::MouseMove:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
        // A move reported to a window the pointer has not entered (a held
        // button drags outside) still gives the true position.
        position_ = globalPos;
        if (insideWithoutButtons)
            inside_ = window;
        break;
    case QEvent::Leave:
        if (inside_ == window)
            inside_ = nullptr;
        break;
    default:
        break;
    }
}

void PointerTracker::moved(QPoint globalPos)
{
    position_ = globalPos;
}

bool PointerTracker::eventFilter(QObject* watched, QEvent* event)
{
    // Only what the window system reports, delivered to the windows
    // themselves (events made up by the program prove nothing).
    if (!event->spontaneous() || !watched->isWindowType())
        return false;
    auto* window = static_cast<QWindow*>(watched);
    switch (event->type()) {
    case QEvent::Enter:
        note(event->type(), window, static_cast<QEnterEvent*>(event)->globalPosition().toPoint());
        break;
    case QEvent::MouseMove:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease: {
        const auto* m = static_cast<QMouseEvent*>(event);
        const bool inside = m->type() == QEvent::MouseMove && m->buttons() == Qt::NoButton &&
            QRect(QPoint(0, 0), window->size()).contains(m->position().toPoint());
        note(event->type(), window, m->globalPosition().toPoint(), inside);
        break;
    }
    case QEvent::Leave:
        note(event->type(), window, {});
        break;
    default:
        break;
    }
    return false;
}

} // namespace zg
