#include "IconReader.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <optional>
#include <tuple>

namespace zg::icons {

namespace {

// Reads are always preceded by a bounds check with 64-bit arithmetic.
bool fits(Bytes d, uint64_t offset, uint64_t length)
{
    return offset <= d.size() && length <= d.size() - offset;
}
uint16_t u16(Bytes d, size_t o) { return static_cast<uint16_t>(d[o] | (d[o + 1] << 8)); }
uint32_t u32(Bytes d, size_t o)
{
    return static_cast<uint32_t>(d[o]) | (static_cast<uint32_t>(d[o + 1]) << 8) |
           (static_cast<uint32_t>(d[o + 2]) << 16) | (static_cast<uint32_t>(d[o + 3]) << 24);
}
uint32_t be32(Bytes d, size_t o)
{
    return (static_cast<uint32_t>(d[o]) << 24) | (static_cast<uint32_t>(d[o + 1]) << 16) |
           (static_cast<uint32_t>(d[o + 2]) << 8) | static_cast<uint32_t>(d[o + 3]);
}
int32_t i32(Bytes d, size_t o) { return static_cast<int32_t>(u32(d, o)); }

const uint8_t kPngSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

bool isPng(Bytes image) { return image.size() >= 8 && std::memcmp(image.data(), kPngSignature, 8) == 0; }

// The layout of a BMP icon image, checked against its bytes.
struct BmpLayout {
    int width = 0, height = 0, bitCount = 0;
    size_t paletteOffset = 0, paletteCount = 0;
    size_t xorOffset = 0, xorStride = 0;
    size_t andOffset = 0, andStride = 0;
    bool hasMask = false;
};

bool bmpLayout(Bytes d, BmpLayout& l)
{
    if (!fits(d, 0, 40))
        return false;
    const uint32_t headerSize = u32(d, 0);
    if (headerSize < 40 || !fits(d, 0, headerSize))
        return false;
    const int32_t w = i32(d, 4);
    const int32_t h2 = i32(d, 8); // colour rows and mask rows together
    const uint16_t planes = u16(d, 12);
    const uint16_t bpp = u16(d, 14);
    const uint32_t compression = u32(d, 16);
    const uint32_t used = u32(d, 32);
    if (w < 1 || w > MaxSide || h2 < 2 || h2 / 2 > MaxSide || planes > 1 || compression != 0)
        return false;
    if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 24 && bpp != 32)
        return false;
    l.width = w;
    l.height = h2 / 2;
    l.bitCount = bpp;
    uint64_t colours = 0;
    if (bpp <= 8) {
        const uint32_t full = 1u << bpp;
        if (used > full)
            return false;
        colours = used ? used : full;
    } else if (used > 256) {
        return false;
    } else {
        colours = used; // an unused table may stand before true-colour bits
    }
    l.paletteOffset = headerSize;
    l.paletteCount = static_cast<size_t>(colours);
    const uint64_t xorOffset = headerSize + colours * 4;
    const uint64_t xorStride = (static_cast<uint64_t>(w) * bpp + 31) / 32 * 4;
    const uint64_t andStride = (static_cast<uint64_t>(w) + 31) / 32 * 4;
    const uint64_t andOffset = xorOffset + xorStride * l.height;
    if (!fits(d, 0, andOffset))
        return false;
    l.hasMask = fits(d, andOffset, andStride * l.height);
    // Only 32-bit images carry their transparency without a mask.
    if (!l.hasMask && bpp != 32)
        return false;
    l.xorOffset = static_cast<size_t>(xorOffset);
    l.xorStride = static_cast<size_t>(xorStride);
    l.andOffset = static_cast<size_t>(andOffset);
    l.andStride = static_cast<size_t>(andStride);
    return true;
}

// Checks one image and describes it as an entry at `offset` of the data.
std::optional<Entry> entryAt(Bytes data, uint64_t offset, uint64_t size)
{
    if (size == 0 || !fits(data, offset, size))
        return std::nullopt;
    const Bytes image = data.subspan(static_cast<size_t>(offset), static_cast<size_t>(size));
    Entry e;
    e.offset = static_cast<size_t>(offset);
    e.size = static_cast<size_t>(size);
    if (isPng(image)) {
        e.format = Format::Png;
        e.bitCount = 32;
        if (!checkPng(image, e.width, e.height))
            return std::nullopt;
    } else {
        e.format = Format::Bmp;
        if (!checkBmp(image, e.width, e.height, e.bitCount))
            return std::nullopt;
    }
    return e;
}

std::vector<Group> readIconFile(Bytes d)
{
    if (!fits(d, 0, 6) || u16(d, 0) != 0 || u16(d, 2) != 1)
        return {};
    const uint16_t count = u16(d, 4);
    const uint64_t directoryEnd = 6 + 16ull * count;
    if (count == 0 || !fits(d, 0, directoryEnd))
        return {};
    Group g;
    for (uint16_t i = 0; i < count; ++i) {
        const size_t at = 6 + 16u * i;
        const uint32_t size = u32(d, at + 8);
        const uint32_t offset = u32(d, at + 12);
        // An image outside the file, or over the directory, is a damaged
        // (or cut) file: nothing of it is trusted.
        if (size == 0 || offset < directoryEnd || !fits(d, offset, size))
            return {};
        if (auto e = entryAt(d, offset, size))
            g.entries.push_back(*e);
    }
    if (g.entries.empty())
        return {};
    return {g};
}

// ---- Portable executables ----------------------------------------------

constexpr uint32_t kHighBit = 0x80000000u;
constexpr uint32_t kTypeIcon = 3;
constexpr uint32_t kTypeGroupIcon = 14;
// Work limits far above any real file; an input beyond them is refused.
constexpr size_t kMaxSections = 96;
constexpr size_t kMaxGroupImages = 1u << 18;

struct Section {
    uint32_t virtualAddress, rawSize, rawPointer;
};

class PeReader {
public:
    explicit PeReader(Bytes d) : d_(d) {}
    std::vector<Group> read();

private:
    // The file offset of `length` bytes at `rva`, inside one section's data.
    std::optional<size_t> map(uint64_t rva, uint64_t length) const;
    // A directory of the resource tree: its entry count, checked.
    std::optional<size_t> directory(uint32_t offset) const;
    // The first data entry under a name's language directory: (rva, size).
    std::optional<std::pair<uint32_t, uint32_t>> firstData(uint32_t entryTarget) const;

