// The drive, folder and file lists over a drive map of the test's own: C: the
// root, D: a temporary folder standing for a stick, E: an empty CD drive.
#include "UiTestSupport.h"

#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QComboBox>
#include <QKeyEvent>
#include <QTemporaryDir>

using namespace plat;
using uitest::errorOf;
using uitest::makeForm;

namespace {

void touch(const QString& path)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
}

class FileListsTest : public uitest::UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        ASSERT_TRUE(stick.isValid());
        root = QDir(stick.path()).canonicalPath();
        QDir(root).mkpath("Windows/Media");
        QDir(root).mkpath("Windows/System");
        QDir(root).mkpath("Windows/.hidden");
        QDir(root).mkpath("alpha");
        touch(root + "/Windows/Media/Chimes.WAV");
        touch(root + "/Windows/Media/ding.wav");
        touch(root + "/Windows/Media/notes.txt");
        touch(root + "/Windows/Media/.secret.wav");
        touch(root + "/Windows/explorer.exe");
        touch(root + "/Windows/Shell32.DLL");
        touch(root + "/Windows/app.ico");
        touch(root + "/Windows/README");
        Drive c{u'C', "/", "", "", "", DriveKind::Fixed, true, "", ""};
        Drive d{u'D', root, "/dev/sdb1", "sdb1", "vfat", DriveKind::Removable, true, "STICK", ""};
        Drive e{u'E', "", "/dev/sr0", "sr0", "", DriveKind::Optical, false, "", ""};
        installDriveMap({c, d, e});
    }
    void TearDown() override
    {
        resetDriveMap();
        UiTest::TearDown();
    }

    std::shared_ptr<uitest::LoggingForm> filesForm()
    {
        auto f = makeForm(R"([
          {"name": "Drive1", "type": "DriveListBox", "left": 0, "top": 0, "width": 2500, "height": 315},
          {"name": "Dir1", "type": "DirListBox", "left": 0, "top": 400, "width": 2500, "height": 1800},
          {"name": "File1", "type": "FileListBox", "left": 0, "top": 2300, "width": 2500, "height": 1800,
           "properties": [["Pattern", "*.wav"]]}
        ])");
        f->Load();
        return f;
    }

    QTemporaryDir stick;
    QString root;
};

TEST_F(FileListsTest, DriveListShowsEveryDriveAndChoosesByLetter)
{
    auto f = filesForm();
    auto drive = f->control<DriveListBox>("Drive1");
    int changes = 0;
    drive->Change.connect([&] { ++changes; });
    EXPECT_EQ(drive->Drive(), "c:"); // the working folder is on C:
    auto* box = qobject_cast<QComboBox*>(drive->widget());
    ASSERT_EQ(box->count(), 3);
    EXPECT_EQ(box->itemText(1), "d: [STICK]");
    EXPECT_EQ(drive->List(2), "e:");

    drive->setDrive("d");
    EXPECT_EQ(drive->Drive(), "d: [STICK]");
    EXPECT_EQ(changes, 1);
    drive->setDrive("D:");
    EXPECT_EQ(changes, 1); // the same drive
    drive->setDrive("e:\\"); // a drive without a medium can be chosen
    EXPECT_EQ(drive->driveLetter(), QChar('E'));
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(errorOf([&] { drive->setDrive("q:"); }), err::DeviceUnavailable);
    EXPECT_EQ(errorOf([&] { drive->setDrive(""); }), err::DeviceUnavailable);
    EXPECT_EQ(drive->driveLetter(), QChar('E'));

    emit box->activated(0); // the user picks C:
    EXPECT_EQ(drive->Drive(), "c:");
    EXPECT_EQ(changes, 3);
    EXPECT_EQ(drive->getProperty("ListIndex").toLong(), 0);
}

