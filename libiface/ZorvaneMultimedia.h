// Multimedia functions of the utility library: wave playback.
#pragma once
#include <QString>

namespace zg {

class ZorvaneMultimedia {
public:
    static constexpr const char* ClassId = "{7EC6598B-BC1C-11D2-94CF-004005455FAA}";
    static constexpr const char* InterfaceId = "{87E7BDA6-4C90-11D4-8111-005004D78BE4}";
    static constexpr const char* ClassName = "ZorvaneMultimedia";

    virtual ~ZorvaneMultimedia() = default;

    // Plays a wave file (a Windows-style path). Synchronous: returns when
    // the sound has ended. Interrupt: a sound still playing is stopped;
    // without it the call fails while another sound plays. The result is
    // False when the file is missing or not a well-formed wave file, when
    // no sound device is available, or when the sound could not start.
    virtual bool PlayWaveFile(const QString& Path, bool Synchronous = false, bool Interrupt = true) = 0;
};

} // namespace zg
