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

QString Font::familyFor(const QString& name)
{
    const QString n = name.trimmed().toLower();
    if (n == "ms sans serif" || n == "arial" || n == "small fonts" ||
        n == "liberation sans")
        return QStringLiteral("Liberation Sans");
    if (n == "times new roman" || n == "ms serif" || n == "liberation serif")
        return QStringLiteral("Liberation Serif");
    if (n == "courier new" || n == "courier" || n == "fixedsys" || n == "terminal" || n == "liberation mono")
        return QStringLiteral("Liberation Mono");
    return QStringLiteral("DejaVu Sans");
}

int fontPixelSize(double points)
{
    int px = int(roundEven(points * Dpi / 72.0));
    return px < 1 ? 1 : px;
}

QFont Font::qfont() const
{
    QFont f(familyFor(name_));
    f.setPixelSize(fontPixelSize(Size()));
    f.setWeight(QFont::Weight(std::clamp<int>(weight_, 1, 1000)));
    f.setItalic(italic_);
    f.setUnderline(underline_);
    f.setStrikeOut(strike_);
    f.setStyleStrategy(QFont::PreferMatch);
    f.setHintingPreference(QFont::PreferFullHinting);
    return f;
}

} // namespace plat
