#include "ProcessorImpl.h"

#include "Units.h"

#include <QFile>
#include <QRegularExpression>
#include <algorithm>
#include <cmath>

namespace zg {

namespace {
QString readSmallFile(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QString();
    // /proc files report no size; read what they give, bounded.
    return QString::fromLatin1(f.read(1 << 20));
}
} // namespace

ProcessorImpl::ProcessorImpl(SpeedSource source) : source_(source ? std::move(source) : SpeedSource(systemSpeed)) {}

int16_t ProcessorImpl::Speed()
{
    const std::optional<double> mhz = source_();
    if (!mhz || !std::isfinite(*mhz) || *mhz <= 0)
        return 0;
    return int16_t(std::min(plat::roundEven(*mhz), 32767.0));
}

std::optional<double> ProcessorImpl::speedFromTexts(const QString& cpufreqMaxKHz, const QString& cpuinfo)
{
    bool ok = false;
    const double khz = cpufreqMaxKHz.trimmed().toDouble(&ok);
    if (ok && khz > 0)
        return khz / 1000.0;
    static const QRegularExpression line(QStringLiteral("^cpu MHz\\s*:\\s*([0-9]+(?:\\.[0-9]+)?)\\s*$"),
                                         QRegularExpression::MultilineOption);
    const QRegularExpressionMatch m = line.match(cpuinfo);
    if (m.hasMatch()) {
        const double mhz = m.captured(1).toDouble(&ok);
        if (ok && mhz > 0)
            return mhz;
    }
    return std::nullopt;
}

std::optional<double> ProcessorImpl::systemSpeed()
{
    return speedFromTexts(readSmallFile(QStringLiteral("/sys/devices/system/cpu/cpu0/cpufreq/cpuinfo_max_freq")),
                          readSmallFile(QStringLiteral("/proc/cpuinfo")));
}

} // namespace zg
