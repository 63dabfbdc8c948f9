#include "ItemArt.h"

#include "Draw.h"
#include "Emblems.h"

#include <QLinearGradient>

namespace zgart {

const std::vector<CatalogItem>& catalogItems()
{
    static const std::vector<CatalogItem> items = {
        {QStringLiteral("DATA"), QStringLiteral("Data"), false},
        {QStringLiteral("FILESANDFOLDERS"), QStringLiteral("Files And Folders"), false},
        {QStringLiteral("FORMFUNCTIONS"), QStringLiteral("Form Functions"), false},
        {QStringLiteral("MISCELLANEOUS"), QStringLiteral("Miscellaneous"), false},
        {QStringLiteral("MULTIMEDIA"), QStringLiteral("Multimedia"), false},
        {QStringLiteral("NUMBERS"), QStringLiteral("Numbers"), false},
        {QStringLiteral("STRINGS"), QStringLiteral("Strings"), false},
        {QStringLiteral("SYSTEM"), QStringLiteral("System"), false},
        {QStringLiteral("APM"), QStringLiteral("APM"), true},
        {QStringLiteral("CODETIMER"), QStringLiteral("Code Timer"), true},
        {QStringLiteral("DISKINFO"), QStringLiteral("Disk Info"), true},
        {QStringLiteral("ENCRYPTION"), QStringLiteral("Encryption"), true},
        {QStringLiteral("FILEVERSION"), QStringLiteral("File Version"), true},
        {QStringLiteral("GHOSTCANVAS"), QStringLiteral("Ghost Canvas"), true},
        {QStringLiteral("ICONS"), QStringLiteral("Icons"), true},
        {QStringLiteral("MEMORY"), QStringLiteral("Memory"), true},
        {QStringLiteral("PICTURE"), QStringLiteral("Picture"), true},
        {QStringLiteral("PROCESSOR"), QStringLiteral("Processor"), true},
        {QStringLiteral("REGISTRYANDINI"), QStringLiteral("Registry And INI"), true},
        {QStringLiteral("SCREENMODES"), QStringLiteral("Screen Modes"), true},
        {QStringLiteral("SPECIALFOLDERS"), QStringLiteral("Special Folders"), true},
        {QStringLiteral("SYSCOUNTER"), QStringLiteral("Sys Counter"), true},
        {QStringLiteral("WINDOWSVERSION"), QStringLiteral("Windows Version"), true},
    };
    return items;
}

namespace {

constexpr int W = 120, H = 69;

// Colours of one look of one item.
struct Look {
    QColor top, bottom;           // background, top to bottom
    QColor light, dark;           // bevel: top-left and bottom-right edges
    int bevel = 1;                // bevel width
    QColor frame;                 // highlight frame inside the bevel (invalid: none)
    QColor caption, captionShadow;
    int shift = 0;                // content moved right and down when pressed
    EmblemInk ink;
};

// Full colour: the global functions in blues, the objects in reds, the hue
// drifting a little from item to item.
Look fullColourLook(const CatalogItem& item, int index, ItemState state)
{
    const int drift = (index * 7) % 30 - 15;
    const int hue = ((item.object ? 355 : 218) + drift + 360) % 360;
    auto hsv = [hue](double s, double v) { return QColor::fromHsvF(hue / 360.0, s, v); };
    Look l;
    l.ink = {QColor(250, 250, 250), hsv(0.9, 0.22), QColor(255, 200, 60), 1.5};
    l.caption = Qt::white;
    l.captionShadow = hsv(0.9, 0.15);
    switch (state) {
    case ItemState::Normal:
        l.top = hsv(0.55, 0.82);
        l.bottom = hsv(0.85, 0.42);
        l.light = hsv(0.25, 1.0);
        l.dark = hsv(0.9, 0.2);
        break;
    case ItemState::Hover:
        l.top = hsv(0.42, 1.0);
        l.bottom = hsv(0.75, 0.72);
        l.light = QColor(255, 255, 255);
        l.dark = hsv(0.9, 0.3);
        l.frame = QColor(255, 214, 64);
        break;
    case ItemState::Down:
        l.top = hsv(0.9, 0.22);
        l.bottom = hsv(0.85, 0.45);
        l.light = hsv(0.95, 0.1);
        l.dark = hsv(0.4, 0.8);
        l.bevel = 2;
        l.caption = QColor(216, 216, 216);
        l.captionShadow = Qt::black;
        l.shift = 2;
        break;
    }
    return l;
}

// 16 colours: flat fills from the classic palette only.
Look sixteenColourLook(const CatalogItem& item, ItemState state)
{
    const QColor dim = item.object ? pal::Maroon : pal::Navy;
    const QColor bright = item.object ? pal::Red : pal::Blue;
    Look l;
    l.ink = {pal::White, pal::Black, pal::Yellow, 1.0};
    l.caption = pal::White;
    l.captionShadow = pal::Black;
    switch (state) {
    case ItemState::Normal:
        l.top = l.bottom = dim;
        l.light = pal::White;
        l.dark = pal::Black;
        break;
    case ItemState::Hover:
        l.top = l.bottom = bright;
        l.light = pal::White;
        l.dark = pal::Black;
        l.frame = pal::Yellow;
        break;
    case ItemState::Down:
        l.top = l.bottom = pal::Black;
        l.light = dim;
        l.dark = pal::Grey;
        l.bevel = 2;
        l.caption = pal::Silver;
        l.shift = 2;
        break;
    }
    return l;
}

} // namespace

QImage itemPicture(const CatalogItem& item, int index, ItemState state, bool sixteen)
{
    const Look l = sixteen ? sixteenColourLook(item, state) : fullColourLook(item, index, state);
    QImage img = newRgb(W, H, l.top);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, !sixteen);
    p.setRenderHint(QPainter::TextAntialiasing, !sixteen);

