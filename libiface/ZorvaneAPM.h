// Power status, suspend and hibernate, reached through ZorvaneSystem::Power
// (a new object at every use).
#pragma once
#include <QString>
#include <cstdint>
#include <memory>

namespace zg {

class ZorvaneAPM {
public:
    static constexpr const char* ClassId = "{8B1E5D27-0C4A-4F9B-A3D6-71E2C95F0B44}";
    static constexpr const char* InterfaceId = "{7EC6597F-BC1C-11D2-94CF-004005455FAA}";
    static constexpr const char* ClassName = "ZorvaneAPM";

    virtual ~ZorvaneAPM() = default;
};

} // namespace zg
