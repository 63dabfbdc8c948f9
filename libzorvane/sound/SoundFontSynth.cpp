// MIDI notes through FluidSynth, in the sound module that the library
// loads at the first note (see SoundModule.h).
#include "SoundModule.h"

#include "Error.h"
#include "ZorvaneMultimedia.h"

#include <QFileInfo>
#include <fluidsynth.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <vector>

namespace zg {

namespace {

constexpr int SampleRate = 44100;
constexpr int MaxReleaseMs = 1000;
constexpr int BlockFrames = 441; // 10 ms
// A block whose samples all stay within this is counted as silent.
constexpr int SilenceLevel = 8;

[[noreturn]] void cannotPlay(const QString& why)
{
    plat::raise(ZorvaneMultimedia::ErrCannotPlay, QStringLiteral("ZorvaneMultimedia.PlayTone"), why);
}

void quietLog(int, const char*, void*) {}

// The synthesiser with its font, shared by the synth object and the notes
// it made: a note may still be read after the object that made it is gone.
struct Engine {
    ~Engine()
    {
        delete_fluid_synth(synth);
        delete_fluid_settings(settings);
    }

    // Appends frames; true when they were all silent. Rendered in floating
    // point and rounded here: the synthesiser's own 16-bit output adds
    // dither noise, which would keep silence from being silent.
    bool render(std::vector<int16_t>& out, int frames)
    {
        if (frames <= 0)
            return true;
        scratch.assign(size_t(frames) * 2, 0.0f);
        fluid_synth_write_float(synth, frames, scratch.data(), 0, 2, scratch.data(), 1, 2);
        rendered += uint64_t(frames);
        bool quiet = true;
        out.reserve(out.size() + scratch.size());
        for (float v : scratch) {
            const auto s = int16_t(std::lround(std::clamp(double(v), -1.0, 1.0) * 32767.0));
            quiet = quiet && std::abs(int(s)) <= SilenceLevel;
            out.push_back(s);
        }
        return quiet;
    }

    // Voices cut off still fade for a few samples: let them finish unheard
    // so that the next note starts from silence.
    void silence()
    {
        fluid_synth_all_sounds_off(synth, -1);
        std::vector<int16_t> flush;
        render(flush, BlockFrames * 2);
        sounding = false;
    }

    // The synthesiser works in blocks of its own and a note begins with
    // the next one: what is left of the current block is rendered unheard,
    // so that every note begins at its first sample whatever came before.
    void alignToBlock()
    {
        const int block = std::max(fluid_synth_get_internal_bufsize(synth), 1);
        std::vector<int16_t> rest;
        render(rest, int((block - rendered % uint64_t(block)) % uint64_t(block)));
    }

    std::mutex mutex; // one reader at a time
    fluid_settings_t* settings = nullptr;
    fluid_synth_t* synth = nullptr;
    int fontId = -1;
    uint64_t notes = 0;   // notes made so far
    uint64_t current = 0; // the note on the synthesiser now
    bool sounding = false; // a note may still be sounding
    uint64_t rendered = 0; // frames rendered so far
    std::vector<float> scratch;
};

class NoteSource final : public SoundSource {
public:
    NoteSource(std::shared_ptr<Engine> engine, uint64_t id, int program, int note, int velocity, int durationMs)
        : engine_(std::move(engine))
        , id_(id)
        , program_(program)
        , note_(note)
        , velocity_(velocity)
        , durationMs_(std::max(durationMs, 0))
        , held_(int64_t(durationMs_) * SampleRate / 1000)
    {
    }

    int sampleRate() const override { return SampleRate; }
    int channels() const override { return 2; }
    int64_t maxDurationMs() const override { return durationMs_ + (velocity_ > 0 ? MaxReleaseMs + 10 : 0) + 1; }

    int64_t read(int16_t* out, int64_t frames) override
    {
        std::lock_guard lock(engine_->mutex);
        if (phase_ == Phase::Waiting)
            begin();
        else if (phase_ != Phase::Done && engine_->current != id_)
            phase_ = Phase::Done; // a newer note took the synthesiser
        int64_t written = 0;
        while (written < frames) {
            if (next_ < pending_.size()) {
                const int64_t n = std::min<int64_t>(frames - written, int64_t(pending_.size() - next_) / 2);
                std::memcpy(out + written * 2, pending_.data() + next_, size_t(n * 2) * sizeof(int16_t));
                next_ += size_t(n * 2);
                written += n;
                continue;
            }
            pending_.clear();
            next_ = 0;
            if (!produce())
                break;
        }
        return written;
    }

private:
    enum class Phase { Waiting, Held, Release, Done };

