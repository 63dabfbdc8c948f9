// The machine's drive facts: the drive map, statvfs, the block devices'
// attributes in /sys, and the volumes' labels, identifiers and file-system
// versions from libblkid (when the device can be read) or udev's records.
// The drive map's label and identifier (from /dev/disk/by-*) stand in for
// what neither gives.
#include "DiskInfoImpl.h"

#include "Paths.h"

#include <QFile>
#include <QFileInfo>
#include <blkid/blkid.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <sys/sysmacros.h>

namespace zg {

namespace {

QString readLine(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(f.readLine(256)).trimmed();
}

// libblkid's answer for a device it can open (usually only as root).
void probeWithBlkid(const QString& devicePath, DiskProbe::Identity& id)
{
    blkid_probe pr = blkid_new_probe_from_filename(QFile::encodeName(devicePath).constData());
    if (!pr)
        return;
    blkid_probe_enable_superblocks(pr, 1);
    blkid_probe_set_superblocks_flags(pr, BLKID_SUBLKS_LABEL | BLKID_SUBLKS_UUID | BLKID_SUBLKS_TYPE |
                                              BLKID_SUBLKS_VERSION);
    if (blkid_do_safeprobe(pr) == 0) {
        auto value = [pr](const char* name) {
            const char* v = nullptr;
            size_t len = 0;
            return blkid_probe_lookup_value(pr, name, &v, &len) == 0 && v ? QString::fromUtf8(v) : QString();
        };
        id.label = value("LABEL");
        id.uuid = value("UUID");
        id.type = value("TYPE");
        id.version = value("VERSION");
    }
    blkid_free_probe(pr);
}

// udev's record of a block device, readable by every user.
void probeWithUdev(const QString& devicePath, DiskProbe::Identity& id)
{
    struct stat st {};
    if (::stat(QFile::encodeName(devicePath).constData(), &st) != 0 || !S_ISBLK(st.st_mode))
        return;
    QFile f(QStringLiteral("/run/udev/data/b%1:%2").arg(major(st.st_rdev)).arg(minor(st.st_rdev)));
    if (!f.open(QIODevice::ReadOnly))
        return;
    for (const QByteArray& raw : f.readAll().split('\n')) {
        const QString line = QString::fromUtf8(raw);
        auto take = [&line](const char* key, QString& into) {
            const QString prefix = QStringLiteral("E:") + QLatin1String(key) + QLatin1Char('=');
            if (into.isEmpty() && line.startsWith(prefix))
                into = line.mid(prefix.size());
        };
        take("ID_FS_LABEL", id.label);
        take("ID_FS_UUID", id.uuid);
        take("ID_FS_TYPE", id.type);
        take("ID_FS_VERSION", id.version);
    }
}

class LinuxDiskProbe : public DiskProbe {
public:
    std::optional<Drive> drive(QChar letter) override
    {
        const plat::Drive* m = plat::driveFor(letter);
        if (!m)
            return std::nullopt;
        Drive d;
        d.mountPoint = m->mountPoint;
        d.source = m->source;
        d.device = m->device;
        d.fsType = m->fsType;
        d.kind = static_cast<int32_t>(m->kind);
        d.ready = m->ready;
        d.label = m->label;
        d.uuid = m->uuid;
        return d;
    }

    std::optional<Space> space(const QString& mountPoint) override
    {
        struct statvfs s {};
        if (::statvfs(QFile::encodeName(mountPoint).constData(), &s) != 0)
            return std::nullopt;
        Space sp;
        sp.blockSize = s.f_frsize ? s.f_frsize : s.f_bsize;
        sp.blocks = s.f_blocks;
        sp.freeBlocks = s.f_bfree;
        sp.availableBlocks = s.f_bavail;
        return sp;
    }

    int logicalSectorSize(const QString& device) override
    {
        // A partition's queue is its disk's: /sys/class/block/sda1 lies
        // inside /sys/.../sda.
        const QString node = QFileInfo(QStringLiteral("/sys/class/block/") + device).canonicalFilePath();
        if (node.isEmpty())
            return 0;
        for (const QString& dir : {node, QFileInfo(node).path()}) {
            const int n = readLine(dir + QStringLiteral("/queue/logical_block_size")).toInt();
            if (n > 0)
                return n;
        }
        return 0;
    }

    Identity identity(const Drive& drive) override
    {
        Identity id;
        if (drive.device.isEmpty())
            return id;
        const QString devicePath = QStringLiteral("/dev/") + drive.device;
        probeWithBlkid(devicePath, id);
        if (id.type.isEmpty())
            probeWithUdev(devicePath, id);
        return id;
    }
};

} // namespace

std::shared_ptr<DiskProbe> makeMachineDiskProbe() { return std::make_shared<LinuxDiskProbe>(); }

} // namespace zg
