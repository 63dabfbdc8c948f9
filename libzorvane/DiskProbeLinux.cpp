// The machine's drive facts: the drive map, statvfs, the block devices'
// attributes in /sys, and the volumes' labels, identifiers and file-system
// versions through the platform's volumes (Paths.h), which this library reads
// from udev's record of the device, or where there is none from the volume's
// superblock with libblkid (when the device can be read).
#include "DiskInfoImpl.h"

#include "Paths.h"

#include <QFile>
#include <QFileInfo>
#include <blkid/blkid.h>
#include <sys/statvfs.h>

namespace zg {

namespace {

QString readLine(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(f.readLine(256)).trimmed();
}

// libblkid's answer for a device it can open (usually only as root), or an
// image file of a file system.
void probeWithBlkid(const QString& devicePath, plat::Volume& v)
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
        v.label = value("LABEL");
        v.uuid = value("UUID");
        v.type = value("TYPE");
        v.version = value("VERSION");
    }
    blkid_free_probe(pr);
}

// udev's record first: udev read the superblock itself when the device
// came, and its record costs one small file, where the probe costs loading
// its library (a drive list shows every drive's volume as its window
// opens). The superblock where udev has no record, as on machines without
// udev and for image files; what neither tells stays empty.
plat::Volume readVolume(const QString& devicePath)
{
    plat::Volume v = plat::readUdevVolume(devicePath);
    if (v.type.isEmpty()) {
        plat::Volume probed;
        probeWithBlkid(devicePath, probed);
        for (auto field : {&plat::Volume::label, &plat::Volume::uuid, &plat::Volume::type, &plat::Volume::version})
            if (!(probed.*field).isEmpty())
                v.*field = probed.*field;
    }
    return v;
}

// Every program that has the library reads volumes through it, the drive
// list included, from the moment the library is loaded.
const struct VolumeReaderSet {
    VolumeReaderSet() { plat::setVolumeReader(readVolume); }
} volumeReaderSet;

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
        plat::Drive d;
        d.mountPoint = drive.mountPoint;
        d.device = drive.device;
        d.ready = drive.ready;
        d.label = drive.label;
        d.uuid = drive.uuid;
        const plat::Volume v = plat::driveVolume(d);
        return Identity{v.label, v.uuid, v.type, v.version};
    }
};

} // namespace

std::shared_ptr<DiskProbe> makeMachineDiskProbe() { return std::make_shared<LinuxDiskProbe>(); }

} // namespace zg
