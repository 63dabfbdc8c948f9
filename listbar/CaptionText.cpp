// Captions with their shadow copies, and the test of a button's image
// reference.
#include "ListBarPainter.h"

#include "Library.h"
#include "Numbers.h"
#include "PaintSupport.h"
#include "ZorvaneData.h"
#include "ZorvaneGhostCanvas.h"
#include "ZorvaneStrings.h"

#include <algorithm>

namespace listbar {

using namespace paint;

void ListBarPainter::DrawCaptionText(const QString& Text, int32_t X, int32_t Y, int32_t Width, int32_t MouseState,
                                     BarDrawStyle& Style, int32_t BoxHeight, int32_t Alignment, bool FlagA,
                                     bool FlagB, plat::Colour OverrideColour, bool UseOverride)
{
    const int32_t H = BoxHeight > 0 ? BoxHeight : Style.LineHeight;
    auto strings = zg::Strings();
    // One copy of the text: the library lays it out in the box; it may hand
    // back another surface to go on with.
    auto copy = [&](int32_t x, int32_t y, plat::Colour colour) {
        surface().setForeColor(colour);
        strings->DrawTextAligned(state_.Surface, Text, float(x), float(y), float(Width), float(H), Alignment, false,
                                 FlagA, FlagB, 0, 0);
    };

    if (!window_.Enabled()) {
        // Engraved: a highlight one pixel right and down, the shadow colour
        // in place.
        copy(plat::add32(X, 1), plat::add32(Y, 1), Style.ColorHighlight);
        copy(X, Y, Style.ColorTextShadow);
        return;
    }

    switch (Style.TextShadow) {
    case 1: {
        // Depth 0: an eighth of the font size, at least one pixel.
        int32_t d = Style.TextShadowDepth;
        if (d == 0)
            d = std::max(1, surface().FontSize() / 8);
        copy(plat::add32(X, d), plat::add32(Y, d), Style.ColorTextShadow);
        break;
    }
    case 2:
        copy(plat::add32(X, 1), plat::add32(Y, 1), Style.ColorHighlight);
        break;
    case 3:
        copy(plat::sub32(X, 1), plat::sub32(Y, 1), Style.ColorTextShadow);
        copy(plat::add32(X, 1), plat::add32(Y, 1), Style.ColorHighlight);
        break;
    case 4:
        copy(plat::sub32(X, 1), plat::sub32(Y, 1), Style.ColorHighlight);
        break;
    case 5:
        copy(plat::sub32(X, 1), plat::sub32(Y, 1), Style.ColorHighlight);
        copy(plat::add32(X, 1), plat::add32(Y, 1), Style.ColorTextShadow);
        break;
    default:
        break;
    }

    plat::Colour colour = Style.ColorText;
    if (MouseState != 0)
        colour = Style.ColorTextHover;
    else if (UseOverride)
        colour = OverrideColour;
    copy(X, Y, colour);
}

bool ListBarPainter::IsImageReferenceValid(const plat::Variant& Reference, bool NumberOnly)
{
    if (Reference.isString())
        return !Reference.rawString().isEmpty() && !NumberOnly;
    static const std::vector<int32_t> numberTypes = {2, 3, 4, 5, 6, 14};
    return zg::Data()->VarTypeMatches(Reference, numberTypes) && Reference.toDouble() != 0;
}

} // namespace listbar
