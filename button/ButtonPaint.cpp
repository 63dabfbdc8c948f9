// The paint entry, the draw state, the container background behind a
// transparent button, the edges of the standard and flat styles and the
// whole paint of the picture style.
//
// Painting never fails outward: each call that can fail is guarded on its
// own and a failure leaves the part it would have drawn.
#include "ZSButton.h"

#include <Error.h>
#include <Library.h>
#include <Numbers.h>
#include <Units.h>
#include <ZorvaneGhostCanvas.h>
#include <ZorvaneMiscellaneous.h>
#include <ZorvaneStrings.h>
#include <ZorvaneSystem.h>

#include <utility>

namespace button {

namespace {

constexpr int32_t SrcCopy = 0xCC0020;

} // namespace

int32_t InternalZSButton::GetDrawState()
{
    if (s_.ButtonToggles != 0 && s_.Value)
        return plat::tryCondition([&] { return mouseIsOverMe(); }) ? drawstate::Hover : drawstate::Normal;
    if (s_.ButtonStyle == 1 && rt_.HasFocus && s_.DrawFocusRectangle)
        return drawstate::FlatFocused;
    if (rt_.MouseIsDown)
        return drawstate::Pressed;
    return s_.Value ? -1 : 0;
}

void InternalZSButton::RedrawButton(int32_t State)
{
    if (!rt_.IsReady)
        return;
    std::shared_ptr<zg::ZorvaneGhostCanvas> canvas;
    if (!plat::tryStatement([&] { canvas = zg::NewGhostCanvas(); }) || !canvas)
        return;
    // A paint started from inside another (through a handler the paint
    // reached) must not take the outer paint's surface away.
    const auto outer = std::exchange(Canvas_, canvas);

    const double W = ScaleWidth();
    const double H = ScaleHeight();
    plat::tryStatement([&] { Canvas_->SetSize(plat::roundEven(W), plat::roundEven(H)); });
    plat::tryStatement([&] { Canvas_->setFont(Font()); });
    plat::tryStatement([&] { Canvas_->setForeColor(ForeColor()); });
    plat::tryStatement([&] { Canvas_->setBackColor(BackColor()); });

    rt_.DrawState = State;

    if (s_.ButtonStyle != 2 && s_.BackStyle == 0) {
        if (rt_.BackgroundDirty) {
            rt_.BackgroundDirty = false;
            const plat::PicturePtr behind = GetContainerBackground();
            double X = 0, Y = 0;
            plat::tryStatement([&] {
                X = ScaleX(Left(), plat::scale::ContainerPosition, plat::scale::Pixels);
                Y = ScaleY(Top(), plat::scale::ContainerPosition, plat::scale::Pixels);
            });
            plat::tryStatement([&] { Canvas_->PaintPicture(behind, 0, 0, W, H, X, Y, W, H, SrcCopy); });
            plat::tryStatement([&] { rt_.BackgroundPicture = Canvas_->Picture(); });
        } else {
            plat::tryStatement([&] { Canvas_->setPicture(rt_.BackgroundPicture); });
        }
    }

    plat::PicturePtr finished;
    auto makeOpaque = [&] {
        if (plat::UserControl::BackStyle() == 0)
            plat::tryStatement([&] { plat::UserControl::setBackStyle(1); });
    };
    switch (s_.ButtonStyle) {
    case 0:
        DrawFrameStyle0(State);
        makeOpaque();
        break;
    case 1:
        DrawFrameStyle1(State);
        makeOpaque();
        break;
    default:
        if (s_.UseMaskColor) {
            plat::tryStatement([&] {
                Canvas_->FillRect(0, 0, plat::roundEven(W), plat::roundEven(H), s_.MaskColor, true);
            });
            DrawContentStyle2(State);
            // The window takes the shape of everything drawn that is not the
            // mask colour.
            plat::tryStatement([&] { plat::UserControl::setBackStyle(0); });
            plat::tryStatement([&] { plat::UserControl::setMaskColor(zg::System()->MaskColorToRGB(s_.MaskColor)); });
            plat::tryStatement([&] { finished = Canvas_->Picture(); });
            plat::tryStatement([&] { setMaskPicture(finished); });
        } else {
            DrawContentStyle2(State);
            makeOpaque();
        }
        break;
    }

    // Pictures never change once made: the mask and the shown picture can
    // be the same one.
    if (!finished)
        plat::tryStatement([&] { finished = Canvas_->Picture(); });
    plat::tryStatement([&] { setPicture(finished); });
    Canvas_ = outer;
}

plat::PicturePtr InternalZSButton::GetContainerBackground()
{
    // The container is the control among the form's controls whose window
    // holds this button; a button placed on the form itself finds none.
    plat::ControlPtr container;
    plat::tryStatement([&] {
        const int64_t holder = ContainerHwnd();
        const auto controls = ParentControls();
        for (int32_t i = 0; i < controls->Count(); ++i) {
            const plat::ControlPtr c = controls->Item(i);
            int64_t hwnd = 0;
            if (!plat::tryStatement([&] { hwnd = c->getProperty(QStringLiteral("hWnd")).toLongLong(); }))
                continue;
            if (hwnd != 0 && hwnd == holder) {
                container = c;
                break;
            }
        }
    });
    if (!container)
        return nullptr;
    plat::Err::clear();
    plat::Variant picture;
    if (!plat::tryStatement([&] { picture = container->getProperty(QStringLiteral("WindowPicture")); }))
        plat::tryStatement([&] { picture = container->getProperty(QStringLiteral("Picture")); });
    return picture.objectAs<plat::Picture>();
}

void InternalZSButton::DrawFrameStyle0(int32_t& State)
{
    DrawButtonContent(State);
    const double W = ScaleWidth();
    const double H = ScaleHeight();
    auto outline = [&](double x1, double y1, double x2, double y2, plat::Colour c) {
        plat::tryStatement([&] { Canvas_->FillRect(x1, y1, x2, y2, c, false); });
    };
    auto line = [&](double x1, double y1, double x2, double y2, plat::Colour c) {
        plat::tryStatement([&] { Canvas_->Line(x1, y1, x2, y2, c); });
    };
    const bool pressed = State == drawstate::Pressed || (s_.Value && s_.ButtonToggles == 1);
    bool asDefault = false;
    if (!pressed)
        plat::tryStatement([&] { asDefault = Ambient().DisplayAsDefault && s_.DrawFocusRectangle; });
    if (pressed) {
        outline(0, 0, W, H, s_.ColorOutline);
        outline(1, 1, W - 1, H - 1, s_.ColorShadow);
    } else if (asDefault) {
        outline(1, 1, W, H, s_.ColorHighlight);
        outline(0, 0, W, H, s_.ColorOutline);
        line(2, H - 3, W - 3, H - 3, s_.ColorShadow);
        line(W - 3, H - 3, W - 3, 1, s_.ColorShadow);
        outline(0, 0, W - 1, H - 1, s_.ColorOutline);
    } else {
        outline(0, 0, W, H, s_.ColorHighlight);
        outline(-1, -1, W, H, s_.ColorOutline);
        line(1, H - 2, W - 2, H - 2, s_.ColorShadow);
        line(W - 2, H - 2, W - 2, 0, s_.ColorShadow);
    }
}

void InternalZSButton::DrawFrameStyle1(int32_t& State)
{
    DrawButtonContent(State);
    const double W = ScaleWidth();
    const double H = ScaleHeight();
    auto edges = [&](plat::Colour inner, plat::Colour outer) {
        plat::tryStatement([&] { Canvas_->FillRect(0, 0, W, H, inner, false); });
        plat::tryStatement([&] { Canvas_->FillRect(-1, -1, W, H, outer, false); });
    };
    const bool switchedOn = s_.Value && s_.ButtonToggles == 1;
    if (switchedOn && rt_.HasFocus && s_.DrawFocusRectangle) {
        edges(s_.ColorOutline, s_.ColorHighlight);
        return;
    }
    if (State != drawstate::Pressed && !switchedOn) {
        const bool raised = plat::tryCondition([&] {
            return State == drawstate::Hover || (!mouseIsOverMe() && s_.DrawFocusRectangle && rt_.HasFocus);
        });
        if (raised)
            edges(s_.ColorHighlight, s_.ColorShadow);
        return;
    }
    edges(s_.ColorShadow, s_.ColorHighlight);
}

void InternalZSButton::DrawContentStyle2(int32_t& State)
{
    const double W = ScaleWidth();
    const double H = ScaleHeight();
    const bool toggledOn = s_.ButtonToggles != 0 && s_.Value;

    // 1. Text and picture of the state.
    QString text = s_.Caption;
    plat::PicturePtr picture;
    if (State != drawstate::Pressed && toggledOn) {
        if (!s_.CaptionToggled.isEmpty())
            text = s_.CaptionToggled;
        picture = s_.ButtonImageToggled;
    } else if (State == drawstate::Hover) {
        picture = s_.ButtonImageHover;
    } else if (State == drawstate::Pressed) {
        picture = s_.ButtonImageDown;
    } else {
        picture = s_.ButtonImageUp;
    }
    if (!picture)
        picture = s_.ButtonImage;

    // 2. The picture: at its own size, or stretched over the control.
    if (!picture) {
        plat::tryStatement([&] { Canvas_->Cls(); });
    } else {
        const int32_t pw = int32_t(plat::roundEven(ScaleX(picture->Width(), plat::scale::HiMetric, plat::scale::Pixels)));
        const int32_t ph =
            int32_t(plat::roundEven(ScaleY(picture->Height(), plat::scale::HiMetric, plat::scale::Pixels)));
        const int32_t Wi = int32_t(plat::roundEven(W));
        const int32_t Hi = int32_t(plat::roundEven(H));
        if (!s_.AutoSize && s_.UseMaskColor)
            plat::tryStatement(
                [&] { zg::Miscellaneous()->PaintMaskedPicture(Canvas_, picture, s_.MaskColor, 0, 0, pw, ph); });
        else if (!s_.AutoSize)
            plat::tryStatement([&] { Canvas_->PaintPicture(picture, 0, 0, pw, ph, 0, 0, pw, ph, SrcCopy); });
        else if (s_.UseMaskColor)
            plat::tryStatement(
                [&] { zg::Miscellaneous()->PaintMaskedPicture(Canvas_, picture, s_.MaskColor, 0, 0, Wi, Hi); });
        else
            plat::tryStatement([&] { Canvas_->PaintPicture(picture, 0, 0, W, H, 0, 0, 0, 0, SrcCopy); });
    }

    // 3, 4. Lowering and the caption's box.
    const int32_t o = (State == drawstate::Pressed || (s_.Value && s_.ButtonToggles == 0) ||
                       (toggledOn && s_.LowerToggledContent))
                          ? 1
                          : 0;
    const int32_t sp = s_.ButtonContentSpacing;
    const float L = float(sp + o);
    const float T = float(sp + o);
    const float BW = float(W - 2.0 * sp);
    const float BH = float(H - 2.0 * sp);

    // 5. The text's size inside the box.
    float tw = BW, th = BH;
    plat::tryStatement(
        [&] { zg::Strings()->DrawTextOnCanvasEx(Canvas_, text, L, T, tw, th, s_.Alignment, s_.RightToLeft, false); });

    // 6, 7. Its position.
    float x = L, y = T;
    plat::tryStatement([&] {
        if (s_.AlignmentVertical == 0)
            y = T;
        else if (s_.AlignmentVertical == 1)
            y = T + BH - th;
        else
            y = T + float(plat::IntDiv(plat::roundEven(double(BH) - th), 2));
        if (s_.Alignment == 0)
            x = L;
        else if (s_.Alignment == 1)
            x = L + BW - tw;
        else
            x = L + float(plat::IntDiv(plat::roundEven(double(BW) - tw), 2));
    });

    // 8-11. The caption.
    plat::Colour kept = 0;
    plat::tryStatement([&] { kept = Canvas_->ForeColor(); });
    const bool enabled = Enabled();
    auto drawText = [&](float tx, float ty) {
        plat::tryStatement([&] {
            zg::Strings()->DrawTextOnCanvas(Canvas_, text, tx, ty, tw, th, s_.Alignment, s_.RightToLeft, enabled);
        });
    };
    if (enabled) {
        const int16_t noOffset = 0;
        DrawCaptionText(x, y, tw, th, noOffset, text);
        if (toggledOn)
            setCanvasForeColor(State != drawstate::Normal ? s_.ColorToggledHoverText : s_.ColorToggledText);
        else
            setCanvasForeColor(State != drawstate::Normal ? s_.ColorHoverText : kept);
        drawText(x, y);
    } else {
        setCanvasForeColor(s_.ColorHighlight);
        drawText(x + 1, y + 1);
        setCanvasForeColor(s_.ColorShadow);
        drawText(x, y);
    }
    setCanvasForeColor(kept);
}

} // namespace button
