// Conversions and arithmetic as the runtime does them: halves to even,
// range checks raising error 6 "Overflow", text that is not a number
// raising 13 "Type mismatch".
#pragma once
#include <QString>
#include <cstdint>

class QLocale;

namespace plat {

class Variant;
struct Decimal;

int16_t CInt(double v);
int16_t CInt(const Variant& v);
int32_t CLng(double v);
int32_t CLng(const Variant& v);
uint8_t CByte(double v);
double CDbl(const Variant& v);
Decimal CDec(const Variant& v);
QString CStr(const Variant& v);
bool CBool(const Variant& v);

// The leading number of a text ("" and non-numbers give 0; "&H" prefixes).
double Val(const QString& s);
// The largest whole number not above v.
double Int(double v);
// The whole part (toward zero).
double Fix(double v);

// Integer division `\`: both operands rounded to whole numbers (halves to
// even) first, then the quotient truncated toward zero. Division by zero
// raises 11; a result outside 32 bits raises 6.
int32_t IntDiv(double a, double b);
int16_t IntDiv16(double a, double b);
int32_t Mod(double a, double b);

// Checked 16- and 32-bit arithmetic (error 6 on overflow).
int16_t add16(int32_t a, int32_t b);
int16_t sub16(int32_t a, int32_t b);
int16_t mul16(int32_t a, int32_t b);
int32_t add32(int64_t a, int64_t b);
int32_t sub32(int64_t a, int64_t b);
int32_t mul32(int64_t a, int64_t b);
// Range checks of a wide value (error 6).
int16_t checked16(int64_t v);
int32_t checked32(int64_t v);

// Text of a number as the runtime writes it: up to 15 significant digits,
// no trailing zeros, "E+nn" forms for very large or small values.
QString numberText(double v);
QString singleText(float v); // 7 significant digits
// Format(v, "#,##"): thousands separators, 0 gives "" (see below).
QString formatThousands(double v);
QString formatThousands(double v, const QLocale& locale);
// Hex in upper case, two's complement of the value's width (16 or 32 bits).
QString Hex(int32_t v);
QString Hex16(int16_t v);

// --- Value texts the windows show ---
// A Double, a Single and a Boolean as the runtime writes them when it joins
// them to a text: numberText and singleText above (16777216, 1.5, up to 15 or
// 7 significant digits), and "True" / "False".
QString booleanText(bool v);
// Format(v, "#,##") is formatThousands above: the digits grouped by thousands
// with the locale's group separator, a "-" before a negative number, halves
// rounded away from zero; a value that rounds to 0 gives "" (the "#"
// placeholders show no digit for zero), as the runtime's formatter gives it.
// The locale is the program's, QLocale(): the system's (LC_ALL, LC_NUMERIC
// or LANG, read from Qt's own locale data, so a locale the machine has not
// generated still counts) unless QLocale::setDefault chose another. The C
// and POSIX locales group with ","; the digits are always 0 to 9, and the
// groups always thousands, whatever grouping the locale writes its own
// numbers with.
//
// A time span as "HH:NN:SS": hours, minutes and seconds, each at least two
// digits with leading zeros. The hours go on past 24 ("25:00:00" for 25
// hours, "100:00:00"), so a span longer than a day is not folded into a
// time of day; a negative span shows its length after a "-". Seconds are
// rounded to the nearest whole one (halves away from zero); a value that is
// not a finite number gives "".
QString timeSpanText(double seconds);
// The same for a span counted in days (a Date difference).
QString timeSpanTextFromDays(double days);

} // namespace plat
