// Form functions of the utility library: centring and floating windows.
// Forms are passed as reference objects that implement plat::WindowObject.
#pragma once
#include "Object.h"
#include "Variant.h"

namespace zg {

class ZorvaneFormFunctions {
public:
    static constexpr const char* ClassId = "{7EC65971-BC1C-11D2-94CF-004005455FAA}";
    static constexpr const char* InterfaceId = "{87E7BD90-4C90-11D4-8111-005004D78BE4}";
    static constexpr const char* ClassName = "ZorvaneFormFunctions";

    virtual ~ZorvaneFormFunctions() = default;

    // Places the form's outer frame in an area so that XRatio of the spare
    // width lies left of it and YRatio of the spare height above it (0.5 and
    // 0.5 centre it). The area is the screen's available area (without
    // panels) when UseWorkArea is True, else the whole screen; with
    // RelativeToOwner True it is the frame of the window that owns the form
    // (the screen when it has none). Raises 424 for an object without a
    // window.
    virtual void CenterFormEx(const plat::ObjectPtr& Form, bool UseWorkArea = true, bool RelativeToOwner = false,
                              float XRatio = 0.5f, float YRatio = 0.5f) = 0;

    // Keeps the form above other windows (Floating True or omitted) or
    // lets it go back among them (False); the form stays visible. Returns
    // True when the change was made.
    virtual bool SetFloatingWindow(const plat::ObjectPtr& Form, const plat::Variant& Floating = plat::Variant()) = 0;
};

} // namespace zg
