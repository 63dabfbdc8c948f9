// The check of a RIFF/WAVE file before it is handed to the sound output.
#pragma once
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
    // Playing time of the data in milliseconds.
    int64_t durationMs() const;
};

// The format of a well-formed wave file's bytes: a RIFF header of type
// WAVE whose stated size lies within the bytes, chunks that all lie within
// it, a "fmt " chunk of at least 16 bytes with a PCM or floating-point
// encoding, channels, sample rate, sample size and block alignment above
// 0, and a "data" chunk after it. Anything else gives nothing.
std::optional<WaveFormat> parseWave(const QByteArray& bytes);

} // namespace zg
