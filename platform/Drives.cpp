// The drive map of Paths.h: the mount table read into drive letters.
#include "Paths.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QVarLengthArray>
#include <algorithm>
#include <mutex>
#include <optional>

namespace plat {

namespace {

// One line of the mount table.
struct Mount {
    QString number;     // "major:minor" (mountinfo only)
    QString root;       // the mounted folder inside its file system (mountinfo only; "/" whole)
    QString mountPoint;
    QString fsType;
    QString source;
};

// The table's octal escapes ("\040" a blank, "\134" a backslash).
QString unescapeMountField(QStringView field)
{
    if (!field.contains(u'\\'))
        return field.toString();
    QByteArray bytes = field.toUtf8();
    QByteArray out;
    for (int i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\\' && i + 3 < bytes.size()) {
            const QByteArray digits = bytes.mid(i + 1, 3);
            bool ok = digits.size() == 3;
            for (char c : digits)
                ok = ok && c >= '0' && c <= '7';
            if (ok) {
                out.append(char(digits.toInt(nullptr, 8)));
                i += 3;
                continue;
            }
        }
        out.append(bytes[i]);
    }
    return QString::fromUtf8(out);
}

// The table is read through views of its text: only the fields kept are
// copied out.
std::vector<Mount> parseMountTable(const QString& text)
{
    std::vector<Mount> mounts;
    mounts.reserve(size_t(text.count(u'\n')) + 1);
    QVarLengthArray<QStringView, 16> f;
    for (const QStringView line : QStringView(text).tokenize(u'\n', Qt::SkipEmptyParts)) {
        f.clear();
        for (const QStringView field : line.tokenize(u' ', Qt::SkipEmptyParts))
            f.append(field);
        Mount m;
        const qsizetype dash = std::find(f.begin(), f.end(), u"-") - f.begin();
        bool numbered = false;
        if (f.size() >= 10 && dash >= 6 && dash + 2 < f.size())
            static_cast<void>(f[0].toInt(&numbered));
        if (numbered) {
            // mountinfo: id parent major:minor root mount-point options [optional...] - type source super-options
            m.number = f[2].toString();
            m.root = unescapeMountField(f[3]);
            m.mountPoint = unescapeMountField(f[4]);
            m.fsType = f[dash + 1].toString();
            m.source = unescapeMountField(f[dash + 2]);
        } else if (f.size() >= 3) {
            // mounts: source mount-point type options dump pass
            m.source = unescapeMountField(f[0]);
            m.mountPoint = unescapeMountField(f[1]);
            m.fsType = f[2].toString();
        } else {
            continue;
        }
        if (!m.mountPoint.startsWith(u'/'))
            continue;
        mounts.push_back(std::move(m));
    }
    return mounts;
}

bool isUnder(const QString& path, const QString& folder)
{
    if (folder == QLatin1String("/"))
        return path.startsWith(u'/');
    return path.startsWith(folder) && (path.size() == folder.size() || path[folder.size()] == u'/');
}

// File systems that hold no user files of their own.
bool isPseudoFileSystem(const QString& type)
{
    static const QSet<QString> pseudo = {
        "proc",       "sysfs",      "devtmpfs",  "devpts",     "securityfs", "cgroup",   "cgroup2",
        "pstore",     "bpf",        "debugfs",   "tracefs",    "configfs",   "fusectl",  "mqueue",
        "hugetlbfs",  "autofs",     "binfmt_misc", "efivarfs", "selinuxfs",  "rpc_pipefs", "nsfs",
        "overlay",    "aufs",       "squashfs",  "nfsd",       "devfs",      "usbfs",    "swap",
        "none",       "fuse.gvfsd-fuse", "fuse.portal", "fuse.lxcfs", "fuse.snapfuse", "ramfs", "tmpfs",
    };
    return pseudo.contains(type);
}

bool isNetworkFileSystem(const QString& type)
{
    static const QSet<QString> network = {"nfs", "nfs4", "cifs", "smb3", "smbfs"};
    return network.contains(type);
}

// A RAM disk counts when the administrator mounted it where media go:
// /mnt/<name>, /media/<name>, /media/<user>/<name>, /run/media/<user>/<name>.
bool isMediaMountPoint(const QString& mountPoint)
{
    const QStringList parts = mountPoint.split(u'/', Qt::SkipEmptyParts);
    if (parts.size() == 2 && (parts[0] == QLatin1String("mnt") || parts[0] == QLatin1String("media")))
        return true;
    if (parts.size() == 3 && parts[0] == QLatin1String("media"))
        return true;
    return parts.size() == 4 && parts[0] == QLatin1String("run") && parts[1] == QLatin1String("media");
}

// Folders that hold the system's own mounts, never drives.
bool isSystemMountPoint(const QString& mountPoint)
{
    for (const char* folder : {"/proc", "/sys", "/dev", "/snap", "/var/lib/docker", "/var/lib/containers",
                               "/var/snap"})
        if (isUnder(mountPoint, QLatin1String(folder)))
            return true;
    return isUnder(mountPoint, QStringLiteral("/run")) && !isUnder(mountPoint, QStringLiteral("/run/media"));
}

QString kernelNameOf(const Mount& m, const DriveFacts& facts)
{
    if (!m.number.isEmpty())
        if (auto it = facts.byNumber.find(m.number); it != facts.byNumber.end())
            return it.value();
    if (!m.source.startsWith(QLatin1String("/dev/")))
        return QString();
    if (auto it = facts.byPath.find(m.source); it != facts.byPath.end())
        return it.value();
    return m.source.mid(m.source.lastIndexOf(u'/') + 1);
}

bool isOpticalDevice(const QString& device, const DriveFacts& facts)
{
    return device.startsWith(QLatin1String("sr")) || facts.opticalDrives.contains(device);
}

DriveKind kindOf(const Mount& m, const QString& device, const DriveFacts& facts)
{
    if (isNetworkFileSystem(m.fsType))
        return DriveKind::Network;
    if (m.fsType == QLatin1String("tmpfs") || m.fsType == QLatin1String("ramfs") ||
        device.startsWith(QLatin1String("zram")) || device.startsWith(QLatin1String("ram")))
        return DriveKind::RamDisk;
    if (isOpticalDevice(device, facts) || m.fsType == QLatin1String("iso9660") || m.fsType == QLatin1String("udf"))
        return DriveKind::Optical;
    if (auto it = facts.blocks.find(device); it != facts.blocks.end() && it->removable)
        return DriveKind::Removable;
    return DriveKind::Fixed;
}

Drive driveFrom(const Mount& m, const DriveFacts& facts)
{
    Drive d;
    d.mountPoint = m.mountPoint;
    d.source = m.source;
    d.fsType = m.fsType;
    d.device = kernelNameOf(m, facts);
    d.kind = kindOf(m, d.device, facts);
    d.ready = true;
    d.label = facts.labels.value(d.device);
    d.uuid = facts.uuids.value(d.device);
    return d;
}

// The key that tells two mounts of one file system apart from two file
// systems.
QString fileSystemKey(const Mount& m, const QString& device)
{
    if (!m.number.isEmpty())
        return m.number;
    if (!device.isEmpty())
        return QStringLiteral("dev:") + device;
    return m.fsType + u'|' + m.source;
}

std::optional<std::vector<Drive>>& installed()
{
    static std::optional<std::vector<Drive>> map;
    return map;
}

std::mutex& mapMutex()
{
    static std::mutex m;
    return m;
}

QString readSmallFile(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(f.readAll()).trimmed();
}

} // namespace