    void begin()
    {
        Engine& e = *engine_;
        if (e.sounding)
            e.silence();
        fluid_synth_system_reset(e.synth);
        e.alignToBlock();
        phase_ = Phase::Done;
        // The program was there when the note was made.
        if (fluid_synth_program_select(e.synth, 0, e.fontId, 0, program_) != FLUID_OK)
            return;
        e.current = id_;
        if (velocity_ > 0) {
            fluid_synth_noteon(e.synth, 0, note_, velocity_);
            e.sounding = true;
        }
        phase_ = Phase::Held;
    }

    // The next block into pending_; false at the end of the note.
    bool produce()
    {
        Engine& e = *engine_;
        switch (phase_) {
        case Phase::Held:
            if (heldDone_ < held_) {
                const int n = int(std::min<int64_t>(held_ - heldDone_, BlockFrames));
                e.render(pending_, n);
                heldDone_ += n;
                return true;
            }
            if (velocity_ == 0) {
                phase_ = Phase::Done;
                return false;
            }
            fluid_synth_noteoff(e.synth, 0, note_);
            phase_ = Phase::Release;
            [[fallthrough]];
        case Phase::Release:
            // The release, until it has died away; its silent block ends
            // the note.
            if (releaseDone_ < int64_t(MaxReleaseMs) * SampleRate / 1000 && !e.render(pending_, BlockFrames)) {
                releaseDone_ += BlockFrames;
                return true;
            }
            phase_ = Phase::Done;
            e.silence();
            return !pending_.empty();
        case Phase::Waiting:
        case Phase::Done:
            break;
        }
        return false;
    }

    std::shared_ptr<Engine> engine_;
    uint64_t id_;
    int program_, note_, velocity_, durationMs_;
    int64_t held_;
    Phase phase_ = Phase::Waiting;
    int64_t heldDone_ = 0;
    int64_t releaseDone_ = 0;
    std::vector<int16_t> pending_;
    size_t next_ = 0;
};

class SoundFontSynth final : public MidiSynth {
public:
    explicit SoundFontSynth(QStringList fonts) : fonts_(std::move(fonts)) {}

    std::unique_ptr<SoundSource> noteSource(int program, int note, int velocity, int durationMs) override
    {
        load();
        program = std::clamp(program, 0, 127);
        uint64_t id = 0;
        {
            std::lock_guard lock(engine_->mutex);
            fluid_sfont_t* font = fluid_synth_get_sfont_by_id(engine_->synth, engine_->fontId);
            if (!font || !fluid_sfont_get_preset(font, 0, program))
                cannotPlay(QStringLiteral("The sound font has no instrument %1.").arg(program));
            id = ++engine_->notes;
        }
        return std::make_unique<NoteSource>(engine_, id, program, std::clamp(note, 0, 127),
                                            std::clamp(velocity, 0, 127), durationMs);
    }

private:
    void load()
    {
        if (engine_)
            return;
        // FluidSynth writes its warnings to the terminal; the library
        // reports failures through its own errors instead.
        for (int level : {FLUID_PANIC, FLUID_ERR, FLUID_WARN, FLUID_INFO, FLUID_DBG})
            fluid_set_log_function(level, quietLog, nullptr);
        QString font;
        for (const QString& f : fonts_) {
            if (QFileInfo(f).isFile()) {
                font = f;
                break;
            }
        }
        if (font.isEmpty())
            cannotPlay(QStringLiteral("No General MIDI sound font is installed (looked for %1).")
                           .arg(fonts_.join(QStringLiteral(", "))));
        auto engine = std::make_shared<Engine>();
        engine->settings = new_fluid_settings();
        if (!engine->settings)
            cannotPlay(QStringLiteral("The MIDI synthesiser cannot start."));
        fluid_settings_setnum(engine->settings, "synth.sample-rate", SampleRate);
        fluid_settings_setnum(engine->settings, "synth.gain", 1.5);
        // Without reverb and chorus a note is the instrument alone and
        // nothing of one note carries into the next.
        fluid_settings_setint(engine->settings, "synth.chorus.active", 0);
        fluid_settings_setint(engine->settings, "synth.reverb.active", 0);
        fluid_settings_setint(engine->settings, "synth.cpu-cores", 1);
        engine->synth = new_fluid_synth(engine->settings);
        if (!engine->synth)
            cannotPlay(QStringLiteral("The MIDI synthesiser cannot start."));
        const QByteArray path = QFileInfo(font).absoluteFilePath().toLocal8Bit();
        engine->fontId = fluid_synth_sfload(engine->synth, path.constData(), 1);
        if (engine->fontId == FLUID_FAILED)
            cannotPlay(QStringLiteral("The sound font %1 cannot be read.").arg(font));
        engine_ = std::move(engine);
    }

    QStringList fonts_;
    std::shared_ptr<Engine> engine_;
};

} // namespace

} // namespace zg

extern "C" ZG_SOUND_MODULE_EXPORT zg::MidiSynth* zg_sound_module_synth(const QStringList* soundFonts)
{
    return new zg::SoundFontSynth(*soundFonts);
}
