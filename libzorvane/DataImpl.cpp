#include "DataImpl.h"

#include <algorithm>

namespace zg {

bool DataImpl::VarTypeMatches(const plat::Variant& Value, const std::vector<int32_t>& TypeCodes)
{
    const int32_t code = Value.varType();
    return std::find(TypeCodes.begin(), TypeCodes.end(), code) != TypeCodes.end();
}

} // namespace zg
