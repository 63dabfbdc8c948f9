#include "frmMultimediaDemo.h"

#include <Application.h>
#include <Buttons.h>
#include <Containers.h>
#include <Error.h>
#include <FileLists.h>
#include <Graphics.h>
#include <Label.h>
#include <Library.h>
#include <Lists.h>
#include <MsgBox.h>
#include <Numbers.h>
#include <TextBox.h>
#include <Variant.h>
#include <ZorvaneFilesAndFolders.h>
#include <ZorvaneFormFunctions.h>
#include <ZorvaneMiscellaneous.h>
#include <ZorvaneMultimedia.h>
#include <ZorvaneSystem.h>

namespace multimediademo {

namespace {

// A check box counts as checked only with the value 1 (grey is not).
bool checked(const plat::CheckBox& box)
{
    return box.Value() == 1;
}

// The numeric value of a box's text; an empty or non-numeric text is 0.
double numericValue(const plat::TextBox& box)
{
    const QString t = box.Text();
    return plat::isNumericText(t) ? plat::CDbl(plat::Variant(t)) : 0.0;
}

// Replaces a box's text by the bound it passed.
void clamp(plat::TextBox& box, double low, double high)
{
    const double v = numericValue(box);
    if (v < low)
        box.setText(plat::numberText(low));
    else if (v > high)
        box.setText(plat::numberText(high));
}

// The hourglass and a disabled play button for the length of a play; the
// button and the default pointer come back however the play ends, a
// library failure included (which then reaches the event's error report).
class BusyPlaying {
public:
    explicit BusyPlaying(plat::CommandButton& button) : button_(button) { button_.setEnabled(false); }
    ~BusyPlaying() { button_.setEnabled(true); }
    BusyPlaying(const BusyPlaying&) = delete;
    BusyPlaying& operator=(const BusyPlaying&) = delete;

private:
    plat::ScopedScreenPointer hourglass_; // set first, put back last
    plat::CommandButton& button_;
};

} // namespace

frmMultimediaDemo::frmMultimediaDemo()
    : Form(QStringLiteral(":/forms/frmMultimediaDemo.json"))
{
}

void frmMultimediaDemo::bindControls()
{
    Label1 = control<plat::Label>(QStringLiteral("Label1"));
    Label2 = control<plat::Label>(QStringLiteral("Label2"));
    Frame3 = control<plat::Frame>(QStringLiteral("Frame3"));
    txtBeepNote = control<plat::TextBox>(QStringLiteral("txtBeepNote"));
    txtBeepDuration = control<plat::TextBox>(QStringLiteral("txtBeepDuration"));
    txtBeepVolume = control<plat::TextBox>(QStringLiteral("txtBeepVolume"));
    chkBeepIsFrequency = control<plat::CheckBox>(QStringLiteral("chkBeepIsFrequency"));
    chkBeepSynch = control<plat::CheckBox>(QStringLiteral("chkBeepSynch"));
    chkBeepInterrupt = control<plat::CheckBox>(QStringLiteral("chkBeepInterrupt"));
    cmbBeepInstrument = control<plat::ComboBox>(QStringLiteral("cmbBeepInstrument"));
    cmdBeepPlay = control<plat::CommandButton>(QStringLiteral("cmdBeepPlay"));
    Frame2 = control<plat::Frame>(QStringLiteral("Frame2"));
    cmbSysSound = control<plat::ComboBox>(QStringLiteral("cmbSysSound"));
    chkSysSynch = control<plat::CheckBox>(QStringLiteral("chkSysSynch"));
    chkSysInterrupt = control<plat::CheckBox>(QStringLiteral("chkSysInterrupt"));
    cmdSysPlay = control<plat::CommandButton>(QStringLiteral("cmdSysPlay"));
    Frame1 = control<plat::Frame>(QStringLiteral("Frame1"));
    Drive1 = control<plat::DriveListBox>(QStringLiteral("Drive1"));
    Dir1 = control<plat::DirListBox>(QStringLiteral("Dir1"));
    File1 = control<plat::FileListBox>(QStringLiteral("File1"));
    chkWavSynch = control<plat::CheckBox>(QStringLiteral("chkWavSynch"));
    chkWavInterrupt = control<plat::CheckBox>(QStringLiteral("chkWavInterrupt"));
    cmdWavPlay = control<plat::CommandButton>(QStringLiteral("cmdWavPlay"));
    cmdClose = control<plat::CommandButton>(QStringLiteral("cmdClose"));
    Shape1 = control<plat::Shape>(QStringLiteral("Shape1"));

    cmdBeepPlay->Click.connect([this] { cmdBeepPlay_Click(); });
    cmdSysPlay->Click.connect([this] { cmdSysPlay_Click(); });
    cmdWavPlay->Click.connect([this] { cmdWavPlay_Click(); });
    File1->DblClick.connect([this] { File1_DblClick(); });
    Drive1->Change.connect([this] { Drive1_Change(); });
    Dir1->Change.connect([this] { Dir1_Change(); });
    for (plat::TextBox* box : {txtBeepNote.get(), txtBeepDuration.get(), txtBeepVolume.get()}) {
        box->GotFocus.connect([this, box] { BeepBox_GotFocus(*box); });
        box->KeyPress.connect([this, box](int16_t& KeyAscii) { BeepBox_KeyPress(*box, KeyAscii); });
        box->KeyDown.connect([this, box](int16_t& KeyCode, int16_t& Shift) { BeepBox_KeyDown(*box, KeyCode, Shift); });
    }
    cmdClose->Click.connect([this] { cmdClose_Click(); });
}

void frmMultimediaDemo::Form_Load()
{
    zg::FormFunctions()->CenterFormEx(shared_from_this(), true, false, 0.5f, 0.5f);
    Drive1->setDrive(zg::System()->WindowsDirectory().left(2));
    Dir1->setPath(zg::System()->WindowsDirectory());
    File1->setPath(zg::System()->WindowsDirectory());
    cmbSysSound->setListIndex(1);
    cmbBeepInstrument->setListIndex(71);
}

// ===== Tones and MIDI notes =====

void frmMultimediaDemo::cmdBeepPlay_Click()
{
    plat::Screen::setMousePointer(11);
    cmdBeepPlay->setEnabled(false);

    // From here errors are trapped statement by statement.
    plat::tryStatement([&] { clamp(*txtBeepDuration, 50, 30000); });
    plat::tryStatement([&] { clamp(*txtBeepVolume, 0, 100); });
    if (checked(*chkBeepIsFrequency))
        plat::tryStatement([&] { clamp(*txtBeepNote, 0, 32000); });
    else
        plat::tryStatement([&] { clamp(*txtBeepNote, 0, 127); });

    plat::Err::clear();
    plat::tryStatement([&] {
        zg::Multimedia()->PlayTone(plat::CInt(numericValue(*txtBeepNote)), plat::CInt(numericValue(*txtBeepDuration)),
                                   plat::CInt(numericValue(*txtBeepVolume)), checked(*chkBeepSynch),
                                   checked(*chkBeepInterrupt), !checked(*chkBeepIsFrequency),
                                   cmbBeepInstrument->ItemData(cmbBeepInstrument->ListIndex()));
    });
    if (plat::Err::number() != 0)
        plat::MsgBox(QStringLiteral("Sorry, but there isn't a MIDI driver installed on this system!  (Or the audio "
                                    "device isn't capable of MIDI)"),
                     plat::mb::Information, QStringLiteral("Can't Play MIDI On This System"));

    cmdBeepPlay->setEnabled(true);
    plat::Screen::setMousePointer(0);
}

// ===== System sounds =====

void frmMultimediaDemo::cmdSysPlay_Click()
{
    BusyPlaying busy(*cmdSysPlay);
    zg::Multimedia()->PlaySystemSound(cmbSysSound->ItemData(cmbSysSound->ListIndex()), checked(*chkSysSynch),
                                      checked(*chkSysInterrupt), true);
}

// ===== Wave files =====

void frmMultimediaDemo::cmdWavPlay_Click()
{
    PlaySelectedWave();
}

void frmMultimediaDemo::File1_DblClick()
{
    PlaySelectedWave();
}

void frmMultimediaDemo::PlaySelectedWave()
{
    BusyPlaying busy(*cmdWavPlay);
    // With no file chosen the path is the folder alone, which plays nothing.
    zg::Multimedia()->PlayWaveFile(zg::FilesAndFolders()->AddTrailingBackslash(File1->Path()) + File1->FileName(),
                                   checked(*chkWavSynch), checked(*chkWavInterrupt));
}

void frmMultimediaDemo::Drive1_Change()
{
    // Errors are trapped statement by statement.
    plat::Err::clear();
    if (!plat::tryStatement([&] { Dir1->setPath(Drive1->Drive()); })) {
        plat::MsgBox(QStringLiteral("Drive not available.  (Or not ready)"), plat::mb::Information,
                     QStringLiteral("Drive Not Ready"));
        return;
    }
    plat::tryStatement([&] { File1->setPath(Dir1->Path()); });
}

void frmMultimediaDemo::Dir1_Change()
{
    File1->setPath(Dir1->Path());
}

// ===== The tone boxes =====

void frmMultimediaDemo::BeepBox_GotFocus(plat::TextBox& Box)
{
    zg::Miscellaneous()->ControlGotFocusHelper(Box.shared_from_this());
}

void frmMultimediaDemo::BeepBox_KeyPress(plat::TextBox& Box, int16_t& KeyAscii)
{
    KeyAscii = zg::System()->MaskKeyPress(Box.shared_from_this(), KeyAscii, 1, QString(), 0);
}

void frmMultimediaDemo::BeepBox_KeyDown(plat::TextBox& Box, int16_t& KeyCode, int16_t /*Shift*/)
{
    zg::System()->MaskKeyDownUp(Box.shared_from_this(), KeyCode, 1, QString());
}

void frmMultimediaDemo::cmdClose_Click()
{
    Unload();
}

} // namespace multimediademo