TEST_F(FileListsTest, FolderListOpensFoldersAndRefusesUnavailableDrivesAndMissingFolders)
{
    auto f = filesForm();
    auto dir = f->control<DirListBox>("Dir1");
    int changes = 0;
    dir->Change.connect([&] { ++changes; });

    dir->setPath("D:\\Windows\\");
    EXPECT_EQ(dir->Path(), "D:\\Windows");
    EXPECT_EQ(dir->subfolders(), (QStringList{"Media", "System"})); // no hidden folder
    EXPECT_EQ(changes, 1);
    auto* w = qobject_cast<QListWidget*>(dir->widget());
    ASSERT_EQ(w->count(), 4); // D:\, Windows, Media, System
    EXPECT_EQ(w->item(0)->text(), "D:\\");
    EXPECT_EQ(w->item(1)->text().trimmed(), "Windows");
    EXPECT_EQ(w->currentRow(), 1);

    dir->setPath("d:\\windows\\..\\Windows");
    EXPECT_EQ(changes, 1); // the same folder
    dir->setPath("Media");
    EXPECT_EQ(dir->Path(), "D:\\Windows\\Media");
    dir->setPath("..\\..");
    EXPECT_EQ(dir->Path(), "D:\\");
    EXPECT_EQ(changes, 3);

    // Failures keep the folder shown.
    EXPECT_EQ(errorOf([&] { dir->setPath("E:"); }), err::DeviceUnavailable);
    EXPECT_EQ(errorOf([&] { dir->setPath("E:\\setup"); }), err::DeviceUnavailable);
    EXPECT_EQ(errorOf([&] { dir->setPath("Q:\\"); }), err::DeviceUnavailable);
    EXPECT_EQ(errorOf([&] { dir->setPath("D:\\NoSuchFolder"); }), err::PathNotFound);
    EXPECT_EQ(errorOf([&] { dir->setPath("D:\\Windows\\README"); }), err::PathNotFound);
    EXPECT_EQ(dir->Path(), "D:\\");
    EXPECT_EQ(changes, 3);

    // A bare drive goes to its current folder: the root for a drive that
    // does not hold the working folder.
    dir->setPath("D:\\Windows");
    dir->setPath("D:");
    EXPECT_EQ(dir->Path(), "D:\\");
    dir->setPath("D:\\Windows");
    dir->setPath("d: [STICK]"); // the drive list's text
    EXPECT_EQ(dir->Path(), "D:\\");
    // The trapped failure as the demos' drive-change handlers see it.
    Err::clear();
    EXPECT_FALSE(tryStatement([&] { dir->setProperty("Path", Variant("E:")); }));
    EXPECT_EQ(Err::number(), 68);
    EXPECT_EQ(Err::last().description, "Device unavailable");
}

TEST_F(FileListsTest, DoubleClickingAFolderOpensIt)
{
    auto f = filesForm();
    auto dir = f->control<DirListBox>("Dir1");
    dir->setPath("D:\\Windows");
    QStringList paths;
    dir->Change.connect([&] { paths << dir->Path(); });
    auto* w = qobject_cast<QListWidget*>(dir->widget());
    emit w->itemDoubleClicked(w->item(3)); // System
    emit w->itemDoubleClicked(w->item(0)); // D:\ at the top
    EXPECT_EQ(paths, (QStringList{"D:\\Windows\\System", "D:\\"}));
    w->setCurrentRow(2); // D:\, alpha, Windows: Enter on Windows
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &enter);
    EXPECT_EQ(paths.last(), "D:\\Windows");
}

TEST_F(FileListsTest, FileListFollowsPathAndPatternWithoutRegardToCase)
{
    auto f = filesForm();
    auto file = f->control<FileListBox>("File1");
    file->setPath("D:\\Windows\\Media");
    EXPECT_EQ(file->ListCount(), 2);
    EXPECT_EQ(file->List(0), "Chimes.WAV");
    EXPECT_EQ(file->List(1), "ding.wav");
    EXPECT_EQ(file->ListIndex(), -1);
    EXPECT_EQ(file->FileName(), "");

    file->setPath("D:\\Windows");
    file->setPattern("*.ico;*.exe;*.dll");
    EXPECT_EQ(file->ListCount(), 3);
    EXPECT_EQ(file->List(0), "app.ico");
    EXPECT_EQ(file->List(2), "Shell32.DLL");
    file->setPattern("*.*");
    EXPECT_EQ(file->ListCount(), 4); // README without an extension too

    EXPECT_EQ(errorOf([&] { file->setPath("E:\\"); }), err::DeviceUnavailable);
    EXPECT_EQ(file->Path(), "D:\\Windows");
    EXPECT_EQ(file->ListCount(), 4);

    EXPECT_TRUE(FileListBox::matchesPattern("README", "readme.*"));
    EXPECT_TRUE(FileListBox::matchesPattern("Chimes.WAV", "*.wav"));
    EXPECT_TRUE(FileListBox::matchesPattern("a.b", " *.x ; a.? "));
    EXPECT_FALSE(FileListBox::matchesPattern("ding.wave", "*.wav"));
    EXPECT_FALSE(FileListBox::matchesPattern("x", ""));
}

