#include "WaveFile.h"

#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <cstring>

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
    int64_t formatBody = 0, formatSize = 0;
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
            formatBody = body;
            formatSize = size;
        } else if (id == "data") {
            if (!haveFormat)
                return std::nullopt;
            format.dataBytes = uint32_t(size);
            format.dataOffset = uint32_t(body);
            if (format.encoding == 0xFFFE) {
                // The extensible form names its real encoding in the first
                // two bytes of its sub-format.
                if (formatSize < 26)
                    return std::nullopt;
                format.encoding = u16(bytes, qsizetype(formatBody + 24));
            }
            return format;
        }
        // Chunks are padded to an even length.
        at = body + size + (size & 1);
    }
    return std::nullopt;
}

std::optional<PcmSound> decodeWave(const QByteArray& bytes)
{
    const std::optional<WaveFormat> f = parseWave(bytes);
    if (!f || (f->encoding != 1 && f->encoding != 3))
        return std::nullopt;
    const int container = f->blockAlign / f->channels;
    if (container * f->channels != f->blockAlign)
        return std::nullopt;
    const bool isFloat = f->encoding == 3;
    if (isFloat ? (container != 4 && container != 8) : (container < 1 || container > 4))
        return std::nullopt;

    PcmSound out;
    out.sampleRate = int(std::min<uint32_t>(f->sampleRate, 1000000));
    out.channels = std::min<int>(f->channels, 2);
    const int64_t frames = f->dataBytes / f->blockAlign;
    out.samples.reserve(size_t(frames * out.channels));
    const char* data = bytes.constData() + f->dataOffset;
    auto sampleAt = [&](const char* p) -> int16_t {
        if (isFloat) {
            double v;
            if (container == 4) {
                float x;
                const uint32_t raw = qFromLittleEndian<uint32_t>(p);
                std::memcpy(&x, &raw, 4);
                v = x;
            } else {
                const uint64_t raw = qFromLittleEndian<uint64_t>(p);
                std::memcpy(&v, &raw, 8);
            }
            if (!std::isfinite(v))
                v = 0;
            return int16_t(std::lround(std::clamp(v, -1.0, 1.0) * 32767.0));
        }
        switch (container) {
        case 1: return int16_t((int(uint8_t(p[0])) - 128) << 8);
        case 2: return qFromLittleEndian<int16_t>(p);
        default: return int16_t(qFromLittleEndian<int16_t>(p + container - 2)); // the top 16 bits
        }
    };
    for (int64_t i = 0; i < frames; ++i) {
        const char* frame = data + i * f->blockAlign;
        for (int c = 0; c < out.channels; ++c)
            out.samples.push_back(sampleAt(frame + c * container));
    }
    return out;
}

QByteArray encodeWave(const PcmSound& sound)
{
    auto le32 = [](uint32_t v) {
        QByteArray b(4, 0);
        qToLittleEndian(v, b.data());
        return b;
    };
    auto le16 = [](uint16_t v) {
        QByteArray b(2, 0);
        qToLittleEndian(v, b.data());
        return b;
    };
    const uint16_t align = uint16_t(2 * sound.channels);
    QByteArray data(qsizetype(sound.samples.size() * 2), 0);
    for (size_t i = 0; i < sound.samples.size(); ++i)
        qToLittleEndian(sound.samples[i], data.data() + 2 * i);
    const QByteArray fmt = le16(1) + le16(uint16_t(sound.channels)) + le32(uint32_t(sound.sampleRate))
                           + le32(uint32_t(sound.sampleRate) * align) + le16(align) + le16(16);
    const QByteArray body = QByteArray("WAVE") + "fmt " + le32(uint32_t(fmt.size())) + fmt + "data"
                            + le32(uint32_t(data.size())) + data + (data.size() & 1 ? QByteArray(1, 0) : QByteArray());
    return QByteArray("RIFF") + le32(uint32_t(body.size())) + body;
}

} // namespace zg
