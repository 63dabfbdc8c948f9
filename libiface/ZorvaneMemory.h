// Memory sizes and the application address range, reached through
// ZorvaneSystem::Memory (a new object at every use).
#pragma once
#include <QString>
#include <cstdint>
#include <memory>

namespace zg {

class ZorvaneMemory {
public:
    static constexpr const char* ClassId = "{C4D2F6A0-5E18-4B73-9F0C-3A8E1B62D7C5}";
    static constexpr const char* InterfaceId = "{7EC65977-BC1C-11D2-94CF-004005455FAA}";
    static constexpr const char* ClassName = "ZorvaneMemory";

    virtual ~ZorvaneMemory() = default;
};

} // namespace zg
