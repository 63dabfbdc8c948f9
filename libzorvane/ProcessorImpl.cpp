#include "ProcessorImpl.h"

#include "SystemFiles.h"
#include "Units.h"

#include <QRegularExpression>
#include <algorithm>
#include <cmath>
#include <sys/utsname.h>

#if defined(__i386__) || defined(__x86_64__)
#include <cpuid.h>
#define ZG_HAVE_CPUID 1
#endif

namespace zg {

namespace {

// A whole number held in 16 bits; unknown (negative) values read 0.
int16_t small(double v)
{
    if (!std::isfinite(v) || v <= 0)
        return 0;
    return int16_t(std::min(plat::roundEven(v), 32767.0));
}

// A number as the kernel writes it in cpuinfo: decimal, or hexadecimal with
// "0x"; -1 when it is none.
int fieldNumber(const QString& text)
{
    bool ok = false;
    const QString t = text.trimmed();
    const int v = t.startsWith(QLatin1String("0x"), Qt::CaseInsensitive) ? t.mid(2).toInt(&ok, 16) : t.toInt(&ok);
    return ok && v >= 0 ? v : -1;
}

QString call(const std::function<QString()>& f)
{
    return f ? f() : QString();
}

} // namespace

QString CpuListing::field(const char* key) const
{
    const auto it = fields.find(QString::fromLatin1(key));
    return it == fields.end() ? QString() : it->second;
}

ProcessorImpl::Sources ProcessorImpl::systemSources()
{
    Sources s;
    s.cpuinfo = fileSource("/proc/cpuinfo");
    s.onlineList = fileSource("/sys/devices/system/cpu/online");
    s.presentList = fileSource("/sys/devices/system/cpu/present");
    s.currentKHz = fileSource("/sys/devices/system/cpu/cpu0/cpufreq/scaling_cur_freq");
    s.machine = [] {
        utsname u {};
        return uname(&u) == 0 ? QString::fromLatin1(u.machine) : QString();
    };
    s.identification = identify;
    s.speed = systemSpeed;
    return s;
}

ProcessorImpl::ProcessorImpl(SpeedSource source) : sources_(systemSources())
{
    if (source)
        sources_.speed = std::move(source);
}

ProcessorImpl::ProcessorImpl(Sources sources) : sources_(std::move(sources)) {}

const CpuListing& ProcessorImpl::listing()
{
    if (!listing_)
        listing_ = parseCpuInfo(call(sources_.cpuinfo));
    return *listing_;
}

const std::optional<CpuIdentification>& ProcessorImpl::identification()
{
    if (!identification_)
        identification_ = sources_.identification ? sources_.identification() : std::nullopt;
    return *identification_;
}

// ---- counts and names ----

int16_t ProcessorImpl::ActiveProcessors()
{
    const int n = countCpuList(call(sources_.onlineList));
    return small(n > 0 ? n : listing().entries);
}

QString ProcessorImpl::Architecture()
{
    return call(sources_.machine).trimmed();
}

int16_t ProcessorImpl::ProcessorCount()
{
    const int n = countCpuList(call(sources_.presentList));
    return small(n > 0 ? n : listing().entries);
}

// ---- identification ----

int16_t ProcessorImpl::Level()
{
    if (const auto& id = identification())
        return small(id->family);
    int v = fieldNumber(listing().field("cpu family"));
    if (v < 0)
        v = fieldNumber(listing().field("CPU architecture"));
    return small(v);
}

QString ProcessorImpl::Model()
{
    if (const auto& id = identification(); id && !id->brand.isEmpty())
        return id->brand;
    QString m = listing().field("model name");
    if (m.isEmpty())
        m = listing().field("cpu model");
    return m;
}

int ProcessorImpl::modelNumber()
{
    if (const auto& id = identification())
        return id->model;
    const int v = fieldNumber(listing().field("model"));
    return v >= 0 ? v : fieldNumber(listing().field("CPU part"));
}

int ProcessorImpl::steppingNumber()
{
    if (const auto& id = identification())
        return id->stepping;
    const int v = fieldNumber(listing().field("stepping"));
    return v >= 0 ? v : fieldNumber(listing().field("CPU revision"));
}

int16_t ProcessorImpl::ModelNumber()
{
    return small(modelNumber());
}

bool ProcessorImpl::OverDrivePresent()
{
    const auto& id = identification();
    return id && id->type == 1;
}

int16_t ProcessorImpl::RawMhz()
{
    bool ok = false;
    const double khz = call(sources_.currentKHz).trimmed().toDouble(&ok);
    if (ok && khz > 0)
        return small(khz / 1000.0);
    const double mhz = listing().field("cpu MHz").toDouble(&ok);
    return ok ? small(mhz) : 0;
}

int16_t ProcessorImpl::Revision()
{
    return small(steppingNumber());
}

QString ProcessorImpl::RevisionString()
{
    const int model = modelNumber();
    const int stepping = steppingNumber();
    if (model < 0 && stepping < 0)
        return QString();
    return QStringLiteral("Model %1, Stepping %2").arg(std::max(model, 0)).arg(std::max(stepping, 0));
}

QString ProcessorImpl::Stepping()
{
    const int s = steppingNumber();
    return s < 0 ? QString() : QString::number(s);
}

bool ProcessorImpl::SupportsMMX()
{
    if (const auto& id = identification())
        return id->mmx;
    return listing().field("flags").split(u' ', Qt::SkipEmptyParts).contains(QLatin1String("mmx"));
}

QString ProcessorImpl::VendorID()
{
    if (const auto& id = identification(); id && !id->vendor.isEmpty())
        return id->vendor;
    return listing().field("vendor_id");
}

// ---- clock ----

int16_t ProcessorImpl::Speed()
{
    const std::optional<double> mhz = sources_.speed ? sources_.speed() : std::nullopt;
    if (!mhz)
        return 0;
    return small(*mhz);
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

// ---- parsers ----

CpuListing ProcessorImpl::parseCpuInfo(const QString& text)
{
    // The fields are kept up to the second "processor" line: the first
    // entry, and on some architectures the lines before it.
    CpuListing out;
    for (const QStringView line : QStringView(text).split(u'\n')) {
        const qsizetype colon = line.indexOf(u':');
        if (colon < 0)
            continue;
        const QString key = line.left(colon).trimmed().toString();
        if (key == QLatin1String("processor"))
            ++out.entries;
        if (out.entries <= 1 && !out.fields.count(key))
            out.fields.emplace(key, line.mid(colon + 1).trimmed().toString());
    }
    return out;
}

int ProcessorImpl::countCpuList(const QString& text)
{
    const QString t = text.trimmed();
    if (t.isEmpty())
        return 0;
    int total = 0;
    for (const QString& part : t.split(u',')) {
        const QStringList ends = part.split(u'-');
        bool ok1 = false, ok2 = true;
        const int from = ends.value(0).toInt(&ok1);
        const int to = ends.size() == 2 ? ends[1].toInt(&ok2) : from;
        if (!ok1 || !ok2 || ends.size() > 2 || from < 0 || to < from)
            return 0;
        total += to - from + 1;
    }
    return total;
}

CpuIdentification ProcessorImpl::decodeIdentification(const uint32_t leaf0[4], const uint32_t leaf1[4],
                                                      const QByteArray& brand)
{
    // Registers in the order eax, ebx, ecx, edx; the vendor text is
    // ebx, edx, ecx.
    CpuIdentification id;
    QByteArray vendor;
    for (uint32_t r : {leaf0[1], leaf0[3], leaf0[2]})
        for (int i = 0; i < 4; ++i)
            vendor.append(char((r >> (8 * i)) & 0xFF));
    id.vendor = QString::fromLatin1(vendor.constData(), qstrnlen(vendor.constData(), 12)).trimmed();

    const uint32_t eax = leaf1[0];
    const int baseFamily = int((eax >> 8) & 0xF);
    const int baseModel = int((eax >> 4) & 0xF);
    id.stepping = int(eax & 0xF);
    id.type = int((eax >> 12) & 0x3);
    // The kernel's rules: the extended family counts for family 15, the
    // extended model for family 6 and above.
    id.family = baseFamily == 0xF ? baseFamily + int((eax >> 20) & 0xFF) : baseFamily;
    id.model = id.family >= 6 ? baseModel | int(((eax >> 16) & 0xF) << 4) : baseModel;
    id.mmx = (leaf1[3] >> 23) & 1;
    id.brand = QString::fromLatin1(brand.constData(), qstrnlen(brand.constData(), brand.size())).trimmed();
    return id;
}

std::optional<CpuIdentification> ProcessorImpl::identify()
{
#ifdef ZG_HAVE_CPUID
    uint32_t l0[4] {}, l1[4] {};
    if (!__get_cpuid(0, &l0[0], &l0[1], &l0[2], &l0[3]))
        return std::nullopt;
    if (l0[0] >= 1)
        __get_cpuid(1, &l1[0], &l1[1], &l1[2], &l1[3]);
    QByteArray brand;
    uint32_t top = __get_cpuid_max(0x80000000u, nullptr);
    if (top >= 0x80000004u) {
        for (uint32_t leaf = 0x80000002u; leaf <= 0x80000004u; ++leaf) {
            uint32_t r[4] {};
            __get_cpuid(leaf, &r[0], &r[1], &r[2], &r[3]);
            brand.append(reinterpret_cast<const char*>(r), sizeof r);
        }
    }
    return decodeIdentification(l0, l1, brand);
#else
    return std::nullopt;
#endif
}

} // namespace zg
