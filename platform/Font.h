// The runtime's font object: one shared, mutable object. Whoever holds a
// FontPtr sees every change made through any other holder of the same
// pointer; `clone()` makes an independent copy.
#pragma once
#include "Object.h"

#include <QFont>
#include <QString>
#include <cstdint>
#include <memory>

namespace plat {

class Font;
using FontPtr = std::shared_ptr<Font>;

class Font : public Object {
public:
    Font();
    Font(const QString& name, double size, bool bold = false);
    static FontPtr make(const QString& name = QStringLiteral("MS Sans Serif"), double size = 8.25,
                        bool bold = false);

    QString Name() const { return name_; }
    void setName(const QString& n) { name_ = n; }
    // Size in points, kept as a fixed-point value with four decimals. The
    // setters below raise 380 "Invalid property value" for a value out of
    // their range and keep the value they had: sizes 0 to 32767, weights 0
    // to 1000, character sets 0 to 255.
    double Size() const { return double(size10000_) / 10000.0; }
    void setSize(double points);
    bool Bold() const { return weight_ >= 600; }
    void setBold(bool b) { weight_ = b ? 700 : 400; }
    bool Italic() const { return italic_; }
    void setItalic(bool b) { italic_ = b; }
    bool Underline() const { return underline_; }
    void setUnderline(bool b) { underline_ = b; }
    bool Strikethrough() const { return strike_; }
    void setStrikethrough(bool b) { strike_ = b; }
    int16_t Weight() const { return weight_; }
    void setWeight(int32_t w);
    int16_t Charset() const { return charset_; }
    void setCharset(int32_t c);

    FontPtr clone() const;
    bool sameValue(const Font& other) const;

    // The Qt font for drawing at the fixed 96 DPI: the em height in pixels is
    // the size in points * 96 / 72, rounded half to even; the letters as wide
    // as standInFor() says.
    QFont qfont() const;
    // The free face that stands in for a classic face name, and the width
    // of its letters in percent of their own (QFont::setStretch) that makes
    // text measure as it did in the classic face.
    struct StandIn {
        QString family;
        int stretch = 100;
    };
    static StandIn standInFor(const QString& name);

private:
    QString name_;
    int64_t size10000_ = 82500;
    int16_t weight_ = 400;
    int16_t charset_ = 0;
    bool italic_ = false;
    bool underline_ = false;
    bool strike_ = false;
};

// Pixel height of a point size at 96 DPI (halves to even).
int fontPixelSize(double points);

} // namespace plat
