// The number readers and writers against plain reference versions written
// here by other means (the C library's strtod, strtoull and printf, tables
// of numerals): Val, the hexadecimal, octal, binary and Roman readings of
// text, and the digits and numerals written for a value. Both sides must
// give the same value, or both the same error number.
//
// The first byte chooses the function (and the data type); the rest is the
// text, or the bytes of the value.
#include "FuzzSupport.h"

#include <Error.h>
#include <Numbers.h>
#include <NumbersImpl.h>
#include <Variant.h>

#include <bitset>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

using plat::Variant;
using plat::VarType;
using zg::ZorvaneNumbers;
using i128 = __int128;
using u128 = unsigned __int128;

// A result: a value, or the number of the error raised.
struct Outcome {
    int error = 0;
    VarType type = VarType::Empty;
    i128 value = 0;
    QString text;
    bool operator==(const Outcome&) const = default;
};

Outcome failed(int error) { return Outcome{error, VarType::Empty, 0, {}}; }

template <class F>
Outcome run(F&& f)
{
    try {
        return f();
    } catch (const plat::RuntimeError& e) {
        return failed(e.number());
    }
}

// ---- Val --------------------------------------------------------------------

double referenceVal(const QString& input)
{
    std::string s;
    for (QChar c : input)
        if (c != u' ' && c != u'\t' && c != u'\n')
            s += c.unicode() < 128 ? char(c.unicode()) : '\x7f';
    if (!s.empty() && s[0] == '&') {
        size_t i = 1;
        int base = 8;
        if (i < s.size() && (s[i] == 'H' || s[i] == 'h'))
            base = 16, ++i;
        else if (i < s.size() && (s[i] == 'O' || s[i] == 'o'))
            ++i;
        const size_t start = i;
        while (i < s.size() && std::isxdigit(static_cast<unsigned char>(s[i])) &&
               std::strtol(std::string(1, s[i]).c_str(), nullptr, 16) < base)
            ++i;
        std::string digits = s.substr(start, i - start);
        digits.erase(0, std::min(digits.find_first_not_of('0'), digits.size()));
        if (digits.size() > 16)
            plat::raise(plat::err::Overflow);
        const unsigned long long v = digits.empty() ? 0 : std::strtoull(digits.c_str(), nullptr, base);
        if (v > 0xFFFFFFFFull)
            plat::raise(plat::err::Overflow);
        // Integer width up to 16 bits, Long up to 32, read as two's complement.
        if (v <= 0xFFFF)
            return v >= 0x8000 ? double(int64_t(v) - 0x10000) : double(v);
        return v >= 0x80000000ull ? double(int64_t(v) - 0x100000000ll) : double(v);
    }
    // [sign] digits with at most one point, then an exponent (E or D) that
    // counts only with digits.
    size_t i = 0;
    std::string number;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        number += s[i++] == '-' ? "-" : "";
    bool digits = false, point = false;
    for (; i < s.size(); ++i) {
        if (std::isdigit(static_cast<unsigned char>(s[i])))
            digits = true, number += s[i];
        else if (s[i] == '.' && !point)
            point = true, number += '.';
        else
            break;
    }
    if (!digits)
        return 0.0;
    if (i < s.size() && std::strchr("EeDd", s[i]) && s[i] != '\0') {
        size_t j = i + 1;
        std::string exponent = "e";
        if (j < s.size() && (s[j] == '+' || s[j] == '-'))
            exponent += s[j++];
        const size_t first = j;
        while (j < s.size() && std::isdigit(static_cast<unsigned char>(s[j])))
            exponent += s[j++];
        if (j > first)
            number += exponent;
    }
    const double v = std::strtod(number.c_str(), nullptr);
    if (std::isinf(v))
        plat::raise(plat::err::Overflow);
    return v; // too small to hold: 0
}

void checkVal(const QString& text)
{
    double a = 0, b = 0;
    const Outcome product = run([&] {
        a = plat::Val(text);
        return Outcome{};
    });
    const Outcome reference = run([&] {
        b = referenceVal(text);
        return Outcome{};
    });
    ZG_FUZZ_CHECK(product.error == reference.error, "Val raised where the reference did not, or the other way");
    ZG_FUZZ_CHECK(a == b, "Val gave another value than the reference");
}

// ---- hexadecimal, octal and binary text ----------------------------------------

