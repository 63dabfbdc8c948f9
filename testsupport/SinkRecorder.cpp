#include "SinkRecorder.h"

#include <pulse/pulseaudio.h>

#include <algorithm>
#include <condition_variable>
#include <cstdlib>
#include <cstring>
#include <mutex>

namespace zgtest {

AudibleSpan audibleSpan(const std::vector<int16_t>& interleaved, int channels, int threshold, int64_t fromFrame,
                        int64_t toFrame)
{
    AudibleSpan span;
    const int64_t frames = channels > 0 ? int64_t(interleaved.size()) / channels : 0;
    if (toFrame < 0 || toFrame > frames)
        toFrame = frames;
    for (int64_t f = std::max<int64_t>(fromFrame, 0); f < toFrame; ++f) {
        for (int c = 0; c < channels; ++c) {
            if (std::abs(int(interleaved[size_t(f * channels + c)])) >= threshold) {
                if (span.first < 0)
                    span.first = f;
                span.last = f;
                break;
            }
        }
    }
    return span;
}

struct SinkRecorder::State {
    struct Fragment {
        SoundClock::time_point arrival;
        int64_t firstFrame;
    };

    pa_threaded_mainloop* loop = nullptr;
    pa_context* context = nullptr;
    pa_stream* stream = nullptr;

    mutable std::mutex mutex;
    mutable std::condition_variable arrived;
    std::vector<int16_t> samples;
    std::vector<Fragment> fragments;
    std::vector<uint8_t> partial; // bytes of a frame split between reads

