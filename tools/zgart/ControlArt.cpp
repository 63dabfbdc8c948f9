#include "ControlArt.h"

#include "Draw.h"
#include "ZgResources.h"

#include <cstdlib>
#include <functional>

namespace zgart {

QImage handCursor()
{
    // '#' black outline, '.' white inside, blank transparent.
    return pixelArt(32, 32,
                    {
                        "              ###",                // 10: fingertip (hot spot 15, 10)
                        "             #...#",               // 11
                        "            #.....#",              // 12
                        "            #.....#",              // 13
                        "            #.....#",              // 14
                        "            #.....#",              // 15
                        "            #.....####",           // 16
                        "            #.....#...####",       // 17
                        "            #.....#...#...###",    // 18
                        "            #.....#...#...#..#",   // 19
                        "        #####.....#...#...#..#",   // 20
                        "       #....#................#",   // 21
                        "       #.....................#",   // 22
                        "        #....................#",   // 23
                        "         #...................#",   // 24
                        "          #..................#",   // 25
                        "          #..................#",   // 26
                        "           #................#",    // 27
                        "            #..............#",     // 28
                        "            #..............#",     // 29
                        "            ################",     // 30
                    },
                    10, {{'#', 0xFF000000u}, {'.', 0xFFFFFFFFu}});
}

namespace {

// A 16 x 16 icon: white where `inside(x, y)` holds, transparent elsewhere.
QImage arrowIcon(const std::function<bool(int, int)>& inside)
{
    QImage img = newArgb(16, 16);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            if (inside(x, y))
                img.setPixel(x, y, 0xFFFFFFFFu);
    return img;
}

QImage ditherPattern()
{
    // One bit a pixel, leftmost pixel in the high bit; 0 black, 1 white.
    QImage img(8, 8, QImage::Format_Mono);
    img.setColorTable({pal::Black.rgb(), pal::White.rgb()});
    for (int y = 0; y < 8; ++y)
        img.scanLine(y)[0] = (y % 2 == 0) ? 0x55 : 0xAA;
    return img;
}

} // namespace

void addListBarArt(ArtSet& set)
{
    // The insert mark puts a line through each pair of arrowheads: the
    // middle pieces meet it on their row or column 4, the corner pieces on
    // their edge row or column 0 or 6 (see the mark's placement offsets).
    const QString g = QStringLiteral("listbar");
    set.add(g, QStringLiteral("ARROW_LEFT"),
            arrowIcon([](int x, int y) { return x <= 4 && std::abs(y - 4) <= 4 - x; }));
    set.add(g, QStringLiteral("ARROW_RIGHT"),
            arrowIcon([](int x, int y) { return x <= 4 && std::abs(y - 4) <= x; }));
    set.add(g, QStringLiteral("ARROW_TOP"),
            arrowIcon([](int x, int y) { return y <= 4 && std::abs(x - 4) <= 4 - y; }));
    set.add(g, QStringLiteral("ARROW_BOTTOM"),
            arrowIcon([](int x, int y) { return y <= 4 && std::abs(x - 4) <= y; }));
    set.add(g, QStringLiteral("ARROW_TOPLEFT"), arrowIcon([](int x, int y) { return x + y <= 5; }));
    set.add(g, QStringLiteral("ARROW_TOPRIGHT"),
            arrowIcon([](int x, int y) { return x >= 1 && x <= 6 && y <= x - 1; }));
    set.add(g, QStringLiteral("ARROW_BOTTOMLEFT"),
            arrowIcon([](int x, int y) { return y >= 1 && y <= 6 && x <= y - 1; }));
    set.add(g, QStringLiteral("ARROW_BOTTOMRIGHT"),
            arrowIcon([](int x, int y) { return x <= 6 && y <= 6 && x + y >= 7; }));
    set.add(g, QLatin1String(zg::res::BarTabCursor), handCursor(), HandHotSpot);
}

void addButtonArt(ArtSet& set)
{
    const QString g = QStringLiteral("button");
    set.add(g, QStringLiteral("DITHER"), ditherPattern());
    set.add(g, QStringLiteral("CUSTOM_CURSOR_DEFAULT"), handCursor(), HandHotSpot);
}

} // namespace zgart