Outcome referenceDigits(const QString& text, int radix, int dataType)
{
    static const int bitsOf[] = {16, 16, 32, 32, 64, 64};
    if (dataType < 0 || dataType > 5)
        return failed(plat::err::InvalidCall);
    const int bits = bitsOf[dataType];
    const QString t = text.trimmed();
    if (t.isEmpty())
        return failed(ZorvaneNumbers::ErrBadDigits);
    std::string digits;
    for (QChar c : t) {
        const char16_t u = c.unicode();
        const int d = (u >= '0' && u <= '9')   ? u - '0'
                      : (u >= 'A' && u <= 'Z') ? u - 'A' + 10
                      : (u >= 'a' && u <= 'z') ? u - 'a' + 10
                                               : 99;
        if (d >= radix)
            return failed(ZorvaneNumbers::ErrBadDigits);
        digits += char(u);
    }
    errno = 0;
    const unsigned long long pattern = std::strtoull(digits.c_str(), nullptr, radix);
    if (errno == ERANGE || (bits < 64 && pattern >> bits != 0))
        return failed(ZorvaneNumbers::ErrTooLarge);
    const bool negative = dataType % 2 == 0 && (pattern >> (bits - 1)) & 1;
    const i128 value = negative ? i128(pattern) - (i128(1) << bits) : i128(pattern);
    static const VarType typeOf[] = {VarType::Integer,  VarType::Long,     VarType::Long,
                                     VarType::LongLong, VarType::LongLong, VarType::Decimal};
    return Outcome{0, typeOf[dataType], value, {}};
}

Outcome productOutcome(const Variant& v)
{
    if (v.type() == VarType::Decimal) {
        const plat::Decimal& d = v.rawDecimal();
        ZG_FUZZ_CHECK(d.scale == 0 && !d.negative, "a 64-bit unsigned result is a whole Decimal");
        return Outcome{0, v.type(), i128(d.mantissa), {}};
    }
    return Outcome{0, v.type(), v.rawInteger(), {}};
}

void checkDigits(zg::NumbersImpl& numbers, const QString& text, int radix, int16_t dataType)
{
    const int16_t given = dataType;
    const Outcome product = run([&] {
        switch (radix) {
        case 16: return productOutcome(numbers.HexToDec(text, dataType));
        case 8: return productOutcome(numbers.OctToDec(text, dataType));
        default: return productOutcome(numbers.BinToDec(text, dataType));
        }
    });
    ZG_FUZZ_CHECK(dataType == given, "the data type argument was changed");
    ZG_FUZZ_CHECK(product == referenceDigits(text, radix, dataType), "a number-system reading differs from the reference");
}

// ---- Roman numerals ----------------------------------------------------------

// The numeral of 0 to 999 below the thousands.
std::string romanBelowThousand(int n)
{
    static const char* const hundreds[] = {"", "C", "CC", "CCC", "CD", "D", "DC", "DCC", "DCCC", "CM"};
    static const char* const tens[] = {"", "X", "XX", "XXX", "XL", "L", "LX", "LXX", "LXXX", "XC"};
    static const char* const units[] = {"", "I", "II", "III", "IV", "V", "VI", "VII", "VIII", "IX"};
    return std::string(hundreds[n / 100]) + tens[n / 10 % 10] + units[n % 10];
}

Outcome referenceRoman(const QString& text)
{
    const QString t = text.trimmed().toUpper();
    if (t.isEmpty())
        return failed(ZorvaneNumbers::ErrBadDigits);
    std::string s;
    for (QChar c : t) {
        if (c.unicode() >= 128 || !std::strchr("IVXLCDM", char(c.unicode())) || c.unicode() == 0)
            return failed(ZorvaneNumbers::ErrBadDigits);
        s += char(c.unicode());
    }
    const size_t thousands = std::min(s.find_first_not_of('M'), s.size());
    const std::string rest = s.substr(thousands);
    for (int n = 0; n < 1000; ++n)
        if (romanBelowThousand(n) == rest) {
            if (thousands > 3)
                return failed(ZorvaneNumbers::ErrTooLarge);
            return Outcome{0, VarType::Integer, i128(thousands * 1000 + n), {}};
        }
    return failed(ZorvaneNumbers::ErrBadDigits);
}

void checkRoman(zg::NumbersImpl& numbers, const QString& text)
{
    const Outcome product = run([&] { return Outcome{0, VarType::Integer, numbers.RomanToDec(text), {}}; });
    ZG_FUZZ_CHECK(product == referenceRoman(text), "a Roman numeral read otherwise than the reference");
}

// ---- a value's digits and numeral --------------------------------------------

class Input {
public:
    Input(const uint8_t* data, size_t size) : data_(data), size_(size) {}
    uint64_t take(int bytes)
    {
        uint64_t v = 0;
        for (int i = 0; i < bytes; ++i)
            v = v << 8 | (at_ < size_ ? data_[at_++] : 0);
        return v;
    }

private:
    const uint8_t* data_;
    size_t size_;
    size_t at_ = 0;
};

// A value of one of the types the writers take, with the whole number it
// stands for (halves to even) and the width its digits are written in.
struct Value {
    Variant variant;
    i128 whole = 0;
    int bits = 64;
};

