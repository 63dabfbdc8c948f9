// Every generated picture is found by name through the resource libraries,
// with the size, colours and hot spot its users rely on.
#include "Picture.h"
#include "QtPrinters.h"
#include "ZgResources.h"

#include <QSet>
#include <QStringList>
#include <algorithm>
#include <cstdlib>
#include <gtest/gtest.h>

namespace {

const QStringList ItemKeys = {
    "DATA",       "FILESANDFOLDERS", "FORMFUNCTIONS", "MISCELLANEOUS", "MULTIMEDIA",     "NUMBERS",
    "STRINGS",    "SYSTEM",          "APM",           "CODETIMER",     "DISKINFO",       "ENCRYPTION",
    "FILEVERSION", "GHOSTCANVAS",    "ICONS",         "MEMORY",        "PICTURE",        "PROCESSOR",
    "REGISTRYANDINI", "SCREENMODES", "SPECIALFOLDERS", "SYSCOUNTER",   "WINDOWSVERSION"};

const QStringList ArrowNames = {"ARROW_TOP",     "ARROW_BOTTOM",   "ARROW_LEFT",       "ARROW_RIGHT",
                                "ARROW_TOPLEFT", "ARROW_TOPRIGHT", "ARROW_BOTTOMLEFT", "ARROW_BOTTOMRIGHT"};

const QSet<QRgb> ClassicColours = {
    qRgb(0, 0, 0),     qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
    qRgb(0, 0, 128),   qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
    qRgb(128, 128, 128), qRgb(255, 0, 0), qRgb(0, 255, 0),   qRgb(255, 255, 0),
    qRgb(0, 0, 255),   qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255)};

QImage load(const QString& name)
{
    const plat::PicturePtr p = plat::loadResPicture(name);
    return p ? p->image() : QImage();
}

QSet<QRgb> coloursOf(const QImage& image)
{
    const QImage img = image.convertToFormat(QImage::Format_ARGB32);
    QSet<QRgb> set;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            set.insert(img.pixel(x, y));
    return set;
}

// A 16-colour picture: at most 16 colours, all from the classic palette.
void expectSixteenColours(const QString& name, const QImage& img)
{
    const QSet<QRgb> colours = coloursOf(img);
    EXPECT_LE(colours.size(), 16) << name.toStdString();
    for (QRgb c : colours)
        EXPECT_TRUE(ClassicColours.contains(c | 0xFF000000u))
            << name.toStdString() << " has colour " << std::hex << c;
}

void expectSize(const QString& name, const QImage& img, int w, int h)
{
    ASSERT_FALSE(img.isNull()) << name.toStdString();
    EXPECT_EQ(img.width(), w) << name.toStdString();
    EXPECT_EQ(img.height(), h) << name.toStdString();
}

} // namespace

TEST(ArtResources, ItemPicturesInAllStatesAndBothDepths)
{
    for (const QString& key : ItemKeys) {
        QImage full[3];
        int i = 0;
        for (const char* state : {"_NORMAL", "_DOWN", "_HOVER"}) {
            const QString name = key + state;
            full[i] = load(name);
            expectSize(name, full[i], 120, 69);
            EXPECT_FALSE(full[i].hasAlphaChannel()) << name.toStdString();
            const QImage reduced = load(name + "16");
            expectSize(name + "16", reduced, 120, 69);
            expectSixteenColours(name + "16", reduced);
            ++i;
        }
        // The three looks of an item must be told apart.
        EXPECT_NE(full[0], full[1]) << key.toStdString();
        EXPECT_NE(full[0], full[2]) << key.toStdString();
        EXPECT_NE(full[1], full[2]) << key.toStdString();
    }
}

TEST(ArtResources, SplashAndLogos)
{
    const struct {
        QString name;
        int w, h;
        bool sixteen;
    } pictures[] = {
        {zg::res::Splash, 540, 344, false},      {"ZGSPLASH16", 540, 344, true},
        {"LOGO_BACKGROUND", 313, 45, false},     {zg::res::ProductLogo, 313, 45, false},
        {"ZGLOGO16", 274, 45, true},             {zg::res::MakerLogo, 178, 38, false},
        {"BRELLICOR_LOGO16", 178, 38, true},     {zg::res::PromptArrow, 32, 32, false},
    };
    for (const auto& p : pictures) {
        const QImage img = load(p.name);
        expectSize(p.name, img, p.w, p.h);
        if (p.sixteen)
            expectSixteenColours(p.name, img);
    }
    // The two 16-colour logos sit on the grey the band is filled with.
    for (const QString name : {"ZGLOGO16", "BRELLICOR_LOGO16"}) {
        const QImage img = load(name);
        EXPECT_EQ(img.pixel(0, 0) & 0xFFFFFFu, 0x808080u) << name.toStdString();
        EXPECT_EQ(img.pixel(img.width() - 1, img.height() - 1) & 0xFFFFFFu, 0x808080u) << name.toStdString();
    }
}

