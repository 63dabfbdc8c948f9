// How soon a MIDI note's first samples are there to play: from the call
// that makes the note to its first 10 ms (the output's first read), for a
// 100 ms note and a 30 s one, each cutting off the note before as an
// interrupting note does, beside the synthesiser alone doing the same
// (the voices before let fade unheard, reset, program, note on, the first
// 10 ms) on the same sound font in the same run. The two notes should cost
// the same, close to the synthesiser alone; the whole 30 s note made before
// playing, as notes once were, is there for scale.
#include "BenchMain.h"

#include <MidiSynth.h>

#include <QFileInfo>
#include <benchmark/benchmark.h>
#include <fluidsynth.h>

#include <vector>

namespace {

constexpr int FirstFrames = 441; // 10 ms at 44100 Hz

QString soundFont()
{
    for (const QString& f : zg::defaultSoundFonts())
        if (QFileInfo(f).isFile())
            return f;
    return {};
}

void quiet(int, const char*, void*) {}

void BM_SynthAlone(benchmark::State& state)
{
    const QString font = soundFont();
    if (font.isEmpty()) {
        state.SkipWithError("no General MIDI sound font");
        return;
    }
    for (int level : {FLUID_PANIC, FLUID_ERR, FLUID_WARN, FLUID_INFO, FLUID_DBG})
        fluid_set_log_function(level, quiet, nullptr);
    fluid_settings_t* settings = new_fluid_settings();
    fluid_settings_setnum(settings, "synth.sample-rate", 44100);
    fluid_settings_setnum(settings, "synth.gain", 1.5);
    fluid_settings_setint(settings, "synth.chorus.active", 0);
    fluid_settings_setint(settings, "synth.reverb.active", 0);
    fluid_settings_setint(settings, "synth.cpu-cores", 1);
    fluid_synth_t* synth = new_fluid_synth(settings);
    const int id = fluid_synth_sfload(synth, QFile::encodeName(font).constData(), 1);
    std::vector<float> out(FirstFrames * 2);
    std::vector<float> fade(FirstFrames * 4);
    for (auto _ : state) {
        fluid_synth_all_sounds_off(synth, -1);
        fluid_synth_write_float(synth, FirstFrames * 2, fade.data(), 0, 2, fade.data(), 1, 2);
        fluid_synth_system_reset(synth);
        fluid_synth_program_select(synth, 0, id, 0, 0);
        fluid_synth_noteon(synth, 0, 72, 127);
        fluid_synth_write_float(synth, FirstFrames, out.data(), 0, 2, out.data(), 1, 2);
        benchmark::DoNotOptimize(out.data());
    }
    delete_fluid_synth(synth);
    delete_fluid_settings(settings);
}
BENCHMARK(BM_SynthAlone)->Unit(benchmark::kMicrosecond);

void BM_NoteFirstSamples(benchmark::State& state)
{
    if (soundFont().isEmpty()) {
        state.SkipWithError("no General MIDI sound font");
        return;
    }
    auto synth = zg::makeSoundFontSynth();
    synth->renderNote(0, 72, 127, 20); // loaded and warm
    std::vector<int16_t> out(FirstFrames * 2);
    for (auto _ : state) {
        auto note = synth->noteSource(0, 72, 127, int(state.range(0)));
        benchmark::DoNotOptimize(note->read(out.data(), FirstFrames));
    }
}
BENCHMARK(BM_NoteFirstSamples)->Arg(100)->Arg(30000)->Unit(benchmark::kMicrosecond);

void BM_WholeNote(benchmark::State& state)
{
    if (soundFont().isEmpty()) {
        state.SkipWithError("no General MIDI sound font");
        return;
    }
    auto synth = zg::makeSoundFontSynth();
    synth->renderNote(0, 72, 127, 20);
    for (auto _ : state)
        benchmark::DoNotOptimize(synth->renderNote(0, 72, 127, int(state.range(0))).samples.data());
}
BENCHMARK(BM_WholeNote)->Arg(30000)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    return zgbench::runWithRatios(argc, argv,
                                  {{"BM_NoteFirstSamples/100", "BM_SynthAlone"},
                                   {"BM_NoteFirstSamples/30000", "BM_SynthAlone"},
                                   {"BM_WholeNote/30000", "BM_SynthAlone"}});
}
