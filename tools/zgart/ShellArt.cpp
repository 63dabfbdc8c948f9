#include "ShellArt.h"

#include "ControlArt.h"
#include "Draw.h"
#include "ZgResources.h"

#include <QFontMetrics>
#include <QLinearGradient>
#include <QRadialGradient>
#include <cmath>

namespace zgart {

namespace {

const QString ProductName = QStringLiteral("ZorvaneGlobals");
const QString ProductVersion = QStringLiteral("3.0");
const QString MakerName = QStringLiteral("Brellicor");

const QColor Gold(255, 200, 60);

// "ZorvaneGlobals 3.0" with its left edge at x, vertically centred on cy,
// the name in `name` and the version in `version`, both over a shadow.
void drawProductName(QPainter& p, int x, int cy, int px, bool crisp, const QColor& name,
                     const QColor& version, const QColor& shadow)
{
    const QFont f = artFont(px, true, crisp);
    p.setFont(f);
    const QFontMetrics fm(f);
    const int baseline = cy + (fm.ascent() - fm.descent()) / 2;
    const QString first = ProductName + QLatin1Char(' ');
    p.setPen(shadow);
    p.drawText(x + 2, baseline + 2, first + ProductVersion);
    p.setPen(name);
    p.drawText(x, baseline, first);
    p.setPen(version);
    p.drawText(x + fm.horizontalAdvance(first), baseline, ProductVersion);
}

// A globe of meridians and parallels with a tilted orbit around it.
void drawGlobe(QPainter& p, QPointF c, qreal r, const QColor& body, const QColor& lines, const QColor& orbit,
               qreal pen)
{
    p.setPen(Qt::NoPen);
    p.setBrush(body);
    p.drawEllipse(c, r, r);
    p.setPen(QPen(lines, pen));
    p.setBrush(Qt::NoBrush);
    for (qreal k : {1.0, 0.66, 0.3})
        p.drawEllipse(c, r * k, r);
    p.drawLine(QPointF(c.x(), c.y() - r), QPointF(c.x(), c.y() + r));
    for (qreal t : {-0.66, -0.33, 0.0, 0.33, 0.66}) {
        const qreal y = c.y() + t * r;
        const qreal half = r * std::sqrt(1 - t * t);
        p.drawLine(QPointF(c.x() - half, y), QPointF(c.x() + half, y));
    }
    p.save();
    p.translate(c);
    p.rotate(-18);
    p.setPen(QPen(orbit, pen * 2));
    p.drawEllipse(QPointF(0, 0), r * 1.45, r * 0.42);
    p.restore();
}

} // namespace

QImage splashPicture(bool sixteen)
{
    constexpr int W = 540, H = 344;
    QImage img = newRgb(W, H, sixteen ? pal::Navy : QColor(8, 22, 52));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, !sixteen);
    p.setRenderHint(QPainter::TextAntialiasing, !sixteen);
    if (!sixteen) {
        QLinearGradient bg(0, 0, 0, H);
        bg.setColorAt(0, QColor(16, 40, 88));
        bg.setColorAt(0.62, QColor(8, 20, 46));
        bg.setColorAt(1, QColor(4, 9, 22));
        p.fillRect(img.rect(), bg);
        QRadialGradient glow(QPointF(100, 112), 120);
        glow.setColorAt(0, QColor(70, 130, 220, 120));
        glow.setColorAt(1, QColor(70, 130, 220, 0));
        p.fillRect(img.rect(), glow);
    }

    const QColor white = sixteen ? pal::White : QColor(255, 255, 255);
    const QColor gold = sixteen ? pal::Yellow : Gold;
    const QColor silver = sixteen ? pal::Silver : QColor(190, 200, 215);
    const QColor shadow = sixteen ? pal::Black : QColor(0, 0, 0, 160);

    if (sixteen)
        drawGlobe(p, QPointF(100, 112), 56, pal::Blue, pal::Aqua, pal::Yellow, 1);
    else
        drawGlobe(p, QPointF(100, 112), 56, QColor(30, 80, 170), QColor(140, 205, 255), Gold, 1.4);

