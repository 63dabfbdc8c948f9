#include "ToneSynth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace zg {

namespace {
constexpr double HearingLimitHz = 20000.0;
constexpr int MaxHarmonic = 29;    // highest odd harmonic used
constexpr double FullScale = 0.35; // of the 16-bit range at volume 100
constexpr int FadeMs = 5;
} // namespace

PcmSound generateTone(double frequencyHz, int durationMs, int volume)
{
    PcmSound out;
    out.sampleRate = ToneSampleRate;
    out.channels = 1;
    const int64_t frames = int64_t(std::max(durationMs, 0)) * ToneSampleRate / 1000;
    out.samples.assign(size_t(frames), 0);
    const double level = std::clamp(volume, 0, 100) / 100.0;
    if (frequencyHz <= 0 || level <= 0 || frequencyHz >= HearingLimitHz)
        return out;

    std::vector<int> harmonics;
    for (int k = 1; k <= MaxHarmonic && k * frequencyHz < HearingLimitHz; k += 2)
        harmonics.push_back(k);
    // The plateau of the square wave; the harmonics' ripple overshoots it
    // by less than a fifth.
    const double amplitude = FullScale * 32767.0 * level;
    const int64_t fade = std::min<int64_t>(int64_t(FadeMs) * ToneSampleRate / 1000, frames / 2);
    const double w = 2.0 * std::numbers::pi * frequencyHz / ToneSampleRate;
    for (int64_t i = 0; i < frames; ++i) {
        // Start half a sample into the period so that no sample sits on a
        // zero of the wave.
        const double phase = w * (double(i) + 0.5);
        double v = 0;
        for (int k : harmonics)
            v += std::sin(k * phase) / k;
        v *= 4.0 / std::numbers::pi;
        double envelope = 1.0;
        if (fade > 0) {
            if (i < fade)
                envelope = double(i + 1) / double(fade + 1);
            else if (i >= frames - fade)
                envelope = double(frames - i) / double(fade + 1);
        }
        out.samples[size_t(i)] = int16_t(std::lround(std::clamp(v * amplitude * envelope, -32767.0, 32767.0)));
    }
    return out;
}

PcmSound speakerBeep()
{
    return generateTone(880.0, 200, 100);
}

} // namespace zg
