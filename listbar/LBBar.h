// One bar of the list bar: a caption tab and, while it is the active bar, a
// scrollable window onto its buttons. A bar holds its own appearance (the
// painters read it), its buttons and its position; it never draws and never
// holds the control: every change that needs the control goes out as a
// request through the notifier under its DelegateID.
//
// Properties read through the member of their name and are set through the
// overload of the same name taking the new value. Setters compare first and
// do nothing for an unchanged value. Members marked "internal" are the
// control's, not the host's.
#pragma once
#include "Colour.h"
#include "Font.h"
#include "LBButtons.h"
#include "Object.h"
#include "Picture.h"

#include <QString>
#include <cstdint>
#include <memory>

namespace listbar {

class LBDelegate;

class LBBar : public plat::Object {
public:
    LBBar();

    // The same value as ColorShadow.
    plat::Colour BackColor() const { return colorShadow_; }
    void BackColor(plat::Colour c) { ColorShadow(c); }
    // The same value as ColorText.
    plat::Colour ForeColor() const { return colorText_; }
    void ForeColor(plat::Colour c) { ColorText(c); }

    // Scroll-arrow pictures: set stores without a redraw; get falls back
    // between the three pictures of a triplet (idle: idle, hover, pressed;
    // pressed: pressed, hover, idle; hover: hover, idle, pressed).
    plat::PicturePtr ScrollDownImage() const;
    void ScrollDownImage(const plat::PicturePtr& p) { scrollDown_ = p; }
    plat::PicturePtr ScrollDownImageDown() const;
    void ScrollDownImageDown(const plat::PicturePtr& p) { scrollDownDown_ = p; }
    plat::PicturePtr ScrollDownImageHover() const;
    void ScrollDownImageHover(const plat::PicturePtr& p) { scrollDownHover_ = p; }
    plat::PicturePtr ScrollUpImage() const;
    void ScrollUpImage(const plat::PicturePtr& p) { scrollUp_ = p; }
    plat::PicturePtr ScrollUpImageDown() const;
    void ScrollUpImageDown(const plat::PicturePtr& p) { scrollUpDown_ = p; }
    plat::PicturePtr ScrollUpImageHover() const;
    void ScrollUpImageHover(const plat::PicturePtr& p) { scrollUpHover_ = p; }

    const QString& Tag() const { return tag_; }
    void Tag(const QString& t) { tag_ = t; }

    int32_t ButtonsDisplayed() const { return buttonsDisplayed_; }
    bool IsActive() const { return isActive_; }

    // Shows the bar without a recount request, then asks the control to
    // open its caption editor over the tab.
    void EditCaption();

    int32_t StartingButton() const { return startingButton_; }

    void TextShadowDepth(int16_t v);
    int16_t TextShadowDepth() const { return textShadowDepth_; }
    void TextShadow(int32_t v);
    int32_t TextShadow() const { return textShadow_; }

    // The default member: always the same collection.
    const LBButtonsPtr& Buttons() const { return buttons_; }

    // A change asks the control to recount the visible bars (no redraw
    // request of its own).
    void Visible(bool v);
    bool Visible() const { return visible_; }

    void ButtonTextPosition(int32_t v);
    int32_t ButtonTextPosition() const { return buttonTextPosition_; }
    // A value below 2 is stored as 2.
    void ButtonImageSize(int16_t v);
    int16_t ButtonImageSize() const { return buttonImageSize_; }

    // Attributes of the bar's own button font.
    void ButtonFontSize(float v);
    float ButtonFontSize() const;
    void ButtonFontItalic(bool v);
    bool ButtonFontItalic() const;
    void ButtonFontStrikethru(bool v);
    bool ButtonFontStrikethru() const;
    void ButtonFontUnderline(bool v);
    bool ButtonFontUnderline() const;
    void ButtonFontBold(bool v);
    bool ButtonFontBold() const;
    void ButtonFontName(const QString& v);
    QString ButtonFontName() const;
    // Set copies the given font's attributes into the bar's own font (the
    // caller's object is not kept); get returns a new copy each time.
    void ButtonFont(const plat::FontPtr& f);
    plat::FontPtr ButtonFont() const;

    void ColorTextShadow(plat::Colour c);
    plat::Colour ColorTextShadow() const { return colorTextShadow_; }
    void ColorTextHover(plat::Colour c);
    plat::Colour ColorTextHover() const { return colorTextHover_; }
    // A hover colour equal to the old text colour follows the new one.
    void ColorText(plat::Colour c);
    plat::Colour ColorText() const { return colorText_; }

    // Shows the bar without a recount request, then asks the control to make
    // it the active bar (animated when Animate is true).
    void Activate(bool Animate = false);

    // A value of at least 1 that differs from the current position asks the
    // control to move the bar; the control stores the new positions.
    void BarOrder(int32_t v);
    int32_t BarOrder() const { return barOrder_; }

