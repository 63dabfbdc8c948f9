#include "FontWarmUp.h"

#include <fontconfig/fontconfig.h>

namespace plat {

// The font configuration is the library's current one from then on: Qt's
// font database finds it read and uses it as it stands.
FontWarmUp::FontWarmUp() : thread_([] { FcInit(); }) {}

FontWarmUp::~FontWarmUp() { wait(); }

void FontWarmUp::wait()
{
    if (thread_.joinable())
        thread_.join();
}

} // namespace plat
