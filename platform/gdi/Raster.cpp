#include "Raster.h"

namespace plat::gdi {

bool makeWritable(QImage& image)
{
    if (image.isNull())
        return false;
    switch (image.format()) {
    case QImage::Format_RGB32:
    case QImage::Format_ARGB32:
    case QImage::Format_ARGB32_Premultiplied:
        return true;
    default:
        image.convertTo(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
        return !image.isNull();
    }
}

QRgb sourcePixel(const QImage& picture, int x, int y)
{
    switch (picture.format()) {
    case QImage::Format_RGB32:
        return reinterpret_cast<const QRgb*>(picture.constScanLine(y))[x] | 0xFF000000u;
    case QImage::Format_ARGB32:
        return reinterpret_cast<const QRgb*>(picture.constScanLine(y))[x];
    default:
        return picture.pixel(x, y); // converts premultiplied and indexed pixels
    }
}

uint32_t rop2(int mode, uint32_t pen, uint32_t dest)
{
    const uint32_t p = pen & 0xFFFFFFu, d = dest & 0xFFFFFFu, all = 0xFFFFFFu;
    switch (mode) {
    case 1: return 0;                    // black
    case 2: return ~(p | d) & all;       // not merge pen
    case 3: return (~p & d) & all;       // mask not pen
    case 4: return ~p & all;             // not copy pen
    case 5: return (p & ~d) & all;       // mask pen not
    case 6: return ~d & all;             // invert
    case 7: return p ^ d;                // XOR pen
    case 8: return ~(p & d) & all;       // not mask pen
    case 9: return p & d;                // mask pen
    case 10: return ~(p ^ d) & all;      // not XOR pen
    case 11: return d;                   // nop
    case 12: return (~p | d) & all;      // merge not pen
    case 14: return (p | ~d) & all;      // merge pen not
    case 15: return p | d;               // merge pen
    case 16: return all;                 // white
    default: return p;                   // 13 copy pen
    }
}

uint32_t rop3(uint32_t code, uint32_t pattern, uint32_t source, uint32_t dest)
{
    const uint32_t index = (code >> 16) & 0xFF;
    if (index == 0xCC)
        return source & 0xFFFFFFu;
    uint32_t result = 0;
    // Bit n of the index is the result for pattern bit (n & 4), source bit
    // (n & 2) and destination bit (n & 1).
    for (uint32_t n = 0; n < 8; ++n) {
        if (!(index & (1u << n)))
            continue;
        const uint32_t p = (n & 4) ? pattern : ~pattern;
        const uint32_t s = (n & 2) ? source : ~source;
        const uint32_t d = (n & 1) ? dest : ~dest;
        result |= p & s & d;
    }
    return result & 0xFFFFFFu;
}

} // namespace plat::gdi
