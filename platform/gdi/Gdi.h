// The desktop drawing calls that the controls make directly, on Qt: device
// contexts around an image, solid and pattern brushes, fonts described by a
// font record, selection of brushes and fonts into a device context, text
// output with the selected font (rotated when its escapement says so), the
// disabled-picture silhouette, the focus rectangle, system colours, device
// capabilities, MulDiv and window rectangles.
//
// Handles are opaque non-zero integers; 0 means "none" or failure. Every
// brush, font and device context is counted while alive so that tests can
// catch leaks (liveBrushes(), liveFonts(), liveDCs()).
//
// Coordinates are pixels of the device context's image. Rectangles are
// half-open: a Rect covers columns left..right-1 and rows top..bottom-1.
#pragma once
#include "Colour.h"
#include "Picture.h"

#include <QFont>
#include <QImage>
#include <QString>
#include <cstdint>
#include <functional>

namespace plat::gdi {

using HDC = int64_t;
using HGDIOBJ = int64_t;
using HBRUSH = int64_t;
using HFONT = int64_t;
using HWND = int64_t;

struct Rect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;
};

struct Size {
    int32_t cx = 0;
    int32_t cy = 0;
};

// A font description. Angles are in tenths of a degree, counter-clockwise:
// an escapement of 900 makes text run from bottom to top. A negative height
// is the character (em) height in pixels, a positive one the cell height,
// 0 a default height. The face name is at most 31 characters plus its
// terminating zero.
struct LogFont {
    int32_t height = 0;
    int32_t width = 0;
    int32_t escapement = 0;
    int32_t orientation = 0;
    int32_t weight = 0; // 0 default, 400 normal, 700 bold
    uint8_t italic = 0;
    uint8_t underline = 0;
    uint8_t strikeOut = 0;
    uint8_t charSet = 0;
    uint8_t outPrecision = 0;
    uint8_t clipPrecision = 0;
    uint8_t quality = 0;
    uint8_t pitchAndFamily = 0;
    char faceName[32] = {};
};

// Copies a face name into a LogFont's face field (at most 31 characters,
// always zero-terminated).
void setFaceName(LogFont& lf, const QString& name);

// --- Device contexts --------------------------------------------------------

// A device context drawing into `target`, which must outlive it (the owner
// deletes the context first). `defaultFont` gives the font used while no font
// is selected (the owner's current font); `changed` is called after every
// drawing call that touched the image (a widget schedules its repaint there).
HDC CreateImageDC(QImage* target, std::function<QFont()> defaultFont = {}, std::function<void()> changed = {});
// Ends a device context; the brushes and fonts selected into it stay alive
// (their creators delete them). Returns non-zero on success.
int32_t DeleteDC(HDC hdc);

// Text and background colours of a device context. The text colour draws
// text and the 0 bits of a one-bit pattern brush; the background colour the 1
// bits. System colours (high bit set) are resolved when drawing. Each setter
// returns the previous value.
Colour SetTextColor(HDC hdc, Colour c);
Colour GetTextColor(HDC hdc);
Colour SetBkColor(HDC hdc, Colour c);
Colour GetBkColor(HDC hdc);

// --- Brushes, fonts, selection -----------------------------------------------

HBRUSH CreateSolidBrush(Colour c);
// A brush that repeats the picture from the context's origin. A one-bit
// picture (depth 1, or indexed with at most two colours) takes the context's
// colours when it is used: dark pixels the text colour, light pixels the
// background colour. Returns 0 for Nothing or an empty picture.
HBRUSH CreatePatternBrush(const PicturePtr& picture);
HFONT CreateFontIndirectA(const LogFont& lf);

// A device context starts with two stock objects selected: the hollow brush
// (nothing is filled) and the default font (the context's `defaultFont`).
// Stock objects are never counted and never deleted.
constexpr HGDIOBJ NULL_BRUSH = 0x7F000001;
constexpr HGDIOBJ DEFAULT_FONT = 0x7F000002;

// Selects a brush or font into a device context and returns the one it
// replaces; select that back to restore. Returns 0 and changes nothing for
// an unknown context or object. A brush released by its context (below)
// is deleted when it is selected out and no other context holds it.
HGDIOBJ SelectObject(HDC hdc, HGDIOBJ obj);
// Deletes a brush or font. Fails (returns 0, deletes nothing) for an
// unknown handle or one still selected into a device context; a stock
// object is left alone (non-zero).
int32_t DeleteObject(HGDIOBJ obj);

// Objects that the library made on a caller's behalf and releases itself:
// a device context that has such a brush selected deletes it when the brush
// is selected out again or when the context ends.
void setReleasedByContext(HGDIOBJ obj, bool released);
bool isReleasedByContext(HGDIOBJ obj);

