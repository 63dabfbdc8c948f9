#include "Error.h"
#include "MachineFixtures.h"
#include "MemoryImpl.h"
#include "ProcessorImpl.h"
#include "QtPrinters.h"
#include "StringsImpl.h"

#include <gtest/gtest.h>

namespace {

constexpr int64_t KB = 1024;

std::function<QString()> text(const char* t)
{
    return [s = QString::fromLatin1(t)] { return s; };
}

// ---- memory ----

zg::MemoryImpl::Sources memorySources()
{
    zg::MemoryImpl::Sources s;
    s.meminfo = text(fixtures::meminfoX86);
    s.selfStatus = text("Name:\tdemo\nVmPeak:\t  300000 kB\nVmSize:\t  262144 kB\nThreads:\t4\n");
    s.mmapMinAddr = text("65536\n");
    s.pageSize = [] { return int64_t(4096); };
    s.maxAddress = [] { return zg::MemoryImpl::architectureMaxAddress(4096); };
    return s;
}

TEST(MemoryFigures, RealMeminfoGivesTheTrueSizesPast32Bits)
{
    zg::MemoryImpl m(memorySources());
    EXPECT_EQ(m.TotalPhysical(), 24682404 * KB); // 25 GB: past any 32-bit figure
    EXPECT_EQ(m.AvailablePhysical(), 19675700 * KB);
    EXPECT_EQ(m.TotalPageFile(), 0); // the machine has no swap
    EXPECT_EQ(m.AvailablePageFile(), 0);
    EXPECT_EQ(m.PageSize(), 4096);
    EXPECT_EQ(m.AllocGranularity(), 4096);
    EXPECT_EQ(m.MinApplicationAddress(), 65536);
}

TEST(MemoryFigures, SwapAndOlderKernelsWithoutMemAvailable)
{
    auto s = memorySources();
    s.meminfo = text("MemTotal:  8000 kB\nMemFree:  1000 kB\nBuffers:  200 kB\nCached:  300 kB\n"
                     "SwapTotal:  4194304 kB\nSwapFree:  4000000 kB\nHugePages_Total:  0\n");
    zg::MemoryImpl m(s);
    EXPECT_EQ(m.AvailablePhysical(), 1500 * KB);
    EXPECT_EQ(m.TotalPageFile(), 4294967296LL);
    EXPECT_EQ(m.AvailablePageFile(), 4000000 * KB);
    // Counts without a unit are kept as they stand.
    EXPECT_EQ(zg::MemoryImpl::parseSizes("HugePages_Total:  7\n").at("HugePages_Total"), 7);
}

TEST(MemoryFigures, AddressSpaceIsTheRangeBetweenTheAddresses)
{
    zg::MemoryImpl m(memorySources());
#if defined(__x86_64__)
    EXPECT_EQ(m.MaxApplicationAddress(), 0x7FFFFFFFEFFFLL);
#endif
    const int64_t total = m.MaxApplicationAddress() - 65536 + 1;
    EXPECT_EQ(m.TotalVirtual(), m.MaxApplicationAddress() > 0 ? total : 0);
    EXPECT_EQ(m.AvailableVirtual(), m.MaxApplicationAddress() > 0 ? total - 262144 * KB : 0);
}

TEST(MemoryFigures, MissingKernelFilesGiveZeroNotACrash)
{
    zg::MemoryImpl::Sources none;
    none.meminfo = text("");
    none.selfStatus = text("");
    none.mmapMinAddr = text("");
    zg::MemoryImpl m(none); // no page size, no address range either
    for (auto member : {&zg::MemoryImpl::TotalPhysical, &zg::MemoryImpl::TotalVirtual,
                        &zg::MemoryImpl::TotalPageFile, &zg::MemoryImpl::AvailablePhysical,
                        &zg::MemoryImpl::AvailableVirtual, &zg::MemoryImpl::AvailablePageFile,
                        &zg::MemoryImpl::AllocGranularity, &zg::MemoryImpl::PageSize,
                        &zg::MemoryImpl::MinApplicationAddress, &zg::MemoryImpl::MaxApplicationAddress})
        EXPECT_EQ((m.*member)(), 0);

    // Damaged lines are left out, the good ones kept.
    const auto sizes = zg::MemoryImpl::parseSizes("MemTotal: lots kB\nMemFree: 12 MB\nBroken\n: 5 kB\n"
                                                  "Huge: 99999999999999999999 kB\nCached: 8 kB");
    EXPECT_EQ(sizes.size(), 1u);
    EXPECT_EQ(sizes.at("Cached"), 8 * KB);
}

TEST(MemoryFigures, TheMachineGivesItsOwnFigures)
{
    zg::MemoryImpl m;
    EXPECT_GT(m.TotalPhysical(), 0);
    EXPECT_LE(m.AvailablePhysical(), m.TotalPhysical());
    EXPECT_GT(m.PageSize(), 0);
}

// ---- processor ----

zg::ProcessorImpl::Sources processorSources()
{
    zg::ProcessorImpl::Sources s;
    s.cpuinfo = text(fixtures::cpuinfoX86);
    s.onlineList = text("0-7\n");
    s.presentList = text("0-7\n");
    s.currentKHz = text("");
    s.machine = text("x86_64");
    s.speed = [] { return zg::ProcessorImpl::speedFromTexts("", QString::fromLatin1(fixtures::cpuinfoX86)); };
    return s;
}

TEST(ProcessorFacts, RealCpuinfoWithoutTheInstruction)
{
    zg::ProcessorImpl p(processorSources());
    EXPECT_EQ(p.ActiveProcessors(), 8);
    EXPECT_EQ(p.ProcessorCount(), 8);
    EXPECT_EQ(p.Architecture(), "x86_64");
    EXPECT_EQ(p.VendorID(), "AuthenticAMD");
    EXPECT_EQ(p.Model(), "AMD EPYC");
    EXPECT_EQ(p.Level(), 25);
    EXPECT_EQ(p.ModelNumber(), 17);
    EXPECT_EQ(p.Revision(), 1);
    EXPECT_EQ(p.Stepping(), "1");
    EXPECT_EQ(p.RevisionString(), "Model 17, Stepping 1");
    EXPECT_TRUE(p.SupportsMMX());
    EXPECT_FALSE(p.OverDrivePresent()); // only the instruction can tell
    EXPECT_EQ(p.RawMhz(), 2596);
    EXPECT_EQ(p.Speed(), 2596);
}

TEST(ProcessorFacts, TheInstructionWinsOverTheListing)
{
    auto s = processorSources();
    // "AuthenticAMD" in ebx, edx, ecx; family 0xF + 0x0A = 25, model 0x11,
    // stepping 1, MMX bit set.
    const uint32_t leaf0[4] = {0x10, 0x68747541, 0x444D4163, 0x69746E65};
    const uint32_t leaf1[4] = {0x00A10F11, 0, 0, 1u << 23};
    const QByteArray brand = QByteArray("  AMD EPYC 9B14 96-Core Processor") + QByteArray(15, '\0');
    const zg::CpuIdentification id = zg::ProcessorImpl::decodeIdentification(leaf0, leaf1, brand);
    EXPECT_EQ(id.vendor, "AuthenticAMD");
    EXPECT_EQ(id.family, 25);
    EXPECT_EQ(id.model, 0x11);
    EXPECT_EQ(id.stepping, 1);
    EXPECT_EQ(id.type, 0);
    EXPECT_TRUE(id.mmx);
    EXPECT_EQ(id.brand, "AMD EPYC 9B14 96-Core Processor");

    s.identification = [id] {
        auto overdrive = id;
        overdrive.type = 1;
        overdrive.model = 33;
        return std::optional<zg::CpuIdentification>(overdrive);
    };
    zg::ProcessorImpl p(s);
    EXPECT_TRUE(p.OverDrivePresent());
    EXPECT_EQ(p.ModelNumber(), 33);
    EXPECT_EQ(p.Model(), "AMD EPYC 9B14 96-Core Processor");

    // Family 6 folds in the extended model, family 5 does not.
    const uint32_t intel6[4] = {0x000906EA, 0, 0, 0};
    EXPECT_EQ(zg::ProcessorImpl::decodeIdentification(leaf0, intel6, {}).model, 0x9E);
    const uint32_t pentium[4] = {0x000F0543, 0, 0, 0};
    EXPECT_EQ(zg::ProcessorImpl::decodeIdentification(leaf0, pentium, {}).model, 4);
    EXPECT_EQ(zg::ProcessorImpl::decodeIdentification(leaf0, pentium, {}).family, 5);
}

TEST(ProcessorFacts, AnArchitectureWithoutIdentificationGivesNeutralValues)
{
    // An ARM machine's listing in the kernel's format: no vendor text, no
    // family, no clock.
    zg::ProcessorImpl::Sources s;
    s.cpuinfo = text("processor\t: 0\nBogoMIPS\t: 48.00\nFeatures\t: fp asimd evtstrm crc32\n"
                     "CPU implementer\t: 0x41\nCPU architecture: 8\nCPU variant\t: 0x0\n"
                     "CPU part\t: 0xd08\nCPU revision\t: 3\n\nprocessor\t: 1\nCPU part\t: 0xd03\n\n");
    s.machine = text("aarch64");
    zg::ProcessorImpl p(s);
    EXPECT_EQ(p.ActiveProcessors(), 2); // from the listing when the lists are missing
    EXPECT_EQ(p.ProcessorCount(), 2);
    EXPECT_EQ(p.Level(), 8);
    EXPECT_EQ(p.ModelNumber(), 0xd08);
    EXPECT_EQ(p.Stepping(), "3");
    EXPECT_EQ(p.VendorID(), "");
    EXPECT_EQ(p.Model(), "");
    EXPECT_FALSE(p.SupportsMMX());
    EXPECT_FALSE(p.OverDrivePresent());
    EXPECT_EQ(p.RawMhz(), 0);
    EXPECT_EQ(p.Speed(), 0);

    zg::ProcessorImpl empty(zg::ProcessorImpl::Sources {});
    EXPECT_EQ(empty.ActiveProcessors(), 0);
    EXPECT_EQ(empty.Level(), 0);
    EXPECT_EQ(empty.Revision(), 0);
    EXPECT_EQ(empty.RevisionString(), "");
    EXPECT_EQ(empty.Stepping(), "");
    EXPECT_EQ(empty.Architecture(), "");
}

TEST(ProcessorFacts, CpuListsAndTheCurrentClock)
{
    EXPECT_EQ(zg::ProcessorImpl::countCpuList("0-3,6,8-9\n"), 7);
    EXPECT_EQ(zg::ProcessorImpl::countCpuList("0"), 1);
    EXPECT_EQ(zg::ProcessorImpl::countCpuList(""), 0);
    EXPECT_EQ(zg::ProcessorImpl::countCpuList("3-1"), 0);
    EXPECT_EQ(zg::ProcessorImpl::countCpuList("a-b"), 0);

    auto s = processorSources();
    s.currentKHz = text("1800000\n");
    EXPECT_EQ(zg::ProcessorImpl(s).RawMhz(), 1800);
}

TEST(ProcessorFacts, TheMachineNamesItsVendor)
{
    zg::ProcessorImpl p;
    EXPECT_GT(p.ActiveProcessors(), 0);
#if defined(__i386__) || defined(__x86_64__)
    EXPECT_FALSE(p.VendorID().isEmpty());
    EXPECT_TRUE(p.SupportsMMX()); // every x86-64 processor has it
#endif
}

// ---- widening ----

TEST(PadToWidth, WidensWithZerosInFrontAndKeepsLongerTexts)
{
    zg::StringsImpl s;
    EXPECT_EQ(s.PadToWidth(plat::Variant(QStringLiteral("10000")), 8), "00010000");
    EXPECT_EQ(s.PadToWidth(plat::Variant(QStringLiteral("7FFFFFFFEFFF")), 8), "7FFFFFFFEFFF");
    EXPECT_EQ(s.PadToWidth(plat::Variant(int32_t(42)), 4), "0042");
    EXPECT_EQ(s.PadToWidth(plat::Variant(QStringLiteral("")), 0), "");
    try {
        s.PadToWidth(plat::Variant(QStringLiteral("1")), -1);
        ADD_FAILURE() << "no error";
    } catch (const plat::RuntimeError& e) {
        EXPECT_EQ(e.number(), 5);
    }
}

} // namespace
