#include "Variant.h"

#include "Error.h"
#include "Numbers.h"
#include "Picture.h"
#include "Units.h"

#include <QDate>
#include <QTime>
#include <charconv>
#include <cstdlib>
#include <cmath>
#include <limits>
#include <string>

namespace plat {

namespace {

using u128 = unsigned __int128;
using i128 = __int128;

constexpr int32_t MissingScode = int32_t(0x80020004u);
constexpr int MaxDecimalScale = 28;
const u128 MaxMantissa = (u128(1) << 96) - 1;

u128 pow10u(int n)
{
    u128 r = 1;
    while (n-- > 0)
        r *= 10;
    return r;
}

std::string u128ToDigits(u128 v)
{
    if (v == 0)
        return "0";
    std::string s;
    while (v != 0) {
        s.insert(s.begin(), char('0' + int(v % 10)));
        v /= 10;
    }
    return s;
}

// Rounds a non-negative quotient q with remainder r of a division by d half
// to even.
u128 roundHalfEven(u128 q, u128 r, u128 d)
{
    const u128 twice = r * 2;
    if (twice > d || (twice == d && (q & 1) != 0))
        return q + 1;
    return q;
}

// ---------------------------------------------------------------------------
// Text that holds a number, as the conversions read it.

struct ParsedText {
    enum Kind { Invalid, Number, Radix, Boolean } kind = Invalid;
    bool negative = false;
    std::string digits;    // significant digits of a Number, no leading zeros
    int64_t exponent = 0;  // value = digits * 10^exponent
    bool radixOverflow = false;
    int32_t radixValue = 0; // &H / &O values, 16-bit patterns sign-extended
    bool boolValue = false;
};

bool isBlank(QChar c) { return c.isSpace(); }

ParsedText parseText(const QString& s)
{
    ParsedText p;
    const int n = int(s.size());
    int i = 0;
    while (i < n && isBlank(s[i]))
        ++i;
    int end = n;
    while (end > i && isBlank(s[end - 1]))
        --end;
    if (i == end)
        return p;
    const QStringView body = QStringView(s).mid(i, end - i);

    if (body.compare(u"True", Qt::CaseInsensitive) == 0 || body.compare(u"False", Qt::CaseInsensitive) == 0) {
        p.kind = ParsedText::Boolean;
        p.boolValue = body.size() == 4;
        return p;
    }

    // &H hex, &O octal (and & followed directly by octal digits).
    if (body[0] == u'&') {
        int base = 8;
        int j = 1;
        if (j < body.size() && (body[j] == u'H' || body[j] == u'h')) {
            base = 16;
            ++j;
        } else if (j < body.size() && (body[j] == u'O' || body[j] == u'o')) {
            ++j;
        }
        if (j >= body.size())
            return p;
        uint64_t v = 0;
        for (; j < body.size(); ++j) {
            const char16_t c = body[j].unicode();
            int d = -1;
            if (c >= u'0' && c <= u'9')
                d = c - u'0';
            else if (c >= u'a' && c <= u'f')
                d = c - u'a' + 10;
            else if (c >= u'A' && c <= u'F')
                d = c - u'A' + 10;
            if (d < 0 || d >= base)
                return p;
            if (!p.radixOverflow) {
                v = v * uint64_t(base) + uint64_t(d);
                p.radixOverflow = v > 0xFFFFFFFFull;
            }
        }
        p.kind = ParsedText::Radix;
        if (!p.radixOverflow)
            p.radixValue = v <= 0xFFFF ? int32_t(int16_t(uint16_t(v))) : int32_t(uint32_t(v));
        return p;
    }

    int j = 0;
    const int m = int(body.size());
    if (body[j] == u'+' || body[j] == u'-') {
        p.negative = body[j] == u'-';
        ++j;
    }
    std::string digits;
    int64_t fractionDigits = 0;
    bool anyDigit = false;
    bool point = false;
    for (; j < m; ++j) {
        const char16_t c = body[j].unicode();
        if (c >= u'0' && c <= u'9') {
            anyDigit = true;
            if (!(digits.empty() && c == u'0'))
                digits.push_back(char(c));
            if (point)
                ++fractionDigits;
        } else if (c == u'.' && !point) {
            point = true;
        } else if (c == u',' && !point && anyDigit) {
            // thousands separator inside the whole part
        } else {
            break;
        }
    }
    if (!anyDigit)
        return p;
    int64_t exponent = 0;
    if (j < m && (body[j] == u'E' || body[j] == u'e')) {
        ++j;
        bool expNegative = false;
        if (j < m && (body[j] == u'+' || body[j] == u'-')) {
            expNegative = body[j] == u'-';
            ++j;
        }
        bool expDigit = false;
        for (; j < m && body[j] >= u'0' && body[j] <= u'9'; ++j) {
            expDigit = true;
            if (exponent < 100000)
                exponent = exponent * 10 + (body[j].unicode() - u'0');
        }
        if (!expDigit)
            return p;
        if (expNegative)
            exponent = -exponent;
    }
    if (j != m)
        return p;
    // Leading zeros of the fraction were skipped in `digits` but still count
    // as fraction digits, so the exponent stays right.
    p.kind = ParsedText::Number;
    p.exponent = exponent - fractionDigits;
    // Trailing zeros add nothing but length.
    while (!digits.empty() && digits.back() == '0') {
        digits.pop_back();
        ++p.exponent;
    }
    p.digits = std::move(digits);
    if (p.digits.empty()) {
        p.exponent = 0;
        p.negative = false;
    }
    return p;
}

[[noreturn]] void typeMismatch() { raise(err::TypeMismatch); }
[[noreturn]] void overflow() { raise(err::Overflow); }

ParsedText parseOrRaise(const QString& s)
{
    ParsedText p = parseText(s);
    if (p.kind == ParsedText::Invalid)
        typeMismatch();
    if (p.kind == ParsedText::Radix && p.radixOverflow)
        overflow();
    return p;
}

double digitsToDouble(const ParsedText& p)
{
    if (p.digits.empty())
        return 0.0;
    const std::string text = p.digits + "e" + std::to_string(p.exponent);
    double v = 0;
    const auto res = std::from_chars(text.data(), text.data() + text.size(), v);
    if (res.ec == std::errc::result_out_of_range) {
        // Only a value below 1 is too small to hold (it reads as 0); the
        // exponent alone does not say which, as "1000...0.5" has a negative
        // one. The value is digits * 10^exponent, so its magnitude is the
        // digit count plus the exponent.
        if (int64_t(p.digits.size()) + p.exponent <= 0)
            return 0.0;
        overflow();
    }
    return p.negative ? -v : v;
}

// Decimal from digits * 10^exponent, rounding away digits beyond scale 28 or
// beyond 96 bits half to even.
Decimal digitsToDecimal(bool negative, const std::string& digits, int64_t exponent)
{
    Decimal d;
    if (digits.empty())
        return d;
    d.negative = negative;
    if (exponent >= 0) {
        if (int64_t(digits.size()) + exponent > 29)
            overflow();
        u128 m = 0;
        for (char c : digits)
            m = m * 10 + u128(c - '0');
        m *= pow10u(int(exponent));
        if (m > MaxMantissa)
            overflow();
        d.mantissa = m;
        return d;
    }
    int64_t scale = -exponent;
    // Digits kept: as many as fit scale 28 and 29 digits.
    int64_t drop = std::max<int64_t>(0, scale - MaxDecimalScale);
    const int64_t len = int64_t(digits.size());
    if (len - drop > 29)
        drop = len - 29;
    for (;;) {
        const int64_t kept = len - drop;
        if (scale - drop < 0)
            overflow();
        u128 m = 0;
        for (int64_t k = 0; k < kept; ++k)
            m = m * 10 + u128(digits[size_t(k)] - '0');
        if (drop > 0) {
            // Half-even rounding on the dropped digits.
            int first = 0;
            bool rest = false;
            if (kept >= 0) {
                if (kept < len)
                    first = digits[size_t(kept)] - '0';
                for (int64_t k = kept + 1; k < len; ++k)
                    rest = rest || digits[size_t(k)] != '0';
            } else {
                rest = true; // all digits lie below the first dropped place
            }
            if (first > 5 || (first == 5 && (rest || (m & 1) != 0)))
                m += 1;
        }
        if (m > MaxMantissa) {
            ++drop;
            continue;
        }
        d.mantissa = m;
        d.scale = uint8_t(scale - drop);
        if (m == 0)
            d.negative = false;
        return d;
    }
}

// Whole number of a decimal, halves to even.
i128 decimalToWhole(const Decimal& d)
{
    const u128 div = pow10u(d.scale);
    u128 q = d.mantissa / div;
    q = roundHalfEven(q, d.mantissa % div, div);
    return d.negative ? -i128(q) : i128(q);
}

int64_t checkedRange(i128 v, int64_t lo, int64_t hi)
{
    if (v < lo || v > hi)
        overflow();
    return int64_t(v);
}

int64_t wholeFromDouble(double v, int64_t lo, int64_t hi)
{
    if (std::isnan(v))
        overflow();
    const double r = roundEven(v);
    // Compare in long double so that the int64 limits are exact.
    if ((long double)r < (long double)lo || (long double)r > (long double)hi)
        overflow();
    return int64_t(r);
}

int64_t wholeFromCurrency(int64_t scaled)
{
    const bool neg = scaled < 0;
    const u128 a = neg ? u128(-(i128)scaled) : u128(scaled);
    const u128 q = roundHalfEven(a / 10000, a % 10000, 10000);
    return neg ? -int64_t(q) : int64_t(q);
}

int compareDecimals(const Decimal& a, const Decimal& b)
{
    const bool aZero = a.mantissa == 0, bZero = b.mantissa == 0;
    const int sa = aZero ? 0 : (a.negative ? -1 : 1);
    const int sb = bZero ? 0 : (b.negative ? -1 : 1);
    if (sa != sb)
        return sa < sb ? -1 : 1;
    if (sa == 0)
        return 0;
    u128 ma = a.mantissa, mb = b.mantissa;
    int magnitude = 0; // -1: |a| < |b|
    if (a.scale != b.scale) {
        u128& smaller = a.scale < b.scale ? ma : mb;
        const u128 f = pow10u(std::abs(int(a.scale) - int(b.scale)));
        if (smaller > std::numeric_limits<u128>::max() / f) {
            magnitude = (&smaller == &ma) ? 1 : -1;
        } else {
            smaller *= f;
        }
    }
    if (magnitude == 0)
        magnitude = ma < mb ? -1 : (ma > mb ? 1 : 0);
    return sa > 0 ? magnitude : -magnitude;
}

Decimal currencyToDecimal(int64_t scaled)
{
    Decimal d;
    d.negative = scaled < 0;
    d.mantissa = d.negative ? u128(-(i128)scaled) : u128(scaled);
    d.scale = 4;
    if (d.mantissa == 0)
        d.negative = false;
    return d;
}

// Currency (scaled by 10000) of a decimal, halves to even.
int64_t decimalToCurrency(const Decimal& d)
{
    u128 m = d.mantissa;
    if (d.scale > 4) {
        const u128 div = pow10u(d.scale - 4);
        m = roundHalfEven(m / div, m % div, div);
    } else {
        const u128 f = pow10u(4 - d.scale);
        m *= f; // at most 2^96 * 10^4, fits
    }
    const i128 v = d.negative ? -i128(m) : i128(m);
    return checkedRange(v, std::numeric_limits<int64_t>::min(), std::numeric_limits<int64_t>::max());
}

QString currencyText(int64_t scaled)
{
    const bool neg = scaled < 0;
    const u128 a = neg ? u128(-(i128)scaled) : u128(scaled);
    QString text = QString::fromStdString(u128ToDigits(a / 10000));
    QString frac = QString::fromStdString(u128ToDigits(a % 10000)).rightJustified(4, u'0');
    while (frac.endsWith(u'0'))
        frac.chop(1);
    if (!frac.isEmpty())
        text += u'.' + frac;
    return neg ? u'-' + text : text;
}

// The runtime's dates run from 1 January 100 to 31 December 9999; a
// serial outside them (or not a number) overflows, before any of it is
// turned into a day count.
constexpr double FirstDateSerial = -657435.0; // exclusive: -657434.x is 1/1/100
constexpr double EndDateSerial = 2958466.0;   // exclusive: 1/1/10000

double checkedDateSerial(double serial)
{
    if (!(serial > FirstDateSerial && serial < EndDateSerial))
        overflow();
    return serial;
}

QString dateText(double serial)
{
    checkedDateSerial(serial);
    const double whole = std::trunc(serial);
    const double frac = std::fabs(serial - whole);
    const QDate base(1899, 12, 30);
    const QDate date = base.addDays(int64_t(whole));
    int64_t seconds = int64_t(roundEven(frac * 86400.0));
    if (seconds >= 86400)
        seconds = 86399;
    const QTime time = QTime(0, 0).addSecs(int(seconds));
    const QString dateStr = QStringLiteral("%1/%2/%3").arg(date.month()).arg(date.day()).arg(date.year());
    const int h12 = time.hour() % 12 == 0 ? 12 : time.hour() % 12;
    const QString timeStr = QStringLiteral("%1:%2:%3 %4")
                                .arg(h12)
                                .arg(time.minute(), 2, 10, QLatin1Char('0'))
                                .arg(time.second(), 2, 10, QLatin1Char('0'))
                                .arg(time.hour() < 12 ? QStringLiteral("AM") : QStringLiteral("PM"));
    if (whole == 0)
        return timeStr;
    if (seconds == 0)
        return dateStr;
    return dateStr + u' ' + timeStr;
}

} // namespace

// ---------------------------------------------------------------------------
// Decimal

double Decimal::toDouble() const
{
    const std::string text = u128ToDigits(mantissa) + "e-" + std::to_string(int(scale));
    double v = 0;
    std::from_chars(text.data(), text.data() + text.size(), v);
    return negative ? -v : v;
}

Decimal Decimal::fromDouble(double v)
{
    if (!std::isfinite(v) || std::fabs(v) >= 7.9228162514264337593543950336e28)
        overflow();
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::scientific, 14);
    const ParsedText p = parseText(QString::fromLatin1(buf, int(res.ptr - buf)));
    return digitsToDecimal(p.negative, p.digits, p.exponent);
}

