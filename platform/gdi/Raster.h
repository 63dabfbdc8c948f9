// Pixel access and the desktop's raster operations on 32-bit images, shared
// by the device contexts and the drawing surface.
#pragma once
#include <QImage>
#include <QRect>
#include <cstdint>

namespace plat::gdi {

// Makes `image` a 32-bit image that the helpers below can write (other
// formats are converted in place). Returns false for a null image.
bool makeWritable(QImage& image);

inline bool inside(const QImage& image, int x, int y)
{
    return x >= 0 && y >= 0 && x < image.width() && y < image.height();
}

// The pixel as 0x00RRGGBB (alpha dropped); the image must be 32-bit.
inline uint32_t rgbAt(const QImage& image, int x, int y)
{
    return reinterpret_cast<const uint32_t*>(image.constScanLine(y))[x] & 0x00FFFFFFu;
}
// Writes an opaque pixel given as 0x00RRGGBB; the image must be 32-bit.
inline void putRgb(QImage& image, int x, int y, uint32_t rgb)
{
    reinterpret_cast<uint32_t*>(image.scanLine(y))[x] = 0xFF000000u | (rgb & 0x00FFFFFFu);
}

// A source pixel of a picture, as QRgb with its alpha (non-premultiplied).
// Works on any image format.
QRgb sourcePixel(const QImage& picture, int x, int y);

// The desktop's binary raster operations (the pen against the destination):
// 1 black, 2 not-merge-pen, ..., 7 XOR pen, 13 copy pen, 16 white.
uint32_t rop2(int mode, uint32_t pen, uint32_t dest);
// Ternary raster operations of block transfers: the operation's index (bits
// 16..23 of the code) evaluated bit by bit over pattern, source and
// destination.
uint32_t rop3(uint32_t code, uint32_t pattern, uint32_t source, uint32_t dest);

// Nearest-neighbour stretching: the source column (or row) that destination
// column d (0-based inside the drawn area of destSize) takes, for a source
// span of srcSize starting at srcOrigin.
inline int64_t sourceIndex(int64_t d, int64_t destSize, int64_t srcOrigin, int64_t srcSize)
{
    return srcOrigin + (d * srcSize) / destSize;
}

} // namespace plat::gdi
