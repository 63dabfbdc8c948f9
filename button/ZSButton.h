// The owner-drawn button control (public name ZSButton): three styles
// (standard bevelled, flat, picture), pictures for each state, captions with
// shadows, toggling and toggle groups, hover detection. Every visible change
// is one off-screen paint on a new drawing surface of the library, handed to
// the control's surface as its picture.
#pragma once
#include "InterButtonNotify.h"

#include <Colour.h>
#include <Picture.h>
#include <UserControl.h>

#include <QString>
#include <cstdint>
#include <memory>

namespace zg {
class ZorvaneGhostCanvas;
}

namespace button {

// Draw states passed to the painters.
namespace drawstate {
constexpr int32_t Pressed = -1, Normal = 0, Hover = 1, FlatFocused = 2;
}

class InternalZSButton : public plat::UserControl {
public:
    // The settings the control keeps in fields of its own, with the values
    // of a new instance. Persistence stores into them directly (without the
    // side effects of the public properties).
    struct Settings {
        int32_t ButtonStyle = 0;          // 0 standard, 1 flat ("active"), 2 picture ("graphical")
        int32_t ButtonPositionImage = 0;  // 0 left, 1 right, 2 above, 3 below, 4 centred under the caption
        int16_t ButtonContentSpacing = 0; // pixels
        QString Caption;
        QString CaptionToggled;
        bool AutoSize = false;
        int32_t BackStyle = 1; // 0 shows the container's picture behind, 1 opaque
        plat::Colour ColorButton = 0x8000000Fu;
        plat::Colour ColorHighlight = 0x80000014u;
        plat::Colour ColorHoverText = 0x80000012u;
        plat::Colour ColorShadow = 0x80000010u;
        plat::Colour ColorOutline = 0x80000012u;
        bool Value = false;
        bool DataValue = false;
        int32_t ButtonToggles = 0; // 0 push button, 1 and 2 toggle buttons
        bool AcclimateGrayTones = false;
        bool DisplayPersistentHover = true;
        int32_t Alignment = 2;         // horizontal: 0 left, 1 right, 2 centre
        int32_t AlignmentVertical = 2; // 0 top, 1 bottom, 2 centre
        bool DrawFocusRectangle = true;
        int32_t DisabledImageExtraction = 0; // 0..4: which picture a disabled button embosses
        plat::Colour MaskColor = 0xC0C0C0u;
        bool UseMaskColor = true;
        bool RightToLeft = false;
        plat::Colour ColorToggledText = 0x80000012u;
        plat::Colour ColorToggledHoverText = 0x80000012u;
        bool LowerToggledContent = true;
        int32_t TextShadow = 0;       // 0 none, 1 drop shadow, 2..5 one-pixel copies
        int16_t TextShadowDepth = 0;  // 0 follows the font size
        plat::Colour ColorTextShadow = 0x80000010u;
        bool AlignmentIgnoreImage = false;
        QString ToggleGroup;
        plat::PicturePtr ButtonImage;
        plat::PicturePtr ButtonImageUp;
        plat::PicturePtr ButtonImageDown;
        plat::PicturePtr ButtonImageHover;
        plat::PicturePtr ButtonImageToggled;
        plat::PicturePtr MouseIcon;
    };

    // What the control tracks at run time (never persisted).
    struct Runtime {
        bool IsReady = false;         // set by the first resize; nothing paints before
        bool BackgroundDirty = true;  // capture the container's picture at the next paint
        plat::PicturePtr BackgroundPicture;
        int32_t DrawState = 0;        // the state of the last paint
        int32_t MaxImageWidth = 0;    // pixels, over the five images
        int32_t MaxImageHeight = 0;
        plat::PicturePtr AcclimatedImage;
        bool HasFocus = false;
        bool MouseIsDown = false;
        bool KeyIsDown = false;
        bool MouseEntered = false;
        bool IsAutoSizing = false;    // the content painter is resizing the control
        int32_t FocusRect[4] = {0, 0, 0, 0}; // left, top, right, bottom of the last focus rectangle
        QString OwnUniqueID;
        bool HasHoverSnapshot = false;
        std::shared_ptr<zg::ZorvaneGhostCanvas> HoverSnapshot;
        plat::Colour SnapshotMaskColor = 0;
        int32_t HoverWindowRect[4] = {0, 0, 0, 0}; // left, top, right, bottom in screen pixels
    };

    InternalZSButton();
    ~InternalZSButton() override;

    Settings& settings() { return s_; }
    const Settings& settings() const { return s_; }
    Runtime& runtime() { return rt_; }
    const Runtime& runtime() const { return rt_; }
    const std::shared_ptr<InterButtonNotify>& Delegate() const { return Delegate_; }

    // Whether the mouse cursor lies on the window rectangle of `inObject`
    // (all four edges count as inside). Raises 30016 when the object has no
    // window handle.
    bool zzzMouseIsOverObject(const plat::ObjectPtr& inObject);

    // The system directory with a trailing backslash ("" when unknown).
    static QString GetSystemDirectoryPath();

    // ===== Life cycle =====
    void UserControl_Initialize() override;
    void UserControl_Resize() override;
    void UserControl_Terminate() override;

protected:
    // ===== Painting =====
    // The only paint entry: paints the whole control on a new surface and
    // shows it. Skipped until the control has been sized once.
    void RedrawButton(int32_t State);
    int32_t GetDrawState();
    plat::PicturePtr GetContainerBackground();
    void DrawFrameStyle0(int32_t& State);
    void DrawFrameStyle1(int32_t& State);
    void DrawContentStyle2(int32_t& State);
    // Everything inside the frame of styles 0 and 1.
    void DrawButtonContent(int32_t& State);
    // The shadow copies of a caption (the caller draws the caption itself).
    void DrawCaptionText(const float& Left, const float& Top, const float& Width, const float& Height,
                         const int16_t& Offset, const QString& Text);

    // ===== Image preparation =====
    void CalculateMaxImageSize();
    void BuildAcclimatedImage();
    // A colour ready for a brush: system colours become their RGB value.
    static plat::Colour TranslateColor(plat::Colour Colour);

    // The rectangle test against the control's own window; false while it
    // has no window.
    bool mouseIsOverMe();

    // The surface of the paint in progress (null between paints).
    std::shared_ptr<zg::ZorvaneGhostCanvas> Canvas_;

    Settings s_;
    Runtime rt_;
    std::shared_ptr<InterButtonNotify> Delegate_;

private:
    bool mouseIsOverWindow(int64_t hwnd);
    void releaseDelegate();
    // Pieces of DrawButtonContent.
    void drawDitherBackground();
    void drawContentImage(const plat::PicturePtr& img, int32_t x, int32_t y, bool disabled);
    // Sets the surface's fore colour; a failure is ignored.
    void setCanvasForeColor(plat::Colour c);
};

using ZSButton = InternalZSButton;

} // namespace button
