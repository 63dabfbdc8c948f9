#include "NumbersImpl.h"

#include "Error.h"

#include <QRandomGenerator>
#include <QRegularExpression>
#include <algorithm>
#include <array>
#include <bit>
#include <cstring>

namespace zg {

namespace {

using i128 = __int128;
using u128 = unsigned __int128;

constexpr i128 Two16 = i128(1) << 16;
constexpr i128 Two31 = i128(1) << 31;
constexpr i128 Two32 = i128(1) << 32;
constexpr i128 Two63 = i128(1) << 63;
constexpr i128 Two64 = i128(1) << 64;

QString member(const char* name)
{
    return QStringLiteral("ZorvaneNumbers.") + QLatin1String(name);
}

[[noreturn]] void tooLarge(const char* name, int bits, bool isSigned)
{
    plat::raise(ZorvaneNumbers::ErrTooLarge, member(name),
                QStringLiteral("The value is too large for the conversion: it does not fit a %1-bit %2 number.")
                    .arg(bits)
                    .arg(isSigned ? QStringLiteral("signed") : QStringLiteral("unsigned")));
}

[[noreturn]] void badDigits(const char* name, const QString& what)
{
    plat::raise(ZorvaneNumbers::ErrBadDigits, member(name), what);
}

// ---- text of digits to a value ----

struct Width {
    int bits;
    bool isSigned;
};

Width widthOf(int16_t dataType, const char* name)
{
    switch (dataType) {
    case ZorvaneNumbers::dtInteger: return {16, true};
    case ZorvaneNumbers::dtUInteger: return {16, false};
    case ZorvaneNumbers::dtLong: return {32, true};
    case ZorvaneNumbers::dtULong: return {32, false};
    case ZorvaneNumbers::dtLong64: return {64, true};
    case ZorvaneNumbers::dtULong64: return {64, false};
    default:
        plat::raise(plat::err::InvalidCall, member(name),
                    QStringLiteral("The data type must be 0 to 5 (Integer, UInteger, Long, ULong, Long64 or ULong64)."));
    }
}

plat::Decimal decimalOf(u128 value)
{
    plat::Decimal d;
    d.mantissa = value;
    return d;
}

// The value of a data type index's result: the bit pattern read signed or
// unsigned, in the type the index names.
plat::Variant typedResult(u128 pattern, int16_t dataType, Width w)
{
    i128 v = i128(pattern);
    if (w.isSigned && v >= (i128(1) << (w.bits - 1)))
        v -= i128(1) << w.bits;
    switch (dataType) {
    case ZorvaneNumbers::dtInteger: return plat::Variant(int16_t(v));
    case ZorvaneNumbers::dtUInteger:
    case ZorvaneNumbers::dtLong: return plat::Variant(int32_t(v));
    case ZorvaneNumbers::dtULong:
    case ZorvaneNumbers::dtLong64: return plat::Variant(int64_t(v));
    default: return plat::Variant(decimalOf(pattern));
    }
}

// The value of an ASCII digit or letter (either case) as a digit of up to
// base 36; 99 for any other character. Only ASCII counts: case folding
// would make letters of other scripts into Latin ones.
int asciiDigit(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'A' && u <= u'Z')
        return u - u'A' + 10;
    if (u >= u'a' && u <= u'z')
        return u - u'a' + 10;
    return 99;
}

plat::Variant digitsToValue(const QString& text, int radix, int16_t dataType, const char* name,
                            const QString& allowed)
{
    const Width w = widthOf(dataType, name);
    const QString t = text.trimmed();
    if (t.isEmpty())
        badDigits(name, QStringLiteral("The text holds no digits; %1.").arg(allowed));
    // Every character is checked before the size, so that a text both too
    // long and wrong reports its wrong characters.
    for (const QChar c : t) {
        if (asciiDigit(c) >= radix)
            badDigits(name, QStringLiteral("The text holds characters the number system does not allow; %1.").arg(allowed));
    }
    u128 value = 0;
    const u128 limit = u128(1) << w.bits;
    for (const QChar c : t) {
        value = value * u128(radix) + u128(asciiDigit(c));
        if (value >= limit)
            tooLarge(name, w.bits, w.isSigned);
    }
    return typedResult(value, dataType, w);
}

// ---- a value to a whole number ----

i128 roundedDecimal(const plat::Decimal& d)
{
    if (d.scale == 0)
        return d.negative ? -i128(d.mantissa) : i128(d.mantissa);
    u128 div = 1;
    for (int i = 0; i < d.scale; ++i)
        div *= 10;
    u128 q = d.mantissa / div;
    const u128 r = d.mantissa % div;
    if (r * 2 > div || (r * 2 == div && (q & 1)))
        ++q;
    return d.negative ? -i128(q) : i128(q);
}

// The whole number a value stands for, halves to even. Values beyond what a
// Decimal holds are too large for any conversion here.
i128 wholeOf(const plat::Variant& v, const char* name)
{
    switch (v.type()) {
    case plat::VarType::Boolean:
    case plat::VarType::Byte:
    case plat::VarType::Integer:
    case plat::VarType::Long:
    case plat::VarType::LongLong:
        return v.rawInteger();
    case plat::VarType::Decimal:
        return roundedDecimal(v.rawDecimal());
    default:
        break;
    }
    try {
        return roundedDecimal(v.toDecimal());
    } catch (const plat::RuntimeError& e) {
        if (e.number() == plat::err::Overflow)
            tooLarge(name, 64, false);
        throw;
    }
}

// The width a value is written in: its own type's.
int ownBits(const plat::Variant& v)
{
    switch (v.type()) {
    case plat::VarType::Boolean:
    case plat::VarType::Integer: return 16;
    case plat::VarType::Byte: return 8;
    case plat::VarType::Long: return 32;
    default: return 64;
    }
}

// The digits of every `PerStep`-digit group of `Shift` bits a digit, so that
// a pattern is written a group at a time.
template <int Shift, int PerStep>
constexpr auto digitGroups()
{
    std::array<std::array<char16_t, PerStep>, size_t(1) << (Shift * PerStep)> groups{};
    for (size_t g = 0; g < groups.size(); ++g)
        for (int i = 0; i < PerStep; ++i)
            groups[g][PerStep - 1 - i] = u"0123456789ABCDEF"[(g >> (Shift * i)) & ((1u << Shift) - 1)];
    return groups;
}

// The digits of a bit pattern, `Shift` bits a digit, written from the last
// one back a group at a time straight into the text.
template <int Shift, int PerStep>
QString patternText(uint64_t pattern)
{
    static constexpr auto groups = digitGroups<Shift, PerStep>();
    int count = std::max(1, (int(std::bit_width(pattern)) + Shift - 1) / Shift);
    QString out(count, Qt::Uninitialized);
    char16_t* end = reinterpret_cast<char16_t*>(out.data()) + count;
    for (; count >= PerStep; count -= PerStep, pattern >>= Shift * PerStep) {
        end -= PerStep;
        std::memcpy(end, groups[pattern & (groups.size() - 1)].data(), sizeof(char16_t) * PerStep);
    }
    for (; count > 0; --count, pattern >>= Shift)
        *--end = u"0123456789ABCDEF"[pattern & ((1u << Shift) - 1)];
    return out;
}

// The bit pattern a value is written with in DecToHex, DecToOct and
// DecToBin: its own width's two's complement for a negative value.
uint64_t patternOf(const plat::Variant& value, const char* name)
{
    const i128 v = wholeOf(value, name);
    // Types narrower than 64 bits hold only their own range; the 64-bit
    // width takes both the signed and the unsigned range.
    if (v < -Two63 || v >= Two64)
        tooLarge(name, 64, v < 0);
    return uint64_t(v < 0 ? v + (i128(1) << ownBits(value)) : v);
}

i128 checkedWhole(const plat::Variant& value, const char* name, i128 lo, i128 hi, int bits)
{
    const i128 v = wholeOf(value, name);
    if (v < lo || v > hi)
        tooLarge(name, bits, v < 0);
    return v;
}

// ---- Roman numerals ----

struct RomanPart {
    int value;
    const char* text;
};
constexpr RomanPart RomanParts[] = {{1000, "M"}, {900, "CM"}, {500, "D"}, {400, "CD"}, {100, "C"}, {90, "XC"},
                                    {50, "L"},   {40, "XL"},  {10, "X"},  {9, "IX"},   {5, "V"},   {4, "IV"},
                                    {1, "I"}};

const char* const RomanAllowed = "Roman numerals allow only I, V, X, L, C, D and M";

[[noreturn]] void romanTooLarge(const char* name)
{
    plat::raise(ZorvaneNumbers::ErrTooLarge, member(name),
                QStringLiteral("The value is too large for the conversion: Roman numerals go up to 3999."));
}

uint32_t systemRandom(uint32_t bound)
{
    return QRandomGenerator::global()->bounded(bound);
}

} // namespace