QString Drive::rootPath() const { return QString(letter) + QStringLiteral(":\\"); }

QString Drive::listText() const
{
    const QString text = QString(letter.toLower()) + u':';
    const QString volumeLabel = driveVolume(*this).label;
    return volumeLabel.isEmpty() ? text : text + QStringLiteral(" [") + volumeLabel + u']';
}

std::vector<Drive> buildDriveMap(const QString& mountTable, const DriveFacts& facts)
{
    const std::vector<Mount> mounts = parseMountTable(mountTable);

    // The root: the last mount on "/" is the one in view.
    Drive root;
    root.mountPoint = QStringLiteral("/");
    QString rootKey;
    for (const Mount& m : mounts)
        if (m.mountPoint == QLatin1String("/")) {
            root = driveFrom(m, facts);
            if (root.kind != DriveKind::Network)
                root.kind = DriveKind::Fixed;
            rootKey = fileSystemKey(m, root.device);
        }
    root.letter = u'C';

    // The other file systems, one mount each: the first mount of a file
    // system is its own, later ones (binds) show it again elsewhere; a later
    // mount on the same point hides the earlier one. A hidden mount is only
    // marked, and the mount that each point shows is found by its point, so
    // the table is read in one pass however many mounts it holds; drives are
    // made for the mounts shown alone.
    struct Kept {
        const Mount* mount;
        QString device;
        bool hidden = false;
    };
    std::vector<Kept> kept;
    kept.reserve(mounts.size());
    QHash<QString, size_t> shownAt; // mount point -> the kept mount seen there
    QSet<QString> seen;
    if (!rootKey.isEmpty())
        seen.insert(rootKey);
    for (const Mount& m : mounts) {
        if (m.mountPoint == QLatin1String("/") || isSystemMountPoint(m.mountPoint))
            continue;
        const bool ramDisk = m.fsType == QLatin1String("tmpfs") || m.fsType == QLatin1String("ramfs");
        if (ramDisk ? !isMediaMountPoint(m.mountPoint) : isPseudoFileSystem(m.fsType))
            continue;
        if (!m.root.isEmpty() && m.root != QLatin1String("/"))
            continue; // a folder of a file system bound elsewhere
        QString device = kernelNameOf(m, facts);
        // A file system without a device or share behind it (fuse helpers
        // and the like) is no drive.
        if (!ramDisk && !isNetworkFileSystem(m.fsType) && device.isEmpty())
            continue;
        if (const auto shown = shownAt.constFind(m.mountPoint); shown != shownAt.cend()) {
            kept[*shown].hidden = true;
            shownAt.erase(shown);
        }
        const QString key = fileSystemKey(m, device);
        if (seen.contains(key))
            continue;
        seen.insert(key);
        shownAt.insert(m.mountPoint, kept.size());
        kept.push_back(Kept{&m, std::move(device)});
    }
    std::vector<const Kept*> shown;
    shown.reserve(size_t(shownAt.size()));
    for (const Kept& k : kept)
        if (!k.hidden)
            shown.push_back(&k);
    std::sort(shown.begin(), shown.end(),
              [](const Kept* a, const Kept* b) { return a->mount->mountPoint < b->mount->mountPoint; });

    // Optical and removable drives without a medium (or not mounted).
    QSet<QString> mountedDevices;
    mountedDevices.insert(root.device);
    QSet<QString> mountedDisks;
    mountedDisks.insert(facts.blocks.value(root.device).disk);
    for (const Kept* k : shown) {
        mountedDevices.insert(k->device);
        mountedDisks.insert(facts.blocks.value(k->device).disk);
    }
    std::vector<Drive> empty;
    QStringList candidates = facts.opticalDrives;
    for (auto it = facts.blocks.begin(); it != facts.blocks.end(); ++it)
        if (it.key() == it->disk && ((it->removable && !it->hasMedium) || it.key().startsWith(QLatin1String("sr"))))
            candidates << it.key();
    candidates.removeDuplicates();
    candidates.sort();
    for (const QString& name : candidates) {
        if (mountedDevices.contains(name) || mountedDisks.contains(name))
            continue;
        Drive d;
        d.source = QStringLiteral("/dev/") + name;
        d.device = name;
        d.kind = isOpticalDevice(name, facts) ? DriveKind::Optical : DriveKind::Removable;
        d.ready = false;
        empty.push_back(d);
    }

    std::vector<Drive> map{root};
    char16_t letter = u'D';
    for (const Kept* k : shown) {
        if (letter > u'Z')
            break;
        map.push_back(driveFrom(*k->mount, facts));
        map.back().letter = QChar(letter++);
    }
    for (const Drive& d : empty) {
        if (letter > u'Z')
            break;
        map.push_back(d);
        map.back().letter = QChar(letter++);
    }
    return map;
}

