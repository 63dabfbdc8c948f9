#include "Error.h"
#include "FilesAndFoldersImpl.h"
#include "Paths.h"
#include "QtPrinters.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct Case {
    const char* path;
    const char* root;
    const char* name;
    const char* ext;
    const char* noExt;
    const char* parent;
};

TEST(PathFunctions, NamesExtensionsRootsAndParentsAtTheEdges)
{
    const Case cases[] = {
        {"C:\\work\\notes.txt", "C:\\", "notes.txt", "txt", "notes", "C:\\work"},
        {"C:\\work\\a.tar.gz", "C:\\", "a.tar.gz", "gz", "a.tar", "C:\\work"},
        {"C:\\work\\Makefile", "C:\\", "Makefile", "", "Makefile", "C:\\work"},
        {"C:\\work\\.profile", "C:\\", ".profile", "", ".profile", "C:\\work"},
        {"C:\\work\\odd.", "C:\\", "odd.", "", "odd.", "C:\\work"},
        {"C:\\dir.d\\file", "C:\\", "file", "", "file", "C:\\dir.d"},
        {"C:\\work\\", "C:\\", "", "", "", "C:\\"},
        {"C:\\work", "C:\\", "work", "", "work", "C:\\"},
        {"C:\\", "C:\\", "", "", "", ""},
        {"c:", "c:\\", "", "", "", ""},
        {"c:x.ico", "c:\\", "x.ico", "ico", "x", "c:"},
        {"\\\\server\\share\\dir\\f.doc", "\\\\server\\share\\", "f.doc", "doc", "f", "\\\\server\\share\\dir"},
        {"\\\\server\\share\\dir", "\\\\server\\share\\", "dir", "", "dir", "\\\\server\\share\\"},
        {"\\\\server\\share", "\\\\server\\share", "", "", "", ""},
        {"\\top\\x.y", "\\", "x.y", "y", "x", "\\top"},
        {"rel\\x.y", "", "x.y", "y", "x", "rel"},
        {"x.y", "", "x.y", "y", "x", ""},
        {"", "", "", "", "", ""},
    };
    zg::FilesAndFoldersImpl f;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        const QString p = QString::fromUtf8(c.path);
        EXPECT_EQ(f.RootPath(p), QString::fromUtf8(c.root).isEmpty() || QString::fromUtf8(c.root).endsWith('\\')
                                      ? QString::fromUtf8(c.root)
                                      : QString::fromUtf8(c.root) + "\\");
        EXPECT_EQ(f.FilenameOnly(p), QString::fromUtf8(c.name));
        EXPECT_EQ(f.FileExtOnly(p), QString::fromUtf8(c.ext));
        EXPECT_EQ(f.FilenameNoExt(p), QString::fromUtf8(c.noExt));
        EXPECT_EQ(f.ParentPath(p, "\\", 0, false), QString::fromUtf8(c.parent));
    }
}

TEST(PathFunctions, TrailingBackslashNeverDoublesAndParentOptions)
{
    zg::FilesAndFoldersImpl f;
    EXPECT_EQ(f.AddTrailingBackslash("C:\\"), "C:\\");
    EXPECT_EQ(f.AddTrailingBackslash("C:\\work"), "C:\\work\\");
    EXPECT_EQ(f.AddTrailingBackslash("C:\\work\\") + "a.txt", "C:\\work\\a.txt");
    EXPECT_EQ(f.AddTrailingBackslash(""), "");

    EXPECT_EQ(f.ParentPath("C:\\a\\b\\c", "\\", 1, false), "C:\\a");
    EXPECT_EQ(f.ParentPath("C:\\a\\b\\c", "\\", 2, false), "C:\\");
    EXPECT_EQ(f.ParentPath("C:\\a\\b\\c", "\\", 3, false), "");
    EXPECT_EQ(f.ParentPath("C:\\a\\b\\c", "\\", 0, true), "C:\\a\\b\\");
    EXPECT_EQ(f.ParentPath("C:\\a", "\\", 0, true), "C:\\");
    EXPECT_EQ(f.ParentPath("C:\\a/b/c", "/", 0, false), "C:\\a/b");
    EXPECT_THROW(f.ParentPath("C:\\a", "", 0, false), plat::RuntimeError);
    EXPECT_THROW(f.ParentPath("C:\\a", "\\", -1, false), plat::RuntimeError);
}

