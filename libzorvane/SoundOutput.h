// The sound device that wave files play on: one sound at a time. Tests
// install a fake in the multimedia object.
#pragma once
#include <QString>
#include <memory>

namespace zg {

class SoundOutput {
public:
    virtual ~SoundOutput() = default;
    // Whether the machine has a device to play on.
    virtual bool available() = 0;
    // Whether a sound started here is still loading or playing.
    virtual bool isPlaying() = 0;
    virtual void stop() = 0;
    // Starts a wave file (a system path) in place of any sound before.
    // False when it cannot start.
    virtual bool start(const QString& path) = 0;
    // Returns when the sound has ended or after timeoutMs; false when it
    // failed to play.
    virtual bool waitUntilDone(int timeoutMs) = 0;
};

// The desktop's sound output, through Qt Multimedia.
std::shared_ptr<SoundOutput> makeDeviceSoundOutput();

} // namespace zg
