// The list bar's behaviour: painting style, orientation, frame, animation,
// margins, customising, pointers, image sources, and the search of the host
// form for the image list control.
#include "ZSListBar.h"

#include "ListBarErrors.h"
#include "PaintSupport.h"

#include <ImageList.h>

namespace listbar {

using paint::deref;

void InternalZSListBar::setEnabled(bool New_Enabled)
{
    if (Enabled() == New_Enabled)
        return;
    UserControl::setEnabled(New_Enabled);
    LayoutAndPaint();
    markChanged("Enabled");
}

// ----- Pointers -----

void InternalZSListBar::setMouseIcon(const plat::PicturePtr& New_MouseIcon)
{
    mouseIcon_ = New_MouseIcon;
    markChanged("MouseIcon");
}

void InternalZSListBar::setMouseIconBarTab(const plat::PicturePtr& New_MouseIconBarTab)
{
    mouseIconBarTab_ = New_MouseIconBarTab;
    markChanged("MouseIconBarTab");
}

void InternalZSListBar::setMousePointer(int32_t New_MousePointer)
{
    mousePointer_ = New_MousePointer;
    markChanged("MousePointer");
}

void InternalZSListBar::setMousePointerBarTab(int32_t New_MousePointerBarTab)
{
    mousePointerBarTab_ = New_MousePointerBarTab;
    markChanged("MousePointerBarTab");
}

void InternalZSListBar::UpdateMousePointer(bool OverBarTab)
{
    const int32_t pointer = OverBarTab ? mousePointerBarTab_ : mousePointer_;
    const plat::PicturePtr icon = OverBarTab ? mouseIconBarTab_ : mouseIcon_;
    // The surface takes 16-bit codes: a wider one raises the overflow error.
    if (Control::MousePointer() != pointer)
        Control::setMousePointer(plat::checked16(pointer));
    if (Control::MousePointer() != 99)
        return;
    const plat::PicturePtr current = Control::MouseIcon();
    if (!icon || icon->isEmpty()) {
        if (current)
            Control::setMouseIcon(nullptr);
        return;
    }
    const int64_t currentHandle = current ? current->Handle() : 0;
    if (currentHandle != icon->Handle())
        Control::setMouseIcon(icon);
}

// ----- Plain settings -----

void InternalZSListBar::setOLEDropAllowed(bool New_OLEDropAllowed)
{
    oleDropAllowed_ = New_OLEDropAllowed;
    markChanged("OLEDropAllowed");
}

void InternalZSListBar::setStyle(int32_t New_Style) { setField(state_.Style, New_Style, "Style"); }

void InternalZSListBar::setIconSource(int32_t New_IconSource)
{
    setField(state_.IconSource, New_IconSource, "IconSource");
}

void InternalZSListBar::setPicClipCellWidth(int32_t New_PicClipCellWidth)
{
    if (New_PicClipCellWidth < 1)
        return;
    setField(state_.PicClipCellWidth, New_PicClipCellWidth, "PicClipCellWidth");
}

void InternalZSListBar::setPicClipCellHeight(int32_t New_PicClipCellHeight)
{
    if (New_PicClipCellHeight < 1)
        return;
    setField(state_.PicClipCellHeight, New_PicClipCellHeight, "PicClipCellHeight");
}

void InternalZSListBar::setPictureClip(const plat::PicturePtr& New_PictureClip)
{
    state_.PictureClip = New_PictureClip;
    // Only the picture-clip source draws from it right now; with another
    // source it shows at the next redraw.
    if (state_.IconSource == 1)
        LayoutAndPaint();
    markChanged("PictureClip");
}

void InternalZSListBar::setBorderStyle(int32_t New_BorderStyle)
{
    setField(state_.BorderStyle, New_BorderStyle, "BorderStyle");
}

void InternalZSListBar::setOrientation(int32_t New_Orientation)
{
    setField(state_.Orientation, New_Orientation, "Orientation");
}

void InternalZSListBar::setAnimationStyle(int32_t New_AnimationStyle)
{
    animationStyle_ = New_AnimationStyle;
    markChanged("AnimationStyle");
}

void InternalZSListBar::setAllowUserCustomize(bool New_AllowUserCustomize)
{
    allowUserCustomize_ = New_AllowUserCustomize;
    markChanged("AllowUserCustomize");
}

void InternalZSListBar::setActiveBarOnTop(bool New_ActiveBarOnTop)
{
    setField(state_.ActiveBarOnTop, New_ActiveBarOnTop, "ActiveBarOnTop");
}

void InternalZSListBar::setActiveButtons(bool New_ActiveButtons)
{
    setField(state_.ActiveButtons, New_ActiveButtons, "ActiveButtons");
}

void InternalZSListBar::setButtonMarginLeftTop(int16_t New_ButtonMarginLeftTop)
{
    setField(state_.ButtonMarginLeftTop, New_ButtonMarginLeftTop, "ButtonMarginLeftTop");
}

void InternalZSListBar::setButtonMarginRightBottom(int16_t New_ButtonMarginRightBottom)
{
    setField(state_.ButtonMarginRightBottom, New_ButtonMarginRightBottom, "ButtonMarginRightBottom");
}

// ----- The image list source -----

void InternalZSListBar::setImageListControl(const QString& New_ImageListControl)
{
    if (New_ImageListControl == state_.ImageListControl)
        return;
    // An empty name clears the source without a search.
    if (!New_ImageListControl.isEmpty() && !FindImageListControl(New_ImageListControl))
        raiseControlError(ErrImageListControl, QStringLiteral("ImageListControl"),
                          QStringLiteral("ZSListBar.ImageListControl set to an invalid control name.  Must be set "
                                         "to a valid ImageList control on the same form."));
    state_.ImageListControl = New_ImageListControl;
    if (state_.IconSource == 0)
        LayoutAndPaint();
    markChanged("ImageListControl");
}

bool InternalZSListBar::FindImageListControl(const QString& Name)
{
    // The first control of that name decides; it is an image list when its
    // list of images can be counted.
    plat::ControlPtr found;
    plat::tryStatement([&] {
        const std::shared_ptr<plat::ControlList> controls = ParentControls();
        for (const plat::ControlPtr& control : *controls) {
            if (control && control->Name() == Name) {
                found = control;
                break;
            }
        }
    });
    if (!found)
        return false;
    return plat::tryStatement([&] {
        auto images = found->getProperty(QStringLiteral("ListImages")).objectAs<plat::ListImages>();
        (void)deref(images).Count();
    });
}

} // namespace listbar
