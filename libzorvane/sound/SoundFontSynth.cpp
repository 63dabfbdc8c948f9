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

class SoundFontSynth final : public MidiSynth {
public:
    explicit SoundFontSynth(QStringList fonts) : fonts_(std::move(fonts)) {}

    ~SoundFontSynth() override
    {
        if (synth_)
            delete_fluid_synth(synth_);
        if (settings_)
            delete_fluid_settings(settings_);
    }

    PcmSound renderNote(int program, int note, int velocity, int durationMs) override
    {
        load();
        fluid_synth_system_reset(synth_);
        if (fluid_synth_program_select(synth_, 0, fontId_, 0, std::clamp(program, 0, 127)) != FLUID_OK)
            cannotPlay(QStringLiteral("The sound font has no instrument %1.").arg(program));

        PcmSound out;
        out.sampleRate = SampleRate;
        out.channels = 2;
        const int held = int(int64_t(std::max(durationMs, 0)) * SampleRate / 1000);
        if (velocity > 0)
            fluid_synth_noteon(synth_, 0, std::clamp(note, 0, 127), std::clamp(velocity, 1, 127));
        render(out, held);
        if (velocity > 0) {
            fluid_synth_noteoff(synth_, 0, std::clamp(note, 0, 127));
            // The release, until it has died away.
            for (int done = 0; done < MaxReleaseMs * SampleRate / 1000; done += BlockFrames) {
                if (render(out, BlockFrames))
                    break;
            }
        }
        // Voices cut off still fade for a few samples: let them finish here
        // so that the next note starts from silence.
        fluid_synth_all_sounds_off(synth_, -1);
        PcmSound flush;
        render(flush, BlockFrames * 2);
        return out;
    }

private:
    void load()
    {
        if (synth_)
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
        fluid_settings_t* settings = new_fluid_settings();
        if (!settings)
            cannotPlay(QStringLiteral("The MIDI synthesiser cannot start."));
        fluid_settings_setnum(settings, "synth.sample-rate", SampleRate);
        fluid_settings_setnum(settings, "synth.gain", 1.5);
        // Without reverb and chorus a note is the instrument alone and
        // nothing of one note carries into the next.
        fluid_settings_setint(settings, "synth.chorus.active", 0);
        fluid_settings_setint(settings, "synth.reverb.active", 0);
        fluid_settings_setint(settings, "synth.cpu-cores", 1);
        fluid_synth_t* synth = new_fluid_synth(settings);
        if (!synth) {
            delete_fluid_settings(settings);
            cannotPlay(QStringLiteral("The MIDI synthesiser cannot start."));
        }
        const int id = fluid_synth_sfload(synth, QFileInfo(font).absoluteFilePath().toLocal8Bit().constData(), 1);
        if (id == FLUID_FAILED) {
            delete_fluid_synth(synth);
            delete_fluid_settings(settings);
            cannotPlay(QStringLiteral("The sound font %1 cannot be read.").arg(font));
        }
        settings_ = settings;
        synth_ = synth;
        fontId_ = id;
    }

    // Appends frames; true when they were all silent. Rendered in floating
    // point and rounded here: the synthesiser's own 16-bit output adds
    // dither noise, which would keep silence from being silent.
    bool render(PcmSound& out, int frames)
    {
        if (frames <= 0)
            return true;
        scratch_.assign(size_t(frames) * 2, 0.0f);
        fluid_synth_write_float(synth_, frames, scratch_.data(), 0, 2, scratch_.data(), 1, 2);
        bool quiet = true;
        out.samples.reserve(out.samples.size() + scratch_.size());
        for (float v : scratch_) {
            const auto s = int16_t(std::lround(std::clamp(double(v), -1.0, 1.0) * 32767.0));
            quiet = quiet && std::abs(int(s)) <= SilenceLevel;
            out.samples.push_back(s);
        }
        return quiet;
    }

    QStringList fonts_;
    fluid_settings_t* settings_ = nullptr;
    fluid_synth_t* synth_ = nullptr;
    int fontId_ = -1;
    std::vector<float> scratch_;
};

} // namespace

} // namespace zg

extern "C" ZG_SOUND_MODULE_EXPORT zg::MidiSynth* zg_sound_module_synth(const QStringList* soundFonts)
{
    return new zg::SoundFontSynth(*soundFonts);
}
