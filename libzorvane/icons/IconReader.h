// The icon reader's core: icon files (.ico) and Windows executables and
// libraries (PE32 and PE32+) in, icon groups and pixels out. Plain bytes, no
// Qt, no file system, so a fuzzer can drive it directly; PNG images are
// decoded by libpng.
//
// Every offset and size read from the data is checked against the data
// before use, and all work is bounded by the data's size: any input gives an
// answer (possibly "no icons"), never a read outside it, a crash or a hang.
#pragma once
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace zg::icons {

using Bytes = std::span<const uint8_t>;

// The largest image side the reader accepts (the format's own limit is 256;
// larger images only appear in damaged or hostile files).
constexpr int MaxSide = 1024;

enum class Format { Bmp, Png };

// One image of an icon: where its bytes lie in the data that was read, and
// its real size and depth (from its own header, not the directory's bytes).
struct Entry {
    Format format = Format::Bmp;
    int width = 0;
    int height = 0;
    int bitCount = 0; // PNG images count as 32
    size_t offset = 0;
    size_t size = 0;
};

// One icon: the images of one icon group (one .ico file, or one group
// resource of an executable). Never empty.
struct Group {
    std::vector<Entry> entries;
};

// The icons of an icon file or an executable, in the file's own order. An
// icon file gives at most one group. Anything that is neither, or whose
// structures point outside the data (truncated, damaged), gives none. Images
// whose own headers are unusable are left out of their group; a group left
// with no image is left out.
std::vector<Group> readIcons(Bytes data);

// Pixels as 0xAARRGGBB, straight (not premultiplied) alpha, rows from the top.
struct Pixels {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> argb;
};

// Decodes a BMP icon image (header, palette, colour bits, transparency
// mask). Bit depths 1, 4, 8, 24 and 32; a 32-bit image whose alpha is all
// zero takes its transparency from the mask. False for anything unusable.
bool decodeBmp(Bytes image, Pixels& out);

// Decodes a PNG icon image of any valid kind (every colour type and depth,
// transparency chunk, interlacing); 16-bit samples are rounded to 8 bits.
// Colour values are the file's own (no gamma or colour-space correction).
// False for anything unusable, and for images over MaxSide.
bool decodePng(Bytes image, Pixels& out);

// The size and depth a BMP or PNG icon image declares, when usable.
bool checkBmp(Bytes image, int& width, int& height, int& bitCount);
bool checkPng(Bytes image, int& width, int& height);

// The index of the image of `group` nearest to `side` pixels: the least
// difference of the larger side, a larger image before a smaller one at the
// same distance, then the deeper colour. -1 for an empty group.
int nearestEntry(const Group& group, int side);

} // namespace zg::icons
