// Shared main of every test program: selects the offscreen platform before
// any QApplication exists, then runs GoogleTest inside one QApplication.
#include <QApplication>
#include <gtest/gtest.h>
#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

int main(int argc, char** argv)
{
    if (!std::getenv("ZG_TEST_USE_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (!qEnvironmentVariableIsSet("XDG_RUNTIME_DIR")) {
        QByteArray dir = QByteArray("/tmp/zg-test-runtime-") + QByteArray::number(getuid());
        mkdir(dir.constData(), 0700);
        qputenv("XDG_RUNTIME_DIR", dir);
    }
    qputenv("ZG_TEST", "1");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
