#include "WarmUp.h"

#include "Paths.h"

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

WarmUp::~WarmUp() { wait(); }

void WarmUp::wait()
{
    if (thread_.joinable())
        thread_.join();
}

} // namespace plat
