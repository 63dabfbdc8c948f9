// The desktop's default sound output: a stream to the sound server (the
// PulseAudio protocol, which PipeWire answers too) on a main loop thread of
// its own, in the sound module that the library loads at the first sound
// (see SoundModule.h).
//
// A sound is fed to its stream by a thread that reads the source a little
// at a time, so that a long tone or note starts at once. When the source
// ends the stream is drained: the server answers once it has taken the
// last sample, and the sound is over when that sample has also passed the
// sink's own latency, that is, when it has been heard.
#include "SoundModule.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFileInfo>
#include <QMetaObject>
#include <QThread>
#include <QTimer>

#include <pulse/pulseaudio.h>

#include <algorithm>
#include <thread>
#include <vector>

namespace zg {

namespace {

// What the stream keeps buffered ahead in the server: enough to ride out
// a busy moment of the feeding thread.
constexpr int BufferMs = 200;
// The feeding thread's reads, so the first samples go out at once.
constexpr int ChunkMs = 10;
// The longest the server is waited for when connecting, making a stream
// or telling the latency; a server that takes longer counts as failed.
constexpr pa_usec_t AnswerLimitUs = 3 * PA_USEC_PER_SEC;
// After the drain: the longest wait for the last sample to pass the sink.
constexpr pa_usec_t MaxSinkLatencyUs = 2 * PA_USEC_PER_SEC;

QByteArray programName()
{
    QString name = QCoreApplication::applicationName();
    if (name.isEmpty())
        name = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath().section(QLatin1Char('/'), -1);
    return name.isEmpty() ? QByteArrayLiteral("zorvane") : name.toUtf8();
}

class DeviceSoundOutput;

// One sound on its own stream. Everything here but the source, which the
// feeding thread alone reads, is guarded by the main loop's lock.
struct Playback {
    DeviceSoundOutput* output = nullptr;
    pa_stream* stream = nullptr;
    std::unique_ptr<SoundSource> source;
    size_t frameBytes = 0;
    int chunkFrames = 0;
    std::thread feeder;
    pa_operation* pending = nullptr; // the drain, then the latency query
    pa_time_event* heard = nullptr;  // the end of the sink's latency
    bool stopping = false;           // stop(): the feeder leaves
    bool over = false;               // heard to the end, stopped or failed
    bool failed = false;
    std::vector<QEventLoop*> waiters; // synchronous plays waiting for the end
};

class DeviceSoundOutput final : public SoundOutput {
public:
    ~DeviceSoundOutput() override
    {
        stop();
        if (!loop_)
            return;
        pa_threaded_mainloop_lock(loop_);
        dropContext();
        pa_threaded_mainloop_unlock(loop_);
        pa_threaded_mainloop_stop(loop_);
        pa_threaded_mainloop_free(loop_);
    }

    bool available() override
    {
        if (!startLoop())
            return false;
        Lock lock(loop_);
        return connected();
    }

    bool isPlaying() override
    {
        if (!loop_)
            return false;
        Lock lock(loop_);
        return play_ && !play_->over;
    }

    void stop() override
    {
        if (!loop_)
            return;
        std::shared_ptr<Playback> p;
        {
            Lock lock(loop_);
            p = std::move(play_);
            if (!p)
                return;
            p->stopping = true;
            if (!p->over && p->stream && PA_STREAM_IS_GOOD(pa_stream_get_state(p->stream))) {
                // Silent at once: the stream is paused, which the server
                // confirms, and what it holds is dropped.
                pa_operation* pause = pa_stream_cork(p->stream, 1, &DeviceSoundOutput::answered, loop_);
                if (pause) {
                    waitForServer([pause] { return pa_operation_get_state(pause) != PA_OPERATION_RUNNING; });
                    pa_operation_unref(pause);
                }
                unrefOp(pa_stream_flush(p->stream, nullptr, nullptr));
            }
            finish(*p, false);
        }
        if (p->feeder.joinable())
            p->feeder.join();
        Lock lock(loop_);
        release(*p);
    }

