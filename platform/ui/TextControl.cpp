#include "TextControl.h"

#include <QPalette>

namespace plat {

TextControl::TextControl() : font_(Font::make()) {}

void TextControl::sited()
{
    // Until the design gives a font of its own, the control takes a copy of
    // its container's.
    if (!fontGiven_)
        if (auto* c = containerInterface(); c && c->containerFont())
            font_ = c->containerFont()->clone();
    appearanceChanged();
}

void TextControl::appearanceChanged()
{
    if (!widget_)
        return;
    widget_->setFont(font_->qfont());
    QPalette pal = widget_->palette();
    // The text colour of an enabled control; a disabled one keeps the
    // style's greyed text, so that it looks disabled.
    for (const QPalette::ColorGroup g : {QPalette::Active, QPalette::Inactive}) {
        pal.setColor(g, QPalette::WindowText, toQColor(foreColor_));
        pal.setColor(g, QPalette::Text, toQColor(foreColor_));
        pal.setColor(g, QPalette::ButtonText, toQColor(foreColor_));
    }
    pal.setColor(QPalette::Window, toQColor(backColor_));
    pal.setColor(QPalette::Button, toQColor(backColor_));
    widget_->setPalette(pal);
    widget_->update();
}

void TextControl::Refresh()
{
    appearanceChanged();
    Control::Refresh();
}

void TextControl::useFieldColours()
{
    backColor_ = systemColour(syscolour::Window);
    foreColor_ = systemColour(syscolour::WindowText);
}

void TextControl::showFieldBackColor()
{
    if (!widget_)
        return;
    QPalette pal = widget_->palette();
    pal.setColor(QPalette::Base, toQColor(backColor_));
    widget_->setPalette(pal);
}

void TextControl::setBackColor(Colour c)
{
    if (c == backColor_)
        return;
    backColor_ = c;
    appearanceChanged();
}

void TextControl::setForeColor(Colour c)
{
    if (c == foreColor_)
        return;
    foreColor_ = c;
    appearanceChanged();
}

void TextControl::setFont(const FontPtr& f)
{
    if (!f)
        raise(err::ObjectRequired);
    fontGiven_ = true;
    if (f == font_)
        return;
    font_ = f;
    appearanceChanged();
}

void TextControl::setFontName(const QString& v)
{
    if (v == font_->Name())
        return;
    font_->setName(v);
    appearanceChanged();
}

void TextControl::setFontSize(double v)
{
    if (v <= 0 || v > 2160)
        raise(err::InvalidProperty);
    if (v == font_->Size())
        return;
    font_->setSize(v);
    appearanceChanged();
}

void TextControl::setFontBold(bool v)
{
    if (v == font_->Bold())
        return;
    font_->setBold(v);
    appearanceChanged();
}

void TextControl::setFontItalic(bool v)
{
    if (v == font_->Italic())
        return;
    font_->setItalic(v);
    appearanceChanged();
}

void TextControl::setFontUnderline(bool v)
{
    if (v == font_->Underline())
        return;
    font_->setUnderline(v);
    appearanceChanged();
}

void TextControl::setFontStrikethru(bool v)
{
    if (v == font_->Strikethrough())
        return;
    font_->setStrikethrough(v);
    appearanceChanged();
}

Variant TextControl::getProperty(const QString& name) const
{
    if (is(name, "BackColor"))
        return Variant(int32_t(backColor_));
    if (is(name, "ForeColor"))
        return Variant(int32_t(foreColor_));
    if (is(name, "Font"))
        return Variant(font_);
    if (is(name, "FontName"))
        return Variant(FontName());
    if (is(name, "FontSize"))
        return Variant(float(FontSize()));
    if (is(name, "FontBold"))
        return Variant(FontBold());
    if (is(name, "FontItalic"))
        return Variant(FontItalic());
    if (is(name, "FontUnderline"))
        return Variant(FontUnderline());
    if (is(name, "FontStrikethru"))
        return Variant(FontStrikethru());
    return Control::getProperty(name);
}

void TextControl::setProperty(const QString& name, const Variant& value)
{
    if (is(name, "BackColor"))
        setBackColor(colourFromVariant(value));
    else if (is(name, "ForeColor"))
        setForeColor(colourFromVariant(value));
    else if (is(name, "Font"))
        setFont(fontFromVariant(value));
    else if (is(name, "FontName"))
        setFontName(value.toString());
    else if (is(name, "FontSize"))
        setFontSize(value.toDouble());
    else if (is(name, "FontBold"))
        setFontBold(value.toBool());
    else if (is(name, "FontItalic"))
        setFontItalic(value.toBool());
    else if (is(name, "FontUnderline"))
        setFontUnderline(value.toBool());
    else if (is(name, "FontStrikethru"))
        setFontStrikethru(value.toBool());
    else
        Control::setProperty(name, value);
}

} // namespace plat
