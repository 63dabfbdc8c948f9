#include "MultimediaImpl.h"

#include "OggSound.h"
#include "Paths.h"
#include "ToneSynth.h"
#include "WaveFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <algorithm>
#include <cmath>

namespace zg {

namespace {

// Wave files larger than this are not read.
constexpr qint64 MaxWaveBytes = 256LL * 1024 * 1024;
// Extra time a synchronous play waits beyond the sound's own length.
constexpr int64_t WaitMarginMs = 3000;

[[noreturn]] void invalidArgument(const QString& why)
{
    plat::raise(plat::err::InvalidCall, QStringLiteral("ZorvaneMultimedia.PlayTone"), why);
}

[[noreturn]] void cannotPlay(const QString& why)
{
    plat::raise(ZorvaneMultimedia::ErrCannotPlay, QStringLiteral("ZorvaneMultimedia.PlayTone"), why);
}

// The freedesktop sound theme's event names for each identifier, the
// preferred one first; the names after it are ones the theme ships, for
// themes (like the freedesktop one itself) that lack the first.
struct EventSound {
    int32_t id;
    const char* names[3];
};
constexpr EventSound EventSounds[] = {
    {0, {"bell"}},
    {16, {"dialog-error"}},
    {32, {"dialog-question", "window-question"}},
    {48, {"dialog-warning"}},
    {64, {"dialog-information"}},
    {30000, {"desktop-login", "service-login"}},
    {30001, {"desktop-logout", "service-logout"}},
    {30002, {"bell-window-system", "bell"}},
    {30003, {"item-selected", "audio-volume-change"}},
    {30004, {"window-close", "device-removed"}},
    {30005, {"message-new-email", "message"}},
    {30006, {"window-maximized", "window-attention"}},
    {30007, {"menu-click", "audio-volume-change"}},
    {30008, {"menu-popup", "window-attention"}},
    {30009, {"window-minimized", "device-removed"}},
    {30010, {"window-new", "device-added"}},
    {30011, {"window-unmaximized", "device-removed"}},
    {30012, {"window-unminimized", "device-added"}},
    {30013, {"presence-online", "network-connectivity-established"}},
    {30014, {"presence-offline", "network-connectivity-lost"}},
    {30015, {"phone-incoming-call"}},
    {30016, {"message-new-instant"}},
    {30017, {"document-open", "complete"}},
    {30018, {"trash-empty"}},
    {30019, {"menu-replace", "audio-volume-change"}},
    {30020, {"link-pressed", "audio-volume-change"}},
    {30021, {"battery-caution", "suspend-error"}},
    {30022, {"battery-low", "power-unplug"}},
};

QStringList defaultThemeFolders()
{
    QStringList folders;
    for (const QString& data : QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation))
        folders << QDir(data).filePath(QStringLiteral("sounds/freedesktop/stereo"));
    if (!folders.contains(QStringLiteral("/usr/share/sounds/freedesktop/stereo")))
        folders << QStringLiteral("/usr/share/sounds/freedesktop/stereo");
    return folders;
}

std::optional<PcmSound> decodeSoundFile(const QString& path)
{
    if (path.endsWith(QLatin1String(".wav"), Qt::CaseInsensitive)) {
        QFile file(path);
        if (QFileInfo(path).size() > MaxWaveBytes || !file.open(QIODevice::ReadOnly))
            return std::nullopt;
        return decodeWave(file.readAll());
    }
    return decodeOggVorbis(path);
}

} // namespace

MultimediaImpl::MultimediaImpl(std::shared_ptr<SoundOutput> output, std::shared_ptr<MidiSynth> synth,
                               QStringList soundThemeFolders)
    : output_(output ? std::move(output) : makeDeviceSoundOutput())
    , synth_(synth ? std::move(synth) : makeSoundFontSynth())
    , themeFolders_(soundThemeFolders.isEmpty() ? defaultThemeFolders() : std::move(soundThemeFolders))
{
}

