// Colours are 32-bit 0x00BBGGRR values. A value with the high bit set names
// system colour n (0x80000000 + n), resolved through one fixed table.
#pragma once
#include <QColor>
#include <cstdint>

namespace plat {

using Colour = uint32_t;

constexpr Colour SystemColourFlag = 0x80000000u;

// System colour indices (the classic desktop defaults live in Colour.cpp).
namespace syscolour {
constexpr int ScrollBar = 0, Desktop = 1, ActiveCaption = 2, InactiveCaption = 3, Menu = 4, Window = 5,
              WindowFrame = 6, MenuText = 7, WindowText = 8, CaptionText = 9, ActiveBorder = 10,
              InactiveBorder = 11, AppWorkspace = 12, Highlight = 13, HighlightText = 14, ButtonFace = 15,
              ButtonShadow = 16, GrayText = 17, ButtonText = 18, InactiveCaptionText = 19,
              ButtonHighlight = 20, DarkShadow3D = 21, Light3D = 22, InfoText = 23, InfoBackground = 24,
              HotLight = 26, GradientActiveCaption = 27, GradientInactiveCaption = 28, MenuHilight = 29,
              MenuBar = 30;
constexpr int Count = 31;
} // namespace syscolour

constexpr Colour rgb(int r, int g, int b)
{
    return Colour(r & 0xFF) | (Colour(g & 0xFF) << 8) | (Colour(b & 0xFF) << 16);
}
constexpr int redOf(Colour c) { return int(c & 0xFF); }
constexpr int greenOf(Colour c) { return int((c >> 8) & 0xFF); }
constexpr int blueOf(Colour c) { return int((c >> 16) & 0xFF); }
constexpr Colour systemColour(int index) { return SystemColourFlag | Colour(index); }
constexpr bool isSystemColour(Colour c) { return (c & SystemColourFlag) != 0; }

// The value of system colour `index` (0..30); 0 for an index outside the table.
Colour sysColor(int index);

// A colour ready to draw with: system colours resolved, other values masked
// to their 24 RGB bits.
Colour translateColour(Colour c);

QColor toQColor(Colour c);
Colour fromQColor(const QColor& c);
inline QRgb toQRgb(Colour c) { return toQColor(c).rgb(); }
Colour fromQRgb(QRgb rgb);

} // namespace plat
