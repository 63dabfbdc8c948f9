#include "SoundModule.h"

#include "Error.h"
#include "ZorvaneMultimedia.h"

#include <QFile>
#include <QFileInfo>
#include <QString>

#include <dlfcn.h>

namespace zg {

namespace {

// The module, opened once and kept for the life of the process (objects it
// made may live until the end). Null when it cannot be loaded; why() says
// what went wrong.
class Module {
public:
    static Module& get()
    {
        static Module module;
        return module;
    }

    template <class F> F symbol(const char* name) const
    {
        return handle_ ? reinterpret_cast<F>(dlsym(handle_, name)) : nullptr;
    }
    const QString& why() const { return why_; }

private:
    Module()
    {
        // Beside the library itself, wherever that was loaded from.
        Dl_info info{};
        QString path = QStringLiteral("libzorvane_sound.so");
        if (dladdr(reinterpret_cast<void*>(&Module::get), &info) && info.dli_fname)
            path = QFileInfo(QString::fromLocal8Bit(info.dli_fname)).absolutePath() + QLatin1Char('/') + path;
        handle_ = dlopen(QFile::encodeName(path).constData(), RTLD_NOW | RTLD_LOCAL);
        if (!handle_)
            why_ = QString::fromLocal8Bit(dlerror());
    }

    void* handle_ = nullptr;
    QString why_;
};

// The device output, loaded when a sound is first started or the device is
// first asked for; until then nothing plays and nothing is to stop.
class DeferredSoundOutput final : public SoundOutput {
public:
    bool available() override
    {
        SoundOutput* out = device();
        return out && out->available();
    }
    bool isPlaying() override { return device_ && device_->isPlaying(); }
    void stop() override
    {
        if (device_)
            device_->stop();
    }
    bool start(std::unique_ptr<SoundSource> sound) override
    {
        SoundOutput* out = device();
        return out && out->start(std::move(sound));
    }
    bool waitUntilDone(int timeoutMs) override { return !device_ || device_->waitUntilDone(timeoutMs); }

private:
    SoundOutput* device()
    {
        if (!tried_) {
            tried_ = true;
            if (auto make = Module::get().symbol<SoundOutput* (*)()>("zg_sound_module_output"))
                device_.reset(make());
        }
        return device_.get();
    }

    bool tried_ = false;
    std::unique_ptr<SoundOutput> device_;
};

// The synthesiser, made at the first note.
class DeferredSynth final : public MidiSynth {
public:
    explicit DeferredSynth(QStringList fonts) : fonts_(std::move(fonts)) {}

    std::unique_ptr<SoundSource> noteSource(int program, int note, int velocity, int durationMs) override
    {
        if (!synth_) {
            auto make = Module::get().symbol<MidiSynth* (*)(const QStringList*)>("zg_sound_module_synth");
            if (!make)
                plat::raise(ZorvaneMultimedia::ErrCannotPlay, QStringLiteral("ZorvaneMultimedia.PlayTone"),
                            QStringLiteral("The MIDI synthesiser cannot be loaded (%1).").arg(Module::get().why()));
            synth_.reset(make(&fonts_));
        }
        return synth_->noteSource(program, note, velocity, durationMs);
    }

private:
    QStringList fonts_;
    std::unique_ptr<MidiSynth> synth_;
};

} // namespace

std::shared_ptr<SoundOutput> makeDeviceSoundOutput()
{
    return std::make_shared<DeferredSoundOutput>();
}

std::shared_ptr<MidiSynth> makeSoundFontSynth(QStringList soundFonts)
{
    return std::make_shared<DeferredSynth>(std::move(soundFonts));
}

} // namespace zg
