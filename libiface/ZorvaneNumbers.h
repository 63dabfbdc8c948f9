// Number functions of the utility library: conversions between number
// systems, signed and unsigned readings of 16-, 32- and 64-bit values, and
// random identifiers.
#pragma once
#include "Error.h"
#include "Variant.h"

#include <QString>
#include <cstdint>

namespace zg {

class ZorvaneNumbers {
public:
    static constexpr const char* ClassId = "{7EC65973-BC1C-11D2-94CF-004005455FAA}";
    static constexpr const char* InterfaceId = "{87E7BD91-4C90-11D4-8111-005004D78BE4}";
    static constexpr const char* ClassName = "ZorvaneNumbers";

    // Errors of the conversions.
    static constexpr int32_t ErrTooLarge = 30034;    // the value does not fit the conversion's width
    static constexpr int32_t ErrBadDigits = 30036;   // characters the number system does not allow

    // Data type indexes of the text-to-number conversions: the width and
    // sign of the result and the type it comes back in.
    enum DataType : int16_t {
        dtInteger = 0,  // 16-bit signed, an Integer
        dtUInteger = 1, // 16-bit unsigned, a Long
        dtLong = 2,     // 32-bit signed, a Long
        dtULong = 3,    // 32-bit unsigned, a LongLong
        dtLong64 = 4,   // 64-bit signed, a LongLong
        dtULong64 = 5,  // 64-bit unsigned, a Decimal
    };

    virtual ~ZorvaneNumbers() = default;

    // The conversions below raise 438 in an object that does not provide
    // them (a test's fake that only draws identifiers).

    // Text of hexadecimal, octal or binary digits (case ignored, blanks
    // around it ignored) read as a bit pattern of the data type's width:
    // "FFFF" is -1 as an Integer and 65535 as a UInteger. More significant
    // digits than the width holds raise 30034; an empty text or any other
    // character raises 30036; a data type outside 0..5 raises 5. DataType
    // is left as it was.
    virtual plat::Variant HexToDec(const QString& /*Text*/, int16_t& /*DataType*/)
    {
        plat::raise(plat::err::NotSupported, QStringLiteral("ZorvaneNumbers.HexToDec"));
    }
    virtual plat::Variant OctToDec(const QString& /*Text*/, int16_t& /*DataType*/)
    {
        plat::raise(plat::err::NotSupported, QStringLiteral("ZorvaneNumbers.OctToDec"));
    }
    virtual plat::Variant BinToDec(const QString& /*Text*/, int16_t& /*DataType*/)
    {
        plat::raise(plat::err::NotSupported, QStringLiteral("ZorvaneNumbers.BinToDec"));
    }

    // A Roman numeral of 1 to 3999 (I V X L C D M in either case, written in
    // the usual subtractive form: "IV", not "IIII"). A text with other
    // characters, an empty text or a numeral out of order raises 30036; one
    // beyond 3999 ("MMMM") raises 30034.
    virtual int16_t RomanToDec(const QString& /*Text*/)
    {
        plat::raise(plat::err::NotSupported, QStringLiteral("ZorvaneNumbers.RomanToDec"));
    }

    // The digits of a whole number (a fraction rounds half to even) in the
    // value's own width: a negative Integer or Boolean in 16-bit two's
    // complement (-1 is "FFFF"), a Long in 32 bits (FFFFFFFF), every other
    // type in 64 bits (sixteen Fs). Values from -2^63 to 2^64-1 are
    // accepted; others raise 30034. Null raises 94; text that is not a
    // number 13.
    virtual QString DecToHex(const plat::Variant& /*Value*/)
    {
        plat::raise(plat::err::NotSupported, QStringLiteral("ZorvaneNumbers.DecToHex"));
    }
    virtual QString DecToOct(const plat::Variant& /*Value*/)
    {
        plat::raise(plat::err::NotSupported, QStringLiteral("ZorvaneNumbers.DecToOct"));
    }
    virtual QString DecToBin(const plat::Variant& /*Value*/)
    {
        plat::raise(plat::err::NotSupported, QStringLiteral("ZorvaneNumbers.DecToBin"));
    }
    // Roman numeral of 1 to 3999 in capitals; above 3999 raises 30034, 0 or
    // less raises 5.
    virtual QString DecToRoman(const plat::Variant& /*Value*/)
    {
        plat::raise(plat::err::NotSupported, QStringLiteral("ZorvaneNumbers.DecToRoman"));
    }

    // Reinterpretations. The C-signed functions read an unsigned value's
    // bits as the signed type of the same width (65535 -> -1); a value that
    // is already signed and in range comes back unchanged. The C-unsigned
    // functions do the reverse (-1 -> 65535). A value that fits neither the
    // signed nor the unsigned range of the width raises 30034. Ranges
    // accepted: CSignedInteger -32768..65535, CSignedLong -2^31..2^32-1 and
    // CSignedLong64 -2^63..2^64-1 (a LongLong comes back); CUnsignedLong
    // gives a LongLong of 0..2^32-1 and CUnsignedLong64 a Decimal of
    // 0..2^64-1.
    virtual int16_t CSignedInteger(int32_t /*Value*/)
    {
        plat::raise(plat::err::NotSupported, QStringLiteral("ZorvaneNumbers.CSignedInteger"));
    }
    virtual int32_t CSignedLong(const plat::Variant& /*Value*/)
    {
        plat::raise(plat::err::NotSupported, QStringLiteral("ZorvaneNumbers.CSignedLong"));
    }
    virtual plat::Variant CSignedLong64(const plat::Variant& /*Value*/)
    {
        plat::raise(plat::err::NotSupported, QStringLiteral("ZorvaneNumbers.CSignedLong64"));
    }
    virtual int32_t CUnsignedInteger(int16_t /*Value*/)
    {
        plat::raise(plat::err::NotSupported, QStringLiteral("ZorvaneNumbers.CUnsignedInteger"));
    }
    virtual plat::Variant CUnsignedLong(int32_t /*Value*/)
    {
        plat::raise(plat::err::NotSupported, QStringLiteral("ZorvaneNumbers.CUnsignedLong"));
    }
    virtual plat::Variant CUnsignedLong64(const plat::Variant& /*Value*/)
    {
        plat::raise(plat::err::NotSupported, QStringLiteral("ZorvaneNumbers.CUnsignedLong64"));
    }

    // Count random digits of the number system (radix 2 to 36; Empty or
    // Missing means 10). Digits above 9 are the capitals A to Z. A count of
    // 0 gives ""; a negative count or a radix outside 2..36 raises error 5.
    virtual QString GenerateRandomID(int16_t Count, const plat::Variant& NumberSystem = plat::Variant()) = 0;
};

} // namespace zg
