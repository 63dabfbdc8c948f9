// The button's 54 settings in the host's design data: the defaults of a
// newly placed button, reading them back, writing them. Values go straight
// into the fields or onto the surface, without the properties' side effects,
// except the font and the palette, which go through their properties. Each
// step is guarded on its own: a key that cannot be read or written leaves
// its destination as it was and the next one runs.
#include "ButtonGlobals.h"
#include "ZSButton.h"

#include <Error.h>
#include <PropertyBag.h>

namespace button {

namespace {

// Defaults of the settings (the same on every side).
namespace def {
constexpr int32_t ButtonStyle = 0;
constexpr int32_t ButtonPositionImage = 0;
constexpr int16_t ButtonContentSpacing = 0;
constexpr bool AutoSize = false;
constexpr plat::Colour BackColor = 0x8000000Fu;
constexpr plat::Colour ForeColor = 0x80000012u;
constexpr bool Enabled = true;
constexpr bool FontUnderline = false;
constexpr bool FontTransparent = true;
constexpr bool FontStrikethru = false;
constexpr double FontSize = 8.25;
constexpr char FontName[] = "MS Sans Serif";
constexpr bool FontItalic = false;
constexpr bool FontBold = false;
constexpr int16_t MousePointer = 0;
constexpr int16_t OLEDropMode = 0;
constexpr int32_t BackStyle = 1;
constexpr plat::Colour ColorButton = 0x8000000Fu;
constexpr plat::Colour ColorHighlight = 0x80000014u;
constexpr plat::Colour ColorHoverText = 0x80000012u;
constexpr plat::Colour ColorShadow = 0x80000010u;
constexpr plat::Colour ColorOutline = 0x80000012u;
constexpr bool Value = false;
constexpr bool DataValue = false;
constexpr int32_t ButtonToggles = 0;
constexpr bool AcclimateGrayTones = false;
constexpr bool DisplayPersistentHover = true;
constexpr int32_t Alignment = 2;
constexpr int32_t AlignmentVertical = 2;
constexpr bool DrawFocusRectangle = true;
constexpr int16_t ScaleMode = 3;
constexpr int32_t DisabledImageExtraction = 0;
constexpr plat::Colour MaskColor = 0xC0C0C0u;
constexpr bool UseMaskColor = true;
constexpr int16_t RightToLeft = 0; // read and written as an Integer
constexpr plat::Colour ColorToggledText = 0x80000012u;
constexpr plat::Colour ColorToggledHoverText = 0x80000012u;
constexpr bool LowerToggledContent = true;
constexpr int32_t TextShadow = 0;
constexpr int16_t TextShadowDepth = 0;
constexpr plat::Colour ColorTextShadow = 0x80000010u;
constexpr bool AlignmentIgnoreImage = false;
constexpr int16_t PaletteMode = 3;
} // namespace def

} // namespace

void InternalZSButton::UserControl_InitProperties()
{
    Settings& s = s_;
    s.ButtonStyle = def::ButtonStyle;
    s.ButtonPositionImage = def::ButtonPositionImage;
    s.ButtonContentSpacing = def::ButtonContentSpacing;
    plat::tryStatement([&] { s.Caption = Name(); });
    s.CaptionToggled.clear();
    s.AutoSize = def::AutoSize;
    plat::tryStatement([&] { setFont(Ambient().Font); });
    s.BackStyle = def::BackStyle;
    s.ButtonImage = nullptr;
    s.ButtonImageUp = nullptr;
    s.ButtonImageDown = nullptr;
    s.ButtonImageHover = nullptr;
    s.ColorButton = def::ColorButton;
    s.ColorHighlight = def::ColorHighlight;
    s.ColorHoverText = def::ColorHoverText;
    s.ColorShadow = def::ColorShadow;
    s.ColorOutline = def::ColorOutline;
    s.Value = def::Value;
    s.DataValue = def::DataValue;
    s.ButtonToggles = def::ButtonToggles;
    s.AcclimateGrayTones = def::AcclimateGrayTones;
    s.DisplayPersistentHover = def::DisplayPersistentHover;
    s.Alignment = def::Alignment;
    s.AlignmentVertical = def::AlignmentVertical;
    s.DrawFocusRectangle = def::DrawFocusRectangle;
    s.DisabledImageExtraction = def::DisabledImageExtraction;
    s.MaskColor = def::MaskColor;
    s.UseMaskColor = def::UseMaskColor;
    s.RightToLeft = def::RightToLeft != 0;
    s.ColorToggledText = def::ColorToggledText;
    s.ColorToggledHoverText = def::ColorToggledHoverText;
    s.LowerToggledContent = def::LowerToggledContent;
    s.TextShadow = def::TextShadow;
    s.TextShadowDepth = def::TextShadowDepth;
    s.ColorTextShadow = def::ColorTextShadow;
    s.AlignmentIgnoreImage = def::AlignmentIgnoreImage;
    s.ToggleGroup.clear();
    s.MouseIcon = plat::Picture::empty();
    plat::tryStatement([&] { showMouseIcon(s.MouseIcon); });
    RedrawButton(GetDrawState());
}

void InternalZSButton::UserControl_ReadProperties(plat::PropertyBag& PropBag)
{
    Settings& s = s_;
    auto read = [&](const char* key, const plat::Variant& defaultValue, auto store) {
        plat::tryStatement([&] { store(PropBag.ReadProperty(QString::fromLatin1(key), defaultValue)); });
    };
    using V = const plat::Variant&;
    auto colour = [&](const char* key, plat::Colour defaultValue, plat::Colour& field) {
        read(key, plat::Variant(defaultValue), [&](V v) { field = plat::bagColour(v); });
    };
    auto picture = [&](const char* key, plat::PicturePtr& field) {
        read(key, plat::Variant::nothing(), [&](V v) { field = plat::bagObject<plat::Picture>(v); });
    };
    // The surface font is looked up at each step: key 17 replaces it.
    auto font = [&]() -> plat::Font& {
        if (!Font())
            plat::raise(plat::err::ObjectNotSet);
        return *Font();
    };

    read("ButtonStyle", def::ButtonStyle, [&](V v) { s.ButtonStyle = v.toLong(); });
    read("ButtonPositionImage", def::ButtonPositionImage, [&](V v) { s.ButtonPositionImage = v.toLong(); });
    read("ButtonContentSpacing", def::ButtonContentSpacing, [&](V v) { s.ButtonContentSpacing = v.toInteger(); });
    read("Caption", Name(), [&](V v) { s.Caption = v.toString(); });
    read("CaptionToggled", QString(), [&](V v) { s.CaptionToggled = v.toString(); });
    read("AutoSize", def::AutoSize, [&](V v) { s.AutoSize = v.toBool(); });
    read("BackColor", plat::Variant(def::BackColor), [&](V v) { plat::UserControl::setBackColor(plat::bagColour(v)); });
    read("ForeColor", plat::Variant(def::ForeColor), [&](V v) { plat::UserControl::setForeColor(plat::bagColour(v)); });
    read("Enabled", def::Enabled, [&](V v) { plat::UserControl::setEnabled(v.toBool()); });
    read("FontUnderline", def::FontUnderline, [&](V v) { font().setUnderline(v.toBool()); });
    read("FontTransparent", def::FontTransparent, [&](V v) { plat::UserControl::setFontTransparent(v.toBool()); });
    read("FontStrikethru", def::FontStrikethru, [&](V v) { font().setStrikethrough(v.toBool()); });
    read("FontSize", def::FontSize, [&](V v) { font().setSize(v.toDouble()); });
    read("FontName", QString::fromLatin1(def::FontName), [&](V v) { font().setName(v.toString()); });
    read("FontItalic", def::FontItalic, [&](V v) { font().setItalic(v.toBool()); });
    read("FontBold", def::FontBold, [&](V v) { font().setBold(v.toBool()); });
    // A saved font object overrides the six attributes above.
    read("Font", plat::Variant(Ambient().Font), [&](V v) { setFont(plat::bagObject<plat::Font>(v)); });
    read("MouseIcon", plat::Variant(plat::Picture::empty()),
         [&](V v) { s.MouseIcon = plat::bagObject<plat::Picture>(v); });
    plat::tryStatement([&] { showMouseIcon(s.MouseIcon); });
    read("MousePointer", def::MousePointer, [&](V v) { plat::Control::setMousePointer(v.toInteger()); });
    read("OLEDropMode", def::OLEDropMode, [&](V v) { plat::UserControl::setOLEDropMode(v.toInteger()); });
    read("BackStyle", def::BackStyle, [&](V v) { s.BackStyle = v.toLong(); });
    colour("ColorButton", def::ColorButton, s.ColorButton);
    colour("ColorHighlight", def::ColorHighlight, s.ColorHighlight);
    colour("ColorHoverText", def::ColorHoverText, s.ColorHoverText);
    colour("ColorShadow", def::ColorShadow, s.ColorShadow);
    colour("ColorOutline", def::ColorOutline, s.ColorOutline);
    // Stored as it was saved: no Click, no correction for a push button.
    read("Value", def::Value, [&](V v) { s.Value = v.toBool(); });
    plat::tryStatement([&] { notifier().setValue(s.Value); });
    read("DataValue", def::DataValue, [&](V v) { s.DataValue = v.toBool(); });
    read("ButtonToggles", def::ButtonToggles, [&](V v) { s.ButtonToggles = v.toLong(); });
    read("AcclimateGrayTones", def::AcclimateGrayTones, [&](V v) { s.AcclimateGrayTones = v.toBool(); });
    read("DisplayPersistentHover", def::DisplayPersistentHover,
         [&](V v) { s.DisplayPersistentHover = v.toBool(); });
    read("Alignment", def::Alignment, [&](V v) { s.Alignment = v.toLong(); });
    read("AlignmentVertical", def::AlignmentVertical, [&](V v) { s.AlignmentVertical = v.toLong(); });
    read("DrawFocusRectangle", def::DrawFocusRectangle, [&](V v) { s.DrawFocusRectangle = v.toBool(); });
    read("ScaleMode", def::ScaleMode, [&](V v) { plat::UserControl::setScaleMode(v.toInteger()); });
    read("DisabledImageExtraction", def::DisabledImageExtraction,
         [&](V v) { s.DisabledImageExtraction = v.toLong(); });
    colour("MaskColor", def::MaskColor, s.MaskColor);
    read("UseMaskColor", def::UseMaskColor, [&](V v) { s.UseMaskColor = v.toBool(); });
    read("RightToLeft", def::RightToLeft, [&](V v) { s.RightToLeft = v.toBool(); });
    colour("ColorToggledText", def::ColorToggledText, s.ColorToggledText);
    colour("ColorToggledHoverText", def::ColorToggledHoverText, s.ColorToggledHoverText);
    read("LowerToggledContent", def::LowerToggledContent, [&](V v) { s.LowerToggledContent = v.toBool(); });
    read("TextShadow", def::TextShadow, [&](V v) { s.TextShadow = v.toLong(); });
    // Not clamped: a saved depth stays until the property is next assigned.
    read("TextShadowDepth", def::TextShadowDepth, [&](V v) { s.TextShadowDepth = v.toInteger(); });
    colour("ColorTextShadow", def::ColorTextShadow, s.ColorTextShadow);
    read("AlignmentIgnoreImage", def::AlignmentIgnoreImage, [&](V v) { s.AlignmentIgnoreImage = v.toBool(); });
    read("ToggleGroup", QString(), [&](V v) { s.ToggleGroup = v.toString(); });
    plat::tryStatement([&] { notifier().setToggleGroup(s.ToggleGroup); });

    picture("ButtonImage", s.ButtonImage);
    picture("ButtonImageUp", s.ButtonImageUp);
    picture("ButtonImageDown", s.ButtonImageDown);
    picture("ButtonImageHover", s.ButtonImageHover);
    picture("ButtonImageToggled", s.ButtonImageToggled);

    plat::tryStatement([&] { CalculateMaxImageSize(); });
    if (s.ButtonImage || s.ButtonImageUp)
        plat::tryStatement([&] { BuildAcclimatedImage(); });
    // Of two saved members of a group that are both on, the one loaded
    // later wins: the earlier one is switched off through its Value (and
    // clicks, so host code runs while the form loads).
    if (!trimSpaces(s.ToggleGroup).isEmpty() && s.Value)
        plat::tryStatement([&] { ToggleOffGroupMembers(); });
    plat::tryStatement([&] { UpdateAccessKeys(); });
    RedrawButton(GetDrawState());

    read("Palette", plat::Variant::nothing(), [&](V v) { setPalette(plat::bagObject<plat::Picture>(v)); });
    read("PaletteMode", def::PaletteMode, [&](V v) { plat::UserControl::setPaletteMode(v.toInteger()); });
}

void InternalZSButton::UserControl_WriteProperties(plat::PropertyBag& PropBag)
{
    const Settings& s = s_;
    auto write = [&](const char* key, auto value, const plat::Variant& defaultValue) {
        plat::tryStatement(
            [&] { PropBag.WriteProperty(QString::fromLatin1(key), plat::Variant(value()), defaultValue); });
    };
    auto colour = [&](const char* key, plat::Colour value, plat::Colour defaultValue) {
        write(key, [&] { return value; }, plat::Variant(defaultValue));
    };
    auto font = [&]() -> const plat::Font& {
        if (!Font())
            plat::raise(plat::err::ObjectNotSet);
        return *Font();
    };

    write("ButtonStyle", [&] { return s.ButtonStyle; }, def::ButtonStyle);
    write("ButtonPositionImage", [&] { return s.ButtonPositionImage; }, def::ButtonPositionImage);
    write("ButtonContentSpacing", [&] { return s.ButtonContentSpacing; }, def::ButtonContentSpacing);
    write("Caption", [&] { return s.Caption; }, Name());
    write("AutoSize", [&] { return s.AutoSize; }, def::AutoSize);
    write("BackColor", [&] { return BackColor(); }, plat::Variant(def::BackColor));
    write("ForeColor", [&] { return ForeColor(); }, plat::Variant(def::ForeColor));
    write("Enabled", [&] { return Enabled(); }, def::Enabled);
    write("FontUnderline", [&] { return font().Underline(); }, int16_t(0));
    write("FontTransparent", [&] { return FontTransparent(); }, def::FontTransparent);
    write("FontStrikethru", [&] { return font().Strikethrough(); }, def::FontStrikethru);
    write("FontSize", [&] { return float(font().Size()); }, def::FontSize);
    write("FontName", [&] { return font().Name(); }, QString::fromLatin1(def::FontName));
    write("FontItalic", [&] { return font().Italic(); }, def::FontItalic);
    write("FontBold", [&] { return font().Bold(); }, def::FontBold);
    write("Font", [&] { return Font(); }, plat::Variant(Ambient().Font));
    write("MouseIcon", [&] { return s.MouseIcon; }, plat::Variant(plat::Picture::empty()));
    write("MousePointer", [&] { return plat::Control::MousePointer(); }, def::MousePointer);
    write("OLEDropMode", [&] { return plat::UserControl::OLEDropMode(); }, def::OLEDropMode);
    write("BackStyle", [&] { return s.BackStyle; }, def::BackStyle);
    write("ButtonImage", [&] { return s.ButtonImage; }, plat::Variant::nothing());
    write("ButtonImageUp", [&] { return s.ButtonImageUp; }, plat::Variant::nothing());
    write("ButtonImageDown", [&] { return s.ButtonImageDown; }, plat::Variant::nothing());
    write("ButtonImageHover", [&] { return s.ButtonImageHover; }, plat::Variant::nothing());
    colour("ColorButton", s.ColorButton, def::ColorButton);
    colour("ColorHighlight", s.ColorHighlight, def::ColorHighlight);
    colour("ColorHoverText", s.ColorHoverText, def::ColorHoverText);
    colour("ColorShadow", s.ColorShadow, def::ColorShadow);
    colour("ColorOutline", s.ColorOutline, def::ColorOutline);
    write("Value", [&] { return s.Value; }, def::Value);
    write("DataValue", [&] { return s.DataValue; }, def::DataValue);
    write("ButtonToggles", [&] { return s.ButtonToggles; }, def::ButtonToggles);
    write("AcclimateGrayTones", [&] { return s.AcclimateGrayTones; }, def::AcclimateGrayTones);
    write("DisplayPersistentHover", [&] { return s.DisplayPersistentHover; }, def::DisplayPersistentHover);
    write("Alignment", [&] { return s.Alignment; }, def::Alignment);
    write("AlignmentVertical", [&] { return s.AlignmentVertical; }, def::AlignmentVertical);
    write("DrawFocusRectangle", [&] { return s.DrawFocusRectangle; }, def::DrawFocusRectangle);
    write("ScaleMode", [&] { return ScaleMode(); }, def::ScaleMode);
    write("DisabledImageExtraction", [&] { return s.DisabledImageExtraction; }, def::DisabledImageExtraction);
    colour("MaskColor", s.MaskColor, def::MaskColor);
    write("UseMaskColor", [&] { return s.UseMaskColor; }, def::UseMaskColor);
    write("RightToLeft", [&] { return s.RightToLeft; }, def::RightToLeft);
    write("ButtonImageToggled", [&] { return s.ButtonImageToggled; }, plat::Variant::nothing());
    colour("ColorToggledText", s.ColorToggledText, def::ColorToggledText);
    colour("ColorToggledHoverText", s.ColorToggledHoverText, def::ColorToggledHoverText);
    write("LowerToggledContent", [&] { return s.LowerToggledContent; }, def::LowerToggledContent);
    write("TextShadow", [&] { return s.TextShadow; }, def::TextShadow);
    write("TextShadowDepth", [&] { return s.TextShadowDepth; }, def::TextShadowDepth);
    colour("ColorTextShadow", s.ColorTextShadow, def::ColorTextShadow);
    write("AlignmentIgnoreImage", [&] { return s.AlignmentIgnoreImage; }, def::AlignmentIgnoreImage);
    write("CaptionToggled", [&] { return s.CaptionToggled; }, QString());
    write("ToggleGroup", [&] { return s.ToggleGroup; }, QString());
    write("Palette", [&] { return Palette(); }, plat::Variant::nothing());
    write("PaletteMode", [&] { return plat::UserControl::PaletteMode(); }, def::PaletteMode);
}

} // namespace button
