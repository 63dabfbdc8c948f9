// System values, colours, the mouse, keyboard filtering, the desktop's work
// area and starting programs and documents. Whatever touches the real
// machine goes through zg::machine() (Machine.h).
#pragma once
#include "ProcessorImpl.h"
#include "ZorvaneSystem.h"

namespace zg {

class SystemImpl : public ZorvaneSystem {
public:
    std::shared_ptr<ZorvaneProcessor> Processor() override;
    std::shared_ptr<ZorvaneMemory> Memory() override;
    std::shared_ptr<ZorvaneAPM> Power() override;
    std::shared_ptr<ZorvaneScreenModes> ScreenModes() override;

    plat::Colour BlendedColorRGB(plat::Colour Colour1, plat::Colour Colour2, float Ratio) override;
    plat::Colour ColorToRGB(plat::Colour Colour) override;
    void GetRGBComponents(plat::Colour Colour, int32_t& Red, int32_t& Green, int32_t& Blue) override;
    plat::Colour MaskColorToRGB(plat::Colour Colour) override;

    double AvailableColors() override;
    int16_t BootState() override;
    QString ComputerName() override;
    QString ComputerType() override;
    QString CurrentWindowsUser() override;
    QString DisplayID() override;
    int32_t hProcess() override;
    int32_t ProcessID() override;
    int32_t hThread() override;
    int32_t ThreadID() override;
    bool IsMSOfficeApplication() override;
    QString KeyboardID() override;
    QString LanguageID() override;
    int16_t MouseButtonCount() override;
    QString MouseID() override;
    bool MouseWheelPresentNT() override;
    QString NetworkID() override;
    bool PenWindowsPresent() override;
    int32_t ScreenResolutionX() override;
    int32_t ScreenResolutionY() override;
    bool SlowMachine() override;
    QString SystemDirectory() override;
    QString TempDirectory() override;
    QString WindowsDirectory() override;

    void GetMouseScreenCoordinates(int32_t& X, int32_t& Y) override;
    void SetMouseScreenCoordinates(int32_t X, int32_t Y) override;
    void GetMouseScreenBoundries(int32_t& Left, int32_t& Top, int32_t& Width, int32_t& Height) override;
    void SetMouseScreenBoundries(int32_t Left, int32_t Top, int32_t Width, int32_t Height) override;
    void FreeMouseScreenBoundries() override;
    void SimulateMouseActivity(int32_t Action, int32_t Button, int32_t X, int32_t Y) override;

    void GetDesktopWorkArea(int32_t& Left, int32_t& Top, int32_t& Width, int32_t& Height) override;
    void SetDesktopWorkArea(int32_t Left, int32_t Top, int32_t Width, int32_t Height) override;

    int16_t MaskKeyPress(const plat::ObjectPtr& TextBox, int16_t KeyAscii, int32_t Format,
                         const QString& CustomMask = QString(), int32_t Reserved = 0) override;
    void MaskKeyDownUp(const plat::ObjectPtr& TextBox, int16_t& KeyCode, int32_t Format,
                       const QString& CustomMask = QString()) override;

    int32_t ExecuteApplication(const QString& Path, const QString& Parameters = QString(),
                               const QString& WorkingDirectory = QString()) override;
    int32_t ExecuteDocument(const QString& Document, const plat::Variant& Operation = plat::Variant()) override;
    int32_t ExploreFolder(const QString& Folder, bool SinglePane = false, bool Rooted = false,
                          const plat::Variant& SelectItem = plat::Variant()) override;

    // Tests: the clock the processor objects report (empty: the machine's).
    void setProcessorSpeedSource(ProcessorImpl::SpeedSource source) { speedSource_ = std::move(source); }

    // Whether a typed character passes a key-mask format (0 to 15) or, when
    // it is not empty, the custom mask; control characters always pass.
    static bool keyAllowed(QChar c, int32_t format, const QString& customMask);
    // Whether c fits place `position` of a custom mask (-1: any place).
    static bool maskPlaceAllows(const QString& mask, qsizetype position, QChar c);

private:
    ProcessorImpl::SpeedSource speedSource_;
};

} // namespace zg