// The brush and font currently selected (stock objects included).
HBRUSH currentBrush(HDC hdc);
HFONT currentFont(HDC hdc);

// --- Drawing ----------------------------------------------------------------

// Fills the rectangle with a brush (honouring pattern brushes). Returns
// non-zero on success.
int32_t FillRect(HDC hdc, const Rect& r, HBRUSH brush);
// Fills the rectangle with the selected brush; nothing when none is selected.
bool fillWithSelectedBrush(HDC hdc, const Rect& r);

// Text with the selected font in the text colour, transparent background.
// (x, y) is the top-left corner of the text's unrotated box; a font with an
// escapement turns the text about that point (900: the text runs upward and
// lies above and to the right of the point, which becomes the box's
// bottom-left corner).
int32_t TextOutA(HDC hdc, int32_t x, int32_t y, const QString& text);
// The unrotated extent of a single line of text in the selected font: its
// advance width and the font's line height.
int32_t GetTextExtentPoint32A(HDC hdc, const QString& text, Size& size);

// DrawTextA formats (combine with |).
namespace dt {
constexpr uint32_t Left = 0x0, Center = 0x1, Right = 0x2, Top = 0x0, VCenter = 0x4, Bottom = 0x8,
                   WordBreak = 0x10, SingleLine = 0x20, ExpandTabs = 0x40, NoClip = 0x100, CalcRect = 0x400,
                   NoPrefix = 0x800;
}
// Text laid out in a box with the selected font: lines break at "\r\n",
// "\n" and, with WordBreak, between words that pass the right edge; without
// SingleLine the lines stack from the top. Unless NoPrefix, "&" underlines
// the next character and "&&" shows one "&". Clipped to the box unless
// NoClip. With CalcRect nothing is drawn and the rectangle's right and
// bottom are set to the text's extent. With a rotated font the whole box
// turns about its top-left corner as in TextOutA. Returns the text height.
int32_t DrawTextA(HDC hdc, const QString& text, Rect& r, uint32_t format);

// Clipping of later drawing to a rectangle (intersected with the present
// clip); SelectClipRgn(hdc, 0) removes it.
int32_t IntersectClipRect(HDC hdc, int32_t left, int32_t top, int32_t right, int32_t bottom);
int32_t SelectClipRgn(HDC hdc, int64_t region);

// DrawStateA flags.
constexpr uint32_t DST_BITMAP = 0x4;
constexpr uint32_t DSS_MONO = 0x80;
// Draws `picture` at (x, y), cropped to cx x cy (0 = the picture's size).
// Only DST_BITMAP | DSS_MONO is supported: a one-colour silhouette in the
// brush's colour of every picture pixel that is not background. Background:
// in a picture with transparent pixels, exactly those; in an opaque picture,
// every pixel of the colour of its top-left pixel. Returns 0 when nothing
// could be drawn (unknown context or brush, Nothing, other flags).
int32_t DrawStateA(HDC hdc, HBRUSH brush, std::nullptr_t callback, const PicturePtr& picture, int64_t wData,
                   int32_t x, int32_t y, int32_t cx, int32_t cy, uint32_t flags);

// The focus rectangle: a dotted one-pixel frame along the inside of the
// rectangle, every other pixel (those whose x + y is even) in the text
// colour.
int32_t DrawFocusRect(HDC hdc, const Rect& r);

// --- System values ----------------------------------------------------------

// The RGB value of system colour `index` (0 for an index the table lacks).
Colour GetSysColor(int32_t index);

constexpr int32_t BITSPIXEL = 12;
constexpr int32_t PLANES = 14;
constexpr int32_t LOGPIXELSX = 88;
constexpr int32_t LOGPIXELSY = 90;
// LOGPIXELSX/LOGPIXELSY: 96; BITSPIXEL: the screen's colour depth; PLANES:
// 1; anything else 0. A context of 0 means the screen.
int32_t GetDeviceCaps(HDC hdc, int32_t index);

// a * b / c rounded to the nearest whole number, halves away from zero;
// -1 when c is 0 or the result does not fit in 32 bits.
int32_t MulDiv(int32_t a, int32_t b, int32_t c);

// The window's rectangle in screen pixels (a top-level window with its
// frame). Returns 0 for a handle without a live window.
int32_t GetWindowRect(HWND hwnd, Rect& r);

// --- Leak counting ----------------------------------------------------------

int liveBrushes();
int liveFonts();
int liveDCs();

// The Qt font a font record stands for (the face mapped to an installed
// face, 96 DPI pixel sizes).
QFont qfontOf(const LogFont& lf);

} // namespace plat::gdi
