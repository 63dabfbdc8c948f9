// The utility library's off-screen drawing surface: a picture in memory that
// callers size, draw into with rectangles, lines, pixels, pictures and text,
// and read back as a picture. A new surface is made for every paint.
//
// Coordinates and sizes are pixels (fractions round half to even). Drawing
// follows the desktop's rules: a line stops one pixel short of its end point,
// a filled rectangle covers [x1, x2) x [y1, y2). Every colour argument may
// name a system colour (high bit set); it is resolved when drawing.
#pragma once
#include "Colour.h"
#include "Font.h"
#include "Picture.h"

#include <QString>
#include <cstdint>
#include <optional>

namespace zg {

class ZorvaneGhostCanvas {
public:
    static constexpr const char* ClassId = "{7EC65992-BC1C-11D2-94CF-004005455FAA}";
    static constexpr const char* InterfaceId = "{1A1F73AD-6224-11D4-8111-005004D78BE4}";
    static constexpr const char* ClassName = "ZorvaneGhostCanvas";

    virtual ~ZorvaneGhostCanvas() = default;

    // Whether the surface counts as prepared. False (what callers set on a
    // new surface) makes every sizing start from a blank surface in the back
    // colour; True keeps the pixels that still fit when the size changes.
    virtual void InitFlag(bool Prepared) = 0;

    // Back colour: what Cls, a new size and uncovered areas show. A surface
    // that nothing has been drawn on yet shows its back colour whichever of
    // size and colour is set first.
    virtual plat::Colour BackColor() const = 0;
    virtual void setBackColor(plat::Colour Colour) = 0;

    // The font of text output and measurement while no font is selected
    // into the device context. The surface keeps the caller's object.
    virtual plat::FontPtr Font() const = 0;
    virtual void setFont(const plat::FontPtr& NewFont) = 0;

    virtual int32_t Width() const = 0;
    virtual int32_t Height() const = 0;

    // The device context of the surface (platform/gdi/Gdi.h): brushes and
    // fonts selected into it are used by the surface's own drawing.
    virtual int64_t hDC() const = 0;

    virtual QString FontName() const = 0;

    // Extent of a text in the font selected into the device context (the
    // surface's Font when none is): the widest line's advance, and the line
    // height times the number of lines ("\r\n" or "\n" separated).
    virtual double TextWidth(const QString& Text) = 0;
    virtual double TextHeight(const QString& Text) = 0;

    // Filled: the rectangle [x1, x2) x [y1, y2) in the colour (ForeColor when
    // omitted). Not filled: a one-pixel outline in the colour (ForeColor when
    // omitted) on the rectangle's edge pixels (columns x1 and x2 - 1, rows y1
    // and y2 - 1), and the inside painted with the brush selected into the
    // device context (left alone when none is selected). Corners may come in
    // any order.
    virtual void FillRect(double X1, double Y1, double X2, double Y2, std::optional<plat::Colour> Colour = std::nullopt,
                          bool Filled = true) = 0;
    // A line from (x1, y1) towards (x2, y2), end point not drawn, in the
    // colour (ForeColor when omitted). CurrentX/CurrentY move to the end.
    virtual void Line(double X1, double Y1, double X2, double Y2, std::optional<plat::Colour> Colour = std::nullopt) = 0;
    virtual void PSet(double X, double Y, std::optional<plat::Colour> Colour = std::nullopt) = 0;

