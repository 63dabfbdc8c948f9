// The second owner of the main window's movable button.
#pragma once
#include <Form.h>

class frmNewOwner : public plat::Form {
public:
    frmNewOwner();

protected:
    void Form_Load() override;
    void Form_QueryUnload(int16_t& Cancel, int16_t& UnloadMode) override;
};
