// The window shown modally after each change of the desktop's work area:
// maximizing it shows the area in force.
#pragma once
#include <Form.h>

#include <memory>

namespace plat {
class CommandButton;
}

namespace sysdemo {

class frmMaximize : public plat::Form {
public:
    frmMaximize();

    std::shared_ptr<plat::CommandButton> cmdClose;

protected:
    void bindControls() override;
    void Form_Load() override;

private:
    void cmdClose_Click();
};

} // namespace sysdemo
