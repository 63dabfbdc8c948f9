#include "Draw.h"

#include <QFontMetrics>
#include <algorithm>
#include <cstring>

namespace zgart {

const QVector<QRgb>& classicPalette()
{
    static const QVector<QRgb> table = {
        pal::Black.rgb(), pal::Maroon.rgb(), pal::Green.rgb(),  pal::Olive.rgb(),
        pal::Navy.rgb(),  pal::Purple.rgb(), pal::Teal.rgb(),   pal::Silver.rgb(),
        pal::Grey.rgb(),  pal::Red.rgb(),    pal::Lime.rgb(),   pal::Yellow.rgb(),
        pal::Blue.rgb(),  pal::Fuchsia.rgb(), pal::Aqua.rgb(),  pal::White.rgb()};
    return table;
}

namespace {
int nearestIndex(QRgb c)
{
    const auto& table = classicPalette();
    int best = 0;
    long bestDistance = -1;
    for (int i = 0; i < table.size(); ++i) {
        // Weighted RGB distance: green counts most, blue least, as the eye sees.
        const long dr = qRed(c) - qRed(table[i]);
        const long dg = qGreen(c) - qGreen(table[i]);
        const long db = qBlue(c) - qBlue(table[i]);
        const long d = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
        if (bestDistance < 0 || d < bestDistance) {
            bestDistance = d;
            best = i;
        }
    }
    return best;
}
} // namespace

QImage reduceTo16(const QImage& image)
{
    const QImage src = image.convertToFormat(QImage::Format_RGB32);
    QImage out(src.size(), QImage::Format_Indexed8);
    out.setColorTable(classicPalette());
    for (int y = 0; y < src.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(src.constScanLine(y));
        uchar* line = out.scanLine(y);
        for (int x = 0; x < src.width(); ++x)
            line[x] = uchar(nearestIndex(in[x]));
    }
    return out;
}

QImage newRgb(int w, int h, const QColor& fill)
{
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(fill);
    return img;
}

QImage newArgb(int w, int h)
{
    QImage img(w, h, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    return img;
}

QFont artFont(int pixelSize, bool bold, bool crisp)
{
    QFont f;
    f.setFamilies({QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")});
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    f.setHintingPreference(QFont::PreferFullHinting);
    if (crisp)
        f.setStyleStrategy(QFont::NoAntialias);
    return f;
}

int fittingPixelSize(const QString& text, int width, int start, int minimum, bool bold)
{
    int size = start;
    while (size > minimum && QFontMetrics(artFont(size, bold)).horizontalAdvance(text) > width)
        --size;
    return size;
}

void shadowText(QPainter& p, const QRect& box, int flags, const QString& text, const QColor& colour,
                const QColor& shadow, int d)
{
    p.setPen(shadow);
    p.drawText(box.translated(d, d), flags, text);
    p.setPen(colour);
    p.drawText(box, flags, text);
}

QImage pixelArt(int w, int h, std::initializer_list<const char*> rows, int top, std::initializer_list<Ink> legend)
{
    QImage img = newArgb(w, h);
    int y = top;
    for (const char* row : rows) {
        const int n = std::min<int>(int(std::strlen(row)), w);
        for (int x = 0; x < n && y < h; ++x)
            for (const Ink& ink : legend)
                if (ink.c == row[x])
                    img.setPixel(x, y, ink.argb);
        ++y;
    }
    return img;
}

} // namespace zgart
