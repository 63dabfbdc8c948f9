// PNG icon images against pixels known in advance: the images are written
// here sample by sample (zlib for the compression, nothing of the reader's
// decoder), and what each pixel must decode to is worked out from its
// samples alone.
#include "IconReader.h"
#include "IconWriter.h"
#include "IconsImpl.h"

#include <QImage>
#include <array>
#include <cstring>
#include <gtest/gtest.h>
#include <optional>
#include <zlib.h>

namespace {

using namespace zg::icons;

struct PngSpec {
    int width = 0, height = 0;
    int colourType = 0; // 0 grey, 2 RGB, 3 palette, 4 grey + alpha, 6 RGBA
    int depth = 8;
    bool interlaced = false;
    std::vector<uint16_t> samples;     // row by row, channels() per pixel
    std::vector<uint32_t> palette;     // 0xAARRGGBB (alpha below 255 goes to tRNS)
    std::optional<std::array<uint16_t, 3>> key; // grey (first) or RGB colour key

    int channels() const
    {
        switch (colourType) {
        case 2: return 3;
        case 4: return 2;
        case 6: return 4;
        default: return 1;
        }
    }
    uint16_t sample(int x, int y, int c) const { return samples[(size_t(y) * width + x) * channels() + c]; }
};

void putBe32(Blob& b, uint32_t v)
{
    for (int s = 24; s >= 0; s -= 8)
        b.push_back(uint8_t(v >> s));
}

void chunk(Blob& png, const char* type, const Blob& data)
{
    putBe32(png, uint32_t(data.size()));
    const size_t start = png.size();
    png.insert(png.end(), type, type + 4);
    png.insert(png.end(), data.begin(), data.end());
    putBe32(png, uint32_t(crc32(0, png.data() + start, uInt(png.size() - start))));
}

uint8_t paeth(int a, int b, int c)
{
    const int p = a + b - c, pa = std::abs(p - a), pb = std::abs(p - b), pc = std::abs(p - c);
    return uint8_t(pa <= pb && pa <= pc ? a : pb <= pc ? b : c);
}

// One row of samples packed at the image's depth, filtered with `filter`
// against the row above (`prior`, empty for a pass's first row).
Blob filteredRow(const PngSpec& s, const std::vector<int>& xs, int y, int filter, Blob& prior)
{
    Blob raw;
    int bits = 0, acc = 0;
    for (int x : xs)
        for (int c = 0; c < s.channels(); ++c) {
            const uint16_t v = s.sample(x, y, c);
            if (s.depth == 16) {
                raw.push_back(uint8_t(v >> 8));
                raw.push_back(uint8_t(v));
            } else if (s.depth == 8) {
                raw.push_back(uint8_t(v));
            } else {
                acc = (acc << s.depth) | v;
                bits += s.depth;
                if (bits == 8)
                    raw.push_back(uint8_t(acc)), acc = 0, bits = 0;
            }
        }
    if (bits)
        raw.push_back(uint8_t(acc << (8 - bits)));
    const size_t bpp = std::max<size_t>(1, size_t(s.channels() * s.depth / 8));
    if (prior.empty())
        prior.assign(raw.size(), 0);
    Blob out{uint8_t(filter)};
    for (size_t i = 0; i < raw.size(); ++i) {
        const int a = i >= bpp ? raw[i - bpp] : 0, b = prior[i], c = i >= bpp ? prior[i - bpp] : 0;
        const int predicted = filter == 1 ? a : filter == 2 ? b : filter == 3 ? (a + b) / 2 : filter == 4 ? paeth(a, b, c) : 0;
        out.push_back(uint8_t(raw[i] - predicted));
    }
    prior = raw;
    return out;
}

// The PNG file of a spec; the rows cycle through all five filters.
Blob writePng(const PngSpec& s)
{
    struct Pass {
        int x0, y0, dx, dy;
    };
    const std::vector<Pass> passes = s.interlaced ? std::vector<Pass>{{0, 0, 8, 8}, {4, 0, 8, 8}, {0, 4, 4, 8}, {2, 0, 4, 4},
                                                                      {0, 2, 2, 4}, {1, 0, 2, 2}, {0, 1, 1, 2}}
                                                  : std::vector<Pass>{{0, 0, 1, 1}};
    Blob scanlines;
    int filter = 0;
    for (const Pass& p : passes) {
        std::vector<int> xs;
        for (int x = p.x0; x < s.width; x += p.dx)
            xs.push_back(x);
        if (xs.empty())
            continue; // an empty pass has no rows at all
        Blob prior;
        for (int y = p.y0; y < s.height; y += p.dy) {
            const Blob row = filteredRow(s, xs, y, filter++ % 5, prior);
            scanlines.insert(scanlines.end(), row.begin(), row.end());
        }
    }
    uLongf packedSize = compressBound(uLong(scanlines.size()));
    Blob packed(packedSize);
    EXPECT_EQ(compress2(packed.data(), &packedSize, scanlines.data(), uLong(scanlines.size()), 9), Z_OK);
    packed.resize(packedSize);

    Blob png{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    Blob header;
    putBe32(header, uint32_t(s.width));
    putBe32(header, uint32_t(s.height));
    header.insert(header.end(), {uint8_t(s.depth), uint8_t(s.colourType), 0, 0, uint8_t(s.interlaced)});
    chunk(png, "IHDR", header);
    if (s.colourType == 3) {
        Blob plte, alphas;
        for (uint32_t c : s.palette) {
            plte.insert(plte.end(), {uint8_t(c >> 16), uint8_t(c >> 8), uint8_t(c)});
            alphas.push_back(uint8_t(c >> 24));
        }
        while (!alphas.empty() && alphas.back() == 0xFF)
            alphas.pop_back();
        chunk(png, "PLTE", plte);
        if (!alphas.empty())
            chunk(png, "tRNS", alphas);
    } else if (s.key) {
        Blob trns;
        for (int c = 0; c < (s.colourType == 0 ? 1 : 3); ++c)
            trns.insert(trns.end(), {uint8_t((*s.key)[c] >> 8), uint8_t((*s.key)[c])});
        chunk(png, "tRNS", trns);
    }
    // Half the data in each of two IDAT chunks: a reader must join them.
    const size_t half = packed.size() / 2;
    chunk(png, "IDAT", Blob(packed.begin(), packed.begin() + half));
    chunk(png, "IDAT", Blob(packed.begin() + half, packed.end()));
    chunk(png, "IEND", {});
    return png;
}

// A sample at the file's depth as 8 bits: the nearest 8-bit value.
uint32_t eightBits(uint32_t v, int depth)
{
    const uint32_t top = (1u << depth) - 1;
    return (v * 255 * 2 + top) / (2 * top);
}

// What the pixel at (x, y) must decode to, from its samples alone.
uint32_t expected(const PngSpec& s, int x, int y)
{
    auto at = [&](int c) { return eightBits(s.sample(x, y, c), s.depth); };
    switch (s.colourType) {
    case 0: {
        const bool keyed = s.key && s.sample(x, y, 0) == (*s.key)[0];
        return (keyed ? 0u : 0xFF000000u) | at(0) << 16 | at(0) << 8 | at(0);
    }
    case 2: {
        const bool keyed = s.key && s.sample(x, y, 0) == (*s.key)[0] && s.sample(x, y, 1) == (*s.key)[1] &&
                           s.sample(x, y, 2) == (*s.key)[2];
        return (keyed ? 0u : 0xFF000000u) | at(0) << 16 | at(1) << 8 | at(2);
    }
    case 3: return s.palette[s.sample(x, y, 0)];
    case 4: return at(1) << 24 | at(0) << 16 | at(0) << 8 | at(0);
    default: return at(3) << 24 | at(0) << 16 | at(1) << 8 | at(2);
    }
}

// An image of the kind given, its samples drawn from a few values so that
// the colour key (and colours that differ from it in one sample, or only in
// the low byte of a 16-bit sample) occur often.
PngSpec makeSpec(int colourType, int depth, bool interlaced, bool keyed, int width, int height, uint32_t seed)
{
    PngSpec s;
    s.width = width, s.height = height, s.colourType = colourType, s.depth = depth, s.interlaced = interlaced;
    auto next = [&seed] { return (seed = seed * 1103515245u + 12345u) >> 8; };
    const uint32_t top = (1u << depth) - 1;
    if (colourType == 3) {
        for (uint32_t i = 0; i <= top; ++i)
            s.palette.push_back((keyed && i % 3 == 0 ? (next() & 0xFF) : 0xFFu) << 24 | (next() & 0xFFFFFF));
    }
    if (keyed && (colourType == 0 || colourType == 2))
        s.key = std::array<uint16_t, 3>{uint16_t(next() % (top + 1)), uint16_t(next() % (top + 1)),
                                        uint16_t(next() % (top + 1))};
    for (int i = 0; i < width * height; ++i) {
        const uint32_t pick = next() % 4;
        for (int c = 0; c < s.channels(); ++c) {
            uint16_t v = uint16_t(next() % (top + 1));
            if (s.key && pick == 0)
                v = (*s.key)[c];
            else if (s.key && pick == 1)
                v = uint16_t((*s.key)[c] ^ (c == 0 ? 1 : 0)); // off by the lowest bit
            s.samples.push_back(v);
        }
    }
    return s;
}

TEST(IconPng, EveryColourTypeDepthAndInterlacingDecodesToTheExactPixels)
{
    const std::vector<std::pair<int, std::vector<int>>> kinds{
        {0, {1, 2, 4, 8, 16}}, {2, {8, 16}}, {3, {1, 2, 4, 8}}, {4, {8, 16}}, {6, {8, 16}}};
    uint32_t seed = 7;
    for (const auto& [type, depths] : kinds)
        for (int depth : depths)
            for (bool interlaced : {false, true})
                for (bool keyed : {false, true})
                    for (auto [w, h] : {std::pair{16, 16}, std::pair{13, 11}, std::pair{1, 1}}) {
                        if (keyed && (type == 4 || type == 6))
                            continue; // no colour key with an alpha channel
                        SCOPED_TRACE(testing::Message() << "type " << type << " depth " << depth << " interlaced "
                                                        << interlaced << " keyed " << keyed << " " << w << "x" << h);
                        const PngSpec spec = makeSpec(type, depth, interlaced, keyed, w, h, seed++);
                        const Blob png = writePng(spec);
                        Pixels px;
                        ASSERT_TRUE(decodePng(png, px));
                        ASSERT_EQ(px.width, w);
                        ASSERT_EQ(px.height, h);
                        int wrong = 0;
                        for (int y = 0; y < h; ++y)
                            for (int x = 0; x < w; ++x)
                                if (px.argb[size_t(y) * w + x] != expected(spec, x, y) && wrong++ < 3)
                                    ADD_FAILURE() << "pixel " << x << "," << y << " " << std::hex
                                                  << px.argb[size_t(y) * w + x] << " not " << expected(spec, x, y);
                        EXPECT_EQ(wrong, 0);
                    }
}

TEST(IconPng, SixteenBitSamplesRoundToTheNearestEightBitValue)
{
    // Every 16-bit grey level, one per pixel of a 256 x 256 image.
    PngSpec s;
    s.width = s.height = 256, s.colourType = 0, s.depth = 16;
    for (uint32_t v = 0; v < 65536; ++v)
        s.samples.push_back(uint16_t(v));
    Pixels px;
    ASSERT_TRUE(decodePng(writePng(s), px));
    for (uint32_t v = 0; v < 65536; ++v) {
        const uint32_t nearest = uint32_t(std::lround(v / 257.0));
        ASSERT_EQ(px.argb[v], 0xFF000000u | nearest * 0x010101u) << v;
    }
}

TEST(IconPng, TheIconObjectShowsASixteenBitKeyedImageExactly)
{
    const PngSpec spec = makeSpec(2, 16, false, true, 16, 16, 99);
    zg::IconsImpl icons;
    icons.setData(iconFile({writePng(spec)}));
    ASSERT_EQ(icons.IconCount(), 1);
    const QImage image = icons.GetIcon(0, 0)->image().convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(image.size(), QSize(16, 16));
    int wrong = 0;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            const uint32_t want = expected(spec, x, y), got = image.pixel(x, y);
            // A transparent pixel's colour is of no account.
            wrong += qAlpha(want) == 0 ? qAlpha(got) != 0 : got != want;
        }
    EXPECT_EQ(wrong, 0);
}

// Writes every chunk's checksum anew, so that damage made on purpose is
// found by the data's own checks rather than the checksum.
void mendChecksums(Blob& png)
{
    for (size_t at = 8; at + 12 <= png.size();) {
        const size_t length = size_t(png[at]) << 24 | size_t(png[at + 1]) << 16 | size_t(png[at + 2]) << 8 | png[at + 3];
        const uint32_t crc = uint32_t(crc32(0, png.data() + at + 4, uInt(length + 4)));
        for (int i = 0; i < 4; ++i)
            png[at + 8 + length + i] = uint8_t(crc >> (24 - 8 * i));
        at += 12 + length;
    }
}

TEST(IconPng, DamagedCutAndOversizedImagesAreRefused)
{
    const Blob png = writePng(makeSpec(6, 8, true, false, 13, 11, 5));
    Pixels px;
    ASSERT_TRUE(decodePng(png, px));
    const size_t imageDataEnd = png.size() - 12 - 4; // before the last IDAT's checksum and IEND
    for (size_t n = 0; n < imageDataEnd; ++n)
        ASSERT_FALSE(decodePng(Bytes(png).first(n), px)) << n;

    Blob bad = png;
    bad[8 + 8 + 13] ^= 1; // the header's checksum
    EXPECT_FALSE(decodePng(bad, px));
    bad = png;
    bad[8 + 25 + 8] ^= 0xFF; // the compression header of the first IDAT
    mendChecksums(bad);
    EXPECT_FALSE(decodePng(bad, px));
    bad = png;
    bad[8 + 8 + 9] = 3; // RGBA declared as a palette image without a palette
    mendChecksums(bad);
    EXPECT_FALSE(decodePng(bad, px));

    PngSpec wide;
    wide.width = MaxSide + 1, wide.height = 1, wide.colourType = 0, wide.depth = 1;
    wide.samples.assign(size_t(wide.width), 1);
    EXPECT_FALSE(decodePng(writePng(wide), px));
}

} // namespace
