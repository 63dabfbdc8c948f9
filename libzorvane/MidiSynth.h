// MIDI notes rendered to PCM by a General MIDI software synthesiser on a
// sound font, so that they play through the same output as wave files.
#pragma once
#include "SoundOutput.h"

#include <QString>
#include <QStringList>
#include <memory>

namespace zg {

class MidiSynth {
public:
    virtual ~MidiSynth() = default;
    // One note of a General MIDI program (0..127, bank 0) held for
    // durationMs, then released; the sound includes the release until it
    // has died away (at most a second more). Velocity 0 gives silence of
    // the note's length. The note is synthesised as it is read, so its
    // first samples come at once however long it is held. One note of a
    // synthesiser sounds at a time: once a newer note has begun to be
    // read, an older one ends. Raises the library's "cannot play" error
    // when there is no sound font, the font lacks the program or the
    // synthesiser fails.
    virtual std::unique_ptr<SoundSource> noteSource(int program, int note, int velocity, int durationMs) = 0;

    // The same note, synthesised whole.
    PcmSound renderNote(int program, int note, int velocity, int durationMs)
    {
        return readWhole(*noteSource(program, note, velocity, durationMs));
    }
};

// The sound fonts looked for, in order: the Debian packages' General MIDI
// fonts in /usr/share/sounds/sf2 (and /usr/local/share/sounds/sf2).
QStringList defaultSoundFonts();

// FluidSynth on the first sound font of the list that loads. The font is
// loaded at the first note and kept.
std::shared_ptr<MidiSynth> makeSoundFontSynth(QStringList soundFonts = defaultSoundFonts());

} // namespace zg
