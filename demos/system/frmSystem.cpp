#include "frmSystem.h"

#include "frmMaximize.h"

#include <Buttons.h>
#include <Containers.h>
#include <Error.h>
#include <Label.h>
#include <Library.h>
#include <Lists.h>
#include <Numbers.h>
#include <TextBox.h>
#include <Timer.h>
#include <ZorvaneFormFunctions.h>
#include <ZorvaneMiscellaneous.h>
#include <ZorvaneStrings.h>
#include <ZorvaneSystem.h>

#include <cmath>

namespace sysdemo {

QString rectangleText(int32_t Left, int32_t Top, int32_t Width, int32_t Height)
{
    const int32_t Right = plat::sub32(plat::add32(Left, Width), 1);
    const int32_t Bottom = plat::sub32(plat::add32(Top, Height), 1);
    return QStringLiteral("(%1, %2) - (%3, %4)").arg(Left).arg(Top).arg(Right).arg(Bottom);
}

const ScriptStep* simulationScript()
{
    // Press, a stroke down, release; moves back up with no button held;
    // a press and release above the box.
    static const ScriptStep steps[SimulationScriptLength] = {
        { 3, 5, 5 },   { 4, 10, 10 }, { 4, 12, 20 }, { 4, 16, 24 }, { 4, 18, 26 },
        { 4, 18, 28 }, { 4, 16, 31 }, { 4, 12, 35 }, { 4, 16, 40 }, { 4, 15, 44 },
        { 4, 10, 48 }, { 4, 14, 52 }, { 4, 18, 60 }, { 5, 18, 60 }, { 4, 18, 53 },
        { 4, 18, 46 }, { 4, 18, 39 }, { 4, 18, 32 }, { 4, 19, 25 }, { 4, 20, 18 },
        { 4, 21, 11 }, { 4, 21, 4 },  { 4, 22, -3 }, { 3, 22, -10 }, { 5, 22, -10 },
    };
    return steps;
}

frmSystem::frmSystem()
    : Form(QStringLiteral(":/forms/frmSystem.json"))
{
}

void frmSystem::bindControls()
{
    txtSysInfo = control<plat::TextBox>(QStringLiteral("txtSysInfo"));
    lblGetMouseScreenCoordinates = control<plat::Label>(QStringLiteral("lblGetMouseScreenCoordinates"));
    lblGetMouseScreenBoundries = control<plat::Label>(QStringLiteral("lblGetMouseScreenBoundries"));
    lblGetDesktopWorkArea = control<plat::Label>(QStringLiteral("lblGetDesktopWorkArea"));
    cmdSetMouseScreenBoundries = control<plat::CommandButton>(QStringLiteral("cmdSetMouseScreenBoundries"));
    cmdSetMouseScreenCoordinates = control<plat::CommandButton>(QStringLiteral("cmdSetMouseScreenCoordinates"));
    cmdSimulateMouseActivity = control<plat::CommandButton>(QStringLiteral("cmdSimulateMouseActivity"));
    cmdClearMouseSimArea = control<plat::CommandButton>(QStringLiteral("cmdClearMouseSimArea"));
    picMouseSimulationArea = control<plat::PictureBox>(QStringLiteral("picMouseSimulationArea"));
    cmdExploreFolder = control<plat::CommandButton>(QStringLiteral("cmdExploreFolder"));
    chkExploreSinglePane = control<plat::CheckBox>(QStringLiteral("chkExploreSinglePane"));
    chkExploreRooted = control<plat::CheckBox>(QStringLiteral("chkExploreRooted"));
    cmdSetDesktopWorkArea = control<plat::CommandButton>(QStringLiteral("cmdSetDesktopWorkArea"));
    cmbKeyPressFormats = control<plat::ComboBox>(QStringLiteral("cmbKeyPressFormats"));
    txtKeyPressFilter = control<plat::TextBox>(QStringLiteral("txtKeyPressFilter"));
    cmdClose = control<plat::CommandButton>(QStringLiteral("cmdClose"));
    GetMouseCoords = control<plat::Timer>(QStringLiteral("GetMouseCoords"));
    timerSimulateMouseActivity = control<plat::Timer>(QStringLiteral("timerSimulateMouseActivity"));

    cmdClose->Click.connect([this] { cmdClose_Click(); });
    cmdExploreFolder->Click.connect([this] { cmdExploreFolder_Click(); });
    cmdSetDesktopWorkArea->Click.connect([this] { cmdSetDesktopWorkArea_Click(); });
    cmdSetMouseScreenBoundries->Click.connect([this] { cmdSetMouseScreenBoundries_Click(); });
    cmdSetMouseScreenCoordinates->Click.connect([this] { cmdSetMouseScreenCoordinates_Click(); });
    GetMouseCoords->Tick.connect([this] { GetMouseCoords_Timer(); });
    picMouseSimulationArea->MouseMove.connect([this](int16_t& Button, int16_t& Shift, float& X, float& Y) {
        picMouseSimulationArea_MouseMove(Button, Shift, X, Y);
    });
    cmdClearMouseSimArea->Click.connect([this] { cmdClearMouseSimArea_Click(); });
    cmdSimulateMouseActivity->Click.connect([this] { cmdSimulateMouseActivity_Click(); });
    timerSimulateMouseActivity->Tick.connect([this] { timerSimulateMouseActivity_Timer(); });
    cmbKeyPressFormats->Click.connect([this] { cmbKeyPressFormats_Click(); });
    txtKeyPressFilter->KeyPress.connect([this](int16_t& KeyAscii) { txtKeyPressFilter_KeyPress(KeyAscii); });
    txtKeyPressFilter->KeyDown.connect(
        [this](int16_t& KeyCode, int16_t& Shift) { txtKeyPressFilter_KeyDown(KeyCode, Shift); });
    txtKeyPressFilter->KeyUp.connect(
        [this](int16_t& KeyCode, int16_t& Shift) { txtKeyPressFilter_KeyUp(KeyCode, Shift); });
}

// ===== Loading and closing =====

void frmSystem::AppendSysInfoLine(const std::function<QString()>& line)
{
    QString text = txtSysInfo->Text();
    text += zg::Strings()->NewLine();
    text += line();
    txtSysInfo->setText(text);
}

void frmSystem::Form_Load()
{
    zg::FormFunctions()->CenterFormEx(shared_from_this(), true, false, 0.5f, 0.5f);

    const auto sys = zg::System();
    txtSysInfo->setText(QStringLiteral("AvailableColors: ") + plat::numberText(sys->AvailableColors()));

    QString bootLine;
    switch (sys->BootState()) {
    case 0:
        bootLine = QStringLiteral("NORMAL");
        break;
    case 1:
        bootLine = QStringLiteral("SAFE MODE");
        break;
    case 2:
        bootLine = QStringLiteral("SAFENET");
        break;
    case -1:
        bootLine = QStringLiteral("UNKNOWN");
        break;
    default:
        break;
    }
    if (!bootLine.isEmpty())
        AppendSysInfoLine([&] { return QStringLiteral("BootState {Normal/Safe/SafeNet}: ") + bootLine; });

    auto text = [](const char* label, QString value) { return QLatin1String(label) + value; };
    auto number = [](const char* label, int64_t value) { return QLatin1String(label) + QString::number(value); };
    auto boolean = [](const char* label, bool value) { return QLatin1String(label) + plat::booleanText(value); };

    AppendSysInfoLine([&] { return text("ComputerName: ", sys->ComputerName()); });
    AppendSysInfoLine([&] { return text("ComputerType: ", sys->ComputerType()); });
    AppendSysInfoLine([&] { return text("CurrentWindowsUser: ", sys->CurrentWindowsUser()); });
    AppendSysInfoLine([&] { return text("DisplayID: ", sys->DisplayID()); });
    AppendSysInfoLine([&] { return number("hProcess: ", sys->hProcess()); });
    AppendSysInfoLine([&] { return number("ProcessID: ", sys->ProcessID()); });
    AppendSysInfoLine([&] { return number("hThread: ", sys->hThread()); });
    AppendSysInfoLine([&] { return number("ThreadID: ", sys->ThreadID()); });
    AppendSysInfoLine([&] { return boolean("IsMSOfficeApplication: ", sys->IsMSOfficeApplication()); });
    AppendSysInfoLine([&] { return text("KeyboardID: ", sys->KeyboardID()); });
    AppendSysInfoLine([&] { return text("LanguageID: ", sys->LanguageID()); });
    AppendSysInfoLine([&] { return number("MouseButtonCount: ", sys->MouseButtonCount()); });
    AppendSysInfoLine([&] { return text("MouseID: ", sys->MouseID()); });
    AppendSysInfoLine([&] { return boolean("MouseWheelPresentNT: ", sys->MouseWheelPresentNT()); });
    AppendSysInfoLine([&] { return text("NetworkID: ", sys->NetworkID()); });
    AppendSysInfoLine([&] { return boolean("PenWindowsPresent: ", sys->PenWindowsPresent()); });
    AppendSysInfoLine([&] { return number("ScreenResolutionX: ", sys->ScreenResolutionX()); });
    AppendSysInfoLine([&] { return number("ScreenResolutionY: ", sys->ScreenResolutionY()); });
    AppendSysInfoLine([&] { return boolean("SlowMachine: ", sys->SlowMachine()); });
    AppendSysInfoLine([&] { return text("SystemDirectory: ", sys->SystemDirectory()); });
    AppendSysInfoLine([&] { return text("TempDirectory: ", sys->TempDirectory()); });
    AppendSysInfoLine([&] { return text("WindowsDirectory: ", sys->WindowsDirectory()); });

    int32_t Left = 0, Top = 0, Width = 0, Height = 0;
    sys->GetMouseScreenBoundries(Left, Top, Width, Height);
    lblGetMouseScreenBoundries->setCaption(rectangleText(Left, Top, Width, Height));

    sys->GetDesktopWorkArea(SavedWorkArea.Left, SavedWorkArea.Top, SavedWorkArea.Width, SavedWorkArea.Height);
    lblGetDesktopWorkArea->setCaption(
        rectangleText(SavedWorkArea.Left, SavedWorkArea.Top, SavedWorkArea.Width, SavedWorkArea.Height));

    cmbKeyPressFormats->setListIndex(0);
}

// The work area goes back when the window closes; the confinement stays.
void frmSystem::Form_QueryUnload(int16_t& Cancel, int16_t& UnloadMode)
{
    if (WorkAreaChanged)
        zg::System()->SetDesktopWorkArea(SavedWorkArea.Left, SavedWorkArea.Top, SavedWorkArea.Width,
                                         SavedWorkArea.Height);
}

void frmSystem::cmdClose_Click()
{
    Unload();
}

// ===== The file manager =====

void frmSystem::cmdExploreFolder_Click()
{
    cmdExploreFolder->setEnabled(false);
    setMousePointer(11);
    // The button and the pointer come back however the call ends; an error
    // of the library still reaches the user.
    struct Restore {
        frmSystem* form;
        ~Restore()
        {
            form->setMousePointer(0);
            form->cmdExploreFolder->setEnabled(true);
        }
    } restore{ this };
    const bool SinglePane = chkExploreSinglePane->Value() == 1;
    const bool Rooted = chkExploreRooted->Value() == 1;
    zg::System()->ExploreFolder(QStringLiteral("C:\\"), SinglePane, Rooted);
}

// ===== The desktop's work area =====

void frmSystem::cmdSetDesktopWorkArea_Click()
{
    const auto sys = zg::System();
    if (WorkAreaChanged) {
        sys->SetDesktopWorkArea(SavedWorkArea.Left, SavedWorkArea.Top, SavedWorkArea.Width, SavedWorkArea.Height);
        WorkAreaChanged = false;
        cmdSetDesktopWorkArea->setCaption(QStringLiteral("SetDesktopWorkArea"));
        cmdSetDesktopWorkArea->setFontBold(false);
    } else {
        const int32_t W = sys->ScreenResolutionX();
        const int32_t H = sys->ScreenResolutionY();
        sys->SetDesktopWorkArea(0, 0, W, plat::CLng(plat::Int(2.0 / 3.0 * double(H))));
        WorkAreaChanged = true;
        cmdSetDesktopWorkArea->setCaption(QStringLiteral("Release"));
        cmdSetDesktopWorkArea->setFontBold(true);
    }
    int32_t Left = 0, Top = 0, Width = 0, Height = 0;
    sys->GetDesktopWorkArea(Left, Top, Width, Height);
    lblGetDesktopWorkArea->setCaption(rectangleText(Left, Top, Width, Height));

    plat::formInstance<frmMaximize>()->Show(1);
}

// ===== The mouse =====

void frmSystem::cmdSetMouseScreenBoundries_Click()
{
    const auto sys = zg::System();
    int32_t Left = 0, Top = 0, Width = 0, Height = 0;
    if (MouseConfined) {
        sys->FreeMouseScreenBoundries();
        cmdSetMouseScreenBoundries->setCaption(QStringLiteral("SetMouseScreenBoundries"));
        MouseConfined = false;
        sys->GetMouseScreenBoundries(Left, Top, Width, Height);
        lblGetMouseScreenBoundries->setCaption(rectangleText(Left, Top, Width, Height));
    } else {
        zg::Miscellaneous()->GetControlScreenRect(cmdSetMouseScreenBoundries, Left, Top, Width, Height);
        sys->SetMouseScreenBoundries(Left, Top, plat::sub32(Width, 1), plat::sub32(Height, 1));
        cmdSetMouseScreenBoundries->setCaption(QStringLiteral("FreeMouseScreenBoundries"));
        MouseConfined = true;
        lblGetMouseScreenBoundries->setCaption(rectangleText(Left, Top, Width, Height));
    }
}

void frmSystem::cmdSetMouseScreenCoordinates_Click()
{
    int32_t Left = 0, Top = 0, Width = 0, Height = 0;
    zg::Miscellaneous()->GetControlScreenRect(shared_from_this(), Left, Top, Width, Height);
    zg::System()->SetMouseScreenCoordinates(Left, Top);
}

void frmSystem::GetMouseCoords_Timer()
{
    int32_t X = 0, Y = 0;
    zg::System()->GetMouseScreenCoordinates(X, Y);
    lblGetMouseScreenCoordinates->setCaption(QString::number(X) + QStringLiteral(" X ") + QString::number(Y));
}

// ===== The trail and the mouse script =====

void frmSystem::picMouseSimulationArea_MouseMove(int16_t Button, int16_t Shift, float X, float Y)
{
    if (Button < 1)
        return;
    if (!DrawingStarted) {
        picMouseSimulationArea->setCurrentX(X);
        picMouseSimulationArea->setCurrentY(Y);
        DrawingStarted = true;
    }
    picMouseSimulationArea->LineTo(X, Y, plat::Colour(0xFF));
}

void frmSystem::cmdClearMouseSimArea_Click()
{
    picMouseSimulationArea->Cls();
    DrawingStarted = false;
}

void frmSystem::cmdSimulateMouseActivity_Click()
{
    timerSimulateMouseActivity->setEnabled(true);
}

void frmSystem::timerSimulateMouseActivity_Timer()
{
    SimulationStep = plat::add32(SimulationStep, 1);
    if (SimulationStep > 24)
        timerSimulateMouseActivity->setEnabled(false);
    int32_t Left = 0, Top = 0, Width = 0, Height = 0;
    zg::Miscellaneous()->GetControlScreenRect(picMouseSimulationArea, Left, Top, Width, Height);
    if (SimulationStep >= 1 && SimulationStep <= SimulationScriptLength) {
        const ScriptStep& step = simulationScript()[SimulationStep - 1];
        zg::System()->SimulateMouseActivity(step.action, 1, plat::add32(Left, step.dx), plat::add32(Top, step.dy));
    }
}

// ===== Key masking =====

void frmSystem::cmbKeyPressFormats_Click()
{
    // Errors ignored statement by statement (the box cannot take the focus
    // while the window is not shown yet).
    plat::tryStatement([&] { txtKeyPressFilter->setText(QString()); });
    plat::tryStatement([&] { txtKeyPressFilter->SetFocus(); });
}

void frmSystem::txtKeyPressFilter_KeyPress(int16_t& KeyAscii)
{
    const int32_t Format = cmbKeyPressFormats->ListIndex();
    KeyAscii = zg::System()->MaskKeyPress(txtKeyPressFilter, KeyAscii, Format, QString(), 0);
}

void frmSystem::txtKeyPressFilter_KeyDown(int16_t& KeyCode, int16_t& Shift)
{
    const int32_t Format = cmbKeyPressFormats->ListIndex();
    zg::System()->MaskKeyDownUp(txtKeyPressFilter, KeyCode, Format, QString());
}

void frmSystem::txtKeyPressFilter_KeyUp(int16_t& KeyCode, int16_t& Shift)
{
    const int32_t Format = cmbKeyPressFormats->ListIndex();
    zg::System()->MaskKeyDownUp(txtKeyPressFilter, KeyCode, Format, QString());
}

} // namespace sysdemo
