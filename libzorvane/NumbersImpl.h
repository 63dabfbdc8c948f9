// Random identifiers on a replaceable random source.
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

    QString GenerateRandomID(int16_t Count, const plat::Variant& NumberSystem = plat::Variant()) override;

    // Tests: draw from another source (an empty one restores the system's).
    void setRandomSource(RandomSource source);

private:
    RandomSource random_;
};

} // namespace zg
