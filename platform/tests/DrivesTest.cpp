// The drive map: mount tables of real machines read into drive letters, and
// the path conversions through the map.
#include "Paths.h"
#include "QtPrinters.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace plat;

namespace {

// A laptop with one disk: root and the EFI partition, and the usual pseudo
// file systems, a snap and the desktop's fuse helpers.
const char* kOneDisk = R"(22 28 0:21 / /sys rw,nosuid,nodev,noexec,relatime shared:7 - sysfs sysfs rw
23 28 0:22 / /proc rw,nosuid,nodev,noexec,relatime shared:12 - proc proc rw
24 28 0:5 / /dev rw,nosuid,relatime shared:2 - devtmpfs udev rw,size=8024436k,nr_inodes=2006109,mode=755,inode64
25 24 0:23 / /dev/pts rw,nosuid,noexec,relatime shared:3 - devpts devpts rw,gid=5,mode=620,ptmxmode=000
26 28 0:24 / /run rw,nosuid,nodev,noexec,relatime shared:5 - tmpfs tmpfs rw,size=1611740k,mode=755,inode64
28 1 259:2 / / rw,relatime shared:1 - ext4 /dev/nvme0n1p2 rw,errors=remount-ro
29 22 0:6 / /sys/kernel/security rw,nosuid,nodev,noexec,relatime shared:8 - securityfs securityfs rw
30 24 0:25 / /dev/shm rw,nosuid,nodev shared:4 - tmpfs tmpfs rw,inode64
31 26 0:26 / /run/lock rw,nosuid,nodev,noexec,relatime shared:6 - tmpfs tmpfs rw,size=5120k,inode64
32 22 0:27 / /sys/fs/cgroup rw,nosuid,nodev,noexec,relatime shared:9 - cgroup2 cgroup2 rw,nsdelegate,memory_recursiveprot
33 22 0:28 / /sys/fs/pstore rw,nosuid,nodev,noexec,relatime shared:10 - pstore pstore rw
34 22 0:29 / /sys/fs/bpf rw,nosuid,nodev,noexec,relatime shared:11 - bpf bpf rw,mode=700
35 23 0:30 / /proc/sys/fs/binfmt_misc rw,relatime shared:13 - autofs systemd-1 rw,fd=29,pgrp=1,timeout=0,minproto=5,maxproto=5,direct,pipe_ino=17792
36 24 0:31 / /dev/hugepages rw,relatime shared:14 - hugetlbfs hugetlbfs rw,pagesize=2M
37 24 0:20 / /dev/mqueue rw,nosuid,nodev,noexec,relatime shared:15 - mqueue mqueue rw
38 22 0:7 / /sys/kernel/debug rw,nosuid,nodev,noexec,relatime shared:16 - debugfs debugfs rw
39 22 0:12 / /sys/kernel/tracing rw,nosuid,nodev,noexec,relatime shared:17 - tracefs tracefs rw
40 22 0:32 / /sys/fs/fuse/connections rw,nosuid,nodev,noexec,relatime shared:18 - fusectl fusectl rw
41 22 0:33 / /sys/kernel/config rw,nosuid,nodev,noexec,relatime shared:19 - configfs configfs rw
62 28 7:0 / /snap/core22/1033 ro,nodev,relatime shared:33 - squashfs /dev/loop0 ro,errors=continue
65 28 259:1 / /boot/efi rw,relatime shared:36 - vfat /dev/nvme0n1p1 rw,fmask=0077,dmask=0077,codepage=437,iocharset=iso8859-1,shortname=mixed,errors=remount-ro
520 26 0:49 / /run/user/1000 rw,nosuid,nodev,relatime shared:298 - tmpfs tmpfs rw,size=1611736k,nr_inodes=402934,mode=700,uid=1000,gid=1000,inode64
533 520 0:50 / /run/user/1000/gvfs rw,nosuid,nodev,relatime shared:306 - fuse.gvfsd-fuse gvfsd-fuse rw,user_id=1000,group_id=1000
549 520 0:51 / /run/user/1000/doc rw,nosuid,nodev,relatime shared:314 - fuse.portal portal rw,user_id=1000,group_id=1000
)";

