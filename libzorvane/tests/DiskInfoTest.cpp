#include "DiskInfoImpl.h"
#include "Ext4Image.h"
#include "Error.h"
#include "FilesAndFoldersImpl.h"
#include "QtPrinters.h"

#include <QFile>
#include <QTemporaryDir>
#include <Paths.h>
#include <cstring>
#include <gtest/gtest.h>
#include <map>
#include <sys/statvfs.h>

namespace {

class FakeProbe : public zg::DiskProbe {
public:
    std::map<QChar, Drive> drives;
    std::map<QString, Space> spaces;
    std::map<QString, int> sectors;
    std::map<QString, Identity> identities;

    std::optional<Drive> drive(QChar letter) override
    {
        const auto it = drives.find(letter);
        return it == drives.end() ? std::nullopt : std::optional<Drive>(it->second);
    }
    std::optional<Space> space(const QString& mountPoint) override
    {
        const auto it = spaces.find(mountPoint);
        return it == spaces.end() ? std::nullopt : std::optional<Space>(it->second);
    }
    int logicalSectorSize(const QString& device) override { return sectors.count(device) ? sectors[device] : 0; }
    Identity identity(const Drive& d) override { return identities.count(d.device) ? identities[d.device] : Identity{}; }
};

class DiskInfo : public ::testing::Test {
protected:
    void SetUp() override { zg::installDiskProbe(probe); }
    void TearDown() override { zg::installDiskProbe(nullptr); }
    std::shared_ptr<zg::ZorvaneDiskInfo> disk(const char* letter) { return files.Disk(QString::fromLatin1(letter)); }
    std::shared_ptr<FakeProbe> probe = std::make_shared<FakeProbe>();
    zg::FilesAndFoldersImpl files;
};

TEST_F(DiskInfo, AFixedExtFourDiskFromItsStatisticsWithoutWrapping)
{
    probe->drives['C'] = {"/", "/dev/nvme0n1p2", "nvme0n1p2", "ext4", 3, true, "root", ""};
    // 40 TiB in 4 KiB blocks: more clusters than 32 bits hold.
    probe->spaces["/"] = {4096, 10737418240ull, 5368709120ull, 4831838208ull};
    probe->sectors["nvme0n1p2"] = 512;
    probe->identities["nvme0n1p2"] = {"system", "0b5e2a11-7c4d-4e0f-9a31-5d2c8e7f6a10", "ext4", "1.0"};
    for (const char* letter : {"C", "c", "c:", "C:\\"}) {
        const auto d = disk(letter);
        EXPECT_TRUE(d->IsReady());
        EXPECT_EQ(d->DriveType(), 3);
        EXPECT_EQ(d->VolumeName(), "system");
        EXPECT_EQ(d->SerialNumber(), "0b5e2a11-7c4d-4e0f-9a31-5d2c8e7f6a10");
        EXPECT_FALSE(d->IsFAT() || d->IsFAT32() || d->IsNTFS() || d->IsCDFS());
        EXPECT_EQ(d->ShareName(), "");
        EXPECT_EQ(d->TotalSpace(), 43980465111040ll);
        EXPECT_EQ(d->FreeSpace(), 21990232555520ll);
        EXPECT_EQ(d->FreeAccountSpace(), 19791209299968ll);
        EXPECT_EQ(d->TotalClusters(), 10737418240ll);
        EXPECT_EQ(d->FreeClusters(), 5368709120ll);
        EXPECT_EQ(d->SectorsPerCluster(), 8);
    }
    // Beyond 64 bits of bytes the figure holds at the largest value.
    probe->spaces["/"] = {1u << 20, ~0ull, 0, 0};
    EXPECT_EQ(disk("C")->TotalSpace(), std::numeric_limits<int64_t>::max());
    EXPECT_THROW(disk(""), plat::RuntimeError);
    EXPECT_THROW(disk("1"), plat::RuntimeError);
}

TEST_F(DiskInfo, FileSystemsAreToldApart)
{
    probe->drives['E'] = {"/media/stick", "/dev/sdb1", "sdb1", "vfat", 2, true, "", ""};
    probe->spaces["/media/stick"] = {4096, 100000, 50000, 50000};
    probe->sectors["sdb1"] = 4096;
    probe->identities["sdb1"] = {"STICK", "1A2B-3C4D", "vfat", "FAT32"};
    auto d = disk("E");
    EXPECT_TRUE(d->IsFAT32());
    EXPECT_FALSE(d->IsFAT());
    EXPECT_EQ(d->SerialNumber(), "1A2B-3C4D");
    EXPECT_EQ(d->VolumeName(), "STICK");
    EXPECT_EQ(d->SectorsPerCluster(), 1);
    probe->identities["sdb1"].version = "FAT16";
    EXPECT_TRUE(disk("E")->IsFAT());
    EXPECT_FALSE(disk("E")->IsFAT32());
    // Without the boot sector's word, the cluster count decides.
    probe->identities.erase("sdb1");
    EXPECT_TRUE(disk("E")->IsFAT32());
    probe->spaces["/media/stick"].blocks = 65524;
    EXPECT_TRUE(disk("E")->IsFAT());

    probe->drives['F'] = {"/media/cd", "/dev/sr0", "sr0", "iso9660", 5, true, "DISC", ""};
    probe->spaces["/media/cd"] = {2048, 300000, 0, 0};
    probe->sectors["sr0"] = 2048;
    EXPECT_TRUE(disk("F")->IsCDFS());
    EXPECT_EQ(disk("F")->VolumeName(), "DISC"); // the drive map's label when the volume gives none
    EXPECT_EQ(disk("F")->SectorsPerCluster(), 1);
    probe->drives['G'] = {"/mnt/win", "/dev/sda3", "sda3", "fuseblk", 3, true, "", ""};
    probe->spaces["/mnt/win"] = {4096, 1000, 10, 10};
    probe->identities["sda3"] = {"", "0123456789ABCDEF", "ntfs", ""};
    EXPECT_TRUE(disk("G")->IsNTFS());
    EXPECT_EQ(disk("G")->SectorsPerCluster(), 8); // no sector size known: 512
}

TEST_F(DiskInfo, NetworkSharesAndDrivesThatAreNotReady)
{
    probe->drives['N'] = {"/mnt/nas", "//nas/public/", "", "cifs", 4, true, "", ""};
    probe->drives['M'] = {"/mnt/nfs", "fileserver:/export/home", "", "nfs4", 4, true, "", ""};
    probe->spaces["/mnt/nas"] = probe->spaces["/mnt/nfs"] = {1024, 10, 5, 5};
    EXPECT_EQ(disk("N")->ShareName(), "\\\\nas\\public");
    EXPECT_EQ(disk("M")->ShareName(), "\\\\fileserver\\export\\home");
    EXPECT_EQ(disk("N")->DriveType(), 4);

    probe->drives['D'] = {"", "", "sr0", "", 5, false, "", ""};
    const auto d = disk("D");
    EXPECT_FALSE(d->IsReady());
    EXPECT_EQ(d->DriveType(), 5);
    EXPECT_EQ(d->VolumeName(), "");
    EXPECT_EQ(d->TotalSpace(), 0);
    EXPECT_EQ(d->SectorsPerCluster(), 0);
    EXPECT_FALSE(disk("Q")->IsReady());
    EXPECT_EQ(disk("Q")->DriveType(), 1);
    // A mounted drive whose statistics fail is not ready either.
    probe->drives['H'] = {"/mnt/gone", "/dev/sdc1", "sdc1", "ext4", 2, true, "", ""};
    EXPECT_FALSE(disk("H")->IsReady());
}

void writeExt4Image(const QString& path, const char* label)
{
    ASSERT_TRUE(zgtest::writeExt4Image(path, label));
}

// D: a drive whose device is an image file in a folder of the test's own,
// read by the machine's own probe.
class DiskOnImage : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(devices.isValid());
        writeExt4Image(devices.filePath("loop7"), "DATADISK");
        plat::setDeviceFolder(devices.path());
        plat::Drive c{u'C', "/", "", "", "", plat::DriveKind::Fixed, true, "", ""};
        plat::Drive d{u'D', devices.path(), "/dev/loop7", "loop7", "ext4", plat::DriveKind::Fixed, true, "", ""};
        plat::installDriveMap({c, d});
        zg::installDiskProbe(nullptr);
    }
    void TearDown() override
    {
        plat::setDeviceFolder(QString());
        plat::resetDriveMap();
    }
    QTemporaryDir devices;
    zg::FilesAndFoldersImpl files;
};

