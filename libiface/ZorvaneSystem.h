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

    // ---- system values (what each one is on Linux) ----
    // Colours the display shows: 2 to the screen's bit depth, at most 2^24.
    virtual double AvailableColors() = 0;
    // 0 normal, 1 safe mode, 2 safe mode with network, -1 unknown. Linux
    // has no safe-mode start that a program can tell: always 0.
    virtual int16_t BootState() = 0;
    // The host name.
    virtual QString ComputerName() = 0;
    // The processor architecture ("x86_64").
    virtual QString ComputerType() = 0;
    // The login name of the user running the program.
    virtual QString CurrentWindowsUser() = 0;
    // The name of the primary screen as the display server gives it.
    virtual QString DisplayID() = 0;
    // The handles that always name the calling process (-1) and thread (-2).
    virtual int32_t hProcess() = 0;
    // The process id and the kernel's id of the calling thread.
    virtual int32_t ProcessID() = 0;
    virtual int32_t hThread() = 0;
    virtual int32_t ThreadID() = 0;
    // No office suite hosts these programs: always false.
    virtual bool IsMSOfficeApplication() = 0;
    // The keyboard layout of the current group as the display server has
    // it ("us", "de(nodeadkeys)"); without one, the input locale ("en_US").
    virtual QString KeyboardID() = 0;
    // The user's locale ("en_US").
    virtual QString LanguageID() = 0;
    // Buttons of the pointing device that has the most, wheel buttons left
    // out, and its name, as the display server's input devices tell them;
    // otherwise the toolkit's primary pointing device.
    virtual int16_t MouseButtonCount() = 0;
    virtual QString MouseID() = 0;
    // Whether any pointing device scrolls.
    virtual bool MouseWheelPresentNT() = 0;
    // The machine's NIS/YP domain; empty when it has none.
    virtual QString NetworkID() = 0;
    // Whether a stylus or tablet is attached.
    virtual bool PenWindowsPresent() = 0;
    // The primary screen's size in pixels.
    virtual int32_t ScreenResolutionX() = 0;
    virtual int32_t ScreenResolutionY() = 0;
    // No such rating exists on Linux: always false.
    virtual bool SlowMachine() = 0;
    // The suite's system, temporary and Windows folders (Paths.h).
    virtual QString SystemDirectory() = 0;
    virtual QString TempDirectory() = 0;
    virtual QString WindowsDirectory() = 0;

    // ---- mouse ----
    // Screen pixels. Inside a confinement the pointer goes only as far as
    // its edge.
    virtual void GetMouseScreenCoordinates(int32_t& X, int32_t& Y) = 0;
    virtual void SetMouseScreenCoordinates(int32_t X, int32_t Y) = 0;
    // The rectangle the pointer is kept in (the whole desktop when free).
    virtual void GetMouseScreenBoundries(int32_t& Left, int32_t& Top, int32_t& Width, int32_t& Height) = 0;
    // Keeps the pointer in the rectangle (Width and Height of 0 leave one
    // pixel) until FreeMouseScreenBoundries or the end of the process. On
    // X11 the display server holds it with pointer barriers (mice and
    // touchpads stop at them); elsewhere the pointer is brought back by a
    // timer. A negative size raises error 5, a far edge beyond 32 bits
    // error 6.
    virtual void SetMouseScreenBoundries(int32_t Left, int32_t Top, int32_t Width, int32_t Height) = 0;
    virtual void FreeMouseScreenBoundries() = 0;
    // One step of synthetic mouse input at a screen point: Action 3 presses,
    // 4 moves, 5 releases Button (1 left, 2 right, 4 middle). On X11 it goes
    // through the display server's test input, so it reaches any window as a
    // user's would. Other actions or buttons raise error 5.
    virtual void SimulateMouseActivity(int32_t Action, int32_t Button, int32_t X, int32_t Y) = 0;

    // ---- desktop ----
    // The work area in force: the window manager's under an EWMH manager
    // that honours strut hints, otherwise the one set for this program (or
    // the screen's available area).
    virtual void GetDesktopWorkArea(int32_t& Left, int32_t& Top, int32_t& Width, int32_t& Height) = 0;
    // Under an EWMH manager, reserves the rest of the screen for every
    // program's maximized windows (a dock window with strut hints, gone
    // with the process); setting the area the manager had before takes the
    // reservation away. Without one, the area is recorded for this program
    // only. A negative size raises error 5, a far edge beyond 32 bits
    // error 6.
    virtual void SetDesktopWorkArea(int32_t Left, int32_t Top, int32_t Width, int32_t Height) = 0;

    // ---- keyboard filtering of a text box ----
    // Characters each format lets through (control keys such as backspace,
    // copy, cut and paste always pass; Reserved is not used):
    //   0 All: everything            1 Numbers: 0-9
    //   2 Letters: letters           3 Mathematical: 0-9 + - * / ^ ( ) . = % space
    //   4 Currency: 0-9 . , - $      5 Date: 0-9 / - .
    //   6 Time12Hour, 7 Time12HourShort: 0-9 : space A P M (either case)
    //   8 Time24Hour, 9 Time24HourShort: 0-9 :
    //   10 PhoneParenthesis: 0-9 ( ) - space
    //   11 PhoneDashesOnly: 0-9 -    12 PhoneDecimalsOnly: 0-9 .
    //   13 USPostalCode: 0-9 -       14 Hex: 0-9 A-F (typed in capitals)
    //   15 Binary: 0 1
    // A non-empty CustomMask replaces the format (any code then): one place
    // per character of the text, "#" a digit, "?" a letter, "A" a letter or
    // digit, "H" a hex digit, "&" any character, anything else (or a
    // character after "\") itself. The typed character must fit the place
    // at the caret, and the text never grows past the mask: "####" takes up
    // to four digits. Returns the key to use: KeyAscii, the capital of a hex
    // digit, or 0 to drop it. A format outside 0 to 15 without a custom
    // mask raises error 5.
    virtual int16_t MaskKeyPress(const plat::ObjectPtr& TextBox, int16_t KeyAscii, int32_t Format,
                                 const QString& CustomMask = QString(), int32_t Reserved = 0) = 0;
    // Key-down and key-up: KeyCode passes unchanged (the characters are
    // filtered by MaskKeyPress); the same error for a bad format.
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
    // Opens a folder in the desktop's file manager through the freedesktop
    // opener; the same codes (3 for a folder that does not exist). A file
    // manager has no single-pane or rooted view to ask for, and no item to
    // select: SinglePane, Rooted and SelectItem are accepted and not used.
    virtual int32_t ExploreFolder(const QString& Folder, bool SinglePane = false, bool Rooted = false,
                                  const plat::Variant& SelectItem = plat::Variant()) = 0;
};

} // namespace zg
