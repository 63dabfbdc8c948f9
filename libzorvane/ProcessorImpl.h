// The processor's clock, read from the kernel's cpufreq tables or from
// /proc/cpuinfo.
#pragma once
#include "ZorvaneProcessor.h"

#include <QString>
#include <functional>
#include <optional>

namespace zg {

class ProcessorImpl : public ZorvaneProcessor {
public:
    // Gives the clock in MHz, or nothing when it cannot be read.
    using SpeedSource = std::function<std::optional<double>()>;

    // An empty source reads the machine's (systemSpeed).
    explicit ProcessorImpl(SpeedSource source = {});

    int16_t Speed() override;

    // The rated clock in MHz from the texts of cpufreq's cpuinfo_max_freq
    // (kHz) and of /proc/cpuinfo ("cpu MHz"), the first that holds one.
    static std::optional<double> speedFromTexts(const QString& cpufreqMaxKHz, const QString& cpuinfo);
    // Reads the machine's files.
    static std::optional<double> systemSpeed();

private:
    SpeedSource source_;
};

} // namespace zg
