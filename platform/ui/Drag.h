// The drag loop of OLEDrag and a seam for tests: Qt's offscreen platform does
// no dragging, so tests install a driver that delivers the drag to a target
// widget through the Qt drag events (deliverDrag and friends below), which
// exercises the same conversion code as a real drag.
#pragma once
#include "DataObject.h"

#include <QPoint>
#include <QWidget>
#include <functional>

namespace plat {

struct DragRequest {
    QWidget* source = nullptr;
    DataObjectPtr data;
    int32_t allowedEffects = 0;
    // The MIME data of the drag (owned by the request until a driver takes it).
    QMimeData* mime = nullptr;
    // Called while the drag runs whenever the effect the target offers
    // changes (raises the source's OLEGiveFeedback).
    std::function<void(int32_t effect)> feedback;
};

// Runs a whole drag and returns the effect of the drop (0 when cancelled or
// refused). A driver only reads request.mime; runDrag deletes it after the
// driver returns (a driver that wants to keep it takes it and sets the field
// to nullptr).
using DragDriver = std::function<int32_t(DragRequest& request)>;
// Tests: replace the drag loop; nullptr restores the real one (QDrag).
void setDragDriver(DragDriver driver);
int32_t runDrag(DragRequest& request);

// Delivering a drag to a widget through Qt's drag events, as the window
// system does. Each returns the effect the target accepted (0: refused).
// `pos` is in the target's pixels.
int32_t sendDragEnter(QWidget* target, const QMimeData* mime, QPoint pos, Qt::DropActions actions,
                      Qt::KeyboardModifiers modifiers = {}, Qt::MouseButtons buttons = Qt::LeftButton);
int32_t sendDragMove(QWidget* target, const QMimeData* mime, QPoint pos, Qt::DropActions actions,
                     Qt::KeyboardModifiers modifiers = {}, Qt::MouseButtons buttons = Qt::LeftButton);
void sendDragLeave(QWidget* target);
int32_t sendDrop(QWidget* target, const QMimeData* mime, QPoint pos, Qt::DropActions actions,
                 Qt::KeyboardModifiers modifiers = {}, Qt::MouseButtons buttons = Qt::LeftButton);
// Enter, one move and the drop (when the move was accepted; otherwise a
// leave). Returns the drop's effect.
int32_t deliverDrag(QWidget* target, const QMimeData* mime, QPoint pos, Qt::DropActions actions,
                    Qt::KeyboardModifiers modifiers = {}, Qt::MouseButtons buttons = Qt::LeftButton);

} // namespace plat
