// The simple emblem that identifies each catalog item on its picture.
#pragma once
#include <QColor>
#include <QPainter>
#include <QRectF>
#include <QString>

namespace zgart {

struct EmblemInk {
    QColor fill;   // light body colour
    QColor line;   // outlines and dark details
    QColor accent; // one contrasting highlight
    qreal pen = 1.5;
};

// Draws the emblem of the item `key` centred in `box` (designed on a 40 x 30
// grid and scaled to fit). Unknown keys draw nothing.
void drawEmblem(QPainter& p, const QString& key, const QRectF& box, const EmblemInk& ink);

} // namespace zgart
