// The runtime's Variant: a tagged value of one of the runtime's types.
// Reference objects (pictures, fonts, controls, model objects) are held by
// shared pointer; a Variant of type Object with a null pointer is Nothing.
#pragma once
#include "Object.h"

#include <QString>
#include <cstdint>
#include <memory>
#include <variant>

namespace plat {

// VarType numbers as the runtime numbers them.
enum class VarType : int16_t {
    Empty = 0,
    Null = 1,
    Integer = 2,  // 16-bit
    Long = 3,     // 32-bit
    Single = 4,
    Double = 5,
    Currency = 6, // 64-bit scaled by 10000
    Date = 7,     // days since 30 Dec 1899 as a double
    String = 8,
    Object = 9,
    Error = 10,   // Missing is an Error value (0x80020004)
    Boolean = 11,
    Decimal = 14,
    Byte = 17,
    LongLong = 20,
};

// 96-bit decimal: sign, scale 0..28 and a 96-bit unsigned mantissa.
struct Decimal {
    bool negative = false;
    uint8_t scale = 0;
    unsigned __int128 mantissa = 0; // only the low 96 bits are used
    double toDouble() const;
    static Decimal fromDouble(double v); // 15 significant digits; raises 6 when out of range
    static Decimal fromInteger(int64_t v);
    // Exact text: digits with the point at `scale`, trailing zeros dropped.
    QString toString() const;
    // Field-wise equality (1.5 and 1.50 differ here; sameValue compares by value).
    bool operator==(const Decimal&) const = default;
};

struct CurrencyTag {};
struct DateTag {};

class Variant {
public:
    Variant() = default; // Empty
    Variant(bool v);
    Variant(uint8_t v);
    Variant(int16_t v);
    Variant(int32_t v);
    Variant(int64_t v);
    // A 32-bit pattern such as an OLE colour (&H8000000F) stored as a Long.
    Variant(uint32_t v);
    Variant(float v);
    Variant(double v);
    Variant(const Decimal& v);
    Variant(const QString& v);
    Variant(const char* v);
    Variant(ObjectPtr v); // Object (nullptr = Nothing)
    template <class T>
    Variant(std::shared_ptr<T> v) : Variant(std::static_pointer_cast<Object>(std::move(v)))
    {
    }

    static Variant null();
    static Variant missing();
    static Variant nothing();
    static Variant currency(int64_t scaledBy10000);
    static Variant currencyFromDouble(double v); // halves to even at 4 decimals; raises 6 out of range
    // Days since 30 Dec 1899; raises 6 outside the years 100 to 9999.
    static Variant date(double serial);
    static Variant errorValue(int32_t scode);

    VarType type() const { return type_; }
    int16_t varType() const { return int16_t(type_); }

    bool isEmpty() const { return type_ == VarType::Empty; }
    bool isNull() const { return type_ == VarType::Null; }
    bool isMissing() const;
    bool isNothing() const;
    bool isObject() const { return type_ == VarType::Object; }
    bool isString() const { return type_ == VarType::String; }
    // Integer, Long, LongLong, Byte, Single, Double, Currency, Decimal (not
    // Boolean, not Date, not text).
    bool isNumber() const;

    // Conversions as the runtime makes them. Text that is not a number
    // raises 13 "Type mismatch", a value out of range 6 "Overflow", Null 94
    // "Invalid use of Null", an object 13. Whole-number conversions round
    // halves to even.
    bool toBool() const;
    uint8_t toByte() const;
    int16_t toInteger() const;
    int32_t toLong() const;
    int64_t toLongLong() const;
    float toSingle() const;
    double toDouble() const;
    int64_t toCurrencyScaled() const;
    Decimal toDecimal() const;
    QString toString() const; // Empty -> "", Boolean "True"/"False"; numbers as the runtime writes them
    ObjectPtr toObject() const; // raises 424 "Object required" when not an object
    template <class T>
    std::shared_ptr<T> objectAs() const
    {
        return std::dynamic_pointer_cast<T>(isObject() ? obj_ : nullptr);
    }

    // Raw access for the matching type.
    int64_t rawInteger() const { return i_; }
    double rawDouble() const { return d_; }
    const QString& rawString() const { return s_; }
    const Decimal& rawDecimal() const { return dec_; }
    const ObjectPtr& rawObject() const { return obj_; }

private:
    VarType type_ = VarType::Empty;
    int64_t i_ = 0;     // Boolean (-1/0), Byte, Integer, Long, LongLong, Currency (scaled), Error
    double d_ = 0;      // Single, Double, Date
    QString s_;
    Decimal dec_;
    ObjectPtr obj_;
};

// Equality as an image reference compares (and as `=` compares stored
// values with defaults): numbers by value across numeric types, text
// exactly, a number never equals a text, Empty equals both 0 and "";
// Boolean False equals 0 and True -1; Null equals nothing; objects by
// identity (pictures by Handle).
bool sameValue(const Variant& a, const Variant& b);

// Whether a text is a number as the runtime reads one (IsNumeric).
bool isNumericText(const QString& s);

} // namespace plat