    bool start(std::unique_ptr<SoundSource> sound) override
    {
        stop();
        if (!sound || !startLoop())
            return false;
        const pa_sample_spec spec{PA_SAMPLE_S16LE, uint32_t(std::max(sound->sampleRate(), 0)),
                                  uint8_t(std::clamp(sound->channels(), 0, 255))};
        if (!pa_sample_spec_valid(&spec) || spec.channels > 2 || sound->channels() != spec.channels)
            return false;

        Lock lock(loop_);
        if (!connected())
            return false;
        auto p = std::make_shared<Playback>();
        p->output = this;
        p->frameBytes = pa_frame_size(&spec);
        p->chunkFrames = std::max(64, int(spec.rate) * ChunkMs / 1000);
        p->stream = pa_stream_new(context_, programName().constData(), &spec, nullptr);
        if (!p->stream)
            return false;
        pa_stream_set_state_callback(p->stream, &DeviceSoundOutput::streamChanged, p.get());
        pa_stream_set_write_callback(p->stream, &DeviceSoundOutput::writable, p.get());
        pa_buffer_attr attr;
        attr.maxlength = uint32_t(-1);
        attr.tlength = uint32_t(pa_usec_to_bytes(pa_usec_t(BufferMs) * PA_USEC_PER_MSEC, &spec));
        attr.prebuf = uint32_t(-1);
        attr.minreq = uint32_t(-1);
        attr.fragsize = uint32_t(-1);
        bool ready = false;
        if (pa_stream_connect_playback(p->stream, nullptr, &attr, PA_STREAM_NOFLAGS, nullptr, nullptr) == 0) {
            ready = waitForServer([&p] {
                const pa_stream_state_t s = pa_stream_get_state(p->stream);
                return s == PA_STREAM_READY || !PA_STREAM_IS_GOOD(s);
            }) && pa_stream_get_state(p->stream) == PA_STREAM_READY;
        }
        if (!ready) {
            if (PA_STREAM_IS_GOOD(pa_stream_get_state(p->stream)))
                pa_stream_disconnect(p->stream);
            release(*p);
            return false;
        }
        p->source = std::move(sound);
        play_ = p;
        // The thread is joined before the playback goes (stop()).
        p->feeder = std::thread([this, raw = p.get()] { feed(*raw); });
        return true;
    }

    bool waitUntilDone(int timeoutMs) override
    {
        if (!loop_)
            return true;
        std::shared_ptr<Playback> p;
        {
            Lock lock(loop_);
            p = play_;
            if (!p || p->over)
                return !p || !p->failed;
        }
        QCoreApplication* app = QCoreApplication::instance();
        if (app && QThread::currentThread() == app->thread()) {
            // The program waits for the sound: windows keep painting, but
            // take no input meanwhile.
            QEventLoop loop;
            {
                Lock lock(loop_);
                if (p->over)
                    return !p->failed;
                p->waiters.push_back(&loop);
            }
            QTimer::singleShot(std::max(timeoutMs, 0), &loop, &QEventLoop::quit);
            loop.exec(QEventLoop::ExcludeUserInputEvents);
            Lock lock(loop_);
            std::erase(p->waiters, &loop);
            return !p->failed;
        }
        Lock lock(loop_);
        waitForServer([&p] { return p->over; }, pa_usec_t(std::max(timeoutMs, 0)) * PA_USEC_PER_MSEC);
        return !p->failed;
    }

private:
    struct Lock {
        explicit Lock(pa_threaded_mainloop* l) : loop(l) { pa_threaded_mainloop_lock(loop); }
        ~Lock() { pa_threaded_mainloop_unlock(loop); }
        pa_threaded_mainloop* loop;
    };

    static void unrefOp(pa_operation* op)
    {
        if (op)
            pa_operation_unref(op);
    }

