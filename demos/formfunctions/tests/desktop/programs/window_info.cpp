// Loads the form functions demo's main window on the display of $DISPLAY,
// prints the lines its load put in the window information list, shows the
// window, prints "shown" once the window is on the screen and stays until
// it is ended. The desktop tier's tests read with it what the demo lists on
// a display other than their own.
#include "frmFormFunctionsDemo.h"

#include <Application.h>
#include <Lists.h>
#include <Register.h>

#include <QApplication>
#include <QElapsedTimer>
#include <cstdio>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    zg::registerLibrary();
    const auto form = plat::formInstance<frmFormFunctionsDemo>();
    form->Load();
    for (int32_t i = 0; i < form->lstWindowInfo->ListCount(); ++i)
        std::printf("%s\n", qPrintable(form->lstWindowInfo->List(i)));
    form->Show();
    QElapsedTimer clock;
    clock.start();
    while (!form->widget()->testAttribute(Qt::WA_Mapped) && clock.elapsed() < 20000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    std::printf("shown\n");
    std::fflush(stdout);
    return app.exec();
}
