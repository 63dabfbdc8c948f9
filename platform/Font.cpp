#include "Font.h"

#include "Error.h"
#include "Units.h"

#include <algorithm>
#include <cmath>

namespace plat {

Font::Font() : name_(QStringLiteral("MS Sans Serif")) {}

Font::Font(const QString& name, double size, bool bold) : name_(name)
{
    setSize(size);
    setBold(bold);
}

FontPtr Font::make(const QString& name, double size, bool bold) { return std::make_shared<Font>(name, size, bold); }

void Font::setSize(double points)
{
    // The size must stay a number that the whole-number conversions of the
    // drawing code (pixel heights, 16-bit font sizes) can hold; a negative
    // size is no size at all.
    if (!std::isfinite(points) || points < 0 || points > 32767.0)
        raise(err::InvalidProperty);
    size10000_ = int64_t(roundEven(points * 10000.0));
}

void Font::setWeight(int32_t w)
{
    if (w < 0 || w > 1000)
        raise(err::InvalidProperty);
    weight_ = int16_t(w);
}

void Font::setCharset(int32_t c)
{
    if (c < 0 || c > 255)
        raise(err::InvalidProperty);
    charset_ = int16_t(c);
}

FontPtr Font::clone() const { return std::make_shared<Font>(*this); }

bool Font::sameValue(const Font& o) const
{
    return name_.compare(o.name_, Qt::CaseInsensitive) == 0 && size10000_ == o.size10000_ && weight_ == o.weight_ &&
           charset_ == o.charset_ && italic_ == o.italic_ && underline_ == o.underline_ && strike_ == o.strike_;
}

// The faces the designs name, and the free faces drawn for them. Liberation
// Sans, Serif and Mono have the letter widths of "Arial", "Times New Roman"
// and "Courier New". The designs' usual face, "MS Sans Serif", ran narrower
// than Liberation Sans: the captions of the labels that size themselves
// measure 94 % of Liberation Sans in the designs ("Note: Custom formats
// possible." 145 pixels at 8.25 points where Liberation Sans takes 153,
// "Various System Characteristics:" 147 where it takes 156), and in it, at
// 9.75 points bold, 135 blanks and a full stop fit the splash's 539 pixels
// (blanks of 3 pixels; Liberation Sans gives them 4). So it is drawn in
// Liberation Sans with its letters at 94 % of their width: whole-pixel
// widths of 10 for 11, 12 for 13 pixels of height.
Font::StandIn Font::standInFor(const QString& name)
{
    const QString n = name.trimmed().toLower();
    if (n == "ms sans serif")
        return {QStringLiteral("Liberation Sans"), 94};
    if (n == "arial" || n == "small fonts" || n == "liberation sans")
        return {QStringLiteral("Liberation Sans"), 100};
    if (n == "times new roman" || n == "ms serif" || n == "liberation serif")
        return {QStringLiteral("Liberation Serif"), 100};
    if (n == "courier new" || n == "courier" || n == "fixedsys" || n == "terminal" || n == "liberation mono")
        return {QStringLiteral("Liberation Mono"), 100};
    return {QStringLiteral("DejaVu Sans"), 100};
}

int fontPixelSize(double points)
{
    int px = int(roundEven(points * Dpi / 72.0));
    return px < 1 ? 1 : px;
}

QFont Font::qfont() const
{
    const StandIn standIn = standInFor(name_);
    QFont f(standIn.family);
    f.setPixelSize(fontPixelSize(Size()));
    if (standIn.stretch != 100)
        f.setStretch(standIn.stretch);
    f.setWeight(QFont::Weight(std::clamp<int>(weight_, 1, 1000)));
    f.setItalic(italic_);
    f.setUnderline(underline_);
    f.setStrikeOut(strike_);
    f.setStyleStrategy(QFont::PreferMatch);
    f.setHintingPreference(QFont::PreferFullHinting);
    return f;
}

} // namespace plat
