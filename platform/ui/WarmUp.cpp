#include "WarmUp.h"

#include "Paths.h"

#include <QDBusConnection>
#include <QGuiApplication>

#include <fontconfig/fontconfig.h>

namespace plat {

// Both are read once per process and kept: Qt's font database finds the
// font configuration read and uses it as it stands; the drive map is built
// under its own lock. The font library sets its current configuration with
// an atomic exchange and guards its caches, so the toolkit may ask it for
// fonts while this thread is still reading (the program waits before its
// first form all the same).
WarmUp::WarmUp()
    : thread_([] {
        FcInit();
        drives();
    })
{
}

WarmUp::~WarmUp()
{
    if (thread_.joinable())
        thread_.join();
    if (bus_.joinable())
        bus_.join();
}

void WarmUp::wait()
{
    if (thread_.joinable())
        thread_.join();
}

// On an X display the toolkit's accessibility bridge connects to the
// session bus the first time a control reports a change (the first text a
// form puts in an editor), and the program waits for it: without a bus
// that is a failed attempt to start one. Connecting on a thread of its own,
// beside the building of the first form, takes that wait off the start; the
// bridge then finds the connection made (or known to have failed).
void WarmUp::startBusConnection()
{
    if (bus_.joinable() || !qobject_cast<QGuiApplication*>(QCoreApplication::instance())
        || QGuiApplication::platformName() != QLatin1String("xcb"))
        return;
    bus_ = std::thread([] { QDBusConnection::sessionBus(); });
}

} // namespace plat
