// The System demo's window: twenty-four system values, the mouse's
// position and confinement, the desktop's work area, the file manager,
// scripted mouse input that draws in a small box, and a text box that
// filters typed keys by a chosen format.
#pragma once
#include <Form.h>

#include <QString>
#include <cstdint>
#include <memory>

namespace plat {
class CheckBox;
class ComboBox;
class CommandButton;
class Label;
class PictureBox;
class TextBox;
class Timer;
} // namespace plat

namespace sysdemo {

// "(Left, Top) - (Right, Bottom)" of a rectangle given by its size, the
// right and bottom edges included; 32-bit sums (error 6 on overflow).
QString rectangleText(int32_t Left, int32_t Top, int32_t Width, int32_t Height);

// One step of the mouse script: the action (3 press, 4 move, 5 release)
// at the box's screen position plus (dx, dy).
struct ScriptStep {
    int32_t action;
    int32_t dx;
    int32_t dy;
};
// The 25 steps in order.
const ScriptStep* simulationScript();
constexpr int32_t SimulationScriptLength = 25;

class frmSystem : public plat::Form {
public:
    frmSystem();

    // ===== Fields of the window =====
    struct WorkArea {
        int32_t Left = 0, Top = 0, Width = 0, Height = 0;
    };
    WorkArea SavedWorkArea; // the work area read when the window loads
    bool WorkAreaChanged = false; // shrunk by this window
    bool MouseConfined = false; // confined by this window
    bool DrawingStarted = false; // a trail has its first point
    // The script's step: kept for the life of the program, never reset.
    int32_t SimulationStep = 0;

    // ===== Controls =====
    std::shared_ptr<plat::TextBox> txtSysInfo;
    std::shared_ptr<plat::Label> lblGetMouseScreenCoordinates;
    std::shared_ptr<plat::Label> lblGetMouseScreenBoundries;
    std::shared_ptr<plat::Label> lblGetDesktopWorkArea;
    std::shared_ptr<plat::CommandButton> cmdSetMouseScreenBoundries;
    std::shared_ptr<plat::CommandButton> cmdSetMouseScreenCoordinates;
    std::shared_ptr<plat::CommandButton> cmdSimulateMouseActivity;
    std::shared_ptr<plat::CommandButton> cmdClearMouseSimArea;
    std::shared_ptr<plat::PictureBox> picMouseSimulationArea;
    std::shared_ptr<plat::CommandButton> cmdExploreFolder;
    std::shared_ptr<plat::CheckBox> chkExploreSinglePane;
    std::shared_ptr<plat::CheckBox> chkExploreRooted;
    std::shared_ptr<plat::CommandButton> cmdSetDesktopWorkArea;
    std::shared_ptr<plat::ComboBox> cmbKeyPressFormats;
    std::shared_ptr<plat::TextBox> txtKeyPressFilter;
    std::shared_ptr<plat::CommandButton> cmdClose;
    std::shared_ptr<plat::Timer> GetMouseCoords;
    std::shared_ptr<plat::Timer> timerSimulateMouseActivity;

protected:
    void bindControls() override;
    void Form_Load() override;
    void Form_QueryUnload(int16_t& Cancel, int16_t& UnloadMode) override;

private:
    // ===== Event procedures =====
    void cmdClose_Click();
    void cmdExploreFolder_Click();
    void cmdSetDesktopWorkArea_Click();
    void cmdSetMouseScreenBoundries_Click();
    void cmdSetMouseScreenCoordinates_Click();
    void GetMouseCoords_Timer();
    void picMouseSimulationArea_MouseMove(int16_t Button, int16_t Shift, float X, float Y);
    void cmdClearMouseSimArea_Click();
    void cmdSimulateMouseActivity_Click();
    void timerSimulateMouseActivity_Timer();
    void cmbKeyPressFormats_Click();
    void txtKeyPressFilter_KeyPress(int16_t& KeyAscii);
    void txtKeyPressFilter_KeyDown(int16_t& KeyCode, int16_t& Shift);
    void txtKeyPressFilter_KeyUp(int16_t& KeyCode, int16_t& Shift);

    // Appends Sep & line to the values box: the box's text, then the
    // separator, then the line are read in that order.
    void AppendSysInfoLine(const std::function<QString()>& line);
};

} // namespace sysdemo
