// The icons of an executable, a library or an icon file. A form makes its own
// object when it loads (zg::NewIcons()) and releases it when it unloads.
#pragma once
#include <QString>
#include <cstdint>
#include <memory>

namespace zg {

class ZorvaneIcons {
public:
    static constexpr const char* ClassId = "{7EC659AD-BC1C-11D2-94CF-004005455FAA}";
    static constexpr const char* InterfaceId = "{7EC659AC-BC1C-11D2-94CF-004005455FAA}";
    static constexpr const char* ClassName = "ZorvaneIcons";

    virtual ~ZorvaneIcons() = default;
};

} // namespace zg
