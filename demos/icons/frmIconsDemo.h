// The Icons demo's window: the icons of the chosen file through the
// window's own icon object, one at a time in its small and large size.
#pragma once
#include <Form.h>

#include <cstdint>
#include <memory>

namespace plat {
class CommandButton;
class DirListBox;
class DriveListBox;
class FileListBox;
class Frame;
class HScrollBar;
class Label;
class PictureBox;
class Shape;
} // namespace plat
namespace zg {
class ZorvaneIcons;
}

class frmIconsDemo : public plat::Form {
public:
    frmIconsDemo();

    // The window's icon object, from Form_Load to Form_QueryUnload.
    std::shared_ptr<zg::ZorvaneIcons> Icons;

    std::shared_ptr<plat::Label> Label1, Label2, Label3;
    std::shared_ptr<plat::DriveListBox> Drive1;
    std::shared_ptr<plat::DirListBox> Dir1;
    std::shared_ptr<plat::FileListBox> File1;
    std::shared_ptr<plat::Frame> Frame1;
    std::shared_ptr<plat::Label> lblIconsCount;
    std::shared_ptr<plat::HScrollBar> IconScroll;
    std::shared_ptr<plat::Label> lblIconIndex;
    std::shared_ptr<plat::PictureBox> picIconDrawingArea;
    std::shared_ptr<plat::CommandButton> cmdClose;
    std::shared_ptr<plat::Shape> Shape1;

protected:
    void bindControls() override;
    void Form_Load() override;
    void Form_QueryUnload(int16_t& Cancel, int16_t& UnloadMode) override;

private:
    void Drive1_Change();
    void Dir1_Change();
    void File1_Click();
    void IconScroll_Change();
    void cmdClose_Click();
};
