// The display's modes, reached through ZorvaneSystem::ScreenModes (a new
// object at every use), and one mode of it.
#pragma once
#include <QString>
#include <cstdint>
#include <memory>

namespace zg {

class ScreenMode {
public:
    static constexpr const char* InterfaceId = "{FF3FCA47-2FC0-49C6-9B37-126BB8925D06}";
    static constexpr const char* ClassName = "ScreenMode";

    virtual ~ScreenMode() = default;
};

class ZorvaneScreenModes {
public:
    static constexpr const char* ClassId = "{6E93B0D8-1A47-4C2E-B5F1-0D8C7A34E269}";
    static constexpr const char* InterfaceId = "{87E7BD94-4C90-11D4-8111-005004D78BE4}";
    static constexpr const char* ClassName = "ZorvaneScreenModes";

    virtual ~ZorvaneScreenModes() = default;
};

} // namespace zg
