#include "Error.h"
#include "MidiSynth.h"
#include "MultimediaImpl.h"
#include "OggSound.h"
#include "RaisedError.h"
#include "ToneSynth.h"
#include "WaveFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <initializer_list>

namespace {

using zg::CapturedSoundOutput;
using zg::MultimediaImpl;
using zg::PcmSound;

// Sign changes of the first channel per second of sound.
double zeroCrossingsPerSecond(const PcmSound& s)
{
    int crossings = 0;
    int last = 0;
    for (int64_t f = 0; f < s.frames(); ++f) {
        const int v = s.samples[size_t(f * s.channels)];
        const int sign = (v > 0) - (v < 0);
        if (sign != 0) {
            if (last != 0 && sign != last)
                ++crossings;
            last = sign;
        }
    }
    return crossings * 1000.0 / double(s.durationMs());
}

double rms(const PcmSound& s)
{
    double sum = 0;
    for (int16_t v : s.samples)
        sum += double(v) * v;
    return s.samples.empty() ? 0 : std::sqrt(sum / double(s.samples.size()));
}

bool silent(const PcmSound& s)
{
    return std::all_of(s.samples.begin(), s.samples.end(), [](int16_t v) { return v == 0; });
}

// A synthesiser that records the notes asked for and answers with a short
// sound, or fails as a machine without a sound font does.
class FakeSynth : public zg::MidiSynth {
public:
    std::unique_ptr<zg::SoundSource> noteSource(int program, int note, int velocity, int durationMs) override
    {
        if (missing)
            plat::raise(zg::ZorvaneMultimedia::ErrCannotPlay, "ZorvaneMultimedia.PlayTone", "No sound font");
        last = {program, note, velocity, durationMs};
        return zg::toneSource(440, durationMs, 100);
    }
    struct Note {
        int program = -1, note = -1, velocity = -1, durationMs = -1;
    } last;
    bool missing = false;
};

class SoundPlayback : public ::testing::Test {
protected:
    std::shared_ptr<CapturedSoundOutput> out = std::make_shared<CapturedSoundOutput>();
    std::shared_ptr<FakeSynth> synth = std::make_shared<FakeSynth>();
    QTemporaryDir theme;
    MultimediaImpl media{out, synth, {theme.path()}};

