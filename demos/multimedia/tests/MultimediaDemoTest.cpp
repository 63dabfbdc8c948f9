// The Multimedia demo window: its start, the clamps of the tone boxes, the
// MIDI box, the system sounds and the wave files, with the library's calls
// recorded, and once through the real library onto a capturing output.
#include "StillMachine.h"
#include "frmMultimediaDemo.h"

#include <Application.h>
#include <Buttons.h>
#include <FileLists.h>
#include <Library.h>
#include <Lists.h>
#include <Machine.h>
#include <MidiSynth.h>
#include <MsgBox.h>
#include <MultimediaImpl.h>
#include <Paths.h>
#include <QtPrinters.h>
#include <Register.h>
#include <TextBox.h>
#include <ToneSynth.h>
#include <WaveFile.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using multimediademo::frmMultimediaDemo;

// Records every play with the pointer and the play buttons as they were
// during the call; `failing` makes every play raise.
class RecordingMultimedia : public zg::ZorvaneMultimedia {
public:
    struct Tone {
        int note, duration, volume;
        bool synch, interrupt, midi;
        int instrument;
    };
    bool PlayTone(int16_t n, int16_t d, int16_t v, bool s, bool i, bool m, int32_t instrument) override
    {
        during();
        if (failing)
            plat::raise(ErrCannotPlay, "ZorvaneMultimedia.PlayTone", "No sound font");
        tones.push_back({n, d, v, s, i, m, instrument});
        return true;
    }
    bool PlaySystemSound(int32_t id, bool s, bool i, bool fallback) override
    {
        during();
        if (failing)
            plat::raise(5, "ZorvaneMultimedia.PlaySystemSound");
        sounds.push_back({id, s, i, fallback});
        return true;
    }
    bool PlayWaveFile(const QString& path, bool s, bool i) override
    {
        during();
        if (failing)
            plat::raise(7, "ZorvaneMultimedia.PlayWaveFile");
        waves.push_back({path, s, i});
        return true;
    }
    void during()
    {
        pointerDuring = plat::Screen::MousePointer();
        if (form)
            buttonsEnabledDuring = {form->cmdBeepPlay->Enabled(), form->cmdSysPlay->Enabled(),
                                    form->cmdWavPlay->Enabled()};
    }

    struct Sound {
        int id;
        bool synch, interrupt, fallback;
    };
    struct Wave {
        QString path;
        bool synch, interrupt;
    };
    std::vector<Tone> tones;
    std::vector<Sound> sounds;
    std::vector<Wave> waves;
    bool failing = false;
    int pointerDuring = -1;
    std::array<bool, 3> buttonsEnabledDuring{true, true, true};
    frmMultimediaDemo* form = nullptr;
};

class MultimediaDemo : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const char* name : {"Ding.wav", "Chord.WAV", "readme.txt"}) {
            QFile f(QDir(windows.path()).filePath(QString::fromLatin1(name)));
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(zg::encodeWave(zg::generateTone(440, 100, 100)));
        }
        qputenv("ZG_WINDOWS_DIR", QFile::encodeName(windows.path()));
        zg::registerLibrary();
        zg::installMachine(std::make_shared<zgtest::StillMachine>());
        zg::installShared<zg::ZorvaneMultimedia>(media);
        plat::setLastFormUnloadedHandler([] {});
        plat::setMsgBoxHook([](const plat::MsgBoxRequest&) { return plat::mb::OK; });
    }
    void TearDown() override
    {
        form.reset();
        plat::resetUiForTests();
        zg::resetForTests();
        zg::installMachine(nullptr);
        plat::resetDriveMap();
        qunsetenv("ZG_WINDOWS_DIR");
    }
    void load()
    {
        form = plat::formInstance<frmMultimediaDemo>();
        media->form = form.get();
        form->Load();
        plat::clearMsgBoxLog();
    }
    void play(const char* note, const char* duration, const char* volume)
    {
        form->txtBeepNote->setText(QString::fromLatin1(note));
        form->txtBeepDuration->setText(QString::fromLatin1(duration));
        form->txtBeepVolume->setText(QString::fromLatin1(volume));
        form->cmdBeepPlay->Click.raise();
    }
    const std::vector<plat::MsgBoxRequest>& boxes() { return plat::msgBoxLog(); }
    QString windowsPath() const { return plat::fromSystemPath(windows.path()); }

    QTemporaryDir windows;
    std::shared_ptr<RecordingMultimedia> media = std::make_shared<RecordingMultimedia>();
    std::shared_ptr<frmMultimediaDemo> form;
};