QString decodeLabelName(const QString& linkName)
{
    QByteArray out;
    const QByteArray in = linkName.toUtf8();
    for (int i = 0; i < in.size(); ++i) {
        if (in[i] == '\\' && i + 3 < in.size() && in[i + 1] == 'x') {
            bool ok = false;
            const int value = in.mid(i + 2, 2).toInt(&ok, 16);
            if (ok) {
                out.append(char(value));
                i += 3;
                continue;
            }
        }
        out.append(in[i]);
    }
    return QString::fromUtf8(out);
}

QString readMountTable()
{
    QString text = readSmallFile(QStringLiteral("/proc/self/mountinfo"));
    if (text.isEmpty())
        text = readSmallFile(QStringLiteral("/proc/mounts"));
    return text;
}

DriveFacts readDriveFacts()
{
    DriveFacts facts;
    const QDir classBlock(QStringLiteral("/sys/class/block"));
    for (const QString& name : classBlock.entryList(QDir::Dirs | QDir::System | QDir::NoDotAndDotDot)) {
        const QString dir = classBlock.filePath(name);
        BlockDevice b;
        b.disk = name;
        if (QFileInfo::exists(dir + QStringLiteral("/partition")))
            b.disk = QFileInfo(QFileInfo(dir).canonicalFilePath()).dir().dirName();
        b.removable = readSmallFile(QStringLiteral("/sys/class/block/%1/removable").arg(b.disk)) == QLatin1String("1");
        b.hasMedium = readSmallFile(dir + QStringLiteral("/size")) != QLatin1String("0");
        facts.blocks.insert(name, b);
        const QString number = readSmallFile(dir + QStringLiteral("/dev"));
        if (!number.isEmpty())
            facts.byNumber.insert(number, name);
    }
    // Links to devices under other names.
    for (const char* folder : {"/dev/disk/by-uuid", "/dev/disk/by-label", "/dev/disk/by-id", "/dev/mapper"}) {
        QDirIterator it(QLatin1String(folder), QDir::Files | QDir::System);
        while (it.hasNext()) {
            const QString link = it.next();
            const QString target = QFileInfo(link).canonicalFilePath();
            if (target.startsWith(QLatin1String("/dev/")) && target != link)
                facts.byPath.insert(link, QFileInfo(target).fileName());
        }
    }
    if (QFileInfo(QStringLiteral("/dev/root")).isSymLink())
        facts.byPath.insert(QStringLiteral("/dev/root"),
                            QFileInfo(QFileInfo(QStringLiteral("/dev/root")).canonicalFilePath()).fileName());
    for (const QString& line : readSmallFile(QStringLiteral("/proc/sys/dev/cdrom/info")).split(u'\n'))
        if (line.startsWith(QLatin1String("drive name:")))
            facts.opticalDrives = line.mid(11).split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
    return facts;
}

