#include "GhostCanvas.h"

#include <vector>

#include "Error.h"
#include "Gdi.h"
#include "Library.h"
#include "Raster.h"
#include "Units.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace zg {

namespace gdi = plat::gdi;

namespace {

constexpr int32_t SrcCopy = 0xCC0020;
// Larger surfaces are refused with "Out of memory" rather than attempted.
constexpr int64_t MaxPixels = int64_t(1) << 26;

// A coordinate in whole pixels (halves to even); error 6 when it cannot be
// held in 32 bits.
int32_t toPixel(double v)
{
    const double r = plat::roundEven(v);
    if (!std::isfinite(r) || r > 2147483647.0 || r < -2147483648.0)
        plat::raise(plat::err::Overflow);
    return int32_t(r);
}

uint32_t rgbOf(plat::Colour c) { return plat::toQRgb(c) & 0xFFFFFFu; }

QStringList linesOf(const QString& text)
{
    QString t = text;
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return t.split(QLatin1Char('\n'));
}

} // namespace

struct GhostCanvas::Blit {
    const QImage* src = nullptr;
    int dx = 0, dy = 0, dw = 0, dh = 0; // destination rectangle
    int sx = 0, sy = 0, sw = 0, sh = 0; // source rectangle
};

GhostCanvas::GhostCanvas() : font_(plat::Font::make())
{
    dc_ = gdi::CreateImageDC(
        &image_, [this] { return font_->qfont(); }, [this] { drawnOn_ = true; });
    gdi::SetTextColor(dc_, fore_);
    gdi::SetBkColor(dc_, back_);
}

GhostCanvas::~GhostCanvas()
{
    RestoreBrush();
    gdi::DeleteDC(dc_);
}

void GhostCanvas::clearToBack()
{
    const uint32_t rgb = rgbOf(back_);
    // A blank surface already in the back colour needs no second fill.
    if (!image_.isNull() && (drawnOn_ || blankRgb_ != rgb))
        image_.fill(QColor::fromRgb(rgb));
    drawnOn_ = false;
    blankRgb_ = rgb;
}

void GhostCanvas::InitFlag(bool Prepared) { prepared_ = Prepared; }

void GhostCanvas::InitSurface(bool Prepared)
{
    prepared_ = Prepared;
    if (!Prepared) {
        clearToBack();
        curX_ = curY_ = 0;
    }
}

void GhostCanvas::setBackColor(plat::Colour Colour)
{
    back_ = Colour;
    gdi::SetBkColor(dc_, Colour);
    if (!drawnOn_)
        clearToBack();
}

void GhostCanvas::setForeColor(plat::Colour Colour)
{
    fore_ = Colour;
    gdi::SetTextColor(dc_, Colour);
}

void GhostCanvas::setFont(const plat::FontPtr& NewFont)
{
    if (!NewFont)
        plat::raise(plat::err::ObjectRequired);
    font_ = NewFont;
}

int16_t GhostCanvas::FontSize() const { return int16_t(plat::roundEven(font_->Size())); }

void GhostCanvas::setDrawSetting(int32_t Setting)
{
    if (Setting < 1 || Setting > 16)
        plat::raise(plat::err::InvalidProperty);
    drawMode_ = Setting;
}

void GhostCanvas::SetSize(double Width, double Height)
{
    const int32_t w = toPixel(Width), h = toPixel(Height);
    if (w < 0 || h < 0)
        plat::raise(plat::err::InvalidCall);
    if (int64_t(w) * h > MaxPixels)
        plat::raise(plat::err::OutOfMemory);
    QImage next;
    if (w > 0 && h > 0) {
        next = QImage(w, h, QImage::Format_RGB32);
        if (next.isNull())
            plat::raise(plat::err::OutOfMemory);
        next.fill(QColor::fromRgb(rgbOf(back_)));
        if (prepared_ && !image_.isNull()) {
            QPainter p(&next);
            p.drawImage(0, 0, image_);
        }
    }
    const bool blank = !prepared_ || !drawnOn_;
    const bool kept = prepared_ && !image_.isNull();
    image_ = next;
    if (!prepared_)
        drawnOn_ = false;
    // A new surface holds the back colour alone unless the old one's
    // drawing was kept.
    blankRgb_ = blank && (!kept || blankRgb_ == rgbOf(back_)) ? rgbOf(back_) : NoColour;
}

