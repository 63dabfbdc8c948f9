// Memory figures from the kernel: /proc/meminfo for physical memory and
// swap, the process's own status for its mapped size, the page size and the
// lowest mappable address. Every read goes through a replaceable source.
#pragma once
#include "ZorvaneMemory.h"

#include <QString>
#include <functional>
#include <map>
#include <optional>

namespace zg {

class MemoryImpl : public ZorvaneMemory {
public:
    struct Sources {
        std::function<QString()> meminfo; // /proc/meminfo
        std::function<QString()> selfStatus; // /proc/self/status
        std::function<QString()> mmapMinAddr; // /proc/sys/vm/mmap_min_addr
        std::function<int64_t()> pageSize; // sysconf; 0 or less when unknown
        // The highest user-space address of this architecture; 0 when unknown.
        std::function<int64_t()> maxAddress;
    };
    static Sources systemSources();

    MemoryImpl();
    explicit MemoryImpl(Sources sources);

    int64_t TotalPhysical() override;
    int64_t TotalVirtual() override;
    int64_t TotalPageFile() override;
    int64_t AvailablePhysical() override;
    int64_t AvailableVirtual() override;
    int64_t AvailablePageFile() override;
    int64_t AllocGranularity() override;
    int64_t PageSize() override;
    int64_t MinApplicationAddress() override;
    int64_t MaxApplicationAddress() override;

    // The "Name: value kB" lines of /proc/meminfo or /proc/self/status, in
    // bytes; lines without a number are left out.
    static std::map<QString, int64_t> parseSizes(const QString& text);
    // The top of user space for the architecture the library is built for
    // (x86-64: below 2^47 less one page; i386: 3 GB); 0 elsewhere.
    static int64_t architectureMaxAddress(int64_t pageSize);

private:
    const std::map<QString, int64_t>& meminfo();
    // The meminfo figure, or nothing when the kernel does not give it.
    std::optional<int64_t> figure(const char* name);

    Sources sources_;
    std::optional<std::map<QString, int64_t>> meminfo_;
};

} // namespace zg
