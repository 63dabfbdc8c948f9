// Generated tones: the simulated speaker's square wave.
#pragma once
#include "SoundOutput.h"

namespace zg {

constexpr int ToneSampleRate = 44100;

// A square wave of the frequency in Hz, built from its odd harmonics below
// the range of hearing (20 kHz), so that high tones keep their pitch
// instead of folding back into lower ones; a tone at or above 20 kHz is
// inaudible and comes out silent. Volume 0 to 100 scales the amplitude
// linearly (above 100 counts as 100). A frequency or volume of 0 gives
// silence of the same length. 5 ms fades at both ends keep it from
// clicking. Made as it is read, so a long tone costs nothing to start.
std::unique_ptr<SoundSource> toneSource(double frequencyHz, int durationMs, int volume);

// The same tone made whole.
PcmSound generateTone(double frequencyHz, int durationMs, int volume);

// The short beep of a computer's speaker.
PcmSound speakerBeep();

} // namespace zg
