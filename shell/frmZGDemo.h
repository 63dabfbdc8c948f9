// The catalog window: the list bar of categories on the left, the grid of
// sixteen item buttons on the right with a title and a description above
// it, the blinking "Select A Category" prompt until the first choice, the
// two logos; it starts an item's demo program when its button is clicked.
#pragma once
#include <Form.h>
#include <LBButton.h>

#include <QString>
#include <cstdint>
#include <memory>

namespace plat {
class Image;
class Label;
class PictureBox;
class Timer;
} // namespace plat
namespace listbar {
class InternalZSListBar;
}
namespace button {
class InternalZSButton;
}

namespace shell {

class frmZGDemo : public plat::Form {
public:
    frmZGDemo();

    // ===== Fields of the window =====
    QString PictureSuffix; // "16" on displays of 256 colours or fewer
    QString CategoryDescription; // the description of the category shown
    bool ButtonPressed = false; // a mouse button is down on an item
    bool SplashUnloaded = false; // the splash timer has unloaded the splash
    bool CategoryChosen = false;
    QString CurrentCategoryKey;
    bool BlinkState = false;

    // ===== Controls =====
    std::shared_ptr<plat::Image> ZSLogo;
    std::shared_ptr<plat::Image> BrellicorLogo;
    std::shared_ptr<listbar::InternalZSListBar> NavBar;
    std::shared_ptr<plat::PictureBox> picNav;
    std::shared_ptr<plat::Label> lblTitle;
    std::shared_ptr<plat::Label> lblInfo;
    std::shared_ptr<plat::PictureBox> picBlocker;
    std::shared_ptr<plat::Label> aniPickMessage;
    std::shared_ptr<plat::Image> imgPickMessage;
    std::shared_ptr<plat::Label> lblLoading;
    plat::ControlArray<button::InternalZSButton> NavButton;
    std::shared_ptr<plat::Timer> timerAniPickMessage;
    std::shared_ptr<plat::Timer> timerSplashUnloader;

protected:
    void bindControls() override;
    void Form_Load() override;
    void Form_Unload(int16_t& Cancel) override;

private:
    // ===== Event procedures (the controls' events call them) =====
    void NavBar_ButtonSelected(listbar::LBButtonPtr& Button);
    void NavBar_ButtonMouseEnter(listbar::LBButtonPtr& Button);
    void NavButton_MouseDown(int16_t Index, int16_t Button, int16_t Shift, float X, float Y);
    void NavButton_MouseUp(int16_t Index, int16_t Button, int16_t Shift, float X, float Y);
    void NavButton_MouseEnter(int16_t Index);
    void NavButton_MouseLeave(int16_t Index);
    void NavButton_Click(int16_t Index);
    void BrellicorLogo_Click();
    void timerAniPickMessage_Timer();
    void timerSplashUnloader_Timer();

    // Gives item button Index the pictures and the key of item Key and shows it.
    void SetupNavButton(int16_t Index, const QString& Key);
};

} // namespace shell
