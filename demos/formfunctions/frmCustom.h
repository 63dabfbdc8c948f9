// The window shaped by a 24-point polygon.
#pragma once
#include <Form.h>

#include <memory>

namespace plat {
class CommandButton;
}

class frmCustom : public plat::Form {
public:
    frmCustom();

    // The polygon the window takes, in its own pixels.
    static const char* const ShapePoints;

    std::shared_ptr<plat::CommandButton> cmdClose;

protected:
    void bindControls() override;
    void Form_Load() override;
};