Decimal Decimal::fromInteger(int64_t v)
{
    Decimal d;
    d.negative = v < 0;
    d.mantissa = d.negative ? u128(-(i128)v) : u128(v);
    return d;
}

QString Decimal::toString() const
{
    std::string digits = u128ToDigits(mantissa & MaxMantissa);
    if (scale > 0) {
        if (digits.size() <= scale)
            digits.insert(0, scale - digits.size() + 1, '0');
        digits.insert(digits.size() - scale, 1, '.');
        while (digits.back() == '0')
            digits.pop_back();
        if (digits.back() == '.')
            digits.pop_back();
    }
    if (negative && digits != "0")
        digits.insert(0, 1, '-');
    return QString::fromStdString(digits);
}

// ---------------------------------------------------------------------------
// Variant construction

Variant::Variant(bool v) : type_(VarType::Boolean), i_(v ? -1 : 0) {}
Variant::Variant(uint8_t v) : type_(VarType::Byte), i_(v) {}
Variant::Variant(int16_t v) : type_(VarType::Integer), i_(v) {}
Variant::Variant(int32_t v) : type_(VarType::Long), i_(v) {}
Variant::Variant(int64_t v) : type_(VarType::LongLong), i_(v) {}
Variant::Variant(uint32_t v) : type_(VarType::Long), i_(int32_t(v)) {}
Variant::Variant(float v) : type_(VarType::Single), d_(v) {}
Variant::Variant(double v) : type_(VarType::Double), d_(v) {}
Variant::Variant(const Decimal& v) : type_(VarType::Decimal), dec_(v) {}
Variant::Variant(const QString& v) : type_(VarType::String), s_(v) {}
Variant::Variant(const char* v) : type_(VarType::String), s_(QString::fromUtf8(v)) {}
Variant::Variant(ObjectPtr v) : type_(VarType::Object), obj_(std::move(v)) {}