    Bytes d_;
    std::vector<Section> sections_;
    Bytes tree_;
};

std::optional<size_t> PeReader::map(uint64_t rva, uint64_t length) const
{
    for (const Section& s : sections_) {
        if (rva < s.virtualAddress || rva - s.virtualAddress > s.rawSize ||
            length > s.rawSize - (rva - s.virtualAddress))
            continue;
        // A section without data may name any file offset at all: the
        // range is checked against the file itself, even when empty.
        const uint64_t offset = uint64_t(s.rawPointer) + (rva - s.virtualAddress);
        if (!fits(d_, offset, length))
            return std::nullopt;
        return static_cast<size_t>(offset);
    }
    return std::nullopt;
}

std::optional<size_t> PeReader::directory(uint32_t offset) const
{
    if (!fits(tree_, offset, 16))
        return std::nullopt;
    const size_t n = static_cast<size_t>(u16(tree_, offset + 12)) + u16(tree_, offset + 14);
    if (!fits(tree_, offset + 16ull, 8ull * n))
        return std::nullopt;
    return n;
}

std::optional<std::pair<uint32_t, uint32_t>> PeReader::firstData(uint32_t target) const
{
    if (!(target & kHighBit))
        return std::nullopt;
    const uint32_t languages = target & ~kHighBit;
    const auto n = directory(languages);
    if (!n || *n == 0)
        return std::nullopt;
    const uint32_t dataEntry = u32(tree_, languages + 16 + 4);
    if ((dataEntry & kHighBit) || !fits(tree_, dataEntry, 16))
        return std::nullopt;
    return std::make_pair(u32(tree_, dataEntry), u32(tree_, dataEntry + 4));
}

std::vector<Group> PeReader::read()
{
    if (!fits(d_, 0, 64) || d_[0] != 'M' || d_[1] != 'Z')
        return {};
    const uint32_t pe = u32(d_, 0x3C);
    if (!fits(d_, pe, 24) || std::memcmp(d_.data() + pe, "PE\0\0", 4) != 0)
        return {};
    const size_t coff = pe + 4;
    const uint16_t sectionCount = u16(d_, coff + 2);
    const uint16_t optionalSize = u16(d_, coff + 16);
    const size_t opt = coff + 20;
    if (!fits(d_, opt, optionalSize) || optionalSize < 2 || sectionCount > kMaxSections)
        return {};
    const uint16_t magic = u16(d_, opt);
    size_t rvaCountAt = 0, directoriesAt = 0;
    if (magic == 0x10B) {
        rvaCountAt = 92;
        directoriesAt = 96;
    } else if (magic == 0x20B) {
        rvaCountAt = 108;
        directoriesAt = 112;
    } else {
        return {};
    }
    // The resource directory is the third data directory.
    if (directoriesAt + 3 * 8 > optionalSize || u32(d_, opt + rvaCountAt) < 3)
        return {};
    const uint32_t resourceRva = u32(d_, opt + directoriesAt + 16);
    const uint32_t resourceSize = u32(d_, opt + directoriesAt + 20);

    const size_t table = opt + optionalSize;
    if (!fits(d_, table, 40ull * sectionCount))
        return {};
    for (size_t i = 0; i < sectionCount; ++i) {
        const size_t s = table + 40 * i;
        Section sec{u32(d_, s + 12), u32(d_, s + 16), u32(d_, s + 20)};
        // A section whose data lies beyond the end: the file was cut.
        if (sec.rawSize != 0 && !fits(d_, sec.rawPointer, sec.rawSize))
            return {};
        sections_.push_back(sec);
    }
    if (resourceRva == 0 || resourceSize == 0)
        return {};
    const auto treeAt = map(resourceRva, resourceSize);
    if (!treeAt)
        return {};
    tree_ = d_.subspan(*treeAt, resourceSize);

    const auto rootCount = directory(0);
    if (!rootCount)
        return {};
    std::optional<uint32_t> iconDir, groupDir;
    for (size_t i = 0; i < *rootCount; ++i) {
        const uint32_t name = u32(tree_, 16 + 8 * i);
        const uint32_t target = u32(tree_, 16 + 8 * i + 4);
        if ((name & kHighBit) || !(target & kHighBit))
            continue;
        if (name == kTypeIcon && !iconDir)
            iconDir = target & ~kHighBit;
        else if (name == kTypeGroupIcon && !groupDir)
            groupDir = target & ~kHighBit;
    }
    if (!iconDir || !groupDir)
        return {};

    // The images by identifier, each checked once.
    std::map<uint16_t, std::optional<Entry>> images;
    const auto iconCount = directory(*iconDir);
    if (!iconCount)
        return {};
    for (size_t i = 0; i < *iconCount; ++i) {
        const size_t at = *iconDir + 16 + 8 * i;
        const uint32_t name = u32(tree_, at);
        if ((name & kHighBit) || name > 0xFFFF || images.count(static_cast<uint16_t>(name)))
            continue;
        const auto data = firstData(u32(tree_, at + 4));
        std::optional<Entry> entry;
        if (data) {
            const auto offset = map(data->first, data->second);
            if (!offset)
                return {}; // an image outside the file: damaged or cut
            entry = entryAt(d_, *offset, data->second);
        }
        images[static_cast<uint16_t>(name)] = entry;
    }

    std::vector<Group> groups;
    size_t work = 0;
    const auto groupCount = directory(*groupDir);
    if (!groupCount)
        return {};
    for (size_t i = 0; i < *groupCount; ++i) {
        const auto data = firstData(u32(tree_, *groupDir + 16 + 8 * i + 4));
        if (!data)
            continue;
        const auto offset = map(data->first, data->second);
        if (!offset)
            return {};
        const Bytes g = d_.subspan(*offset, data->second);
        if (!fits(g, 0, 6) || u16(g, 0) != 0 || u16(g, 2) != 1)
            continue;
        const uint16_t count = u16(g, 4);
        if (!fits(g, 6, 14ull * count))
            continue;
        work += count;
        if (work > kMaxGroupImages)
            return {};
        Group group;
        for (uint16_t k = 0; k < count; ++k) {
            const auto it = images.find(u16(g, 6 + 14u * k + 12));
            if (it != images.end() && it->second)
                group.entries.push_back(*it->second);
        }
        if (!group.entries.empty())
            groups.push_back(std::move(group));
    }
    return groups;
}

} // namespace

