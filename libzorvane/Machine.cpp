#include "Machine.h"

#include "PointerTracker.h"
#include "X11Desktop.h"
#include "X11Display.h"

#include <QApplication>
#include <QCursor>
#include <QDesktopServices>
#include <QMouseEvent>
#include <QPointer>
#include <QProcess>
#include <QScreen>
#include <QStandardPaths>
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

// X button numbers of the library's buttons (1 left, 2 right, 4 middle).
int xButton(int button)
{
    switch (button) {
    case 2:
        return 3;
    case 4:
        return 2;
    default:
        return 1;
    }
}

QPoint clampInto(QPoint p, const QRect& r)
{
    return QPoint(std::clamp(p.x(), r.left(), std::max(r.left(), r.right())),
                  std::clamp(p.y(), r.top(), std::max(r.top(), r.bottom())));
}

// The desktop the programs run on: the display server itself on X11, the
// toolkit elsewhere.
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

    // Inside a confinement the pointer goes only as far as its edge.
    void setCursorPos(QPoint p) override
    {
        if (confinement_)
            p = clampInto(p, *confinement_);
        if (x11())
            x11()->warpPointer(p);
        else
            QCursor::setPos(p);
        PointerTracker::application().moved(p);
    }

    std::optional<QRect> cursorConfinement() override { return confinement_; }

    // On X11 the server's pointer barriers hold the pointer against a
    // mouse's or touchpad's moves. They do not stop absolute moves (tablets,
    // other programs' warps), and a diagonal move that slides along one
    // barrier into a corner can slip past the next, so a short timer brings
    // the pointer back should it ever be outside; without barriers that
    // timer is all there is.
    void confineCursor(std::optional<QRect> r) override
    {
        confinement_ = r;
        if (x11() && x11()->hasBarriers())
            x11()->confine(r);
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
        if (x11())
            return x11()->rootRect();
        const QScreen* s = QGuiApplication::primaryScreen();
        return s ? s->virtualGeometry() : QRect();
    }

    // Under an EWMH window manager that honours struts, the manager's own
    // work area, which the reservation changes for every program. Without
    // one, the area set here is what this program reports and centres its
    // windows in.
    QRect workArea() override
    {
        if (const auto area = managerWorkArea())
            return *area;
        if (workArea_)
            return *workArea_;
        const QScreen* s = QGuiApplication::primaryScreen();
        return s ? s->availableGeometry() : QRect();
    }

    void setWorkArea(QRect r) override
    {
        workArea_ = r;
        if (!x11() || !x11()->managerHonoursStruts())
            return;
        // The area before this program reserved anything: going back to it
        // takes the reservation away.
        if (!x11()->reservingWindow())
            managerArea_ = x11()->managerWorkArea();
        if (managerArea_ && r == *managerArea_)
            x11()->reserveOutside(std::nullopt);
        else
            x11()->reserveOutside(r);
    }

    void mouseInput(int action, int button, QPoint screenPos) override
    {
        if (x11() && x11()->hasTestInput()) {
            // Through the server, like a user's mouse: whatever window is
            // under the point (or holds the grab) gets it.
            x11()->fakeMotion(screenPos);
            PointerTracker::application().moved(screenPos);
            if (action == 3 || action == 5)
                x11()->fakeButton(xButton(button), action == 3);
            return;
        }
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

    // The freedesktop opener with the target as its one argument (never a
    // shell command line); the toolkit's opener where there is none.
    bool openUrl(const QUrl& url) override
    {
        const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
        if (opener.isEmpty())
            return QDesktopServices::openUrl(url);
        const QString target = url.isLocalFile() ? url.toLocalFile() : url.toString(QUrl::FullyEncoded);
        return QProcess::startDetached(opener, QStringList{ target });
    }

    QString keyboardLayout() override { return x11() ? x11()->keyboardLayout() : QString(); }

    std::optional<PointerDevices> pointerDevices() override
    {
        if (!x11())
            return std::nullopt;
        const auto d = x11()->pointerDevices();
        if (!d)
            return std::nullopt;
        return PointerDevices{ d->name, d->buttons, d->wheel };
    }

private:
    void keepInside()
    {
        if (!confinement_)
            return;
        const QPoint p = x11() ? x11()->pointer() : QCursor::pos();
        const QPoint inside = clampInto(p, *confinement_);
        if (inside == p)
            return;
        if (x11())
            x11()->warpPointer(inside);
        else
            QCursor::setPos(inside);
        PointerTracker::application().moved(inside);
    }

    // The library's own connection, opened at the first thing that needs
    // it (nullptr when the windows are not on X or it cannot be opened):
    // what it makes on the server ends with the process.
    X11Desktop* x11()
    {
        if (!x11Opened_) {
            x11Opened_ = true;
            if (const QByteArray name = x11DisplayName(); !name.isEmpty())
                x11_ = X11Desktop::open(name);
        }
        return x11_.get();
    }

    // Reading the work area needs no connection of our own: Qt's does
    // until ours is open (a program that only centres its windows never
    // opens one).
    std::optional<QRect> managerWorkArea()
    {
        if (x11_) {
            if (x11_->managerHonoursStruts())
                return x11_->managerWorkArea();
            return std::nullopt;
        }
        if (x11Opened_)
            return std::nullopt;
        return X11Desktop::honouredWorkAreaOn(x11QtDisplay());
    }

    std::unique_ptr<X11Desktop> x11_;
    bool x11Opened_ = false;
    std::optional<QRect> confinement_;
    std::optional<QRect> workArea_;
    std::optional<QRect> managerArea_;
    QTimer* keeper_ = nullptr;
    Qt::MouseButtons held_ = Qt::NoButton;
    QPointer<QWidget> pressedOn_;
};

// Never destroyed: the desktop machine owns a timer of the application, and
// its display connection, with the confinement and the reservation made
// through it, stays for the life of the process.
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
