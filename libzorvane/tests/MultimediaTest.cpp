#include "MultimediaImpl.h"
#include "Paths.h"
#include "WaveFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>

namespace {

// A well-formed 16-bit PCM wave of `samples` silent samples a channel,
// mono at 8000 Hz unless told.
QByteArray wave(int samples, uint16_t channels = 1, uint32_t rate = 8000)
{
    return zg::encodeWave(zg::PcmSound{ int(rate), channels, std::vector<int16_t>(size_t(samples) * channels) });
}

void patch32(QByteArray& b, int at, uint32_t v)
{
    qToLittleEndian(v, b.data() + at);
}
void patch16(QByteArray& b, int at, uint16_t v)
{
    qToLittleEndian(v, b.data() + at);
}

TEST(WaveCheck, AcceptsAWellFormedFileAndRefusesBrokenOnes)
{
    const QByteArray good = wave(8000);
    const auto format = zg::parseWave(good);
    ASSERT_TRUE(format);
    EXPECT_EQ(format->channels, 1);
    EXPECT_EQ(format->sampleRate, 8000u);
    EXPECT_EQ(format->durationMs(), 1000);

    // Offsets in the file above: RIFF size 4, fmt chunk size 16, channels
    // 22, rate 24, block align 32, data size 40.
    QByteArray b;
    EXPECT_FALSE(zg::parseWave(good.left(30)));             // cut inside the fmt chunk
    EXPECT_FALSE(zg::parseWave(good.left(good.size() - 1))); // data runs past the end
    b = good; patch32(b, 4, uint32_t(good.size()));           // RIFF size past the end
    EXPECT_FALSE(zg::parseWave(b));
    b = good; patch16(b, 22, 0);                              // no channels
    EXPECT_FALSE(zg::parseWave(b));
    b = good; patch32(b, 24, 0);                              // no sample rate
    EXPECT_FALSE(zg::parseWave(b));
    b = good; patch16(b, 32, 0);                              // no block alignment
    EXPECT_FALSE(zg::parseWave(b));
    b = good; patch32(b, 40, 0xFFFFFFF0u);                    // data size past the end
    EXPECT_FALSE(zg::parseWave(b));
    b = good; patch32(b, 16, 0xFFFFFFFFu);                    // fmt size past the end
    EXPECT_FALSE(zg::parseWave(b));
    b = good; b.replace(12, 4, "junk");                       // no fmt chunk at all
    EXPECT_FALSE(zg::parseWave(b));
    b = good; b.replace(8, 4, "AVI ");
    EXPECT_FALSE(zg::parseWave(b));
    EXPECT_FALSE(zg::parseWave(QByteArray()));
    EXPECT_FALSE(zg::parseWave("RIFF"));
}

class WavePlayback : public ::testing::Test {
protected:
    QString write(const QString& name, const QByteArray& bytes)
    {
        QFile f(dir.filePath(name));
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
        return plat::fromSystemPath(f.fileName());
    }

    QTemporaryDir dir;
    std::shared_ptr<zg::CapturedSoundOutput> sound = std::make_shared<zg::CapturedSoundOutput>();
    zg::MultimediaImpl media{sound};
};

TEST_F(WavePlayback, BrokenOrMissingFilesFailWithoutReachingTheDevice)
{
    QByteArray noChannels = wave(100);
    patch16(noChannels, 22, 0);
    EXPECT_FALSE(media.PlayWaveFile(write("a.wav", noChannels)));
    EXPECT_FALSE(media.PlayWaveFile(write("b.wav", wave(100).left(20))));
    EXPECT_FALSE(media.PlayWaveFile(write("c.wav", "not a wave file at all")));
    EXPECT_FALSE(media.PlayWaveFile(plat::fromSystemPath(dir.path()) + "\\Missing.wav"));
    EXPECT_FALSE(media.PlayWaveFile(plat::fromSystemPath(dir.path()))); // a folder
    EXPECT_FALSE(media.PlayWaveFile(""));
    EXPECT_TRUE(sound->played.empty());
}

TEST_F(WavePlayback, InterruptStopsTheSoundPlayingOtherwiseTheNewOneFails)
{
    const QString path = write("ok.wav", wave(4000));
    EXPECT_TRUE(media.PlayWaveFile(path, false, true));
    ASSERT_EQ(sound->played.size(), 1);
    EXPECT_TRUE(sound->playing);

    EXPECT_FALSE(media.PlayWaveFile(path, false, false));
    EXPECT_EQ(sound->played.size(), 1);

    EXPECT_TRUE(media.PlayWaveFile(path, false, true));
    EXPECT_EQ(sound->stops, 1);
    EXPECT_EQ(sound->played.size(), 2);
}

TEST_F(WavePlayback, SynchronousPlayWaitsForTheSoundsLengthAndNoDeviceIsFailure)
{
    EXPECT_TRUE(media.PlayWaveFile(write("half.wav", wave(4000)), true, true));
    EXPECT_GE(sound->waitedMs, 500); // 4000 samples at 8000 Hz, plus a margin
    EXPECT_FALSE(sound->playing);

    sound->device = false;
    EXPECT_FALSE(media.PlayWaveFile(write("ok.wav", wave(100))));
}

TEST(WaveDevice, PlayingOnTheMachinesOutputNeverCrashes)
{
    QTemporaryDir dir;
    QFile f(dir.filePath("short.wav"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(wave(80));
    f.close();
    zg::MultimediaImpl media;
    // With a sound device it plays, without one it reports failure.
    const bool played = media.PlayWaveFile(plat::fromSystemPath(f.fileName()), true, true);
    (void)played;
    SUCCEED();
}

} // namespace
