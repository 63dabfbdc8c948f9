// Memory sizes and the application address range, reached through
// ZorvaneSystem::Memory (a new object at every use).
//
// Every size is in bytes and every value is 64 bits wide, so that machines
// with more than 2 GB show their true figures. On Linux:
//   physical memory   the kernel's MemTotal and MemAvailable (/proc/meminfo);
//   page file         the swap space, SwapTotal and SwapFree;
//   virtual memory    the process's user address space from the minimum to
//                     the maximum application address, and what of it the
//                     process has not mapped yet (VmSize of /proc/self/status);
//   granularity/page  the page size (mmap places and sizes whole pages).
// A figure the kernel does not give reads 0.
#pragma once
#include <cstdint>

namespace zg {

class ZorvaneMemory {
public:
    static constexpr const char* ClassId = "{C4D2F6A0-5E18-4B73-9F0C-3A8E1B62D7C5}";
    static constexpr const char* InterfaceId = "{7EC65977-BC1C-11D2-94CF-004005455FAA}";
    static constexpr const char* ClassName = "ZorvaneMemory";

    virtual ~ZorvaneMemory() = default;

    virtual int64_t TotalPhysical() = 0;
    virtual int64_t TotalVirtual() = 0;
    virtual int64_t TotalPageFile() = 0;
    virtual int64_t AvailablePhysical() = 0;
    virtual int64_t AvailableVirtual() = 0;
    virtual int64_t AvailablePageFile() = 0;
    virtual int64_t AllocGranularity() = 0;
    virtual int64_t PageSize() = 0;
    // The lowest address a program may map (the kernel's mmap_min_addr; 0
    // when unknown) and the highest address of user space.
    virtual int64_t MinApplicationAddress() = 0;
    virtual int64_t MaxApplicationAddress() = 0;
};

} // namespace zg