Variant Variant::null()
{
    Variant v;
    v.type_ = VarType::Null;
    return v;
}

Variant Variant::missing() { return errorValue(MissingScode); }

Variant Variant::nothing() { return Variant(ObjectPtr()); }

Variant Variant::currency(int64_t scaledBy10000)
{
    Variant v;
    v.type_ = VarType::Currency;
    v.i_ = scaledBy10000;
    return v;
}

Variant Variant::currencyFromDouble(double d)
{
    if (std::isnan(d))
        overflow();
    const long double scaled = roundEven(d * 10000.0);
    if (scaled < -9223372036854775808.0L || scaled >= 9223372036854775808.0L)
        overflow();
    return currency(int64_t(scaled));
}

Variant Variant::date(double serial)
{
    Variant v;
    v.type_ = VarType::Date;
    v.d_ = checkedDateSerial(serial);
    return v;
}

Variant Variant::errorValue(int32_t scode)
{
    Variant v;
    v.type_ = VarType::Error;
    v.i_ = scode;
    return v;
}

bool Variant::isMissing() const { return type_ == VarType::Error && i_ == MissingScode; }
bool Variant::isNothing() const { return type_ == VarType::Object && !obj_; }

bool Variant::isNumber() const
{
    switch (type_) {
    case VarType::Integer:
    case VarType::Long:
    case VarType::LongLong:
    case VarType::Byte:
    case VarType::Single:
    case VarType::Double:
    case VarType::Currency:
    case VarType::Decimal:
        return true;
    default:
        return false;
    }
}