// A desktop with a USB stick, an empty CD drive, an NFS share and a RAM disk,
// besides a separate home partition, a bind mount of a folder of it, a
// container's overlay and a systemd /tmp.
const char* kDesktop = R"(23 29 0:22 / /proc rw,nosuid,nodev,noexec,relatime shared:13 - proc proc rw
24 29 0:23 / /sys rw,nosuid,nodev,noexec,relatime shared:2 - sysfs sysfs rw
25 29 0:5 / /dev rw,nosuid,relatime shared:8 - devtmpfs udev rw,size=16338660k,nr_inodes=4084665,mode=755,inode64
27 29 0:25 / /run rw,nosuid,nodev,noexec,relatime shared:11 - tmpfs tmpfs rw,size=3275012k,mode=755,inode64
29 1 8:2 / / rw,relatime shared:1 - ext4 /dev/sda2 rw,errors=remount-ro
31 29 0:27 / /tmp rw,nosuid,nodev shared:15 - tmpfs tmpfs rw,nr_inodes=1048576,inode64
70 29 8:3 / /home rw,relatime shared:34 - ext4 /dev/sda3 rw
98 29 8:3 /alice/shared /srv/shared rw,relatime shared:34 - ext4 /dev/sda3 rw
120 29 0:44 / /mnt/projects rw,relatime shared:60 - nfs4 fileserver:/export/projects rw,vers=4.2,rsize=1048576,wsize=1048576,namlen=255,hard,proto=tcp,timeo=600,retrans=2,sec=sys,clientaddr=192.168.1.20,local_lock=none,addr=192.168.1.5
125 29 0:45 / /mnt/ramdisk rw,relatime shared:62 - tmpfs tmpfs rw,size=2097152k,inode64
140 29 0:46 / /var/lib/docker/overlay2/4f1c/merged rw,relatime - overlay overlay rw,lowerdir=/var/lib/docker/overlay2/l/ABC,upperdir=/var/lib/docker/overlay2/4f1c/diff,workdir=/var/lib/docker/overlay2/4f1c/work
612 27 0:52 / /run/user/1000 rw,nosuid,nodev,relatime shared:310 - tmpfs tmpfs rw,size=3275008k,mode=700,uid=1000,gid=1000,inode64
700 29 8:17 / /media/alice/KINGSTON rw,nosuid,nodev,relatime shared:400 - vfat /dev/sdb1 rw,uid=1000,gid=1000,fmask=0022,dmask=0022,codepage=437,iocharset=ascii,shortname=mixed,showexec,utf8,flush,errors=remount-ro
710 29 8:33 / /media/alice/MY\040PHOTOS rw,nosuid,nodev,relatime shared:410 - exfat /dev/sdc1 rw,uid=1000,gid=1000
)";

DriveFacts desktopFacts()
{
    DriveFacts f;
    f.blocks.insert("sda", {"sda", false, true});
    f.blocks.insert("sda1", {"sda", false, true});
    f.blocks.insert("sda2", {"sda", false, true});
    f.blocks.insert("sda3", {"sda", false, true});
    f.blocks.insert("sdb", {"sdb", true, true});
    f.blocks.insert("sdb1", {"sdb", true, true});
    f.blocks.insert("sdc", {"sdc", false, true}); // a USB disk that says it is fixed
    f.blocks.insert("sdc1", {"sdc", false, true});
    f.blocks.insert("sdd", {"sdd", true, false}); // a card reader without a card
    f.blocks.insert("sr0", {"sr0", true, false});
    f.blocks.insert("loop0", {"loop0", false, false});
    f.byNumber = {{"8:2", "sda2"}, {"8:3", "sda3"}, {"8:17", "sdb1"}, {"8:33", "sdc1"}};
    f.labels = {{"sda2", decodeLabelName("Debian\\x20root")}, {"sdb1", "KINGSTON"}};
    f.uuids = {{"sdb1", "1C2D-3E4F"}};
    f.opticalDrives = {"sr0"};
    return f;
}

DriveFacts oneDiskFacts()
{
    DriveFacts f;
    f.blocks.insert("nvme0n1", {"nvme0n1", false, true});
    f.blocks.insert("nvme0n1p1", {"nvme0n1", false, true});
    f.blocks.insert("nvme0n1p2", {"nvme0n1", false, true});
    f.blocks.insert("loop0", {"loop0", false, true});
    f.byNumber = {{"259:1", "nvme0n1p1"}, {"259:2", "nvme0n1p2"}, {"7:0", "loop0"}};
    return f;
}

