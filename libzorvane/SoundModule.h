// The sound device and the MIDI synthesiser live in a module of their own,
// libzorvane_sound.so beside the library, which is loaded at the first
// sound played or asked about: their libraries (the desktop's sound system,
// the synthesiser and all they bring) cost a program's start a good part of
// its time, and most programs never make a sound. The module gives the two
// objects below; everything else of sound (decoding, tones, the captured
// output of the tests) stays in the library.
#pragma once
#include "MidiSynth.h"
#include "SoundOutput.h"

#define ZG_SOUND_MODULE_EXPORT __attribute__((visibility("default")))

extern "C" {
// The desktop's default sound output; the caller owns it.
ZG_SOUND_MODULE_EXPORT zg::SoundOutput* zg_sound_module_output();
// The sound font synthesiser on the first of the fonts that loads; the
// caller owns it.
ZG_SOUND_MODULE_EXPORT zg::MidiSynth* zg_sound_module_synth(const QStringList* soundFonts);
}
