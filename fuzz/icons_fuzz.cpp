// Fuzz target of the icon reader: any bytes as an icon file or executable,
// then every image of every group decoded (BMP and PNG), as the icon object
// would.
#include "IconReader.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const zg::icons::Bytes bytes(data, size);
    for (const zg::icons::Group& group : zg::icons::readIcons(bytes)) {
        if (group.entries.empty())
            __builtin_trap(); // the reader promises no empty group
        for (int side : {16, 32}) {
            const int i = zg::icons::nearestEntry(group, side);
            if (i < 0 || static_cast<size_t>(i) >= group.entries.size())
                __builtin_trap();
        }
        for (const zg::icons::Entry& e : group.entries) {
            if (e.offset > size || e.size > size - e.offset)
                __builtin_trap(); // an entry outside the input
            const zg::icons::Bytes image = bytes.subspan(e.offset, e.size);
            zg::icons::Pixels px;
            if (e.format == zg::icons::Format::Bmp) {
                if (!zg::icons::decodeBmp(image, px) || px.argb.size() != static_cast<size_t>(px.width) * px.height)
                    __builtin_trap(); // a checked image must decode
            } else if (zg::icons::decodePng(image, px)) {
                // Damaged image data may fail; what decodes is the size the header gave.
                if (px.width != e.width || px.height != e.height ||
                    px.argb.size() != static_cast<size_t>(px.width) * px.height)
                    __builtin_trap();
            }
        }
    }
    return 0;
}
