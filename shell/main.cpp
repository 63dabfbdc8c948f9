// ZorvaneGlobals3Demo: the catalog of the library's demo programs.
#include "ShellControls.h"
#include "ZGDemoCode.h"

#include <Application.h>
#include <FontWarmUp.h>
#include <Register.h>

#include <QApplication>

int main(int argc, char** argv)
{
    zg::quietenLibraryLog();
    plat::FontWarmUp fonts;
    QApplication app(argc, argv);
    fonts.wait();
    zg::registerLibrary();
    shell::registerShellControls();
    shell::ZGDemoCode::Main();
    return plat::runMessageLoop();
}
