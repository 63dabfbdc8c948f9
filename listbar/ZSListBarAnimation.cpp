// The bar-switch animation: how the control shows that another bar became
// the active bar (already made active by the caller).
#include "ZSListBar.h"

#include "Library.h"
#include "Numbers.h"
#include "PaintSupport.h"
#include "Units.h"
#include "ZorvaneGhostCanvas.h"

#include <limits>
#include <optional>

namespace listbar {

using paint::deref;

namespace {
constexpr int16_t ScrollFirstStep = 33;
constexpr int16_t ScrollSecondStep = 66;
constexpr int32_t FadeAreaDivisor = 26000;

bool hasPixels(const plat::PicturePtr& p) { return p && !p->isEmpty(); }
} // namespace

void InternalZSListBar::AnimateBarSwitch(bool Animate, const QString& OldBarKey)
{
    if (!Animate) {
        LayoutAndPaint();
        return;
    }
    switch (animationStyle_) {
    case 1:
        // The bar left behind is still drawn open while the tabs move a
        // third and two thirds of the way.
        LayoutAndPaint(false, OldBarKey, ScrollFirstStep);
        LayoutAndPaint(false, OldBarKey, ScrollSecondStep);
        LayoutAndPaint();
        break;
    case 2:
        fade();
        break;
    default:
        LayoutAndPaint();
        break;
    }
}

void InternalZSListBar::fade()
{
    // The blended frames are shown one after the other without a pause, each
    // starting again from the old picture. Whatever happens to them, the
    // kept picture is released and the final picture drawn; a failure of
    // the drawing surface then reaches the caller.
    std::optional<plat::RuntimeError> failure;
    try {
        std::shared_ptr<zg::ZorvaneGhostCanvas> canvas = zg::NewGhostCanvas();
        deref(canvas).InitFlag(false);
        // The new state, kept and not shown; the old picture stays on screen.
        LayoutAndPaint(true);
        const plat::PicturePtr oldPicture = Picture();
        const double area = UserControl::ScaleWidth() * UserControl::ScaleHeight();
        const int32_t step = plat::IntDiv(plat::roundEven(area * state_.FadeStepFactor), FadeAreaDivisor);
        const int32_t limit = plat::checked16(state_.FadeLimit);
        // A step of 0 would never reach the limit, and one beyond 16 bits
        // cannot be counted; without both pictures there is nothing to blend.
        const bool blend = step >= 1 && step <= std::numeric_limits<int16_t>::max() &&
                           hasPixels(state_.FadeTargetPicture) && hasPixels(oldPicture);
        for (int32_t level = step; blend && level <= limit; level += step) {
            canvas->setPicture(oldPicture);
            canvas->AlphaBlendPicture(state_.FadeTargetPicture, std::nullopt, int16_t(level), 0, 0, 0, 0, 255, 0, 0);
            UserControl::setPicture(canvas->Picture());
        }
    } catch (const plat::RuntimeError& e) {
        failure = e;
    }
    state_.FadeTargetPicture.reset();
    LayoutAndPaint();
    if (failure)
        throw *failure;
}

} // namespace listbar