TEST(ArtResources, BandTextureTilesWithoutSeam)
{
    const QImage tex = load("LOGO_BACKGROUND").convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(tex.size(), QSize(313, 45));
    auto step = [](QRgb a, QRgb b) {
        return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                         std::abs(qBlue(a) - qBlue(b))});
    };
    // The largest change between neighbours inside the tile bounds the change
    // across each of its edges.
    int inside = 0;
    for (int y = 0; y < 45; ++y)
        for (int x = 0; x + 1 < 313; ++x)
            inside = std::max(inside, step(tex.pixel(x, y), tex.pixel(x + 1, y)));
    for (int y = 0; y + 1 < 45; ++y)
        for (int x = 0; x < 313; ++x)
            inside = std::max(inside, step(tex.pixel(x, y), tex.pixel(x, y + 1)));
    for (int y = 0; y < 45; ++y)
        EXPECT_LE(step(tex.pixel(312, y), tex.pixel(0, y)), inside) << "row " << y;
    for (int x = 0; x < 313; ++x)
        EXPECT_LE(step(tex.pixel(x, 44), tex.pixel(x, 0)), inside) << "column " << x;
}

TEST(ArtResources, PictureClipStripHasFiveCellsOnTheMaskColour)
{
    const QImage strip = load(zg::res::PictureClip);
    expectSize("strip", strip, 120, 24);
    expectSixteenColours("strip", strip);
    const QRgb mask = qRgb(255, 0, 255);
    for (int cell = 0; cell < 5; ++cell) {
        const int left = cell * 24;
        EXPECT_EQ(strip.pixel(left, 0), mask) << "cell " << cell + 1;
        EXPECT_EQ(strip.pixel(left + 23, 23), mask) << "cell " << cell + 1;
        int drawn = 0;
        for (int y = 0; y < 24; ++y)
            for (int x = left; x < left + 24; ++x)
                drawn += strip.pixel(x, y) != mask;
        EXPECT_GT(drawn, 40) << "cell " << cell + 1 << " is empty";
    }
}

TEST(ArtResources, InsertMarkArrowsAreWhiteOnTransparent)
{
    QSet<QByteArray> shapes;
    for (const QString& name : ArrowNames) {
        const QImage img = load(name).convertToFormat(QImage::Format_ARGB32);
        expectSize(name, img, 16, 16);
        int white = 0;
        for (int y = 0; y < 16; ++y) {
            for (int x = 0; x < 16; ++x) {
                const QRgb c = img.pixel(x, y);
                if (qAlpha(c) == 0)
                    continue;
                EXPECT_EQ(c, 0xFFFFFFFFu) << name.toStdString() << " at " << x << "," << y;
                ++white;
            }
        }
        EXPECT_GT(white, 8) << name.toStdString();
        shapes.insert(QByteArray(reinterpret_cast<const char*>(img.constBits()), int(img.sizeInBytes())));
    }
    EXPECT_EQ(shapes.size(), ArrowNames.size()) << "two arrows share a shape";
}

TEST(ArtResources, CursorsAreTwoColourHandsWithTheirHotSpot)
{
    for (const QString name : {zg::res::BarTabCursor, "CUSTOM_CURSOR_DEFAULT", zg::res::HandCursor}) {
        const plat::PicturePtr pic = plat::loadResPicture(name);
        ASSERT_TRUE(pic) << name.toStdString();
        const QImage img = pic->image().convertToFormat(QImage::Format_ARGB32);
        expectSize(name, img, 32, 32);
        EXPECT_EQ(pic->hotSpot(), QPoint(15, 10)) << name.toStdString();
        EXPECT_EQ(pic->type(), plat::Picture::Cursor) << name.toStdString();
        QSet<QRgb> opaque;
        for (QRgb c : coloursOf(img)) {
            if (qAlpha(c) == 0)
                continue;
            EXPECT_EQ(qAlpha(c), 255) << name.toStdString();
            opaque.insert(c);
        }
        EXPECT_EQ(opaque, (QSet<QRgb>{0xFF000000u, 0xFFFFFFFFu})) << name.toStdString();
        // The hot spot is on the fingertip, and nothing lies above it.
        EXPECT_EQ(img.pixel(15, 10), 0xFF000000u) << name.toStdString();
        for (int y = 0; y < 10; ++y)
            for (int x = 0; x < 32; ++x)
                EXPECT_EQ(qAlpha(img.pixel(x, y)), 0) << name.toStdString() << " at " << x << "," << y;
    }
}

TEST(ArtResources, DitherIsAOneBitCheckerboard)
{
    const QImage img = load("DITHER");
    expectSize("DITHER", img, 8, 8);
    ASSERT_EQ(img.depth(), 1);
    ASSERT_EQ(img.colorTable(), (QList<QRgb>{0xFF000000u, 0xFFFFFFFFu}));
    // Rows alternate the bytes &H55 and &HAA, the high bit leftmost.
    for (int y = 0; y < 8; ++y) {
        const int byte = y % 2 == 0 ? 0x55 : 0xAA;
        for (int x = 0; x < 8; ++x)
            EXPECT_EQ(img.pixelIndex(x, y), (byte >> (7 - x)) & 1) << x << "," << y;
    }
}
