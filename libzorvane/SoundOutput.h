// The sound device every sound of the library plays on, one sound at a
// time, fed with 16-bit PCM. A sound reaches the output as a source that
// makes its samples as they are asked for: wave files and system sounds
// are decoded beforehand, tones and MIDI notes are generated while they
// play, so a long note starts as soon as a short one. Tests install the
// capturing output in the multimedia object and hear what would be played.
#pragma once
#include <cstdint>
#include <memory>
#include <vector>

namespace zg {

// Interleaved signed 16-bit samples.
struct PcmSound {
    int sampleRate = 44100;
    int channels = 1;
    std::vector<int16_t> samples;

    int64_t frames() const { return channels > 0 ? int64_t(samples.size()) / channels : 0; }
    int64_t durationMs() const { return sampleRate > 0 ? frames() * 1000 / sampleRate : 0; }
};

// A sound made on demand. The output reads it from a thread of its own,
// one read at a time; a source is read by one output only.
class SoundSource {
public:
    virtual ~SoundSource() = default;
    virtual int sampleRate() const = 0;
    virtual int channels() const = 0;
    // The sound's length in milliseconds, or a bound it does not pass.
    virtual int64_t maxDurationMs() const = 0;
    // Writes up to `frames` frames of interleaved samples to `out` and
    // says how many it wrote; 0 only at the end of the sound. Never
    // throws.
    virtual int64_t read(int16_t* out, int64_t frames) = 0;
};

// A sound that is already whole.
class PcmSource final : public SoundSource {
public:
    explicit PcmSource(PcmSound sound) : sound_(std::move(sound)) {}
    int sampleRate() const override { return sound_.sampleRate; }
    int channels() const override { return sound_.channels; }
    int64_t maxDurationMs() const override { return sound_.durationMs() + 1; }
    int64_t read(int16_t* out, int64_t frames) override;

private:
    PcmSound sound_;
    int64_t next_ = 0;
};

// The rest of a source, read to its end.
PcmSound readWhole(SoundSource& source);

class SoundOutput {
public:
    virtual ~SoundOutput() = default;
    // Whether the machine has a device to play on.
    virtual bool available() = 0;
    // Whether a sound started here is still playing: until the device says
    // it has played the last sample, or the sound is stopped.
    virtual bool isPlaying() = 0;
    // Cuts the sound playing off at once.
    virtual void stop() = 0;
    // Starts a sound in place of any sound before. False when it cannot
    // start.
    virtual bool start(std::unique_ptr<SoundSource> sound) = 0;
    // Returns when the sound has been heard to its end, or after
    // timeoutMs; false when it failed to play. Windows keep painting
    // meanwhile but take no input.
    virtual bool waitUntilDone(int timeoutMs) = 0;
};

// The desktop's default sound output, through its sound server.
std::shared_ptr<SoundOutput> makeDeviceSoundOutput();

// An output without a device that keeps every sound started on it, read
// whole. A sound counts as playing until finish(), stop() or a wait.
class CapturedSoundOutput : public SoundOutput {
public:
    bool available() override { return device; }
    bool isPlaying() override { return playing; }
    void stop() override;
    bool start(std::unique_ptr<SoundSource> sound) override;
    bool waitUntilDone(int timeoutMs) override;
    void finish() { playing = false; }

    bool device = true;   // false: the machine has no sound device
    bool refuses = false; // true: the device refuses to start
    bool playing = false;
    int stops = 0;
    int waitedMs = -1;    // the last wait's time limit
    std::vector<PcmSound> played;
};

} // namespace zg
