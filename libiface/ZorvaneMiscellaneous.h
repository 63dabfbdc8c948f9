// Miscellaneous functions of the utility library: masked pictures, pattern
// brushes and functions of controls. Controls and forms are passed as
// reference objects that implement plat::WindowObject.
#pragma once
#include "Colour.h"
#include "Object.h"
#include "Picture.h"

#include <QString>
#include <cstdint>
#include <memory>

namespace zg {

class ZorvaneGhostCanvas;

class ZorvaneMiscellaneous {
public:
    static constexpr const char* ClassId = "{7EC6595F-BC1C-11D2-94CF-004005455FAA}";
    static constexpr const char* InterfaceId = "{87E7BD88-4C90-11D4-8111-005004D78BE4}";
    static constexpr const char* ClassName = "ZorvaneMiscellaneous";

    virtual ~ZorvaneMiscellaneous() = default;

    // True while the mouse pointer lies on one of the pixels of the
    // control's window rectangle and the control is visible. Raises 424 for
    // an object without a window.
    virtual bool MouseIsOverControl(const plat::ObjectPtr& Control) = 0;

    // Called when a text control gets the focus: selects all its text.
    // Controls without text are left alone.
    virtual void ControlGotFocusHelper(const plat::ObjectPtr& Control) = 0;

    // Selects the entry of a combo box whose text is Text (the same case
    // first, else without regard to case), as if the user had chosen it:
    // the box raises its Click. Returns False and leaves the selection when
    // no entry has that text. Raises 424 for an object without a window and
    // 438 for a control that is not a combo box.
    virtual bool SelectComboItemByText(const plat::ObjectPtr& ComboBox, const QString& Text) = 0;

    // Draws the picture stretched into (X, Y, Width, Height) of the surface,
    // leaving the pixels of MaskColor out; a Width or Height of 0 takes the
    // picture's own. The surface drawn on is handed back in Canvas.
    virtual void PaintMaskedPicture(std::shared_ptr<ZorvaneGhostCanvas>& Canvas, const plat::PicturePtr& Picture,
                                    plat::Colour MaskColor, int32_t X, int32_t Y, int32_t Width, int32_t Height) = 0;

    // A pattern brush made of the picture (a one-bit picture takes the back
    // and fore colours of the surface it fills). With LibraryOwnsBrush True
    // the library releases the brush once a surface has selected it and put
    // it back (RestoreBrush) or has ended; otherwise the caller deletes it.
    // Returns the brush handle; raises 481 for an empty picture.
    virtual int64_t PatternBrushFromPicture(const plat::PicturePtr& Picture, bool LibraryOwnsBrush = true,
                                            int32_t Reserved = 0) = 0;

    // The control's window rectangle in screen pixels (a form: its outer
    // frame). Raises 424 for an object without a window.
    virtual void GetControlScreenRect(const plat::ObjectPtr& Control, int32_t& Left, int32_t& Top, int32_t& Width,
                                      int32_t& Height) = 0;
};

} // namespace zg