const std::vector<Drive>& drives()
{
    std::lock_guard lock(mapMutex());
    auto& map = installed();
    if (!map) {
        if (qEnvironmentVariableIsSet("ZG_TEST")) {
            // A test sees C: alone until it installs a map of its own.
            Drive root;
            root.letter = u'C';
            root.mountPoint = QStringLiteral("/");
            map = std::vector<Drive>{root};
        } else {
            map = buildDriveMap(readMountTable(), readDriveFacts());
        }
    }
    return *map;
}

const Drive* driveFor(QChar letter)
{
    const QChar upper = letter.toUpper();
    for (const Drive& d : drives())
        if (d.letter == upper)
            return &d;
    return nullptr;
}

const Drive* driveOfSystemPath(const QString& systemPath)
{
    if (!systemPath.startsWith(u'/'))
        return nullptr;
    const Drive* best = nullptr;
    for (const Drive& d : drives())
        if (!d.mountPoint.isEmpty() && isUnder(systemPath, d.mountPoint) &&
            (!best || d.mountPoint.size() > best->mountPoint.size()))
            best = &d;
    return best;
}

QString currentFolderOn(QChar letter)
{
    const Drive* d = driveFor(letter);
    if (!d)
        return QString();
    const QString cwd = QDir::currentPath();
    if (d->ready && driveOfSystemPath(cwd) == d)
        return fromSystemPath(cwd);
    return d->rootPath();
}

void installDriveMap(std::vector<Drive> map)
{
    {
        std::lock_guard lock(mapMutex());
        installed() = std::move(map);
    }
    forgetVolumes();
}

void resetDriveMap()
{
    {
        std::lock_guard lock(mapMutex());
        installed().reset();
    }
    forgetVolumes();
}

} // namespace plat