// --- Pixels, lines and rectangles --------------------------------------------

uint32_t GhostCanvas::penOf(std::optional<plat::Colour> c) const { return rgbOf(c ? *c : fore_); }

void GhostCanvas::plot(int x, int y, uint32_t rgb)
{
    if (!gdi::inside(image_, x, y))
        return;
    gdi::putRgb(image_, x, y, drawMode_ == 13 ? rgb : gdi::rop2(drawMode_, rgb, gdi::rgbAt(image_, x, y)));
    drawnOn_ = true;
}

void GhostCanvas::PSet(double X, double Y, std::optional<plat::Colour> Colour)
{
    const int32_t x = toPixel(X), y = toPixel(Y);
    plot(x, y, penOf(Colour));
    curX_ = X;
    curY_ = Y;
}

int32_t GhostCanvas::Point(double X, double Y) const
{
    const int32_t x = toPixel(X), y = toPixel(Y);
    if (!gdi::inside(image_, x, y))
        return -1;
    return int32_t(plat::fromQRgb(gdi::rgbAt(image_, x, y)));
}

void GhostCanvas::Line(double X1, double Y1, double X2, double Y2, std::optional<plat::Colour> Colour)
{
    const int32_t x1 = toPixel(X1), y1 = toPixel(Y1), x2 = toPixel(X2), y2 = toPixel(Y2);
    const uint32_t pen = penOf(Colour);
    // Each step along the major axis sets one pixel; the minor coordinate is
    // the nearest to the exact line (halves away from the start). The end
    // point itself is not drawn. Only steps whose major coordinate lies on
    // the surface are visited, so very long lines cost no more than short ones.
    const int64_t dx = std::abs(int64_t(x2) - x1), dy = std::abs(int64_t(y2) - y1);
    const int64_t sx = x1 < x2 ? 1 : -1, sy = y1 < y2 ? 1 : -1;
    const bool xMajor = dx >= dy;
    const int64_t major = xMajor ? dx : dy, minor = xMajor ? dy : dx;
    const int64_t m0 = xMajor ? x1 : y1, n0 = xMajor ? y1 : x1;
    const int64_t ms = xMajor ? sx : sy, ns = xMajor ? sy : sx;
    const int64_t extent = xMajor ? image_.width() : image_.height();
    // Steps i with 0 <= m0 + ms * i < extent.
    int64_t i0 = 0, i1 = major;
    if (ms > 0) {
        i0 = std::max<int64_t>(i0, -m0);
        i1 = std::min<int64_t>(i1, extent - m0);
    } else {
        i0 = std::max<int64_t>(i0, m0 - extent + 1);
        i1 = std::min<int64_t>(i1, m0 + 1);
    }
    // Straight across or down: one row or column, written in place.
    if (minor == 0 && drawMode_ == 13) {
        const int64_t crossExtent = xMajor ? image_.height() : image_.width();
        if (n0 >= 0 && n0 < crossExtent && i0 < i1) {
            const uint32_t px = 0xFF000000u | (pen & 0xFFFFFFu);
            if (xMajor) {
                auto* row = reinterpret_cast<uint32_t*>(image_.scanLine(int(n0)));
                for (int64_t i = i0; i < i1; ++i)
                    row[m0 + ms * i] = px;
            } else {
                for (int64_t i = i0; i < i1; ++i)
                    reinterpret_cast<uint32_t*>(image_.scanLine(int(m0 + ms * i)))[n0] = px;
            }
            drawnOn_ = true;
        }
        curX_ = X2;
        curY_ = Y2;
        return;
    }
    for (int64_t i = i0; i < i1; ++i) {
        const int64_t m = m0 + ms * i;
        const int64_t n = n0 + ns * int64_t((__int128(2) * i * minor + major) / (2 * major));
        if (xMajor)
            plot(int(m), int(std::clamp<int64_t>(n, -1, image_.height())), pen);
        else
            plot(int(std::clamp<int64_t>(n, -1, image_.width())), int(m), pen);
    }
    curX_ = X2;
    curY_ = Y2;
}

