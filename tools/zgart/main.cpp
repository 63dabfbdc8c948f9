// zgart ART_DIR WINDOWS_DIR SYSTEM_DIR
// Draws the suite's pictures into ART_DIR (PNG files and one .qrc per
// resource library), synthesises its sounds into WINDOWS_DIR and writes its
// help pages into SYSTEM_DIR and its sample icons into WINDOWS_DIR.
#include "ArtSet.h"
#include "ControlArt.h"
#include "HelpPages.h"
#include "ItemArt.h"
#include "SampleIcons.h"
#include "ShellArt.h"
#include "Sounds.h"

#include <QGuiApplication>
#include <cstdio>
#include <sys/stat.h>
#include <unistd.h>

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: zgart ART_DIR WINDOWS_DIR SYSTEM_DIR\n");
        return 2;
    }
    // Text needs a GUI application; no display is needed to draw into images.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // A private runtime folder keeps the GUI start-up quiet during the build.
    if (!qEnvironmentVariableIsSet("XDG_RUNTIME_DIR")) {
        const QByteArray dir = QByteArray("/tmp/zg-runtime-") + QByteArray::number(getuid());
        mkdir(dir.constData(), 0700);
        qputenv("XDG_RUNTIME_DIR", dir);
    }
    QGuiApplication app(argc, argv);
    const QString artDir = QString::fromLocal8Bit(argv[1]);
    const QString windowsDir = QString::fromLocal8Bit(argv[2]);
    const QString systemDir = QString::fromLocal8Bit(argv[3]);

    zgart::ArtSet art;
    zgart::addListBarArt(art);
    zgart::addButtonArt(art);
    zgart::addShellArt(art);
    zgart::addItemArt(art);

    QString error;
    if (!art.write(artDir, &error) || !zgart::writeSounds(windowsDir, &error) ||
        !zgart::writeSampleIcons(windowsDir, &error) ||
        !zgart::writeHelp(systemDir, &error)) {
        std::fprintf(stderr, "zgart: %s\n", qPrintable(error));
        return 1;
    }
    return 0;
}
