// The DiskInfo demo's window filled from fake drive objects.
#include "frmDiskInfoDemo.h"

#include <Application.h>
#include <Buttons.h>
#include <FileLists.h>
#include <Library.h>
#include <Paths.h>
#include <QtPrinters.h>
#include <Register.h>
#include <TextBox.h>
#include <ZorvaneDiskInfo.h>
#include <ZorvaneFilesAndFolders.h>

#include <QCoreApplication>
#include <gtest/gtest.h>

namespace {

struct DriveValues {
    bool ready = true;
    int32_t type = 3;
    bool cdfs = false, fat = false, fat32 = false, ntfs = false;
    QString share;
    int64_t total = 1234567, free = 1000, account = 999;
    int64_t clusters = 4294967296ll * 3, freeClusters = 0, sectors = 8;
};

class FakeDisk : public zg::ZorvaneDiskInfo {
public:
    explicit FakeDisk(const DriveValues& v) : v_(v) {}
    bool IsReady() override { return v_.ready; }
    int32_t DriveType() override { return v_.type; }
    QString VolumeName() override { return QStringLiteral("DATA"); }
    bool IsCDFS() override { return v_.cdfs; }
    bool IsFAT() override { return v_.fat; }
    bool IsFAT32() override { return v_.fat32; }
    bool IsNTFS() override { return v_.ntfs; }
    QString SerialNumber() override { return QStringLiteral("1A2B-3C4D"); }
    QString ShareName() override { return v_.share; }
    int64_t TotalSpace() override { return v_.total; }
    int64_t FreeSpace() override { return v_.free; }
    int64_t FreeAccountSpace() override { return v_.account; }
    int64_t TotalClusters() override { return v_.clusters; }
    int64_t FreeClusters() override { return v_.freeClusters; }
    int32_t SectorsPerCluster() override { return int32_t(v_.sectors); }

private:
    const DriveValues& v_;
};

// The shared path object whose Disk gives fake drives and counts the fetches.
class FakeFiles : public zg::ZorvaneFilesAndFolders {
public:
    std::map<QString, DriveValues> drives;
    QStringList asked;
    QString AddTrailingBackslash(const QString& p) override { return p; }
    QString DOSName(const QString& p) override { return p; }
    QString FileExtOnly(const QString& p) override { return p; }
    QString FilenameOnly(const QString& p) override { return p; }
    QString FilenameNoExt(const QString& p) override { return p; }
    QString ParentPath(const QString& p, const QString&, int32_t, bool) override { return p; }
    QString RootPath(const QString& p) override { return p; }
    std::shared_ptr<zg::ZorvaneDiskInfo> Disk(const QString& letter) override
    {
        asked << letter;
        return std::make_shared<FakeDisk>(drives[letter.toUpper()]);
    }
};

plat::Drive drive(QChar letter, plat::DriveKind kind, bool ready)
{
    plat::Drive d;
    d.letter = letter;
    d.kind = kind;
    d.ready = ready;
    d.mountPoint = ready ? (letter == 'C' ? QStringLiteral("/") : QStringLiteral("/zg-test-network-share")) : QString();
    return d;
}

class DiskInfoDemo : public ::testing::Test {
protected:
    void SetUp() override
    {
        zg::registerLibrary();
        plat::installDriveMap({drive('C', plat::DriveKind::Fixed, true), drive('D', plat::DriveKind::Removable, false),
                               drive('N', plat::DriveKind::Network, true)});
        zg::installShared<zg::ZorvaneFilesAndFolders>(files);
        form = plat::formInstance<frmDiskInfoDemo>();
        form->Load();
    }
    void TearDown() override
    {
        form.reset();
        plat::resetUiForTests();
        plat::resetDriveMap();
        zg::resetForTests();
    }
    QStringList boxes() const
    {
        QStringList t;
        for (const auto& b : {form->txtVolume, form->txtFileSystem, form->txtSerial, form->txtShareName,
                              form->txtTotalSpace, form->txtFreeSpace, form->txtFreeAccountSpace,
                              form->txtTotalClusters, form->txtFreeClusters, form->txtSectorsPerCluster})
            t << b->Text();
        return t;
    }
    std::shared_ptr<FakeFiles> files = std::make_shared<FakeFiles>();
    std::shared_ptr<frmDiskInfoDemo> form;
};

TEST_F(DiskInfoDemo, ALocalFixedDiskShowsItsFactsWithGroupedFigures)
{
    EXPECT_EQ(form->Caption(), "ZorvaneGlobals 3.0 - ZorvaneDiskInfo Demo");
    EXPECT_EQ(form->txtReady->Text(), "True");
    EXPECT_EQ(form->txtType->Text(), "Fixed Hard Disk");
    EXPECT_EQ(boxes(), (QStringList{"DATA", "Unknown", "1A2B-3C4D", "N.A. - Not Network Drive!", "1,234,567", "1,000",
                                    "999", "12,884,901,888", "", "8"}));
    // One drive object per value read, each for the drive's letter.
    EXPECT_GE(files->asked.size(), 15);
    EXPECT_EQ(files->asked.count("c"), files->asked.size());
}

TEST_F(DiskInfoDemo, AnEmptyRemovableDriveIsNotReadyInTenBoxes)
{
    files->drives["D"].ready = false;
    files->drives["D"].type = 2;
    form->Drive1->setDrive("d");
    EXPECT_EQ(form->txtReady->Text(), "False");
    EXPECT_EQ(form->txtType->Text(), "Removable (Floppy/ZIP)");
    EXPECT_EQ(boxes(), QStringList(10, "Unknown (Not Ready)"));
}

TEST_F(DiskInfoDemo, NetworkSharesFileSystemsAndTypes)
{
    files->drives["N"].type = 4;
    files->drives["N"].share = "\\\\nas\\public";
    files->drives["N"].fat = files->drives["N"].fat32 = true;
    form->Drive1->setDrive("n");
    EXPECT_EQ(form->txtType->Text(), "Network Share");
    EXPECT_EQ(form->txtShareName->Text(), "\\\\nas\\public");
    EXPECT_EQ(form->txtFileSystem->Text(), "FAT (16 bit)");

    EXPECT_EQ(frmDiskInfoDemo::driveTypeText(5), "CD-ROM / DVD-ROM");
    EXPECT_EQ(frmDiskInfoDemo::driveTypeText(6), "RAM Drive");
    EXPECT_EQ(frmDiskInfoDemo::driveTypeText(7), "Unknown Drive Type");
    EXPECT_EQ(frmDiskInfoDemo::driveTypeText(1), "Unknown Drive Type");
    files->drives["N"].type = 7;
    files->drives["N"].fat = false;
    files->drives["N"].cdfs = true;
    form->Drive1->setDrive("c");
    form->Drive1->setDrive("n");
    EXPECT_EQ(form->txtType->Text(), "Unknown Drive Type");
    EXPECT_EQ(form->txtShareName->Text(), "N.A. - Not Network Drive!");
    EXPECT_EQ(form->txtFileSystem->Text(), "CDFS");
}

} // namespace