TEST(PathFunctions, ASlashSeparatesNamesWhereverABackslashDoes)
{
    zg::FilesAndFoldersImpl f;
    // Roots end in a backslash, whichever separators the path has.
    EXPECT_EQ(f.RootPath("C:/a"), "C:\\");
    EXPECT_EQ(f.RootPath("c:/"), "c:\\");
    EXPECT_EQ(f.RootPath("//srv/share/x"), "\\\\srv\\share\\");
    EXPECT_EQ(f.RootPath("\\\\srv/share"), "\\\\srv\\share\\");
    EXPECT_EQ(f.RootPath("/top/x"), "\\");
    EXPECT_EQ(f.RootPath("a/b"), "");

    // A path ending in either separator ends in one backslash, never two.
    EXPECT_EQ(f.AddTrailingBackslash("C:\\a/"), "C:\\a\\");
    EXPECT_EQ(f.AddTrailingBackslash("C:/"), "C:\\");
    EXPECT_EQ(f.AddTrailingBackslash("/"), "\\");
    EXPECT_EQ(f.AddTrailingBackslash("C:/a/") + "x.txt", "C:/a\\x.txt");

    // The parent with "\" as the separator and the last name agree on where
    // the last name starts.
    EXPECT_EQ(f.ParentPath("C:\\a/b", "\\", 0, false), "C:\\a");
    EXPECT_EQ(f.FilenameOnly("C:\\a/b"), "b");
    EXPECT_EQ(f.ParentPath("C:/a/b/c/", "\\", 1, false), "C:/a");
    EXPECT_EQ(f.ParentPath("C:/a/b", "\\", 0, true), "C:/a\\");
    EXPECT_EQ(f.ParentPath("C:/a", "\\", 0, true), "C:/");
    EXPECT_EQ(f.ParentPath("a/b", "\\", 0, false), "a");
    // Any other separator is the only one.
    EXPECT_EQ(f.ParentPath("C:\\x.y/z.w", ".", 0, false), "C:\\x.y/z");
}

TEST(PathFunctions, ShortNamesAsAFatVolumeGivesThem)
{
    EXPECT_TRUE(zg::isShortName("README.TXT"));
    EXPECT_TRUE(zg::isShortName("readme.txt"));
    EXPECT_TRUE(zg::isShortName("A"));
    EXPECT_FALSE(zg::isShortName("ReadMe.txt"));
    EXPECT_EQ(zg::shortNameAmong("ReadMe.txt", {}), "README.TXT");
    EXPECT_FALSE(zg::isShortName("a.html"));
    EXPECT_FALSE(zg::isShortName("longername.c"));
    EXPECT_FALSE(zg::isShortName("a b.c"));
    EXPECT_FALSE(zg::isShortName("a.b.c"));
    EXPECT_FALSE(zg::isShortName(".profile"));
    EXPECT_FALSE(zg::isShortName("x+y.c"));

    EXPECT_EQ(zg::shortNameAmong("Program Files", {}), "PROGRA~1");
    EXPECT_EQ(zg::shortNameAmong("notes.backup.html", {}), "NOTESB~1.HTM");
    EXPECT_EQ(zg::shortNameAmong(".profile", {}), "PROFIL~1");
    EXPECT_EQ(zg::shortNameAmong("x+y=z.c", {}), "X_Y_Z~1.C");
    EXPECT_EQ(zg::shortNameAmong("äbc.txt", {}), "_BC~1.TXT");
    // Numbers follow the folder's names in order; an existing short name
    // that looks like a generated one is passed over.
    const QStringList folder{"Program Files", "Program Data", "PROGRA~1", "Programs Old"};
    EXPECT_EQ(zg::shortNameAmong("Program Data", folder), "PROGRA~2");
    EXPECT_EQ(zg::shortNameAmong("Program Files", folder), "PROGRA~3");
    EXPECT_EQ(zg::shortNameAmong("Programs Old", folder), "PROGRA~4");
    QStringList many;
    for (int i = 0; i < 12; ++i)
        many << QStringLiteral("longname%1.txt").arg(i, 2, 10, QChar('0'));
    EXPECT_EQ(zg::shortNameAmong("longname11.txt", many), "LONGN~12.TXT");
}

TEST(PathFunctions, DosNameOfARealPathShortensEachLongName)
{
    // A folder name that is already short: its own short form cannot change
    // while other tests make and remove folders beside it.
    QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/XXXXXX"));
    ASSERT_TRUE(dir.isValid());
    QDir(dir.path()).mkpath("My Documents/Old");
    QDir(dir.path()).mkpath("My Documentary");
    QFile(dir.filePath("My Documents/Old/annual report.pdf")).open(QIODevice::WriteOnly);
    const QString base = plat::fromSystemPath(dir.path());
    zg::FilesAndFoldersImpl f;
    const QString shortBase = f.DOSName(base);
    EXPECT_EQ(f.DOSName(base + "\\My Documents\\Old\\annual report.pdf"), shortBase + "\\MYDOCU~2\\OLD\\ANNUAL~1.PDF");
    EXPECT_EQ(f.DOSName(base + "\\My Documentary"), shortBase + "\\MYDOCU~1");
    EXPECT_EQ(f.DOSName("C:\\"), "C:\\");
    EXPECT_EQ(f.DOSName(""), "");
    EXPECT_EQ(f.DOSName("C:\\NO\\SUCH.TXT"), "C:\\NO\\SUCH.TXT");
}

} // namespace
