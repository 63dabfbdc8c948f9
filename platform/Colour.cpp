#include "Colour.h"

namespace plat {

namespace {
// The classic desktop scheme.
constexpr Colour table[syscolour::Count] = {
    rgb(0xC0, 0xC0, 0xC0), // 0 scroll bar
    rgb(0x00, 0x80, 0x80), // 1 desktop
    rgb(0x00, 0x00, 0x80), // 2 active caption
    rgb(0x80, 0x80, 0x80), // 3 inactive caption
    rgb(0xC0, 0xC0, 0xC0), // 4 menu
    rgb(0xFF, 0xFF, 0xFF), // 5 window
    rgb(0x00, 0x00, 0x00), // 6 window frame
    rgb(0x00, 0x00, 0x00), // 7 menu text
    rgb(0x00, 0x00, 0x00), // 8 window text
    rgb(0xFF, 0xFF, 0xFF), // 9 caption text
    rgb(0xC0, 0xC0, 0xC0), // 10 active border
    rgb(0xC0, 0xC0, 0xC0), // 11 inactive border
    rgb(0x80, 0x80, 0x80), // 12 application workspace
    rgb(0x00, 0x00, 0x80), // 13 highlight
    rgb(0xFF, 0xFF, 0xFF), // 14 highlight text
    rgb(0xC0, 0xC0, 0xC0), // 15 button face
    rgb(0x80, 0x80, 0x80), // 16 button shadow
    rgb(0x80, 0x80, 0x80), // 17 grey text
    rgb(0x00, 0x00, 0x00), // 18 button text
    rgb(0xC0, 0xC0, 0xC0), // 19 inactive caption text
    rgb(0xFF, 0xFF, 0xFF), // 20 button highlight
    rgb(0x00, 0x00, 0x00), // 21 3-D dark shadow
    rgb(0xDF, 0xDF, 0xDF), // 22 3-D light
    rgb(0x00, 0x00, 0x00), // 23 tooltip text
    rgb(0xFF, 0xFF, 0xE1), // 24 tooltip background
    rgb(0xB5, 0xB5, 0xB5), // 25 (unused slot)
    rgb(0x00, 0x00, 0xFF), // 26 hot-tracked item
    rgb(0x10, 0x84, 0xD0), // 27 gradient of the active caption
    rgb(0xB5, 0xB5, 0xB5), // 28 gradient of the inactive caption
    rgb(0x00, 0x00, 0x80), // 29 menu highlight
    rgb(0xC0, 0xC0, 0xC0), // 30 menu bar
};
} // namespace

Colour sysColor(int index)
{
    if (index < 0 || index >= syscolour::Count)
        return 0;
    return table[index];
}

Colour translateColour(Colour c)
{
    if (isSystemColour(c))
        return sysColor(int(c & 0xFF));
    return c & 0x00FFFFFFu;
}

QColor toQColor(Colour c)
{
    Colour t = translateColour(c);
    return QColor(redOf(t), greenOf(t), blueOf(t));
}

Colour fromQColor(const QColor& c)
{
    return rgb(c.red(), c.green(), c.blue());
}

Colour fromQRgb(QRgb v)
{
    return rgb(qRed(v), qGreen(v), qBlue(v));
}

} // namespace plat
