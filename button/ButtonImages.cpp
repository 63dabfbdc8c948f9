// Image preparation: the box the layout reserves for an image, the copy of
// the normal image recoloured to the button's own 3D colours, and system
// colours turned into RGB values for brushes.
#include "ZSButton.h"

#include <Error.h>
#include <Gdi.h>
#include <Library.h>
#include <Units.h>
#include <ZorvaneGhostCanvas.h>

namespace button {

void InternalZSButton::CalculateMaxImageSize()
{
    rt_.MaxImageWidth = 0;
    rt_.MaxImageHeight = 0;
    for (const auto* img :
         {&s_.ButtonImage, &s_.ButtonImageUp, &s_.ButtonImageDown, &s_.ButtonImageHover, &s_.ButtonImageToggled}) {
        if (!*img)
            continue;
        rt_.MaxImageWidth = std::max(rt_.MaxImageWidth, (*img)->Width());
        rt_.MaxImageHeight = std::max(rt_.MaxImageHeight, (*img)->Height());
    }
    rt_.MaxImageWidth = int32_t(plat::roundEven(ScaleX(rt_.MaxImageWidth, plat::scale::HiMetric, plat::scale::Pixels)));
    rt_.MaxImageHeight =
        int32_t(plat::roundEven(ScaleY(rt_.MaxImageHeight, plat::scale::HiMetric, plat::scale::Pixels)));
}

void InternalZSButton::BuildAcclimatedImage()
{
    const plat::PicturePtr source = s_.ButtonImageUp ? s_.ButtonImageUp : s_.ButtonImage;
    if (!source) {
        rt_.AcclimatedImage = nullptr;
        return;
    }
    // Any step that fails leaves no copy at all, so that drawing falls back
    // to the stored picture instead of a half-made or blank one.
    rt_.AcclimatedImage = nullptr;
    std::shared_ptr<zg::ZorvaneGhostCanvas> canvas;
    if (!plat::tryStatement([&] { canvas = zg::NewGhostCanvas(); }) || !canvas)
        return;
    const struct {
        plat::Colour key;
        plat::Colour target;
    } greys[] = {{0xC0C0C0u, s_.ColorButton}, {0x808080u, s_.ColorShadow}, {0xFFFFFFu, s_.ColorHighlight}};
    const bool built = plat::tryStatement([&] {
        canvas->InitSurface(false);
        // The surface takes the source's size and pixels; only the three
        // greys are painted over in the button's colours.
        canvas->setPicture(source);
        for (const auto& grey : greys)
            canvas->PaintPictureEx(source, grey.key, 0, 0, 0, 0, true, false, grey.target, 1);
    });
    if (!built)
        return;
    plat::PicturePtr copy;
    if (plat::tryStatement([&] { copy = canvas->Picture(); }) && copy && !copy->isEmpty())
        rt_.AcclimatedImage = copy;
}

plat::Colour InternalZSButton::TranslateColor(plat::Colour Colour)
{
    if (!plat::isSystemColour(Colour))
        return Colour;
    return plat::gdi::GetSysColor(int32_t(Colour ^ plat::SystemColourFlag));
}

} // namespace button