bool checkBmp(Bytes image, int& width, int& height, int& bitCount)
{
    BmpLayout l;
    if (!bmpLayout(image, l))
        return false;
    width = l.width;
    height = l.height;
    bitCount = l.bitCount;
    return true;
}

bool checkPng(Bytes image, int& width, int& height)
{
    if (!isPng(image) || !fits(image, 8, 8 + 13 + 4) || be32(image, 8) != 13 ||
        std::memcmp(image.data() + 12, "IHDR", 4) != 0)
        return false;
    const uint32_t w = be32(image, 16);
    const uint32_t h = be32(image, 20);
    if (w < 1 || h < 1 || w > MaxSide || h > MaxSide)
        return false;
    width = static_cast<int>(w);
    height = static_cast<int>(h);
    return true;
}

bool decodeBmp(Bytes d, Pixels& out)
{
    BmpLayout l;
    if (!bmpLayout(d, l))
        return false;
    out.width = l.width;
    out.height = l.height;
    out.argb.assign(static_cast<size_t>(l.width) * l.height, 0);

    auto paletteColour = [&](size_t index) -> uint32_t {
        if (index >= l.paletteCount)
            return 0xFF000000u; // an index past the table: black
        const size_t at = l.paletteOffset + 4 * index;
        return 0xFF000000u | (uint32_t(d[at + 2]) << 16) | (uint32_t(d[at + 1]) << 8) | d[at];
    };
    bool anyAlpha = false;
    for (int y = 0; y < l.height; ++y) {
        // Rows are stored from the bottom.
        const size_t row = l.xorOffset + l.xorStride * static_cast<size_t>(l.height - 1 - y);
        uint32_t* line = out.argb.data() + static_cast<size_t>(y) * l.width;
        for (int x = 0; x < l.width; ++x) {
            uint32_t c = 0;
            switch (l.bitCount) {
            case 1: c = paletteColour((d[row + x / 8] >> (7 - x % 8)) & 1); break;
            case 4: c = paletteColour((d[row + x / 2] >> (x % 2 ? 0 : 4)) & 0xF); break;
            case 8: c = paletteColour(d[row + x]); break;
            case 24: {
                const size_t p = row + 3 * static_cast<size_t>(x);
                c = 0xFF000000u | (uint32_t(d[p + 2]) << 16) | (uint32_t(d[p + 1]) << 8) | d[p];
                break;
            }
            case 32: {
                const size_t p = row + 4 * static_cast<size_t>(x);
                c = (uint32_t(d[p + 3]) << 24) | (uint32_t(d[p + 2]) << 16) | (uint32_t(d[p + 1]) << 8) | d[p];
                anyAlpha = anyAlpha || d[p + 3] != 0;
                break;
            }
            }
            line[x] = c;
        }
    }
    const bool useMask = l.bitCount != 32 || !anyAlpha;
    if (useMask) {
        for (int y = 0; y < l.height; ++y) {
            const size_t row = l.andOffset + l.andStride * static_cast<size_t>(l.height - 1 - y);
            uint32_t* line = out.argb.data() + static_cast<size_t>(y) * l.width;
            for (int x = 0; x < l.width; ++x) {
                const bool transparent = l.hasMask && ((d[row + x / 8] >> (7 - x % 8)) & 1);
                line[x] = transparent ? 0u : (line[x] | 0xFF000000u);
            }
        }
    }
    return true;
}

std::vector<Group> readIcons(Bytes data)
{
    if (fits(data, 0, 2) && data[0] == 'M' && data[1] == 'Z')
        return PeReader(data).read();
    return readIconFile(data);
}

int nearestEntry(const Group& group, int side)
{
    int best = -1;
    auto key = [side](const Entry& e) {
        const int s = std::max(e.width, e.height);
        const int distance = s > side ? s - side : side - s;
        return std::make_tuple(distance, s >= side ? 0 : 1, -e.bitCount);
    };
    for (size_t i = 0; i < group.entries.size(); ++i)
        if (best < 0 || key(group.entries[i]) < key(group.entries[best]))
            best = static_cast<int>(i);
    return best;
}

} // namespace zg::icons
