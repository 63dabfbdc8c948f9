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

class ToneSource final : public SoundSource {
public:
    ToneSource(double frequencyHz, int durationMs, int volume)
        : frames_(int64_t(std::max(durationMs, 0)) * ToneSampleRate / 1000)
        , durationMs_(std::max(durationMs, 0))
    {
        const double level = std::clamp(volume, 0, 100) / 100.0;
        if (frequencyHz <= 0 || level <= 0 || frequencyHz >= HearingLimitHz)
            return;
        for (int k = 1; k <= MaxHarmonic && k * frequencyHz < HearingLimitHz; k += 2)
            harmonics_.push_back(k);
        // The plateau of the square wave; the harmonics' ripple overshoots
        // it by less than a fifth.
        amplitude_ = FullScale * 32767.0 * level;
        fade_ = std::min<int64_t>(int64_t(FadeMs) * ToneSampleRate / 1000, frames_ / 2);
        w_ = 2.0 * std::numbers::pi * frequencyHz / ToneSampleRate;
    }

    int sampleRate() const override { return ToneSampleRate; }
    int channels() const override { return 1; }
    int64_t maxDurationMs() const override { return durationMs_; }

    int64_t read(int16_t* out, int64_t frames) override
    {
        const int64_t n = std::clamp<int64_t>(frames_ - next_, 0, std::max<int64_t>(frames, 0));
        for (int64_t j = 0; j < n; ++j)
            out[j] = sample(next_ + j);
        next_ += n;
        return n;
    }

private:
    int16_t sample(int64_t i) const
    {
        if (harmonics_.empty())
            return 0;
        // Start half a sample into the period so that no sample sits on a
        // zero of the wave.
        const double phase = w_ * (double(i) + 0.5);
        double v = 0;
        for (int k : harmonics_)
            v += std::sin(k * phase) / k;
        v *= 4.0 / std::numbers::pi;
        double envelope = 1.0;
        if (fade_ > 0) {
            if (i < fade_)
                envelope = double(i + 1) / double(fade_ + 1);
            else if (i >= frames_ - fade_)
                envelope = double(frames_ - i) / double(fade_ + 1);
        }
        return int16_t(std::lround(std::clamp(v * amplitude_ * envelope, -32767.0, 32767.0)));
    }

    int64_t frames_;
    int64_t durationMs_;
    int64_t next_ = 0;
    std::vector<int> harmonics_;
    double amplitude_ = 0;
    int64_t fade_ = 0;
    double w_ = 0;
};

} // namespace

std::unique_ptr<SoundSource> toneSource(double frequencyHz, int durationMs, int volume)
{
    return std::make_unique<ToneSource>(frequencyHz, durationMs, volume);
}

PcmSound generateTone(double frequencyHz, int durationMs, int volume)
{
    return readWhole(*toneSource(frequencyHz, durationMs, volume));
}

PcmSound speakerBeep()
{
    return generateTone(880.0, 200, 100);
}

} // namespace zg
