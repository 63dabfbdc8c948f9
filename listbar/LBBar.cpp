#include "LBBar.h"

#include "LBBars.h"
#include "LBDelegate.h"
#include "Units.h"

#include <cmath>

namespace listbar {

LBBar::LBBar() : buttons_(std::make_shared<LBButtons>()), buttonFont_(std::make_shared<plat::Font>()) {}

std::shared_ptr<LBDelegate> LBBar::notifier() const { return delegateFor(delegateID_); }

void LBBar::requestRedraw() const { notifier()->RequestRedraw(uniqueID_, QString()); }

template <class T>
void LBBar::setAndRedraw(T& field, const T& value)
{
    if (field == value)
        return;
    field = value;
    requestRedraw();
}

void LBBar::recountBarsSilently() const
{
    if (auto bars = notifier()->bars())
        bars->RecountVisibleBars();
}

namespace {
// The first picture present, in the order given.
plat::PicturePtr firstPresent(const plat::PicturePtr& a, const plat::PicturePtr& b, const plat::PicturePtr& c)
{
    return a ? a : (b ? b : c);
}
} // namespace

plat::PicturePtr LBBar::ScrollDownImage() const
{
    return firstPresent(scrollDown_, scrollDownHover_, scrollDownDown_);
}
plat::PicturePtr LBBar::ScrollDownImageDown() const
{
    return firstPresent(scrollDownDown_, scrollDownHover_, scrollDown_);
}
plat::PicturePtr LBBar::ScrollDownImageHover() const
{
    return firstPresent(scrollDownHover_, scrollDown_, scrollDownDown_);
}
plat::PicturePtr LBBar::ScrollUpImage() const { return firstPresent(scrollUp_, scrollUpHover_, scrollUpDown_); }
plat::PicturePtr LBBar::ScrollUpImageDown() const
{
    return firstPresent(scrollUpDown_, scrollUpHover_, scrollUp_);
}
plat::PicturePtr LBBar::ScrollUpImageHover() const
{
    return firstPresent(scrollUpHover_, scrollUp_, scrollUpDown_);
}
plat::PicturePtr LBBar::CaptionImage() const
{
    return firstPresent(captionImage_, captionImageHover_, captionImageDown_);
}
plat::PicturePtr LBBar::CaptionImageDown() const
{
    return firstPresent(captionImageDown_, captionImageHover_, captionImage_);
}
plat::PicturePtr LBBar::CaptionImageHover() const
{
    return firstPresent(captionImageHover_, captionImage_, captionImageDown_);
}

void LBBar::EditCaption()
{
    if (!visible_) {
        visible_ = true;
        recountBarsSilently();
    }
    notifier()->ExecuteCaptionEdit(uniqueID_, QString());
}

void LBBar::TextShadowDepth(int16_t v) { setAndRedraw(textShadowDepth_, v); }
void LBBar::TextShadow(int32_t v) { setAndRedraw(textShadow_, v); }

void LBBar::Visible(bool v)
{
    if (v == visible_)
        return;
    visible_ = v;
    notifier()->InvokeCalculateVisibleBars();
}

void LBBar::ButtonTextPosition(int32_t v) { setAndRedraw(buttonTextPosition_, v); }

void LBBar::ButtonImageSize(int16_t v)
{
    if (v == buttonImageSize_)
        return;
    buttonImageSize_ = v < 2 ? int16_t(2) : v;
    requestRedraw();
}

void LBBar::ButtonFontSize(float v)
{
    // Compared in the font's own fixed-point form (four decimals); a size the
    // font cannot hold goes straight to the font, which refuses it.
    if (!std::isfinite(v) || std::fabs(v) > 32767.0f) {
        buttonFont_->setSize(double(v));
        return;
    }
    const int64_t wanted = int64_t(plat::roundEven(double(v) * 10000.0));
    const int64_t current = int64_t(plat::roundEven(buttonFont_->Size() * 10000.0));
    if (wanted == current)
        return;
    buttonFont_->setSize(double(v));
    requestRedraw();
}
float LBBar::ButtonFontSize() const { return float(buttonFont_->Size()); }

void LBBar::ButtonFontItalic(bool v)
{
    if (buttonFont_->Italic() == v)
        return;
    buttonFont_->setItalic(v);
    requestRedraw();
}
bool LBBar::ButtonFontItalic() const { return buttonFont_->Italic(); }

void LBBar::ButtonFontStrikethru(bool v)
{
    if (buttonFont_->Strikethrough() == v)
        return;
    buttonFont_->setStrikethrough(v);
    requestRedraw();
}
bool LBBar::ButtonFontStrikethru() const { return buttonFont_->Strikethrough(); }

void LBBar::ButtonFontUnderline(bool v)
{
    if (buttonFont_->Underline() == v)
        return;
    buttonFont_->setUnderline(v);
    requestRedraw();
}
bool LBBar::ButtonFontUnderline() const { return buttonFont_->Underline(); }

void LBBar::ButtonFontBold(bool v)
{
    if (buttonFont_->Bold() == v)
        return;
    buttonFont_->setBold(v);
    requestRedraw();
}
bool LBBar::ButtonFontBold() const { return buttonFont_->Bold(); }

void LBBar::ButtonFontName(const QString& v)
{
    if (buttonFont_->Name() == v)
        return;
    buttonFont_->setName(v);
    requestRedraw();
}
QString LBBar::ButtonFontName() const { return buttonFont_->Name(); }

void LBBar::ButtonFont(const plat::FontPtr& f)
{
    if (!f)
        return; // no attributes to read
    const plat::Font& mine = *buttonFont_;
    const bool same = mine.Size() == f->Size() && mine.Bold() == f->Bold() && mine.Charset() == f->Charset() &&
                      mine.Italic() == f->Italic() && mine.Name() == f->Name() &&
                      mine.Strikethrough() == f->Strikethrough() && mine.Underline() == f->Underline() &&
                      mine.Weight() == f->Weight();
    if (same)
        return;
    // The bar keeps its own object; the caller's font is only read.
    buttonFont_->setBold(f->Bold());
    buttonFont_->setCharset(f->Charset());
    buttonFont_->setItalic(f->Italic());
    buttonFont_->setName(f->Name());
    buttonFont_->setSize(f->Size());
    buttonFont_->setStrikethrough(f->Strikethrough());
    buttonFont_->setUnderline(f->Underline());
    buttonFont_->setWeight(f->Weight());
    requestRedraw();
}

plat::FontPtr LBBar::ButtonFont() const { return buttonFont_->clone(); }

void LBBar::ColorTextShadow(plat::Colour c) { setAndRedraw(colorTextShadow_, c); }
void LBBar::ColorTextHover(plat::Colour c) { setAndRedraw(colorTextHover_, c); }

void LBBar::ColorText(plat::Colour c)
{
    if (c == colorText_)
        return;
    if (colorTextHover_ == colorText_)
        colorTextHover_ = c;
    colorText_ = c;
    requestRedraw();
}

void LBBar::Activate(bool Animate)
{
    if (!visible_) {
        visible_ = true;
        recountBarsSilently();
    }
    notifier()->ActivateBar(uniqueID_, Animate);
}

void LBBar::BarOrder(int32_t v)
{
    if (v == barOrder_ || v < 1)
        return;
    notifier()->ChangeOrder(uniqueID_, QString(), v);
}

void LBBar::ColorInsertLines(plat::Colour c) { setAndRedraw(colorInsertLines_, c); }
void LBBar::ColorOutline(plat::Colour c) { setAndRedraw(colorOutline_, c); }
void LBBar::ColorShadow(plat::Colour c) { setAndRedraw(colorShadow_, c); }
void LBBar::ColorHighlight(plat::Colour c) { setAndRedraw(colorHighlight_, c); }
void LBBar::ColorButton(plat::Colour c) { setAndRedraw(colorButton_, c); }
void LBBar::BarImageTileHorizontally(bool v) { setAndRedraw(tileHorizontally_, v); }
void LBBar::BarImageTileVertically(bool v) { setAndRedraw(tileVertically_, v); }

void LBBar::setPicture(plat::PicturePtr& field, const plat::PicturePtr& value)
{
    const bool unchanged = (!field && !value) || (field && value && field->Handle() == value->Handle());
    if (unchanged)
        return;
    field = value;
    requestRedraw();
}

void LBBar::BarImage(const plat::PicturePtr& p) { setPicture(barImage_, p); }
void LBBar::CaptionImageHover(const plat::PicturePtr& p) { setPicture(captionImageHover_, p); }
void LBBar::CaptionImageDown(const plat::PicturePtr& p) { setPicture(captionImageDown_, p); }
void LBBar::CaptionImage(const plat::PicturePtr& p) { setPicture(captionImage_, p); }

void LBBar::Caption(const QString& c) { setAndRedraw(caption_, c); }

void LBBar::UniqueID(const QString& id)
{
    uniqueID_ = id;
    buttons_->BarID(id);
}

void LBBar::DelegateID(const QString& id)
{
    delegateID_ = id;
    buttons_->DelegateID(id);
}

} // namespace listbar
