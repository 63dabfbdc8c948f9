#include "frmIconsDemo.h"

#include <Buttons.h>
#include <Containers.h>
#include <Error.h>
#include <FileLists.h>
#include <Graphics.h>
#include <Label.h>
#include <Library.h>
#include <MsgBox.h>
#include <Numbers.h>
#include <ScrollBar.h>
#include <ZorvaneFilesAndFolders.h>
#include <ZorvaneFormFunctions.h>
#include <ZorvaneIcons.h>
#include <ZorvaneSystem.h>

frmIconsDemo::frmIconsDemo() : Form(QStringLiteral(":/forms/frmIconsDemo.json")) {}

void frmIconsDemo::bindControls()
{
    Label1 = control<plat::Label>(QStringLiteral("Label1"));
    Label2 = control<plat::Label>(QStringLiteral("Label2"));
    Label3 = control<plat::Label>(QStringLiteral("Label3"));
    Drive1 = control<plat::DriveListBox>(QStringLiteral("Drive1"));
    Dir1 = control<plat::DirListBox>(QStringLiteral("Dir1"));
    File1 = control<plat::FileListBox>(QStringLiteral("File1"));
    Frame1 = control<plat::Frame>(QStringLiteral("Frame1"));
    lblIconsCount = control<plat::Label>(QStringLiteral("lblIconsCount"));
    IconScroll = control<plat::HScrollBar>(QStringLiteral("IconScroll"));
    lblIconIndex = control<plat::Label>(QStringLiteral("lblIconIndex"));
    picIconDrawingArea = control<plat::PictureBox>(QStringLiteral("picIconDrawingArea"));
    cmdClose = control<plat::CommandButton>(QStringLiteral("cmdClose"));
    Shape1 = control<plat::Shape>(QStringLiteral("Shape1"));

    Drive1->Change.connect([this] { Drive1_Change(); });
    Dir1->Change.connect([this] { Dir1_Change(); });
    File1->Click.connect([this] { File1_Click(); });
    IconScroll->Change.connect([this] { IconScroll_Change(); });
    cmdClose->Click.connect([this] { cmdClose_Click(); });
}

void frmIconsDemo::Form_Load()
{
    zg::FormFunctions()->CenterFormEx(shared_from_this(), true, false, 0.5f, 0.5f);
    Icons = zg::NewIcons();
    Drive1->setDrive(zg::System()->WindowsDirectory().left(2));
    Dir1->setPath(zg::System()->WindowsDirectory());
    File1->setPath(zg::System()->WindowsDirectory());
}

void frmIconsDemo::Form_QueryUnload(int16_t& Cancel, int16_t& UnloadMode)
{
    Icons.reset();
}

// Errors ignored statement by statement.
void frmIconsDemo::Drive1_Change()
{
    QString DriveText;
    plat::tryStatement([&] { DriveText = Drive1->Drive().left(1) + QLatin1Char(':'); });
    plat::Err::clear();
    if (!plat::tryStatement([&] { Dir1->setPath(DriveText); })) {
        plat::MsgBox(QStringLiteral("Drive not available (Or isn't ready)"), plat::mb::Information,
                     QStringLiteral("Drive Not Ready"));
        return;
    }
    plat::tryStatement([&] { File1->setPath(Dir1->Path()); });
}

void frmIconsDemo::Dir1_Change()
{
    File1->setPath(Dir1->Path());
}

// Traps nothing.
void frmIconsDemo::File1_Click()
{
    Icons->setIconFileName(zg::FilesAndFolders()->AddTrailingBackslash(File1->Path()) + File1->FileName());
    if (Icons->IconCount() < 1) {
        lblIconsCount->setCaption(QStringLiteral("No Icons Found!"));
        lblIconIndex->setCaption(QStringLiteral("Icon #?"));
        IconScroll->setMax(0);
        IconScroll->setValue(0);
        IconScroll->setEnabled(false);
        picIconDrawingArea->Cls();
        return;
    }
    lblIconsCount->setCaption(QStringLiteral("Specify the Icon you want to display (0 to ") +
                              QString::number(Icons->IconCount() - 1) + QStringLiteral("):"));
    // The scroll bar holds 16-bit values; a file with more icons offers the
    // first 32768.
    IconScroll->setMax(static_cast<int16_t>(std::min<int32_t>(Icons->IconCount() - 1, 32767)));
    IconScroll->setValue(0);
    IconScroll->setEnabled(true);
    // Drawn again even when the value was already 0.
    IconScroll_Change();
}

// Errors ignored statement by statement: a size that cannot be drawn leaves
// the other one drawn.
void frmIconsDemo::IconScroll_Change()
{
    plat::tryStatement([&] { lblIconIndex->setCaption(QStringLiteral("Icon #") + QString::number(IconScroll->Value())); });
    plat::tryStatement([&] { picIconDrawingArea->Cls(); });
    plat::tryStatement([&] { picIconDrawingArea->PaintPicture(Icons->GetIcon(IconScroll->Value(), 0), 2, 1); });
    plat::tryStatement([&] { picIconDrawingArea->PaintPicture(Icons->GetIcon(IconScroll->Value(), 1), 40, 1); });
}

void frmIconsDemo::cmdClose_Click() { Unload(); }
