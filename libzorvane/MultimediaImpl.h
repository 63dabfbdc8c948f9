// Tones, MIDI notes, event sounds and wave files: each made into 16-bit PCM
// (generated, synthesised or decoded) and played on one sound output.
#pragma once
#include "MidiSynth.h"
#include "SoundOutput.h"
#include "ZorvaneMultimedia.h"

#include <QStringList>
#include <optional>

namespace zg {

class MultimediaImpl : public ZorvaneMultimedia {
public:
    // An empty output plays on the machine's device, an empty synthesiser
    // is FluidSynth on the installed General MIDI sound font, and empty
    // theme folders are the freedesktop theme's in the XDG data folders.
    explicit MultimediaImpl(std::shared_ptr<SoundOutput> output = {}, std::shared_ptr<MidiSynth> synth = {},
                            QStringList soundThemeFolders = {});

    bool PlayTone(int16_t NoteOrFrequency, int16_t DurationMs, int16_t Volume = 100, bool Synchronous = false,
                  bool Interrupt = true, bool IsMidiNote = true, int32_t Instrument = 0) override;
    bool PlaySystemSound(int32_t SoundID, bool Synchronous = false, bool Interrupt = true,
                         bool DefaultIfMissing = true) override;
    bool PlayWaveFile(const QString& Path, bool Synchronous = false, bool Interrupt = true) override;

    // The event sound file of an identifier (a system path), or nothing.
    std::optional<QString> systemSoundFile(int32_t SoundID) const;

private:
    enum class Outcome { Played, Busy, Refused };
    Outcome play(std::unique_ptr<SoundSource> sound, bool synchronous, bool interrupt);

    std::shared_ptr<SoundOutput> output_;
    std::shared_ptr<MidiSynth> synth_;
    QStringList themeFolders_;
};

} // namespace zg
