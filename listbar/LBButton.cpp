#include "LBButton.h"

#include "LBBar.h"
#include "LBBars.h"
#include "LBButtons.h"
#include "LBDelegate.h"
#include "ListBarErrors.h"

namespace listbar {

std::shared_ptr<LBDelegate> LBButton::notifier() const { return delegateFor(delegateID_); }

LBBarPtr LBButton::ParentBar() const { return notifier()->GetParentBar(barID_); }

void LBButton::recountBarSilently() const
{
    auto bars = notifier()->bars();
    if (!bars)
        return;
    if (auto bar = bars->ItemByID(barID_))
        bar->Buttons()->CalculateVisibleButtons();
}

void LBButton::EditCaption()
{
    if (!visible_) {
        visible_ = true;
        recountBarSilently();
    }
    notifier()->ExecuteCaptionEdit(barID_, uniqueID_);
}

void LBButton::ButtonOrder(int32_t New_ButtonOrder)
{
    if (New_ButtonOrder == buttonOrder_ || New_ButtonOrder < 1)
        return;
    notifier()->ChangeOrder(barID_, uniqueID_, New_ButtonOrder);
}

void LBButton::MakeVisible()
{
    if (!visible_) {
        visible_ = true;
        recountBarSilently();
    }
    notifier()->RequestMakeVisible(barID_, uniqueID_);
}

void LBButton::Visible(bool New_Visible)
{
    if (New_Visible == visible_)
        return;
    visible_ = New_Visible;
    notifier()->InvokeCalculateVisibleButtons(barID_);
}

void LBButton::Caption(const QString& New_Caption)
{
    if (New_Caption == caption_)
        return;
    caption_ = New_Caption;
    // The collection measures a new button itself once it has given it an
    // identifier; from then on every caption change is measured, the first
    // text after an empty caption included.
    if (!uniqueID_.isEmpty())
        notifier()->InvokeDetermineLongestText(barID_);
    notifier()->RequestRedraw(barID_, uniqueID_);
}

void LBButton::setImage(plat::Variant& field, const plat::Variant& value, const QString& member)
{
    if (value.isObject())
        raiseModelError(ErrImageObject, QStringLiteral("LBButton.") + member, imageObjectDescription(member));
    if (plat::sameValue(field, value))
        return;
    field = value;
    notifier()->RequestRedraw(barID_, uniqueID_);
}

void LBButton::ButtonImage(const plat::Variant& New_ButtonImage)
{
    setImage(image_, New_ButtonImage, QStringLiteral("ButtonImage"));
}

void LBButton::ButtonImageHover(const plat::Variant& New_ButtonImageHover)
{
    setImage(imageHover_, New_ButtonImageHover, QStringLiteral("ButtonImageHover"));
}

void LBButton::ButtonImageDown(const plat::Variant& New_ButtonImageDown)
{
    setImage(imageDown_, New_ButtonImageDown, QStringLiteral("ButtonImageDown"));
}

} // namespace listbar