void GhostCanvas::FillRect(double X1, double Y1, double X2, double Y2, std::optional<plat::Colour> Colour, bool Filled)
{
    int32_t l = toPixel(X1), t = toPixel(Y1), r = toPixel(X2), b = toPixel(Y2);
    if (l > r)
        std::swap(l, r);
    if (t > b)
        std::swap(t, b);
    if (l == r || t == b)
        return;
    const uint32_t pen = penOf(Colour);
    // Only the part on the surface is visited.
    const int cl = std::max(l, 0), ct = std::max(t, 0);
    const int cr = std::min<int64_t>(r, image_.width()), cb = std::min<int64_t>(b, image_.height());
    if (Filled) {
        if (cl >= cr || ct >= cb)
            return;
        // Row by row: one scan-line fetch per row, not per pixel.
        const uint32_t opaquePen = 0xFF000000u | (pen & 0xFFFFFFu);
        for (int y = ct; y < cb; ++y) {
            auto* row = reinterpret_cast<uint32_t*>(image_.scanLine(y));
            if (drawMode_ == 13) {
                std::fill(row + cl, row + cr, opaquePen);
            } else {
                for (int x = cl; x < cr; ++x)
                    row[x] = 0xFF000000u | gdi::rop2(drawMode_, pen, row[x] & 0xFFFFFFu);
            }
        }
        drawnOn_ = true;
        return;
    }
    if (int64_t(r) - l > 2 && int64_t(b) - t > 2)
        gdi::fillWithSelectedBrush(dc_, gdi::Rect{l + 1, t + 1, r - 1, b - 1});
    if (drawMode_ == 13) {
        // The four edges written in place, each only where it is on the surface.
        if (cl < cr && ct < cb) {
            const uint32_t px = 0xFF000000u | (pen & 0xFFFFFFu);
            for (const int y : {t, b - 1})
                if (y >= ct && y < cb) {
                    auto* row = reinterpret_cast<uint32_t*>(image_.scanLine(y));
                    std::fill(row + cl, row + cr, px);
                    drawnOn_ = true;
                }
            const bool left = l >= cl && l < cr, right = r - 1 >= cl && r - 1 < cr;
            if (left || right) {
                for (int y = ct; y < cb; ++y) {
                    auto* row = reinterpret_cast<uint32_t*>(image_.scanLine(y));
                    if (left)
                        row[l] = px;
                    if (right)
                        row[r - 1] = px;
                }
                drawnOn_ = true;
            }
        }
        return;
    }
    for (int x = cl; x < cr; ++x) {
        plot(x, t, pen);
        plot(x, b - 1, pen);
    }
    for (int y = ct; y < cb; ++y) {
        plot(l, y, pen);
        plot(r - 1, y, pen);
    }
}

void GhostCanvas::Cls()
{
    clearToBack();
    curX_ = curY_ = 0;
}

// --- Pictures ---------------------------------------------------------------

bool GhostCanvas::prepareBlit(const plat::PicturePtr& pic, double x, double y, double w, double h, double sx,
                              double sy, double sw, double sh, Blit& b)
{
    if (!pic)
        plat::raise(plat::err::ObjectRequired);
    if (pic->isEmpty() || image_.isNull())
        return false;
    b.src = &pic->image();
    b.sx = toPixel(sx);
    b.sy = toPixel(sy);
    b.sw = toPixel(sw);
    b.sh = toPixel(sh);
    // A source size of 0 runs to the picture's edge (nothing when the source
    // starts past it).
    if (b.sw == 0)
        b.sw = int32_t(std::clamp<int64_t>(int64_t(b.src->width()) - b.sx, 0, INT32_MAX));
    if (b.sh == 0)
        b.sh = int32_t(std::clamp<int64_t>(int64_t(b.src->height()) - b.sy, 0, INT32_MAX));
    b.dx = toPixel(x);
    b.dy = toPixel(y);
    b.dw = toPixel(w);
    b.dh = toPixel(h);
    if (b.dw == 0)
        b.dw = b.sw;
    if (b.dh == 0)
        b.dh = b.sh;
    return b.sw > 0 && b.sh > 0 && b.dw > 0 && b.dh > 0;
}

