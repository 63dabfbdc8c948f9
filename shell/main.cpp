// ZorvaneGlobals3Demo: the catalog of the library's demo programs.
#include "ShellControls.h"
#include "ZGDemoCode.h"

#include <Application.h>
#include <WarmUp.h>
#include <Register.h>

#include <QApplication>

int main(int argc, char** argv)
{
    zg::quietenLibraryLog();
    plat::WarmUp warmUp;
    QApplication app(argc, argv);
    warmUp.wait();
    zg::registerLibrary();
    shell::registerShellControls();
    shell::ZGDemoCode::Main();
    return plat::runMessageLoop();
}
