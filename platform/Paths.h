// The file-system boundary. The programs' own code speaks Windows-style
// paths ("C:\work\x\Program.exe"); `C:\` is the Linux root. Everything that
// touches the file system converts here, and nowhere else.
#pragma once
#include <QMap>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

namespace plat {

// "C:\work\x\A.exe" -> "/work/x/A.exe"; when that file does not exist but the
// name without ".exe" (any case) does, the path without it. A drive letter
// names its drive's mount point (see drives() below): "D:\x" is
// "/media/usb/x" when D: is the stick mounted there. A letter that names no
// drive, or a drive without a medium, gives a path under a folder that never
// exists ("/.zg-drive-q-not-available/..."), so the file system reports it
// missing. Relative paths stay relative, with "/" separators.
QString toSystemPath(const QString& windowsPath);
// "/work/x" -> "C:\work\x"; a path under a drive's mount point takes that
// drive's letter, the deepest mount point winning ("/media/usb/a" ->
// "D:\a", "/media/usb" -> "D:\"). Relative paths stay relative, with "\".
QString fromSystemPath(const QString& systemPath);
// Whether a Windows-style path starts with a drive: an ASCII letter and a
// colon ("C:", "d:\x").
bool hasDriveLetter(const QString& path);

// The executable's folder, Windows-style, without a trailing backslash.
QString appPath();
// The executable's name without its extension, unless setAppTitle gave one.
QString appTitle();
void setAppTitle(const QString& title);

// The "Windows directory" (holds the sound files) and the "system directory"
// (holds the help file), Windows-style, no trailing backslash. By default
// <suite folder>/windows and <suite folder>/windows/system32, where the suite
// folder is the executable's, or two levels above it for a program in
// ZGDemos/<name>/ (the demo programs share the catalog's folders);
// the environment variables ZG_WINDOWS_DIR and ZG_SYSTEM_DIR (Linux paths)
// override them.
QString windowsDirectory();
QString systemDirectory();
// The temporary folder (TMPDIR or /tmp), Windows-style, no trailing backslash.
QString tempDirectory();

// The system directory as the desktop's GetSystemDirectoryA gives it: the
// folder without a trailing backslash ("C:\" for the root), or "" when it
// cannot be given (ZG_SYSTEM_DIR set to an empty value).
QString systemDirectoryPath();

// ===== Drives =====
// The drive map: C: is the Linux root; D:, E:, ... are the machine's other
// real file systems (disks and their partitions, removable and optical
// media, network shares, RAM disks that the administrator mounted under
// /mnt or /media), in the order of their mount points, then the optical and
// removable drives that have no medium, in the order of their device names.
// Pseudo file systems, bind mounts and second mounts of one device are left
// out. The map is read once, at its first use, and stays for the run of the
// program. In a test run (ZG_TEST set) it holds C: alone unless the test
// installs its own (installDriveMap).

// The kinds of drive, numbered as the desktop's drive-type codes.
enum class DriveKind : int16_t { Removable = 2, Fixed = 3, Network = 4, Optical = 5, RamDisk = 6 };

struct Drive {
    QChar letter;        // 'C', 'D', ... (upper case)
    QString mountPoint;  // Linux path; "" for a drive without a medium
    QString source;      // the mounted device or share: "/dev/sdb1", "server:/export", "tmpfs"
    QString device;      // its kernel block device name ("sdb1", "sr0"); "" for none
    QString fsType;      // "ext4", "vfat", "iso9660", "nfs4", "tmpfs", ...
    DriveKind kind = DriveKind::Fixed;
    bool ready = true;   // mounted (an empty optical or removable drive is not)
    QString label;       // a volume label the map was given (see driveVolume); "" for none
    QString uuid;        // a file-system identifier the map was given; "" for none

