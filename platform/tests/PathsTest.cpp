#include "Paths.h"
#include "QtPrinters.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace plat;

namespace {
// Sets an environment variable for the life of the object, then puts back
// what was there before.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const QByteArray& value) : name_(name), had_(qEnvironmentVariableIsSet(name))
    {
        old_ = qgetenv(name);
        qputenv(name, value);
    }
    ~ScopedEnv()
    {
        if (had_)
            qputenv(name_, old_);
        else
            qunsetenv(name_);
    }

private:
    const char* name_;
    bool had_;
    QByteArray old_;
};

void touch(const QString& path)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
}
} // namespace

TEST(Paths, ConvertBothWays)
{
    EXPECT_EQ(toSystemPath("C:\\work\\x\\ZorvaneSystemDemo.exe"), "/work/x/ZorvaneSystemDemo.exe");
    EXPECT_EQ(toSystemPath("c:\\work\\x"), "/work/x");
    EXPECT_EQ(toSystemPath("D:\\data"), "/.zg-drive-d-not-available/data"); // no D: in a test run
    EXPECT_EQ(toSystemPath("C:\\"), "/");
    EXPECT_EQ(toSystemPath("C:"), "/");
    EXPECT_EQ(toSystemPath("ZGDemos\\ZorvaneAPM\\ZorvaneAPMDemo.exe"), "ZGDemos/ZorvaneAPM/ZorvaneAPMDemo.exe");
    EXPECT_EQ(toSystemPath("/already/linux"), "/already/linux");
    EXPECT_EQ(toSystemPath(""), "");

    EXPECT_EQ(fromSystemPath("/work/x"), "C:\\work\\x");
    EXPECT_EQ(fromSystemPath("/"), "C:\\");
    EXPECT_EQ(fromSystemPath("/work/x/"), "C:\\work\\x\\");
    EXPECT_EQ(fromSystemPath("a/b"), "a\\b");
    EXPECT_EQ(toSystemPath(fromSystemPath("/work/x/y.wav")), "/work/x/y.wav");
}

TEST(Paths, ProgramsAreFoundWithoutTheirExeEnding)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString folder = dir.path();
    const QString win = fromSystemPath(folder);
    touch(folder + "/ZorvaneSystemDemo");
    EXPECT_EQ(toSystemPath(win + "\\ZorvaneSystemDemo.exe"), folder + "/ZorvaneSystemDemo");
    EXPECT_EQ(toSystemPath(win + "\\ZorvaneSystemDemo.EXE"), folder + "/ZorvaneSystemDemo");
    // Nothing under either name: the path stays as given.
    EXPECT_EQ(toSystemPath(win + "\\Missing.exe"), folder + "/Missing.exe");
    // A real .exe file wins.
    touch(folder + "/Both.exe");
    touch(folder + "/Both");
    EXPECT_EQ(toSystemPath(win + "\\Both.exe"), folder + "/Both.exe");
    // Only the ".exe" ending is dropped, nothing else.
    touch(folder + "/notes");
    EXPECT_EQ(toSystemPath(win + "\\notes.txt"), folder + "/notes.txt");
    // Relative paths are looked up from the working folder.
    const QString oldCwd = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(folder));
    EXPECT_EQ(toSystemPath("ZorvaneSystemDemo.exe"), "ZorvaneSystemDemo");
    QDir::setCurrent(oldCwd);
}

TEST(Paths, ProgramFolderTitleAndSystemFolders)
{
    const QString exeDir = QCoreApplication::applicationDirPath();
    EXPECT_EQ(appPath(), fromSystemPath(exeDir));
    EXPECT_FALSE(appPath().endsWith('\\'));
    EXPECT_EQ(appTitle(), "platform_tests");
    setAppTitle("My Program");
    EXPECT_EQ(appTitle(), "My Program");
    setAppTitle(QString());
    EXPECT_EQ(appTitle(), "platform_tests");

    {
        // Defaults beside the executable, unless the environment names them.
        const bool hadWin = qEnvironmentVariableIsSet("ZG_WINDOWS_DIR");
        const bool hadSys = qEnvironmentVariableIsSet("ZG_SYSTEM_DIR");
        if (!hadWin && !hadSys) {
            EXPECT_EQ(windowsDirectory(), appPath() + "\\windows");
            EXPECT_EQ(systemDirectory(), appPath() + "\\windows\\system32");
            EXPECT_EQ(systemDirectoryPath(), systemDirectory());
        }
    }
    {
        ScopedEnv win("ZG_WINDOWS_DIR", "/srv/zg/windows/");
        ScopedEnv sys("ZG_SYSTEM_DIR", "/srv/zg/sys");
        EXPECT_EQ(windowsDirectory(), "C:\\srv\\zg\\windows");
        EXPECT_EQ(systemDirectory(), "C:\\srv\\zg\\sys");
        EXPECT_EQ(systemDirectoryPath(), "C:\\srv\\zg\\sys");
    }
    {
        ScopedEnv root("ZG_SYSTEM_DIR", "/");
        EXPECT_EQ(systemDirectoryPath(), "C:\\");
    }
    {
        ScopedEnv none("ZG_SYSTEM_DIR", "");
        EXPECT_EQ(systemDirectoryPath(), "");
    }
    {
        QTemporaryDir dir;
        const QString canonical = QDir(dir.path()).canonicalPath();
        ScopedEnv tmp("TMPDIR", (canonical + "/").toLocal8Bit());
        EXPECT_EQ(tempDirectory(), fromSystemPath(canonical));
    }
    {
        ScopedEnv tmp("TMPDIR", "/no/such/folder");
        EXPECT_EQ(tempDirectory(), "C:\\tmp");
    }
}
