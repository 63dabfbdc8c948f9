// The sound device every sound of the library plays on, one sound at a
// time, fed with 16-bit PCM: wave files and system sounds are decoded,
// tones and MIDI notes synthesised before they get here. Tests install the
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

class SoundOutput {
public:
    virtual ~SoundOutput() = default;
    // Whether the machine has a device to play on.
    virtual bool available() = 0;
    // Whether a sound started here is still playing.
    virtual bool isPlaying() = 0;
    virtual void stop() = 0;
    // Starts a sound in place of any sound before. False when it cannot
    // start.
    virtual bool start(const PcmSound& sound) = 0;
    // Returns when the sound has ended or after timeoutMs; false when it
    // failed to play.
    virtual bool waitUntilDone(int timeoutMs) = 0;
};

// The desktop's default sound output, through Qt Multimedia.
std::shared_ptr<SoundOutput> makeDeviceSoundOutput();

// An output without a device that keeps every sound started on it. A
// sound counts as playing until finish(), stop() or a wait.
class CapturedSoundOutput : public SoundOutput {
public:
    bool available() override { return device; }
    bool isPlaying() override { return playing; }
    void stop() override;
    bool start(const PcmSound& sound) override;
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
