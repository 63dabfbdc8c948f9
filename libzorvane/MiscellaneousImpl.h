// Masked pictures, pattern brushes and functions of controls.
#pragma once
#include "ZorvaneMiscellaneous.h"

#include <functional>

class QWidget;

namespace zg {

class MiscellaneousImpl : public ZorvaneMiscellaneous {
public:
    // Answers MouseIsOverControl in place of the pointer test (tests).
    using MouseOverHook = std::function<bool(const plat::ObjectPtr& control)>;

    bool MouseIsOverControl(const plat::ObjectPtr& Control) override;
    void ControlGotFocusHelper(const plat::ObjectPtr& Control) override;
    bool SelectComboItemByText(const plat::ObjectPtr& ComboBox, const QString& Text) override;
    void PaintMaskedPicture(std::shared_ptr<ZorvaneGhostCanvas>& Canvas, const plat::PicturePtr& Picture,
                            plat::Colour MaskColor, int32_t X, int32_t Y, int32_t Width, int32_t Height) override;
    int64_t PatternBrushFromPicture(const plat::PicturePtr& Picture, bool LibraryOwnsBrush = true,
                                    int32_t Reserved = 0) override;
    void GetControlScreenRect(const plat::ObjectPtr& Control, int32_t& Left, int32_t& Top, int32_t& Width,
                              int32_t& Height) override;

    void setMouseOverHook(MouseOverHook hook) { mouseOver_ = std::move(hook); }

private:
    MouseOverHook mouseOver_;
};

// The widget of a form or control passed as a reference object; raises 424
// when the object has no window (or its window is gone).
QWidget* widgetOf(const plat::ObjectPtr& object, const char* source);

} // namespace zg
