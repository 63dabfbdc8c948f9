#include "SoundOutput.h"

namespace zg {

void CapturedSoundOutput::stop()
{
    ++stops;
    playing = false;
}

bool CapturedSoundOutput::start(const PcmSound& sound)
{
    if (refuses)
        return false;
    played.push_back(sound);
    playing = true;
    return true;
}

bool CapturedSoundOutput::waitUntilDone(int timeoutMs)
{
    waitedMs = timeoutMs;
    playing = false;
    return true;
}

} // namespace zg
