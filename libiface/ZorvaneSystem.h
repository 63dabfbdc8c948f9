// System functions of the utility library: system values, colours, the
// mouse, keyboard filtering, the desktop's work area and starting programs
// and documents. Paths are Windows-style, as the system sees them.
#pragma once
#include "Colour.h"
#include "Object.h"
#include "Variant.h"

#include <QString>
#include <cstdint>
#include <memory>

namespace zg {

class ZorvaneAPM;
class ZorvaneMemory;
class ZorvaneProcessor;
class ZorvaneScreenModes;

class ZorvaneSystem {
public:
    static constexpr const char* ClassId = "{7EC65986-BC1C-11D2-94CF-004005455FAA}";
    static constexpr const char* InterfaceId = "{E01D1E77-7EE2-11D4-8111-005004D78BE4}";
    static constexpr const char* ClassName = "ZorvaneSystem";

    // Actions of SimulateMouseActivity.
    enum MouseAction : int32_t { MouseMoveTo = 4, MousePress = 3, MouseRelease = 5 };

    virtual ~ZorvaneSystem() = default;

    // Sub-objects: a new one at every call, made through the class's own
    // factory (tests install fakes with installFactory<...>()).
    virtual std::shared_ptr<ZorvaneProcessor> Processor() = 0;
    virtual std::shared_ptr<ZorvaneMemory> Memory() = 0;
    virtual std::shared_ptr<ZorvaneAPM> Power() = 0;
    virtual std::shared_ptr<ZorvaneScreenModes> ScreenModes() = 0;

    // ---- colours (system colours, high bit set, are resolved first) ----
    // The mix that moves from Colour1 toward Colour2 by Ratio (0: Colour1,
    // 1: Colour2; values outside are clamped), each channel rounded.
    virtual plat::Colour BlendedColorRGB(plat::Colour Colour1, plat::Colour Colour2, float Ratio) = 0;
    virtual plat::Colour ColorToRGB(plat::Colour Colour) = 0;
    virtual void GetRGBComponents(plat::Colour Colour, int32_t& Red, int32_t& Green, int32_t& Blue) = 0;
    // The RGB value a window mask compares with.
    virtual plat::Colour MaskColorToRGB(plat::Colour Colour) = 0;

    // ---- system values ----
    // Colours the display shows: 2 to the screen's bit depth, at most 2^24.
    virtual double AvailableColors() = 0;
    // 0 normal, 1 safe mode, 2 safe mode with network, -1 unknown.
    virtual int16_t BootState() = 0;
    virtual QString ComputerName() = 0;
    virtual QString ComputerType() = 0;
    virtual QString CurrentWindowsUser() = 0;
    virtual QString DisplayID() = 0;
    virtual int32_t hProcess() = 0;
    virtual int32_t ProcessID() = 0;
    virtual int32_t hThread() = 0;
    virtual int32_t ThreadID() = 0;
    virtual bool IsMSOfficeApplication() = 0;
    virtual QString KeyboardID() = 0;
    virtual QString LanguageID() = 0;
    virtual int16_t MouseButtonCount() = 0;
    virtual QString MouseID() = 0;
    virtual bool MouseWheelPresentNT() = 0;
    virtual QString NetworkID() = 0;
    virtual bool PenWindowsPresent() = 0;
    virtual int32_t ScreenResolutionX() = 0;
    virtual int32_t ScreenResolutionY() = 0;
    virtual bool SlowMachine() = 0;
    virtual QString SystemDirectory() = 0;
    virtual QString TempDirectory() = 0;
    virtual QString WindowsDirectory() = 0;

    // ---- mouse ----
    virtual void GetMouseScreenCoordinates(int32_t& X, int32_t& Y) = 0;
    virtual void SetMouseScreenCoordinates(int32_t X, int32_t Y) = 0;
    // The rectangle the pointer is kept in (the whole desktop when free).
    virtual void GetMouseScreenBoundries(int32_t& Left, int32_t& Top, int32_t& Width, int32_t& Height) = 0;
    virtual void SetMouseScreenBoundries(int32_t Left, int32_t Top, int32_t Width, int32_t Height) = 0;
    virtual void FreeMouseScreenBoundries() = 0;
    // One step of synthetic mouse input at a screen point: Action 3 presses,
    // 4 moves, 5 releases Button (1 left, 2 right, 4 middle). Other actions
    // raise error 5.
    virtual void SimulateMouseActivity(int32_t Action, int32_t Button, int32_t X, int32_t Y) = 0;

    // ---- desktop ----
    virtual void GetDesktopWorkArea(int32_t& Left, int32_t& Top, int32_t& Width, int32_t& Height) = 0;
    virtual void SetDesktopWorkArea(int32_t Left, int32_t Top, int32_t Width, int32_t Height) = 0;

    // ---- keyboard filtering of a text box ----
    // Formats 0 All, 1 Numbers, 2 Letters, 3 Mathematical, 4 Currency,
    // 5 Date, 6 Time12Hour, 7 Time12HourShort, 8 Time24Hour,
    // 9 Time24HourShort, 10 PhoneParenthesis, 11 PhoneDashesOnly,
    // 12 PhoneDecimalsOnly, 13 USPostalCode, 14 Hex, 15 Binary. A non-empty
    // CustomMask lists the characters allowed instead. Returns the key to
    // use: KeyAscii itself, or 0 to drop it. Control keys always pass.
    virtual int16_t MaskKeyPress(const plat::ObjectPtr& TextBox, int16_t KeyAscii, int32_t Format,
                                 const QString& CustomMask = QString(), int32_t Reserved = 0) = 0;
    virtual void MaskKeyDownUp(const plat::ObjectPtr& TextBox, int16_t& KeyCode, int32_t Format,
                               const QString& CustomMask = QString()) = 0;

    // ---- programs and documents ----
    // Starts a program without waiting for it. Above 32: started;
    // otherwise 2 file not found, 3 path not found, 5 access denied,
    // 8 out of memory, 11 bad format, 0 any other failure.
    virtual int32_t ExecuteApplication(const QString& Path, const QString& Parameters = QString(),
                                       const QString& WorkingDirectory = QString()) = 0;
    // Opens a document or address with the desktop's opener; the same codes.
    virtual int32_t ExecuteDocument(const QString& Document, const plat::Variant& Operation = plat::Variant()) = 0;
    // Opens a folder in the desktop's file manager; the same codes.
    virtual int32_t ExploreFolder(const QString& Folder, bool SinglePane = false, bool Rooted = false,
                                  const plat::Variant& SelectItem = plat::Variant()) = 0;
};

} // namespace zg
