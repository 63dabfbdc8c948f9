#include "Drag.h"

#include <QApplication>
#include <QDrag>
#include <QDragEnterEvent>
#include <QDragLeaveEvent>
#include <QDragMoveEvent>
#include <QDropEvent>

namespace plat {

namespace {
DragDriver& installedDriver()
{
    static DragDriver d;
    return d;
}

int32_t realDrag(DragRequest& r)
{
    auto* drag = new QDrag(r.source);
    drag->setMimeData(r.mime);
    r.mime = nullptr;
    auto feedback = r.feedback;
    QObject::connect(drag, &QDrag::actionChanged, drag, [feedback](Qt::DropAction a) {
        if (feedback)
            feedback(effectsOf(a));
    });
    const Qt::DropActions allowed = dropActionsOf(r.allowedEffects);
    const Qt::DropAction preferred = allowed & Qt::MoveAction ? Qt::MoveAction : Qt::CopyAction;
    const Qt::DropAction result = drag->exec(allowed, preferred);
    drag->deleteLater();
    return effectsOf(result);
}

int32_t accepted(const QDropEvent& e) { return e.isAccepted() ? effectsOf(e.dropAction()) : 0; }
} // namespace

void setDragDriver(DragDriver driver) { installedDriver() = std::move(driver); }

int32_t runDrag(DragRequest& request)
{
    if (installedDriver()) {
        DragDriver d = installedDriver();
        const int32_t effect = d(request);
        delete request.mime;
        request.mime = nullptr;
        return effect;
    }
    return realDrag(request);
}

int32_t sendDragEnter(QWidget* target, const QMimeData* mime, QPoint pos, Qt::DropActions actions,
                      Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons)
{
    QDragEnterEvent e(pos, actions, mime, buttons, modifiers);
    QApplication::sendEvent(target, &e);
    return accepted(e);
}

int32_t sendDragMove(QWidget* target, const QMimeData* mime, QPoint pos, Qt::DropActions actions,
                     Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons)
{
    QDragMoveEvent e(pos, actions, mime, buttons, modifiers);
    QApplication::sendEvent(target, &e);
    return accepted(e);
}

void sendDragLeave(QWidget* target)
{
    QDragLeaveEvent e;
    QApplication::sendEvent(target, &e);
}

int32_t sendDrop(QWidget* target, const QMimeData* mime, QPoint pos, Qt::DropActions actions,
                 Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons)
{
    QDropEvent e(QPointF(pos), actions, mime, buttons, modifiers);
    QApplication::sendEvent(target, &e);
    return accepted(e);
}

int32_t deliverDrag(QWidget* target, const QMimeData* mime, QPoint pos, Qt::DropActions actions,
                    Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons)
{
    sendDragEnter(target, mime, pos, actions, modifiers, buttons);
    if (sendDragMove(target, mime, pos, actions, modifiers, buttons) == 0) {
        sendDragLeave(target);
        return 0;
    }
    return sendDrop(target, mime, pos, actions, modifiers, buttons);
}

} // namespace plat