    bool startLoop()
    {
        if (loop_)
            return true;
        if (loopFailed_)
            return false;
        pa_threaded_mainloop* loop = pa_threaded_mainloop_new();
        if (!loop || pa_threaded_mainloop_start(loop) < 0) {
            if (loop)
                pa_threaded_mainloop_free(loop);
            loopFailed_ = true;
            return false;
        }
        pa_threaded_mainloop_set_name(loop, "zg-sound");
        loop_ = loop;
        return true;
    }

    // Waits, with the lock held, until done() or the limit; false at the
    // limit.
    template <class Done> bool waitForServer(Done done, pa_usec_t limitUs = AnswerLimitUs)
    {
        if (done())
            return true;
        bool late = false;
        struct Alarm {
            pa_threaded_mainloop* loop;
            bool* late;
        } alarm{loop_, &late};
        pa_mainloop_api* api = pa_threaded_mainloop_get_api(loop_);
        timeval when{};
        pa_gettimeofday(&when);
        pa_timeval_add(&when, limitUs);
        pa_time_event* timer = api->time_new(
            api, &when,
            [](pa_mainloop_api*, pa_time_event*, const timeval*, void* a) {
                auto* al = static_cast<Alarm*>(a);
                *al->late = true;
                pa_threaded_mainloop_signal(al->loop, 0);
            },
            &alarm);
        while (!done() && !late)
            pa_threaded_mainloop_wait(loop_);
        api->time_free(timer);
        return done();
    }

