// Wave playback: the file is checked first, then played on the sound
// output.
#pragma once
#include "SoundOutput.h"
#include "ZorvaneMultimedia.h"

namespace zg {

class MultimediaImpl : public ZorvaneMultimedia {
public:
    // An empty output plays on the machine's device.
    explicit MultimediaImpl(std::shared_ptr<SoundOutput> output = {});

    bool PlayWaveFile(const QString& Path, bool Synchronous = false, bool Interrupt = true) override;

private:
    std::shared_ptr<SoundOutput> output_;
};

} // namespace zg
