#include "IconWriter.h"

#include <algorithm>
#include <cstring>

namespace zg::icons {

namespace {

void put16(Blob& b, size_t at, uint32_t v)
{
    b[at] = uint8_t(v);
    b[at + 1] = uint8_t(v >> 8);
}
void put32(Blob& b, size_t at, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        b[at + i] = uint8_t(v >> (8 * i));
}
void put64(Blob& b, size_t at, uint64_t v)
{
    for (int i = 0; i < 8; ++i)
        b[at + i] = uint8_t(v >> (8 * i));
}
size_t alignUp(size_t v, size_t a) { return (v + a - 1) / a * a; }

int distance(uint32_t a, uint32_t b)
{
    int d = 0;
    for (int s = 0; s <= 16; s += 8) {
        const int x = int((a >> s) & 0xFF) - int((b >> s) & 0xFF);
        d += x * x;
    }
    return d;
}

// The directory fields of one image: width, height, colour count, bit count.
struct Described {
    int width = 0, height = 0, bitCount = 32, colours = 0;
};
Described describe(const Blob& image)
{
    Described d;
    const Bytes bytes(image);
    if (checkPng(bytes, d.width, d.height))
        return d;
    if (checkBmp(bytes, d.width, d.height, d.bitCount) && d.bitCount <= 8)
        d.colours = (1 << d.bitCount) & 0xFF;
    return d;
}

void putDirectoryEntry(Blob& b, size_t at, const Blob& image)
{
    const Described d = describe(image);
    b[at] = uint8_t(d.width >= 256 ? 0 : d.width); // 0 stands for 256
    b[at + 1] = uint8_t(d.height >= 256 ? 0 : d.height);
    b[at + 2] = uint8_t(d.colours);
    b[at + 3] = 0;
    put16(b, at + 4, 1);
    put16(b, at + 6, uint32_t(d.bitCount));
    put32(b, at + 8, uint32_t(image.size()));
}

} // namespace

Blob bmpImage(const Pixels& px, int bpp, const std::vector<uint32_t>& givenPalette)
{
    std::vector<uint32_t> palette;
    if (bpp <= 8) {
        const size_t limit = size_t(1) << bpp;
        if (!givenPalette.empty()) {
            palette.assign(givenPalette.begin(), givenPalette.begin() + std::min(limit, givenPalette.size()));
        } else {
            for (uint32_t c : px.argb) {
                c &= 0xFFFFFF;
                if (palette.size() < limit && std::find(palette.begin(), palette.end(), c) == palette.end())
                    palette.push_back(c);
            }
        }
        if (palette.empty())
            palette.push_back(0);
    }
    const size_t w = size_t(px.width), h = size_t(px.height);
    const size_t xorStride = (w * bpp + 31) / 32 * 4;
    const size_t andStride = (w + 31) / 32 * 4;
    const size_t header = 40;
    const size_t xorAt = header + 4 * palette.size();
    const size_t andAt = xorAt + xorStride * h;
    Blob b(andAt + andStride * h, 0);
    put32(b, 0, 40);
    put32(b, 4, uint32_t(w));
    put32(b, 8, uint32_t(2 * h));
    put16(b, 12, 1);
    put16(b, 14, uint32_t(bpp));
    put32(b, 20, uint32_t(xorStride * h + andStride * h));
    put32(b, 32, bpp <= 8 ? uint32_t(palette.size()) : 0);
    for (size_t i = 0; i < palette.size(); ++i) {
        b[header + 4 * i] = uint8_t(palette[i]);
        b[header + 4 * i + 1] = uint8_t(palette[i] >> 8);
        b[header + 4 * i + 2] = uint8_t(palette[i] >> 16);
    }
    for (size_t y = 0; y < h; ++y) {
        const size_t row = xorAt + xorStride * (h - 1 - y);
        const size_t mask = andAt + andStride * (h - 1 - y);
        for (size_t x = 0; x < w; ++x) {
            const uint32_t c = px.argb[y * w + x];
            const bool transparent = (c >> 24) < 128;
            if (transparent)
                b[mask + x / 8] |= uint8_t(0x80 >> (x % 8));
            if (bpp <= 8) {
                size_t index = 0;
                for (size_t i = 1; i < palette.size(); ++i)
                    if (distance(c, palette[i]) < distance(c, palette[index]))
                        index = i;
                if (bpp == 1)
                    b[row + x / 8] |= uint8_t(index << (7 - x % 8));
                else if (bpp == 4)
                    b[row + x / 2] |= uint8_t(index << (x % 2 ? 0 : 4));
                else
                    b[row + x] = uint8_t(index);
            } else if (bpp == 24) {
                b[row + 3 * x] = uint8_t(c);
                b[row + 3 * x + 1] = uint8_t(c >> 8);
                b[row + 3 * x + 2] = uint8_t(c >> 16);
            } else {
                put32(b, row + 4 * x, c);
            }
        }
    }
    return b;
}

Blob iconFile(const std::vector<Blob>& images)
{
    size_t at = 6 + 16 * images.size();
    size_t total = at;
    for (const Blob& i : images)
        total += i.size();
    Blob b(total, 0);
    put16(b, 2, 1);
    put16(b, 4, uint32_t(images.size()));
    for (size_t k = 0; k < images.size(); ++k) {
        putDirectoryEntry(b, 6 + 16 * k, images[k]);
        put32(b, 6 + 16 * k + 12, uint32_t(at));
        std::copy(images[k].begin(), images[k].end(), b.begin() + at);
        at += images[k].size();
    }
    return b;
}

Blob resourceLibrary(const std::vector<std::vector<Blob>>& groups, bool plus)
{
    // The resource section: root (two types), a name directory per type, a
    // language directory and a data entry per resource, then the data.
    std::vector<const Blob*> images;
    std::vector<Blob> groupData;
    for (const auto& g : groups) {
        Blob dir(6 + 14 * g.size(), 0);
        put16(dir, 2, 1);
        put16(dir, 4, uint32_t(g.size()));
        for (size_t k = 0; k < g.size(); ++k) {
            Blob entry(16, 0);
            putDirectoryEntry(entry, 0, g[k]);
            std::copy(entry.begin(), entry.begin() + 12, dir.begin() + 6 + 14 * k);
            images.push_back(&g[k]);
            put16(dir, 6 + 14 * k + 12, uint32_t(images.size()));
        }
        groupData.push_back(std::move(dir));
    }
    const size_t n = images.size(), g = groupData.size();
    const size_t root = 0, iconNames = 16 + 2 * 8, groupNames = iconNames + 16 + 8 * n;
    const size_t languages = groupNames + 16 + 8 * g;
    const size_t dataEntries = languages + 24 * (n + g);
    size_t dataAt = alignUp(dataEntries + 16 * (n + g), 8);
    std::vector<std::pair<const Blob*, size_t>> blobs;
    for (const Blob* i : images) {
        blobs.emplace_back(i, dataAt);
        dataAt = alignUp(dataAt + i->size(), 8);
    }
    for (const Blob& d : groupData) {
        blobs.emplace_back(&d, dataAt);
        dataAt = alignUp(dataAt + d.size(), 8);
    }
    const size_t resourceSize = dataAt;
    constexpr uint32_t sectionRva = 0x1000, highBit = 0x80000000u;
    Blob r(resourceSize, 0);
    auto directory = [&](size_t at, size_t ids) { put16(r, at + 14, uint32_t(ids)); };
    directory(root, 2);
    put32(r, root + 16, 3);
    put32(r, root + 20, highBit | uint32_t(iconNames));
    put32(r, root + 24, 14);
    put32(r, root + 28, highBit | uint32_t(groupNames));
    directory(iconNames, n);
    directory(groupNames, g);
    for (size_t k = 0; k < n + g; ++k) {
        const size_t names = k < n ? iconNames : groupNames;
        const size_t id = k < n ? k + 1 : k - n + 1;
        put32(r, names + 16 + 8 * (id - 1), uint32_t(id));
        put32(r, names + 16 + 8 * (id - 1) + 4, highBit | uint32_t(languages + 24 * k));
        directory(languages + 24 * k, 1);
        put32(r, languages + 24 * k + 16, 0x409);
        put32(r, languages + 24 * k + 20, uint32_t(dataEntries + 16 * k));
        put32(r, dataEntries + 16 * k, sectionRva + uint32_t(blobs[k].second));
        put32(r, dataEntries + 16 * k + 4, uint32_t(blobs[k].first->size()));
        std::copy(blobs[k].first->begin(), blobs[k].first->end(), r.begin() + blobs[k].second);
    }

    // The headers: DOS header, PE signature, file header, optional header,
    // one section (.rsrc).
    constexpr size_t fileAlign = 0x200, sectionAlign = 0x1000, pe = 0x40;
    const size_t optionalSize = plus ? 240 : 224;
    const size_t rawSize = alignUp(resourceSize, fileAlign);
    Blob b(fileAlign + rawSize, 0);
    b[0] = 'M';
    b[1] = 'Z';
    put32(b, 0x3C, pe);
    std::memcpy(b.data() + pe, "PE\0\0", 4);
    const size_t coff = pe + 4;
    put16(b, coff, plus ? 0x8664 : 0x14C);
    put16(b, coff + 2, 1);
    put16(b, coff + 16, uint32_t(optionalSize));
    put16(b, coff + 18, plus ? 0x2022 : 0x2102); // executable image, DLL
    const size_t opt = coff + 20;
    put16(b, opt, plus ? 0x20B : 0x10B);
    b[opt + 2] = 14; // linker version
    put32(b, opt + 8, uint32_t(rawSize)); // initialised data
    if (plus) {
        put64(b, opt + 24, 0x180000000ull);
    } else {
        put32(b, opt + 28, 0x10000000u);
    }
    put32(b, opt + 32, sectionAlign);
    put32(b, opt + 36, fileAlign);
    put16(b, opt + 40, 6); // operating system version
    put16(b, opt + 48, 6); // subsystem version
    put32(b, opt + 56, uint32_t(sectionAlign + alignUp(resourceSize, sectionAlign)));
    put32(b, opt + 60, fileAlign);
    put16(b, opt + 68, 2); // graphical subsystem
    const size_t rvaCountAt = plus ? 108 : 92, directoriesAt = plus ? 112 : 96;
    if (plus) {
        put64(b, opt + 72, 0x100000);
        put64(b, opt + 80, 0x1000);
        put64(b, opt + 88, 0x100000);
        put64(b, opt + 96, 0x1000);
    } else {
        put32(b, opt + 72, 0x100000);
        put32(b, opt + 76, 0x1000);
        put32(b, opt + 80, 0x100000);
        put32(b, opt + 84, 0x1000);
    }
    put32(b, opt + rvaCountAt, 16);
    put32(b, opt + directoriesAt + 16, sectionRva);
    put32(b, opt + directoriesAt + 20, uint32_t(resourceSize));
    const size_t section = opt + optionalSize;
    std::memcpy(b.data() + section, ".rsrc", 5);
    put32(b, section + 8, uint32_t(resourceSize));
    put32(b, section + 12, sectionRva);
    put32(b, section + 16, uint32_t(rawSize));
    put32(b, section + 20, uint32_t(fileAlign));
    put32(b, section + 36, 0x40000040u); // initialised data, readable
    std::copy(r.begin(), r.end(), b.begin() + fileAlign);
    return b;
}

} // namespace zg::icons