    const PcmSound& lastPlayed() const { return out->played.back(); }
    void writeThemeSound(const QString& name, const PcmSound& s)
    {
        QFile f(QDir(theme.path()).filePath(name + ".wav"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(zg::encodeWave(s));
    }
};

TEST_F(SoundPlayback, AToneHasItsPitchLengthAndLoudness)
{
    EXPECT_TRUE(media.PlayTone(440, 1000, 100, false, true, false, 71));
    ASSERT_EQ(out->played.size(), 1u);
    const PcmSound loud = lastPlayed();
    EXPECT_EQ(loud.frames(), zg::ToneSampleRate);
    EXPECT_NEAR(zeroCrossingsPerSecond(loud), 880.0, 4.0);

    ASSERT_TRUE(media.PlayTone(440, 1000, 50, false, true, false, 71));
    const double ratio = rms(lastPlayed()) / rms(loud);
    EXPECT_NEAR(ratio, 0.5, 0.02);

    // Other pitches and lengths, the bounds the demo allows included.
    ASSERT_TRUE(media.PlayTone(1000, 50, 100, false, true, false, 0));
    EXPECT_EQ(lastPlayed().durationMs(), 50);
    EXPECT_NEAR(zeroCrossingsPerSecond(lastPlayed()), 2000.0, 60.0);
    ASSERT_TRUE(media.PlayTone(37, 30000, 100, false, true, false, 0));
    EXPECT_EQ(lastPlayed().durationMs(), 30000);
    // Above hearing: silent, never a pitch folded back into hearing.
    ASSERT_TRUE(media.PlayTone(32000, 100, 100, false, true, false, 0));
    EXPECT_TRUE(silent(lastPlayed()));
}

TEST_F(SoundPlayback, FrequencyOrVolumeZeroIsSilenceOfTheSameLength)
{
    ASSERT_TRUE(media.PlayTone(0, 500, 100, false, true, false, 0));
    EXPECT_EQ(lastPlayed().durationMs(), 500);
    EXPECT_TRUE(silent(lastPlayed()));
    ASSERT_TRUE(media.PlayTone(440, 500, 0, false, true, false, 0));
    EXPECT_EQ(lastPlayed().durationMs(), 500);
    EXPECT_TRUE(silent(lastPlayed()));
    ASSERT_TRUE(media.PlayTone(60, 500, 0, false, true, true, 0));
    EXPECT_EQ(synth->last.velocity, 0);
}

TEST_F(SoundPlayback, MidiNotesGoToTheSynthesiserWithVelocityFromVolume)
{
    ASSERT_TRUE(media.PlayTone(72, 500, 100, false, true, true, 71));
    EXPECT_EQ(synth->last.program, 71);
    EXPECT_EQ(synth->last.note, 72);
    EXPECT_EQ(synth->last.velocity, 127);
    EXPECT_EQ(synth->last.durationMs, 500);
    ASSERT_TRUE(media.PlayTone(72, 500, 50, false, true, true, 0));
    EXPECT_EQ(synth->last.velocity, 64); // 63.5 rounds to even
    ASSERT_TRUE(media.PlayTone(72, 500, 30000, false, true, true, 0));
    EXPECT_EQ(synth->last.velocity, 127);

    EXPECT_EQ(raisedError([&] { media.PlayTone(128, 500, 100, false, true, true, 0); }), plat::err::InvalidCall);
    EXPECT_EQ(raisedError([&] { media.PlayTone(60, 500, 100, false, true, true, 128); }), plat::err::InvalidCall);
    EXPECT_EQ(raisedError([&] { media.PlayTone(-1, 500, 100, false, true, false, 0); }), plat::err::InvalidCall);
    EXPECT_EQ(raisedError([&] { media.PlayTone(60, -5, 100, false, true, false, 0); }), plat::err::InvalidCall);
    EXPECT_EQ(raisedError([&] { media.PlayTone(60, 500, -1, false, true, false, 0); }), plat::err::InvalidCall);
}

TEST_F(SoundPlayback, NoSynthesiserOrNoDeviceRaisesTheCannotPlayError)
{
    synth->missing = true;
    EXPECT_EQ(raisedError([&] { media.PlayTone(60, 500, 100, false, true, true, 0); }),
              zg::ZorvaneMultimedia::ErrCannotPlay);
    // Frequency mode needs no synthesiser.
    EXPECT_TRUE(media.PlayTone(440, 100, 100, false, true, false, 0));

    out->device = false;
    EXPECT_EQ(raisedError([&] { media.PlayTone(440, 100, 100, false, true, false, 0); }),
              zg::ZorvaneMultimedia::ErrCannotPlay);
    EXPECT_FALSE(media.PlaySystemSound(-1));
    out->device = true;
    out->refuses = true;
    EXPECT_EQ(raisedError([&] { media.PlayTone(440, 100, 100, false, true, false, 0); }),
              zg::ZorvaneMultimedia::ErrCannotPlay);
}

TEST_F(SoundPlayback, WithoutInterruptASecondSoundLeavesTheFirstPlaying)
{
    ASSERT_TRUE(media.PlayTone(440, 1000, 100, false, true, false, 0));
    EXPECT_FALSE(media.PlayTone(880, 1000, 100, false, false, false, 0));
    EXPECT_FALSE(media.PlaySystemSound(-1, false, false));
    EXPECT_EQ(out->played.size(), 1u);
    EXPECT_EQ(out->stops, 0);
    EXPECT_TRUE(out->playing);

    ASSERT_TRUE(media.PlayTone(880, 1000, 100, false, true, false, 0));
    EXPECT_EQ(out->stops, 1);
    EXPECT_EQ(out->played.size(), 2u);

    // Synchronous: waits at least the sound's length, and the sound is over.
    ASSERT_TRUE(media.PlayTone(880, 2000, 100, true, true, false, 0));
    EXPECT_GE(out->waitedMs, 2000);
    EXPECT_FALSE(out->playing);
    // Once a sound has ended, no interrupt is needed.
    EXPECT_TRUE(media.PlayTone(880, 100, 100, false, false, false, 0));
}

TEST_F(SoundPlayback, SystemSoundsComeFromTheThemeWithTheDefaultAndTheBeepBehind)
{
    PcmSound bell = zg::generateTone(1200, 300, 100);
    PcmSound error = zg::generateTone(300, 200, 100);
    error.sampleRate = 22050;
    writeThemeSound("bell", bell);
    writeThemeSound("dialog-error", error);

    ASSERT_TRUE(media.PlaySystemSound(16));
    EXPECT_EQ(lastPlayed().sampleRate, 22050);
    EXPECT_EQ(lastPlayed().samples, error.samples);
    // No sound of its own: the default, or nothing without the fallback.
    ASSERT_TRUE(media.PlaySystemSound(48));
    EXPECT_EQ(lastPlayed().samples, bell.samples);
    const size_t before = out->played.size();
    EXPECT_FALSE(media.PlaySystemSound(48, false, true, false));
    EXPECT_FALSE(media.PlaySystemSound(12345, false, true, false));
    EXPECT_EQ(out->played.size(), before);

    ASSERT_TRUE(media.PlaySystemSound(-1));
    EXPECT_GT(rms(lastPlayed()), 1000.0);
    EXPECT_NEAR(zeroCrossingsPerSecond(lastPlayed()), 2 * 880.0, 20.0);

    // A theme file that is not a sound: the default stands in.
    QFile broken(QDir(theme.path()).filePath("dialog-warning.wav"));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("not a wave");
    broken.close();
    ASSERT_TRUE(media.PlaySystemSound(48));
    EXPECT_EQ(lastPlayed().samples, bell.samples);
}

TEST(SystemSoundTheme, EveryIdentifierHasAnInstalledSoundThatDecodes)
{
    const QString folder = QStringLiteral("/usr/share/sounds/freedesktop/stereo");
    if (!QFileInfo(folder).isDir())
        GTEST_SKIP() << "the freedesktop sound theme is not installed";
    auto out = std::make_shared<CapturedSoundOutput>();
    MultimediaImpl media(out, std::make_shared<FakeSynth>(), {folder});
    const int32_t ids[] = {0,     16,    32,    48,    64,    30000, 30001, 30002, 30003, 30004,
                           30005, 30006, 30007, 30008, 30009, 30010, 30011, 30012, 30013, 30014,
                           30015, 30016, 30017, 30018, 30019, 30020, 30021, 30022};
    for (int32_t id : ids) {
        SCOPED_TRACE(id);
        const std::optional<QString> file = media.systemSoundFile(id);
        ASSERT_TRUE(file);
        const std::optional<PcmSound> pcm = zg::decodeOggVorbis(*file);
        ASSERT_TRUE(pcm);
        EXPECT_GT(pcm->durationMs(), 20);
        EXPECT_GT(rms(*pcm), 50.0);
    }
    EXPECT_TRUE(media.PlaySystemSound(30018, true, true));
    EXPECT_FALSE(zg::decodeOggVorbis(folder + "/no-such-sound.oga"));
}

TEST(MidiSynthesis, ANoteSoundsLikeItsInstrument)
{
    const QStringList fonts = zg::defaultSoundFonts();
    if (std::none_of(fonts.begin(), fonts.end(), [](const QString& f) { return QFileInfo(f).isFile(); }))
        GTEST_SKIP() << "no General MIDI sound font is installed";
    auto synth = zg::makeSoundFontSynth();
    const PcmSound piano = synth->renderNote(0, 60, 127, 500);
    const PcmSound trumpet = synth->renderNote(56, 60, 127, 500);
    const PcmSound soft = synth->renderNote(0, 60, 40, 500);
    EXPECT_EQ(piano.sampleRate, 44100);
    EXPECT_GE(piano.durationMs(), 500);
    EXPECT_LE(piano.durationMs(), 1600);
    EXPECT_GT(rms(piano), 200.0);
    EXPECT_GT(rms(trumpet), 200.0);
    EXPECT_LT(rms(soft), rms(piano));
    // Two instruments differ well beyond the rounding of samples.
    const size_t n = std::min(piano.samples.size(), trumpet.samples.size());
    double diff = 0;
    for (size_t i = 0; i < n; ++i)
        diff += std::abs(double(piano.samples[i]) - trumpet.samples[i]);
    EXPECT_GT(diff / double(n), 100.0);
    // Middle C's pitch shows in the trumpet's crossings (262 Hz, twice a period; some overtones add).
    EXPECT_GT(zeroCrossingsPerSecond(trumpet), 400.0);
    // Velocity 0: silence of the note's length.
    const PcmSound none = synth->renderNote(0, 60, 0, 300);
    EXPECT_EQ(none.durationMs(), 300);
    EXPECT_TRUE(silent(none));
}

// Whether a library of this name is mapped into the process.
bool loaded(const char* library)
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains(library);
}

TEST(SoundModule, TheDeviceAndSynthesiserLibrariesLoadOnlyWhenASoundNeedsThem)
{
    // The module, once loaded, stays for the life of the process.
    if (loaded("libzorvane_sound"))
        GTEST_SKIP() << "an earlier test of this program loaded the module (run it alone)";
    auto output = zg::makeDeviceSoundOutput();
    auto synth = zg::makeSoundFontSynth({"/nonexistent/none.sf2"});
    // Asking whether anything plays, stopping and waiting need no device.
    EXPECT_FALSE(output->isPlaying());
    output->stop();
    EXPECT_TRUE(output->waitUntilDone(10));
    EXPECT_FALSE(loaded("libzorvane_sound"));
    EXPECT_FALSE(loaded("libfluidsynth"));
    EXPECT_FALSE(loaded("libpulse"));
    // The first note loads the module (and fails here for want of a font).
    EXPECT_EQ(raisedError([&] { synth->renderNote(0, 60, 100, 100); }), zg::ZorvaneMultimedia::ErrCannotPlay);
    EXPECT_TRUE(loaded("libzorvane_sound"));
    EXPECT_TRUE(loaded("libfluidsynth"));
}

// Reads a source in chunks of the given sizes, in turn, to its end.
PcmSound readInChunks(zg::SoundSource& source, std::initializer_list<int64_t> sizes)
{
    PcmSound out;
    out.sampleRate = source.sampleRate();
    out.channels = source.channels();
    for (size_t i = 0;; ++i) {
        const int64_t want = *(sizes.begin() + i % sizes.size());
        std::vector<int16_t> chunk(size_t(want * out.channels));
        const int64_t got = source.read(chunk.data(), want);
        EXPECT_LE(got, want);
        out.samples.insert(out.samples.end(), chunk.begin(), chunk.begin() + got * out.channels);
        if (got == 0)
            return out;
    }
}

TEST(SoundSources, ATonePlayedAsItIsMadeIsTheWholeToneSampleForSample)
{
    for (int ms : {50, 1000}) {
        const auto source = zg::toneSource(523.25, ms, 80);
        EXPECT_EQ(source->maxDurationMs(), ms);
        const PcmSound streamed = readInChunks(*source, {1, 441, 4000, 7});
        EXPECT_EQ(streamed.samples, zg::generateTone(523.25, ms, 80).samples);
        EXPECT_EQ(streamed.frames(), int64_t(ms) * 441 / 10);
    }
}

// The largest difference of two sounds' samples; a different length counts
// as the whole range.
int largestDifference(const PcmSound& a, const PcmSound& b)
{
    if (a.samples.size() != b.samples.size())
        return 65535;
    int most = 0;
    for (size_t i = 0; i < a.samples.size(); ++i)
        most = std::max(most, std::abs(int(a.samples[i]) - int(b.samples[i])));
    return most;
}

bool haveSoundFont()
{
    const QStringList fonts = zg::defaultSoundFonts();
    return std::any_of(fonts.begin(), fonts.end(), [](const QString& f) { return QFileInfo(f).isFile(); });
}

TEST(MidiSynthesis, ANotePlayedAsItIsMadeIsTheWholeNoteAndEndsWithItsRelease)
{
    if (!haveSoundFont())
        GTEST_SKIP() << "no General MIDI sound font is installed";
    auto synth = zg::makeSoundFontSynth();
    // The synthesiser's very first note begins a few samples later than
    // every note after it.
    synth->renderNote(0, 60, 127, 20);
    const PcmSound whole = synth->renderNote(24, 67, 100, 250);
    const auto source = synth->noteSource(24, 67, 100, 250);
    EXPECT_GE(source->maxDurationMs(), whole.durationMs());
    const PcmSound streamed = readInChunks(*source, {3, 441, 1000, 64});
    EXPECT_LE(largestDifference(streamed, whole), 2); // the synthesiser's rounding, nothing more
    EXPECT_GT(whole.durationMs(), 250); // the release follows the held part
    // Read again after its end: nothing more.
    int16_t more[8];
    EXPECT_EQ(source->read(more, 4), 0);
}

TEST(MidiSynthesis, ANewerNoteEndsAnOlderOneAndANoteOutlivesItsSynthesiser)
{
    if (!haveSoundFont())
        GTEST_SKIP() << "no General MIDI sound font is installed";
    auto synth = zg::makeSoundFontSynth();
    synth->renderNote(0, 60, 127, 20); // see above
    const PcmSound alone = synth->renderNote(0, 60, 127, 400);
    auto older = synth->noteSource(0, 48, 127, 5000);
    std::vector<int16_t> chunk(441 * 2);
    ASSERT_EQ(older->read(chunk.data(), 441), 441);
    auto newer = synth->noteSource(0, 60, 127, 400);
    // The newer note starts clean, as if the older had never sounded...
    synth.reset();
    const PcmSound heard = readInChunks(*newer, {441});
    EXPECT_LE(largestDifference(heard, alone), 2);
    // ...and the older one, which lost the synthesiser, is over.
    EXPECT_EQ(older->read(chunk.data(), 441), 0);
}

// The device output when the machine's sound server cannot be reached: the
// library reports it as it reports a machine without sound.
TEST(SoundServer, WithoutAServerNothingPlaysAndTheLibrarySaysSo)
{
    const QByteArray saved = qgetenv("PULSE_SERVER");
    qputenv("PULSE_SERVER", "unix:/nonexistent/zg-no-sound-server");
    {
        auto output = zg::makeDeviceSoundOutput();
        EXPECT_FALSE(output->available());
        EXPECT_FALSE(output->start(zg::toneSource(440, 100, 100)));
        EXPECT_FALSE(output->isPlaying());
        EXPECT_TRUE(output->waitUntilDone(100));
        zg::MultimediaImpl media(output, std::make_shared<FakeSynth>());
        EXPECT_EQ(raisedError([&] { media.PlayTone(440, 100, 100, true, true, false, 0); }),
                  zg::ZorvaneMultimedia::ErrCannotPlay);
        EXPECT_FALSE(media.PlaySystemSound(-1, true, true));
    }
    if (saved.isNull())
        qunsetenv("PULSE_SERVER");
    else
        qputenv("PULSE_SERVER", saved);
}

TEST(MidiSynthesis, NoSoundFontRaisesTheCannotPlayError)
{
    auto synth = zg::makeSoundFontSynth({"/nonexistent/none.sf2"});
    EXPECT_EQ(raisedError([&] { synth->renderNote(0, 60, 100, 100); }), zg::ZorvaneMultimedia::ErrCannotPlay);
    QTemporaryDir dir;
    QFile bad(dir.filePath("bad.sf2"));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("RIFF nonsense");
    bad.close();
    auto broken = zg::makeSoundFontSynth({bad.fileName()});
    EXPECT_EQ(raisedError([&] { broken->renderNote(0, 60, 100, 100); }), zg::ZorvaneMultimedia::ErrCannotPlay);
}

// A wave file of raw sample bytes in a given encoding.
QByteArray rawWave(uint16_t encoding, uint16_t channels, uint16_t bits, const QByteArray& data)
{
    auto le32 = [](uint32_t v) { QByteArray b(4, 0); qToLittleEndian(v, b.data()); return b; };
    auto le16 = [](uint16_t v) { QByteArray b(2, 0); qToLittleEndian(v, b.data()); return b; };
    const uint16_t align = uint16_t(channels * bits / 8);
    const QByteArray fmt = le16(encoding) + le16(channels) + le32(8000) + le32(8000u * align) + le16(align) + le16(bits);
    const QByteArray body = QByteArray("WAVE") + "fmt " + le32(uint32_t(fmt.size())) + fmt + "data"
                            + le32(uint32_t(data.size())) + data;
    return QByteArray("RIFF") + le32(uint32_t(body.size())) + body;
}

TEST(WaveDecoding, SampleFormatsBecomeSixteenBitPcm)
{
    // 8-bit unsigned: 0x80 is silence, 0xFF near full scale.
    auto eight = zg::decodeWave(rawWave(1, 1, 8, QByteArray("\x80\xFF\x00", 3)));
    ASSERT_TRUE(eight);
    EXPECT_EQ(eight->samples, (std::vector<int16_t>{0, 127 << 8, -32768}));
    // 24-bit: the top 16 bits.
    auto deep = zg::decodeWave(rawWave(1, 1, 24, QByteArray("\x00\x34\x12\xFF\xFF\xFF", 6)));
    ASSERT_TRUE(deep);
    EXPECT_EQ(deep->samples, (std::vector<int16_t>{0x1234, -1}));
    // 32-bit float, clamped.
    QByteArray floats(12, 0);
    const float values[] = {0.5f, -2.0f, 1.0f};
    for (int i = 0; i < 3; ++i) {
        uint32_t raw;
        std::memcpy(&raw, &values[i], 4);
        qToLittleEndian(raw, floats.data() + 4 * i);
    }
    auto fl = zg::decodeWave(rawWave(3, 1, 32, floats));
    ASSERT_TRUE(fl);
    EXPECT_EQ(fl->samples, (std::vector<int16_t>{16384, -32767, 32767}));
    // Four channels: the first two are kept.
    QByteArray quad(8, 0);
    for (int c = 0; c < 4; ++c)
        qToLittleEndian(int16_t(100 * (c + 1)), quad.data() + 2 * c);
    auto q = zg::decodeWave(rawWave(1, 4, 16, quad));
    ASSERT_TRUE(q);
    EXPECT_EQ(q->channels, 2);
    EXPECT_EQ(q->samples, (std::vector<int16_t>{100, 200}));
    // Samples of less than a byte are not read.
    EXPECT_FALSE(zg::decodeWave(rawWave(1, 1, 4, QByteArray(4, 0))));

    const PcmSound tone = zg::generateTone(440, 100, 100);
    auto back = zg::decodeWave(zg::encodeWave(tone));
    ASSERT_TRUE(back);
    EXPECT_EQ(back->samples, tone.samples);
}

} // namespace
