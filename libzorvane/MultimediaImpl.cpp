#include "MultimediaImpl.h"

#include "Paths.h"
#include "WaveFile.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>

namespace zg {

namespace {
// Wave files larger than this are not read whole for the check.
constexpr qint64 MaxWaveBytes = 256LL * 1024 * 1024;
// Extra time a synchronous play waits beyond the sound's own length.
constexpr int64_t WaitMarginMs = 3000;
} // namespace

MultimediaImpl::MultimediaImpl(std::shared_ptr<SoundOutput> output)
    : output_(output ? std::move(output) : makeDeviceSoundOutput())
{
}

bool MultimediaImpl::PlayWaveFile(const QString& Path, bool Synchronous, bool Interrupt)
{
    const QString path = plat::toSystemPath(Path);
    const QFileInfo info(path);
    if (Path.isEmpty() || !info.isFile() || info.size() > MaxWaveBytes)
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const std::optional<WaveFormat> format = parseWave(file.readAll());
    if (!format || !output_->available())
        return false;
    if (output_->isPlaying()) {
        if (!Interrupt)
            return false;
        output_->stop();
    }
    if (!output_->start(path))
        return false;
    if (!Synchronous)
        return true;
    const int64_t wait = std::min<int64_t>(format->durationMs() + WaitMarginMs, INT32_MAX);
    return output_->waitUntilDone(int(wait));
}

} // namespace zg
