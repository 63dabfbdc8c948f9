// The volumes of Paths.h: what each drive's file system says of itself, read
// through one reader for the drive list and the library alike.
#include "Paths.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <chrono>
#include <mutex>
#include <sys/stat.h>
#include <sys/sysmacros.h>

namespace plat {

namespace {

using Clock = std::chrono::steady_clock;
// How long a volume read stays the answer: long enough for one refresh of a
// window's figures, short enough that a new medium shows at the next.
constexpr auto kFreshFor = std::chrono::seconds(2);

struct ReadVolume {
    Volume volume;
    Clock::time_point at;
};

struct Volumes {
    std::mutex mutex;
    VolumeReader reader;
    QString folder; // "" for the default
    QHash<QString, ReadVolume> read; // by device path
};

Volumes& volumes()
{
    static Volumes v;
    return v;
}

// What a path leads to through its links; "" when it leads nowhere.
QString targetOf(const QString& path) { return QFileInfo(path).canonicalFilePath(); }

// The name of the first link in `folder` that leads to `target`.
QString linkTo(const QString& folder, const QString& target)
{
    QDirIterator it(folder, QDir::Files | QDir::System);
    while (it.hasNext()) {
        const QString link = it.next();
        if (targetOf(link) == target)
            return it.fileName();
    }
    return QString();
}

} // namespace

Volume volumeFromUdevRecord(const QByteArray& record)
{
    Volume v;
    QString encodedLabel, encodedUuid;
    for (const QByteArray& raw : record.split('\n')) {
        const QString line = QString::fromUtf8(raw);
        auto take = [&line](const char* key, QString& into) {
            const QString prefix = QStringLiteral("E:") + QLatin1String(key) + u'=';
            if (into.isEmpty() && line.startsWith(prefix))
                into = line.mid(prefix.size());
        };
        take("ID_FS_LABEL_ENC", encodedLabel);
        take("ID_FS_LABEL", v.label);
        take("ID_FS_UUID_ENC", encodedUuid);
        take("ID_FS_UUID", v.uuid);
        take("ID_FS_TYPE", v.type);
        take("ID_FS_VERSION", v.version);
    }
    if (!encodedLabel.isEmpty())
        v.label = decodeLabelName(encodedLabel);
    if (!encodedUuid.isEmpty())
        v.uuid = decodeLabelName(encodedUuid);
    return v;
}

Volume readUdevVolume(const QString& devicePath)
{
    Volume v;
    struct stat st {};
    if (::stat(QFile::encodeName(devicePath).constData(), &st) == 0 && S_ISBLK(st.st_mode)) {
        QFile f(QStringLiteral("/run/udev/data/b%1:%2").arg(major(st.st_rdev)).arg(minor(st.st_rdev)));
        if (f.open(QIODevice::ReadOnly))
            v = volumeFromUdevRecord(f.readAll());
    }
    if (v.label.isEmpty() || v.uuid.isEmpty()) {
        const QString target = targetOf(devicePath);
        if (!target.isEmpty()) {
            if (v.label.isEmpty())
                v.label = decodeLabelName(linkTo(deviceFolder() + QStringLiteral("/disk/by-label"), target));
            if (v.uuid.isEmpty())
                v.uuid = linkTo(deviceFolder() + QStringLiteral("/disk/by-uuid"), target);
        }
    }
    return v;
}

QString deviceFolder()
{
    Volumes& v = volumes();
    std::lock_guard lock(v.mutex);
    if (!v.folder.isEmpty())
        return v.folder;
    return qEnvironmentVariableIsSet("ZG_TEST") ? QStringLiteral("/.zg-test-no-devices") : QStringLiteral("/dev");
}

void setDeviceFolder(const QString& folder)
{
    Volumes& v = volumes();
    std::lock_guard lock(v.mutex);
    v.folder = folder;
    v.read.clear();
}

VolumeReader setVolumeReader(VolumeReader reader)
{
    Volumes& v = volumes();
    std::lock_guard lock(v.mutex);
    std::swap(v.reader, reader);
    v.read.clear();
    return reader;
}

void forgetVolumes()
{
    Volumes& v = volumes();
    std::lock_guard lock(v.mutex);
    v.read.clear();
}

Volume driveVolume(const Drive& drive)
{
    Volume volume;
    if (drive.ready && !drive.device.isEmpty()) {
        const QString path = deviceFolder() + u'/' + drive.device;
        Volumes& v = volumes();
        std::unique_lock lock(v.mutex);
        const auto now = Clock::now();
        if (const auto it = v.read.constFind(path); it != v.read.cend() && now - it->at < kFreshFor) {
            volume = it->volume;
        } else {
            // The device is read outside the lock; two threads asking at
            // once may both read it.
            const VolumeReader reader = v.reader;
            lock.unlock();
            volume = reader ? reader(path) : readUdevVolume(path);
            lock.lock();
            v.read.insert(path, ReadVolume{volume, now});
        }
    }
    if (volume.label.isEmpty())
        volume.label = drive.label;
    if (volume.uuid.isEmpty())
        volume.uuid = drive.uuid;
    return volume;
}

} // namespace plat