    // Copies a picture to (x, y). Width and height 0 draw the source at its
    // own size; a source size of 0 means the rest of the picture from the
    // source position, so all four 0 is the whole picture. A different size
    // stretches by nearest neighbour. RasterOp is a three-operand raster
    // operation of source, destination and pattern (&HCC0020 a plain copy;
    // the pattern counts as black). Transparent picture pixels are not
    // drawn. Nothing raises 424; an empty picture draws nothing.
    virtual void PaintPicture(const plat::PicturePtr& Picture, double X, double Y, double Width = 0, double Height = 0,
                              double SourceX = 0, double SourceY = 0, double SourceWidth = 0, double SourceHeight = 0,
                              int32_t RasterOp = 0xCC0020) = 0;
    // As PaintPicture (plain copy of the whole picture), leaving out every
    // source pixel of the mask colour (matched before scaling).
    virtual void PaintPictureTransparent(const plat::PicturePtr& Picture, plat::Colour MaskColour, double X, double Y,
                                         double Width = 0, double Height = 0, int32_t Flags = 0) = 0;
    // Draws only the source pixels of the key colour (matched before
    // scaling), each in the new colour; every other pixel of the surface
    // stays. Sizes as PaintPicture. The two flags and the mode are accepted
    // for callers and change nothing.
    virtual void PaintPictureEx(const plat::PicturePtr& Picture, plat::Colour KeyColour, double X, double Y,
                                double Width, double Height, bool FlagA, bool FlagB, plat::Colour NewColour,
                                int32_t Mode) = 0;

    // A new picture of the rectangle's pixels (parts outside the surface in
    // the back colour). A width or height below 1 gives an empty picture.
    virtual plat::PicturePtr GetPictureRegion(double X, double Y, double Width, double Height) = 0;

    // Blends a picture over the surface at Level / FullScale (clamped to 0..1):
    // level 0 leaves the surface, FullScale puts the picture. Position and
    // size as PaintPicture (0 size: the picture's own); source pixels of the
    // transparent colour, when one is given, are left out. FullScale 0
    // raises 5.
    virtual void AlphaBlendPicture(const plat::PicturePtr& Picture, std::optional<plat::Colour> TransparentColour,
                                   int16_t Level, double X = 0, double Y = 0, double Width = 0, double Height = 0,
                                   uint8_t FullScale = 255, double SourceX = 0, double SourceY = 0) = 0;

    // An independent copy of the surface's pixels (an empty picture for a
    // surface without size). Setting a picture gives the surface its size and
    // pixels; Nothing raises 424.
    virtual plat::PicturePtr Picture() const = 0;
    virtual void setPicture(const plat::PicturePtr& NewPicture) = 0;

    // Sizes the surface in pixels (blank in the back colour unless InitFlag
    // is True). A negative size raises 5; one too large to hold raises 7.
    virtual void SetSize(double Width, double Height) = 0;

    // The colour of lines, outlines, text and the 0 bits of one-bit pattern
    // brushes (the back colour gives their 1 bits).
    virtual plat::Colour ForeColor() const = 0;
    virtual void setForeColor(plat::Colour Colour) = 0;

    // Size of the surface's Font in whole points (halves to even).
    virtual int16_t FontSize() const = 0;

    // The colour of a pixel (RGB), -1 outside the surface.
    virtual int32_t Point(double X, double Y) const = 0;
    // Clears to the back colour; CurrentX and CurrentY return to 0.
    virtual void Cls() = 0;

    // Sets InitFlag and prepares the surface at its present size: with False
    // blank in the back colour, with True keeping its pixels.
    virtual void InitSurface(bool Prepared) = 0;

    // The drawing mode of lines, outlines, pixels and rectangle fills: 1 to
    // 16 as the desktop's binary raster operations (13, the default, copies
    // the pen; 7 XORs; 6 inverts; 11 draws nothing). Other values raise 380.
    virtual int32_t DrawSetting() const = 0;
    virtual void setDrawSetting(int32_t Setting) = 0;

    // Selects a brush (from platform/gdi or the library) for the inside of
    // outlined rectangles. RestoreBrush selects the previous brush back. A
    // brush that the library made for a caller (released by its context) is
    // deleted when RestoreBrush or the end of the surface selects it out; no
    // such brush outlives the surface. SetBrush(0) raises 5.
    virtual void SetBrush(int64_t Brush) = 0;
    virtual void RestoreBrush() = 0;

    // Print position: PrintText draws a line of text there in ForeColor with
    // the selected font (rotated when it is), then moves CurrentY down one
    // line and CurrentX back to 0.
    virtual double CurrentX() const = 0;
    virtual void setCurrentX(double X) = 0;
    virtual double CurrentY() const = 0;
    virtual void setCurrentY(double Y) = 0;
    virtual void PrintText(const QString& Text) = 0;
};

} // namespace zg
