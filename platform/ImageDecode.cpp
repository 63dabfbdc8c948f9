#include "ImageDecode.h"

#include <QList>

#include <cstring>
#include <utility>
#include <png.h>

namespace plat {

namespace {

uint32_t bigEndian32(const uchar* p) { return uint32_t(p[0]) << 24 | uint32_t(p[1]) << 16 | uint32_t(p[2]) << 8 | p[3]; }
uint32_t littleEndian32(const uchar* p) { return uint32_t(p[3]) << 24 | uint32_t(p[2]) << 16 | uint32_t(p[1]) << 8 | p[0]; }
uint16_t littleEndian16(const uchar* p) { return uint16_t(p[1] << 8 | p[0]); }

// A PNG whose pixels libpng gives exactly as the toolkit's reader does:
// 8-bit RGB or RGBA, not interlaced, no chunk that asks for a colour
// conversion. Walks the chunks once for that and for the hot spot text.
struct PngFacts {
    bool alpha = false;
    int dotsPerMeterX = 0, dotsPerMeterY = 0;
    QList<std::pair<QString, QString>> texts;
};

bool plainTruecolourPng(const QByteArray& data, PngFacts& facts)
{
    static const uchar signature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    const auto* p = reinterpret_cast<const uchar*>(data.constData());
    const qsizetype size = data.size();
    if (size < 8 + 25 || std::memcmp(p, signature, 8) != 0)
        return false;
    qsizetype at = 8;
    bool first = true;
    while (at + 12 <= size) {
        const uint32_t length = bigEndian32(p + at);
        if (length > uint32_t(size - at - 12))
            return false;
        const char* type = reinterpret_cast<const char*>(p + at + 4);
        const uchar* body = p + at + 8;
        if (first) {
            // IHDR: width, height, bit depth, colour type, compression,
            // filter, interlace.
            if (std::memcmp(type, "IHDR", 4) != 0 || length != 13)
                return false;
            const uchar depth = body[8], colourType = body[9], interlace = body[12];
            if (depth != 8 || (colourType != 2 && colourType != 6) || interlace != 0)
                return false;
            facts.alpha = colourType == 6;
            first = false;
        } else if (std::memcmp(type, "IEND", 4) == 0) {
            return true;
        } else if (std::memcmp(type, "tRNS", 4) == 0 || std::memcmp(type, "gAMA", 4) == 0
                   || std::memcmp(type, "sRGB", 4) == 0 || std::memcmp(type, "iCCP", 4) == 0
                   || std::memcmp(type, "cHRM", 4) == 0 || std::memcmp(type, "sBIT", 4) == 0) {
            return false;
        } else if (std::memcmp(type, "pHYs", 4) == 0) {
            if (length == 9 && body[8] == 1) { // dots per metre
                facts.dotsPerMeterX = int(bigEndian32(body));
                facts.dotsPerMeterY = int(bigEndian32(body + 4));
            }
        } else if (std::memcmp(type, "tEXt", 4) == 0) {
            // A Latin-1 keyword, a zero, the Latin-1 text.
            const char* text = reinterpret_cast<const char*>(body);
            const void* zero = std::memchr(text, 0, length);
            if (!zero)
                return false;
            const qsizetype keyLength = static_cast<const char*>(zero) - text;
            facts.texts.append({QString::fromLatin1(text, keyLength),
                                QString::fromLatin1(text + keyLength + 1, qsizetype(length) - keyLength - 1)});
        }
        at += 12 + qsizetype(length);
    }
    return false;
}

QImage readPng(const QByteArray& data)
{
    PngFacts facts;
    if (!plainTruecolourPng(data, facts))
        return {};
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&image, data.constData(), size_t(data.size())))
        return {};
    // BGRA bytes are ARGB32 words on a little-endian machine.
    image.format = QSysInfo::ByteOrder == QSysInfo::LittleEndian ? PNG_FORMAT_BGRA : PNG_FORMAT_ARGB;
    QImage out;
    if (image.width > 0 && image.height > 0 && image.width <= 32768 && image.height <= 32768)
        out = QImage(int(image.width), int(image.height), QImage::Format_ARGB32);
    if (out.isNull()
        || !png_image_finish_read(&image, nullptr, out.bits(), png_int_32(out.bytesPerLine()), nullptr)) {
        png_image_free(&image);
        return {};
    }
    if (!facts.alpha)
        out.reinterpretAsFormat(QImage::Format_RGB32);
    if (facts.dotsPerMeterX > 0 && facts.dotsPerMeterY > 0) {
        out.setDotsPerMeterX(facts.dotsPerMeterX);
        out.setDotsPerMeterY(facts.dotsPerMeterY);
    }
    for (const auto& [key, text] : facts.texts)
        out.setText(key, text);
    return out;
}

// BITMAPFILEHEADER (14 bytes) and BITMAPINFOHEADER (40 or more), no
// compression, 24 bits a pixel, rows bottom-up or top-down.
QImage readBitmap(const QByteArray& data)
{
    const auto* p = reinterpret_cast<const uchar*>(data.constData());
    const qsizetype size = data.size();
    if (size < 54 || p[0] != 'B' || p[1] != 'M')
        return {};
    const uint32_t offset = littleEndian32(p + 10);
    const uint32_t headerSize = littleEndian32(p + 14);
    const auto width = int32_t(littleEndian32(p + 18));
    const auto height = int32_t(littleEndian32(p + 22));
    const uint16_t planes = littleEndian16(p + 26), bits = littleEndian16(p + 28);
    const uint32_t compression = littleEndian32(p + 30);
    if (headerSize < 40 || planes != 1 || bits != 24 || compression != 0 || width <= 0
        || width > 32768 || height == 0 || height < -32768 || height > 32768)
        return {};
    const int rows = height < 0 ? -height : height;
    const qsizetype stride = (qsizetype(width) * bits / 8 + 3) & ~qsizetype(3);
    if (offset < 14 + headerSize || qsizetype(offset) > size || stride * rows > size - qsizetype(offset))
        return {};
    QImage out(width, rows, QImage::Format_RGB32);
    if (out.isNull())
        return {};
    for (int y = 0; y < rows; ++y) {
        const uchar* src = p + offset + stride * (height < 0 ? y : rows - 1 - y);
        auto* dst = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < width; ++x, src += 3)
            dst[x] = qRgb(src[2], src[1], src[0]);
    }
    const auto xPerMeter = int32_t(littleEndian32(p + 38)), yPerMeter = int32_t(littleEndian32(p + 42));
    if (xPerMeter > 0 && yPerMeter > 0) {
        out.setDotsPerMeterX(xPerMeter);
        out.setDotsPerMeterY(yPerMeter);
    }
    return out;
}

} // namespace

QImage decodeOwnImage(const QByteArray& data)
{
    if (data.startsWith("BM"))
        return readBitmap(data);
    return readPng(data);
}

} // namespace plat
