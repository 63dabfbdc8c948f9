// The processor's facts: the kernel's processor listing (/proc/cpuinfo), its
// lists of present and online processors, the clock from cpufreq, and on
// x86 and x86-64 the processor's identification instruction. Every read goes
// through a replaceable source, so tests give fixed texts.
#pragma once
#include "ZorvaneProcessor.h"

#include <QString>
#include <functional>
#include <map>
#include <optional>

namespace zg {

// What the identification instruction tells (x86 only).
struct CpuIdentification {
    QString vendor; // leaf 0
    int family = 0; // leaf 1, with the extended family and model folded in
    int model = 0;
    int stepping = 0;
    int type = 0; // 0 original, 1 OverDrive, 2 second processor
    bool mmx = false;
    QString brand; // leaves 0x80000002-4, trimmed; "" when absent
};

// The first processor's entry of /proc/cpuinfo and the number of entries.
struct CpuListing {
    std::map<QString, QString> fields; // "vendor_id" -> "AuthenticAMD", ...
    int entries = 0;
    QString field(const char* key) const;
};

class ProcessorImpl : public ZorvaneProcessor {
public:
    // Gives the clock in MHz, or nothing when it cannot be read.
    using SpeedSource = std::function<std::optional<double>()>;

    struct Sources {
        std::function<QString()> cpuinfo; // /proc/cpuinfo
        std::function<QString()> onlineList; // /sys/devices/system/cpu/online ("0-7")
        std::function<QString()> presentList; // /sys/devices/system/cpu/present
        std::function<QString()> currentKHz; // cpufreq's scaling_cur_freq
        std::function<QString()> machine; // uname's machine name
        std::function<std::optional<CpuIdentification>()> identification;
        SpeedSource speed;
    };
    // The machine's sources (and an x86 machine's instruction).
    static Sources systemSources();

    // An empty speed source reads the machine's (systemSpeed); the other
    // facts are the machine's.
    explicit ProcessorImpl(SpeedSource source = {});
    explicit ProcessorImpl(Sources sources);

    int16_t ActiveProcessors() override;
    QString Architecture() override;
    int16_t ProcessorCount() override;
    int16_t Level() override;
    QString Model() override;
    int16_t ModelNumber() override;
    bool OverDrivePresent() override;
    int16_t RawMhz() override;
    int16_t Revision() override;
    QString RevisionString() override;
    int16_t Speed() override;
    QString Stepping() override;
    bool SupportsMMX() override;
    QString VendorID() override;

    // The rated clock in MHz from the texts of cpufreq's cpuinfo_max_freq
    // (kHz) and of /proc/cpuinfo ("cpu MHz"), the first that holds one.
    static std::optional<double> speedFromTexts(const QString& cpufreqMaxKHz, const QString& cpuinfo);
    // Reads the machine's files.
    static std::optional<double> systemSpeed();
    // The first entry of a /proc/cpuinfo text (keys and values trimmed) and
    // how many "processor" entries it has.
    static CpuListing parseCpuInfo(const QString& text);
    // How many processors a kernel CPU list names ("0-3,6,8-9" -> 7); 0 for
    // an empty or malformed list.
    static int countCpuList(const QString& text);
    // The identification from the registers of leaves 0 and 1 and the
    // brand leaves (48 bytes, or empty).
    static CpuIdentification decodeIdentification(const uint32_t leaf0[4], const uint32_t leaf1[4],
                                                  const QByteArray& brand);
    // This processor's identification; nothing off x86.
    static std::optional<CpuIdentification> identify();

private:
    const CpuListing& listing();
    const std::optional<CpuIdentification>& identification();
    // The model and stepping numbers, -1 when unknown.
    int modelNumber();
    int steppingNumber();

    Sources sources_;
    std::optional<CpuListing> listing_;
    std::optional<std::optional<CpuIdentification>> identification_;
};

} // namespace zg
