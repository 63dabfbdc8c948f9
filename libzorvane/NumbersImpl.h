// Conversions between number systems, done in whole numbers of up to 128
// bits so that every 64-bit value comes out exactly; random identifiers on
// a replaceable random source.
#pragma once
#include "ZorvaneNumbers.h"

#include <cstdint>
#include <functional>

namespace zg {

class NumbersImpl : public ZorvaneNumbers {
public:
    // Gives a uniformly drawn whole number in [0, bound).
    using RandomSource = std::function<uint32_t(uint32_t bound)>;

    NumbersImpl();

    plat::Variant HexToDec(const QString& Text, int16_t& DataType) override;
    plat::Variant OctToDec(const QString& Text, int16_t& DataType) override;
    plat::Variant BinToDec(const QString& Text, int16_t& DataType) override;
    int16_t RomanToDec(const QString& Text) override;
    QString DecToHex(const plat::Variant& Value) override;
    QString DecToOct(const plat::Variant& Value) override;
    QString DecToBin(const plat::Variant& Value) override;
    QString DecToRoman(const plat::Variant& Value) override;
    int16_t CSignedInteger(int32_t Value) override;
    int32_t CSignedLong(const plat::Variant& Value) override;
    plat::Variant CSignedLong64(const plat::Variant& Value) override;
    int32_t CUnsignedInteger(int16_t Value) override;
    plat::Variant CUnsignedLong(int32_t Value) override;
    plat::Variant CUnsignedLong64(const plat::Variant& Value) override;
    QString GenerateRandomID(int16_t Count, const plat::Variant& NumberSystem = plat::Variant()) override;

    // Tests: draw from another source (an empty one restores the system's).
    void setRandomSource(RandomSource source);

private:
    RandomSource random_;
};

} // namespace zg
