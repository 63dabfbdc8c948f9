#include "SampleIcons.h"

#include "Draw.h"
#include "Emblems.h"
#include "IconWriter.h"
#include "ItemArt.h"

#include <QBuffer>
#include <QDir>
#include <QLinearGradient>
#include <QPainterPath>
#include <QSaveFile>

namespace zgart {

namespace {

using zg::icons::Blob;

zg::icons::Pixels pixelsOf(const QImage& image)
{
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    zg::icons::Pixels px{argb.width(), argb.height(), {}};
    px.argb.reserve(size_t(argb.width()) * argb.height());
    for (int y = 0; y < argb.height(); ++y) {
        const auto* line = reinterpret_cast<const uint32_t*>(argb.constScanLine(y));
        px.argb.insert(px.argb.end(), line, line + argb.width());
    }
    return px;
}

// The 16 classic colours, and for 256 colours a 6 x 6 x 6 cube with greys.
std::vector<uint32_t> palette16()
{
    std::vector<uint32_t> p;
    for (QRgb c : classicPalette())
        p.push_back(c & 0xFFFFFF);
    return p;
}
std::vector<uint32_t> palette256()
{
    std::vector<uint32_t> p;
    for (int r = 0; r < 6; ++r)
        for (int g = 0; g < 6; ++g)
            for (int b = 0; b < 6; ++b)
                p.push_back(uint32_t(r * 51) << 16 | uint32_t(g * 51) << 8 | uint32_t(b * 51));
    for (int i = 1; i <= 40; ++i)
        p.push_back(uint32_t(i * 6) * 0x010101u);
    return p;
}

Blob png(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return Blob(bytes.begin(), bytes.end());
}

// The images of one item's icon: 16 and 32 pixels at 4, 8 and 32 bits, and
// 48 pixels at 32 bits; `large` adds a 256-pixel PNG image.
std::vector<Blob> iconImages(const QString& key, int index, bool large)
{
    std::vector<Blob> images;
    for (int side : {16, 32}) {
        images.push_back(zg::icons::bmpImage(pixelsOf(itemIcon(key, index, side, true)), 4, palette16()));
        images.push_back(zg::icons::bmpImage(pixelsOf(itemIcon(key, index, side, false)), 8, palette256()));
        images.push_back(zg::icons::bmpImage(pixelsOf(itemIcon(key, index, side, false)), 32));
    }
    images.push_back(zg::icons::bmpImage(pixelsOf(itemIcon(key, index, 48, false)), 32));
    if (large)
        images.push_back(png(itemIcon(key, index, 256, false)));
    return images;
}

bool save(const QString& path, const Blob& bytes, QString* error)
{
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly) ||
        f.write(reinterpret_cast<const char*>(bytes.data()), qint64(bytes.size())) != qint64(bytes.size()) ||
        !f.commit()) {
        *error = QStringLiteral("cannot write %1").arg(path);
        return false;
    }
    return true;
}

} // namespace

QImage itemIcon(const QString& key, int index, int side, bool sixteen)
{
    QImage img = newArgb(side, side);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, !sixteen);
    const bool object = key != QStringLiteral("FILESANDFOLDERS") && index >= 8;
    const QColor dim = object ? pal::Maroon : pal::Navy;
    const QColor bright = object ? pal::Red : pal::Blue;
    const qreal r = side / 6.0;
    QPainterPath tile;
    tile.addRoundedRect(QRectF(0.5, 0.5, side - 1, side - 1), r, r);
    if (sixteen) {
        p.fillPath(tile, dim);
    } else {
        const int hue = ((object ? 355 : 218) + (index * 7) % 30 - 15 + 360) % 360;
        QLinearGradient bg(0, 0, 0, side);
        bg.setColorAt(0, QColor::fromHsvF(hue / 360.0, 0.55, 0.9));
        bg.setColorAt(1, QColor::fromHsvF(hue / 360.0, 0.85, 0.45));
        p.fillPath(tile, bg);
    }
    p.setPen(QPen(sixteen ? bright : QColor(0, 0, 0, 90), std::max(1.0, side / 32.0)));
    p.drawPath(tile);
    const EmblemInk ink = sixteen ? EmblemInk{pal::White, pal::Black, pal::Yellow, 1.0}
                                  : EmblemInk{QColor(250, 250, 250), QColor(30, 30, 40), QColor(255, 200, 60),
                                              side <= 16 ? 2.5 : 1.5};
    const qreal m = side / 10.0;
    drawEmblem(p, key, QRectF(m, m, side - 2 * m, side - 2 * m), ink);
    p.end();
    return img;
}

bool writeSampleIcons(const QString& dir, QString* error)
{
    if (!QDir().mkpath(dir)) {
        *error = QStringLiteral("cannot create %1").arg(dir);
        return false;
    }
    const auto& items = catalogItems();
    std::vector<std::vector<Blob>> groups;
    for (size_t i = 0; i < items.size(); ++i)
        groups.push_back(iconImages(items[i].key, int(i), false));
    if (!save(dir + QStringLiteral("/ZorvaneSuiteIcons.dll"), zg::icons::resourceLibrary(groups), error))
        return false;

    const std::pair<const char*, const char*> files[] = {
        {"DISKINFO", "ZorvaneDiskInfo.ico"},
        {"FILESANDFOLDERS", "ZorvaneFilesAndFolders.ico"},
        {"ICONS", "ZorvaneIcons.ico"},
        {"ENCRYPTION", "ZorvaneEncryption.ico"},
    };
    for (const auto& [key, name] : files) {
        int index = 0;
        for (size_t i = 0; i < items.size(); ++i)
            if (items[i].key == QLatin1String(key))
                index = int(i);
        const bool large = QLatin1String(key) == QLatin1String("ICONS");
        if (!save(dir + QLatin1Char('/') + QLatin1String(name),
                  zg::icons::iconFile(iconImages(QLatin1String(key), index, large)), error))
            return false;
    }
    return true;
}

} // namespace zgart