MultimediaImpl::Outcome MultimediaImpl::play(std::unique_ptr<SoundSource> sound, bool synchronous, bool interrupt)
{
    if (output_->isPlaying()) {
        if (!interrupt)
            return Outcome::Busy;
        output_->stop();
    }
    const int64_t length = sound->maxDurationMs();
    if (!output_->start(std::move(sound)))
        return Outcome::Refused;
    if (!synchronous)
        return Outcome::Played;
    const int64_t wait = std::min<int64_t>(length + WaitMarginMs, INT32_MAX);
    return output_->waitUntilDone(int(wait)) ? Outcome::Played : Outcome::Refused;
}

bool MultimediaImpl::PlayTone(int16_t NoteOrFrequency, int16_t DurationMs, int16_t Volume, bool Synchronous,
                              bool Interrupt, bool IsMidiNote, int32_t Instrument)
{
    if (NoteOrFrequency < 0 || DurationMs < 0 || Volume < 0)
        invalidArgument(QStringLiteral("The note or frequency, the duration and the volume must not be negative."));
    if (IsMidiNote && (NoteOrFrequency > 127 || Instrument < 0 || Instrument > 127))
        invalidArgument(QStringLiteral("MIDI notes and instruments are numbered 0 to 127."));
    if (!output_->available())
        cannotPlay(QStringLiteral("No sound device is available."));
    // A sound that would not start is not made.
    if (output_->isPlaying() && !Interrupt)
        return false;

    const int volume = std::min<int>(Volume, 100);
    std::unique_ptr<SoundSource> sound;
    if (IsMidiNote) {
        const int velocity = int(std::nearbyint(volume * 127.0 / 100.0));
        sound = synth_->noteSource(int(Instrument), NoteOrFrequency, velocity, DurationMs);
    } else {
        sound = toneSource(NoteOrFrequency, DurationMs, volume);
    }
    const Outcome outcome = play(std::move(sound), Synchronous, Interrupt);
    if (outcome == Outcome::Refused)
        cannotPlay(QStringLiteral("The sound device did not play the tone."));
    return outcome == Outcome::Played;
}

std::optional<QString> MultimediaImpl::systemSoundFile(int32_t SoundID) const
{
    const auto* entry = std::find_if(std::begin(EventSounds), std::end(EventSounds),
                                     [SoundID](const EventSound& e) { return e.id == SoundID; });
    if (entry == std::end(EventSounds))
        return std::nullopt;
    for (const char* name : entry->names) {
        if (!name)
            break;
        for (const QString& folder : themeFolders_) {
            for (const char* ext : {".oga", ".ogg", ".wav"}) {
                const QString path = QDir(folder).filePath(QLatin1String(name) + QLatin1String(ext));
                if (QFileInfo(path).isFile())
                    return path;
            }
        }
    }
    return std::nullopt;
}

bool MultimediaImpl::PlaySystemSound(int32_t SoundID, bool Synchronous, bool Interrupt, bool DefaultIfMissing)
{
    if (!output_->available())
        return false;
    std::optional<PcmSound> sound;
    if (SoundID == SoundPCSpeaker) {
        sound = speakerBeep();
    } else {
        std::optional<QString> file = systemSoundFile(SoundID);
        if (!file && DefaultIfMissing)
            file = systemSoundFile(0);
        if (file)
            sound = decodeSoundFile(*file);
        // The default sound stands in for one that cannot be decoded too;
        // with no default sound either, the speaker's beep.
        if (!sound && DefaultIfMissing && SoundID != 0) {
            if (const std::optional<QString> fallback = systemSoundFile(0))
                sound = decodeSoundFile(*fallback);
        }
        if (!sound && DefaultIfMissing)
            sound = speakerBeep();
    }
    if (!sound)
        return false;
    return play(std::make_unique<PcmSource>(std::move(*sound)), Synchronous, Interrupt) == Outcome::Played;
}

bool MultimediaImpl::PlayWaveFile(const QString& Path, bool Synchronous, bool Interrupt)
{
    if (Path.isEmpty())
        return false;
    const QString path = plat::toSystemPath(Path);
    const QFileInfo info(path);
    if (!info.isFile() || info.size() > MaxWaveBytes)
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    std::optional<PcmSound> sound = decodeWave(file.readAll());
    if (!sound || !output_->available())
        return false;
    return play(std::make_unique<PcmSource>(std::move(*sound)), Synchronous, Interrupt) == Outcome::Played;
}

} // namespace zg