TEST_F(MultimediaDemo, OpensOnTheWindowsFolderWithTheDefaultSoundAndTheNormalBeep)
{
    load();
    EXPECT_EQ(form->Caption(), "ZorvaneGlobals 3.0 - ZorvaneMultimedia Demo");
    EXPECT_EQ(form->Dir1->Path(), windowsPath());
    EXPECT_EQ(form->File1->Path(), windowsPath());
    ASSERT_EQ(form->File1->ListCount(), 2);
    EXPECT_EQ(form->File1->List(0), "Chord.WAV");
    EXPECT_EQ(form->File1->List(1), "Ding.wav");
    EXPECT_EQ(form->cmbSysSound->Text(), "zorSndSystemDefault");
    EXPECT_EQ(form->cmbBeepInstrument->Text(), "zor071_NormalBeep");
    EXPECT_EQ(form->txtBeepNote->Text(), "72");
    EXPECT_EQ(form->txtBeepDuration->Text(), "500");
    EXPECT_EQ(form->txtBeepVolume->Text(), "100");
    EXPECT_EQ(form->chkBeepIsFrequency->Value(), 0);
    EXPECT_TRUE(boxes().empty());

    // The lists and their item data.
    const auto& ins = *form->cmbBeepInstrument;
    ASSERT_EQ(ins.ListCount(), 105);
    EXPECT_EQ(ins.ItemData(71), 71);
    EXPECT_EQ(ins.List(72), "zor071_Clarinet");
    EXPECT_EQ(ins.ItemData(72), 71);
    EXPECT_EQ(ins.List(97), "zor120_FX_GuitarFret");
    EXPECT_EQ(ins.ItemData(97), 120); // 96 to 119 have no entry
    EXPECT_EQ(ins.ItemData(104), 127);
    const auto& snd = *form->cmbSysSound;
    ASSERT_EQ(snd.ListCount(), 29);
    EXPECT_EQ(snd.ItemData(0), -1);
    EXPECT_EQ(snd.ItemData(5), 64);
    EXPECT_EQ(snd.List(28), "zorSndLowBatteryAlarm");
    EXPECT_EQ(snd.ItemData(28), 30022);
}

TEST_F(MultimediaDemo, TheToneBoxesAreClampedVisiblyAndRoundedIntoSixteenBits)
{
    load();
    struct Case {
        const char *note, *duration, *volume;
        bool frequency;
        const char *noteAfter, *durationAfter, *volumeAfter;
        int notePlayed, durationPlayed, volumePlayed;
    } cases[] = {
        {"72", "10", "10", false, "72", "50", "10", 72, 50, 10},
        {"72", "", "", false, "72", "50", "", 72, 50, 0},
        {"72", "30001", "101", false, "72", "30000", "100", 72, 30000, 100},
        {"72", "50", "0", false, "72", "50", "0", 72, 50, 0},
        {"200", "500", "-5", false, "127", "500", "0", 127, 500, 0},
        {"200", "500", "100", true, "200", "500", "100", 200, 500, 100},
        {"40000", "500", "100", true, "32000", "500", "100", 32000, 500, 100},
        {"-5", "500", "100", true, "0", "500", "100", 0, 500, 100},
        {"60.5", "500.5", "61.5", false, "60.5", "500.5", "61.5", 60, 500, 62},
        {"abc", "500", "100", false, "abc", "500", "100", 0, 500, 100},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.note) + "/" + c.duration + "/" + c.volume);
        form->chkBeepIsFrequency->setValue(c.frequency ? 1 : 0);
        play(c.note, c.duration, c.volume);
        EXPECT_EQ(form->txtBeepNote->Text(), c.noteAfter);
        EXPECT_EQ(form->txtBeepDuration->Text(), c.durationAfter);
        EXPECT_EQ(form->txtBeepVolume->Text(), c.volumeAfter);
        ASSERT_FALSE(media->tones.empty());
        const auto& t = media->tones.back();
        EXPECT_EQ(t.note, c.notePlayed);
        EXPECT_EQ(t.duration, c.durationPlayed);
        EXPECT_EQ(t.volume, c.volumePlayed);
        EXPECT_EQ(t.midi, !c.frequency);
        EXPECT_EQ(t.instrument, 71);
    }
    // Grey check boxes count as unchecked.
    form->chkBeepSynch->setValue(2);
    form->chkBeepInterrupt->setValue(1);
    form->chkBeepIsFrequency->setValue(2);
    form->cmbBeepInstrument->setListIndex(104);
    play("60", "500", "100");
    EXPECT_FALSE(media->tones.back().synch);
    EXPECT_TRUE(media->tones.back().interrupt);
    EXPECT_TRUE(media->tones.back().midi);
    EXPECT_EQ(media->tones.back().instrument, 127);
    EXPECT_TRUE(boxes().empty());
}

TEST_F(MultimediaDemo, AFailedToneShowsTheMidiBoxAndGivesBackPointerAndButton)
{
    load();
    media->failing = true;
    form->cmdBeepPlay->Click.raise();
    EXPECT_EQ(media->pointerDuring, 11);
    EXPECT_FALSE(media->buttonsEnabledDuring[0]);
    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_EQ(boxes()[0].title, "Can't Play MIDI On This System");
    EXPECT_EQ(boxes()[0].prompt, "Sorry, but there isn't a MIDI driver installed on this system!  (Or the audio "
                                 "device isn't capable of MIDI)");
    EXPECT_EQ(boxes()[0].style, plat::mb::Information);
    EXPECT_TRUE(form->cmdBeepPlay->Enabled());
    EXPECT_EQ(plat::Screen::MousePointer(), 0);
}

