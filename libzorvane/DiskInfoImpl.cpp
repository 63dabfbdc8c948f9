#include "DiskInfoImpl.h"

#include <QStringList>
#include <limits>

namespace zg {

namespace {

std::shared_ptr<DiskProbe>& installedProbe()
{
    static std::shared_ptr<DiskProbe> probe;
    return probe;
}


bool isFatType(const QString& t)
{
    return t == QLatin1String("vfat") || t == QLatin1String("msdos") || t == QLatin1String("fat") ||
           t == QLatin1String("umsdos");
}

} // namespace

std::shared_ptr<DiskProbe> makeMachineDiskProbe(); // DiskProbeLinux.cpp

std::shared_ptr<DiskProbe> diskProbe()
{
    if (installedProbe())
        return installedProbe();
    static const std::shared_ptr<DiskProbe> machine = makeMachineDiskProbe();
    return machine;
}

void installDiskProbe(std::shared_ptr<DiskProbe> probe) { installedProbe() = std::move(probe); }

int64_t blockBytes(uint64_t blocks, uint64_t blockSize)
{
    constexpr uint64_t max = static_cast<uint64_t>(std::numeric_limits<int64_t>::max());
    if (blockSize != 0 && blocks > max / blockSize)
        return std::numeric_limits<int64_t>::max();
    return static_cast<int64_t>(blocks * blockSize);
}

DiskInfoImpl::DiskInfoImpl(QChar letter) : letter_(letter.toUpper()) {}

std::optional<DiskProbe::Drive> DiskInfoImpl::readyDrive()
{
    auto d = diskProbe()->drive(letter_);
    if (!d || !d->ready || d->mountPoint.isEmpty())
        return std::nullopt;
    return d;
}

std::optional<DiskProbe::Space> DiskInfoImpl::space()
{
    const auto d = readyDrive();
    if (!d)
        return std::nullopt;
    return diskProbe()->space(d->mountPoint);
}

bool DiskInfoImpl::IsReady() { return space().has_value(); }

int32_t DiskInfoImpl::DriveType()
{
    const auto d = diskProbe()->drive(letter_);
    return d ? d->kind : 1;
}

QString DiskInfoImpl::VolumeName()
{
    const auto d = readyDrive();
    if (!d)
        return {};
    const QString label = diskProbe()->identity(*d).label;
    return label.isEmpty() ? d->label : label;
}

QString DiskInfoImpl::fatKind()
{
    const auto d = readyDrive();
    if (!d)
        return {};
    const auto id = diskProbe()->identity(*d);
    const bool fat = isFatType(d->fsType) || isFatType(id.type);
    if (!fat)
        return {};
    if (id.version == QLatin1String("FAT32"))
        return QStringLiteral("FAT32");
    if (id.version == QLatin1String("FAT12") || id.version == QLatin1String("FAT16"))
        return QStringLiteral("FAT12/16");
    // The kind a FAT volume's cluster count gives it.
    const auto s = diskProbe()->space(d->mountPoint);
    return s && s->blocks >= 65525 ? QStringLiteral("FAT32") : QStringLiteral("FAT12/16");
}

bool DiskInfoImpl::IsCDFS()
{
    const auto d = readyDrive();
    return d && (d->fsType == QLatin1String("iso9660") || diskProbe()->identity(*d).type == QLatin1String("iso9660"));
}

bool DiskInfoImpl::IsFAT() { return fatKind() == QLatin1String("FAT12/16"); }

bool DiskInfoImpl::IsFAT32() { return fatKind() == QLatin1String("FAT32"); }

bool DiskInfoImpl::IsNTFS()
{
    const auto d = readyDrive();
    if (!d)
        return false;
    if (d->fsType == QLatin1String("ntfs") || d->fsType == QLatin1String("ntfs3"))
        return true;
    return diskProbe()->identity(*d).type == QLatin1String("ntfs");
}

QString DiskInfoImpl::SerialNumber()
{
    const auto d = readyDrive();
    if (!d)
        return {};
    const QString uuid = diskProbe()->identity(*d).uuid;
    return uuid.isEmpty() ? d->uuid : uuid;
}

QString DiskInfoImpl::ShareName()
{
    const auto d = readyDrive();
    if (!d || d->kind != 4)
        return {};
    // "//server/share" (SMB) and "server:/export" (NFS) as "\\server\share".
    QString s = d->source;
    if (!s.startsWith(QLatin1String("//"))) {
        const qsizetype colon = s.indexOf(QLatin1Char(':'));
        if (colon > 0) {
            QString rest = s.mid(colon + 1);
            if (!rest.startsWith(QLatin1Char('/')))
                rest.prepend(QLatin1Char('/'));
            s = QStringLiteral("//") + s.left(colon) + rest;
        }
    }
    s.replace(QLatin1Char('/'), QLatin1Char('\\'));
    while (s.size() > 3 && s.endsWith(QLatin1Char('\\')))
        s.chop(1);
    return s;
}

int64_t DiskInfoImpl::TotalSpace()
{
    const auto s = space();
    return s ? blockBytes(s->blocks, s->blockSize) : 0;
}

int64_t DiskInfoImpl::FreeSpace()
{
    const auto s = space();
    return s ? blockBytes(s->freeBlocks, s->blockSize) : 0;
}

int64_t DiskInfoImpl::FreeAccountSpace()
{
    const auto s = space();
    return s ? blockBytes(s->availableBlocks, s->blockSize) : 0;
}

int64_t DiskInfoImpl::TotalClusters()
{
    const auto s = space();
    return s ? blockBytes(s->blocks, 1) : 0;
}

int64_t DiskInfoImpl::FreeClusters()
{
    const auto s = space();
    return s ? blockBytes(s->freeBlocks, 1) : 0;
}

int32_t DiskInfoImpl::SectorsPerCluster()
{
    const auto d = readyDrive();
    if (!d)
        return 0;
    const auto s = diskProbe()->space(d->mountPoint);
    if (!s)
        return 0;
    int sector = d->device.isEmpty() ? 0 : diskProbe()->logicalSectorSize(d->device);
    if (sector <= 0)
        sector = 512;
    const uint64_t n = s->blockSize / static_cast<uint64_t>(sector);
    return n < 1 ? 1 : static_cast<int32_t>(std::min<uint64_t>(n, std::numeric_limits<int32_t>::max()));
}

} // namespace zg
