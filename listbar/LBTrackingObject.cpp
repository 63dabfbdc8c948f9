#include "LBTrackingObject.h"

#include "Numbers.h"

namespace listbar {

namespace {
// X + Width and Y + Height, checked.
int32_t rightOf(const LBTrackingObject& t) { return plat::add32(t.X, t.Width); }
int32_t bottomOf(const LBTrackingObject& t) { return plat::add32(t.Y, t.Height); }
} // namespace

bool LBTrackingObject::HitTest(int32_t MouseX, int32_t MouseY) const
{
    const int32_t right = rightOf(*this);
    const int32_t bottom = bottomOf(*this);
    return X <= MouseX && MouseX < right && Y <= MouseY && MouseY < bottom;
}

bool LBTrackingObject::HitTestBottom(int32_t MouseX, int32_t MouseY) const
{
    const int32_t right = rightOf(*this);
    const int32_t bottom = bottomOf(*this);
    const int32_t bandTop = plat::sub32(bottom, EdgeBand);
    return X <= MouseX && MouseX < right && bandTop <= MouseY && MouseY < bottom;
}

bool LBTrackingObject::HitTestTop(int32_t MouseX, int32_t MouseY) const
{
    const int32_t right = rightOf(*this);
    const int32_t bandBottom = plat::add32(Y, EdgeBand);
    return X <= MouseX && MouseX < right && Y <= MouseY && MouseY < bandBottom;
}

bool LBTrackingObject::HitTestLeft(int32_t MouseX, int32_t MouseY) const
{
    const int32_t bandRight = plat::add32(X, EdgeBand);
    const int32_t bottom = bottomOf(*this);
    return X <= MouseX && MouseX < bandRight && Y <= MouseY && MouseY < bottom;
}

bool LBTrackingObject::HitTestRight(int32_t MouseX, int32_t MouseY) const
{
    const int32_t right = rightOf(*this);
    const int32_t bandLeft = plat::sub32(right, EdgeBand);
    const int32_t bottom = bottomOf(*this);
    return bandLeft <= MouseX && MouseX < right && Y <= MouseY && MouseY < bottom;
}

} // namespace listbar
