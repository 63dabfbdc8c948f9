// The check of a RIFF/WAVE file before it is handed to the sound output.
#pragma once
#include "SoundOutput.h"

#include <QByteArray>
#include <cstdint>
#include <optional>

namespace zg {

struct WaveFormat {
    uint16_t encoding = 0; // 1 integer PCM, 3 floating point, 0xFFFE extensible
    uint16_t channels = 0;
    uint32_t sampleRate = 0;
    uint16_t bitsPerSample = 0;
    uint16_t blockAlign = 0;
    uint32_t dataBytes = 0;
    uint32_t dataOffset = 0; // where the samples start in the file
    // Playing time of the data in milliseconds.
    int64_t durationMs() const;
};

// The format of a well-formed wave file's bytes: a RIFF header of type
// WAVE whose stated size lies within the bytes, chunks that all lie within
// it, a "fmt " chunk of at least 16 bytes with a PCM or floating-point
// encoding, channels, sample rate, sample size and block alignment above
// 0, and a "data" chunk after it. Anything else gives nothing.
std::optional<WaveFormat> parseWave(const QByteArray& bytes);

// The samples of a well-formed wave file as 16-bit PCM: integer samples of
// 8 (unsigned), 16, 24 or 32 bits and floating-point samples of 32 or 64
// bits, plain or in the extensible form. Mono and stereo stay as they are;
// of more channels the first two are kept. Other sample formats give
// nothing.
std::optional<PcmSound> decodeWave(const QByteArray& bytes);

// A 16-bit PCM wave file of a sound (tests and tools write them).
QByteArray encodeWave(const PcmSound& sound);

} // namespace zg
