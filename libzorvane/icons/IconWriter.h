// Writing icons: BMP icon images at 1, 4, 8, 24 and 32 bits, icon files
// (.ico) and resource-only libraries (PE32 or PE32+) holding icon groups.
// Used by the build-time generator of the suite's sample icons and by the
// reader's tests. Plain bytes, no Qt.
#pragma once
#include "IconReader.h"

#include <cstdint>
#include <vector>

namespace zg::icons {

using Blob = std::vector<uint8_t>;

// A BMP icon image of `pixels` at `bitCount` bits. Pixels with alpha below
// 128 are transparent in the mask (and, at 32 bits, keep their alpha).
// Below 24 bits the colours are mapped to the nearest colour of `palette`
// (at most 2^bitCount colours; when empty, the image's own first distinct
// colours).
Blob bmpImage(const Pixels& pixels, int bitCount, const std::vector<uint32_t>& palette = {});

// An icon file holding the images (BMP images made by bmpImage, or PNG
// files), in the given order.
Blob iconFile(const std::vector<Blob>& images);

// A resource-only library holding one icon group per element of `groups`
// (each a list of images as for iconFile); the group and image identifiers
// count from 1. `plus` writes PE32+ (64-bit) instead of PE32.
Blob resourceLibrary(const std::vector<std::vector<Blob>>& groups, bool plus = false);

} // namespace zg::icons
