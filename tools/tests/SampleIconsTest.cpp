// The generated sample icons in the build's Windows folder read back with
// the suite's icon reader: every size of every icon, with the suite's items.
#include "IconReader.h"

#include <QFile>
#include <QImage>
#include <gtest/gtest.h>
#include <set>

namespace {

const QString WindowsDir = QStringLiteral(ZG_TEST_WINDOWS_DIR);

std::vector<uint8_t> readAll(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    const QByteArray b = f.readAll();
    return std::vector<uint8_t>(b.begin(), b.end());
}

// The sizes and depths of a group, as "side/bits".
std::set<std::pair<int, int>> shapes(const zg::icons::Group& g)
{
    std::set<std::pair<int, int>> s;
    for (const auto& e : g.entries)
        s.insert({e.width, e.bitCount});
    return s;
}

TEST(SampleIcons, TheLibraryHoldsOneIconPerCatalogItemInEverySize)
{
    const auto data = readAll(WindowsDir + QStringLiteral("/ZorvaneSuiteIcons.dll"));
    const auto groups = zg::icons::readIcons(data);
    ASSERT_EQ(groups.size(), 23u);
    const std::set<std::pair<int, int>> expected{{16, 4}, {16, 8}, {16, 32}, {32, 4}, {32, 8}, {32, 32}, {48, 32}};
    for (const auto& g : groups) {
        EXPECT_EQ(shapes(g), expected);
        for (const auto& e : g.entries) {
            zg::icons::Pixels px;
            ASSERT_TRUE(zg::icons::decodeBmp(zg::icons::Bytes(data).subspan(e.offset, e.size), px));
            // Corners transparent (rounded tile), centre opaque.
            EXPECT_EQ(px.argb[0] >> 24, 0u);
            EXPECT_EQ(px.argb[size_t(px.height / 2) * px.width + px.width / 2] >> 24, 0xFFu);
        }
    }
}

TEST(SampleIcons, IconFilesReadBackAndTheIconsFileHasAPngImage)
{
    for (const char* name : {"DiskInfo", "FilesAndFolders", "Icons", "Encryption"}) {
        SCOPED_TRACE(name);
        const auto data = readAll(WindowsDir + QStringLiteral("/Zorvane%1.ico").arg(QLatin1String(name)));
        const auto groups = zg::icons::readIcons(data);
        ASSERT_EQ(groups.size(), 1u);
        const bool large = QLatin1String(name) == QLatin1String("Icons");
        EXPECT_EQ(groups[0].entries.size(), large ? 8u : 7u);
        if (large) {
            const auto& png = groups[0].entries.back();
            EXPECT_EQ(png.format, zg::icons::Format::Png);
            EXPECT_EQ(png.width, 256);
            QImage image;
            EXPECT_TRUE(image.loadFromData(data.data() + png.offset, int(png.size), "PNG"));
            EXPECT_EQ(image.size(), QSize(256, 256));
        }
    }
}

} // namespace