// ---------------------------------------------------------------------------
// Conversions

namespace {
// Values that every conversion treats alike: Null raises 94, objects and
// error values 13.
void rejectNonValues(const Variant& v)
{
    switch (v.type()) {
    case VarType::Null:
        raise(94);
    case VarType::Object:
    case VarType::Error:
        typeMismatch();
    default:
        break;
    }
}

} // namespace

double Variant::toDouble() const
{
    rejectNonValues(*this);
    switch (type_) {
    case VarType::Empty:
        return 0.0;
    case VarType::Single:
    case VarType::Double:
    case VarType::Date:
        return d_;
    case VarType::Currency:
        return double(i_) / 10000.0;
    case VarType::Decimal:
        return dec_.toDouble();
    case VarType::String: {
        const ParsedText p = parseOrRaise(s_);
        if (p.kind == ParsedText::Boolean)
            return p.boolValue ? -1.0 : 0.0;
        if (p.kind == ParsedText::Radix)
            return p.radixValue;
        return digitsToDouble(p);
    }
    default:
        return double(i_); // whole-number types
    }
}

Decimal Variant::toDecimal() const
{
    rejectNonValues(*this);
    switch (type_) {
    case VarType::Empty:
        return Decimal{};
    case VarType::Single:
    case VarType::Double:
    case VarType::Date:
        return Decimal::fromDouble(d_);
    case VarType::Currency:
        return currencyToDecimal(i_);
    case VarType::Decimal:
        return dec_;
    case VarType::String: {
        const ParsedText p = parseOrRaise(s_);
        if (p.kind == ParsedText::Boolean)
            return Decimal::fromInteger(p.boolValue ? -1 : 0);
        if (p.kind == ParsedText::Radix)
            return Decimal::fromInteger(p.radixValue);
        return digitsToDecimal(p.negative, p.digits, p.exponent);
    }
    default:
        return Decimal::fromInteger(i_);
    }
}

