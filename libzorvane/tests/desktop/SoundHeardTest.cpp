// Sounds as the desktop tier's sound server plays them, recorded from its
// null sink's monitor: each heard whole, from its first sample to its
// last; a synchronous play returning once its last sample has been heard;
// an interrupting sound cutting the one before at once, and one that does
// not interrupt leaving it alone; windows painting but taking no input
// while a synchronous sound plays.
#include "DesktopTier.h"
#include "MidiSynth.h"
#include "MultimediaImpl.h"
#include "OggSound.h"
#include "SinkRecorder.h"
#include "ToneSynth.h"

#include <QMouseEvent>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

#include <chrono>
#include <cstdio>
#include <functional>
#include <thread>

namespace {

using namespace std::chrono_literals;
using zgtest::SinkRecorder;
using zgtest::SoundClock;

constexpr int Threshold = zgtest::HeardThreshold;
constexpr double LengthToleranceMs = zgtest::HeardLengthToleranceMs;
// A synchronous play returns after the last sample has reached the
// recorder and at most this much later. The recorder's fragments are
// 2 ms; the server's own player exits 8 to 16 ms after the last sample.
constexpr double ReturnLateMs = 30;
// A return this much before the last sample's fragment came in still
// counts as after it: the fragment may wait that long to be handed over.
constexpr double ReturnEarlyMs = 3;

double msBetween(SoundClock::time_point a, SoundClock::time_point b)
{
    return std::chrono::duration<double, std::milli>(b - a).count();
}

// Lets time pass as a program's event loop does, until t.
void runEventsUntil(SoundClock::time_point t)
{
    while (SoundClock::now() < t) {
        QCoreApplication::processEvents();
        std::this_thread::sleep_for(2ms);
    }
}

double ownMs(const zg::PcmSound& sound)
{
    return zgtest::audibleSpan(sound.samples, sound.channels, Threshold).ms(sound.sampleRate);
}

struct Heard {
    zgtest::AudibleSpan span;
    double ms = 0;
    SoundClock::time_point firstArrival, lastArrival;
};

class SoundHeard : public ::testing::Test {
protected:
    void SetUp() override
    {
        ZG_REQUIRE_DESKTOP();
        const QString why = recorder.start(zgtest::desktop::nullSink());
        ASSERT_TRUE(why.isEmpty()) << why.toStdString();
        ASSERT_TRUE(media.PlayTone(0, 50, 0, true, true, false, 0)); // the module loaded and connected
    }

    // What the sink played from `from` on, once the recording has passed
    // `until`.
    Heard listen(SoundClock::time_point from, SoundClock::time_point until)
    {
        runEventsUntil(until);
        EXPECT_TRUE(recorder.waitPast(until));
        Heard h;
        h.span = zgtest::audibleSpan(recorder.samples(), SinkRecorder::Channels, Threshold, recorder.frameAt(from));
        h.ms = h.span.ms(SinkRecorder::Rate);
        if (!h.span.empty()) {
            h.firstArrival = recorder.arrivalOf(h.span.first);
            h.lastArrival = recorder.arrivalOf(h.span.last);
        }
        return h;
    }

    // Plays synchronously with `play` and checks the length heard and the
    // moment the play returned: after the sound's last sample (audible or
    // not: a note's release and a file's quiet end count too) has come
    // out of the sink, and soon after.
    void expectHeardWholeAndWaitedFor(const char* what, const zg::PcmSound& own, const std::function<bool()>& play)
    {
        SCOPED_TRACE(what);
        const auto before = SoundClock::now();
        ASSERT_TRUE(play());
        const auto returned = SoundClock::now();
        const Heard h = listen(before, returned + 300ms);
        ASSERT_FALSE(h.span.empty()) << "nothing was heard";
        const zgtest::AudibleSpan ownSpan = zgtest::audibleSpan(own.samples, own.channels, Threshold);
        const double expected = ownSpan.ms(own.sampleRate);
        // Where the sound's last sample lies in the recording, counted from
        // its first audible one.
        const double tailMs = double(own.frames() - 1 - ownSpan.first) * 1000.0 / own.sampleRate;
        const int64_t lastFrame = h.span.first + int64_t(tailMs * SinkRecorder::Rate / 1000.0);
        const double late = msBetween(recorder.arrivalOf(lastFrame), returned);
        std::printf("[heard] %-28s own %7.1f ms  heard %7.1f ms  returned %+6.1f ms after the last sample\n", what,
                    expected, h.ms, late);
        EXPECT_NEAR(h.ms, expected, LengthToleranceMs);
        EXPECT_GE(late, -ReturnEarlyMs) << "returned before the last sample was heard";
        EXPECT_LE(late, ReturnLateMs);
    }

