// Shared main of every test program: selects the offscreen platform before
// any QApplication exists, then runs GoogleTest inside one QApplication.
// The desktop tier's programs (ZG_DESKTOP_TEST) run on the tier's display
// when there is one (ZG_DESKTOP_DISPLAY), and offscreen, skipping, when not.
// Every test program writes numbers for the C locale (see below).
#include <QApplication>
#include <QLocale>
#include <gtest/gtest.h>
#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

int main(int argc, char** argv)
{
    const char* desktop = std::getenv("ZG_DESKTOP_DISPLAY");
    if (std::getenv("ZG_DESKTOP_TEST") && desktop && *desktop) {
        qputenv("DISPLAY", desktop);
        qputenv("QT_QPA_PLATFORM", "xcb");
    } else if (!std::getenv("ZG_TEST_USE_DISPLAY")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    if (!qEnvironmentVariableIsSet("XDG_RUNTIME_DIR")) {
        QByteArray dir = QByteArray("/tmp/zg-test-runtime-") + QByteArray::number(getuid());
        mkdir(dir.constData(), 0700);
        qputenv("XDG_RUNTIME_DIR", dir);
    }
    qputenv("ZG_TEST", "1");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    // Numbers are written for the C locale whatever the machine's is; a test
    // that needs another sets it and puts this one back.
    QLocale::setDefault(QLocale::c());
    return RUN_ALL_TESTS();
}
