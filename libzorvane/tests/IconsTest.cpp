#include "Error.h"
#include "IconReader.h"
#include "IconWriter.h"
#include "IconsImpl.h"
#include "Paths.h"
#include "QtPrinters.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

using namespace zg::icons;

int raisedError(const std::function<void()>& statement)
{
    try {
        statement();
    } catch (const plat::RuntimeError& e) {
        return e.number();
    }
    return 0;
}

// A w x h test pattern: four quadrants in palette-friendly colours, with a
// transparent top-left pixel.
Pixels pattern(int w, int h, uint32_t a = 0xFF0000FF, uint32_t b = 0xFFFF0000)
{
    Pixels p{w, h, std::vector<uint32_t>(size_t(w) * h)};
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            p.argb[size_t(y) * w + x] = ((x < w / 2) == (y < h / 2)) ? a : b;
    p.argb[0] = 0;
    return p;
}

Blob pngImage(int w, int h, uint32_t colour)
{
    QImage image(w, h, QImage::Format_ARGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return Blob(bytes.begin(), bytes.end());
}

uint32_t at(const QImage& image, int x, int y) { return image.pixel(x, y); }

TEST(IconReader, ReadsAHandMadeOneBitImageWithItsMask)
{
    // 8 x 2, one bit: header, two-colour table (black, white), colour rows
    // from the bottom (padded to four bytes), then the mask rows.
    Blob bmp(40 + 8 + 8 + 8, 0);
    bmp[0] = 40, bmp[4] = 8, bmp[8] = 4, bmp[12] = 1, bmp[14] = 1;
    bmp[44] = bmp[45] = bmp[46] = 0xFF; // colour 1 white
    bmp[48] = 0xF0;                     // bottom row: four white, four black
    bmp[52] = 0x0F;                     // top row: four black, four white
    bmp[56 + 4] = 0x01;                 // top row's last pixel transparent
    Pixels px;
    ASSERT_TRUE(decodeBmp(bmp, px));
    ASSERT_EQ(px.width, 8);
    ASSERT_EQ(px.height, 2);
    EXPECT_EQ(px.argb[0], 0xFF000000u);
    EXPECT_EQ(px.argb[4], 0xFFFFFFFFu);
    EXPECT_EQ(px.argb[7], 0u);
    EXPECT_EQ(px.argb[8], 0xFFFFFFFFu);
    EXPECT_EQ(px.argb[15], 0xFF000000u);
}

TEST(IconReader, DecodesEveryDepthToTheRightPixels)
{
    const std::vector<uint32_t> palette{0x000000, 0x0000FF, 0xFF0000, 0xFFFFFF};
    for (int bpp : {1, 4, 8, 24, 32}) {
        SCOPED_TRACE(bpp);
        const uint32_t a = bpp == 1 ? 0xFFFFFFFF : 0xFF0000FF;
        const uint32_t b = bpp == 1 ? 0xFF000000 : 0xFFFF0000;
        const Pixels source = pattern(13, 7, a, b); // odd sizes exercise the row padding
        const Blob file = iconFile({bmpImage(source, bpp, bpp == 1 ? std::vector<uint32_t>{0, 0xFFFFFF} : palette)});
        const auto groups = readIcons(file);
        ASSERT_EQ(groups.size(), 1u);
        ASSERT_EQ(groups[0].entries.size(), 1u);
        const Entry& e = groups[0].entries[0];
        EXPECT_EQ(e.width, 13);
        EXPECT_EQ(e.height, 7);
        EXPECT_EQ(e.bitCount, bpp);
        Pixels px;
        ASSERT_TRUE(decodeBmp(Bytes(file).subspan(e.offset, e.size), px));
        EXPECT_EQ(px.argb, source.argb);
    }
}

TEST(IconReader, ThirtyTwoBitAlphaIsKeptAndAllZeroAlphaFallsBackToTheMask)
{
    Pixels source = pattern(4, 4);
    source.argb[5] = 0x80FF0000; // half transparent
    const Blob withAlpha = bmpImage(source, 32);
    Pixels px;
    ASSERT_TRUE(decodeBmp(withAlpha, px));
    EXPECT_EQ(px.argb[5], 0x80FF0000u);
    EXPECT_EQ(px.argb[0], 0u);

    Blob noAlpha = withAlpha;
    for (size_t i = 40 + 3; i < 40 + 64; i += 4)
        noAlpha[i] = 0;
    ASSERT_TRUE(decodeBmp(noAlpha, px));
    EXPECT_EQ(px.argb[0], 0u);          // masked
    EXPECT_EQ(px.argb[5], 0xFFFF0000u); // opaque by the mask
}

TEST(IconReader, PngImagesAndWidthZeroMeaning256)
{
    const Blob file = iconFile({pngImage(256, 256, 0xFF00FF00), bmpImage(pattern(16, 16), 8), pngImage(32, 32, 0xFF112233)});
    EXPECT_EQ(file[6], 0);  // the directory writes 256 as 0
    const auto groups = readIcons(file);
    ASSERT_EQ(groups.size(), 1u);
    ASSERT_EQ(groups[0].entries.size(), 3u);
    EXPECT_EQ(groups[0].entries[0].format, Format::Png);
    EXPECT_EQ(groups[0].entries[0].width, 256);
    EXPECT_EQ(nearestEntry(groups[0], 16), 1);
    EXPECT_EQ(nearestEntry(groups[0], 32), 2);
    EXPECT_EQ(nearestEntry(groups[0], 200), 0);

    zg::IconsImpl icons;
    icons.setData(file);
    ASSERT_EQ(icons.IconCount(), 1);
    const QImage large = icons.GetIcon(0, 1)->image();
    EXPECT_EQ(large.size(), QSize(32, 32));
    EXPECT_EQ(at(large, 5, 5), 0xFF112233u);
    const QImage small = icons.GetIcon(0, 0)->image();
    EXPECT_EQ(small.size(), QSize(16, 16));
    EXPECT_EQ(at(small, 15, 0), 0xFFFF0000u);
    EXPECT_EQ(qAlpha(at(small, 0, 0)), 0);
    EXPECT_EQ(icons.GetIcon(0, 0)->type(), plat::Picture::Icon);
}

TEST(IconReader, SizesPickTheNearestImageAndScaleWhenNoneFits)
{
    zg::IconsImpl icons;
    icons.setData(iconFile({bmpImage(pattern(48, 48), 32)}));
    ASSERT_EQ(icons.IconCount(), 1);
    EXPECT_EQ(icons.GetIcon(0, 0)->image().size(), QSize(16, 16));
    EXPECT_EQ(icons.GetIcon(0, 1)->image().size(), QSize(32, 32));
    EXPECT_EQ(raisedError([&] { icons.GetIcon(1, 0); }), plat::err::SubscriptRange);
    EXPECT_EQ(raisedError([&] { icons.GetIcon(-1, 0); }), plat::err::SubscriptRange);
    EXPECT_EQ(raisedError([&] { icons.GetIcon(0, 2); }), plat::err::InvalidCall);
}

TEST(IconReader, ExecutablesOfBothKindsGiveTheirIconGroups)
{
    const std::vector<std::vector<Blob>> groups{
        {bmpImage(pattern(16, 16, 0xFF0000FF), 4, {0, 0xFF, 0xFF0000}), bmpImage(pattern(32, 32, 0xFF0000FF), 24)},
        {bmpImage(pattern(32, 32, 0xFF00FF00), 32)},
        {pngImage(16, 16, 0xFF445566), pngImage(32, 32, 0xFF778899)},
    };
    for (bool plus : {false, true}) {
        SCOPED_TRACE(plus);
        const Blob pe = resourceLibrary(groups, plus);
        zg::IconsImpl icons;
        icons.setData(pe);
        ASSERT_EQ(icons.IconCount(), 3);
        EXPECT_EQ(at(icons.GetIcon(0, 0)->image(), 15, 0), 0xFFFF0000u);
        EXPECT_EQ(at(icons.GetIcon(0, 1)->image(), 0, 31), 0xFFFF0000u);
        EXPECT_EQ(at(icons.GetIcon(0, 1)->image(), 31, 31), 0xFF0000FFu);
        EXPECT_EQ(at(icons.GetIcon(1, 1)->image(), 31, 31), 0xFF00FF00u);
        EXPECT_EQ(at(icons.GetIcon(2, 0)->image(), 3, 3), 0xFF445566u);
        EXPECT_EQ(at(icons.GetIcon(2, 1)->image(), 3, 3), 0xFF778899u);
    }
}

TEST(IconReader, EveryCutOfAValidFileGivesNoIcons)
{
    const Blob ico = iconFile({bmpImage(pattern(16, 16), 8), pngImage(32, 32, 0xFF0000FF)});
    const Blob pe = resourceLibrary({{bmpImage(pattern(16, 16), 4)}, {bmpImage(pattern(32, 32), 32)}}, true);
    for (const Blob* file : {&ico, &pe}) {
        ASSERT_FALSE(readIcons(*file).empty());
        for (size_t n = 0; n < file->size(); ++n)
            ASSERT_TRUE(readIcons(Bytes(*file).first(n)).empty()) << n;
    }
}

TEST(IconReader, DamagedAndForeignDataGiveNoIconsOrLeaveOutOnlyTheBadImage)
{
    Blob ico = iconFile({bmpImage(pattern(16, 16), 8)});
    Blob bad = ico;
    bad[6 + 12] = 0xFF; // image offset far beyond the end
    EXPECT_TRUE(readIcons(bad).empty());
    bad = ico;
    bad[6 + 8] = 0xFF, bad[6 + 11] = 0x7F; // huge size
    EXPECT_TRUE(readIcons(bad).empty());
    bad = ico;
    bad[22 + 14] = 7; // a bit depth that does not exist
    EXPECT_TRUE(readIcons(bad).empty());
    bad = ico;
    bad[22 + 4] = 0xFF, bad[22 + 7] = 0x7F; // width far over any icon
    EXPECT_TRUE(readIcons(bad).empty());

    // A group pointing at a missing image, and a section beyond the file.
    Blob pe = resourceLibrary({{bmpImage(pattern(16, 16), 4)}, {bmpImage(pattern(16, 16), 1)}});
    ASSERT_EQ(readIcons(pe).size(), 2u);
    bad = pe;
    bool patched = false;
    for (size_t i = 0x200; i + 20 < bad.size() && !patched; ++i)
        if (bad[i] == 0 && bad[i + 1] == 0 && bad[i + 2] == 1 && bad[i + 3] == 0 && bad[i + 4] == 1 && bad[i + 5] == 0 &&
            bad[i + 6 + 12] == 2) {
            bad[i + 6 + 12] = 9; // the second group names image 9
            patched = true;
        }
    ASSERT_TRUE(patched);
    EXPECT_EQ(readIcons(bad).size(), 1u);
    bad = pe;
    bad[0x40 + 24 + 224 + 16 + 1] = 0x7F; // raw size of .rsrc
    EXPECT_TRUE(readIcons(bad).empty());

    // Random bytes, ELF, text, a resource tree pointing into itself.
    std::vector<uint8_t> noise(4096);
    uint32_t s = 12345;
    for (auto& b : noise)
        b = uint8_t((s = s * 1103515245 + 12345) >> 16);
    EXPECT_TRUE(readIcons(noise).empty());
    noise[0] = 'M', noise[1] = 'Z';
    EXPECT_TRUE(readIcons(noise).empty());
    const Blob elf{0x7F, 'E', 'L', 'F', 2, 1, 1, 0};
    EXPECT_TRUE(readIcons(elf).empty());
    EXPECT_TRUE(readIcons({}).empty());
    bad = pe;
    bad[0x200 + 20] = 0, bad[0x200 + 21] = 0, bad[0x200 + 22] = 0; // root's first type points at the root
    EXPECT_TRUE(readIcons(bad).empty());
}

// A library whose one icon group lies in a section without data, that
// section's file offset far past the end of the file.
Blob groupInAnEmptySectionPastTheEnd()
{
    Blob pe = resourceLibrary({{bmpImage(pattern(16, 16), 4)}});
    auto put32 = [&](size_t at, uint32_t v) {
        for (int i = 0; i < 4; ++i)
            pe[at + i] = uint8_t(v >> (8 * i));
    };
    const size_t sections = 0x40 + 24 + 224; // after the PE32 optional header
    pe[0x40 + 4 + 2] = 2;                    // a second section...
    put32(sections + 40 + 12, 0x8000);       // ...at this address
    put32(sections + 40 + 16, 0);            // no data
    put32(sections + 40 + 20, 0x100000);     // said to start 1 MiB in
    // The group's data entry (after the tree's three directories, two
    // language directories and the image's data entry) moved there, empty.
    const size_t groupData = 0x200 + 144;
    EXPECT_EQ(pe[groupData + 4], 6 + 14); // it is the group's (one image)
    put32(groupData, 0x8000);
    put32(groupData + 4, 0);
    return pe;
}

TEST(IconReader, ADataEntryInAnEmptySectionPastTheEndGivesNoIcons)
{
    const Blob pe = groupInAnEmptySectionPastTheEnd();
    EXPECT_TRUE(readIcons(pe).empty());
    zg::IconsImpl icons;
    icons.setData(pe);
    EXPECT_EQ(icons.IconCount(), 0);
}

TEST(IconsObject, FilesWithoutIconsFoldersPipesAndMissingFilesGiveNoIcons)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    auto write = [&](const QString& name, const Blob& bytes) {
        QFile f(dir.filePath(name));
        f.open(QIODevice::WriteOnly);
        f.write(reinterpret_cast<const char*>(bytes.data()), qint64(bytes.size()));
        return plat::fromSystemPath(f.fileName());
    };
    zg::IconsImpl icons;
    EXPECT_EQ(icons.IconCount(), 0);
    icons.setIconFileName(write("good.ico", iconFile({bmpImage(pattern(32, 32), 24)})));
    EXPECT_EQ(icons.IconCount(), 1);
    EXPECT_EQ(icons.GetIcon(0, 1)->image().size(), QSize(32, 32));

    QFile self(QStringLiteral("/proc/self/exe"));
    ASSERT_TRUE(self.open(QIODevice::ReadOnly));
    const QByteArray elf = self.read(1 << 16);
    icons.setIconFileName(write("program.exe", Blob(elf.begin(), elf.end())));
    EXPECT_EQ(icons.IconCount(), 0);
    EXPECT_EQ(raisedError([&] { icons.GetIcon(0, 0); }), plat::err::SubscriptRange);
    icons.setIconFileName(write("empty.dll", {}));
    EXPECT_EQ(icons.IconCount(), 0);
    QDir(dir.path()).mkdir("folder.ico");
    icons.setIconFileName(plat::fromSystemPath(dir.filePath("folder.ico")));
    EXPECT_EQ(icons.IconCount(), 0);
    ASSERT_EQ(mkfifo(QFile::encodeName(dir.filePath("pipe.ico")).constData(), 0600), 0);
    icons.setIconFileName(plat::fromSystemPath(dir.filePath("pipe.ico"))); // must not block
    EXPECT_EQ(icons.IconCount(), 0);
    icons.setIconFileName(plat::fromSystemPath(dir.filePath("missing.ico")));
    EXPECT_EQ(icons.IconCount(), 0);
    if (geteuid() != 0) {
        const QString locked = write("locked.ico", iconFile({bmpImage(pattern(16, 16), 24)}));
        chmod(QFile::encodeName(plat::toSystemPath(locked)).constData(), 0);
        icons.setIconFileName(locked);
        EXPECT_EQ(icons.IconCount(), 0);
    }
}

TEST(IconsObject, AnUndecodableImageFailsOnlyItsOwnSize)
{
    Blob broken = pngImage(16, 16, 0xFF000000);
    for (size_t i = 40; i < broken.size(); ++i) // the header stays, the pixels go
        broken[i] ^= 0x5A;
    zg::IconsImpl icons;
    icons.setData(iconFile({broken, bmpImage(pattern(32, 32), 24)}));
    ASSERT_EQ(icons.IconCount(), 1);
    EXPECT_EQ(raisedError([&] { icons.GetIcon(0, 0); }), 481);
    EXPECT_EQ(icons.GetIcon(0, 1)->image().size(), QSize(32, 32));
}

} // namespace
