// Multimedia functions of the utility library: tones and MIDI notes, the
// desktop's event sounds and wave files, all on the machine's default
// sound output, one sound at a time.
#pragma once
#include "Error.h"

#include <QString>
#include <cstdint>

namespace zg {

class ZorvaneMultimedia {
public:
    static constexpr const char* ClassId = "{7EC6598B-BC1C-11D2-94CF-004005455FAA}";
    static constexpr const char* InterfaceId = "{87E7BDA6-4C90-11D4-8111-005004D78BE4}";
    static constexpr const char* ClassName = "ZorvaneMultimedia";

    // PlayTone's error when the tone cannot be played at all: no sound
    // device, no MIDI synthesiser or sound font, or a device that refuses.
    static constexpr int32_t ErrCannotPlay = 30040;

    // Identifiers of PlaySystemSound beyond the event sounds.
    static constexpr int32_t SoundPCSpeaker = -1;

    virtual ~ZorvaneMultimedia() = default;

    // What every Play member shares: Synchronous returns when the sound has
    // ended; Interrupt stops a sound still playing first, without it the
    // call plays nothing and gives False while another sound plays (the
    // sound playing is not cut).

    // A MIDI note (IsMidiNote: note 0..127 of General MIDI program
    // Instrument 0..127, velocity from Volume) or a tone of
    // NoteOrFrequency Hz (a speaker's square wave), for DurationMs
    // milliseconds at Volume 0..100 (above 100 counts as 100). A frequency
    // or volume of 0 plays silence of that length. Negative values and a
    // note or instrument beyond 127 raise 5; no way to play raises 30040.
    // The members below raise 438 in an object that does not provide them
    // (a test's fake that only plays wave files).
    virtual bool PlayTone(int16_t /*NoteOrFrequency*/, int16_t /*DurationMs*/, int16_t /*Volume*/ = 100,
                          bool /*Synchronous*/ = false, bool /*Interrupt*/ = true, bool /*IsMidiNote*/ = true,
                          int32_t /*Instrument*/ = 0)
    {
        plat::raise(plat::err::NotSupported, QStringLiteral("ZorvaneMultimedia.PlayTone"));
    }

    // One of the system's event sounds: 0 default, 16 critical stop,
    // 32 question, 48 exclamation, 64 asterisk, 30000 to 30022 the
    // desktop's window, menu, mail, call and battery events; -1 the
    // speaker's beep. They play the desktop's freedesktop sound theme.
    // DefaultIfMissing: an identifier without a sound of its own plays the
    // default sound; without it the call gives False. False as well when
    // no sound device is available or the sound cannot be decoded.
    virtual bool PlaySystemSound(int32_t /*SoundID*/, bool /*Synchronous*/ = false, bool /*Interrupt*/ = true,
                                 bool /*DefaultIfMissing*/ = true)
    {
        plat::raise(plat::err::NotSupported, QStringLiteral("ZorvaneMultimedia.PlaySystemSound"));
    }

    // Plays a wave file (a Windows-style path). The result is False when
    // the path is empty, names a folder or a missing file, when the file is
    // not a well-formed wave file of a sample format it can decode, when no
    // sound device is available, or when the sound could not start.
    virtual bool PlayWaveFile(const QString& Path, bool Synchronous = false, bool Interrupt = true) = 0;
};

} // namespace zg
