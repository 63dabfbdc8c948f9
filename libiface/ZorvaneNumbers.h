// Number functions of the utility library: random identifiers.
#pragma once
#include "Variant.h"

#include <QString>
#include <cstdint>

namespace zg {

class ZorvaneNumbers {
public:
    static constexpr const char* ClassId = "{7EC65973-BC1C-11D2-94CF-004005455FAA}";
    static constexpr const char* InterfaceId = "{87E7BD91-4C90-11D4-8111-005004D78BE4}";
    static constexpr const char* ClassName = "ZorvaneNumbers";

    virtual ~ZorvaneNumbers() = default;

    // Count random digits of the number system (radix 2 to 36; Empty or
    // Missing means 10). Digits above 9 are the capitals A to Z. A count of
    // 0 gives ""; a negative count or a radix outside 2..36 raises error 5.
    virtual QString GenerateRandomID(int16_t Count, const plat::Variant& NumberSystem = plat::Variant()) = 0;
};

} // namespace zg
