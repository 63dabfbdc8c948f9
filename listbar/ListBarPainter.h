// How the list bar draws itself. One pass (LayoutAndPaint) lays out the bar
// tabs, the open bar's client area, its displayed buttons and its scroll
// arrows, rebuilds the hit-test items from that layout, lets the painter of
// the current Style draw onto a new drawing surface, frames the control and
// hands the finished picture to it. The painters and their drawing routines
// position everything from the hit-test items.
//
// The pass and the painters skip a failing statement (a library call, a
// lookup that finds nothing) and go on with the next; nothing they do
// reports an error to the caller.
#pragma once
#include "LBTrackingObject.h"
#include "ListBarState.h"

#include <QString>
#include <cstdint>
#include <memory>
#include <vector>

namespace listbar {

class LBButton;

class ListBarPainter {
public:
    ListBarPainter(ListBarState& state, ListBarWindow& window);

    // The one redraw of the control.
    //  KeepPicture:    keep the finished picture in FadeTargetPicture instead
    //                  of showing it (the faded bar switch).
    //  BarKey:         UniqueID of the bar to draw open; "" for the active bar
    //                  (the frames of the stepped bar switch pass the bar left).
    //  Percent:        step of the stepped bar switch (33, 66), else 0.
    //  InsertButtonID: the displayed button a drag would insert at, or "".
    //  InsertBefore:   non-zero puts the mark before that button (or, with no
    //                  button, before the first one).
    // Does nothing while the control's or the notifier's PreventRefresh is
    // set or while a pass is running.
    void LayoutAndPaint(bool KeepPicture = false, const QString& BarKey = QString(), int16_t Percent = 0,
                        const QString& InsertButtonID = QString(), int16_t InsertBefore = 0);

    // The two painters (Style 0, any other Style).
    void PaintBevelStyle(int16_t Percent, const QString& InsertButtonID, int16_t InsertFlag);
    void PaintImageStyle(int16_t Percent, const QString& InsertButtonID, int16_t InsertFlag);

    // --- drawing routines of the painters (their errors reach the caller) ---

    // A caption in the box (X, Y, Width, BoxHeight or the record's line
    // height): shadow copies by the record's TextShadow, then the text in the
    // hover colour (MouseState not 0), the override colour (UseOverride) or
    // the text colour; a disabled control draws it engraved. Alignment 0
    // left, 1 right, 2 centred; FlagA clips to the box, FlagB keeps one line.
    void DrawCaptionText(const QString& Text, int32_t X, int32_t Y, int32_t Width, int32_t MouseState,
                         BarDrawStyle& Style, int32_t BoxHeight, int32_t Alignment, bool FlagA, bool FlagB,
                         plat::Colour OverrideColour, bool UseOverride);
    // Cell `CellNumber` (from 1, row by row) of the PictureClip grid, or none.
    plat::PicturePtr GetPictureClipCell(int32_t CellNumber);
    // A button's image, S x S at (X + 2, Y + 2), and its hover or pressed
    // frame; (X, Y) is the top-left of the image frame.
    void DrawButtonImage(const plat::PicturePtr& Picture, int32_t X, int32_t Y, int16_t MouseButton,
                         int32_t MouseState, BarDrawStyle& Style);
    // The drag insert mark at the given displayed button's item (or none).
    void DrawInsertMark(plat::Colour Colour, const QString& InsertID, int16_t Before,
                        const LBTrackingObjectPtr& Item);
    // A tab caption from (X, Y) along Length: upright, or running upward
    // from its bottom end in a horizontal list bar.
    void DrawOrientedCaption(const QString& Text, int32_t X, int32_t Y, int32_t Length, int32_t LineHeight,
                             int32_t MouseState, BarDrawStyle& Style, plat::Colour CaptionColour);
    // The first usable image reference of a button for a mouse state, or
    // Null when none is usable.
    plat::Variant ResolveButtonImage(int32_t MouseState, const QString& BarID, const QString& ButtonID,
                                     bool FromPictureClip);

    // The larger of A and B, but C when that exceeds C.
    static int32_t ClampToMax(int32_t A, int32_t B, int32_t C);
    // A number other than 0 (integer, floating, currency or decimal), or a
    // non-empty text unless only numbers are acceptable.
    static bool IsImageReferenceValid(const plat::Variant& Reference, bool NumberOnly);

private:
    struct ButtonPitch; // working values of one button layout
    struct PlacedButton {
        LBTrackingObjectPtr item;
        std::shared_ptr<LBButton> button;
    };

    bool horizontal() const { return state_.Orientation != 0; }
    zg::ZorvaneGhostCanvas& surface() const;
    LBBars& bars() const;
    LBDelegate& notifier() const;
    LBTrackingObjects& trackingObjects() const;

    // Layout.
    void resetTrackingObjects();
    void layoutTabs(const QString& BarKey);
    LBTrackingObjectPtr makeClientItem(const LBBar& bar, const LBTrackingObject& tab);
    void layoutButtons();
    LBTrackingObjectPtr makeButtonItem(const ButtonPitch& g, const LBButton& button, int32_t position,
                                       bool backFill, int32_t& cursor);
    void layoutScrollItems(LBBar& bar, int32_t fullyShown);
    void carryOver(const LBTrackingObjectPtr& item);
    void repairActiveBar();
    void drawClientFrame();
    void drawBorder();
    void designTimeLook();

    // Steps the two painters share.
    void paintClientArea();
    LBTrackingObjectPtr paintButtons(BarDrawStyle& style, const QString& insertID, bool& handledButtons);
    void paintButton(const LBTrackingObject& item, BarDrawStyle& style);
    void paintInsertMark(const QString& insertID, int16_t before, const LBTrackingObjectPtr& insertItem);
    void loadTabSettings(BarDrawStyle& style);
    void moveTabForSwitch(LBTrackingObject& tab, int16_t percent);
    void paintTabCaption(const LBTrackingObject& tab, const LBBar& bar, BarDrawStyle& style);

    // Bevel style only.
    void paintBevelArrow(const LBTrackingObject& item, const BarDrawStyle& style);
    void paintBevelTab(LBTrackingObject& tab, BarDrawStyle& style, int16_t percent);

    ListBarState& state_;
    ListBarWindow& window_;
};

} // namespace listbar
