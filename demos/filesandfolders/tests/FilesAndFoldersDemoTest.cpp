// The FilesAndFolders demo's window over a drive map of temporary folders,
// with the real path functions.
#include "frmFilesAndFoldersDemo.h"

#include <Application.h>
#include <Buttons.h>
#include <FileLists.h>
#include <Library.h>
#include <MsgBox.h>
#include <Paths.h>
#include <QtPrinters.h>
#include <Register.h>
#include <TextBox.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class FilesAndFoldersDemo : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(stick.isValid());
        QFile(stick.filePath("Holiday Photos.jpeg")).open(QIODevice::WriteOnly);
        QFile(stick.filePath("notes")).open(QIODevice::WriteOnly);
        QDir(stick.path()).mkpath("Long Folder Name");
        QFile(stick.filePath("Long Folder Name/a.b.c.txt")).open(QIODevice::WriteOnly);
        zg::registerLibrary();
        plat::Drive c, d, e;
        c.letter = 'C';
        c.mountPoint = "/";
        d.letter = 'D';
        d.mountPoint = stick.path();
        d.kind = plat::DriveKind::Removable;
        e.letter = 'E';
        e.kind = plat::DriveKind::Optical;
        e.ready = false;
        plat::installDriveMap({c, d, e});
        plat::setMsgBoxHook([this](const plat::MsgBoxRequest& r) {
            boxes << r.title + "|" + r.prompt + "|" + QString::number(r.style);
            return plat::mb::OK;
        });
        form = plat::formInstance<frmFilesAndFoldersDemo>();
        form->Load();
    }
    void TearDown() override
    {
        plat::setMsgBoxHook(nullptr);
        form.reset();
        plat::resetUiForTests();
        plat::resetDriveMap();
        zg::resetForTests();
    }
    QStringList results() const
    {
        return {form->txtDOSName->Text(),       form->txtEndingBackslashEnforced->Text(),
                form->txtFileExtOnly->Text(),   form->txtFilenameOnly->Text(),
                form->txtFilenameNoExt->Text(), form->txtParentPath->Text(),
                form->txtRootPath->Text()};
    }
    void choose(const QString& name)
    {
        for (int32_t i = 0; i < form->File1->ListCount(); ++i)
            if (form->File1->List(i) == name) {
                form->File1->setListIndex(i);
                return;
            }
        FAIL() << name.toStdString();
    }
    QTemporaryDir stick;
    QStringList boxes;
    std::shared_ptr<frmFilesAndFoldersDemo> form;
};

TEST_F(FilesAndFoldersDemo, AFileInADrivesRootGetsNoDoubledBackslash)
{
    EXPECT_EQ(form->Caption(), "ZorvaneGlobals 3.0 - ZorvaneFilesAndFolder Demo");
    form->Drive1->setDrive("d");
    EXPECT_EQ(form->File1->Path(), "D:\\");
    choose("Holiday Photos.jpeg");
    EXPECT_EQ(results(), (QStringList{"D:\\HOLIDA~1.JPE", "D:\\", "jpeg", "Holiday Photos.jpeg", "Holiday Photos", "",
                                      "D:\\"}));
    // A file without an extension rewrites all seven boxes.
    choose("notes");
    EXPECT_EQ(results(), (QStringList{"D:\\notes", "D:\\", "", "notes", "notes", "", "D:\\"}));
}

TEST_F(FilesAndFoldersDemo, AFileInASubfolderAndTheParentOfItsFolder)
{
    form->Drive1->setDrive("d");
    form->Dir1->setPath("D:\\Long Folder Name");
    EXPECT_EQ(form->File1->Path(), "D:\\Long Folder Name");
    choose("a.b.c.txt");
    EXPECT_EQ(results(), (QStringList{"D:\\LONGFO~1\\ABC~1.TXT", "D:\\Long Folder Name\\", "txt", "a.b.c.txt", "a.b.c",
                                      "D:\\", "D:\\"}));
}

TEST_F(FilesAndFoldersDemo, ADriveThatIsNotReadyWarnsAndKeepsTheListing)
{
    form->Drive1->setDrive("d");
    const int32_t files = form->File1->ListCount();
    form->Drive1->setDrive("e");
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_EQ(boxes[0], "Disk Not Ready|Disk Not Ready (Or Not Available)|48");
    EXPECT_EQ(form->Dir1->Path(), "D:\\");
    EXPECT_EQ(form->File1->Path(), "D:\\");
    EXPECT_EQ(form->File1->ListCount(), files);
}

TEST_F(FilesAndFoldersDemo, NoSelectionChangesNothing)
{
    form->Drive1->setDrive("d");
    form->txtDOSName->setText("kept");
    form->File1->Click.raise();
    EXPECT_EQ(form->txtDOSName->Text(), "kept");
}

} // namespace