QStringList lettersAndMounts(const std::vector<Drive>& map)
{
    QStringList out;
    for (const Drive& d : map)
        out << QString(d.letter) + u'=' + (d.mountPoint.isEmpty() ? d.source : d.mountPoint);
    return out;
}

// Restores the test run's map (C: alone) after each case.
class DriveMapTest : public ::testing::Test {
protected:
    void TearDown() override { resetDriveMap(); }
};

TEST_F(DriveMapTest, OneDiskGivesTheRootAndItsOtherPartitionOnly)
{
    const auto map = buildDriveMap(QString::fromLatin1(kOneDisk), oneDiskFacts());
    EXPECT_EQ(lettersAndMounts(map), (QStringList{"C=/", "D=/boot/efi"}));
    EXPECT_EQ(map[0].device, "nvme0n1p2");
    EXPECT_EQ(map[0].fsType, "ext4");
    EXPECT_EQ(map[0].kind, DriveKind::Fixed);
    EXPECT_EQ(map[1].source, "/dev/nvme0n1p1");
    EXPECT_EQ(map[1].fsType, "vfat");
    EXPECT_TRUE(map[1].ready);
}

TEST_F(DriveMapTest, RemovableOpticalNetworkAndRamDrivesWithTheirFacts)
{
    const auto map = buildDriveMap(QString::fromLatin1(kDesktop), desktopFacts());
    EXPECT_EQ(lettersAndMounts(map), (QStringList{"C=/", "D=/home", "E=/media/alice/KINGSTON",
                                                  "F=/media/alice/MY PHOTOS", "G=/mnt/projects", "H=/mnt/ramdisk",
                                                  "I=/dev/sdd", "J=/dev/sr0"}));
    const auto at = [&](char letter) { return map[size_t(letter - 'C')]; };
    EXPECT_EQ(at('C').label, "Debian root");
    EXPECT_EQ(at('C').listText(), "c: [Debian root]");
    EXPECT_EQ(at('D').kind, DriveKind::Fixed);
    EXPECT_EQ(at('D').listText(), "d:");
    EXPECT_EQ(at('E').kind, DriveKind::Removable);
    EXPECT_EQ(at('E').label, "KINGSTON");
    EXPECT_EQ(at('E').device, "sdb1");
    EXPECT_EQ(at('E').uuid, "1C2D-3E4F");
    EXPECT_EQ(at('F').kind, DriveKind::Fixed);
    EXPECT_EQ(at('G').kind, DriveKind::Network);
    EXPECT_EQ(at('G').source, "fileserver:/export/projects");
    EXPECT_EQ(at('G').fsType, "nfs4");
    EXPECT_EQ(at('H').kind, DriveKind::RamDisk);
    EXPECT_TRUE(at('H').ready);
    // The card reader and the CD drive are there, without a medium.
    EXPECT_EQ(at('I').kind, DriveKind::Removable);
    EXPECT_FALSE(at('I').ready);
    EXPECT_EQ(at('J').kind, DriveKind::Optical);
    EXPECT_FALSE(at('J').ready);
    EXPECT_TRUE(at('J').mountPoint.isEmpty());
    EXPECT_EQ(at('J').rootPath(), "J:\\");
    EXPECT_EQ(int(DriveKind::Optical), 5); // the desktop's drive-type code
}

TEST_F(DriveMapTest, MountedOpticalDiscAndTheOlderMountsTable)
{
    // /proc/mounts has no device numbers: second mounts go by their source.
    const QString mounts = QStringLiteral(
        "sysfs /sys sysfs rw,nosuid,nodev,noexec,relatime 0 0\n"
        "proc /proc proc rw,nosuid,nodev,noexec,relatime 0 0\n"
        "/dev/sda2 / ext4 rw,relatime,errors=remount-ro 0 0\n"
        "/dev/sr0 /media/cdrom0 iso9660 ro,nosuid,nodev,noexec,relatime,nojoliet,check=s,map=n,blocksize=2048 0 0\n"
        "/dev/sdb1 /media/usb vfat rw 0 0\n"
        "/dev/sdb1 /srv/again vfat rw 0 0\n"
        "//nas/music /mnt/music cifs rw,vers=3.0,cache=strict,username=alice 0 0\n");
    DriveFacts facts = desktopFacts();
    facts.blocks["sr0"].hasMedium = true;
    const auto map = buildDriveMap(mounts, facts);
    EXPECT_EQ(lettersAndMounts(map), (QStringList{"C=/", "D=/media/cdrom0", "E=/media/usb", "F=/mnt/music", "G=/dev/sdd"}));
    EXPECT_EQ(map[1].kind, DriveKind::Optical);
    EXPECT_TRUE(map[1].ready);
    EXPECT_EQ(map[3].kind, DriveKind::Network);
}