NumbersImpl::NumbersImpl() : random_(systemRandom) {}

void NumbersImpl::setRandomSource(RandomSource source)
{
    random_ = source ? std::move(source) : RandomSource(systemRandom);
}

plat::Variant NumbersImpl::HexToDec(const QString& Text, int16_t& DataType)
{
    return digitsToValue(Text, 16, DataType, "HexToDec",
                         QStringLiteral("hexadecimal numbers allow only 0 to 9 and A to F"));
}

plat::Variant NumbersImpl::OctToDec(const QString& Text, int16_t& DataType)
{
    return digitsToValue(Text, 8, DataType, "OctToDec", QStringLiteral("octal numbers allow only 0 to 7"));
}

plat::Variant NumbersImpl::BinToDec(const QString& Text, int16_t& DataType)
{
    return digitsToValue(Text, 2, DataType, "BinToDec", QStringLiteral("binary numbers allow only 0 and 1"));
}

int16_t NumbersImpl::RomanToDec(const QString& Text)
{
    const QString trimmed = Text.trimmed();
    if (trimmed.isEmpty())
        badDigits("RomanToDec", QStringLiteral("The text holds no numeral; %1.").arg(QLatin1String(RomanAllowed)));
    // The characters are checked before any case folding: folding to
    // capitals makes numerals of letters that are none (a dotless i is "I").
    QString t(trimmed.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < trimmed.size(); ++i) {
        const char16_t c = trimmed[i].unicode();
        const char16_t upper = c >= u'a' && c <= u'z' ? char16_t(c - u'a' + u'A') : c;
        if (!QStringView(u"IVXLCDM").contains(QChar(upper)))
            badDigits("RomanToDec", QStringLiteral("The text holds characters that %1.").arg(QLatin1String(RomanAllowed)));
        t[i] = QChar(upper);
    }
    // Thousands first (any number of them, so that "MMMM" reads as too
    // large rather than malformed), then the usual subtractive form below
    // a thousand.
    static const QRegularExpression form(QStringLiteral("^(M*)(CM|CD|D?C{0,3})(XC|XL|L?X{0,3})(IX|IV|V?I{0,3})$"));
    if (!form.match(t).hasMatch())
        badDigits("RomanToDec", QStringLiteral("\"%1\" is not a well-formed Roman numeral.").arg(Text.trimmed()));
    int value = 0;
    int at = 0;
    for (const RomanPart& p : RomanParts) {
        const QLatin1String s(p.text);
        while (t.mid(at, s.size()) == s) {
            value += p.value;
            at += int(s.size());
            if (value > 3999)
                romanTooLarge("RomanToDec");
        }
    }
    return int16_t(value);
}

