// The Multimedia demo's window: tones and MIDI notes, the system's event
// sounds and wave files, one frame each.
#pragma once
#include <Form.h>

#include <QString>
#include <cstdint>
#include <memory>

namespace plat {
class CheckBox;
class ComboBox;
class CommandButton;
class DirListBox;
class DriveListBox;
class FileListBox;
class Frame;
class Label;
class Shape;
class TextBox;
} // namespace plat

namespace multimediademo {

class frmMultimediaDemo : public plat::Form {
public:
    frmMultimediaDemo();

    // ===== Controls =====
    std::shared_ptr<plat::Label> Label1;
    std::shared_ptr<plat::Label> Label2;
    std::shared_ptr<plat::Frame> Frame3;
    std::shared_ptr<plat::TextBox> txtBeepNote;
    std::shared_ptr<plat::TextBox> txtBeepDuration;
    std::shared_ptr<plat::TextBox> txtBeepVolume;
    std::shared_ptr<plat::CheckBox> chkBeepIsFrequency;
    std::shared_ptr<plat::CheckBox> chkBeepSynch;
    std::shared_ptr<plat::CheckBox> chkBeepInterrupt;
    std::shared_ptr<plat::ComboBox> cmbBeepInstrument;
    std::shared_ptr<plat::CommandButton> cmdBeepPlay;
    std::shared_ptr<plat::Frame> Frame2;
    std::shared_ptr<plat::ComboBox> cmbSysSound;
    std::shared_ptr<plat::CheckBox> chkSysSynch;
    std::shared_ptr<plat::CheckBox> chkSysInterrupt;
    std::shared_ptr<plat::CommandButton> cmdSysPlay;
    std::shared_ptr<plat::Frame> Frame1;
    std::shared_ptr<plat::DriveListBox> Drive1;
    std::shared_ptr<plat::DirListBox> Dir1;
    std::shared_ptr<plat::FileListBox> File1;
    std::shared_ptr<plat::CheckBox> chkWavSynch;
    std::shared_ptr<plat::CheckBox> chkWavInterrupt;
    std::shared_ptr<plat::CommandButton> cmdWavPlay;
    std::shared_ptr<plat::CommandButton> cmdClose;
    std::shared_ptr<plat::Shape> Shape1;

protected:
    void bindControls() override;
    void Form_Load() override;

private:
    // ===== Event procedures =====
    void cmdBeepPlay_Click();
    void cmdSysPlay_Click();
    void cmdWavPlay_Click();
    void File1_DblClick();
    void Drive1_Change();
    void Dir1_Change();
    void BeepBox_GotFocus(plat::TextBox& Box);
    void BeepBox_KeyPress(plat::TextBox& Box, int16_t& KeyAscii);
    void BeepBox_KeyDown(plat::TextBox& Box, int16_t& KeyCode, int16_t Shift);
    void cmdClose_Click();

    void PlaySelectedWave();
};

} // namespace multimediademo