    static void contextState(pa_context*, void* self)
    {
        pa_threaded_mainloop_signal(static_cast<State*>(self)->loop, 0);
    }
    static void streamState(pa_stream*, void* self)
    {
        pa_threaded_mainloop_signal(static_cast<State*>(self)->loop, 0);
    }
    static void readable(pa_stream* s, size_t, void* self)
    {
        auto* st = static_cast<State*>(self);
        const SoundClock::time_point now = SoundClock::now();
        const void* data = nullptr;
        size_t bytes = 0;
        while (pa_stream_readable_size(s) > 0 && pa_stream_peek(s, &data, &bytes) == 0) {
            if (bytes == 0)
                break;
            std::lock_guard lock(st->mutex);
            const int64_t first = int64_t(st->samples.size()) / Channels;
            if (data)
                st->partial.insert(st->partial.end(), static_cast<const uint8_t*>(data),
                                   static_cast<const uint8_t*>(data) + bytes);
            else
                st->partial.insert(st->partial.end(), bytes, 0); // a hole: silence
            const size_t whole = st->partial.size() / (sizeof(int16_t) * Channels) * (sizeof(int16_t) * Channels);
            const size_t old = st->samples.size();
            st->samples.resize(old + whole / sizeof(int16_t));
            std::memcpy(st->samples.data() + old, st->partial.data(), whole);
            st->partial.erase(st->partial.begin(), st->partial.begin() + ptrdiff_t(whole));
            if (whole > 0)
                st->fragments.push_back({now, first});
            pa_stream_drop(s);
        }
        st->arrived.notify_all();
    }
};

SinkRecorder::SinkRecorder() : d(std::make_unique<State>()) {}

SinkRecorder::~SinkRecorder() { stop(); }

QString SinkRecorder::start(const QByteArray& sink, int fragmentMs)
{
    stop();
    d->loop = pa_threaded_mainloop_new();
    if (!d->loop || pa_threaded_mainloop_start(d->loop) < 0)
        return QStringLiteral("the recorder's main loop does not start");
    pa_threaded_mainloop_lock(d->loop);
    QString why;
    d->context = pa_context_new(pa_threaded_mainloop_get_api(d->loop), "zg-sink-recorder");
    pa_context_set_state_callback(d->context, &State::contextState, d.get());
    if (pa_context_connect(d->context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0) {
        why = QStringLiteral("no sound server: %1").arg(QString::fromUtf8(pa_strerror(pa_context_errno(d->context))));
    } else {
        for (;;) {
            const pa_context_state_t s = pa_context_get_state(d->context);
            if (s == PA_CONTEXT_READY)
                break;
            if (!PA_CONTEXT_IS_GOOD(s)) {
                why = QStringLiteral("the sound server refused the recorder");
                break;
            }
            pa_threaded_mainloop_wait(d->loop);
        }
    }
    if (why.isEmpty()) {
        const pa_sample_spec spec{PA_SAMPLE_S16LE, Rate, Channels};
        d->stream = pa_stream_new(d->context, "zg-sink-monitor", &spec, nullptr);
        pa_stream_set_state_callback(d->stream, &State::streamState, d.get());
        pa_stream_set_read_callback(d->stream, &State::readable, d.get());
        pa_buffer_attr attr;
        std::memset(&attr, 0xff, sizeof attr);
        attr.fragsize = uint32_t(pa_usec_to_bytes(pa_usec_t(fragmentMs) * 1000, &spec));
        const QByteArray monitor = sink + ".monitor";
        if (pa_stream_connect_record(d->stream, monitor.constData(), &attr, PA_STREAM_ADJUST_LATENCY) < 0) {
            why = QStringLiteral("cannot record %1").arg(QString::fromUtf8(monitor));
        } else {
            for (;;) {
                const pa_stream_state_t s = pa_stream_get_state(d->stream);
                if (s == PA_STREAM_READY)
                    break;
                if (!PA_STREAM_IS_GOOD(s)) {
                    why = QStringLiteral("the server did not record %1").arg(QString::fromUtf8(monitor));
                    break;
                }
                pa_threaded_mainloop_wait(d->loop);
            }
        }
    }
    pa_threaded_mainloop_unlock(d->loop);
    if (!why.isEmpty()) {
        stop();
        return why;
    }
    std::unique_lock lock(d->mutex);
    if (!d->arrived.wait_for(lock, std::chrono::seconds(5), [this] { return !d->fragments.empty(); })) {
        lock.unlock();
        stop();
        return QStringLiteral("nothing came from the monitor");
    }
    return {};
}

void SinkRecorder::stop()
{
    if (!d->loop)
        return;
    pa_threaded_mainloop_lock(d->loop);
    if (d->stream) {
        pa_stream_set_read_callback(d->stream, nullptr, nullptr);
        pa_stream_set_state_callback(d->stream, nullptr, nullptr);
        pa_stream_disconnect(d->stream);
        pa_stream_unref(d->stream);
        d->stream = nullptr;
    }
    if (d->context) {
        pa_context_set_state_callback(d->context, nullptr, nullptr);
        pa_context_disconnect(d->context);
        pa_context_unref(d->context);
        d->context = nullptr;
    }
    pa_threaded_mainloop_unlock(d->loop);
    pa_threaded_mainloop_stop(d->loop);
    pa_threaded_mainloop_free(d->loop);
    d->loop = nullptr;
}

std::vector<int16_t> SinkRecorder::samples() const
{
    std::lock_guard lock(d->mutex);
    return d->samples;
}

int64_t SinkRecorder::frames() const
{
    std::lock_guard lock(d->mutex);
    return int64_t(d->samples.size()) / Channels;
}

SoundClock::time_point SinkRecorder::arrivalOf(int64_t frame) const
{
    std::lock_guard lock(d->mutex);
    if (d->fragments.empty())
        return {};
    // The last fragment that starts at or before the frame.
    auto it = std::upper_bound(d->fragments.begin(), d->fragments.end(), frame,
                               [](int64_t f, const State::Fragment& fr) { return f < fr.firstFrame; });
    if (it == d->fragments.begin())
        return it->arrival;
    return std::prev(it)->arrival;
}

int64_t SinkRecorder::frameAt(SoundClock::time_point t) const
{
    std::lock_guard lock(d->mutex);
    auto it = std::find_if(d->fragments.begin(), d->fragments.end(),
                           [t](const State::Fragment& fr) { return fr.arrival >= t; });
    return it == d->fragments.end() ? int64_t(d->samples.size()) / Channels : it->firstFrame;
}

bool SinkRecorder::waitPast(SoundClock::time_point t) const
{
    std::unique_lock lock(d->mutex);
    const auto limit = std::max(t, SoundClock::now()) + std::chrono::seconds(5);
    return d->arrived.wait_until(lock, limit,
                                 [this, t] { return !d->fragments.empty() && d->fragments.back().arrival > t; });
}

} // namespace zgtest
