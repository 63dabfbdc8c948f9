// The persistent drawing of a form, a picture box or a user control: one
// image under the child controls that holds the back colour, the Picture and
// everything drawn since (lines, filled boxes, points, copied pictures). It
// exists from creation on, so what is drawn before the window is first shown
// stays. Coordinates here are pixels; the owners convert from their scale.
//
// Until something is drawn on it or its image is read, it holds nothing but
// the back colour and the Picture, and the image itself is not made: changes
// of size, colour or Picture cost nothing, and painting paints those two
// straight. Once made, the image is kept up to date at every change.
#pragma once
#include "Colour.h"
#include "Picture.h"

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>

class QPainter;

namespace plat {

class DrawingSurface {
public:
    DrawingSurface();

    QSize size() const { return size_; }
    // A new size keeps what is drawn; new area shows the back colour and the
    // Picture.
    void resize(QSize pixels);

    Colour backColor() const { return backColor_; }
    // A new back colour clears the drawing (as Cls does).
    void setBackColor(Colour c);
    // Transparent: the clear state is transparent instead of the back colour
    // (a user control with a transparent back style).
    bool transparent() const { return transparent_; }
    void setTransparent(bool t);
    PicturePtr picture() const { return picture_; }
    // A new Picture is drawn from the top-left corner over the back colour;
    // what was drawn before is cleared.
    void setPicture(const PicturePtr& p);
    // Back colour and Picture only.
    void cls();

    // Drawing, in pixels. A line leaves out its end point; a box covers both
    // corners. Colours may be system colours.
    void line(int x1, int y1, int x2, int y2, Colour c);
    void box(int x1, int y1, int x2, int y2, Colour c, bool filled);
    void pset(int x, int y, Colour c);
    Colour point(int x, int y) const; // -1 (as a Colour) outside
    // Copies (part of) a picture, stretched by nearest neighbour. An empty
    // source rectangle means the whole picture.
    void paintPicture(const PicturePtr& pic, const QRect& dest, const QRect& source = QRect());

    const QImage& image() const;
    // Paints the surface with its top-left corner at `at`.
    void paint(QPainter& p, QPoint at) const;
    // For a device context drawing here (plat::gdi): the image object stays
    // the same for the surface's life.
    QImage* target();

private:
    void fillClear(const QRect& r) const;
    // Makes the image, the first time it is needed.
    void materialize() const;

    mutable QImage image_;
    QSize size_{1, 1};
    // image_ is made: from then on it holds the content.
    mutable bool made_ = false;
    Colour backColor_ = 0x8000000Fu;
    bool transparent_ = false;
    PicturePtr picture_;
};

} // namespace plat
