// Facts of the processor, reached through ZorvaneSystem::Processor (a new
// object at every use).
//
// On Linux they come from the kernel's processor listing (/proc/cpuinfo),
// the count of online processors and, on x86 and x86-64, the processor's
// own identification instruction (CPUID). Where neither gives a fact (an
// architecture without identification, a missing kernel file) it reads as
// a neutral value: 0 for numbers, "" for texts, False for Booleans.
#pragma once
#include <QString>
#include <cstdint>

namespace zg {

class ZorvaneProcessor {
public:
    static constexpr const char* ClassId = "{5B0C9E41-7D2A-4F36-9A61-2E8C4D17B3F5}";
    static constexpr const char* InterfaceId = "{87E7BD95-4C90-11D4-8111-005004D78BE4}";
    static constexpr const char* ClassName = "ZorvaneProcessor";

    virtual ~ZorvaneProcessor() = default;

    // Processors online now.
    virtual int16_t ActiveProcessors() = 0;
    // The machine's architecture as the kernel names it ("x86_64", "aarch64").
    virtual QString Architecture() = 0;
    // Processors the kernel lists (online or not).
    virtual int16_t ProcessorCount() = 0;
    // The processor family (x86: CPUID family with its extension; ARM: the
    // architecture version).
    virtual int16_t Level() = 0;
    // The processor's brand text ("model name").
    virtual QString Model() = 0;
    // The model within the family (x86: with its extension; ARM: the part).
    virtual int16_t ModelNumber() = 0;
    // An upgrade processor in a slot of another kind (x86 processor type 1).
    virtual bool OverDrivePresent() = 0;
    // The clock the kernel last measured, in MHz.
    virtual int16_t RawMhz() = 0;
    // The stepping (silicon revision) as a number.
    virtual int16_t Revision() = 0;
    // "Model m, Stepping s".
    virtual QString RevisionString() = 0;
    // The rated clock in MHz; 0 when it cannot be read.
    virtual int16_t Speed() = 0;
    // The stepping as the kernel lists it.
    virtual QString Stepping() = 0;
    virtual bool SupportsMMX() = 0;
    // The maker's identification text ("GenuineIntel", "AuthenticAMD").
    virtual QString VendorID() = 0;
};

} // namespace zg
