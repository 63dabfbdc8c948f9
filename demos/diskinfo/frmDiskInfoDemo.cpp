#include "frmDiskInfoDemo.h"

#include <Buttons.h>
#include <Containers.h>
#include <FileLists.h>
#include <Graphics.h>
#include <Label.h>
#include <Library.h>
#include <Numbers.h>
#include <TextBox.h>
#include <ZorvaneDiskInfo.h>
#include <ZorvaneFilesAndFolders.h>
#include <ZorvaneFormFunctions.h>

namespace {

// Figures as Format(v, "#,##"). Byte counts stay exact as doubles up to
// 2^53 bytes (8 PiB).
QString grouped(int64_t v) { return plat::formatThousands(double(v)); }

} // namespace

frmDiskInfoDemo::frmDiskInfoDemo() : Form(QStringLiteral(":/forms/frmDiskInfoDemo.json")) {}

QString frmDiskInfoDemo::driveTypeText(int32_t code)
{
    switch (code) {
    case 2: return QStringLiteral("Removable (Floppy/ZIP)");
    case 3: return QStringLiteral("Fixed Hard Disk");
    case 4: return QStringLiteral("Network Share");
    case 5: return QStringLiteral("CD-ROM / DVD-ROM");
    case 6: return QStringLiteral("RAM Drive");
    default: return QStringLiteral("Unknown Drive Type");
    }
}

void frmDiskInfoDemo::bindControls()
{
    auto label = [this](const char* name) { return control<plat::Label>(QLatin1String(name)); };
    auto text = [this](const char* name) { return control<plat::TextBox>(QLatin1String(name)); };
    Label1 = label("Label1");
    Label2 = label("Label2");
    Label3 = label("Label3");
    Label4 = label("Label4");
    Label5 = label("Label5");
    Label6 = label("Label6");
    Label7 = label("Label7");
    Label8 = label("Label8");
    Label9 = label("Label9");
    Label10 = label("Label10");
    Label11 = label("Label11");
    Label12 = label("Label12");
    Label13 = label("Label13");
    Label14 = label("Label14");
    Label15 = label("Label15");
    Label16 = label("Label16");
    Drive1 = control<plat::DriveListBox>(QStringLiteral("Drive1"));
    Frame1 = control<plat::Frame>(QStringLiteral("Frame1"));
    Frame2 = control<plat::Frame>(QStringLiteral("Frame2"));
    txtVolume = text("txtVolume");
    txtReady = text("txtReady");
    txtType = text("txtType");
    txtFileSystem = text("txtFileSystem");
    txtSerial = text("txtSerial");
    txtShareName = text("txtShareName");
    txtTotalSpace = text("txtTotalSpace");
    txtFreeSpace = text("txtFreeSpace");
    txtFreeAccountSpace = text("txtFreeAccountSpace");
    txtTotalClusters = text("txtTotalClusters");
    txtFreeClusters = text("txtFreeClusters");
    txtSectorsPerCluster = text("txtSectorsPerCluster");
    cmdClose = control<plat::CommandButton>(QStringLiteral("cmdClose"));
    Image1 = control<plat::Image>(QStringLiteral("Image1"));
    Shape1 = control<plat::Shape>(QStringLiteral("Shape1"));

    Drive1->Change.connect([this] { Drive1_Change(); });
    cmdClose->Click.connect([this] { cmdClose_Click(); });
}

void frmDiskInfoDemo::Form_Load()
{
    zg::FormFunctions()->CenterFormEx(shared_from_this(), true, false, 0.5f, 0.5f);
    RefreshDriveInfo();
}

// Every value comes from a drive object fetched again for it; no error of
// the library is trapped.
void frmDiskInfoDemo::RefreshDriveInfo()
{
    const QString Letter = Drive1->Drive().left(1);
    auto Disk = [&Letter] { return zg::FilesAndFolders()->Disk(Letter); };

    txtReady->setText(plat::booleanText(Disk()->IsReady()));
    txtType->setText(driveTypeText(Disk()->DriveType()));

    if (Disk()->IsReady()) {
        txtVolume->setText(Disk()->VolumeName());
        if (Disk()->IsCDFS())
            txtFileSystem->setText(QStringLiteral("CDFS"));
        else if (Disk()->IsFAT())
            txtFileSystem->setText(QStringLiteral("FAT (16 bit)"));
        else if (Disk()->IsFAT32())
            txtFileSystem->setText(QStringLiteral("FAT32"));
        else if (Disk()->IsNTFS())
            txtFileSystem->setText(QStringLiteral("NTFS"));
        else
            txtFileSystem->setText(QStringLiteral("Unknown"));
        txtSerial->setText(Disk()->SerialNumber());
        if (Disk()->DriveType() == 4)
            txtShareName->setText(Disk()->ShareName());
        else
            txtShareName->setText(QStringLiteral("N.A. - Not Network Drive!"));
        txtTotalSpace->setText(grouped(Disk()->TotalSpace()));
        txtFreeSpace->setText(grouped(Disk()->FreeSpace()));
        txtFreeAccountSpace->setText(grouped(Disk()->FreeAccountSpace()));
        txtTotalClusters->setText(grouped(Disk()->TotalClusters()));
        txtFreeClusters->setText(grouped(Disk()->FreeClusters()));
        txtSectorsPerCluster->setText(grouped(Disk()->SectorsPerCluster()));
    } else {
        const QString NotReady = QStringLiteral("Unknown (Not Ready)");
        for (const auto& box : {txtVolume, txtFileSystem, txtSerial, txtShareName, txtTotalSpace, txtFreeSpace,
                                txtFreeAccountSpace, txtTotalClusters, txtFreeClusters, txtSectorsPerCluster})
            box->setText(NotReady);
    }
}

void frmDiskInfoDemo::Drive1_Change() { RefreshDriveInfo(); }

void frmDiskInfoDemo::cmdClose_Click() { Unload(); }
