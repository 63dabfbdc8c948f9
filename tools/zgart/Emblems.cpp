#include "Emblems.h"

#include "Draw.h"

#include <QPainterPath>
#include <QPolygonF>
#include <cmath>
#include <functional>
#include <map>

namespace zgart {

namespace {

constexpr qreal GridW = 40, GridH = 30;

struct Pens {
    QPainter& p;
    const EmblemInk& ink;

    void body(const QColor& brush) const
    {
        p.setPen(QPen(ink.line, ink.pen, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(brush);
    }
    void stroke(const QColor& colour, qreal width) const
    {
        p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
    }
    void solid(const QColor& brush) const
    {
        p.setPen(Qt::NoPen);
        p.setBrush(brush);
    }
};

QPolygonF star(QPointF c, qreal outer, qreal inner)
{
    QPolygonF poly;
    for (int i = 0; i < 10; ++i) {
        const qreal r = (i % 2 == 0) ? outer : inner;
        const qreal a = -M_PI / 2 + i * M_PI / 5;
        poly << QPointF(c.x() + r * std::cos(a), c.y() + r * std::sin(a));
    }
    return poly;
}

QPolygonF folder()
{
    return QPolygonF({QPointF(5, 8), QPointF(15, 8), QPointF(18, 11), QPointF(35, 11), QPointF(35, 27),
                      QPointF(5, 27)});
}

void textIn(QPainter& p, const QRectF& r, const QString& text, int px, const QColor& colour)
{
    const bool crisp = !p.testRenderHint(QPainter::Antialiasing);
    p.setFont(artFont(px, true, crisp));
    p.setPen(colour);
    p.drawText(r, Qt::AlignCenter, text);
}

using Painter = std::function<void(const Pens&)>;

const std::map<QString, Painter>& painters()
{
    static const std::map<QString, Painter> table = {
        {QStringLiteral("DATA"), // a database cylinder
         [](const Pens& k) {
             QPainterPath body;
             body.moveTo(9, 6);
             body.lineTo(9, 24);
             body.arcTo(QRectF(9, 21, 22, 6), 180, 180);
             body.lineTo(31, 6);
             k.body(k.ink.fill);
             k.p.drawPath(body);
             k.stroke(k.ink.line, k.ink.pen);
             k.p.drawArc(QRectF(9, 9, 22, 6), 180 * 16, 180 * 16);
             k.p.drawArc(QRectF(9, 15, 22, 6), 180 * 16, 180 * 16);
             k.body(k.ink.accent);
             k.p.drawEllipse(QRectF(9, 3, 22, 6));
         }},
        {QStringLiteral("FILESANDFOLDERS"), // a page in a folder
         [](const Pens& k) {
             k.body(k.ink.fill);
             k.p.drawRect(QRectF(12, 2, 15, 18));
             k.stroke(k.ink.line, 1);
             for (qreal y = 6; y < 12; y += 3)
                 k.p.drawLine(QPointF(15, y), QPointF(24, y));
             k.body(k.ink.accent);
             k.p.drawPolygon(folder());
         }},
        {QStringLiteral("FORMFUNCTIONS"), // a window with a title bar and a button
         [](const Pens& k) {
             k.body(k.ink.fill);
             k.p.drawRect(QRectF(4, 3, 32, 24));
             k.body(k.ink.accent);
             k.p.drawRect(QRectF(4, 3, 32, 6));
             k.body(k.ink.fill);
             k.p.drawRect(QRectF(30, 4.5, 3.5, 3));
             k.stroke(k.ink.line, 1);
             k.p.drawLine(QPointF(8, 13), QPointF(30, 13));
             k.p.drawLine(QPointF(8, 17), QPointF(24, 17));
             k.body(k.ink.accent);
             k.p.drawRect(QRectF(22, 20, 10, 4));
         }},
        {QStringLiteral("MISCELLANEOUS"), // a circle, a square and a triangle
         [](const Pens& k) {
             k.body(k.ink.accent);
             k.p.drawEllipse(QRectF(4, 3, 13, 13));
             k.body(k.ink.fill);
             k.p.drawRect(QRectF(23, 3, 13, 13));
             k.body(k.ink.fill);
             k.p.drawPolygon(QPolygonF({QPointF(12, 28), QPointF(20, 16), QPointF(28, 28)}));
         }},
        {QStringLiteral("MULTIMEDIA"), // two beamed notes
         [](const Pens& k) {
             k.solid(k.ink.fill);
             k.p.drawPolygon(QPolygonF({QPointF(15, 5), QPointF(32, 2), QPointF(32, 6), QPointF(15, 9)}));
             k.stroke(k.ink.fill, 2);
             k.p.drawLine(QPointF(16, 6), QPointF(16, 23));
             k.p.drawLine(QPointF(31, 3), QPointF(31, 20));
             k.body(k.ink.accent);
             k.p.drawEllipse(QRectF(7, 20, 10, 7));
             k.p.drawEllipse(QRectF(22, 17, 10, 7));
         }},
        {QStringLiteral("NUMBERS"), // a calculator
         [](const Pens& k) {
             k.body(k.ink.fill);
             k.p.drawRoundedRect(QRectF(9, 1, 22, 28), 2.5, 2.5);
             k.body(k.ink.accent);
             k.p.drawRect(QRectF(12, 4, 16, 7));
             textIn(k.p, QRectF(12, 4, 16, 7), QStringLiteral("42"), 7, k.ink.line);
             k.solid(k.ink.line);
             for (int r = 0; r < 3; ++r)
                 for (int c = 0; c < 3; ++c)
                     k.p.drawRect(QRectF(12 + c * 6, 14 + r * 5, 4, 3));
         }},
        {QStringLiteral("STRINGS"), // letter tiles on a thread
         [](const Pens& k) {
             k.stroke(k.ink.fill, 1.5);
             k.p.drawLine(QPointF(0, 15), QPointF(40, 15));
             const QString letters = QStringLiteral("Abc");
             for (int i = 0; i < 3; ++i) {
                 const QRectF tile(3 + i * 12, 9, 10, 12);
                 k.body(i == 1 ? k.ink.accent : k.ink.fill);
                 k.p.drawRect(tile);
                 textIn(k.p, tile, letters.mid(i, 1), 9, k.ink.line);
             }
         }},
        {QStringLiteral("SYSTEM"), // a gear
         [](const Pens& k) {
             QPolygonF gear;
             const QPointF c(20, 15);
             const int teeth = 8;
             for (int i = 0; i < teeth * 4; ++i) {
                 const qreal a = i * 2 * M_PI / (teeth * 4);
                 const qreal r = (i % 4 == 1 || i % 4 == 2) ? 13.0 : 10.0;
                 gear << QPointF(c.x() + r * std::cos(a), c.y() + r * std::sin(a));
             }
             k.body(k.ink.fill);
             k.p.drawPolygon(gear);
             k.body(k.ink.accent);
             k.p.drawEllipse(c, 4.5, 4.5);
         }},
        {QStringLiteral("APM"), // a battery with its charge
         [](const Pens& k) {
             k.body(k.ink.fill);
             k.p.drawRect(QRectF(4, 8, 28, 15));
             k.body(k.ink.fill);
             k.p.drawRect(QRectF(32, 12, 3, 7));
             k.solid(k.ink.accent);
             for (int i = 0; i < 3; ++i)
                 k.p.drawRect(QRectF(7 + i * 8, 11, 6, 9));
         }},
        {QStringLiteral("CODETIMER"), // a stopwatch
         [](const Pens& k) {
             k.body(k.ink.line);
             k.p.drawRect(QRectF(17.5, 1, 5, 3));
             k.body(k.ink.fill);
             k.p.drawEllipse(QPointF(20, 17), 11.5, 11.5);
             k.stroke(k.ink.line, 1);
             for (int i = 0; i < 12; ++i) {
                 const qreal a = i * M_PI / 6;
                 k.p.drawLine(QPointF(20 + 9 * std::cos(a), 17 + 9 * std::sin(a)),
                              QPointF(20 + 10.5 * std::cos(a), 17 + 10.5 * std::sin(a)));
             }
             k.stroke(k.ink.accent, 2);
             k.p.drawLine(QPointF(20, 17), QPointF(20, 9));
             k.stroke(k.ink.line, 2);
             k.p.drawLine(QPointF(20, 17), QPointF(26, 17));
         }},
        {QStringLiteral("DISKINFO"), // a platter with its used share
         [](const Pens& k) {
             const QRectF disc(8, 3, 24, 24);
             k.body(k.ink.fill);
             k.p.drawEllipse(disc);
             k.body(k.ink.accent);
             k.p.drawPie(disc, 90 * 16, 120 * 16);
             k.body(k.ink.line);
             k.p.drawEllipse(QPointF(20, 15), 2.5, 2.5);
         }},
        {QStringLiteral("ENCRYPTION"), // a padlock
         [](const Pens& k) {
             k.stroke(k.ink.line, 3);
             k.p.drawArc(QRectF(13, 2, 14, 16), 0, 180 * 16);
             k.p.drawLine(QPointF(13, 10), QPointF(13, 13));
             k.p.drawLine(QPointF(27, 10), QPointF(27, 13));
             k.body(k.ink.accent);
             k.p.drawRoundedRect(QRectF(9, 13, 22, 15), 2, 2);
             k.solid(k.ink.line);
             k.p.drawEllipse(QPointF(20, 19), 2.5, 2.5);
             k.p.drawRect(QRectF(19, 19, 2, 6));
         }},
        {QStringLiteral("FILEVERSION"), // a page with a version badge
         [](const Pens& k) {
             k.body(k.ink.fill);
             k.p.drawPolygon(QPolygonF(
                 {QPointF(8, 1), QPointF(23, 1), QPointF(29, 7), QPointF(29, 28), QPointF(8, 28)}));
             k.p.drawPolyline(QPolygonF({QPointF(23, 1), QPointF(23, 7), QPointF(29, 7)}));
             k.stroke(k.ink.line, 1);
             for (qreal y = 11; y < 20; y += 3)
                 k.p.drawLine(QPointF(11, y), QPointF(24, y));
             k.body(k.ink.accent);
             k.p.drawEllipse(QPointF(29, 22), 7, 7);
             textIn(k.p, QRectF(22, 15, 14, 14), QStringLiteral("v"), 10, k.ink.line);
         }},
        {QStringLiteral("GHOSTCANVAS"), // a ghost over a dashed canvas
         [](const Pens& k) {
             k.p.setPen(QPen(k.ink.accent, 1.5, Qt::DashLine));
             k.p.setBrush(Qt::NoBrush);
             k.p.drawRect(QRectF(2, 3, 36, 24));
             QPainterPath ghost;
             ghost.moveTo(11, 27);
             ghost.lineTo(11, 12);
             ghost.arcTo(QRectF(11, 3, 18, 18), 180, -180);
             ghost.lineTo(29, 27);
             for (int i = 0; i < 3; ++i) {
                 const qreal x = 29 - i * 6;
                 ghost.quadTo(QPointF(x - 1.5, 23), QPointF(x - 3, 27));
                 ghost.quadTo(QPointF(x - 4.5, 23), QPointF(x - 6, 27));
             }
             k.body(k.ink.fill);
             k.p.drawPath(ghost);
             k.solid(k.ink.line);
             k.p.drawEllipse(QRectF(15, 10, 3, 4));
             k.p.drawEllipse(QRectF(22, 10, 3, 4));
         }},
        {QStringLiteral("ICONS"), // four small icon tiles
         [](const Pens& k) {
             for (int i = 0; i < 4; ++i) {
                 const QRectF tile(7 + (i % 2) * 14, 2 + (i / 2) * 14, 12, 12);
                 k.body((i == 0 || i == 3) ? k.ink.accent : k.ink.fill);
                 k.p.drawRoundedRect(tile, 2, 2);
             }
             k.solid(k.ink.line);
             k.p.drawEllipse(QPointF(13, 8), 3, 3);
             k.p.drawPolygon(QPolygonF({QPointF(23, 11), QPointF(27, 4), QPointF(31, 11)}));
             k.p.drawRect(QRectF(10, 19, 6, 6));
             k.p.drawPolygon(star(QPointF(27, 22), 4.5, 2));
         }},
        {QStringLiteral("MEMORY"), // a memory module
         [](const Pens& k) {
             k.body(k.ink.accent);
             k.p.drawRect(QRectF(2, 8, 36, 13));
             k.solid(k.ink.line);
             for (int i = 0; i < 4; ++i)
                 k.p.drawRect(QRectF(5 + i * 8.5, 10.5, 6, 8));
             k.stroke(k.ink.fill, 1);
             for (qreal x = 4; x < 37; x += 3)
                 k.p.drawLine(QPointF(x, 21), QPointF(x, 24));
         }},
        {QStringLiteral("PICTURE"), // a framed landscape
         [](const Pens& k) {
             k.body(k.ink.fill);
             k.p.drawRect(QRectF(4, 2, 32, 26));
             k.solid(k.ink.line);
             k.p.drawPolygon(QPolygonF({QPointF(7, 25), QPointF(15, 13), QPointF(21, 21), QPointF(25, 16),
                                        QPointF(33, 25)}));
             k.body(k.ink.accent);
             k.p.drawEllipse(QPointF(27, 9), 3.5, 3.5);
         }},
        {QStringLiteral("PROCESSOR"), // a chip with pins on every side
         [](const Pens& k) {
             k.stroke(k.ink.fill, 1.2);
             for (int i = 0; i < 4; ++i) {
                 const qreal t = 11 + i * 4 + 1;
                 k.p.drawLine(QPointF(8 + t - 4, 2), QPointF(8 + t - 4, 28));
                 k.p.drawLine(QPointF(6, t), QPointF(34, t));
             }
             k.body(k.ink.fill);
             k.p.drawRect(QRectF(10, 5, 20, 20));
             k.body(k.ink.accent);
             k.p.drawRect(QRectF(15, 10, 10, 10));
         }},
        {QStringLiteral("REGISTRYANDINI"), // a tree of keys
         [](const Pens& k) {
             k.stroke(k.ink.fill, 1.5);
             k.p.drawLine(QPointF(9, 8), QPointF(9, 24));
             k.p.drawLine(QPointF(9, 15), QPointF(18, 15));
             k.p.drawLine(QPointF(9, 24), QPointF(18, 24));
             k.p.drawLine(QPointF(28, 15), QPointF(31, 15));
             k.body(k.ink.accent);
             k.p.drawRect(QRectF(4, 2, 11, 7));
             k.body(k.ink.fill);
             k.p.drawRect(QRectF(18, 12, 10, 6));
             k.p.drawRect(QRectF(18, 21, 10, 6));
             k.body(k.ink.fill);
             k.p.drawRect(QRectF(31, 12, 6, 6));
         }},
        {QStringLiteral("SCREENMODES"), // a monitor with a resize arrow
         [](const Pens& k) {
             k.body(k.ink.line);
             k.p.drawRect(QRectF(4, 1, 32, 21));
             k.solid(k.ink.accent);
             k.p.drawRect(QRectF(7, 4, 26, 15));
             k.body(k.ink.fill);
             k.p.drawRect(QRectF(17, 22, 6, 3));
             k.p.drawRect(QRectF(11, 25, 18, 3));
             k.stroke(k.ink.line, 1.5);
             k.p.drawLine(QPointF(12, 16), QPointF(28, 7));
             k.p.drawPolyline(QPolygonF({QPointF(12, 12), QPointF(12, 16), QPointF(16, 16)}));
             k.p.drawPolyline(QPolygonF({QPointF(24, 7), QPointF(28, 7), QPointF(28, 11)}));
         }},
        {QStringLiteral("SPECIALFOLDERS"), // a folder with a star
         [](const Pens& k) {
             k.body(k.ink.fill);
             k.p.drawPolygon(folder());
             k.body(k.ink.accent);
             k.p.drawPolygon(star(QPointF(20, 19), 7, 3));
         }},
        {QStringLiteral("SYSCOUNTER"), // a digital counter
         [](const Pens& k) {
             k.body(k.ink.line);
             k.p.drawRoundedRect(QRectF(2, 7, 36, 16), 2, 2);
             QFont mono = artFont(12, true, !k.p.testRenderHint(QPainter::Antialiasing));
             mono.setFamilies({QStringLiteral("DejaVu Sans Mono"), QStringLiteral("Liberation Mono")});
             k.p.setFont(mono);
             k.p.setPen(k.ink.accent);
             k.p.drawText(QRectF(2, 7, 36, 16), Qt::AlignCenter, QStringLiteral("0042"));
         }},
        {QStringLiteral("WINDOWSVERSION"), // three cascaded windows
         [](const Pens& k) {
             for (int i = 0; i < 3; ++i) {
                 const QRectF w(3 + i * 6, 2 + i * 5, 22, 16);
                 k.body(k.ink.fill);
                 k.p.drawRect(w);
                 k.body(i == 2 ? k.ink.accent : k.ink.line);
                 k.p.drawRect(QRectF(w.x(), w.y(), w.width(), 4));
             }
         }},
    };
    return table;
}

} // namespace

void drawEmblem(QPainter& p, const QString& key, const QRectF& box, const EmblemInk& ink)
{
    const auto it = painters().find(key);
    if (it == painters().end())
        return;
    const qreal scale = std::min(box.width() / GridW, box.height() / GridH);
    p.save();
    p.translate(box.center().x() - GridW * scale / 2, box.center().y() - GridH * scale / 2);
    p.scale(scale, scale);
    it->second(Pens{p, ink});
    p.restore();
}

} // namespace zgart