int64_t Variant::toLongLong() const
{
    constexpr int64_t lo = std::numeric_limits<int64_t>::min(), hi = std::numeric_limits<int64_t>::max();
    rejectNonValues(*this);
    switch (type_) {
    case VarType::Empty:
        return 0;
    case VarType::Single:
    case VarType::Double:
    case VarType::Date:
        return wholeFromDouble(d_, lo, hi);
    case VarType::Currency:
        return wholeFromCurrency(i_);
    case VarType::Decimal:
        return checkedRange(decimalToWhole(dec_), lo, hi);
    case VarType::String:
        return checkedRange(decimalToWhole(toDecimal()), lo, hi);
    default:
        return i_;
    }
}

namespace {
int64_t narrowed(const Variant& v, int64_t lo, int64_t hi)
{
    // Doubles go straight to the range check, so that values beyond 64 bits
    // report an overflow as well.
    switch (v.type()) {
    case VarType::Single:
    case VarType::Double:
    case VarType::Date:
        return wholeFromDouble(v.rawDouble(), lo, hi);
    default:
        return checkedRange(v.toLongLong(), lo, hi);
    }
}
} // namespace

uint8_t Variant::toByte() const { return uint8_t(narrowed(*this, 0, 255)); }
int16_t Variant::toInteger() const { return int16_t(narrowed(*this, -32768, 32767)); }
int32_t Variant::toLong() const
{
    return int32_t(narrowed(*this, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}

float Variant::toSingle() const
{
    const double d = toDouble();
    if (std::isfinite(d) && std::fabs(d) > double(std::numeric_limits<float>::max()))
        overflow();
    return float(d);
}

int64_t Variant::toCurrencyScaled() const
{
    rejectNonValues(*this);
    switch (type_) {
    case VarType::Currency:
        return i_;
    case VarType::Decimal:
        return decimalToCurrency(dec_);
    case VarType::String:
        return decimalToCurrency(toDecimal());
    case VarType::Single:
    case VarType::Double:
    case VarType::Date:
        return currencyFromDouble(d_).rawInteger();
    case VarType::Empty:
        return 0;
    default:
        return checkedRange(i128(i_) * 10000, std::numeric_limits<int64_t>::min(),
                            std::numeric_limits<int64_t>::max());
    }
}

bool Variant::toBool() const
{
    rejectNonValues(*this);
    switch (type_) {
    case VarType::Empty:
        return false;
    case VarType::Single:
    case VarType::Double:
    case VarType::Date:
        return d_ != 0.0;
    case VarType::Decimal:
        return dec_.mantissa != 0;
    case VarType::String: {
        const ParsedText p = parseOrRaise(s_);
        if (p.kind == ParsedText::Boolean)
            return p.boolValue;
        if (p.kind == ParsedText::Radix)
            return p.radixValue != 0;
        return !p.digits.empty();
    }
    default:
        return i_ != 0;
    }
}

QString Variant::toString() const
{
    switch (type_) {
    case VarType::Empty:
        return QString();
    case VarType::Null:
        raise(94);
    case VarType::Object:
    case VarType::Error:
        typeMismatch();
    case VarType::Boolean:
        return i_ ? QStringLiteral("True") : QStringLiteral("False");
    case VarType::Single:
        return singleText(float(d_));
    case VarType::Double:
        return numberText(d_);
    case VarType::Currency:
        return currencyText(i_);
    case VarType::Decimal:
        return dec_.toString();
    case VarType::Date:
        return dateText(d_);
    case VarType::String:
        return s_;
    default:
        return QString::number(i_);
    }
}

ObjectPtr Variant::toObject() const
{
    if (type_ != VarType::Object)
        raise(err::ObjectRequired);
    return obj_;
}

// ---------------------------------------------------------------------------
// Equality

namespace {
enum class NumKind { Whole, Currency, Floating, Decimal };

NumKind kindOf(const Variant& v)
{
    switch (v.type()) {
    case VarType::Currency:
        return NumKind::Currency;
    case VarType::Single:
    case VarType::Double:
    case VarType::Date:
        return NumKind::Floating;
    case VarType::Decimal:
        return NumKind::Decimal;
    default:
        return NumKind::Whole; // Empty counts as 0
    }
}

bool comparesAsNumber(const Variant& v)
{
    return v.isEmpty() || v.isNumber() || v.type() == VarType::Boolean || v.type() == VarType::Date;
}

long double asLongDouble(const Variant& v)
{
    switch (kindOf(v)) {
    case NumKind::Floating:
        return v.rawDouble();
    case NumKind::Currency:
        return (long double)v.rawInteger() / 10000.0L;
    case NumKind::Decimal:
        return v.rawDecimal().toDouble();
    case NumKind::Whole:
        break;
    }
    return (long double)v.rawInteger();
}

Decimal asDecimal(const Variant& v)
{
    if (kindOf(v) == NumKind::Currency)
        return currencyToDecimal(v.rawInteger());
    if (kindOf(v) == NumKind::Decimal)
        return v.rawDecimal();
    return Decimal::fromInteger(v.rawInteger());
}

bool sameNumber(const Variant& a, const Variant& b)
{
    const NumKind ka = kindOf(a), kb = kindOf(b);
    if (ka == NumKind::Floating || kb == NumKind::Floating)
        return asLongDouble(a) == asLongDouble(b);
    if (ka == NumKind::Decimal || kb == NumKind::Decimal)
        return compareDecimals(asDecimal(a), asDecimal(b)) == 0;
    if (ka == NumKind::Currency || kb == NumKind::Currency) {
        const i128 sa = ka == NumKind::Currency ? i128(a.rawInteger()) : i128(a.rawInteger()) * 10000;
        const i128 sb = kb == NumKind::Currency ? i128(b.rawInteger()) : i128(b.rawInteger()) * 10000;
        return sa == sb;
    }
    return a.rawInteger() == b.rawInteger();
}
} // namespace

bool sameValue(const Variant& a, const Variant& b)
{
    if (a.isNull() || b.isNull())
        return false;
    if (a.isObject() || b.isObject()) {
        if (!a.isObject() || !b.isObject())
            return false;
        const auto pa = std::dynamic_pointer_cast<Picture>(a.rawObject());
        const auto pb = std::dynamic_pointer_cast<Picture>(b.rawObject());
        if (pa && pb)
            return samePicture(pa, pb);
        return a.rawObject() == b.rawObject();
    }
    if (a.type() == VarType::Error || b.type() == VarType::Error)
        return a.type() == b.type() && a.rawInteger() == b.rawInteger();
    if (a.isEmpty() && b.isEmpty())
        return true;
    if (a.isString() || b.isString()) {
        if (a.isString() && b.isString())
            return a.rawString() == b.rawString();
        const Variant& other = a.isString() ? b : a;
        const Variant& text = a.isString() ? a : b;
        return other.isEmpty() && text.rawString().isEmpty();
    }
    if (comparesAsNumber(a) && comparesAsNumber(b))
        return sameNumber(a, b);
    return false;
}

bool isNumericText(const QString& s)
{
    const ParsedText p = parseText(s);
    return p.kind == ParsedText::Number || (p.kind == ParsedText::Radix && !p.radixOverflow);
}

} // namespace plat