    // The name on the first line, the version and "Demo" on the second.
    const int left = 188;
    const int namePx = fittingPixelSize(ProductName, W - left - 16, 44, 20, true);
    p.setFont(artFont(namePx, true, sixteen));
    shadowText(p, QRect(left, 48, W - left - 8, 56), Qt::AlignLeft | Qt::AlignVCenter, ProductName, white,
               shadow, 2);
    const QFont versionFont = artFont(46, true, sixteen);
    p.setFont(versionFont);
    const int versionWidth = QFontMetrics(versionFont).horizontalAdvance(ProductVersion);
    shadowText(p, QRect(left, 104, versionWidth + 4, 56), Qt::AlignLeft | Qt::AlignVCenter, ProductVersion,
               gold, shadow, 2);
    p.setFont(artFont(30, false, sixteen));
    shadowText(p, QRect(left + versionWidth + 14, 110, 200, 50), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Demo"), silver, shadow, 2);
    p.setFont(artFont(14, false, sixteen));
    p.setPen(silver);
    p.drawText(QRect(left, 164, W - left - 8, 22), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("A utility library for developers, shown at work"));

    p.setFont(artFont(12, true, sixteen));
    p.setPen(silver);
    p.drawText(QRect(W - 140, 10, 126, 18), Qt::AlignRight | Qt::AlignVCenter, MakerName);

    // A rule between the artwork and the two text labels below it.
    if (sixteen) {
        p.fillRect(QRect(30, 214, W - 60, 2), pal::Yellow);
    } else {
        QLinearGradient rule(30, 0, W - 30, 0);
        rule.setColorAt(0, QColor(255, 200, 60, 0));
        rule.setColorAt(0.5, QColor(255, 200, 60, 230));
        rule.setColorAt(1, QColor(255, 200, 60, 0));
        p.fillRect(QRect(30, 214, W - 60, 2), rule);
    }
    p.end();
    return sixteen ? reduceTo16(img) : img;
}

QImage logoBackground()
{
    // Waves whose periods divide the tile's width and height, so the tile
    // repeats without a seam in both directions.
    constexpr int W = 313, H = 45;
    QImage img = newRgb(W, H, Qt::black);
    for (int y = 0; y < H; ++y) {
        for (int x = 0; x < W; ++x) {
            const double u = double(x) / W, v = double(y) / H;
            const double w = 0.5 * std::sin(2 * M_PI * (2 * u + v)) + 0.3 * std::sin(2 * M_PI * (3 * u - v) + 1.0) +
                             0.2 * std::sin(2 * M_PI * 5 * u + 2.0);
            img.setPixel(x, y,
                         qRgb(int(std::lround(34 + 16 * w)), int(std::lround(62 + 22 * w)),
                              int(std::lround(118 + 30 * w))));
        }
    }
    return img;
}

QImage productLogo(bool sixteen)
{
    if (sixteen) {
        QImage img = newRgb(274, 45, pal::Grey);
        QPainter p(&img);
        p.setRenderHint(QPainter::TextAntialiasing, false);
        const int px = fittingPixelSize(ProductName + QStringLiteral(" ") + ProductVersion, 274 - 14, 28, 12, true);
        drawProductName(p, 6, 22, px, true, pal::White, pal::Yellow, pal::Black);
        p.end();
        return reduceTo16(img);
    }
    // Drawn over one tile of the band's texture, so it joins the tiles
    // on either side of it.
    QImage img = logoBackground();
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const int px = fittingPixelSize(ProductName + QStringLiteral(" ") + ProductVersion, 313 - 20, 30, 12, true);
    drawProductName(p, 8, 22, px, false, Qt::white, Gold, QColor(0, 0, 0, 150));
    p.end();
    return img;
}

QImage makerLogo(bool sixteen)
{
    constexpr int W = 178, H = 38;
    QImage img = newRgb(W, H, sixteen ? pal::Grey : QColor(30, 34, 44));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, !sixteen);
    p.setRenderHint(QPainter::TextAntialiasing, !sixteen);
    if (!sixteen) {
        QLinearGradient plate(0, 0, 0, H);
        plate.setColorAt(0, QColor(52, 58, 74));
        plate.setColorAt(1, QColor(18, 21, 28));
        p.fillRect(img.rect(), plate);
        p.setPen(QColor(96, 106, 128));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(0.5, 0.5, W - 1, H - 1));
    }
    // A round badge with the initial, then the name.
    const QPointF c(20, 19);
    if (sixteen) {
        p.setPen(pal::Black);
        p.setBrush(pal::Yellow);
    } else {
        QRadialGradient badge(QPointF(16, 15), 16);
        badge.setColorAt(0, QColor(255, 230, 140));
        badge.setColorAt(1, QColor(220, 150, 30));
        p.setPen(QPen(QColor(120, 80, 10), 1.2));
        p.setBrush(badge);
    }
    p.drawEllipse(c, 13, 13);
    p.setFont(artFont(18, true, sixteen));
    p.setPen(sixteen ? pal::Black : QColor(60, 36, 0));
    p.drawText(QRectF(c.x() - 13, c.y() - 13, 26, 26), Qt::AlignCenter, MakerName.left(1));
    const int px = fittingPixelSize(MakerName, W - 46, 24, 10, true);
    p.setFont(artFont(px, true, sixteen));
    shadowText(p, QRect(40, 0, W - 44, H), Qt::AlignLeft | Qt::AlignVCenter, MakerName,
               sixteen ? pal::White : QColor(240, 242, 248), sixteen ? pal::Black : QColor(0, 0, 0, 170));
    p.end();
    return sixteen ? reduceTo16(img) : img;
}

