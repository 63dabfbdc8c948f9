// Data functions of the utility library: the type test of a value.
#pragma once
#include "Variant.h"

#include <cstdint>
#include <vector>

namespace zg {

class ZorvaneData {
public:
    static constexpr const char* ClassId = "{7EC65976-BC1C-11D2-94CF-004005455FAA}";
    static constexpr const char* InterfaceId = "{87E7BD92-4C90-11D4-8111-005004D78BE4}";
    static constexpr const char* ClassName = "ZorvaneData";

    virtual ~ZorvaneData() = default;

    // True exactly when the value's type code (plat::VarType) is one of
    // the listed codes.
    virtual bool VarTypeMatches(const plat::Variant& Value, const std::vector<int32_t>& TypeCodes) = 0;
};

} // namespace zg
