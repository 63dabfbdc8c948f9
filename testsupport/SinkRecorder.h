// Records what a sound server's sink plays, from the sink's monitor, in
// small fragments whose arrival times are kept: a test can tell how long a
// sound was heard and when its last sample came out. 16-bit stereo at
// 44100 Hz, the desktop tier's null sink's own format, so nothing is
// resampled on the way.
//
//   zgtest::SinkRecorder rec;
//   ASSERT_EQ(rec.start(zgtest::desktop::nullSink()), QString());
//   ... play ...
//   rec.waitPast(end + 100ms);
//   const auto heard = zgtest::audibleSpan(rec.samples(), 2, threshold);
#pragma once
#include <QByteArray>
#include <QString>

#include <chrono>
#include <cstdint>
#include <memory>
#include <vector>

namespace zgtest {

// A sample counts as heard from this magnitude on, in a recording and in a
// sound's own samples alike (-40 dB of full scale).
constexpr int HeardThreshold = 328;
// How far a heard length may stray from the sound's own: the reference chain
// (the server's own player) stays within 3 ms on the tier's null sink.
constexpr double HeardLengthToleranceMs = 15;

using SoundClock = std::chrono::steady_clock;

// The first and last frame of a sound whose samples (any channel) reach
// the threshold's magnitude; first is -1 when none does.
struct AudibleSpan {
    int64_t first = -1;
    int64_t last = -1;
    bool empty() const { return first < 0; }
    int64_t frames() const { return empty() ? 0 : last - first + 1; }
    double ms(int rate) const { return double(frames()) * 1000.0 / rate; }
};
AudibleSpan audibleSpan(const std::vector<int16_t>& interleaved, int channels, int threshold,
                        int64_t fromFrame = 0, int64_t toFrame = -1);

class SinkRecorder {
public:
    static constexpr int Rate = 44100;
    static constexpr int Channels = 2;

    SinkRecorder();
    ~SinkRecorder();
    SinkRecorder(const SinkRecorder&) = delete;
    SinkRecorder& operator=(const SinkRecorder&) = delete;

    // Connects to the server that PULSE_SERVER names and records the
    // monitor of `sink` in fragments of about fragmentMs; returns once the
    // first fragment has come. An empty string, or why it cannot.
    QString start(const QByteArray& sink, int fragmentMs = 2);
    void stop();

    // What has been recorded so far (interleaved stereo), and the moment
    // the fragment holding a frame arrived (the last arrival for frames
    // not yet recorded).
    std::vector<int16_t> samples() const;
    int64_t frames() const;
    SoundClock::time_point arrivalOf(int64_t frame) const;
    // The first frame of the first fragment that arrived at or after t.
    int64_t frameAt(SoundClock::time_point t) const;
    // Waits until a fragment arrives after t (at most a few seconds more);
    // false if none does.
    bool waitPast(SoundClock::time_point t) const;

private:
    struct State;
    std::unique_ptr<State> d;
};

} // namespace zgtest
