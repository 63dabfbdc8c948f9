#include "Colour.h"
#include "Font.h"
#include "Picture.h"
#include "Units.h"
#include "RaisedError.h"

#include <limits>

#include <QFontInfo>
#include <gtest/gtest.h>

using namespace plat;

TEST(Colour, SystemColoursResolveThroughTheTable)
{
    EXPECT_EQ(translateColour(0x8000000Fu), 0xC0C0C0u);
    EXPECT_EQ(translateColour(0x80000010u), 0x808080u);
    EXPECT_EQ(translateColour(0x80000014u), 0xFFFFFFu);
    EXPECT_EQ(translateColour(0x000000FFu), 0xFFu);
    QColor red = toQColor(0x0000FF);
    EXPECT_EQ(red, QColor(255, 0, 0)); // 0x00BBGGRR: low byte is red
    EXPECT_EQ(fromQColor(QColor(0, 0, 255)), 0xFF0000u);
}

TEST(Units, HalvesGoToEvenAndPicturesRoundTrip)
{
    EXPECT_EQ(roundEven(2.5), 2);
    EXPECT_EQ(roundEven(3.5), 4);
    EXPECT_EQ(roundEven(-2.5), -2);
    for (int px : {1, 7, 24, 69, 120, 313, 540})
        EXPECT_EQ(himetricToPixelsWhole(pixelsToHimetricWhole(px)), px) << px;
    EXPECT_DOUBLE_EQ(convertUnits(1440, scale::Twips, scale::Pixels), 96);
    EXPECT_DOUBLE_EQ(convertUnits(2540, scale::HiMetric, scale::Pixels), 96);
}

TEST(Picture, EmptyNothingAndHandles)
{
    auto empty = Picture::empty();
    EXPECT_TRUE(empty->isEmpty());
    EXPECT_EQ(empty->Handle(), 0);
    QImage img(120, 69, QImage::Format_RGB32);
    img.fill(Qt::red);
    auto a = Picture::fromImage(img);
    auto b = Picture::fromImage(img);
    EXPECT_NE(a->Handle(), 0);
    EXPECT_NE(a->Handle(), b->Handle());
    EXPECT_FALSE(samePicture(a, b));
    EXPECT_TRUE(samePicture(a, a));
    EXPECT_TRUE(samePicture(nullptr, nullptr));
    EXPECT_FALSE(samePicture(nullptr, empty));
    EXPECT_EQ(himetricToPixelsWhole(a->Width()), 120);
    EXPECT_EQ(himetricToPixelsWhole(a->Height()), 69);
}

TEST(Font, ClassicFacesResolveToMetricCompatibleFreeFonts)
{
    struct Case {
        const char* name;
        const char* family;
    } cases[] = {{"MS Sans Serif", "Liberation Sans"},
                 {"Arial", "Liberation Sans"},
                 {"Times New Roman", "Liberation Serif"},
                 {"Courier New", "Liberation Mono"},
                 {"No Such Face", "DejaVu Sans"}};
    for (const auto& c : cases) {
        Font f(c.name, 10);
        QFontInfo info(f.qfont());
        EXPECT_EQ(info.family(), QString(c.family)) << c.name;
    }
}

TEST(Font, SharedObjectAndFixedPointSize)
{
    auto f = Font::make("Arial", 8.25);
    FontPtr alias = f;
    alias->setBold(true);
    EXPECT_TRUE(f->Bold());
    EXPECT_EQ(f->Weight(), 700);
    f->setSize(8.123456);
    EXPECT_DOUBLE_EQ(f->Size(), 8.1235);
    auto copy = f->clone();
    copy->setItalic(true);
    EXPECT_FALSE(f->Italic());
    EXPECT_EQ(fontPixelSize(8.25), 11);
    EXPECT_EQ(fontPixelSize(12), 16);
}

TEST(Font, SizeThatCannotBeHeldIsRefusedAndKeepsTheOldSize)
{
    auto f = Font::make("Arial", 10);
    for (double bad : {1e300, -1e300, std::numeric_limits<double>::infinity(),
                       std::numeric_limits<double>::quiet_NaN(), 40000.0}) {
        EXPECT_EQ(raisedError([&] { f->setSize(bad); }), err::InvalidProperty) << bad;
        EXPECT_DOUBLE_EQ(f->Size(), 10.0) << bad;
    }
    EXPECT_EQ(raisedError([&] { f->setSize(2000); }), 0);
    EXPECT_DOUBLE_EQ(f->Size(), 2000.0);
}
