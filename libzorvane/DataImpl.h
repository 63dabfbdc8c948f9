// The type test of a value.
#pragma once
#include "ZorvaneData.h"

namespace zg {

class DataImpl : public ZorvaneData {
public:
    bool VarTypeMatches(const plat::Variant& Value, const std::vector<int32_t>& TypeCodes) override;
};

} // namespace zg
