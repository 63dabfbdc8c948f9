// The main window of the form functions demo: the desktop's window
// metrics and fonts, the button that is handed to another window and back,
// the floating new owner and the shaped window.
#pragma once
#include <Form.h>

#include <memory>

namespace plat {
class CheckBox;
class CommandButton;
class Frame;
class Label;
class ListBox;
class PictureBox;
} // namespace plat

class frmFormFunctionsDemo : public plat::Form {
public:
    frmFormFunctionsDemo();

    std::shared_ptr<plat::ListBox> lstWindowInfo;
    std::shared_ptr<plat::Label> lblDefTitleBarFont;
    std::shared_ptr<plat::Label> lblSmallTitleBarFont;
    std::shared_ptr<plat::Label> lblDefMenuFont;
    std::shared_ptr<plat::CommandButton> cmdShowNewOwner;
    std::shared_ptr<plat::CheckBox> chkFloat;
    std::shared_ptr<plat::PictureBox> picOriginalOwner;
    std::shared_ptr<plat::CommandButton> cmdSwitch;
    std::shared_ptr<plat::CommandButton> cmdCustom;
    std::shared_ptr<plat::CommandButton> cmdClose;

    // True while cmdSwitch was given to frmNewOwner by cmdSwitch_Click.
    bool away() const { return away_; }

    // ===== Event procedures =====
    void cmdShowNewOwner_Click();
    void cmdSwitch_Click();
    void cmdCustom_Click();
    void cmdClose_Click();

protected:
    void bindControls() override;
    void Form_Load() override;
    void Form_QueryUnload(int16_t& Cancel, int16_t& UnloadMode) override;

private:
    bool away_ = false;
};