QString NumbersImpl::DecToHex(const plat::Variant& Value)
{
    return patternText<4, 2>(patternOf(Value, "DecToHex"));
}

QString NumbersImpl::DecToOct(const plat::Variant& Value)
{
    return patternText<3, 2>(patternOf(Value, "DecToOct"));
}

QString NumbersImpl::DecToBin(const plat::Variant& Value)
{
    return patternText<1, 8>(patternOf(Value, "DecToBin"));
}

QString NumbersImpl::DecToRoman(const plat::Variant& Value)
{
    const i128 v = wholeOf(Value, "DecToRoman");
    if (v > 3999)
        romanTooLarge("DecToRoman");
    if (v < 1)
        plat::raise(plat::err::InvalidCall, member("DecToRoman"),
                    QStringLiteral("Roman numerals stand for the whole numbers 1 to 3999."));
    int rest = int(v);
    QString out;
    for (const RomanPart& p : RomanParts) {
        for (; rest >= p.value; rest -= p.value)
            out += QLatin1String(p.text);
    }
    return out;
}

int16_t NumbersImpl::CSignedInteger(int32_t Value)
{
    if (Value < -32768 || Value > 65535)
        tooLarge("CSignedInteger", 16, Value < 0);
    return int16_t(Value > 32767 ? Value - 65536 : Value);
}

int32_t NumbersImpl::CSignedLong(const plat::Variant& Value)
{
    const i128 v = checkedWhole(Value, "CSignedLong", -Two31, Two32 - 1, 32);
    return int32_t(v >= Two31 ? v - Two32 : v);
}

plat::Variant NumbersImpl::CSignedLong64(const plat::Variant& Value)
{
    const i128 v = checkedWhole(Value, "CSignedLong64", -Two63, Two64 - 1, 64);
    return plat::Variant(int64_t(v >= Two63 ? v - Two64 : v));
}

int32_t NumbersImpl::CUnsignedInteger(int16_t Value)
{
    return Value < 0 ? int32_t(Value) + int32_t(Two16) : Value;
}

plat::Variant NumbersImpl::CUnsignedLong(int32_t Value)
{
    return plat::Variant(int64_t(Value < 0 ? i128(Value) + Two32 : i128(Value)));
}

plat::Variant NumbersImpl::CUnsignedLong64(const plat::Variant& Value)
{
    const i128 v = checkedWhole(Value, "CUnsignedLong64", -Two63, Two64 - 1, 64);
    return plat::Variant(decimalOf(u128(v < 0 ? v + Two64 : v)));
}

QString NumbersImpl::GenerateRandomID(int16_t Count, const plat::Variant& NumberSystem)
{
    int32_t radix = 10;
    if (!NumberSystem.isEmpty() && !NumberSystem.isMissing())
        radix = NumberSystem.toLong();
    if (Count < 0 || radix < 2 || radix > 36)
        plat::raise(plat::err::InvalidCall, member("GenerateRandomID"),
                    QStringLiteral("The digit count must be 0 or more and the number system 2 to 36."));

    static const char digits[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    QString id;
    id.reserve(Count);
    for (int i = 0; i < Count; ++i) {
        const uint32_t d = random_(uint32_t(radix));
        // A source that answers outside the range is folded back into it.
        id.append(QLatin1Char(digits[d % uint32_t(radix)]));
    }
    return id;
}

} // namespace zg
