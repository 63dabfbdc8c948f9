// Shadow copies of a caption, drawn before the caption itself.
#include "ZSButton.h"

#include <Error.h>
#include <Library.h>
#include <Units.h>
#include <ZorvaneGhostCanvas.h>
#include <ZorvaneStrings.h>

#include <algorithm>

namespace button {

void InternalZSButton::setCanvasForeColor(plat::Colour c)
{
    plat::tryStatement([&] { Canvas_->setForeColor(c); });
}

void InternalZSButton::DrawCaptionText(const float& Left, const float& Top, const float& Width, const float& Height,
                                       const int16_t& Offset, const QString& Text)
{
    struct Copy {
        plat::Colour colour;
        int dx, dy;
    };
    Copy copies[2];
    int count = 0;
    switch (s_.TextShadow) {
    case 1: {
        // The drop shadow's depth follows the font (an eighth of its size in
        // whole points, at least 1) unless a depth is set.
        int depth = s_.TextShadowDepth;
        if (depth == 0) {
            const plat::FontPtr font = Font();
            const int points = font ? int(plat::roundEven(font->Size())) : 0;
            depth = std::max(1, points / 8);
        }
        copies[count++] = {s_.ColorTextShadow, depth, depth};
        break;
    }
    case 2:
        copies[count++] = {s_.ColorHighlight, 1, 1};
        break;
    case 3:
        copies[count++] = {s_.ColorShadow, -1, -1};
        copies[count++] = {s_.ColorHighlight, 1, 1};
        break;
    case 4:
        copies[count++] = {s_.ColorHighlight, -1, -1};
        break;
    case 5:
        copies[count++] = {s_.ColorShadow, 1, 1};
        copies[count++] = {s_.ColorHighlight, -1, -1};
        break;
    default:
        break;
    }
    for (int i = 0; i < count; ++i) {
        setCanvasForeColor(copies[i].colour);
        plat::tryStatement([&] {
            zg::Strings()->DrawTextOnCanvas(Canvas_, Text, Left + Offset + copies[i].dx, Top + Offset + copies[i].dy,
                                            Width, Height, s_.Alignment, s_.RightToLeft, false);
        });
    }
}

} // namespace button