    // "C:\"
    QString rootPath() const;
    // The drive list's text: "c: [label]" with the label of driveVolume, or
    // "c:" without a label.
    QString listText() const;
};

// Every drive, C: first.
const std::vector<Drive>& drives();
// The drive of a letter (either case), or nullptr.
const Drive* driveFor(QChar letter);
// The drive whose mount point holds a Linux path (the deepest one), or
// nullptr for a relative path.
const Drive* driveOfSystemPath(const QString& systemPath);
// The current folder of a drive, Windows-style: the working folder when it
// lies on that drive, else the drive's root. "" for a letter with no drive.
QString currentFolderOn(QChar letter);

// What the drive map reads besides the mount table: block devices from
// /sys/class/block, the names their links under /dev/disk and /dev/mapper
// give them, optical drives from /proc/sys/dev/cdrom/info. The volumes' own
// labels are read when asked for (driveVolume).
struct BlockDevice {
    QString disk;           // the whole disk: "sdb" for "sdb1", itself for a disk
    bool removable = false; // /sys/block/<disk>/removable
    bool hasMedium = true;  // a size above 0
};
struct DriveFacts {
    QMap<QString, BlockDevice> blocks;   // by kernel name ("sda1")
    QMap<QString, QString> byNumber;     // "8:17" -> "sdb1"
    QMap<QString, QString> byPath;       // a device path that is a link ("/dev/disk/by-uuid/..", "/dev/mapper/x") -> kernel name
    QMap<QString, QString> labels;       // kernel name -> volume label (decoded); the machine's facts leave it empty
    QMap<QString, QString> uuids;        // kernel name -> file-system identifier ("1C2D-3E4F"); likewise
    QStringList opticalDrives;           // "sr0", ...
};

// Builds the map from a mount table (the text of /proc/self/mountinfo, or of
// /proc/mounts) and those facts.
std::vector<Drive> buildDriveMap(const QString& mountTable, const DriveFacts& facts);
// The machine's own mount table and facts.
QString readMountTable();
DriveFacts readDriveFacts();
// A /dev/disk/by-label name as text: "\x20" and the other "\xHH" escapes
// decoded.
QString decodeLabelName(const QString& linkName);
// Tests: puts a map in place of the machine's; resetDriveMap() drops it (the
// next use reads the map again).
void installDriveMap(std::vector<Drive> drives);
void resetDriveMap();

// ===== Volumes =====
// What a file system says of itself. The drive list and the library's disk
// facts both take it from driveVolume, so they always agree.
struct Volume {
    QString label;   // "" when it has none
    QString uuid;    // the file system's identifier
    QString type;    // "ext4", "vfat", "iso9660", ...
    QString version; // "FAT32", "1.0", ... as the reader gives it
};

// The volume of a drive: what the volume reader gives for its device in the
// device folder, the map's own label and identifier standing in for what the
// reader does not give. A volume read in the last two seconds is not read
// again, so a burst of questions reads the device once and a new medium shows
// soon after. Only the map's label and identifier for a drive without a
// medium or without a device.
Volume driveVolume(const Drive& drive);
// Drops the volumes read: the next question reads the device again.
void forgetVolumes();

// Reads the volume on a device, given its path ("/dev/sdb1"; an image file
// of a file system reads the same way); an empty Volume when it cannot.
using VolumeReader = std::function<Volume(const QString& devicePath)>;
// Sets the reader and gives back the one it replaces; nullptr goes back to
// readUdevVolume. The utility library sets one that reads the volume's
// superblock itself before it asks udev, and every program that has the
// library reads volumes through it.
VolumeReader setVolumeReader(VolumeReader reader);
// udev's record of a block device, then its links under <device
// folder>/disk/by-label and by-uuid.
Volume readUdevVolume(const QString& devicePath);
// The volume that a udev record (the text of /run/udev/data/b<major>:<minor>)
// describes; the encoded label and identifier are preferred, decoded, since
// the plain ones have their blanks replaced.
Volume volumeFromUdevRecord(const QByteArray& record);

// The folder of the device nodes: /dev. In a test run (ZG_TEST set) it is a
// folder that does not exist unless the test names one, so that no test
// reads the machine's own disks under the device names of a map of its own.
QString deviceFolder();
// Tests and benchmarks: device nodes looked for in `folder` ("" goes back to
// the default above).
void setDeviceFolder(const QString& folder);

} // namespace plat