// Calls pixel(destination pixel, source pixel) for every destination pixel on the surface
// whose nearest-neighbour source pixel lies inside the picture.
template <class F>
void GhostCanvas::runBlit(const Blit& b, F&& pixel)
{
    const int64_t i0 = std::max<int64_t>(0, -int64_t(b.dx));
    const int64_t i1 = std::min<int64_t>(b.dw, int64_t(image_.width()) - b.dx);
    const int64_t j0 = std::max<int64_t>(0, -int64_t(b.dy));
    const int64_t j1 = std::min<int64_t>(b.dh, int64_t(image_.height()) - b.dy);
    if (i0 >= i1 || j0 >= j1)
        return;
    // Plain 32-bit pictures are read straight from their rows.
    const QImage::Format fmt = b.src->format();
    const bool direct = fmt == QImage::Format_RGB32 || fmt == QImage::Format_ARGB32;
    const QRgb opaque = fmt == QImage::Format_RGB32 ? 0xFF000000u : 0u;
    // A copy at the picture's own size from a plain 32-bit picture: source
    // and destination run side by side, row by row.
    if (direct && b.dw == b.sw && b.dh == b.sh) {
        const int64_t c0 = std::max(i0, -int64_t(b.sx)), c1 = std::min(i1, int64_t(b.src->width()) - b.sx);
        const int64_t r0 = std::max(j0, -int64_t(b.sy)), r1 = std::min(j1, int64_t(b.src->height()) - b.sy);
        if (c0 >= c1 || r0 >= r1)
            return;
        for (int64_t j = r0; j < r1; ++j) {
            const QRgb* row = reinterpret_cast<const QRgb*>(b.src->constScanLine(int(b.sy + j))) + b.sx;
            auto* dest = reinterpret_cast<uint32_t*>(image_.scanLine(int(b.dy + j))) + b.dx;
            for (int64_t i = c0; i < c1; ++i)
                pixel(dest[i], row[i] | opaque);
        }
        drawnOn_ = true;
        return;
    }
    // The source column of every drawn destination column, worked out once
    // per copy rather than once per pixel (-1: outside the picture).
    std::vector<int32_t> columns(size_t(i1 - i0));
    for (int64_t i = i0; i < i1; ++i) {
        const int64_t sxx = gdi::sourceIndex(i, b.dw, b.sx, b.sw);
        columns[size_t(i - i0)] = (sxx < 0 || sxx >= b.src->width()) ? -1 : int32_t(sxx);
    }
    for (int64_t j = j0; j < j1; ++j) {
        const int64_t syy = gdi::sourceIndex(j, b.dh, b.sy, b.sh);
        if (syy < 0 || syy >= b.src->height())
            continue;
        const QRgb* row = direct ? reinterpret_cast<const QRgb*>(b.src->constScanLine(int(syy))) : nullptr;
        auto* dest = reinterpret_cast<uint32_t*>(image_.scanLine(int(b.dy + j))) + b.dx;
        for (int64_t i = i0; i < i1; ++i) {
            const int32_t sxx = columns[size_t(i - i0)];
            if (sxx < 0)
                continue;
            const QRgb s = direct ? (row[sxx] | opaque) : gdi::sourcePixel(*b.src, sxx, int(syy));
            pixel(dest[i], s);
        }
    }
    drawnOn_ = true;
}

namespace {
// Source over destination by the source's alpha, 0x00RRGGBB.
[[gnu::always_inline]] inline uint32_t over(QRgb s, uint32_t d)
{
    const int a = qAlpha(s);
    if (a == 255)
        return s & 0xFFFFFFu;
    auto mix = [a](int sc, int dc) { return (sc * a + dc * (255 - a) + 127) / 255; };
    return uint32_t(qRgb(mix(qRed(s), qRed(QRgb(d))), mix(qGreen(s), qGreen(QRgb(d))), mix(qBlue(s), qBlue(QRgb(d))))) &
           0xFFFFFFu;
}
} // namespace