TEST_F(DriveMapTest, ARootWithoutADeviceAndAHiddenMount)
{
    // A container: the root is an overlay; a later mount on one point hides
    // the earlier one.
    const QString table = QStringLiteral(
        "600 550 0:60 / / rw,relatime - overlay overlay rw,lowerdir=/l,upperdir=/u,workdir=/w\n"
        "601 600 0:61 / /proc rw,nosuid,nodev,noexec,relatime - proc proc rw\n"
        "610 600 8:17 / /mnt/data rw,relatime - ext4 /dev/sdb1 rw\n"
        "611 600 8:33 / /mnt/data rw,relatime - ext4 /dev/sdc1 rw\n"
        "612 600 254:1 /containers/x/hosts /etc/hosts rw,relatime - ext4 /dev/vda1 rw\n");
    DriveFacts facts;
    facts.byNumber = {{"8:17", "sdb1"}, {"8:33", "sdc1"}, {"254:1", "vda1"}};
    const auto map = buildDriveMap(table, facts);
    ASSERT_EQ(map.size(), 2u);
    EXPECT_EQ(map[0].fsType, "overlay");
    EXPECT_EQ(map[0].kind, DriveKind::Fixed);
    EXPECT_EQ(map[1].device, "sdc1");

    // No table at all still gives C:.
    const auto bare = buildDriveMap(QString(), DriveFacts{});
    ASSERT_EQ(bare.size(), 1u);
    EXPECT_EQ(bare[0].letter, QChar('C'));
    EXPECT_EQ(bare[0].mountPoint, "/");
}

TEST_F(DriveMapTest, ALaterMountHidesOnlyWhatIsShownAtItsOwnPoint)
{
    const QString table = QStringLiteral(
        "1 0 8:1 / / rw - ext4 /dev/sda1 rw\n"
        // Three disks on one point in turn: the last is in view.
        "10 1 8:17 / /mnt/a rw - ext4 /dev/sdb1 rw\n"
        "11 1 8:33 / /mnt/a rw - ext4 /dev/sdc1 rw\n"
        "12 1 8:49 / /mnt/a rw - ext4 /dev/sdd1 rw\n"
        // A second mount of a disk shown, then a disk over the first point:
        // the second mount was never a drive of its own and stays none.
        "20 1 8:65 / /mnt/b rw - ext4 /dev/sde1 rw\n"
        "21 1 8:65 / /mnt/c rw - ext4 /dev/sde1 rw\n"
        "22 1 8:81 / /mnt/b rw - ext4 /dev/sdf1 rw\n"
        // A disk hidden above, mounted again elsewhere: still a second mount.
        "30 1 8:17 / /mnt/d rw - ext4 /dev/sdb1 rw\n"
        // A pseudo file system on a shown point leaves the drive there.
        "40 1 0:50 / /mnt/a rw - proc proc rw\n"
        // The root's file system bound over a drive hides it.
        "50 1 8:97 / /mnt/e rw - ext4 /dev/sdg1 rw\n"
        "51 1 8:1 / /mnt/e rw - ext4 /dev/sda1 rw\n"
        // Many mounts on one point, each hiding the one before.
        "%1");
    QString many;
    for (int i = 0; i < 500; ++i)
        many += QStringLiteral("%1 1 9:%2 / /mnt/f rw - ext4 /dev/loop%2 rw\n").arg(100 + i).arg(i);
    const auto map = buildDriveMap(table.arg(many), DriveFacts{});
    EXPECT_EQ(lettersAndMounts(map), (QStringList{"C=/", "D=/mnt/a", "E=/mnt/b", "F=/mnt/f"}));
    EXPECT_EQ(map[1].device, "sdd1");
    EXPECT_EQ(map[2].device, "sdf1");
    EXPECT_EQ(map[3].device, "loop499");
}

