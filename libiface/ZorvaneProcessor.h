// Facts of the processor, reached through ZorvaneSystem::Processor (a new
// object at every use).
#pragma once
#include <cstdint>

namespace zg {

class ZorvaneProcessor {
public:
    static constexpr const char* ClassId = "{5B0C9E41-7D2A-4F36-9A61-2E8C4D17B3F5}";
    static constexpr const char* InterfaceId = "{87E7BD95-4C90-11D4-8111-005004D78BE4}";
    static constexpr const char* ClassName = "ZorvaneProcessor";

    virtual ~ZorvaneProcessor() = default;

    // The clock in MHz; 0 when it cannot be read.
    virtual int16_t Speed() = 0;
};

} // namespace zg
