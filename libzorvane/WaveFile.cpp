#include "WaveFile.h"

#include <QtEndian>

namespace zg {

namespace {
uint32_t u32(const QByteArray& b, qsizetype at)
{
    return qFromLittleEndian<uint32_t>(b.constData() + at);
}
uint16_t u16(const QByteArray& b, qsizetype at)
{
    return qFromLittleEndian<uint16_t>(b.constData() + at);
}
} // namespace

int64_t WaveFormat::durationMs() const
{
    const int64_t bytesPerSecond = int64_t(sampleRate) * blockAlign;
    return bytesPerSecond > 0 ? int64_t(dataBytes) * 1000 / bytesPerSecond : 0;
}

std::optional<WaveFormat> parseWave(const QByteArray& bytes)
{
    if (bytes.size() < 12 || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE")
        return std::nullopt;
    // The RIFF size counts everything after its own field.
    const int64_t riffEnd = int64_t(u32(bytes, 4)) + 8;
    if (riffEnd > bytes.size() || riffEnd < 12)
        return std::nullopt;

    WaveFormat format;
    bool haveFormat = false;
    for (int64_t at = 12; at + 8 <= riffEnd;) {
        const QByteArray id = bytes.mid(qsizetype(at), 4);
        const int64_t size = u32(bytes, qsizetype(at + 4));
        const int64_t body = at + 8;
        if (body + size > riffEnd)
            return std::nullopt;
        if (id == "fmt ") {
            if (size < 16)
                return std::nullopt;
            format.encoding = u16(bytes, qsizetype(body));
            format.channels = u16(bytes, qsizetype(body + 2));
            format.sampleRate = u32(bytes, qsizetype(body + 4));
            format.blockAlign = u16(bytes, qsizetype(body + 12));
            format.bitsPerSample = u16(bytes, qsizetype(body + 14));
            const bool knownEncoding = format.encoding == 1 || format.encoding == 3 || format.encoding == 0xFFFE;
            if (!knownEncoding || format.channels == 0 || format.sampleRate == 0 || format.bitsPerSample == 0
                || format.blockAlign == 0)
                return std::nullopt;
            haveFormat = true;
        } else if (id == "data") {
            if (!haveFormat)
                return std::nullopt;
            format.dataBytes = uint32_t(size);
            return format;
        }
        // Chunks are padded to an even length.
        at = body + size + (size & 1);
    }
    return std::nullopt;
}

} // namespace zg
