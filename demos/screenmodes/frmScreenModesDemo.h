// The screen modes demo: every mode of the display, the one in use, and a
// switch to the chosen mode with or without keeping it.
#pragma once
#include <Form.h>

#include <memory>

namespace plat {
class CommandButton;
class Label;
class ListBox;
} // namespace plat

class frmScreenModesDemo : public plat::Form {
public:
    frmScreenModesDemo();

    plat::ControlArray<plat::Label> lblGeneral;
    std::shared_ptr<plat::ListBox> lstModes;
    std::shared_ptr<plat::Label> lblCurrentMode;
    std::shared_ptr<plat::CommandButton> cmdMakeCurrent;
    std::shared_ptr<plat::CommandButton> cmdMakeCurrentAndSave;
    std::shared_ptr<plat::CommandButton> cmdClose;

    // ===== Event procedures =====
    void cmdMakeCurrent_Click();
    void cmdMakeCurrentAndSave_Click();
    void lstModes_DblClick();
    void cmdClose_Click();

protected:
    void bindControls() override;
    void Form_Load() override;

private:
    void ShowCurrentMode();
    // Switches to the selected mode (saving it with `save`), tells of a
    // refusal, and shows the mode in use.
    void SwitchToSelected(bool save);
};
