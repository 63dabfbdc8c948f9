// The Processor demo's window: fourteen facts of the library's processor
// object, read once when the window loads, and a Close button.
#pragma once
#include <Form.h>

#include <memory>

namespace plat {
class CommandButton;
class Label;
class TextBox;
} // namespace plat

class frmProcessorDemo : public plat::Form {
public:
    frmProcessorDemo();

    std::shared_ptr<plat::Label> Label1;
    std::shared_ptr<plat::Label> Label2;
    std::shared_ptr<plat::Label> Label3;
    plat::ControlArray<plat::Label> lblGeneric;
    std::shared_ptr<plat::TextBox> txtActiveProcessors;
    std::shared_ptr<plat::TextBox> txtArchitecture;
    std::shared_ptr<plat::TextBox> txtCount;
    std::shared_ptr<plat::TextBox> txtLevel;
    std::shared_ptr<plat::TextBox> txtModel;
    std::shared_ptr<plat::TextBox> txtModelNumber;
    std::shared_ptr<plat::TextBox> txtOverDrivePresent;
    std::shared_ptr<plat::TextBox> txtRawMhz;
    std::shared_ptr<plat::TextBox> txtRevision;
    std::shared_ptr<plat::TextBox> txtRevisionString;
    std::shared_ptr<plat::TextBox> txtSpeed;
    std::shared_ptr<plat::TextBox> txtStepping;
    std::shared_ptr<plat::TextBox> txtSupportsMMX;
    std::shared_ptr<plat::TextBox> txtVendorID;
    std::shared_ptr<plat::CommandButton> cmdClose;

protected:
    void bindControls() override;
    void Form_Load() override;

private:
    void cmdClose_Click();
};
