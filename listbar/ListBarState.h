// The list bar control's fields that its layout-and-paint pass, its painters
// and its input, timer, drag and caption-editing code share, and what the
// pass needs of the control's window. The control owns one ListBarState and
// implements ListBarWindow; ListBarPainter works on both.
#pragma once
#include "Colour.h"
#include "Font.h"
#include "LBBars.h"
#include "LBDelegate.h"
#include "LBTrackingObject.h"
#include "Picture.h"
#include "Variant.h"

#include <QString>
#include <cstdint>
#include <memory>

namespace zg {
class ZorvaneGhostCanvas;
}

namespace listbar {

// What the pass needs of the control's window. Sizes and measurements are
// pixels of the drawing area.
class ListBarWindow {
public:
    virtual ~ListBarWindow() = default;

    // Size of the drawing area (the control's scale width and height).
    virtual double ScaleWidth() const = 0;
    virtual double ScaleHeight() const = 0;

    // The control's own font and its text measurements; the layout sets the
    // font before it measures (the bars' font for tabs, a bar's button font
    // for its buttons) and leaves it set.
    virtual void setFont(const plat::FontPtr& font) = 0;
    virtual double TextWidth(const QString& text) = 0;
    virtual double TextHeight(const QString& text) = 0;

    // Lengths converted between scale units (plat::scale codes); the pass
    // converts picture sizes from HiMetric to pixels with them.
    virtual double ScaleX(double value, int fromUnit, int toUnit) = 0;
    virtual double ScaleY(double value, int fromUnit, int toUnit) = 0;

    // The window's enabled state and its own background colour (the ground
    // of picture-clip cells when no mask colour is used).
    virtual bool Enabled() const = 0;
    virtual plat::Colour WindowBackColor() const = 0;

    // False while the host is being designed; the pass then shows only the
    // display name.
    virtual bool UserMode() const = 0;
    virtual QString DisplayName() const = 0;

    // Shows a finished picture as the control's picture.
    virtual void ShowPicture(const plat::PicturePtr& picture) = 0;

    // The picture of list image `reference` of the first control on the
    // host form whose name is `controlName`; nullptr when no control has
    // that name. Raises the control's error when it rejects the reference.
    virtual plat::PicturePtr ListImagePicture(const QString& controlName, const plat::Variant& reference) = 0;

    // Disables the two scroll timers (the trigger and the repeat).
    virtual void StopScrollTimers() = 0;
};

// The record the painters fill for a bar's buttons and for the tabs and
// hand to the drawing routines.
struct BarDrawStyle {
    int32_t LineHeight = 0; // text height of the sample text plus 3
    int32_t ButtonImageSize = 0;
    plat::Colour ColorButton = 0;
    plat::Colour ColorHighlight = 0;
    plat::Colour ColorOutline = 0;
    plat::Colour ColorShadow = 0;
    plat::Colour ColorText = 0;
    plat::Colour ColorTextHover = 0;
    plat::Colour ColorTextShadow = 0;
    int32_t TextShadow = 0;
    int32_t TextShadowDepth = 0;
    int32_t ButtonTextPosition = 0;
};

struct ListBarState {
    // --- the object model the control owns ---
    LBBarsPtr Bars;
    LBDelegatePtr Delegate;
    std::shared_ptr<LBTrackingObjects> TrackingObjects = std::make_shared<LBTrackingObjects>();

    // --- settings of the control that the pass and the painters read ---
    int32_t Style = 0;       // 0 bevelled, any other value pictures
    int32_t Orientation = 0; // 0 tabs stacked top to bottom, any other value side by side
    int32_t BorderStyle = 0; // 1 single, 2 double, any other value none
    bool ActiveBarOnTop = false;
    bool ActiveButtons = false;
    int16_t ButtonMarginLeftTop = 0;
    int16_t ButtonMarginRightBottom = 0;
    bool PreventRefresh = false;
    // Image sources of the buttons.
    int32_t IconSource = 0; // 0 the image list control, any other value the picture-clip grid
    QString ImageListControl;
    plat::PicturePtr PictureClip;
    int32_t PicClipCellWidth = 0;
    int32_t PicClipCellHeight = 0;
    bool UseMaskColor = false;
    plat::Colour MaskColor = 0;
    bool AcclimateGrayTones = false;

    // --- the caption editor (which caption it edits while it is shown) ---
    bool EditorVisible = false;
    QString EditBarID;    // UniqueID of the bar whose caption, or whose button's caption, is edited
    QString EditButtonID; // "" while a bar caption is edited
    // Where the editor box goes: its top, the anchor that the box is placed
    // against (left edge, centre or right edge) and its largest width. They
    // keep their values between edits; every text change places the box
    // from them again.
    int32_t EditTop = 0;
    int32_t EditLeft = 0;
    int32_t EditCenter = 0;
    int32_t EditRight = 0;
    int32_t EditMaxWidth = 0;
    bool EditTextLoading = false; // the caption is being loaded into the box

    // --- fields the pass writes and the rest of the control reads ---
    std::shared_ptr<zg::ZorvaneGhostCanvas> Surface; // the running pass's surface
    LBTrackingObjectPtr CurrentItem;    // under the mouse or pressed
    LBTrackingObjectPtr ClientItem;     // the open bar's client area (during a pass)
    LBTrackingObjectPtr SwitchedToItem; // tab of the newly active bar in a stepped switch frame
    plat::PicturePtr FadeTargetPicture; // the kept picture of a faded switch
    double RedrawCounter = 0;           // passes run
    QString FirstShownButtonID;
    int32_t ButtonAreaLeft = 0;  // client area's left edge
    int32_t ButtonAreaRight = 0; // and right edge (left plus width)
    int32_t SurfaceWidth = 0;
    int32_t SurfaceHeight = 0;
    int32_t TabWidth = 0;
    int32_t TabHeight = 0;
    int32_t BorderWidth = 0;
    int32_t LongestCaptionWidth = 0; // the open bar's widest caption
    bool PaintInProgress = false;

    // --- the animation's timing pair ---
    int32_t FadeLimit = 0;
    int32_t FadeStepFactor = 0;

    // --- mouse and drag state ---
    bool MouseInside = false;
    bool MouseIsDown = false;
    bool DragInProgress = false;
    int16_t DragScrollDirection = 0;
    int16_t PressButton = 0;
    float PressX = 0;
    float PressY = 0;
    bool SuppressMouseDownEvent = false;
    bool KeyDownSeen = false;   // a key went down while the control had the focus
    bool InternalDrag = false;  // the running drag was started by this control
    bool InsertShown = false;   // a drag insert mark is painted
    QString InsertKey;          // the insert position last painted
    QString InsertAfterID;      // the button a drop lands after; "" before the first one
    int32_t LastEffect = 0;     // the drop effect the last drag-over settled on
};

} // namespace listbar