TEST_F(FileListsTest, FileSelectionRaisesClickAndARefreshKeepsIt)
{
    auto f = filesForm();
    auto file = f->control<FileListBox>("File1");
    file->setPath("D:\\Windows\\Media");
    QStringList log;
    file->Click.connect([&] { log << "Click " + file->FileName(); });
    file->DblClick.connect([&] { log << "DblClick " + file->FileName(); });

    file->setListIndex(1);
    file->setFileName("CHIMES.wav");
    EXPECT_EQ(log, (QStringList{"Click ding.wav", "Click Chimes.WAV"}));
    EXPECT_EQ(errorOf([&] { file->setFileName("missing.wav"); }), err::FileNotFound);

    touch(root + "/Windows/Media/alarm.wav");
    file->Refresh();
    EXPECT_EQ(file->ListCount(), 3);
    EXPECT_EQ(file->FileName(), "Chimes.WAV");
    EXPECT_EQ(file->ListIndex(), 1);
    EXPECT_EQ(log.size(), 2); // no Click for the refresh

    // A name with a folder opens it; a wildcard becomes the pattern.
    file->setFileName("D:\\Windows\\*.exe");
    EXPECT_EQ(file->Path(), "D:\\Windows");
    EXPECT_EQ(file->Pattern(), "*.exe");
    EXPECT_EQ(file->ListCount(), 1);
}

TEST_F(FileListsTest, DriveFolderAndFileListsChainedAsTheDemosDo)
{
    auto f = filesForm();
    auto drive = f->control<DriveListBox>("Drive1");
    auto dir = f->control<DirListBox>("Dir1");
    auto file = f->control<FileListBox>("File1");
    QStringList boxes;
    drive->Change.connect([&] {
        Err::clear();
        if (!tryStatement([&] { dir->setPath(drive->Drive().left(1) + ":"); })) {
            boxes << "Drive Not Ready";
            return;
        }
        file->setPath(dir->Path());
    });
    dir->Change.connect([&] { file->setPath(dir->Path()); });

    drive->setDrive("d");
    EXPECT_EQ(dir->Path(), "D:\\");
    dir->setPath("D:\\Windows\\Media");
    EXPECT_EQ(file->ListCount(), 2);
    drive->setDrive("e");
    EXPECT_EQ(boxes, QStringList{"Drive Not Ready"});
    EXPECT_EQ(drive->driveLetter(), QChar('E')); // the list keeps the new drive
    EXPECT_EQ(dir->Path(), "D:\\Windows\\Media");
    EXPECT_EQ(file->ListCount(), 2);

    EXPECT_EQ(QString(file->Path() + "\\" + file->List(0)), "D:\\Windows\\Media\\Chimes.WAV");
    EXPECT_EQ(toSystemPath(file->Path() + "\\" + file->List(0)), root + "/Windows/Media/Chimes.WAV");
}

TEST_F(FileListsTest, FolderPathsAreMadeWhole)
{
    EXPECT_EQ(normalFolderPath("d:/a/./b/../c\\", ""), "D:\\a\\c");
    EXPECT_EQ(normalFolderPath("..\\..\\..", "C:\\x"), "C:\\");
    EXPECT_EQ(normalFolderPath("\\top", "D:\\x\\y"), "D:\\top");
    EXPECT_EQ(normalFolderPath("sub", "D:\\"), "D:\\sub");
    EXPECT_EQ(normalFolderPath("C:", ""), "C:\\");
}

} // namespace
