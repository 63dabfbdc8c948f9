#include "DrawingSurface.h"

#include <QPainter>
#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace plat {

DrawingSurface::DrawingSurface() = default;

void DrawingSurface::fillClear(const QRect& r) const
{
    QPainter p(&image_);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.fillRect(r, transparent_ ? QColor(Qt::transparent) : toQColor(backColor_));
    if (picture_ && !picture_->isEmpty()) {
        p.setClipRect(r);
        p.setCompositionMode(QPainter::CompositionMode_SourceOver);
        p.drawImage(0, 0, picture_->image());
    }
}

void DrawingSurface::materialize() const
{
    if (made_)
        return;
    image_ = QImage(size_, QImage::Format_ARGB32_Premultiplied);
    fillClear(image_.rect());
    made_ = true;
}

const QImage& DrawingSurface::image() const
{
    materialize();
    return image_;
}

QImage* DrawingSurface::target()
{
    materialize();
    return &image_;
}

void DrawingSurface::paint(QPainter& p, QPoint at) const
{
    if (made_) {
        p.drawImage(at, image_);
        return;
    }
    // The clear state as fillClear makes it, over whatever lies below.
    p.save();
    p.setClipRect(QRect(at, size_), Qt::IntersectClip);
    if (!transparent_)
        p.fillRect(QRect(at, size_), toQColor(backColor_));
    if (picture_ && !picture_->isEmpty())
        p.drawImage(at, picture_->image());
    p.restore();
}

void DrawingSurface::resize(QSize pixels)
{
    pixels = pixels.expandedTo(QSize(1, 1));
    if (pixels == size_)
        return;
    size_ = pixels;
    if (!made_)
        return;
    QImage old = image_;
    // Assign into the same QImage object: a device context keeps its address.
    image_ = QImage(pixels, QImage::Format_ARGB32_Premultiplied);
    fillClear(image_.rect());
    QPainter p(&image_);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(0, 0, old);
}

void DrawingSurface::setBackColor(Colour c)
{
    backColor_ = c;
    cls();
}

void DrawingSurface::setTransparent(bool t)
{
    if (t == transparent_)
        return;
    transparent_ = t;
    cls();
}

void DrawingSurface::setPicture(const PicturePtr& p)
{
    picture_ = p;
    cls();
}

void DrawingSurface::cls()
{
    if (made_)
        fillClear(image_.rect());
}

void DrawingSurface::pset(int x, int y, Colour c)
{
    materialize();
    if (x < 0 || y < 0 || x >= image_.width() || y >= image_.height())
        return;
    image_.setPixel(x, y, toQRgb(translateColour(c)) | 0xFF000000u);
}

Colour DrawingSurface::point(int x, int y) const
{
    materialize();
    if (x < 0 || y < 0 || x >= image_.width() || y >= image_.height())
        return Colour(0xFFFFFFFFu);
    return fromQRgb(image_.pixel(x, y));
}

void DrawingSurface::line(int x1, int y1, int x2, int y2, Colour c)
{
    // Bresenham from the first point towards the second, leaving the end
    // point out. 64-bit steps: the distance between two pixel coordinates
    // need not fit in an int.
    const int64_t dx = std::abs(int64_t(x2) - x1), sx = x1 < x2 ? 1 : -1;
    const int64_t dy = -std::abs(int64_t(y2) - y1), sy = y1 < y2 ? 1 : -1;
    int64_t err = dx + dy;
    int64_t x = x1, y = y1;
    while (!(x == x2 && y == y2)) {
        pset(int(x), int(y), c); // x and y stay between the end points
        const int64_t e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y += sy;
        }
    }
}

void DrawingSurface::box(int x1, int y1, int x2, int y2, Colour c, bool filled)
{
    materialize();
    const int l = std::min(x1, x2), r = std::max(x1, x2), t = std::min(y1, y2), b = std::max(y1, y2);
    // Only the part on the surface is visited: corners may lie anywhere in
    // the int range.
    const int cl = std::max(l, 0), cr = std::min(r, image_.width() - 1);
    const int ct = std::max(t, 0), cb = std::min(b, image_.height() - 1);
    if (filled) {
        if (cl > cr || ct > cb)
            return;
        QPainter p(&image_);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.fillRect(QRect(QPoint(cl, ct), QPoint(cr, cb)), toQColor(translateColour(c)));
        return;
    }
    for (int x = cl; x <= cr; ++x) {
        pset(x, t, c);
        pset(x, b, c);
    }
    for (int y = ct; y <= cb; ++y) {
        pset(l, y, c);
        pset(r, y, c);
    }
}

void DrawingSurface::paintPicture(const PicturePtr& pic, const QRect& dest, const QRect& source)
{
    if (!pic || pic->isEmpty() || dest.width() <= 0 || dest.height() <= 0)
        return;
    QRect src = source.isEmpty() ? pic->image().rect() : source;
    materialize();
    QImage part = pic->image().copy(src);
    if (part.size() != dest.size())
        part = part.scaled(dest.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
    QPainter p(&image_);
    p.setCompositionMode(part.hasAlphaChannel() ? QPainter::CompositionMode_SourceOver
                                                : QPainter::CompositionMode_Source);
    p.drawImage(dest.topLeft(), part);
}

} // namespace plat
