// The list bar control: what the redraw pass needs of its window, the redraw
// entry points and the registration of the control type.
#include "ZSListBar.h"

#include "PaintSupport.h"

#include <ImageList.h>
#include <TextBox.h>
#include <Timer.h>

namespace listbar {

// The control's window as the layout-and-paint pass sees it. A separate
// object, so that the pass's setFont (the font it measures with) never meets
// the control's public Font property.
class InternalZSListBar::WindowSeam : public ListBarWindow {
public:
    explicit WindowSeam(InternalZSListBar& control) : c_(control) {}

    double ScaleWidth() const override { return c_.UserControl::ScaleWidth(); }
    double ScaleHeight() const override { return c_.UserControl::ScaleHeight(); }
    void setFont(const plat::FontPtr& font) override { c_.UserControl::setFont(font); }
    double TextWidth(const QString& text) override { return c_.UserControl::TextWidth(text); }
    double TextHeight(const QString& text) override { return c_.UserControl::TextHeight(text); }
    double ScaleX(double value, int fromUnit, int toUnit) override
    {
        return c_.UserControl::ScaleX(value, int16_t(fromUnit), int16_t(toUnit));
    }
    double ScaleY(double value, int fromUnit, int toUnit) override
    {
        return c_.UserControl::ScaleY(value, int16_t(fromUnit), int16_t(toUnit));
    }
    bool Enabled() const override { return c_.Enabled(); }
    plat::Colour WindowBackColor() const override { return c_.UserControl::BackColor(); }
    bool UserMode() const override { return c_.Ambient().UserMode; }
    QString DisplayName() const override { return c_.Ambient().DisplayName; }
    void ShowPicture(const plat::PicturePtr& picture) override { c_.UserControl::setPicture(picture); }

    plat::PicturePtr ListImagePicture(const QString& controlName, const plat::Variant& reference) override
    {
        const std::shared_ptr<plat::ControlList> controls = c_.ParentControls();
        for (const plat::ControlPtr& control : *controls) {
            if (!control || control->Name() != controlName)
                continue;
            auto images = control->getProperty(QStringLiteral("ListImages")).objectAs<plat::ListImages>();
            return paint::deref(images).Item(reference)->Picture();
        }
        return nullptr;
    }

    void StopScrollTimers() override
    {
        if (c_.timerScrollTrigger)
            c_.timerScrollTrigger->setEnabled(false);
        if (c_.timerScroll)
            c_.timerScroll->setEnabled(false);
    }

private:
    InternalZSListBar& c_;
};

InternalZSListBar::InternalZSListBar()
    : window_(std::make_unique<WindowSeam>(*this)), painter_(std::make_unique<ListBarPainter>(state_, *window_))
{
}

InternalZSListBar::~InternalZSListBar()
{
    // Bars the host still holds must reach nothing from here on.
    detachFromDelegate();
}

LBDelegate& InternalZSListBar::notifier() const { return paint::deref(state_.Delegate); }

plat::Font& InternalZSListBar::barFont() const { return paint::deref(notifier().BarFont); }

void InternalZSListBar::LayoutAndPaint(bool KeepPicture, const QString& BarKey, int16_t Percent,
                                       const QString& InsertButtonID, int16_t InsertBefore)
{
    painter_->LayoutAndPaint(KeepPicture, BarKey, Percent, InsertButtonID, InsertBefore);
}

void InternalZSListBar::Refresh() { LayoutAndPaint(); }

int64_t InternalZSListBar::hDC()
{
    int64_t handle = 0;
    plat::tryStatement([&] { handle = UserControl::hDC(); });
    return handle;
}

bool InternalZSListBar::isEditorVisible() const { return txtEdit && txtEdit->Visible(); }

void registerListBarControl()
{
    plat::registerUserControlType(QStringLiteral("ZSListBar"), [] { return std::make_shared<InternalZSListBar>(); });
}

} // namespace listbar

namespace listbar {
namespace {
// Linked into every program that uses the control, so that its forms'
// design data can name it before anything else has run.
const bool listBarRegistered = (registerListBarControl(), true);
} // namespace
} // namespace listbar
