#include "frmFilesAndFoldersDemo.h"

#include <Buttons.h>
#include <Error.h>
#include <FileLists.h>
#include <Graphics.h>
#include <Label.h>
#include <Library.h>
#include <MsgBox.h>
#include <TextBox.h>
#include <ZorvaneFilesAndFolders.h>
#include <ZorvaneFormFunctions.h>

frmFilesAndFoldersDemo::frmFilesAndFoldersDemo() : Form(QStringLiteral(":/forms/frmFilesAndFoldersDemo.json")) {}

void frmFilesAndFoldersDemo::bindControls()
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
    Drive1 = control<plat::DriveListBox>(QStringLiteral("Drive1"));
    Dir1 = control<plat::DirListBox>(QStringLiteral("Dir1"));
    File1 = control<plat::FileListBox>(QStringLiteral("File1"));
    txtDOSName = text("txtDOSName");
    txtEndingBackslashEnforced = text("txtEndingBackslashEnforced");
    txtFileExtOnly = text("txtFileExtOnly");
    txtFilenameOnly = text("txtFilenameOnly");
    txtFilenameNoExt = text("txtFilenameNoExt");
    txtParentPath = text("txtParentPath");
    txtRootPath = text("txtRootPath");
    cmdClose = control<plat::CommandButton>(QStringLiteral("cmdClose"));
    Image1 = control<plat::Image>(QStringLiteral("Image1"));
    Shape1 = control<plat::Shape>(QStringLiteral("Shape1"));

    Drive1->Change.connect([this] { Drive1_Change(); });
    Dir1->Change.connect([this] { Dir1_Change(); });
    File1->Click.connect([this] { File1_Click(); });
    cmdClose->Click.connect([this] { cmdClose_Click(); });
}

void frmFilesAndFoldersDemo::Form_Load()
{
    zg::FormFunctions()->CenterFormEx(shared_from_this(), true, false, 0.5f, 0.5f);
    Dir1->setPath(Drive1->Drive().left(1) + QLatin1Char(':'));
    File1->setPath(Dir1->Path());
}

// Errors ignored statement by statement: a drive that cannot be opened keeps
// the previous folder and files listed.
void frmFilesAndFoldersDemo::Drive1_Change()
{
    plat::Err::clear();
    if (!plat::tryStatement([&] { Dir1->setPath(Drive1->Drive().left(1) + QLatin1Char(':')); })) {
        plat::MsgBox(QStringLiteral("Disk Not Ready (Or Not Available)"), plat::mb::Exclamation,
                     QStringLiteral("Disk Not Ready"));
        return;
    }
    plat::tryStatement([&] { File1->setPath(Dir1->Path()); });
}

void frmFilesAndFoldersDemo::Dir1_Change()
{
    File1->setPath(Dir1->Path());
}

void frmFilesAndFoldersDemo::File1_Click()
{
    if (File1->ListIndex() < 0)
        return;
    auto Files = zg::FilesAndFolders();
    const QString FullPath = Files->AddTrailingBackslash(File1->Path()) + File1->FileName();
    txtDOSName->setText(Files->DOSName(FullPath));
    txtEndingBackslashEnforced->setText(Files->AddTrailingBackslash(File1->Path()));
    txtFileExtOnly->setText(Files->FileExtOnly(FullPath));
    txtFilenameOnly->setText(Files->FilenameOnly(FullPath));
    txtFilenameNoExt->setText(Files->FilenameNoExt(FullPath));
    // The parent of the folder, not of the file.
    txtParentPath->setText(Files->ParentPath(File1->Path(), QStringLiteral("\\"), 0, false));
    txtRootPath->setText(Files->RootPath(FullPath));
}

void frmFilesAndFoldersDemo::cmdClose_Click() { Unload(); }