TEST_F(DiskOnImage, TheDriveListAndTheDiskReadOneLabelFromTheVolume)
{
    // A machine without udev's links: the volume itself is read, for the
    // drive list's text as for the disk's facts.
    EXPECT_EQ(plat::driveFor('D')->listText(), "d: [DATADISK]");
    const auto d = files.Disk("D");
    EXPECT_TRUE(d->IsReady());
    EXPECT_EQ(d->VolumeName(), "DATADISK");
    EXPECT_EQ(d->SerialNumber(), "0b5e2a11-7c4d-4e0f-9a31-5d2c8e7f6a10");
    EXPECT_FALSE(d->IsFAT() || d->IsFAT32() || d->IsNTFS() || d->IsCDFS());
    EXPECT_EQ(plat::driveVolume(*plat::driveFor('D')).type, "ext4");
}

TEST_F(DiskOnImage, AllOfADrivesFiguresReadTheVolumeOnceAndANewOneAfterIt)
{
    int reads = 0;
    const plat::VolumeReader machine = plat::setVolumeReader(nullptr);
    ASSERT_TRUE(machine);
    plat::setVolumeReader([&](const QString& path) {
        ++reads;
        return machine(path);
    });
    // Every member the disk window shows, and the drive list's text.
    auto all = [this] {
        QStringList facts{plat::driveFor('D')->listText()};
        const auto d = files.Disk("D");
        facts << QString::number(d->IsReady()) << QString::number(d->DriveType()) << d->VolumeName()
              << QString::number(d->IsCDFS()) << QString::number(d->IsFAT()) << QString::number(d->IsFAT32())
              << QString::number(d->IsNTFS()) << d->SerialNumber() << d->ShareName()
              << QString::number(d->TotalSpace() > 0) << QString::number(d->FreeSpace() > 0)
              << QString::number(d->FreeAccountSpace() > 0) << QString::number(d->TotalClusters() > 0)
              << QString::number(d->FreeClusters() > 0) << QString::number(d->SectorsPerCluster());
        return facts;
    };
    const QStringList first = all();
    EXPECT_EQ(first.mid(0, 4), (QStringList{"d: [DATADISK]", "1", "3", "DATADISK"}));
    EXPECT_EQ(all(), first);
    EXPECT_EQ(reads, 1);

    // A new medium is read at the next burst.
    writeExt4Image(devices.filePath("loop7"), "RELABELED");
    plat::forgetVolumes();
    EXPECT_EQ(files.Disk("D")->VolumeName(), "RELABELED");
    EXPECT_EQ(plat::driveFor('D')->listText(), "d: [RELABELED]");
    EXPECT_EQ(reads, 2);
    plat::setVolumeReader(machine);
}

TEST(DiskInfoMachine, TheRootFileSystemAsStatvfsReportsIt)
{
    zg::installDiskProbe(nullptr);
    struct statvfs s {};
    ASSERT_EQ(statvfs("/", &s), 0);
    const auto d = zg::FilesAndFoldersImpl().Disk("C");
    ASSERT_TRUE(d->IsReady());
    EXPECT_EQ(d->TotalSpace(), int64_t(s.f_blocks) * int64_t(s.f_frsize));
    EXPECT_EQ(d->TotalClusters(), int64_t(s.f_blocks));
    EXPECT_GE(d->SectorsPerCluster(), 1);
}

} // namespace