    // With the lock held: whether the context is ready, connecting it
    // first if it is not.
    bool connected()
    {
        if (context_ && pa_context_get_state(context_) == PA_CONTEXT_READY)
            return true;
        dropContext();
        context_ = pa_context_new(pa_threaded_mainloop_get_api(loop_), programName().constData());
        if (!context_)
            return false;
        pa_context_set_state_callback(
            context_,
            [](pa_context*, void* loop) { pa_threaded_mainloop_signal(static_cast<pa_threaded_mainloop*>(loop), 0); },
            loop_);
        // No server is started for a sound: without one, nothing plays.
        if (pa_context_connect(context_, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0) {
            dropContext();
            return false;
        }
        const bool ready = waitForServer([this] {
            const pa_context_state_t s = pa_context_get_state(context_);
            return s == PA_CONTEXT_READY || !PA_CONTEXT_IS_GOOD(s);
        }) && pa_context_get_state(context_) == PA_CONTEXT_READY;
        if (!ready)
            dropContext();
        return ready;
    }

    void dropContext()
    {
        if (!context_)
            return;
        pa_context_set_state_callback(context_, nullptr, nullptr);
        pa_context_disconnect(context_);
        pa_context_unref(context_);
        context_ = nullptr;
    }

    // With the lock held: the sound is over; the feeder and the waiting
    // plays are told.
    void finish(Playback& p, bool failed)
    {
        if (!p.over) {
            p.over = true;
            p.failed = p.failed || failed;
            if (p.stream && PA_STREAM_IS_GOOD(pa_stream_get_state(p.stream)))
                pa_stream_disconnect(p.stream);
        }
        for (QEventLoop* loop : p.waiters)
            QMetaObject::invokeMethod(loop, &QEventLoop::quit, Qt::QueuedConnection);
        pa_threaded_mainloop_signal(loop_, 0);
    }

    // With the lock held, the feeder gone: lets go of the stream.
    void release(Playback& p)
    {
        if (p.pending) {
            pa_operation_cancel(p.pending);
            pa_operation_unref(p.pending);
            p.pending = nullptr;
        }
        if (p.heard) {
            pa_threaded_mainloop_get_api(loop_)->time_free(p.heard);
            p.heard = nullptr;
        }
        if (p.stream) {
            pa_stream_set_state_callback(p.stream, nullptr, nullptr);
            pa_stream_set_write_callback(p.stream, nullptr, nullptr);
            pa_stream_unref(p.stream);
            p.stream = nullptr;
        }
    }

    // The feeding thread: reads the source in small chunks as the stream
    // has room, and drains the stream at its end.
    void feed(Playback& p)
    {
        std::vector<int16_t> chunk;
        Lock lock(loop_);
        for (;;) {
            size_t room = 0;
            while (!p.stopping && !p.over && (room = pa_stream_writable_size(p.stream)) < p.frameBytes)
                pa_threaded_mainloop_wait(loop_);
            if (p.stopping || p.over || room == size_t(-1))
                return;
            const int64_t frames = std::min<int64_t>(int64_t(room / p.frameBytes), p.chunkFrames);
            chunk.resize(size_t(frames * int64_t(p.frameBytes) / int64_t(sizeof(int16_t))));
            pa_threaded_mainloop_unlock(loop_);
            const int64_t got = std::clamp<int64_t>(p.source->read(chunk.data(), frames), 0, frames);
            pa_threaded_mainloop_lock(loop_);
            if (p.stopping || p.over)
                return;
            if (got == 0) {
                p.pending = pa_stream_drain(p.stream, &DeviceSoundOutput::drained, &p);
                if (!p.pending)
                    finish(p, true);
                return;
            }
            if (pa_stream_write(p.stream, chunk.data(), size_t(got) * p.frameBytes, nullptr, 0, PA_SEEK_RELATIVE) < 0) {
                finish(p, true);
                return;
            }
        }
    }

    static void streamChanged(pa_stream* s, void* data)
    {
        auto* p = static_cast<Playback*>(data);
        if (!PA_STREAM_IS_GOOD(pa_stream_get_state(s)) && !p->over)
            p->output->finish(*p, true);
        pa_threaded_mainloop_signal(p->output->loop_, 0);
    }

    static void answered(pa_stream*, int, void* loop)
    {
        pa_threaded_mainloop_signal(static_cast<pa_threaded_mainloop*>(loop), 0);
    }

    static void writable(pa_stream*, size_t, void* data)
    {
        pa_threaded_mainloop_signal(static_cast<Playback*>(data)->output->loop_, 0);
    }

    // The server has taken the last sample; ask how long it still takes to
    // come out of the sink.
    static void drained(pa_stream* s, int success, void* data)
    {
        auto* p = static_cast<Playback*>(data);
        unrefOp(std::exchange(p->pending, nullptr));
        if (p->over)
            return;
        if (!success) {
            p->output->finish(*p, true);
            return;
        }
        p->pending = pa_stream_update_timing_info(s, &DeviceSoundOutput::timed, p);
        if (!p->pending)
            p->output->finish(*p, false);
    }

    static void timed(pa_stream* s, int success, void* data)
    {
        auto* p = static_cast<Playback*>(data);
        unrefOp(std::exchange(p->pending, nullptr));
        if (p->over)
            return;
        pa_usec_t latency = 0;
        int negative = 0;
        if (!success || pa_stream_get_latency(s, &latency, &negative) < 0 || negative)
            latency = 0;
        latency = std::min(latency, MaxSinkLatencyUs);
        if (latency == 0) {
            p->output->finish(*p, false);
            return;
        }
        pa_mainloop_api* api = pa_threaded_mainloop_get_api(p->output->loop_);
        timeval when{};
        pa_gettimeofday(&when);
        pa_timeval_add(&when, latency);
        p->heard = api->time_new(
            api, &when,
            [](pa_mainloop_api* a, pa_time_event* e, const timeval*, void* data) {
                auto* p = static_cast<Playback*>(data);
                a->time_free(e);
                p->heard = nullptr;
                p->output->finish(*p, false);
            },
            p);
    }

    pa_threaded_mainloop* loop_ = nullptr;
    bool loopFailed_ = false;
    pa_context* context_ = nullptr;
    std::shared_ptr<Playback> play_;
};

} // namespace

} // namespace zg

extern "C" ZG_SOUND_MODULE_EXPORT zg::SoundOutput* zg_sound_module_output()
{
    return new zg::DeviceSoundOutput();
}
