// The button's public properties and methods. Most store their value
// (also an unchanged one), repaint in the current state and tell the
// container that they changed; some pass straight through to the surface.
// Nothing here traps a failure: it reaches the caller.
#include "ButtonGlobals.h"
#include "ZSButton.h"

#include <Error.h>
#include <Numbers.h>

#include <algorithm>

namespace button {

namespace {

constexpr char DefaultCursorResource[] = "CUSTOM_CURSOR_DEFAULT";
constexpr int16_t MaxTextShadowDepth = 64;

} // namespace

void InternalZSButton::redrawAndNotify(const char* name)
{
    RedrawButton(GetDrawState());
    notifyChanged(name);
}

void InternalZSButton::setImage(plat::PicturePtr& field, const plat::PicturePtr& value, bool feedsAcclimated,
                                const char* name)
{
    field = value;
    CalculateMaxImageSize();
    if (feedsAcclimated)
        BuildAcclimatedImage();
    redrawAndNotify(name);
}

void InternalZSButton::showMouseIcon(const plat::PicturePtr& icon)
{
    if (!icon || icon->Handle() == 0)
        plat::Control::setMouseIcon(plat::loadResPicture(QString::fromLatin1(DefaultCursorResource)));
    else
        plat::Control::setMouseIcon(icon);
}

// ===== In the order of the interface =====

void InternalZSButton::setButtonStyle(int32_t New_ButtonStyle)
{
    if (New_ButtonStyle == s_.ButtonStyle)
        return;
    s_.ButtonStyle = New_ButtonStyle;
    // The flat style shows focus by its raised edges instead.
    if (New_ButtonStyle == 1) {
        s_.DrawFocusRectangle = false;
        notifyChanged("DrawFocusRectangle");
    }
    redrawAndNotify("ButtonStyle");
}

void InternalZSButton::setButtonPositionImage(int32_t New_ButtonPositionImage)
{
    setAndRedraw(s_.ButtonPositionImage, New_ButtonPositionImage, "ButtonPositionImage");
}

void InternalZSButton::setButtonContentSpacing(int16_t New_ButtonContentSpacing)
{
    setAndRedraw(s_.ButtonContentSpacing, New_ButtonContentSpacing, "ButtonContentSpacing");
}

void InternalZSButton::setCaption(const QString& New_Caption)
{
    s_.Caption = New_Caption;
    RedrawButton(GetDrawState());
    UpdateAccessKeys();
    notifyChanged("Caption");
}

void InternalZSButton::setAutoSize(bool New_AutoSize) { setAndRedraw(s_.AutoSize, New_AutoSize, "AutoSize"); }

void InternalZSButton::setBackColor(plat::Colour New_BackColor)
{
    plat::UserControl::setBackColor(New_BackColor);
    s_.ColorButton = New_BackColor;
    BuildAcclimatedImage();
    RedrawButton(GetDrawState());
    notifyChanged("BackColor");
    notifyChanged("ColorButton");
}

void InternalZSButton::RefreshButton()
{
    rt_.BackgroundDirty = true;
    RedrawButton(GetDrawState());
}

void InternalZSButton::setEnabled(bool New_Enabled)
{
    plat::UserControl::setEnabled(New_Enabled);
    redrawAndNotify("Enabled");
}

void InternalZSButton::setForeColor(plat::Colour New_ForeColor)
{
    const plat::Colour old = ForeColor();
    if (New_ForeColor == old)
        return;
    // Caption colours still on the old colour follow it; each is compared
    // with the old colour, not with what an earlier one became.
    if (s_.ColorHoverText == old) {
        s_.ColorHoverText = New_ForeColor;
        notifyChanged("ColorHoverText");
    }
    if (s_.ColorToggledText == old) {
        s_.ColorToggledText = New_ForeColor;
        notifyChanged("ColorToggledText");
    }
    if (s_.ColorToggledHoverText == old) {
        s_.ColorToggledHoverText = New_ForeColor;
        notifyChanged("ColorToggledHoverText");
    }
    plat::UserControl::setForeColor(New_ForeColor);
    redrawAndNotify("ForeColor");
}

bool InternalZSButton::FontUnderline() const { return Font()->Underline(); }

void InternalZSButton::setFontUnderline(bool New_FontUnderline)
{
    Font()->setUnderline(New_FontUnderline);
    redrawAndNotify("FontUnderline");
}

void InternalZSButton::setFontTransparent(bool New_FontTransparent)
{
    plat::UserControl::setFontTransparent(New_FontTransparent);
    redrawAndNotify("FontTransparent");
}

bool InternalZSButton::FontStrikethru() const { return Font()->Strikethrough(); }

void InternalZSButton::setFontStrikethru(bool New_FontStrikethru)
{
    Font()->setStrikethrough(New_FontStrikethru);
    redrawAndNotify("FontStrikethru");
}

float InternalZSButton::FontSize() const { return float(Font()->Size()); }

void InternalZSButton::setFontSize(float New_FontSize)
{
    Font()->setSize(New_FontSize);
    redrawAndNotify("FontSize");
}

QString InternalZSButton::FontName() const { return Font()->Name(); }

void InternalZSButton::setFontName(const QString& New_FontName)
{
    Font()->setName(New_FontName);
    redrawAndNotify("FontName");
}

bool InternalZSButton::FontItalic() const { return Font()->Italic(); }

void InternalZSButton::setFontItalic(bool New_FontItalic)
{
    Font()->setItalic(New_FontItalic);
    redrawAndNotify("FontItalic");
}

bool InternalZSButton::FontBold() const { return Font()->Bold(); }

void InternalZSButton::setFontBold(bool New_FontBold)
{
    Font()->setBold(New_FontBold);
    redrawAndNotify("FontBold");
}

void InternalZSButton::setFont(const plat::FontPtr& New_Font)
{
    plat::UserControl::setFont(New_Font);
    redrawAndNotify("Font");
}

void InternalZSButton::setMouseIcon(const plat::PicturePtr& New_MouseIcon)
{
    s_.MouseIcon = New_MouseIcon;
    showMouseIcon(New_MouseIcon);
    redrawAndNotify("MouseIcon");
}

int32_t InternalZSButton::MousePointer() const { return plat::Control::MousePointer(); }

void InternalZSButton::setMousePointer(int32_t New_MousePointer)
{
    plat::Control::setMousePointer(plat::checked16(New_MousePointer));
    redrawAndNotify("MousePointer");
}

int32_t InternalZSButton::OLEDropMode() const { return plat::UserControl::OLEDropMode(); }

void InternalZSButton::setOLEDropMode(int32_t New_OLEDropMode)
{
    plat::UserControl::setOLEDropMode(plat::checked16(New_OLEDropMode));
    notifyChanged("OLEDropMode");
}

void InternalZSButton::setBackStyle(int32_t New_BackStyle)
{
    s_.BackStyle = New_BackStyle;
    rt_.BackgroundDirty = true;
    redrawAndNotify("BackStyle");
}

void InternalZSButton::setButtonImageUp(const plat::PicturePtr& New_ButtonImageUp)
{
    setImage(s_.ButtonImageUp, New_ButtonImageUp, true, "ButtonImageUp");
}

void InternalZSButton::setButtonImageDown(const plat::PicturePtr& New_ButtonImageDown)
{
    setImage(s_.ButtonImageDown, New_ButtonImageDown, false, "ButtonImageDown");
}

void InternalZSButton::setColorButton(plat::Colour New_ColorButton) { setBackColor(New_ColorButton); }

void InternalZSButton::setColorHighlight(plat::Colour New_ColorHighlight)
{
    s_.ColorHighlight = New_ColorHighlight;
    BuildAcclimatedImage();
    redrawAndNotify("ColorHighlight");
}

void InternalZSButton::setColorHoverText(plat::Colour New_ColorHoverText)
{
    const plat::Colour old = s_.ColorHoverText;
    if (New_ColorHoverText == old)
        return;
    if (s_.ColorToggledHoverText == old) {
        s_.ColorToggledHoverText = New_ColorHoverText;
        notifyChanged("ColorToggledHoverText");
    }
    setAndRedraw(s_.ColorHoverText, New_ColorHoverText, "ColorHoverText");
}

void InternalZSButton::setColorShadow(plat::Colour New_ColorShadow)
{
    s_.ColorShadow = New_ColorShadow;
    BuildAcclimatedImage();
    redrawAndNotify("ColorShadow");
}

void InternalZSButton::setColorOutline(plat::Colour New_ColorOutline)
{
    setAndRedraw(s_.ColorOutline, New_ColorOutline, "ColorOutline");
}

void InternalZSButton::setValue(bool New_Value)
{
    if (New_Value == s_.Value)
        return;
    s_.Value = New_Value;
    if (s_.ButtonToggles != 0) {
        if (s_.Value && !trimSpaces(s_.ToggleGroup).isEmpty())
            ToggleOffGroupMembers();
        RedrawButton(GetDrawState());
        setDataValue(New_Value);
    } else {
        // A push button only clicks.
        s_.Value = false;
    }
    Click.raise();
    notifier().setValue(s_.Value);
    notifyChanged("Value");
}

void InternalZSButton::setButtonToggles(int32_t New_ButtonToggles)
{
    s_.ButtonToggles = New_ButtonToggles;
    switch (New_ButtonToggles) {
    case 0:
        s_.Value = false;
        notifier().setValue(false);
        notifyChanged("Value");
        break;
    case 1:
        s_.LowerToggledContent = true;
        notifyChanged("LowerToggledContent");
        break;
    case 2:
        s_.LowerToggledContent = false;
        notifyChanged("LowerToggledContent");
        break;
    default:
        break;
    }
    redrawAndNotify("ButtonToggles");
}

void InternalZSButton::setButtonImageHover(const plat::PicturePtr& New_ButtonImageHover)
{
    setImage(s_.ButtonImageHover, New_ButtonImageHover, false, "ButtonImageHover");
}

void InternalZSButton::setButtonImage(const plat::PicturePtr& New_ButtonImage)
{
    setImage(s_.ButtonImage, New_ButtonImage, true, "ButtonImage");
}

void InternalZSButton::setAcclimateGrayTones(bool New_AcclimateGrayTones)
{
    setAndRedraw(s_.AcclimateGrayTones, New_AcclimateGrayTones, "AcclimateGrayTones");
}

void InternalZSButton::setDisplayPersistentHover(bool New_DisplayPersistentHover)
{
    s_.DisplayPersistentHover = New_DisplayPersistentHover;
    notifyChanged("DisplayPersistentHover");
}

void InternalZSButton::setAlignment(int32_t New_Alignment) { setAndRedraw(s_.Alignment, New_Alignment, "Alignment"); }

void InternalZSButton::setDrawFocusRectangle(bool New_DrawFocusRectangle)
{
    setAndRedraw(s_.DrawFocusRectangle, New_DrawFocusRectangle, "DrawFocusRectangle");
}

void InternalZSButton::setScaleMode(int16_t New_ScaleMode)
{
    plat::UserControl::setScaleMode(New_ScaleMode);
    notifyChanged("ScaleMode");
}

void InternalZSButton::setDisabledImageExtraction(int32_t New_DisabledImageExtraction)
{
    setAndRedraw(s_.DisabledImageExtraction, New_DisabledImageExtraction, "DisabledImageExtraction");
}

void InternalZSButton::setMaskColor(plat::Colour New_MaskColor)
{
    s_.MaskColor = New_MaskColor;
    BuildAcclimatedImage();
    redrawAndNotify("MaskColor");
}

void InternalZSButton::setUseMaskColor(bool New_UseMaskColor)
{
    s_.UseMaskColor = New_UseMaskColor;
    BuildAcclimatedImage();
    redrawAndNotify("UseMaskColor");
}

void InternalZSButton::setRightToLeft(bool New_RightToLeft)
{
    setAndRedraw(s_.RightToLeft, New_RightToLeft, "RightToLeft");
}

void InternalZSButton::setButtonImageToggled(const plat::PicturePtr& New_ButtonImageToggled)
{
    setImage(s_.ButtonImageToggled, New_ButtonImageToggled, true, "ButtonImageToggled");
}

void InternalZSButton::setColorToggledText(plat::Colour New_ColorToggledText)
{
    const plat::Colour old = s_.ColorToggledText;
    if (New_ColorToggledText == old)
        return;
    if (s_.ColorToggledHoverText == old) {
        s_.ColorToggledHoverText = New_ColorToggledText;
        notifyChanged("ColorToggledHoverText");
    }
    setAndRedraw(s_.ColorToggledText, New_ColorToggledText, "ColorToggledText");
}

void InternalZSButton::setColorToggledHoverText(plat::Colour New_ColorToggledHoverText)
{
    setAndRedraw(s_.ColorToggledHoverText, New_ColorToggledHoverText, "ColorToggledHoverText");
}

void InternalZSButton::setLowerToggledContent(bool New_LowerToggledContent)
{
    setAndRedraw(s_.LowerToggledContent, New_LowerToggledContent, "LowerToggledContent");
}

void InternalZSButton::setTextShadow(int32_t New_TextShadow)
{
    setAndRedraw(s_.TextShadow, New_TextShadow, "TextShadow");
}

void InternalZSButton::setTextShadowDepth(int16_t New_TextShadowDepth)
{
    if (New_TextShadowDepth == s_.TextShadowDepth)
        return;
    setAndRedraw(s_.TextShadowDepth, std::clamp<int16_t>(New_TextShadowDepth, 0, MaxTextShadowDepth),
                 "TextShadowDepth");
}

void InternalZSButton::setColorTextShadow(plat::Colour New_ColorTextShadow)
{
    setAndRedraw(s_.ColorTextShadow, New_ColorTextShadow, "ColorTextShadow");
}

void InternalZSButton::setAlignmentVertical(int32_t New_AlignmentVertical)
{
    setAndRedraw(s_.AlignmentVertical, New_AlignmentVertical, "AlignmentVertical");
}

void InternalZSButton::setAlignmentIgnoreImage(bool New_AlignmentIgnoreImage)
{
    setAndRedraw(s_.AlignmentIgnoreImage, New_AlignmentIgnoreImage, "AlignmentIgnoreImage");
}

void InternalZSButton::setCaptionToggled(const QString& New_CaptionToggled)
{
    setAndRedraw(s_.CaptionToggled, New_CaptionToggled, "CaptionToggled");
}

void InternalZSButton::setToggleGroup(const QString& New_ToggleGroup)
{
    s_.ToggleGroup = New_ToggleGroup;
    notifier().setToggleGroup(New_ToggleGroup);
    // Joining a group while switched on switches the others off.
    if (!trimSpaces(New_ToggleGroup).isEmpty() && s_.Value)
        ToggleOffGroupMembers();
    notifyChanged("ToggleGroup");
}

void InternalZSButton::setDataValue(bool New_DataValue)
{
    if (!CanPropertyChange(QStringLiteral("DataValue")))
        return;
    s_.DataValue = New_DataValue;
    notifyChanged("DataValue");
}

void InternalZSButton::setPalette(const plat::PicturePtr& New_Palette)
{
    plat::UserControl::setPalette(New_Palette);
    notifyChanged("Palette");
}

int32_t InternalZSButton::PaletteMode() const { return plat::UserControl::PaletteMode(); }

void InternalZSButton::setPaletteMode(int32_t New_PaletteMode)
{
    plat::UserControl::setPaletteMode(plat::checked16(New_PaletteMode));
    notifyChanged("PaletteMode");
}

QString InternalZSButton::memberDescription(const QString& member)
{
    static const struct {
        const char* member;
        const char* text;
    } descriptions[] = {
        {"Value", "Determines whether a toggle button appears pressed or not.  Can be DataBound.  At runtime, this "
                  "also generates 'Click' events for all button styles."},
        {"DrawFocusRectangle",
         "Determines whether or not to draw a focus rectangle when button receives focus.  Auto-set 'False' when "
         "switching to other style than 'Standard'.  If explicity set 'True' for 'Active' style, appears as if mouse "
         "hovers over.  Ignored w/ 'Graphical' style."},
        {"ToggleGroup", "Used to group ZSButtons together in toggling groups, where only one button's Value may be "
                        "'True' for each group."},
        {"CaptionToggled", "Returns/sets the text that appears on the button when toggled.  If blank, 'Caption' is "
                           "used."},
        {"TextShadowDepth",
         "Determines the number of pixels down and to the right the caption's shadow will be drawn, when TextShadow "
         "= 'zorShadow'.  A value of '0' makes the shadow scale to the size of the font."},
        {"DataValue", "INTERNAL USE ONLY.  Returns/sets the value used when the ZSButton is bound to a data source."},
    };
    for (const auto& d : descriptions)
        if (member.compare(QLatin1String(d.member), Qt::CaseInsensitive) == 0)
            return QString::fromLatin1(d.text);
    return {};
}

} // namespace button