    void ColorInsertLines(plat::Colour c);
    plat::Colour ColorInsertLines() const { return colorInsertLines_; }
    void ColorOutline(plat::Colour c);
    plat::Colour ColorOutline() const { return colorOutline_; }
    void ColorShadow(plat::Colour c);
    plat::Colour ColorShadow() const { return colorShadow_; }
    void ColorHighlight(plat::Colour c);
    plat::Colour ColorHighlight() const { return colorHighlight_; }
    void ColorButton(plat::Colour c);
    plat::Colour ColorButton() const { return colorButton_; }
    void BarImageTileHorizontally(bool v);
    bool BarImageTileHorizontally() const { return tileHorizontally_; }
    void BarImageTileVertically(bool v);
    bool BarImageTileVertically() const { return tileVertically_; }

    // Caption and background pictures: a change (judged by Handle) is
    // stored and redrawn. BarImage reads back as stored; the caption
    // pictures fall back like the scroll arrows.
    void BarImage(const plat::PicturePtr& p);
    plat::PicturePtr BarImage() const { return barImage_; }
    void CaptionImageHover(const plat::PicturePtr& p);
    plat::PicturePtr CaptionImageHover() const;
    void CaptionImageDown(const plat::PicturePtr& p);
    plat::PicturePtr CaptionImageDown() const;
    void CaptionImage(const plat::PicturePtr& p);
    plat::PicturePtr CaptionImage() const;

    // Compared exactly (letter case counts).
    void Caption(const QString& c);
    const QString& Caption() const { return caption_; }

    const QString& Key() const { return key_; }

    // --- internal ---
    const QString& UniqueID() const { return uniqueID_; }
    void UniqueID(const QString& id);
    const QString& DelegateID() const { return delegateID_; }
    void DelegateID(const QString& id);
    void SetKey(const QString& k) { key_ = k; }
    void SetBarOrder(int32_t NewOrder) { barOrder_ = NewOrder; }
    // Kept by LBBars::ActiveBarID, the one writer of the active bar.
    void IsActive(bool v) { isActive_ = v; }
    int32_t LastButtonDisplayed() const { return lastButtonDisplayed_; }
    void LastButtonDisplayed(int32_t v) { lastButtonDisplayed_ = v; }
    void ButtonsDisplayed(int32_t v) { buttonsDisplayed_ = v; }

    // --- internal: the window of displayed buttons ---
    // Moves a StartingButton that names a hidden button to the nearest
    // visible one before it, else after it, else 0; a start past the last
    // button becomes 1.
    void ValidateStartingButton();
    // Position of the first visible button; 1 when none is visible.
    int32_t FirstVisibleButton() const;
    // Visible buttons from StartingButton (or from Index) to the end.
    int32_t VisibleButtonsFromStart() const;
    int32_t VisibleButtonsFrom(int32_t Index) const;
    // The start that shows the last page of ButtonsDisplayed visible buttons.
    int32_t LastPageStartingButton() const;
    // One visible button back (Direction below 1) or forward, then the
    // control is told of the scroll. Forward from the last visible button
    // wraps to the first.
    void ScrollButtons(int16_t Direction);
    // True when no visible button lies before StartingButton.
    bool IsAtFirstVisibleButton() const;
    void SetStartingButton(int32_t Index);
    void SetStartingButtonNoRedraw(int32_t Index);
    void SetStartingButtonByID(const QString& ButtonID);

private:
    std::shared_ptr<LBDelegate> notifier() const;
    void requestRedraw() const;
    // After a direct write of Visible: the bars' visible count follows
    // without a request to the control.
    void recountBarsSilently() const;
    // Steps shared by SetStartingButton and SetStartingButtonNoRedraw;
    // false when Index is out of range or already the start.
    bool moveStartingButton(int32_t Index);
    template <class T>
    void setAndRedraw(T& field, const T& value);
    void setPicture(plat::PicturePtr& field, const plat::PicturePtr& value);

    QString key_;
    QString caption_;
    plat::PicturePtr captionImage_;
    plat::PicturePtr captionImageHover_;
    plat::PicturePtr captionImageDown_;
    plat::PicturePtr barImage_;
    bool tileVertically_ = false;
    bool tileHorizontally_ = false;
    plat::PicturePtr scrollUp_, scrollUpDown_, scrollUpHover_;
    plat::PicturePtr scrollDown_, scrollDownDown_, scrollDownHover_;
    int32_t barOrder_ = 0;
    LBButtonsPtr buttons_;
    int16_t buttonImageSize_ = 2; // never below 2, also before the first setting
    int32_t buttonTextPosition_ = 0;
    plat::Colour colorButton_ = 0;
    plat::Colour colorHighlight_ = 0;
    plat::Colour colorShadow_ = 0;
    plat::Colour colorOutline_ = 0;
    plat::Colour colorText_ = 0;
    plat::Colour colorTextHover_ = 0;
    plat::Colour colorTextShadow_ = 0;
    plat::Colour colorInsertLines_ = 0;
    plat::FontPtr buttonFont_;
    int32_t textShadow_ = 0;
    int16_t textShadowDepth_ = 0;
    bool visible_ = true;
    bool isActive_ = false;
    int32_t startingButton_ = 0;
    int32_t lastButtonDisplayed_ = 0;
    int32_t buttonsDisplayed_ = 0;
    QString uniqueID_;
    QString delegateID_;
    QString tag_;
};

} // namespace listbar