Value valueFrom(Input& in)
{
    switch (in.take(1) % 7) {
    case 0: {
        const auto v = uint8_t(in.take(1));
        return {Variant(v), v, 8};
    }
    case 1: {
        const auto v = int16_t(in.take(2));
        return {Variant(v), v, 16};
    }
    case 2: {
        const auto v = int32_t(in.take(4));
        return {Variant(v), v, 32};
    }
    case 3: {
        const auto v = int64_t(in.take(8));
        return {Variant(v), v, 64};
    }
    case 4: {
        const bool v = in.take(1) & 1;
        return {Variant(v), v ? -1 : 0, 16};
    }
    case 5: {
        // A whole number or a half, of at most 15 significant digits, so that
        // the Double is exact in every reading of it.
        const int64_t k = int64_t(in.take(8)) % 200000000000000ll;
        const double d = double(k) / 2;
        return {Variant(d), i128(std::nearbyint(d)), 64};
    }
    default: {
        plat::Decimal d;
        d.mantissa = u128(in.take(4)) << 64 | in.take(8);
        d.scale = uint8_t(in.take(1) % 29);
        d.negative = in.take(1) & 1;
        // Halves to even, worked on the decimal digits.
        std::string digits;
        for (u128 m = d.mantissa; m != 0; m /= 10)
            digits.insert(digits.begin(), char('0' + int(m % 10)));
        digits.insert(0, size_t(d.scale) + 1, '0');
        const std::string whole = digits.substr(0, digits.size() - d.scale);
        const std::string fraction = digits.substr(digits.size() - d.scale);
        i128 w = 0;
        for (char c : whole)
            w = w * 10 + (c - '0');
        const bool overHalf = !fraction.empty() && fraction[0] >= '5' &&
                              (fraction[0] > '5' || fraction.find_first_not_of('0', 1) != std::string::npos);
        const bool exactlyHalf = !fraction.empty() && fraction[0] == '5' && !overHalf;
        if (overHalf || (exactlyHalf && (w & 1)))
            ++w;
        return {Variant(d), d.negative ? -w : w, 64};
    }
    }
}

std::string patternDigits(unsigned long long pattern, int radix)
{
    char buf[80];
    if (radix == 16)
        std::snprintf(buf, sizeof buf, "%llX", pattern);
    else if (radix == 8)
        std::snprintf(buf, sizeof buf, "%llo", pattern);
    else {
        const std::string bits = std::bitset<64>(pattern).to_string();
        return pattern == 0 ? "0" : bits.substr(bits.find('1'));
    }
    return buf;
}

Outcome referenceWritten(const Value& v, int radix)
{
    if (v.whole < -(i128(1) << 63) || v.whole >= (i128(1) << 64))
        return failed(ZorvaneNumbers::ErrTooLarge);
    const i128 pattern = v.whole < 0 ? v.whole + (i128(1) << v.bits) : v.whole;
    return Outcome{0, VarType::String, 0, QString::fromStdString(patternDigits((unsigned long long)pattern, radix))};
}

Outcome referenceNumeral(const Value& v)
{
    if (v.whole > 3999)
        return failed(ZorvaneNumbers::ErrTooLarge);
    if (v.whole < 1)
        return failed(plat::err::InvalidCall);
    const int n = int(v.whole);
    return Outcome{0, VarType::String, 0, QString::fromStdString(std::string(size_t(n / 1000), 'M') + romanBelowThousand(n % 1000))};
}

void checkWriters(zg::NumbersImpl& numbers, Input& in)
{
    const Value v = valueFrom(in);
    auto written = [&](auto member) {
        return run([&] { return Outcome{0, VarType::String, 0, (numbers.*member)(v.variant)}; });
    };
    ZG_FUZZ_CHECK(written(&zg::NumbersImpl::DecToHex) == referenceWritten(v, 16), "DecToHex differs from the reference");
    ZG_FUZZ_CHECK(written(&zg::NumbersImpl::DecToOct) == referenceWritten(v, 8), "DecToOct differs from the reference");
    ZG_FUZZ_CHECK(written(&zg::NumbersImpl::DecToBin) == referenceWritten(v, 2), "DecToBin differs from the reference");
    const Outcome numeral = written(&zg::NumbersImpl::DecToRoman);
    ZG_FUZZ_CHECK(numeral == referenceNumeral(v), "DecToRoman differs from the reference");
    if (numeral.error == 0)
        ZG_FUZZ_CHECK(referenceRoman(numeral.text).value == v.whole, "a numeral that does not read back");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    static zg::NumbersImpl numbers;
    const uint8_t choice = data[0];
    const QString text = zgfuzz::text(data + 1, size - 1);
    switch (choice % 5) {
    case 0: checkVal(text); break;
    case 1: checkDigits(numbers, text, 16, int16_t(choice / 5 % 8) - 1); break;
    case 2: checkDigits(numbers, text, 8, int16_t(choice / 5 % 8) - 1); break;
    case 3: checkDigits(numbers, text, 2, int16_t(choice / 5 % 8) - 1); break;
    default: {
        if (choice / 5 % 2) {
            checkRoman(numbers, text);
        } else {
            Input in(data + 1, size - 1);
            checkWriters(numbers, in);
        }
    }
    }
    return 0;
}
