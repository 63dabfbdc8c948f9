// The catalog window's five sounds, played the way the window plays them
// (shell::PlaySound through the library) on the desktop tier's sound
// server, and recorded from its null sink: each heard from its first
// audible sample to its last, none cut short.
#include "DesktopTier.h"
#include "SinkRecorder.h"
#include "Sounds.h"

#include <Library.h>
#include <Register.h>
#include <WaveFile.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include <cstdio>
#include <thread>

namespace {

using namespace std::chrono_literals;
using zgtest::SinkRecorder;
using zgtest::SoundClock;

constexpr int Threshold = zgtest::HeardThreshold;
constexpr double LengthToleranceMs = zgtest::HeardLengthToleranceMs;

TEST(ShellSoundsHeard, EveryCatalogSoundIsHeardWhole)
{
    ZG_REQUIRE_DESKTOP();
    qputenv("ZG_WINDOWS_DIR", ZG_TEST_WINDOWS_DIR);
    zg::registerLibrary();
    SinkRecorder recorder;
    const QString why = recorder.start(zgtest::desktop::nullSink());
    ASSERT_TRUE(why.isEmpty()) << why.toStdString();

    for (const char* name : {shell::sound::Clickz, shell::sound::Ftz, shell::sound::NoNo, shell::sound::Snap,
                             shell::sound::Swish}) {
        SCOPED_TRACE(name);
        QFile file(QDir(QString::fromUtf8(ZG_TEST_WINDOWS_DIR)).filePath(QString::fromLatin1(name)));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const std::optional<zg::PcmSound> own = zg::decodeWave(file.readAll());
        ASSERT_TRUE(own);
        const double expected = zgtest::audibleSpan(own->samples, own->channels, Threshold).ms(own->sampleRate);

        const auto before = SoundClock::now();
        shell::PlaySound(QString::fromLatin1(name));
        // The program's event loop runs on meanwhile, as the catalog's would.
        const auto until = before + std::chrono::milliseconds(own->durationMs()) + 400ms;
        while (SoundClock::now() < until) {
            QCoreApplication::processEvents();
            std::this_thread::sleep_for(2ms);
        }
        ASSERT_TRUE(recorder.waitPast(until));
        const zgtest::AudibleSpan heard =
            zgtest::audibleSpan(recorder.samples(), SinkRecorder::Channels, Threshold, recorder.frameAt(before));
        std::printf("[heard] %-18s own %6.1f ms  heard %6.1f ms\n", name, expected, heard.ms(SinkRecorder::Rate));
        EXPECT_NEAR(heard.ms(SinkRecorder::Rate), expected, LengthToleranceMs);
    }
    zg::resetForTests();
    qunsetenv("ZG_WINDOWS_DIR");
}

} // namespace
