// The start of a demo program: the library is loaded, the start-up form is
// loaded and shown, and the program ends when its last form unloads. The
// programs have no start-up routine of their own.
//
//   int main(int argc, char** argv) { return demo::run<frmMemoryDemo>(argc, argv); }
#pragma once
#include <Application.h>
#include <Form.h>
#include <WarmUp.h>

#include <QApplication>

namespace demo {

// Loads the library's classes (every program links libzorvane).
void loadLibrary();
// Quietens the library's log before anything else starts.
void quietenLog();

template <class StartupForm>
int run(int argc, char** argv)
{
    quietenLog();
    plat::WarmUp warmUp;
    QApplication app(argc, argv);
    warmUp.wait();
    warmUp.startBusConnection();
    loadLibrary();
    plat::formInstance<StartupForm>()->Show();
    return plat::runMessageLoop();
}

} // namespace demo
