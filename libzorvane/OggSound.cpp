#include "OggSound.h"

#include <QFile>
#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <cstdio>

namespace zg {

namespace {
// Event sounds are short; anything past this is not read.
constexpr int64_t MaxSeconds = 120;
} // namespace

std::optional<PcmSound> decodeOggVorbis(const QString& path)
{
    const QByteArray name = QFile::encodeName(path);
    FILE* file = std::fopen(name.constData(), "rb");
    if (!file)
        return std::nullopt;
    OggVorbis_File vf;
    // On success the decoder owns the file and closes it in ov_clear.
    if (ov_open_callbacks(file, &vf, nullptr, 0, OV_CALLBACKS_DEFAULT) != 0) {
        std::fclose(file);
        return std::nullopt;
    }
    const vorbis_info* info = ov_info(&vf, -1);
    if (!info || info->channels <= 0 || info->rate <= 0) {
        ov_clear(&vf);
        return std::nullopt;
    }
    PcmSound out;
    out.sampleRate = int(info->rate);
    const int channels = info->channels;
    out.channels = std::min(channels, 2);
    const int64_t maxFrames = MaxSeconds * info->rate;
    std::vector<int16_t> block(4096 * size_t(channels));
    int section = 0;
    int64_t frames = 0;
    bool broken = false;
    while (frames < maxFrames) {
        const long got = ov_read(&vf, reinterpret_cast<char*>(block.data()), int(block.size() * sizeof(int16_t)),
                                 0 /* little endian */, 2, 1, &section);
        if (got == 0)
            break;
        if (got == OV_HOLE)
            continue; // a gap in the stream: go on after it
        if (got < 0) {
            broken = true;
            break;
        }
        const int64_t n = got / int64_t(sizeof(int16_t) * channels);
        for (int64_t f = 0; f < n; ++f)
            for (int c = 0; c < out.channels; ++c)
                out.samples.push_back(block[size_t(f * channels + c)]);
        frames += n;
    }
    ov_clear(&vf);
    if (broken && out.samples.empty())
        return std::nullopt;
    return out;
}

} // namespace zg