void GhostCanvas::PaintPicture(const plat::PicturePtr& Picture, double X, double Y, double Width, double Height,
                               double SourceX, double SourceY, double SourceWidth, double SourceHeight,
                               int32_t RasterOp)
{
    Blit b;
    if (!prepareBlit(Picture, X, Y, Width, Height, SourceX, SourceY, SourceWidth, SourceHeight, b))
        return;
    const uint32_t rop = uint32_t(RasterOp);
    runBlit(b, [&](uint32_t& dest, QRgb s) {
        if (qAlpha(s) == 0)
            return;
        const uint32_t d = dest & 0xFFFFFFu;
        dest = 0xFF000000u | (rop == SrcCopy ? over(s, d) : gdi::rop3(rop, 0, s & 0xFFFFFFu, d));
    });
}

void GhostCanvas::PaintPictureTransparent(const plat::PicturePtr& Picture, plat::Colour MaskColour, double X, double Y,
                                          double Width, double Height, int32_t)
{
    Blit b;
    if (!prepareBlit(Picture, X, Y, Width, Height, 0, 0, 0, 0, b))
        return;
    const uint32_t mask = rgbOf(MaskColour);
    if (b.src->format() == QImage::Format_RGB32) {
        // No transparency but the mask colour's: a plain choice per pixel.
        runBlit(b, [mask](uint32_t& dest, QRgb s) { dest = (s & 0xFFFFFFu) == mask ? dest : (s | 0xFF000000u); });
        return;
    }
    runBlit(b, [&](uint32_t& dest, QRgb s) {
        if (qAlpha(s) == 0 || (s & 0xFFFFFFu) == mask)
            return;
        dest = 0xFF000000u | over(s, dest & 0xFFFFFFu);
    });
}

void GhostCanvas::PaintPictureEx(const plat::PicturePtr& Picture, plat::Colour KeyColour, double X, double Y,
                                 double Width, double Height, bool, bool, plat::Colour NewColour, int32_t)
{
    Blit b;
    if (!prepareBlit(Picture, X, Y, Width, Height, 0, 0, 0, 0, b))
        return;
    const uint32_t key = rgbOf(KeyColour), colour = rgbOf(NewColour);
    runBlit(b, [&](uint32_t& dest, QRgb s) {
        if (qAlpha(s) >= 128 && (s & 0xFFFFFFu) == key)
            dest = 0xFF000000u | colour;
    });
}

void GhostCanvas::AlphaBlendPicture(const plat::PicturePtr& Picture, std::optional<plat::Colour> TransparentColour,
                                    int16_t Level, double X, double Y, double Width, double Height, uint8_t FullScale,
                                    double SourceX, double SourceY)
{
    if (FullScale == 0)
        plat::raise(plat::err::InvalidCall);
    Blit b;
    if (!prepareBlit(Picture, X, Y, Width, Height, SourceX, SourceY, 0, 0, b))
        return;
    const double level = std::clamp(double(Level) / FullScale, 0.0, 1.0);
    const bool keyed = TransparentColour.has_value();
    const uint32_t key = keyed ? rgbOf(*TransparentColour) : 0;
    runBlit(b, [&](uint32_t& dest, QRgb s) {
        if (keyed && (s & 0xFFFFFFu) == key)
            return;
        const double a = level * qAlpha(s) / 255.0;
        const QRgb d = dest;
        auto mix = [a](int sc, int dc) { return int(plat::roundEven(sc * a + dc * (1.0 - a))); };
        dest = 0xFF000000u | (qRgb(mix(qRed(s), qRed(d)), mix(qGreen(s), qGreen(d)), mix(qBlue(s), qBlue(d))) & 0xFFFFFFu);
    });
}

