// The list bar's appearance: colours, font, text shadow, caption position and
// image size (kept in the notifier, defaults of every new bar) and the
// masking of button images (kept by the control).
#include "ZSListBar.h"

#include "LBButtons.h"
#include "PaintSupport.h"
#include "Units.h"

namespace listbar {

using paint::deref;

template <class T, class Get, class Set>
void InternalZSListBar::carryToBars(const T& old, const T& value, Get barValue, Set setBar)
{
    // A snapshot: a bar's setter asks for a redraw, and nothing that runs
    // then may pull the list from under the walk.
    for (const LBBarPtr& bar : deref(state_.Bars).NewEnum())
        if (bar && barValue(*bar) == old)
            setBar(*bar, value);
}

template <class T, class Get, class Set>
void InternalZSListBar::propagate(T LBDelegate::*member, const T& value, const char* name, Get barValue,
                                  Set setBar)
{
    LBDelegatePtr keep = state_.Delegate;
    LBDelegate& n = deref(keep);
    const T old = n.*member;
    if (old == value)
        return;
    carryToBars(old, value, barValue, setBar);
    n.*member = value;
    LayoutAndPaint();
    markChanged(name);
}

// ----- Colours -----

plat::Colour InternalZSListBar::BackColor() const { return notifier().BackColor; }

void InternalZSListBar::setBackColor(plat::Colour New_BackColor)
{
    LBDelegatePtr keep = state_.Delegate;
    LBDelegate& n = deref(keep);
    const plat::Colour old = n.BackColor;
    if (old == New_BackColor)
        return;
    {
        // Every bar's own redraw request stays unpainted; one redraw follows.
        n.PreventRefresh = true;
        paint::ScopeExit allowRedraws([&n] { n.PreventRefresh = false; });
        carryToBars(old, New_BackColor, [](const LBBar& b) { return b.ColorShadow(); },
                    [](LBBar& b, plat::Colour c) { b.ColorShadow(c); });
        n.BackColor = New_BackColor;
    }
    LayoutAndPaint();
    markChanged("BackColor");
}

plat::Colour InternalZSListBar::ForeColor() const { return notifier().ForeColor; }

void InternalZSListBar::setForeColor(plat::Colour New_ForeColor)
{
    LBDelegatePtr keep = state_.Delegate;
    LBDelegate& n = deref(keep);
    const plat::Colour old = n.ForeColor;
    if (old == New_ForeColor)
        return;
    {
        n.PreventRefresh = true;
        paint::ScopeExit allowRedraws([&n] { n.PreventRefresh = false; });
        // A bar's text colour setter moves its hover colour along when the
        // two were equal.
        carryToBars(old, New_ForeColor, [](const LBBar& b) { return b.ColorText(); },
                    [](LBBar& b, plat::Colour c) { b.ColorText(c); });
        n.ForeColor = New_ForeColor;
    }
    LayoutAndPaint();
    markChanged("ForeColor");
}

plat::Colour InternalZSListBar::ColorButton() const { return notifier().ColorButton; }

void InternalZSListBar::setColorButton(plat::Colour New_ColorButton)
{
    propagate(&LBDelegate::ColorButton, New_ColorButton, "ColorButton",
              [](const LBBar& b) { return b.ColorButton(); }, [](LBBar& b, plat::Colour c) { b.ColorButton(c); });
}

plat::Colour InternalZSListBar::ColorHighlight() const { return notifier().ColorHighlight; }

void InternalZSListBar::setColorHighlight(plat::Colour New_ColorHighlight)
{
    propagate(&LBDelegate::ColorHighlight, New_ColorHighlight, "ColorHighlight",
              [](const LBBar& b) { return b.ColorHighlight(); },
              [](LBBar& b, plat::Colour c) { b.ColorHighlight(c); });
}

plat::Colour InternalZSListBar::ColorShadow() const { return notifier().ColorShadow; }

void InternalZSListBar::setColorShadow(plat::Colour New_ColorShadow)
{
    // The control's own 3-D shadow: no bar holds it.
    setField(notifier().ColorShadow, New_ColorShadow, "ColorShadow");
}

plat::Colour InternalZSListBar::ColorOutline() const { return notifier().ColorOutline; }

void InternalZSListBar::setColorOutline(plat::Colour New_ColorOutline)
{
    propagate(&LBDelegate::ColorOutline, New_ColorOutline, "ColorOutline",
              [](const LBBar& b) { return b.ColorOutline(); }, [](LBBar& b, plat::Colour c) { b.ColorOutline(c); });
}

plat::Colour InternalZSListBar::ColorText() const { return notifier().ColorText; }

void InternalZSListBar::setColorText(plat::Colour New_ColorText)
{
    // Bar captions only: a bar's button text colour follows ForeColor. The
    // hover colour moves along while it equals the text colour.
    LBDelegatePtr keep = state_.Delegate;
    LBDelegate& n = deref(keep);
    const plat::Colour old = n.ColorText;
    if (old == New_ColorText)
        return;
    n.PreventRefresh = true;
    if (n.ColorTextHover == old) {
        n.ColorTextHover = New_ColorText;
        markChanged("ColorTextHover");
    }
    n.ColorText = New_ColorText;
    n.PreventRefresh = false;
    LayoutAndPaint();
    markChanged("ColorText");
}

plat::Colour InternalZSListBar::ColorTextShadow() const { return notifier().ColorTextShadow; }

void InternalZSListBar::setColorTextShadow(plat::Colour New_ColorTextShadow)
{
    propagate(&LBDelegate::ColorTextShadow, New_ColorTextShadow, "ColorTextShadow",
              [](const LBBar& b) { return b.ColorTextShadow(); },
              [](LBBar& b, plat::Colour c) { b.ColorTextShadow(c); });
}

plat::Colour InternalZSListBar::ColorTextHover() const { return notifier().ColorTextHover; }

void InternalZSListBar::setColorTextHover(plat::Colour New_ColorTextHover)
{
    propagate(&LBDelegate::ColorTextHover, New_ColorTextHover, "ColorTextHover",
              [](const LBBar& b) { return b.ColorTextHover(); },
              [](LBBar& b, plat::Colour c) { b.ColorTextHover(c); });
}

plat::Colour InternalZSListBar::ColorSelection() const { return notifier().ColorSelection; }

void InternalZSListBar::setColorSelection(plat::Colour New_ColorSelection)
{
    setField(notifier().ColorSelection, New_ColorSelection, "ColorSelection");
}

plat::Colour InternalZSListBar::ColorInsertLines() const { return notifier().ColorInsertLines; }

void InternalZSListBar::setColorInsertLines(plat::Colour New_ColorInsertLines)
{
    propagate(&LBDelegate::ColorInsertLines, New_ColorInsertLines, "ColorInsertLines",
              [](const LBBar& b) { return b.ColorInsertLines(); },
              [](LBBar& b, plat::Colour c) { b.ColorInsertLines(c); });
}

// ----- Font -----

namespace {

// Font sizes compare as decimals with four places.
bool sameSize(double a, double b) { return plat::roundEven(a * 10000.0) == plat::roundEven(b * 10000.0); }

bool sameAttributes(const plat::Font& a, const plat::Font& b)
{
    return sameSize(a.Size(), b.Size()) && a.Name() == b.Name() && a.Weight() == b.Weight() &&
           a.Underline() == b.Underline() && a.Strikethrough() == b.Strikethrough() && a.Italic() == b.Italic() &&
           a.Charset() == b.Charset() && a.Bold() == b.Bold();
}

} // namespace

plat::FontPtr InternalZSListBar::Font() const { return notifier().BarFont; }

void InternalZSListBar::setFont(const plat::FontPtr& New_Font)
{
    const plat::Font& font = deref(New_Font);
    LBDelegatePtr keep = state_.Delegate;
    LBDelegate& n = deref(keep);
    if (n.BarFont && sameAttributes(*n.BarFont, font))
        return;
    // Every bar takes the new font, also one that had a font of its own.
    for (const LBBarPtr& bar : deref(state_.Bars).NewEnum()) {
        bar->ButtonFont(New_Font);
        deref(bar->Buttons()).DetermineLongestText();
    }
    n.BarFont = New_Font; // shared with the host, not copied
    LayoutAndPaint();
    markChanged("Font");
}

template <class T, class Same, class BarGet, class BarSet, class FontSet>
void InternalZSListBar::setFontAttribute(const T& value, const T& current, Same same, BarGet barValue,
                                         BarSet setBar, FontSet setOnFont, const char* name)
{
    if (same(current, value))
        return;
    for (const LBBarPtr& bar : deref(state_.Bars).NewEnum()) {
        if (same(barValue(*bar), current))
            setBar(*bar, value);
        deref(bar->Buttons()).DetermineLongestText();
    }
    setOnFont(barFont(), value);
    LayoutAndPaint();
    markChanged(name);
}

namespace {
template <class T>
bool equal(const T& a, const T& b)
{
    return a == b;
}
} // namespace

QString InternalZSListBar::FontName() const { return barFont().Name(); }

void InternalZSListBar::setFontName(const QString& New_FontName)
{
    setFontAttribute(New_FontName, barFont().Name(), equal<QString>,
                     [](const LBBar& b) { return b.ButtonFontName(); },
                     [](LBBar& b, const QString& v) { b.ButtonFontName(v); },
                     [](plat::Font& f, const QString& v) { f.setName(v); }, "FontName");
}

bool InternalZSListBar::FontBold() const { return barFont().Bold(); }

void InternalZSListBar::setFontBold(bool New_FontBold)
{
    setFontAttribute(New_FontBold, barFont().Bold(), equal<bool>, [](const LBBar& b) { return b.ButtonFontBold(); },
                     [](LBBar& b, bool v) { b.ButtonFontBold(v); }, [](plat::Font& f, bool v) { f.setBold(v); },
                     "FontBold");
}

bool InternalZSListBar::FontItalic() const { return barFont().Italic(); }

void InternalZSListBar::setFontItalic(bool New_FontItalic)
{
    setFontAttribute(New_FontItalic, barFont().Italic(), equal<bool>,
                     [](const LBBar& b) { return b.ButtonFontItalic(); },
                     [](LBBar& b, bool v) { b.ButtonFontItalic(v); }, [](plat::Font& f, bool v) { f.setItalic(v); },
                     "FontItalic");
}

bool InternalZSListBar::FontUnderline() const { return barFont().Underline(); }

void InternalZSListBar::setFontUnderline(bool New_FontUnderline)
{
    setFontAttribute(New_FontUnderline, barFont().Underline(), equal<bool>,
                     [](const LBBar& b) { return b.ButtonFontUnderline(); },
                     [](LBBar& b, bool v) { b.ButtonFontUnderline(v); },
                     [](plat::Font& f, bool v) { f.setUnderline(v); }, "FontUnderline");
}

bool InternalZSListBar::FontStrikethru() const { return barFont().Strikethrough(); }

void InternalZSListBar::setFontStrikethru(bool New_FontStrikethru)
{
    setFontAttribute(New_FontStrikethru, barFont().Strikethrough(), equal<bool>,
                     [](const LBBar& b) { return b.ButtonFontStrikethru(); },
                     [](LBBar& b, bool v) { b.ButtonFontStrikethru(v); },
                     [](plat::Font& f, bool v) { f.setStrikethrough(v); }, "FontStrikethru");
}

float InternalZSListBar::FontSize() const { return float(barFont().Size()); }

void InternalZSListBar::setFontSize(float New_FontSize)
{
    setFontAttribute(double(New_FontSize), barFont().Size(), sameSize,
                     [](const LBBar& b) { return double(b.ButtonFontSize()); },
                     [](LBBar& b, double v) { b.ButtonFontSize(float(v)); },
                     [](plat::Font& f, double v) { f.setSize(v); }, "FontSize");
}

// ----- Masking of button images -----

void InternalZSListBar::setAcclimateGrayTones(bool New_AcclimateGrayTones)
{
    setField(state_.AcclimateGrayTones, New_AcclimateGrayTones, "AcclimateGrayTones");
}

void InternalZSListBar::setMaskColor(plat::Colour New_MaskColor)
{
    setField(state_.MaskColor, New_MaskColor, "MaskColor");
}

void InternalZSListBar::setUseMaskColor(bool New_UseMaskColor)
{
    setField(state_.UseMaskColor, New_UseMaskColor, "UseMaskColor");
}

// ----- Captions, shadows and images of the buttons -----

int32_t InternalZSListBar::ButtonTextPosition() const { return notifier().ButtonTextPosition; }

void InternalZSListBar::setButtonTextPosition(int32_t New_ButtonTextPosition)
{
    propagate(&LBDelegate::ButtonTextPosition, New_ButtonTextPosition, "ButtonTextPosition",
              [](const LBBar& b) { return b.ButtonTextPosition(); },
              [](LBBar& b, int32_t v) { b.ButtonTextPosition(v); });
}

int32_t InternalZSListBar::TextShadow() const { return notifier().TextShadow; }

void InternalZSListBar::setTextShadow(int32_t New_TextShadow)
{
    propagate(&LBDelegate::TextShadow, New_TextShadow, "TextShadow", [](const LBBar& b) { return b.TextShadow(); },
              [](LBBar& b, int32_t v) { b.TextShadow(v); });
}

int16_t InternalZSListBar::TextShadowDepth() const { return notifier().TextShadowDepth; }

void InternalZSListBar::setTextShadowDepth(int16_t New_TextShadowDepth)
{
    LBDelegatePtr keep = state_.Delegate;
    LBDelegate& n = deref(keep);
    const int16_t old = n.TextShadowDepth;
    if (old == New_TextShadowDepth)
        return;
    carryToBars(old, New_TextShadowDepth, [](const LBBar& b) { return b.TextShadowDepth(); },
                [](LBBar& b, int16_t v) { b.TextShadowDepth(v); });
    n.TextShadowDepth = New_TextShadowDepth;
    // Only the first shadow style uses the depth.
    if (n.TextShadow == 1)
        LayoutAndPaint();
    markChanged("TextShadowDepth");
}

int16_t InternalZSListBar::ButtonImageSize() const { return notifier().ButtonImageSize; }

void InternalZSListBar::setButtonImageSize(int16_t New_ButtonImageSize)
{
    LBDelegatePtr keep = state_.Delegate;
    LBDelegate& n = deref(keep);
    if (n.ButtonImageSize == New_ButtonImageSize)
        return;
    // Bars never hold a size below 2, so a shared value below 2 finds them
    // as 2.
    if (n.ButtonImageSize < 2)
        n.ButtonImageSize = 2;
    const int16_t old = n.ButtonImageSize;
    carryToBars(old, New_ButtonImageSize, [](const LBBar& b) { return b.ButtonImageSize(); },
                [](LBBar& b, int16_t v) { b.ButtonImageSize(v); });
    n.ButtonImageSize = New_ButtonImageSize;
    LayoutAndPaint();
    markChanged("ButtonImageSize");
}

} // namespace listbar
