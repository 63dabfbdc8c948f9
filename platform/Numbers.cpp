#include "Numbers.h"

#include "Error.h"
#include "Units.h"
#include "Variant.h"

#include <QLocale>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace plat {

namespace {

int64_t wholeInRange(double v, int64_t lo, int64_t hi)
{
    if (std::isnan(v))
        raise(err::Overflow);
    const double r = roundEven(v);
    if (r < double(lo) || r > double(hi))
        raise(err::Overflow);
    return int64_t(r);
}

// Text of a double in the C locale's %.*G form: exponent form for exponents
// below -4 or at least `precision`, upper-case "E", no negative zero.
QString generalText(double v, int precision)
{
    if (v == 0.0)
        return QStringLiteral("0");
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::general, precision);
    QString s = QString::fromLatin1(buf, int(res.ptr - buf));
    return s.toUpper();
}

// Whether a number text ("-123.45e-6" form) that a double cannot hold is
// too small rather than too large: the place of its first significant digit
// plus its exponent, at most 0, means a value below 1.
bool isBelowOne(const std::string& number)
{
    const size_t e = number.find('e');
    const std::string mantissa = number.substr(0, e);
    bool found = false, point = false;
    int64_t wholeDigits = 0, leadingFractionZeros = 0;
    for (char c : mantissa) {
        if (c == '.') {
            point = true;
        } else if (c >= '0' && c <= '9') {
            if (!found && c == '0') {
                if (point)
                    ++leadingFractionZeros;
                continue;
            }
            found = true;
            if (!point)
                ++wholeDigits;
        }
    }
    if (!found)
        return true;
    // Decimal place of the first significant digit: 1 for units, 0 for
    // tenths, -1 for hundredths.
    const int64_t place = wholeDigits > 0 ? wholeDigits : -leadingFractionZeros;
    int64_t exponent = 0;
    if (e != std::string::npos) {
        size_t i = e + 1;
        const bool negative = i < number.size() && number[i] == '-';
        if (i < number.size() && (number[i] == '-' || number[i] == '+'))
            ++i;
        for (; i < number.size(); ++i)
            if (exponent < 100000000)
                exponent = exponent * 10 + (number[i] - '0');
        if (negative)
            exponent = -exponent;
    }
    return place + exponent <= 0;
}

} // namespace

