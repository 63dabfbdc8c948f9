// The power management demo: the power and battery state once at start,
// suspend and hibernate.
#pragma once
#include <Form.h>

#include <memory>

namespace plat {
class CommandButton;
class Label;
class ListBox;
} // namespace plat

class frmAPMDemo : public plat::Form {
public:
    frmAPMDemo();

    std::shared_ptr<plat::ListBox> lstInfo;
    std::shared_ptr<plat::Label> lblSupported;
    std::shared_ptr<plat::CommandButton> cmdSuspend;
    std::shared_ptr<plat::CommandButton> cmdHibernate;
    std::shared_ptr<plat::CommandButton> cmdClose;

    // ===== Event procedures =====
    void cmdSuspend_Click();
    void cmdHibernate_Click();
    void cmdClose_Click();

protected:
    void bindControls() override;
    void Form_Load() override;
};