TEST_F(MultimediaDemo, SystemSoundsAndWavesGiveBackPointerAndButtonWhenTheLibraryFails)
{
    load();
    form->cmbSysSound->setListIndex(0);
    form->chkSysSynch->setValue(1);
    form->cmdSysPlay->Click.raise();
    ASSERT_EQ(media->sounds.size(), 1u);
    EXPECT_EQ(media->sounds[0].id, -1);
    EXPECT_TRUE(media->sounds[0].synch);
    EXPECT_FALSE(media->sounds[0].interrupt);
    EXPECT_TRUE(media->sounds[0].fallback);
    EXPECT_EQ(media->pointerDuring, 11);
    EXPECT_FALSE(media->buttonsEnabledDuring[1]);

    media->failing = true;
    form->cmdSysPlay->Click.raise();
    form->cmdWavPlay->Click.raise();
    ASSERT_EQ(boxes().size(), 2u);
    EXPECT_TRUE(boxes()[0].prompt.startsWith("Run-time error '5':"));
    EXPECT_TRUE(boxes()[1].prompt.startsWith("Run-time error '7':"));
    EXPECT_FALSE(media->buttonsEnabledDuring[2]);
    EXPECT_TRUE(form->cmdSysPlay->Enabled());
    EXPECT_TRUE(form->cmdWavPlay->Enabled());
    EXPECT_EQ(plat::Screen::MousePointer(), 0);
}

TEST_F(MultimediaDemo, AWaveFilePlaysOnDoubleClickAndOnTheButtonNotOnASingleClick)
{
    load();
    form->File1->setListIndex(1);
    EXPECT_TRUE(media->waves.empty());
    form->chkWavInterrupt->setValue(1);
    form->File1->DblClick.raise();
    ASSERT_EQ(media->waves.size(), 1u);
    EXPECT_EQ(media->waves[0].path, windowsPath() + "\\Ding.wav");
    EXPECT_FALSE(media->waves[0].synch);
    EXPECT_TRUE(media->waves[0].interrupt);
    form->cmdWavPlay->Click.raise();
    EXPECT_EQ(media->waves.size(), 2u);
    EXPECT_TRUE(boxes().empty());
}

TEST_F(MultimediaDemo, ADriveThatIsNotReadyLeavesTheListsWhereTheyWere)
{
    plat::Drive c;
    c.letter = QLatin1Char('C');
    c.mountPoint = QStringLiteral("/");
    plat::Drive d;
    d.letter = QLatin1Char('D');
    d.kind = plat::DriveKind::Optical;
    d.ready = false;
    plat::installDriveMap({c, d});
    load();
    form->Drive1->setDrive(QStringLiteral("d:"));
    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_EQ(boxes()[0].title, "Drive Not Ready");
    EXPECT_EQ(boxes()[0].prompt, "Drive not available.  (Or not ready)");
    EXPECT_EQ(form->Drive1->driveLetter(), QLatin1Char('D'));
    EXPECT_EQ(form->Dir1->Path(), windowsPath());
    EXPECT_EQ(form->File1->ListCount(), 2);
}

// Through the real library: a tone heard on the capturing output, the wave
// file button with nothing chosen, and the MIDI box on a machine without a
// sound font.
TEST_F(MultimediaDemo, TheRealLibraryPlaysOntoTheCapturingOutput)
{
    auto out = std::make_shared<zg::CapturedSoundOutput>();
    auto real = std::make_shared<zg::MultimediaImpl>(out, zg::makeSoundFontSynth({"/nonexistent/none.sf2"}),
                                                     QStringList{windows.path()});
    zg::installShared<zg::ZorvaneMultimedia>(real);
    load();
    form->chkBeepIsFrequency->setValue(1);
    form->chkBeepInterrupt->setValue(1);
    play("440", "1000", "100");
    ASSERT_EQ(out->played.size(), 1u);
    EXPECT_EQ(out->played[0].durationMs(), 1000);
    EXPECT_TRUE(boxes().empty());

    // Nothing chosen: the folder alone plays nothing and nothing is reported.
    form->cmdWavPlay->Click.raise();
    EXPECT_EQ(out->played.size(), 1u);
    form->File1->setListIndex(0);
    form->chkWavInterrupt->setValue(1);
    form->cmdWavPlay->Click.raise();
    EXPECT_EQ(out->played.size(), 2u);
    EXPECT_TRUE(boxes().empty());

    form->chkBeepIsFrequency->setValue(0);
    play("60", "500", "100");
    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_EQ(boxes()[0].title, "Can't Play MIDI On This System");
    EXPECT_TRUE(form->cmdBeepPlay->Enabled());
    EXPECT_EQ(plat::Screen::MousePointer(), 0);
}

} // namespace