    SinkRecorder recorder;
    zg::MultimediaImpl media;
};

TEST_F(SoundHeard, TonesOfEveryLengthAreHeardWholeAndWaitedForToTheirEnd)
{
    for (int ms : {50, 200, 1000}) {
        const std::string what = "tone " + std::to_string(ms) + " ms";
        expectHeardWholeAndWaitedFor(what.c_str(), zg::generateTone(1000, ms, 100),
                                     [&] { return media.PlayTone(1000, int16_t(ms), 100, true, true, false, 0); });
    }
}

TEST_F(SoundHeard, AMidiNoteIsHeardWithItsReleaseAndWaitedFor)
{
    auto synth = zg::makeSoundFontSynth();
    zg::PcmSound own;
    try {
        own = synth->renderNote(0, 72, 127, 300);
    } catch (...) {
        GTEST_SKIP() << "no General MIDI sound font is installed";
    }
    expectHeardWholeAndWaitedFor("MIDI note 72, 300 ms", own,
                                 [&] { return media.PlayTone(72, 300, 100, true, true, true, 0); });
}

TEST_F(SoundHeard, TheShortestThemeSoundIsHeardWhole)
{
    const std::optional<QString> file = media.systemSoundFile(64);
    if (!file)
        GTEST_SKIP() << "the freedesktop sound theme is not installed";
    const std::optional<zg::PcmSound> own = zg::decodeOggVorbis(*file);
    ASSERT_TRUE(own);
    expectHeardWholeAndWaitedFor("system sound 64 (asterisk)", *own,
                                 [&] { return media.PlaySystemSound(64, true, true); });
}

TEST_F(SoundHeard, AnInterruptingSoundCutsThePlayingOneAtOnce)
{
    const auto before = SoundClock::now();
    ASSERT_TRUE(media.PlayTone(1000, 2000, 100, false, true, false, 0));
    runEventsUntil(before + 400ms);
    const auto cut = SoundClock::now();
    // A silent tone in its place: what is heard after the cut is the
    // first tone's rest.
    ASSERT_TRUE(media.PlayTone(1000, 500, 0, false, true, false, 0));
    const auto cutDone = SoundClock::now();
    const Heard h = listen(before, cut + 800ms);
    ASSERT_FALSE(h.span.empty());
    const double after = msBetween(cut, h.lastArrival);
    std::printf("[heard] interrupted 2000 ms tone: heard %.1f ms, the last sample %+.1f ms after the cut "
                "(the interrupting call took %.1f ms)\n",
                h.ms, after, msBetween(cut, cutDone));
    EXPECT_LE(after, ReturnLateMs);
    EXPECT_NEAR(h.ms, msBetween(h.firstArrival, cut), ReturnLateMs);
}

TEST_F(SoundHeard, ASoundThatDoesNotInterruptLeavesThePlayingOneWhole)
{
    const auto before = SoundClock::now();
    ASSERT_TRUE(media.PlayTone(1000, 500, 100, false, true, false, 0));
    runEventsUntil(before + 100ms);
    EXPECT_FALSE(media.PlayTone(500, 500, 100, false, false, false, 0));
    EXPECT_FALSE(media.PlaySystemSound(-1, false, false));
    const Heard h = listen(before, before + 1200ms);
    std::printf("[heard] 500 ms tone with a second sound refused: heard %.1f ms\n", h.ms);
    EXPECT_NEAR(h.ms, ownMs(zg::generateTone(1000, 500, 100)), LengthToleranceMs);
    // Once it is over, a sound that does not interrupt plays.
    EXPECT_TRUE(media.PlayTone(500, 50, 100, true, false, false, 0));
}

// While a synchronous sound plays, a window repaints when asked, and a
// click on it meanwhile (from the tier's display server) comes only after
// the play has returned.
class PaintCounter : public QWidget {
public:
    int paints = 0;
    SoundClock::time_point pressed{};

protected:
    void paintEvent(QPaintEvent*) override { ++paints; }
    void mousePressEvent(QMouseEvent*) override { pressed = SoundClock::now(); }
};

TEST_F(SoundHeard, WindowsPaintButTakeNoInputWhileASynchronousSoundPlays)
{
    PaintCounter window;
    window.resize(100, 100);
    window.show();
    for (int i = 0; i < 50 && window.paints == 0; ++i) {
        QCoreApplication::processEvents();
        std::this_thread::sleep_for(10ms);
    }
    ASSERT_GT(window.paints, 0);
    Display* x = XOpenDisplay(zgtest::desktop::display().constData());
    ASSERT_NE(x, nullptr);
    const QPoint centre = window.mapToGlobal(QPoint(50, 50));
    const int paintsBefore = window.paints;
    int paintsDuring = -1;
    QTimer::singleShot(150, &window, [&] {
        window.update();
        XTestFakeMotionEvent(x, -1, centre.x(), centre.y(), 0);
        XTestFakeButtonEvent(x, 1, True, 0);
        XTestFakeButtonEvent(x, 1, False, 0);
        XFlush(x);
    });
    QTimer::singleShot(350, &window, [&] { paintsDuring = window.paints; });
    ASSERT_TRUE(media.PlayTone(1000, 600, 100, true, true, false, 0));
    const auto returned = SoundClock::now();
    EXPECT_GT(paintsDuring, paintsBefore) << "the window did not paint while the sound played";
    EXPECT_EQ(window.pressed, SoundClock::time_point{}) << "the click came during the sound";
    for (int i = 0; i < 100 && window.pressed == SoundClock::time_point{}; ++i) {
        QCoreApplication::processEvents();
        std::this_thread::sleep_for(5ms);
    }
    XCloseDisplay(x);
    EXPECT_GE(window.pressed, returned) << "the click was lost";
}

} // namespace
