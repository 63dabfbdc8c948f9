// The volumes of the drives: one reader for every question, read once for a
// burst, the map's own label standing in; udev's records and links.
#include "Paths.h"
#include "QtPrinters.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace plat;

namespace {

Drive drive(char16_t letter, const QString& device, bool ready, const QString& label = QString(),
            const QString& uuid = QString())
{
    Drive d;
    d.letter = QChar(letter);
    d.mountPoint = ready ? QStringLiteral("/media/x") : QString();
    d.device = device;
    d.ready = ready;
    d.label = label;
    d.uuid = uuid;
    return d;
}

// A reader that answers for a few device names and notes every path asked.
class VolumesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        previous = setVolumeReader([this](const QString& path) {
            asked << path;
            if (path.endsWith(QLatin1String("/sdb1")))
                return Volume{"USB STICK", "", "vfat", "FAT32"};
            return Volume{};
        });
    }
    void TearDown() override
    {
        setVolumeReader(previous);
        setDeviceFolder(QString());
        resetDriveMap();
    }
    VolumeReader previous;
    QStringList asked;
};

TEST_F(VolumesTest, TheReadersVolumeComesFirstAndTheMapsLabelStandsInForWhatItLacks)
{
    const Drive stick = drive(u'E', "sdb1", true, "OLD NAME", "1C2D-3E4F");
    const Volume v = driveVolume(stick);
    EXPECT_EQ(v.label, "USB STICK");
    EXPECT_EQ(v.uuid, "1C2D-3E4F");
    EXPECT_EQ(v.type, "vfat");
    EXPECT_EQ(v.version, "FAT32");
    EXPECT_EQ(stick.listText(), "e: [USB STICK]");
    // A test run looks for devices in a folder that does not exist.
    EXPECT_EQ(asked, QStringList{"/.zg-test-no-devices/sdb1"});
    EXPECT_FALSE(QFileInfo::exists(deviceFolder()));

    // A volume that tells nothing: the map's label.
    EXPECT_EQ(drive(u'F', "sdc1", true, "DATA").listText(), "f: [DATA]");
    EXPECT_EQ(drive(u'G', "sdd1", true).listText(), "g:");
    // No medium, or no device: nothing is read.
    asked.clear();
    EXPECT_EQ(drive(u'H', "sr0", false, "DISC").listText(), "h: [DISC]");
    EXPECT_EQ(drive(u'I', "", true).listText(), "i:");
    EXPECT_EQ(asked, QStringList());
}

TEST_F(VolumesTest, ABurstOfQuestionsReadsEachDeviceOnce)
{
    const Drive stick = drive(u'E', "sdb1", true);
    for (int i = 0; i < 14; ++i)
        EXPECT_EQ(driveVolume(stick).label, "USB STICK");
    driveVolume(drive(u'F', "sdc1", true));
    EXPECT_EQ(asked, (QStringList{"/.zg-test-no-devices/sdb1", "/.zg-test-no-devices/sdc1"}));

    // Forgotten, or a new map, a new folder or a new reader: read again.
    forgetVolumes();
    driveVolume(stick);
    installDriveMap({drive(u'C', "", true)});
    driveVolume(stick);
    setDeviceFolder("/srv/devices");
    driveVolume(stick);
    driveVolume(stick);
    EXPECT_EQ(asked.size(), 5);
    EXPECT_EQ(asked.last(), "/srv/devices/sdb1");
    EXPECT_EQ(deviceFolder(), "/srv/devices");
    setVolumeReader([](const QString&) { return Volume{"NEW", "", "", ""}; });
    EXPECT_EQ(driveVolume(stick).label, "NEW");
}

TEST(UdevVolumes, TheRecordsEncodedLabelKeepsItsBlanks)
{
    const QByteArray record = "S:disk/by-label/MY\\x20PHOTOS\n"
                              "E:ID_FS_LABEL=MY_PHOTOS\n"
                              "E:ID_FS_LABEL_ENC=MY\\x20PHOTOS\n"
                              "E:ID_FS_UUID=6A3F-0B12\n"
                              "E:ID_FS_UUID_ENC=6A3F-0B12\n"
                              "E:ID_FS_VERSION=1.0\n"
                              "E:ID_FS_TYPE=exfat\n"
                              "E:ID_FS_USAGE=filesystem\n";
    const Volume v = volumeFromUdevRecord(record);
    EXPECT_EQ(v.label, "MY PHOTOS");
    EXPECT_EQ(v.uuid, "6A3F-0B12");
    EXPECT_EQ(v.type, "exfat");
    EXPECT_EQ(v.version, "1.0");
    // An older record without the encoded forms.
    EXPECT_EQ(volumeFromUdevRecord("E:ID_FS_LABEL=BACKUP\nE:ID_FS_TYPE=ext4\n").label, "BACKUP");
    EXPECT_EQ(volumeFromUdevRecord("").type, "");
}

TEST(UdevVolumes, WithoutARecordTheLinksToTheDeviceGiveItsLabelAndIdentifier)
{
    QTemporaryDir devices;
    ASSERT_TRUE(devices.isValid());
    const QString root = QDir(devices.path()).canonicalPath();
    QDir(root).mkpath("disk/by-label");
    QDir(root).mkpath("disk/by-uuid");
    QFile node(root + "/loop7"); // an image file stands for the device
    ASSERT_TRUE(node.open(QIODevice::WriteOnly));
    node.close();
    QFile(root + "/loop8").open(QIODevice::WriteOnly);
    ASSERT_TRUE(QFile::link("../../loop8", root + "/disk/by-label/OTHER"));
    ASSERT_TRUE(QFile::link("../../loop7", root + "/disk/by-label/DATA\\x20DISK"));
    ASSERT_TRUE(QFile::link("../../loop7", root + "/disk/by-uuid/0b5e2a11-7c4d"));
    setDeviceFolder(root);
    const Volume v = readUdevVolume(root + "/loop7");
    EXPECT_EQ(v.label, "DATA DISK");
    EXPECT_EQ(v.uuid, "0b5e2a11-7c4d");
    EXPECT_EQ(v.type, "");
    EXPECT_EQ(readUdevVolume(root + "/loop9").label, "");
    setDeviceFolder(QString());
}

} // namespace
