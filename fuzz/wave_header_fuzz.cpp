// The check of a wave file's header before its bytes go to the sound
// output. A format it accepts describes data that lies within the file.
#include "FuzzSupport.h"

#include <WaveFile.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes = zgfuzz::bytes(data, size);
    const std::optional<zg::WaveFormat> format = zg::parseWave(bytes);
    if (!format)
        return 0;
    ZG_FUZZ_CHECK(format->dataBytes <= uint32_t(bytes.size()), "the data chunk is larger than the file");
    ZG_FUZZ_CHECK(format->channels > 0 && format->sampleRate > 0 && format->blockAlign > 0,
                  "an accepted format without channels, rate or block alignment");
    ZG_FUZZ_CHECK(format->durationMs() >= 0, "a negative playing time");
    return 0;
}
