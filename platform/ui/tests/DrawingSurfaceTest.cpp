// The persistent drawing before and after its image is made: a surface that
// nothing was drawn on paints its back colour and Picture straight, and must
// look exactly as its image would.
#include "DrawingSurface.h"

#include <QPainter>
#include <gtest/gtest.h>

using namespace plat;

namespace {

QImage painted(const DrawingSurface& s)
{
    QImage out(40, 30, QImage::Format_ARGB32_Premultiplied);
    out.fill(QColor(10, 200, 30));
    QPainter p(&out);
    p.setClipRect(QRect(1, 1, 30, 25)); // an owner's clip (a picture box's border) stays in force
    s.paint(p, QPoint(3, 2));
    return out;
}

QImage pattern(QSize size, bool translucent)
{
    QImage img(size, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            img.setPixelColor(x, y, QColor(x * 20 % 256, y * 30 % 256, 90, translucent && x % 2 ? 0 : 255));
    return img;
}

TEST(DrawingSurface, PaintsTheSameBeforeAndAfterItsImageIsMade)
{
    struct Case {
        const char* what;
        Colour back;
        bool transparent;
        QImage picture;
    };
    const Case cases[] = {
        {"a colour", 0x00336699u, false, {}},
        {"a system colour", 0x8000000Fu, false, {}},
        {"a smaller picture", 0x00FFFFFFu, false, pattern(QSize(7, 5), false)},
        {"a picture larger than the surface", 0x00FFFFFFu, false, pattern(QSize(60, 50), false)},
        {"a see-through picture on a transparent surface", 0x00FFFFFFu, true, pattern(QSize(9, 9), true)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        DrawingSurface s;
        s.resize(QSize(8, 8));
        s.setBackColor(c.back);
        s.setTransparent(c.transparent);
        if (!c.picture.isNull())
            s.setPicture(Picture::fromImage(c.picture));
        s.resize(QSize(20, 16));
        const QImage before = painted(s);
        EXPECT_EQ(s.image().size(), QSize(20, 16)); // made here
        EXPECT_EQ(painted(s), before);
    }
}

TEST(DrawingSurface, OnceMadeItsImageFollowsEveryChange)
{
    DrawingSurface s;
    s.setBackColor(0x00FFFFFFu);
    s.resize(QSize(10, 10));
    s.pset(2, 2, 0x000000FFu);
    const QImage& img = s.image();
    EXPECT_EQ(fromQRgb(img.pixel(2, 2)), 0x000000FFu);
    s.resize(QSize(12, 12)); // what is drawn stays, the new area is clear
    EXPECT_EQ(fromQRgb(img.pixel(2, 2)), 0x000000FFu);
    EXPECT_EQ(fromQRgb(img.pixel(11, 11)), 0x00FFFFFFu);
    s.setBackColor(0x00000000u); // clears, into the same image
    EXPECT_EQ(img.size(), QSize(12, 12));
    EXPECT_EQ(fromQRgb(img.pixel(2, 2)), 0x00000000u);
}

} // namespace