int16_t CInt(double v) { return int16_t(wholeInRange(v, -32768, 32767)); }
int16_t CInt(const Variant& v) { return v.toInteger(); }
int32_t CLng(double v)
{
    return int32_t(wholeInRange(v, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}
int32_t CLng(const Variant& v) { return v.toLong(); }
uint8_t CByte(double v) { return uint8_t(wholeInRange(v, 0, 255)); }
double CDbl(const Variant& v) { return v.toDouble(); }
Decimal CDec(const Variant& v) { return v.toDecimal(); }
QString CStr(const Variant& v) { return v.toString(); }
bool CBool(const Variant& v) { return v.toBool(); }

double Val(const QString& input)
{
    // Blanks, tabs and line feeds are ignored wherever they stand.
    std::string s;
    s.reserve(size_t(input.size()));
    for (QChar c : input) {
        if (c == u' ' || c == u'\t' || c == u'\n')
            continue;
        s.push_back(c.unicode() < 128 ? char(c.unicode()) : '\x7f');
    }
    size_t i = 0;
    const size_t n = s.size();

    if (i < n && s[i] == '&') {
        ++i;
        int base = 8;
        if (i < n && (s[i] == 'H' || s[i] == 'h')) {
            base = 16;
            ++i;
        } else if (i < n && (s[i] == 'O' || s[i] == 'o')) {
            ++i;
        }
        uint64_t v = 0;
        for (; i < n; ++i) {
            int d = -1;
            const char c = s[i];
            if (c >= '0' && c <= '9')
                d = c - '0';
            else if (c >= 'a' && c <= 'f')
                d = c - 'a' + 10;
            else if (c >= 'A' && c <= 'F')
                d = c - 'A' + 10;
            if (d < 0 || d >= base)
                break;
            v = v * uint64_t(base) + uint64_t(d);
            if (v > 0xFFFFFFFFull)
                raise(err::Overflow);
        }
        // Up to 16 bits the value is an Integer, up to 32 bits a Long: both
        // read as two's complement patterns.
        return v <= 0xFFFF ? double(int16_t(uint16_t(v))) : double(int32_t(uint32_t(v)));
    }

    std::string number;
    if (i < n && (s[i] == '+' || s[i] == '-')) {
        if (s[i] == '-')
            number.push_back('-');
        ++i;
    }
    bool digits = false;
    bool point = false;
    for (; i < n; ++i) {
        const char c = s[i];
        if (c >= '0' && c <= '9') {
            digits = true;
            number.push_back(c);
        } else if (c == '.' && !point) {
            point = true;
            number.push_back(c);
        } else {
            break;
        }
    }
    if (!digits)
        return 0.0;
    if (i < n && (s[i] == 'E' || s[i] == 'e' || s[i] == 'D' || s[i] == 'd')) {
        size_t j = i + 1;
        std::string exp = "e";
        if (j < n && (s[j] == '+' || s[j] == '-'))
            exp.push_back(s[j++]);
        bool expDigits = false;
        for (; j < n && s[j] >= '0' && s[j] <= '9'; ++j) {
            expDigits = true;
            exp.push_back(s[j]);
        }
        if (expDigits)
            number += exp;
    }
    if (number.front() == '-' && number.size() > 1 && number[1] == '.')
        number.insert(1, 1, '0');
    if (number.front() == '.')
        number.insert(0, 1, '0');
    double v = 0;
    const auto res = std::from_chars(number.data(), number.data() + number.size(), v);
    if (res.ec == std::errc::result_out_of_range) {
        if (isBelowOne(number))
            return 0.0; // too small to hold
        raise(err::Overflow);
    }
    return v;
}

double Int(double v) { return std::floor(v); }
double Fix(double v) { return std::trunc(v); }

int32_t IntDiv(double a, double b)
{
    const int32_t x = CLng(a);
    const int32_t y = CLng(b);
    if (y == 0)
        raise(err::DivisionByZero);
    return checked32(int64_t(x) / int64_t(y));
}

int16_t IntDiv16(double a, double b)
{
    const int16_t x = CInt(a);
    const int16_t y = CInt(b);
    if (y == 0)
        raise(err::DivisionByZero);
    return checked16(int64_t(x) / int64_t(y));
}

int32_t Mod(double a, double b)
{
    const int32_t x = CLng(a);
    const int32_t y = CLng(b);
    if (y == 0)
        raise(err::DivisionByZero);
    return int32_t(int64_t(x) % int64_t(y));
}

int16_t checked16(int64_t v)
{
    if (v < -32768 || v > 32767)
        raise(err::Overflow);
    return int16_t(v);
}

int32_t checked32(int64_t v)
{
    if (v < std::numeric_limits<int32_t>::min() || v > std::numeric_limits<int32_t>::max())
        raise(err::Overflow);
    return int32_t(v);
}

int16_t add16(int32_t a, int32_t b) { return checked16(int64_t(a) + b); }
int16_t sub16(int32_t a, int32_t b) { return checked16(int64_t(a) - b); }
int16_t mul16(int32_t a, int32_t b) { return checked16(int64_t(a) * b); }

namespace {
int32_t checkedWide(__int128 v)
{
    if (v < std::numeric_limits<int32_t>::min() || v > std::numeric_limits<int32_t>::max())
        raise(err::Overflow);
    return int32_t(v);
}
} // namespace

int32_t add32(int64_t a, int64_t b) { return checkedWide(__int128(a) + b); }
int32_t sub32(int64_t a, int64_t b) { return checkedWide(__int128(a) - b); }
int32_t mul32(int64_t a, int64_t b) { return checkedWide(__int128(a) * b); }

QString numberText(double v) { return generalText(v, 15); }

QString singleText(float v)
{
    if (v == 0.0f)
        return QStringLiteral("0");
    char buf[48];
    const auto res = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::general, 7);
    return QString::fromLatin1(buf, int(res.ptr - buf)).toUpper();
}

QString formatThousands(double v) { return formatThousands(v, QLocale()); }

QString formatThousands(double v, const QLocale& locale)
{
    // The formatter rounds a half away from zero (unlike the whole-number
    // conversions), and a zero shows no digits at all with "#".
    double r = std::trunc(v);
    if (std::fabs(v - r) >= 0.5)
        r += v < 0 ? -1.0 : 1.0;
    if (r == 0.0 || !std::isfinite(r))
        return QString();
    const QString digits = QString::number(std::fabs(r), 'f', 0);
    const QString separator = locale.groupSeparator();
    QString out;
    out.reserve(1 + digits.size() + digits.size() / 3 * separator.size());
    if (r < 0)
        out += u'-';
    for (qsizetype i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            out += separator;
        out += digits[i];
    }
    return out;
}

QString Hex(int32_t v) { return QString::number(uint32_t(v), 16).toUpper(); }
QString Hex16(int16_t v) { return QString::number(uint16_t(v), 16).toUpper(); }

QString booleanText(bool v) { return v ? QStringLiteral("True") : QStringLiteral("False"); }

QString timeSpanText(double seconds)
{
    if (!std::isfinite(seconds))
        return QString();
    const double whole = std::round(std::fabs(seconds));
    if (whole > 9.0e15) // beyond whole-second precision of a double
        return QString();
    const auto total = int64_t(whole);
    const int64_t hours = total / 3600;
    const int minutes = int(total / 60 % 60);
    const int secs = int(total % 60);
    const QString text = QStringLiteral("%1:%2:%3")
                             .arg(hours, 2, 10, QLatin1Char('0'))
                             .arg(minutes, 2, 10, QLatin1Char('0'))
                             .arg(secs, 2, 10, QLatin1Char('0'));
    return seconds < 0 && total != 0 ? u'-' + text : text;
}

QString timeSpanTextFromDays(double days) { return timeSpanText(days * 86400.0); }

} // namespace plat
