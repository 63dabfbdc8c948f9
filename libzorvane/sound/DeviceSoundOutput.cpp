// The desktop's default sound output through Qt Multimedia, in the sound
// module that the library loads at the first sound (see SoundModule.h).
#include "SoundModule.h"

#include <QAudioDevice>
#include <QAudioSink>
#include <QBuffer>
#include <QEventLoop>
#include <QMediaDevices>
#include <QTimer>

#include <algorithm>
#include <cmath>

namespace zg {

namespace {

// Linear resampling for a device that does not take the sound's own rate.
PcmSound resampled(const PcmSound& in, int rate)
{
    PcmSound out;
    out.sampleRate = rate;
    out.channels = in.channels;
    const int64_t inFrames = in.frames();
    if (inFrames == 0 || rate <= 0)
        return out;
    const int64_t outFrames = inFrames * rate / in.sampleRate;
    out.samples.resize(size_t(outFrames * in.channels));
    const double step = double(in.sampleRate) / rate;
    for (int64_t f = 0; f < outFrames; ++f) {
        const double pos = f * step;
        const int64_t i = std::min<int64_t>(int64_t(pos), inFrames - 1);
        const int64_t j = std::min<int64_t>(i + 1, inFrames - 1);
        const double t = pos - double(i);
        for (int c = 0; c < in.channels; ++c) {
            const double a = in.samples[size_t(i * in.channels + c)];
            const double b = in.samples[size_t(j * in.channels + c)];
            out.samples[size_t(f * in.channels + c)] = int16_t(std::lround(a + (b - a) * t));
        }
    }
    return out;
}

class DeviceSoundOutput final : public SoundOutput {
public:
    bool available() override { return !QMediaDevices::defaultAudioOutput().isNull(); }

    bool isPlaying() override { return sink_ && active_; }

    void stop() override
    {
        active_ = false;
        if (sink_)
            sink_->stop();
    }

    bool start(const PcmSound& sound) override
    {
        stop();
        const QAudioDevice device = QMediaDevices::defaultAudioOutput();
        if (device.isNull() || sound.channels <= 0 || sound.sampleRate <= 0)
            return false;
        QAudioFormat format;
        format.setSampleRate(sound.sampleRate);
        format.setChannelCount(sound.channels);
        format.setSampleFormat(QAudioFormat::Int16);
        const PcmSound* pcm = &sound;
        PcmSound converted;
        if (!device.isFormatSupported(format)) {
            const int rate = device.preferredFormat().sampleRate();
            format.setSampleRate(rate);
            if (!device.isFormatSupported(format))
                return false;
            converted = resampled(sound, rate);
            pcm = &converted;
        }
        // A new sink per sound: the one before is stopped and let go.
        sink_.reset();
        buffer_.reset();
        data_ = QByteArray(reinterpret_cast<const char*>(pcm->samples.data()),
                           qsizetype(pcm->samples.size() * sizeof(int16_t)));
        buffer_ = std::make_unique<QBuffer>(&data_);
        buffer_->open(QIODevice::ReadOnly);
        sink_ = std::make_unique<QAudioSink>(device, format);
        failed_ = false;
        active_ = true;
        QObject::connect(sink_.get(), &QAudioSink::stateChanged, [this, s = sink_.get()](QAudio::State state) {
            if (state == QAudio::IdleState) {
                // Every sample has been handed over: the sound has ended.
                active_ = false;
                s->stop();
            } else if (state == QAudio::StoppedState) {
                if (s->error() != QAudio::NoError && s->error() != QAudio::UnderrunError)
                    failed_ = true;
                active_ = false;
            }
        });
        sink_->start(buffer_.get());
        if (sink_->error() != QAudio::NoError && sink_->error() != QAudio::UnderrunError) {
            active_ = false;
            failed_ = true;
        }
        return !failed_;
    }

    bool waitUntilDone(int timeoutMs) override
    {
        if (sink_ && active_) {
            QEventLoop loop;
            QTimer limit;
            limit.setSingleShot(true);
            QObject::connect(&limit, &QTimer::timeout, &loop, &QEventLoop::quit);
            QTimer poll;
            QObject::connect(&poll, &QTimer::timeout, &loop, [this, &loop] {
                if (!active_)
                    loop.quit();
            });
            limit.start(timeoutMs);
            poll.start(10);
            // The program waits for the sound: windows keep painting, but
            // take no input meanwhile.
            loop.exec(QEventLoop::ExcludeUserInputEvents);
        }
        return !failed_;
    }

private:
    QByteArray data_;
    std::unique_ptr<QBuffer> buffer_;
    std::unique_ptr<QAudioSink> sink_;
    bool active_ = false;
    bool failed_ = false;
};

} // namespace

} // namespace zg

extern "C" ZG_SOUND_MODULE_EXPORT zg::SoundOutput* zg_sound_module_output()
{
    return new zg::DeviceSoundOutput();
}
