#include "SoundOutput.h"

#include <algorithm>
#include <cstring>

namespace zg {

int64_t PcmSource::read(int16_t* out, int64_t frames)
{
    const int64_t n = std::clamp<int64_t>(sound_.frames() - next_, 0, std::max<int64_t>(frames, 0));
    const int channels = sound_.channels;
    if (n > 0)
        std::memcpy(out, sound_.samples.data() + next_ * channels, size_t(n * channels) * sizeof(int16_t));
    next_ += n;
    return n;
}

PcmSound readWhole(SoundSource& source)
{
    PcmSound out;
    out.sampleRate = source.sampleRate();
    out.channels = source.channels();
    if (out.channels <= 0)
        return out;
    constexpr int64_t Block = 4096;
    for (;;) {
        const size_t at = out.samples.size();
        out.samples.resize(at + size_t(Block * out.channels));
        const int64_t got = source.read(out.samples.data() + at, Block);
        out.samples.resize(at + size_t(std::clamp<int64_t>(got, 0, Block) * out.channels));
        if (got <= 0)
            break;
    }
    return out;
}

void CapturedSoundOutput::stop()
{
    ++stops;
    playing = false;
}

bool CapturedSoundOutput::start(std::unique_ptr<SoundSource> sound)
{
    if (refuses || !sound)
        return false;
    played.push_back(readWhole(*sound));
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
