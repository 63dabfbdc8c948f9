// The machine's drive facts: the drive map, statvfs, the block devices'
// attributes in /sys, and the volumes' labels and identifiers from libblkid
// (when the device can be read), udev's records, or /dev/disk/by-* links.
#include "DiskInfoImpl.h"

#include "Paths.h"

#include <QDir>
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

// The name of the /dev/disk/<folder> link that leads to the device.
QString linkTo(const QString& folder, const QString& devicePath)
{
    const QString target = QFileInfo(devicePath).canonicalFilePath();
    if (target.isEmpty())
        return {};
    const QDir dir(QStringLiteral("/dev/disk/") + folder);
    for (const QFileInfo& link : dir.entryInfoList(QDir::System | QDir::Files | QDir::NoDotAndDotDot))
        if (link.canonicalFilePath() == target)
            return link.fileName();
    return {};
}

class LinuxDiskProbe : public DiskProbe {
public:
    std::optional<Drive> drive(QChar letter) override
    {
        // Until every drive comes from the drive map, C: is the root.
        if (letter.toUpper() != QLatin1Char('C'))
            return std::nullopt;
        Drive d;
        d.mountPoint = QStringLiteral("/");
        d.ready = true;
        d.kind = 3;
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
        if (id.label.isEmpty())
            id.label = linkTo(QStringLiteral("by-label"), devicePath);
        if (id.uuid.isEmpty())
            id.uuid = linkTo(QStringLiteral("by-uuid"), devicePath);
        return id;
    }
};

} // namespace

std::shared_ptr<DiskProbe> makeMachineDiskProbe() { return std::make_shared<LinuxDiskProbe>(); }

} // namespace zg