plat::PicturePtr GhostCanvas::GetPictureRegion(double X, double Y, double Width, double Height)
{
    const int32_t x = toPixel(X), y = toPixel(Y), w = toPixel(Width), h = toPixel(Height);
    if (w < 1 || h < 1)
        return plat::Picture::empty();
    if (int64_t(w) * h > MaxPixels)
        plat::raise(plat::err::OutOfMemory);
    QImage out(w, h, QImage::Format_RGB32);
    out.fill(QColor::fromRgb(rgbOf(back_)));
    // The part of the rectangle on the surface, worked out in 64 bits.
    const int64_t l = std::max<int64_t>(x, 0), t = std::max<int64_t>(y, 0);
    const int64_t r = std::min<int64_t>(int64_t(x) + w, image_.width());
    const int64_t b = std::min<int64_t>(int64_t(y) + h, image_.height());
    if (l < r && t < b) {
        QPainter p(&out);
        p.drawImage(QPoint(int(l - x), int(t - y)), image_, QRect(int(l), int(t), int(r - l), int(b - t)));
    }
    return plat::Picture::fromImage(out);
}

plat::PicturePtr GhostCanvas::Picture() const
{
    if (image_.isNull())
        return plat::Picture::empty();
    // The picture shares the pixels; the surface's next drawing copies them
    // first (a surface drawn once and dropped, as every paint's is, never
    // copies at all).
    return plat::Picture::fromImage(image_);
}

void GhostCanvas::setPicture(const plat::PicturePtr& NewPicture)
{
    if (!NewPicture)
        plat::raise(plat::err::ObjectRequired);
    if (NewPicture->isEmpty()) {
        image_ = QImage();
        drawnOn_ = false;
        blankRgb_ = NoColour;
        return;
    }
    const QImage& src = NewPicture->image();
    QImage next(src.size(), QImage::Format_RGB32);
    if (next.isNull())
        plat::raise(plat::err::OutOfMemory);
    // Transparent parts of the picture show the back colour.
    next.fill(QColor::fromRgb(rgbOf(back_)));
    {
        QPainter p(&next);
        p.drawImage(0, 0, src);
    }
    image_ = next;
    drawnOn_ = true;
}

// --- Text -------------------------------------------------------------------

double GhostCanvas::TextWidth(const QString& Text)
{
    int32_t widest = 0;
    for (const QString& line : linesOf(Text)) {
        gdi::Size s;
        gdi::GetTextExtentPoint32A(dc_, line, s);
        widest = std::max(widest, s.cx);
    }
    return widest;
}

double GhostCanvas::TextHeight(const QString& Text)
{
    gdi::Size s;
    gdi::GetTextExtentPoint32A(dc_, QString(), s);
    return double(s.cy) * double(linesOf(Text).size());
}

void GhostCanvas::PrintText(const QString& Text)
{
    const int32_t x = toPixel(curX_);
    // 64 bits: the lines may run past the end of the 32-bit range.
    int64_t y = toPixel(curY_);
    gdi::Size s;
    gdi::GetTextExtentPoint32A(dc_, QString(), s);
    for (const QString& line : linesOf(Text)) {
        if (y <= INT32_MAX)
            gdi::TextOutA(dc_, x, int32_t(y), line);
        y += s.cy;
    }
    curX_ = 0;
    curY_ = y;
}

// --- Brushes ----------------------------------------------------------------

void GhostCanvas::SetBrush(int64_t Brush)
{
    if (Brush == 0)
        plat::raise(plat::err::InvalidCall);
    const int64_t previous = gdi::SelectObject(dc_, Brush);
    if (previous == 0)
        plat::raise(plat::err::InvalidCall);
    if (gdi::currentBrush(dc_) != Brush) {
        // A font handle: put the previous font back and refuse.
        gdi::SelectObject(dc_, previous);
        plat::raise(plat::err::InvalidCall);
    }
    if (!brushSet_) {
        savedBrush_ = previous;
        brushSet_ = true;
    }
}

void GhostCanvas::RestoreBrush()
{
    if (!brushSet_)
        return;
    // Selecting the old brush back releases a brush the library made for the
    // caller (see gdi::setReleasedByContext).
    gdi::SelectObject(dc_, savedBrush_);
    brushSet_ = false;
    savedBrush_ = 0;
}

void registerGhostCanvas() { registerClass<ZorvaneGhostCanvas, GhostCanvas>(); }

} // namespace zg