TEST_F(DriveMapTest, LabelNamesDecodeTheirEscapes)
{
    EXPECT_EQ(decodeLabelName("MY\\x20PHOTOS"), "MY PHOTOS");
    EXPECT_EQ(decodeLabelName("a\\x2fb"), "a/b");
    EXPECT_EQ(decodeLabelName("plain"), "plain");
    EXPECT_EQ(decodeLabelName("cut\\x2"), "cut\\x2");
    EXPECT_EQ(decodeLabelName("bad\\xZZ"), "bad\\xZZ");
    EXPECT_EQ(decodeLabelName("Gr\\xc3\\xbcn"), QString::fromUtf8("Gr\xc3\xbcn"));
}

TEST_F(DriveMapTest, PathsGoThroughTheMapBothWays)
{
    installDriveMap(buildDriveMap(QString::fromLatin1(kDesktop), desktopFacts()));
    EXPECT_EQ(toSystemPath("E:\\docs\\a.txt"), "/media/alice/KINGSTON/docs/a.txt");
    EXPECT_EQ(toSystemPath("e:"), "/media/alice/KINGSTON");
    EXPECT_EQ(toSystemPath("C:\\home"), "/home");
    EXPECT_EQ(toSystemPath("D:\\alice"), "/home/alice");
    // A drive without a medium and a letter without a drive lead nowhere.
    EXPECT_EQ(toSystemPath("J:\\setup.exe"), "/.zg-drive-j-not-available/setup.exe");
    EXPECT_EQ(toSystemPath("Q:\\"), "/.zg-drive-q-not-available");
    EXPECT_EQ(toSystemPath("E:\\"), "/media/alice/KINGSTON");

    EXPECT_EQ(fromSystemPath("/media/alice/KINGSTON/docs"), "E:\\docs");
    EXPECT_EQ(fromSystemPath("/media/alice/KINGSTON"), "E:\\");
    EXPECT_EQ(fromSystemPath("/media/alice/KINGSTONE"), "C:\\media\\alice\\KINGSTONE");
    EXPECT_EQ(fromSystemPath("/home/alice/x.wav"), "D:\\alice\\x.wav");
    EXPECT_EQ(fromSystemPath("/srv/shared/x"), "C:\\srv\\shared\\x"); // a bound folder is no drive
    EXPECT_EQ(toSystemPath(fromSystemPath("/mnt/projects/a/b")), "/mnt/projects/a/b");

    ASSERT_NE(driveFor('g'), nullptr);
    EXPECT_EQ(driveFor('g')->letter, QChar('G'));
    EXPECT_EQ(driveFor('Z'), nullptr);
    EXPECT_EQ(currentFolderOn('E'), "E:\\");
    EXPECT_EQ(currentFolderOn('Z'), "");
}

TEST_F(DriveMapTest, TheDeepestMountPointWinsAndTheWorkingFolderIsItsDrivesCurrentFolder)
{
    Drive c{u'C', "/", "", "", "", DriveKind::Fixed, true, "", ""};
    Drive d{u'D', "/srv/a", "/dev/sdb1", "sdb1", "ext4", DriveKind::Fixed, true, "A", ""};
    Drive e{u'E', "/srv/a/b", "/dev/sdc1", "sdc1", "ext4", DriveKind::Fixed, true, "", ""};
    const QString cwd = QDir::currentPath();
    Drive w{u'F', cwd, "/dev/sdd1", "sdd1", "ext4", DriveKind::Fixed, true, "", ""};
    installDriveMap({c, d, e, w});
    EXPECT_EQ(fromSystemPath("/srv/a/b/c"), "E:\\c");
    EXPECT_EQ(fromSystemPath("/srv/a/c"), "D:\\c");
    EXPECT_EQ(currentFolderOn('F'), "F:\\");
    EXPECT_EQ(currentFolderOn('D'), "D:\\");
    EXPECT_EQ(driveOfSystemPath("relative/x"), nullptr);
}

TEST_F(DriveMapTest, ATestRunSeesTheRootDriveAlone)
{
    resetDriveMap();
    ASSERT_EQ(drives().size(), 1u);
    EXPECT_EQ(drives()[0].rootPath(), "C:\\");
    EXPECT_EQ(fromSystemPath("/media/usb/x"), "C:\\media\\usb\\x");
}

} // namespace
