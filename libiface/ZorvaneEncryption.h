// Text encryption with a key. A form makes its own object when it loads
// (zg::NewEncryption()) and releases it when it unloads.
#pragma once
#include <QString>
#include <cstdint>
#include <memory>

namespace zg {

class ZorvaneEncryption {
public:
    static constexpr const char* ClassId = "{87E7BDCB-4C90-11D4-8111-005004D78BE4}";
    static constexpr const char* InterfaceId = "{87E7BDCA-4C90-11D4-8111-005004D78BE4}";
    static constexpr const char* ClassName = "ZorvaneEncryption";

    virtual ~ZorvaneEncryption() = default;
};

} // namespace zg