QImage pictureClipStrip()
{
    // Drawn without antialiasing, so no pixel blends into the mask colour.
    QImage img = newRgb(120, 24, pal::Fuchsia);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(pal::Black);

    // Cell 1: a page.
    p.setBrush(pal::White);
    p.drawPolygon(QPolygon({QPoint(5, 2), QPoint(15, 2), QPoint(19, 6), QPoint(19, 21), QPoint(5, 21)}));
    p.drawPolyline(QPolygon({QPoint(15, 2), QPoint(15, 6), QPoint(19, 6)}));
    p.setPen(pal::Grey);
    for (int y = 9; y <= 17; y += 3)
        p.drawLine(8, y, 16, y);

    // Cell 2: a folder.
    p.setPen(pal::Black);
    p.setBrush(pal::Yellow);
    p.drawPolygon(QPolygon({QPoint(26, 5), QPoint(33, 5), QPoint(35, 7), QPoint(45, 7), QPoint(45, 19),
                            QPoint(26, 19)}));
    p.setPen(pal::Olive);
    p.drawLine(27, 9, 44, 9);

    // Cell 3: a star.
    p.setPen(pal::Black);
    p.setBrush(pal::Yellow);
    QPolygonF s;
    for (int i = 0; i < 10; ++i) {
        const double r = (i % 2 == 0) ? 10.5 : 4.5;
        const double a = -M_PI / 2 + i * M_PI / 5;
        s << QPointF(60 + r * std::cos(a), 12.5 + r * std::sin(a));
    }
    p.drawPolygon(s);

    // Cell 4, the global functions: a globe.
    p.setPen(pal::Navy);
    p.setBrush(pal::Blue);
    p.drawEllipse(QRect(74, 2, 20, 20));
    p.setPen(pal::Aqua);
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRect(79, 3, 10, 18));
    p.drawLine(84, 3, 84, 21);
    p.drawLine(75, 12, 93, 12);
    p.drawLine(77, 7, 91, 7);
    p.drawLine(77, 17, 91, 17);

    // Cell 5, the objects and classes: a cube.
    p.setPen(pal::Black);
    p.setBrush(pal::Yellow);
    p.drawPolygon(QPolygon({QPoint(108, 2), QPoint(118, 7), QPoint(108, 12), QPoint(98, 7)}));
    p.setBrush(pal::Red);
    p.drawPolygon(QPolygon({QPoint(98, 7), QPoint(108, 12), QPoint(108, 22), QPoint(98, 17)}));
    p.setBrush(pal::Maroon);
    p.drawPolygon(QPolygon({QPoint(108, 12), QPoint(118, 7), QPoint(118, 17), QPoint(108, 22)}));
    p.end();
    return reduceTo16(img);
}

QImage promptArrow()
{
    QImage img = newArgb(32, 32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QPolygonF arrow({QPointF(2, 16), QPointF(16, 3), QPointF(16, 10), QPointF(30, 10), QPointF(30, 22),
                           QPointF(16, 22), QPointF(16, 29)});
    QLinearGradient fill(0, 3, 0, 29);
    fill.setColorAt(0, QColor(80, 130, 255));
    fill.setColorAt(1, QColor(0, 30, 170));
    p.setPen(QPen(QColor(0, 16, 90), 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(fill);
    p.drawPolygon(arrow);
    p.end();
    return img;
}

void addShellArt(ArtSet& set)
{
    const QString g = QStringLiteral("shell");
    set.add(g, QLatin1String(zg::res::Splash), splashPicture(false));
    set.add(g, QStringLiteral("ZGSPLASH16"), splashPicture(true));
    set.add(g, QStringLiteral("LOGO_BACKGROUND"), logoBackground());
    set.add(g, QLatin1String(zg::res::ProductLogo), productLogo(false));
    set.add(g, QStringLiteral("ZGLOGO16"), productLogo(true));
    set.add(g, QLatin1String(zg::res::MakerLogo), makerLogo(false));
    set.add(g, QStringLiteral("BRELLICOR_LOGO16"), makerLogo(true));
    set.add(g, QLatin1String(zg::res::PictureClip), pictureClipStrip());
    set.add(g, QLatin1String(zg::res::PromptArrow), promptArrow());
    set.add(g, QLatin1String(zg::res::HandCursor), handCursor(), HandHotSpot);
}

} // namespace zgart
