// The content of a standard or flat button: the toggled dither background,
// the image of the state (or its embossed disabled form), the caption with
// its shadow, the focus rectangle, and the size the content needs.
//
// Each step that can fail is guarded on its own: a failing library call or
// an overflow of the 16-bit spacing arithmetic skips that step, and the
// values it would have set keep what they had.
#include "ZSButton.h"

#include <Error.h>
#include <Gdi.h>
#include <Library.h>
#include <Numbers.h>
#include <Units.h>
#include <ZorvaneGhostCanvas.h>
#include <ZorvaneMiscellaneous.h>
#include <ZorvaneStrings.h>

#include <algorithm>

namespace button {

namespace {

constexpr uint32_t DisabledFlag = plat::gdi::DSS_MONO; // &H80
constexpr plat::Colour ButtonTextColour = 0x80000012u;

} // namespace

void InternalZSButton::DrawButtonContent(int32_t& State)
{
    const double SW = ScaleWidth();
    const double SH = ScaleHeight();
    const int32_t SWi = int32_t(plat::roundEven(SW));
    const int32_t SHi = int32_t(plat::roundEven(SH));
    const int32_t MW = rt_.MaxImageWidth;
    const int32_t MH = rt_.MaxImageHeight;
    const int16_t s = s_.ButtonContentSpacing;
    const bool enabled = Enabled();
    const bool toggledOn = s_.Value && s_.ButtonToggles != 0;

    // 1. The image of the state.
    plat::PicturePtr img;
    if (toggledOn && State != drawstate::Pressed)
        img = s_.ButtonImageToggled;
    else if (State == drawstate::Normal && s_.AcclimateGrayTones && rt_.AcclimatedImage && enabled)
        img = rt_.AcclimatedImage;
    else if (State == drawstate::Hover)
        img = s_.ButtonImageHover;
    else if (State == drawstate::Pressed)
        img = s_.ButtonImageDown;
    else
        img = s_.ButtonImageUp;
    if (!img)
        img = s_.ButtonImage;
    int32_t w = 0, h = 0;
    uint32_t disabledFlag = 0;
    if (img) {
        w = int32_t(plat::roundEven(ScaleX(img->Width(), plat::scale::HiMetric, plat::scale::Pixels)));
        h = int32_t(plat::roundEven(ScaleY(img->Height(), plat::scale::HiMetric, plat::scale::Pixels)));
        disabledFlag = enabled ? 0 : DisabledFlag;
    }

    // 2. The caption.
    const QString text = (!s_.CaptionToggled.isEmpty() && toggledOn && State != drawstate::Pressed)
                             ? s_.CaptionToggled
                             : s_.Caption;

    // 3. The size the content needs, and automatic sizing.
    double contentWidth = 0, contentHeight = 0;
    int horizontalGaps = 2, verticalGaps = 2;
    if (text.isEmpty()) {
        contentWidth = MW;
        contentHeight = MH;
    } else {
        float tw = 0, th = 0;
        plat::tryStatement([&] { tw = float(Canvas_->TextWidth(text)); });
        plat::tryStatement([&] { th = float(Canvas_->TextHeight(text)); });
        plat::tryStatement([&] { zg::Strings()->DrawTextOnCanvasEx(Canvas_, text, 0, 0, tw, th, 0, false, false); });
        switch (s_.ButtonPositionImage) {
        case 0:
        case 1:
            contentWidth = double(tw) + MW;
            contentHeight = std::max<double>(th, MH);
            horizontalGaps = 3;
            break;
        case 2:
        case 3:
            contentWidth = std::max<double>(tw, MW);
            contentHeight = double(th) + MH;
            verticalGaps = 3;
            break;
        case 4:
            contentWidth = std::max<double>(tw, MW);
            contentHeight = std::max<double>(th, MH);
            break;
        default:
            contentWidth = tw;
            contentHeight = th;
            horizontalGaps = verticalGaps = 0;
            break;
        }
    }
    int32_t neededWidth = 0, neededHeight = 0;
    // The spacing products are 16-bit; when they overflow the control keeps
    // its size rather than shrinking to nothing.
    const bool sized = plat::tryStatement([&] {
        neededHeight = plat::CLng(contentHeight + 4 + plat::mul16(s, verticalGaps));
        neededWidth = plat::CLng(contentWidth + 4 + plat::mul16(s, horizontalGaps));
    });
    if (s_.AutoSize && sized) {
        rt_.IsAutoSizing = true;
        plat::tryStatement([&] {
            Size(ScaleX(neededWidth, plat::scale::Pixels, plat::scale::Twips),
                 ScaleY(neededHeight, plat::scale::Pixels, plat::scale::Twips));
        });
        rt_.IsAutoSizing = false;
    }

    // 4. The checkerboard of a switched-on toggle button.
    if (s_.Value && s_.ButtonToggles == 1)
        drawDitherBackground();

    // 5. Lowered content moves one pixel right and down.
    const bool lowered = State == drawstate::Pressed || (s_.Value && s_.ButtonToggles == 0) ||
                         (toggledOn && s_.LowerToggledContent);
    const int32_t i = lowered ? 3 : 2;
    const int32_t f = lowered ? 2 : 0;
    const int16_t o = lowered ? 1 : 0;

    // 6, 7. The image, centred in its box of MW x MH.
    if (img) {
        int32_t x = 0, y = 0;
        bool placed = plat::tryStatement([&] {
            const int32_t si = plat::add16(s, i);
            const int32_t centreX = SWi / 2 - MW / 2 + (i - 2) + (MW - w) / 2;
            const int32_t centreY = SHi / 2 - MH / 2 + (i - 2) + (MH - h) / 2;
            switch (s_.ButtonPositionImage) {
            case 0:
                x = si + (MW - w) / 2;
                y = centreY;
                break;
            case 1:
                x = plat::CLng(SW - plat::add32(MW, si) + f + (MW - w) / 2);
                y = centreY;
                break;
            case 2:
                x = centreX;
                y = si + (MH - h) / 2;
                break;
            case 3:
                x = centreX;
                y = plat::CLng(SH - plat::add32(MH, si) + f + (MH - h) / 2);
                break;
            case 4:
                x = centreX;
                y = centreY;
                break;
            default:
                plat::raise(plat::err::InvalidCall); // no image at other positions
            }
        });
        if (placed)
            drawContentImage(img, x, y, disabledFlag != 0);
    }

    // 8. The caption box (the image's room is kept whether or not an image
    // is shown).
    float L = 0, T = 0, W = 0, H = 0;
    plat::tryStatement([&] {
        const int32_t row = s_.AlignmentIgnoreImage ? 4 : s_.ButtonPositionImage;
        const int32_t near = plat::add16(s, 2);                             // s + 2
        const int32_t twoNear = plat::mul16(2, near);                       // 2(s + 2)
        const int32_t threeS4 = plat::add16(plat::mul16(3, s), 4);          // 3s + 4
        const int32_t twoS2 = plat::add16(plat::mul16(2, s), 2);            // 2s + 2
        auto box = [&](double l, double t, double w, double h) {
            L = float(l);
            T = float(t);
            W = float(w);
            H = float(h);
        };
        switch (row) {
        case 0:
            box(twoS2 + MW, near, SW - (threeS4 + MW), SH - twoNear);
            break;
        case 1:
            box(near, near, SW - (threeS4 + MW), SH - twoNear);
            break;
        case 2:
            box(near, twoS2 + MH, SW - twoNear, SH - (threeS4 + MH));
            break;
        case 3:
            box(near, near, SW - twoNear, SH - (threeS4 + MH));
            break;
        case 4:
            box(near, near, SW - twoNear, SH - twoNear);
            break;
        default:
            box(0, 0, 0, 0);
            break;
        }
    });

    // 9. Vertical alignment inside the box; the horizontal one is left to
    // the text call.
    float measuredW = W, measuredH = H;
    if (plat::tryStatement([&] {
            zg::Strings()->DrawTextOnCanvasEx(Canvas_, text, L, T, measuredW, measuredH, s_.Alignment,
                                              s_.RightToLeft, false);
        })) {
        plat::tryStatement([&] {
            if (s_.AlignmentVertical == 2)
                T = T + float(plat::IntDiv(plat::roundEven(double(H) - measuredH), 2));
            else if (s_.AlignmentVertical == 1)
                T = T + H - measuredH;
        });
    }

    // 10. The caption.
    plat::Colour normalText = 0;
    plat::tryStatement([&] { normalText = Canvas_->ForeColor(); });
    auto drawText = [&](float x, float y) {
        plat::tryStatement([&] {
            zg::Strings()->DrawTextOnCanvas(Canvas_, text, x, y, W, H, s_.Alignment, s_.RightToLeft, false);
        });
    };
    if (enabled) {
        DrawCaptionText(L, T, W, H, o, text);
        const bool quiet = State == drawstate::Normal || State == drawstate::FlatFocused;
        if (toggledOn)
            setCanvasForeColor(quiet ? s_.ColorToggledText : s_.ColorToggledHoverText);
        else
            setCanvasForeColor(quiet ? normalText : s_.ColorHoverText);
        drawText(L + o, T + o);
    } else {
        setCanvasForeColor(s_.ColorHighlight);
        drawText(L + o + 1, T + o + 1);
        setCanvasForeColor(s_.ColorShadow);
        drawText(L + o, T + o);
    }

    // 11. The focus rectangle, last, 4 pixels inside every edge.
    if (s_.ButtonStyle == 0 && (rt_.HasFocus || rt_.MouseIsDown) && s_.DrawFocusRectangle) {
        rt_.FocusRect[0] = 4;
        rt_.FocusRect[1] = 4;
        rt_.FocusRect[2] = int32_t(plat::roundEven(SW - 4));
        rt_.FocusRect[3] = int32_t(plat::roundEven(SH - 4));
        setCanvasForeColor(ButtonTextColour);
        plat::tryStatement([&] {
            const plat::gdi::Rect r{rt_.FocusRect[0], rt_.FocusRect[1], rt_.FocusRect[2], rt_.FocusRect[3]};
            plat::gdi::DrawFocusRect(Canvas_->hDC(), r);
        });
    }

    // 12.
    setCanvasForeColor(normalText);
}

void InternalZSButton::drawDitherBackground()
{
    int32_t keptSetting = 13;
    plat::Colour keptFore = 0;
    plat::tryStatement([&] { keptSetting = Canvas_->DrawSetting(); });
    plat::tryStatement([&] { keptFore = Canvas_->ForeColor(); });
    // A one-bit pattern takes the surface's back colour for its set bits and
    // the fore colour for the others.
    plat::tryStatement([&] { Canvas_->setBackColor(s_.ColorButton); });
    setCanvasForeColor(s_.ColorHighlight);

    plat::PicturePtr dither;
    int64_t brush = 0;
    plat::tryStatement([&] { dither = plat::loadResPicture(QStringLiteral("DITHER")); });
    plat::tryStatement([&] { brush = zg::Miscellaneous()->PatternBrushFromPicture(dither, true, 0); });
    if (brush != 0) {
        // The library owns the brush and releases it when the surface puts it
        // back; a brush the surface never took is deleted here.
        if (plat::tryStatement([&] { Canvas_->SetBrush(brush); })) {
            plat::tryStatement([&] {
                Canvas_->FillRect(-1, -1, Canvas_->Width() + 1, Canvas_->Height() + 1, std::nullopt, false);
            });
            plat::tryStatement([&] { Canvas_->RestoreBrush(); });
        } else {
            plat::gdi::setReleasedByContext(brush, false);
            plat::gdi::DeleteObject(brush);
        }
    }

    setCanvasForeColor(keptFore);
    plat::tryStatement([&] { Canvas_->setDrawSetting(keptSetting); });
}

void InternalZSButton::drawContentImage(const plat::PicturePtr& img, int32_t x, int32_t y, bool disabled)
{
    if (!disabled) {
        if (s_.UseMaskColor)
            plat::tryStatement([&] { Canvas_->PaintPictureTransparent(img, s_.MaskColor, x, y, 0, 0); });
        else
            plat::tryStatement([&] { Canvas_->PaintPicture(img, x, y, 0, 0, 0, 0, 0, 0, 0xCC0020); });
        return;
    }
    // Disabled: a silhouette in the shadow colour over a copy in the
    // highlight colour one pixel right and down.
    plat::PicturePtr picture = img;
    const plat::PicturePtr* extraction[] = {&s_.ButtonImage, &s_.ButtonImageUp, &s_.ButtonImageDown,
                                            &s_.ButtonImageHover, &s_.ButtonImageToggled};
    if (s_.DisabledImageExtraction >= 0 && s_.DisabledImageExtraction <= 4 &&
        *extraction[s_.DisabledImageExtraction])
        picture = *extraction[s_.DisabledImageExtraction];
    const int32_t MW = rt_.MaxImageWidth;
    const int32_t MH = rt_.MaxImageHeight;
    auto emboss = [&](plat::Colour colour, int32_t dx) {
        const plat::gdi::HBRUSH brush = plat::gdi::CreateSolidBrush(TranslateColor(colour));
        plat::tryStatement([&] {
            plat::gdi::DrawStateA(Canvas_->hDC(), brush, nullptr, picture, 0, x + dx, y + dx, MW, MH,
                                  plat::gdi::DST_BITMAP | plat::gdi::DSS_MONO);
        });
        plat::gdi::DeleteObject(brush);
    };
    emboss(s_.ColorHighlight, 1);
    emboss(s_.ColorShadow, 0);
}

} // namespace button
