// The list bar's 39 settings in the host's design data: defaults of a newly
// placed control, loading and saving. All three store straight into the
// fields, never through the public setters: no range check, no search for
// the image list, nothing carried to bars, nothing marked, no redraw. Each
// key is handled on its own; one that fails leaves its field as it was.
#include "ZSListBar.h"

#include "PaintSupport.h"

#include <PropertyBag.h>

namespace listbar {

using paint::deref;

namespace {

// Defaults of the settings (the same on every side).
namespace def {
constexpr plat::Colour BackColor = 0x80000010u;
constexpr plat::Colour ForeColor = 0x80000005u;
constexpr plat::Colour ColorButton = 0x8000000Fu;
constexpr plat::Colour ColorHighlight = 0x80000014u;
constexpr plat::Colour ColorShadow = 0x80000010u;
constexpr plat::Colour ColorOutline = 0x80000015u;
constexpr plat::Colour ColorText = 0x80000012u;
constexpr plat::Colour ColorTextShadow = 0x80000010u;
constexpr plat::Colour ColorTextHover = 0x80000012u;
constexpr plat::Colour ColorSelection = 0x80000012u;
constexpr plat::Colour ColorInsertLines = 0x80000015u;
constexpr int32_t Style = 0;
constexpr bool AcclimateGrayTones = false;
constexpr plat::Colour MaskColor = 0xC0C0C0u;
constexpr bool UseMaskColor = true;
constexpr int32_t IconSource = 1;
constexpr int32_t BorderStyle = 2;
constexpr int32_t ButtonTextPosition = 1;
constexpr int32_t Orientation = 0;
constexpr int32_t AnimationStyle = 1;
constexpr bool AllowUserCustomize = false;
constexpr bool ActiveBarOnTop = false;
constexpr bool ActiveButtons = true;
constexpr int16_t ButtonMargin = 0;
constexpr int32_t TextShadow = 0;
constexpr int16_t TextShadowDepth = 0;
constexpr int16_t ButtonImageSize = 32;
constexpr int16_t PicClipCell = 32;
constexpr bool Enabled = true;
constexpr int32_t MousePointer = 0;
constexpr int32_t MousePointerBarTab = 99;
constexpr bool OLEDropAllowed = false;
} // namespace def

} // namespace

void InternalZSListBar::UserControl_InitProperties()
{
    auto toNotifier = [&](auto assign) { plat::tryStatement([&] { assign(notifier()); }); };
    toNotifier([](LBDelegate& n) { n.BackColor = def::BackColor; });
    toNotifier([](LBDelegate& n) { n.ForeColor = def::ForeColor; });
    toNotifier([](LBDelegate& n) { n.ColorButton = def::ColorButton; });
    toNotifier([](LBDelegate& n) { n.ColorHighlight = def::ColorHighlight; });
    toNotifier([](LBDelegate& n) { n.ColorShadow = def::ColorShadow; });
    toNotifier([](LBDelegate& n) { n.ColorOutline = def::ColorOutline; });
    toNotifier([](LBDelegate& n) { n.ColorText = def::ColorText; });
    toNotifier([](LBDelegate& n) { n.ColorTextShadow = def::ColorTextShadow; });
    toNotifier([](LBDelegate& n) { n.ColorTextHover = def::ColorTextHover; });
    toNotifier([](LBDelegate& n) { n.ColorSelection = def::ColorSelection; });
    toNotifier([](LBDelegate& n) { n.ColorInsertLines = def::ColorInsertLines; });

    ListBarState& s = state_;
    s.Style = def::Style;
    s.AcclimateGrayTones = def::AcclimateGrayTones;
    s.MaskColor = def::MaskColor;
    s.UseMaskColor = def::UseMaskColor;
    s.IconSource = def::IconSource;
    s.ImageListControl.clear();
    s.PictureClip.reset();
    s.PicClipCellWidth = def::PicClipCell;
    s.PicClipCellHeight = def::PicClipCell;
    toNotifier([](LBDelegate& n) { n.ButtonTextPosition = def::ButtonTextPosition; });
    s.BorderStyle = def::BorderStyle;
    s.Orientation = def::Orientation;
    animationStyle_ = def::AnimationStyle;
    allowUserCustomize_ = def::AllowUserCustomize;
    s.ActiveBarOnTop = def::ActiveBarOnTop;
    s.ActiveButtons = def::ActiveButtons;
    s.ButtonMarginLeftTop = def::ButtonMargin;
    s.ButtonMarginRightBottom = def::ButtonMargin;
    toNotifier([](LBDelegate& n) { n.TextShadow = def::TextShadow; });
    toNotifier([](LBDelegate& n) { n.TextShadowDepth = def::TextShadowDepth; });
    toNotifier([](LBDelegate& n) { n.ButtonImageSize = def::ButtonImageSize; });

    // The container's font (the ambient value is a copy of its own).
    toNotifier([&](LBDelegate& n) { n.BarFont = Ambient().Font; });
    plat::tryStatement([&] { UserControl::setEnabled(def::Enabled); });
    mouseIcon_.reset();
    mouseIconBarTab_ = builtInBarTabCursor_;
    mousePointer_ = def::MousePointer;
    mousePointerBarTab_ = def::MousePointerBarTab;
    oleDropAllowed_ = def::OLEDropAllowed;
}

void InternalZSListBar::UserControl_ReadProperties(plat::PropertyBag& PropBag)
{
    ListBarState& s = state_;
    auto read = [&](const char* key, const plat::Variant& defaultValue, auto store) {
        plat::tryStatement([&] { store(PropBag.ReadProperty(QString::fromLatin1(key), defaultValue)); });
    };
    // A colour key of the notifier.
    auto colour = [&](const char* key, plat::Colour defaultValue, plat::Colour LBDelegate::*field) {
        read(key, plat::Variant(defaultValue), [&](const plat::Variant& v) { notifier().*field = plat::bagColour(v); });
    };

    colour("BackColor", def::BackColor, &LBDelegate::BackColor);
    colour("ForeColor", def::ForeColor, &LBDelegate::ForeColor);
    colour("ColorButton", def::ColorButton, &LBDelegate::ColorButton);
    colour("ColorHighlight", def::ColorHighlight, &LBDelegate::ColorHighlight);
    colour("ColorShadow", def::ColorShadow, &LBDelegate::ColorShadow);
    colour("ColorOutline", def::ColorOutline, &LBDelegate::ColorOutline);
    colour("ColorText", def::ColorText, &LBDelegate::ColorText);
    colour("ColorTextShadow", def::ColorTextShadow, &LBDelegate::ColorTextShadow);
    colour("ColorTextHover", def::ColorTextHover, &LBDelegate::ColorTextHover);
    colour("ColorSelection", def::ColorSelection, &LBDelegate::ColorSelection);
    colour("ColorInsertLines", def::ColorInsertLines, &LBDelegate::ColorInsertLines);
    read("Style", def::Style, [&](const plat::Variant& v) { s.Style = v.toLong(); });
    read("Font", plat::Variant(Ambient().Font),
         [&](const plat::Variant& v) { notifier().BarFont = plat::bagObject<plat::Font>(v); });
    read("AcclimateGrayTones", def::AcclimateGrayTones,
         [&](const plat::Variant& v) { s.AcclimateGrayTones = v.toBool(); });
    read("MaskColor", plat::Variant(def::MaskColor), [&](const plat::Variant& v) { s.MaskColor = plat::bagColour(v); });
    read("UseMaskColor", def::UseMaskColor, [&](const plat::Variant& v) { s.UseMaskColor = v.toBool(); });
    read("IconSource", def::IconSource, [&](const plat::Variant& v) { s.IconSource = v.toLong(); });
    read("ImageListControl", QString(), [&](const plat::Variant& v) { s.ImageListControl = v.toString(); });
    read("PictureClip", plat::Variant::nothing(),
         [&](const plat::Variant& v) { s.PictureClip = plat::bagObject<plat::Picture>(v); });
    read("BorderStyle", def::BorderStyle, [&](const plat::Variant& v) { s.BorderStyle = v.toLong(); });
    read("ButtonTextPosition", def::ButtonTextPosition,
         [&](const plat::Variant& v) { notifier().ButtonTextPosition = v.toLong(); });
    read("Orientation", def::Orientation, [&](const plat::Variant& v) { s.Orientation = v.toLong(); });
    read("AnimationStyle", def::AnimationStyle, [&](const plat::Variant& v) { animationStyle_ = v.toLong(); });
    read("AllowUserCustomize", def::AllowUserCustomize,
         [&](const plat::Variant& v) { allowUserCustomize_ = v.toBool(); });
    read("ActiveBarOnTop", def::ActiveBarOnTop, [&](const plat::Variant& v) { s.ActiveBarOnTop = v.toBool(); });
    read("ActiveButtons", def::ActiveButtons, [&](const plat::Variant& v) { s.ActiveButtons = v.toBool(); });
    read("ButtonMarginLeftTop", def::ButtonMargin,
         [&](const plat::Variant& v) { s.ButtonMarginLeftTop = v.toInteger(); });
    read("ButtonMarginRightBottom", def::ButtonMargin,
         [&](const plat::Variant& v) { s.ButtonMarginRightBottom = v.toInteger(); });
    read("TextShadow", def::TextShadow, [&](const plat::Variant& v) { notifier().TextShadow = v.toLong(); });
    read("TextShadowDepth", def::TextShadowDepth,
         [&](const plat::Variant& v) { notifier().TextShadowDepth = v.toInteger(); });
    read("ButtonImageSize", def::ButtonImageSize,
         [&](const plat::Variant& v) { notifier().ButtonImageSize = v.toInteger(); });
    read("PicClipCellWidth", def::PicClipCell, [&](const plat::Variant& v) { s.PicClipCellWidth = v.toLong(); });
    read("PicClipCellHeight", def::PicClipCell, [&](const plat::Variant& v) { s.PicClipCellHeight = v.toLong(); });
    read("Enabled", def::Enabled, [&](const plat::Variant& v) { UserControl::setEnabled(v.toBool()); });
    read("MouseIcon", plat::Variant::nothing(),
         [&](const plat::Variant& v) { mouseIcon_ = plat::bagObject<plat::Picture>(v); });
    read("MouseIconBarTab", plat::Variant(builtInBarTabCursor_),
         [&](const plat::Variant& v) { mouseIconBarTab_ = plat::bagObject<plat::Picture>(v); });
    read("MousePointer", def::MousePointer, [&](const plat::Variant& v) { mousePointer_ = v.toLong(); });
    read("MousePointerBarTab", def::MousePointerBarTab,
         [&](const plat::Variant& v) { mousePointerBarTab_ = v.toLong(); });
    read("OLEDropAllowed", def::OLEDropAllowed, [&](const plat::Variant& v) { oleDropAllowed_ = v.toBool(); });
}

void InternalZSListBar::UserControl_WriteProperties(plat::PropertyBag& PropBag)
{
    const ListBarState& s = state_;
    auto write = [&](const char* key, auto value, const plat::Variant& defaultValue) {
        plat::tryStatement(
            [&] { PropBag.WriteProperty(QString::fromLatin1(key), plat::Variant(value()), defaultValue); });
    };
    auto colour = [&](const char* key, plat::Colour LBDelegate::*field, plat::Colour defaultValue) {
        write(key, [&] { return notifier().*field; }, plat::Variant(defaultValue));
    };

    colour("BackColor", &LBDelegate::BackColor, def::BackColor);
    colour("ForeColor", &LBDelegate::ForeColor, def::ForeColor);
    colour("ColorButton", &LBDelegate::ColorButton, def::ColorButton);
    colour("ColorHighlight", &LBDelegate::ColorHighlight, def::ColorHighlight);
    colour("ColorShadow", &LBDelegate::ColorShadow, def::ColorShadow);
    colour("ColorOutline", &LBDelegate::ColorOutline, def::ColorOutline);
    colour("ColorText", &LBDelegate::ColorText, def::ColorText);
    colour("ColorTextShadow", &LBDelegate::ColorTextShadow, def::ColorTextShadow);
    colour("ColorTextHover", &LBDelegate::ColorTextHover, def::ColorTextHover);
    colour("ColorSelection", &LBDelegate::ColorSelection, def::ColorSelection);
    colour("ColorInsertLines", &LBDelegate::ColorInsertLines, def::ColorInsertLines);
    write("Style", [&] { return s.Style; }, def::Style);
    write("Font", [&] { return notifier().BarFont; }, plat::Variant(Ambient().Font));
    write("AcclimateGrayTones", [&] { return s.AcclimateGrayTones; }, def::AcclimateGrayTones);
    write("MaskColor", [&] { return s.MaskColor; }, plat::Variant(def::MaskColor));
    write("UseMaskColor", [&] { return s.UseMaskColor; }, def::UseMaskColor);
    write("IconSource", [&] { return s.IconSource; }, def::IconSource);
    write("ImageListControl", [&] { return s.ImageListControl; }, QString());
    write("PictureClip", [&] { return s.PictureClip; }, plat::Variant::nothing());
    write("BorderStyle", [&] { return s.BorderStyle; }, def::BorderStyle);
    write("ButtonTextPosition", [&] { return notifier().ButtonTextPosition; }, def::ButtonTextPosition);
    write("Orientation", [&] { return s.Orientation; }, def::Orientation);
    write("AnimationStyle", [&] { return animationStyle_; }, def::AnimationStyle);
    write("AllowUserCustomize", [&] { return allowUserCustomize_; }, def::AllowUserCustomize);
    write("ActiveBarOnTop", [&] { return s.ActiveBarOnTop; }, def::ActiveBarOnTop);
    write("ActiveButtons", [&] { return s.ActiveButtons; }, def::ActiveButtons);
    write("ButtonMarginLeftTop", [&] { return s.ButtonMarginLeftTop; }, def::ButtonMargin);
    write("ButtonMarginRightBottom", [&] { return s.ButtonMarginRightBottom; }, def::ButtonMargin);
    write("TextShadow", [&] { return notifier().TextShadow; }, def::TextShadow);
    write("TextShadowDepth", [&] { return notifier().TextShadowDepth; }, def::TextShadowDepth);
    write("ButtonImageSize", [&] { return notifier().ButtonImageSize; }, def::ButtonImageSize);
    write("PicClipCellWidth", [&] { return s.PicClipCellWidth; }, def::PicClipCell);
    write("PicClipCellHeight", [&] { return s.PicClipCellHeight; }, def::PicClipCell);
    write("Enabled", [&] { return Enabled(); }, def::Enabled);
    write("MouseIcon", [&] { return mouseIcon_; }, plat::Variant::nothing());
    write("MouseIconBarTab", [&] { return mouseIconBarTab_; }, plat::Variant(builtInBarTabCursor_));
    write("MousePointer", [&] { return mousePointer_; }, def::MousePointer);
    write("MousePointerBarTab", [&] { return mousePointerBarTab_; }, def::MousePointerBarTab);
    write("OLEDropAllowed", [&] { return oleDropAllowed_; }, def::OLEDropAllowed);
}

} // namespace listbar
