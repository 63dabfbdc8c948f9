#include "SoundOutput.h"

#include <QAudioDevice>
#include <QEventLoop>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>

namespace zg {

namespace {

class DeviceSoundOutput final : public SoundOutput {
public:
    bool available() override { return !QMediaDevices::audioOutputs().isEmpty(); }

    bool isPlaying() override { return effect_ && active_; }

    void stop() override
    {
        active_ = false;
        if (effect_)
            effect_->stop();
    }

    bool start(const QString& path) override
    {
        stop();
        // A new effect per sound: the one before is stopped and let go.
        effect_ = std::make_unique<QSoundEffect>();
        failed_ = false;
        active_ = true;
        QObject::connect(effect_.get(), &QSoundEffect::playingChanged, [this, e = effect_.get()] {
            if (!e->isPlaying() && e->status() != QSoundEffect::Loading)
                active_ = false;
        });
        QObject::connect(effect_.get(), &QSoundEffect::statusChanged, [this, e = effect_.get()] {
            if (e->status() == QSoundEffect::Error) {
                failed_ = true;
                active_ = false;
            }
        });
        effect_->setSource(QUrl::fromLocalFile(path));
        effect_->play();
        return !failed_ && effect_->status() != QSoundEffect::Error;
    }

    bool waitUntilDone(int timeoutMs) override
    {
        if (effect_ && active_) {
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
            loop.exec();
        }
        return !failed_;
    }

private:
    std::unique_ptr<QSoundEffect> effect_;
    bool active_ = false;
    bool failed_ = false;
};

} // namespace

std::shared_ptr<SoundOutput> makeDeviceSoundOutput()
{
    return std::make_shared<DeviceSoundOutput>();
}

} // namespace zg
