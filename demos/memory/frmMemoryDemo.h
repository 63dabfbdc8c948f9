// The Memory demo's window: the ten figures of the library's memory object,
// read once when the window loads, and a Close button.
#pragma once
#include <Form.h>

#include <QString>
#include <cstdint>
#include <memory>

namespace plat {
class CommandButton;
class Label;
class TextBox;
} // namespace plat

class frmMemoryDemo : public plat::Form {
public:
    frmMemoryDemo();

    // An address as upper-case hexadecimal digits without prefix or leading
    // zeros: a value that fits 32 bits as its 32-bit two's complement (-1 is
    // FFFFFFFF), a wider one with all its digits.
    static QString addressHex(int64_t address);

    std::shared_ptr<plat::Label> Label1;
    std::shared_ptr<plat::Label> Label2;
    std::shared_ptr<plat::Label> Label3;
    plat::ControlArray<plat::Label> lblGeneric;
    std::shared_ptr<plat::TextBox> txtTotalPhysical;
    std::shared_ptr<plat::TextBox> txtTotalVirtual;
    std::shared_ptr<plat::TextBox> txtTotalPageFile;
    std::shared_ptr<plat::TextBox> txtAvailablePhysical;
    std::shared_ptr<plat::TextBox> txtAvailableVirtual;
    std::shared_ptr<plat::TextBox> txtAvailablePageFile;
    std::shared_ptr<plat::TextBox> txtAllocationGranularity;
    std::shared_ptr<plat::TextBox> txtPageSize;
    std::shared_ptr<plat::TextBox> txtMinimumApplicationAddress;
    std::shared_ptr<plat::TextBox> txtMaximumApplicationAddress;
    std::shared_ptr<plat::CommandButton> cmdClose;

protected:
    void bindControls() override;
    void Form_Load() override;

private:
    void cmdClose_Click();
};
