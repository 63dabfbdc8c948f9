#include "MemoryImpl.h"

#include "SystemFiles.h"

#include <QStringList>
#include <algorithm>
#include <unistd.h>

namespace zg {

namespace {

QString call(const std::function<QString()>& f)
{
    return f ? f() : QString();
}

int64_t call(const std::function<int64_t()>& f)
{
    return f ? std::max<int64_t>(f(), 0) : 0;
}

} // namespace

MemoryImpl::Sources MemoryImpl::systemSources()
{
    Sources s;
    s.meminfo = fileSource("/proc/meminfo");
    s.selfStatus = fileSource("/proc/self/status");
    s.mmapMinAddr = fileSource("/proc/sys/vm/mmap_min_addr");
    s.pageSize = [] { return int64_t(sysconf(_SC_PAGESIZE)); };
    s.maxAddress = [] { return architectureMaxAddress(int64_t(sysconf(_SC_PAGESIZE))); };
    return s;
}

MemoryImpl::MemoryImpl() : MemoryImpl(systemSources()) {}

MemoryImpl::MemoryImpl(Sources sources) : sources_(std::move(sources)) {}

const std::map<QString, int64_t>& MemoryImpl::meminfo()
{
    if (!meminfo_)
        meminfo_ = parseSizes(call(sources_.meminfo));
    return *meminfo_;
}

std::optional<int64_t> MemoryImpl::figure(const char* name)
{
    const auto it = meminfo().find(QString::fromLatin1(name));
    if (it == meminfo().end())
        return std::nullopt;
    return it->second;
}

int64_t MemoryImpl::TotalPhysical()
{
    return figure("MemTotal").value_or(0);
}

int64_t MemoryImpl::AvailablePhysical()
{
    if (const auto available = figure("MemAvailable"))
        return *available;
    // Kernels before 3.14: what is free plus the caches the kernel gives back.
    return figure("MemFree").value_or(0) + figure("Buffers").value_or(0) + figure("Cached").value_or(0);
}

int64_t MemoryImpl::TotalPageFile()
{
    return figure("SwapTotal").value_or(0);
}

int64_t MemoryImpl::AvailablePageFile()
{
    return figure("SwapFree").value_or(0);
}

int64_t MemoryImpl::TotalVirtual()
{
    const int64_t top = MaxApplicationAddress();
    const int64_t bottom = MinApplicationAddress();
    return top > bottom ? top - bottom + 1 : 0;
}

int64_t MemoryImpl::AvailableVirtual()
{
    const auto status = parseSizes(call(sources_.selfStatus));
    const auto mapped = status.find(QStringLiteral("VmSize"));
    if (mapped == status.end())
        return 0;
    return std::max<int64_t>(TotalVirtual() - mapped->second, 0);
}

int64_t MemoryImpl::AllocGranularity()
{
    // mmap places and sizes its mappings in whole pages.
    return PageSize();
}

int64_t MemoryImpl::PageSize()
{
    return call(sources_.pageSize);
}

int64_t MemoryImpl::MinApplicationAddress()
{
    bool ok = false;
    const qlonglong v = call(sources_.mmapMinAddr).trimmed().toLongLong(&ok);
    return ok && v > 0 ? int64_t(v) : 0;
}

int64_t MemoryImpl::MaxApplicationAddress()
{
    return call(sources_.maxAddress);
}

std::map<QString, int64_t> MemoryImpl::parseSizes(const QString& text)
{
    std::map<QString, int64_t> out;
    for (const QStringView line : QStringView(text).split(u'\n')) {
        const qsizetype colon = line.indexOf(u':');
        if (colon <= 0)
            continue;
        const QStringList words = line.mid(colon + 1).toString().simplified().split(u' ', Qt::SkipEmptyParts);
        if (words.isEmpty() || words.size() > 2)
            continue;
        bool ok = false;
        const qlonglong n = words[0].toLongLong(&ok);
        if (!ok || n < 0)
            continue;
        int64_t scale = 1;
        if (words.size() == 2) {
            if (words[1] != QLatin1String("kB"))
                continue;
            scale = 1024;
        }
        // The kernel gives these in kB; a figure past 2^63 bytes cannot be real.
        if (n > INT64_MAX / scale)
            continue;
        out[line.left(colon).trimmed().toString()] = int64_t(n) * scale;
    }
    return out;
}

int64_t MemoryImpl::architectureMaxAddress(int64_t pageSize)
{
    if (pageSize <= 0)
        return 0;
#if defined(__x86_64__)
    // Four-level paging: user space ends one page below 2^47 (programs that
    // ask for more with five levels must hint their mappings).
    return (int64_t(1) << 47) - pageSize - 1;
#elif defined(__aarch64__)
    return (int64_t(1) << 48) - 1;
#elif defined(__i386__)
    return int64_t(0xBFFFFFFF);
#else
    return 0;
#endif
}

} // namespace zg
