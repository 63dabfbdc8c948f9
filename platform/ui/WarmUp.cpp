#include "WarmUp.h"

#include "Paths.h"

#include <fontconfig/fontconfig.h>

namespace plat {

// Both are read once per process and kept: Qt's font database finds the
// font configuration read and uses it as it stands; the drive map is built
// under its own lock.
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
