// Ogg Vorbis files (the desktop's event sounds) decoded to 16-bit PCM.
#pragma once
#include "SoundOutput.h"

#include <QString>
#include <optional>

namespace zg {

// The whole sound of an Ogg Vorbis file (a system path); nothing when the
// file is missing or not Ogg Vorbis. Mono and stereo stay as they are; of
// more channels the first two are kept.
std::optional<PcmSound> decodeOggVorbis(const QString& path);

} // namespace zg
