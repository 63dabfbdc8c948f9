// Drawing helpers shared by the generator's pictures: the classic 16-colour
// palette and the reduction to it, fonts, shadowed text and pixel art.
#pragma once
#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QRect>
#include <QString>
#include <QVector>
#include <initializer_list>

namespace zgart {

// The classic 16 desktop colours, in the usual order.
namespace pal {
inline const QColor Black{0, 0, 0}, Maroon{128, 0, 0}, Green{0, 128, 0}, Olive{128, 128, 0},
    Navy{0, 0, 128}, Purple{128, 0, 128}, Teal{0, 128, 128}, Silver{192, 192, 192},
    Grey{128, 128, 128}, Red{255, 0, 0}, Lime{0, 255, 0}, Yellow{255, 255, 0},
    Blue{0, 0, 255}, Fuchsia{255, 0, 255}, Aqua{0, 255, 255}, White{255, 255, 255};
}
const QVector<QRgb>& classicPalette();

// The image mapped pixel by pixel to the nearest palette colour (no
// dithering), as an 8-bit indexed image whose table is the 16 colours.
QImage reduceTo16(const QImage& image);

// An opaque 24-bit canvas filled with `fill`.
QImage newRgb(int w, int h, const QColor& fill);
// A fully transparent 32-bit canvas.
QImage newArgb(int w, int h);

// The sans-serif face of all drawn text; `crisp` turns antialiasing off,
// which the 16-colour pictures use so their text keeps hard edges.
QFont artFont(int pixelSize, bool bold, bool crisp = false);
// The largest pixel size from `start` down to `minimum` at which `text`
// fits `width` on one line.
int fittingPixelSize(const QString& text, int width, int start, int minimum, bool bold);

// Text in `colour` over a copy of itself in `shadow` moved by (d, d).
void shadowText(QPainter& p, const QRect& box, int flags, const QString& text,
                const QColor& colour, const QColor& shadow, int d = 1);

// Pixel art: each row a string; every character maps to a colour through
// `legend` (pairs of character and ARGB value); unknown characters are
// transparent. Rows shorter than `w` are padded with transparency.
struct Ink {
    char c;
    QRgb argb;
};
QImage pixelArt(int w, int h, std::initializer_list<const char*> rows, int top,
                std::initializer_list<Ink> legend);

} // namespace zgart