    QLinearGradient bg(0, 0, 0, H);
    bg.setColorAt(0, l.top);
    bg.setColorAt(1, l.bottom);
    p.fillRect(QRect(0, 0, W, H), bg);

    // Bevel: light on the top and left edges, dark on the bottom and right.
    for (int i = 0; i < l.bevel; ++i) {
        p.fillRect(QRect(i, i, W - 2 * i, 1), l.light);
        p.fillRect(QRect(i, i, 1, H - 2 * i), l.light);
        p.fillRect(QRect(i, H - 1 - i, W - 2 * i, 1), l.dark);
        p.fillRect(QRect(W - 1 - i, i, 1, H - 2 * i), l.dark);
    }
    if (l.frame.isValid()) {
        p.setPen(QPen(l.frame, 2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(2, 2, W - 4, H - 4));
    }

    p.translate(l.shift, l.shift);
    drawEmblem(p, item.key, QRectF(W / 2 - 28, 4, 56, 39), l.ink);

    const int px = fittingPixelSize(item.caption, W - 10, 13, 8, true);
    p.setFont(artFont(px, true, sixteen));
    shadowText(p, QRect(4, 45, W - 8, 20), Qt::AlignCenter, item.caption, l.caption, l.captionShadow);
    p.end();
    return sixteen ? reduceTo16(img) : img;
}

void addItemArt(ArtSet& set)
{
    const std::pair<ItemState, const char*> states[] = {
        {ItemState::Normal, "_NORMAL"}, {ItemState::Down, "_DOWN"}, {ItemState::Hover, "_HOVER"}};
    int index = 0;
    for (const CatalogItem& item : catalogItems()) {
        for (const auto& [state, suffix] : states) {
            const QString name = item.key + QLatin1String(suffix);
            set.add(QStringLiteral("shell"), name, itemPicture(item, index, state, false));
            set.add(QStringLiteral("shell"), name + QStringLiteral("16"), itemPicture(item, index, state, true));
        }
        ++index;
    }
}

} // namespace zgart
