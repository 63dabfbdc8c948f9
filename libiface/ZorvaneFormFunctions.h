// Form functions of the utility library: centring, the desktop's window
// metrics and fonts, moving controls between windows, floating and shaped
// windows. Forms and controls are passed as reference objects that
// implement plat::WindowObject.
#pragma once
#include "Error.h"
#include "Font.h"
#include "Object.h"
#include "Variant.h"

#include <QString>
#include <cstdint>

namespace zg {

class ZorvaneFormFunctions {
public:
    static constexpr const char* ClassId = "{7EC65971-BC1C-11D2-94CF-004005455FAA}";
    static constexpr const char* InterfaceId = "{87E7BD90-4C90-11D4-8111-005004D78BE4}";
    static constexpr const char* ClassName = "ZorvaneFormFunctions";

    virtual ~ZorvaneFormFunctions() = default;

    // Members a stand-in object does not answer raise 438.
    [[noreturn]] static void unsupported(const char* member)
    {
        plat::raise(438, QString::fromLatin1(ClassName) + QLatin1Char('.') + QLatin1String(member));
    }

    // Places the form's outer frame in an area so that XRatio of the spare
    // width lies left of it and YRatio of the spare height above it (0.5 and
    // 0.5 centre it). The area is the screen's available area (without
    // panels) when UseWorkArea is True, else the whole screen; with
    // RelativeToOwner True it is the frame of the window that owns the form
    // (the screen when it has none). Raises 424 for an object without a
    // window.
    virtual void CenterFormEx(const plat::ObjectPtr& Form, bool UseWorkArea = true, bool RelativeToOwner = false,
                              float XRatio = 0.5f, float YRatio = 0.5f) = 0;

    // ===== The desktop style's metrics, in pixels =====
    // The width of a frame drawn around a sunken or raised area.
    virtual float DefaultBorderSize() { unsupported("DefaultBorderSize"); }
    // The height of one item of a drop-down menu in the menu font.
    virtual int16_t DefaultMenuItemHeight() { unsupported("DefaultMenuItemHeight"); }
    // The height of a horizontal and the width of a vertical scroll bar.
    virtual int16_t DefaultScrollBarHeight() { unsupported("DefaultScrollBarHeight"); }
    virtual int16_t DefaultScrollBarWidth() { unsupported("DefaultScrollBarWidth"); }
    // A button of a normal window's title bar (the close button).
    virtual int16_t DefaultTitleBarButtonHeight() { unsupported("DefaultTitleBarButtonHeight"); }
    virtual int16_t DefaultTitleBarButtonWidth() { unsupported("DefaultTitleBarButtonWidth"); }
    // The display's root window (the desktop) where the display has one,
    // as its window identifier; 0 on displays without one (offscreen,
    // Wayland). DesktopHDC gives the same drawable: drawing on the desktop
    // goes to its root window.
    virtual int32_t DesktopHDC() { unsupported("DesktopHDC"); }
    virtual int32_t DesktopHWnd() { unsupported("DesktopHWnd"); }
    // What the window manager's frame adds to the form's client area, in
    // pixels: height (title bar and borders) and width (borders). Measured
    // from the frame once the form is shown; before that, and where the
    // window manager does not tell, the style's title bar height plus two
    // borders, and two borders.
    virtual plat::Variant NonClientAreaHeight(const plat::ObjectPtr& Form) { unsupported("NonClientAreaHeight"); }
    virtual plat::Variant NonClientAreaWidth(const plat::ObjectPtr& Form) { unsupported("NonClientAreaWidth"); }
    // A tool window's title bar button.
    virtual int16_t SmallTitleBarButtonHeight() { unsupported("SmallTitleBarButtonHeight"); }
    virtual int16_t SmallTitleBarButtonWidth() { unsupported("SmallTitleBarButtonWidth"); }

    // ===== The desktop's fonts (a new font object each call) =====
    virtual plat::FontPtr DefaultTitleBarFont() { unsupported("DefaultTitleBarFont"); }
    virtual plat::FontPtr SmallTitleBarFont() { unsupported("SmallTitleBarFont"); }
    virtual plat::FontPtr DefaultMenuFont() { unsupported("DefaultMenuFont"); }

    // Moves the control's window into NewParent (a form or a container
    // control such as a picture box), at the same position inside it, and
    // shows it there. A control whose new parent is destroyed goes back to
    // its own container first. Returns True when it moved; raises 424 for
    // objects without a window.
    virtual bool SetParent(const plat::ObjectPtr& Control, const plat::ObjectPtr& NewParent) { unsupported("SetParent"); }

    // Keeps the form above other windows (Floating True or omitted) or
    // lets it go back among them (False); the form stays visible. Returns
    // True when the change was made.
    virtual bool SetFloatingWindow(const plat::ObjectPtr& Form, const plat::Variant& Floating = plat::Variant()) = 0;

    // Gives the form's window the shape of the polygon "(x,y)-(x,y)-...",
    // in pixels of the window; the window manager's frame goes, as it
    // would lie outside the shape. Returns False and leaves the shape alone for
    // text that is not such a list, for fewer than three or more than 4096
    // points and for numbers outside +/-32767.
    virtual bool SetFormShapeFromPoints(const plat::ObjectPtr& Form, const QString& Points) { unsupported("SetFormShapeFromPoints"); }
};

} // namespace zg
