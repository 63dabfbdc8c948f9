#include "Error.h"
#include "Gdi.h"
#include "GhostCanvas.h"
#include "QtPrinters.h"
#include "RaisedError.h"
#include "testing/RecordingCanvas.h"

#include <gtest/gtest.h>

using zg::GhostCanvas;
namespace gdi = plat::gdi;

namespace {

constexpr plat::Colour White = 0xFFFFFF;
constexpr plat::Colour Red = 0x0000FF;   // 0x00BBGGRR
constexpr plat::Colour Blue = 0xFF0000;
constexpr plat::Colour Green = 0x00FF00;

// A canvas of w x h in white with black as fore colour.
std::unique_ptr<GhostCanvas> canvas(int w = 20, int h = 20)
{
    auto c = std::make_unique<GhostCanvas>();
    c->setBackColor(White);
    c->SetSize(w, h);
    return c;
}

// The pixels of colour `c` as a set of points.
QList<QPoint> pixelsOf(const zg::ZorvaneGhostCanvas& c, plat::Colour colour)
{
    QList<QPoint> out;
    for (int y = 0; y < c.Height(); ++y)
        for (int x = 0; x < c.Width(); ++x)
            if (c.Point(x, y) == int32_t(colour))
                out.append(QPoint(x, y));
    return out;
}

QRect inkBox(const zg::ZorvaneGhostCanvas& c, plat::Colour background = White)
{
    QRect box;
    for (int y = 0; y < c.Height(); ++y)
        for (int x = 0; x < c.Width(); ++x)
            if (c.Point(x, y) != int32_t(background))
                box = box.united(QRect(x, y, 1, 1));
    return box;
}

// A picture from rows of colour letters: w white, r red, b blue, g green,
// k black, m magenta, s silver (&HC0C0C0), d dark grey (&H808080).
plat::PicturePtr picture(std::initializer_list<const char*> rows)
{
    const int h = int(rows.size()), w = int(strlen(*rows.begin()));
    QImage img(w, h, QImage::Format_RGB32);
    int y = 0;
    for (const char* row : rows) {
        for (int x = 0; x < w; ++x) {
            QRgb v = qRgb(255, 255, 255);
            switch (row[x]) {
            case 'r': v = qRgb(255, 0, 0); break;
            case 'b': v = qRgb(0, 0, 255); break;
            case 'g': v = qRgb(0, 255, 0); break;
            case 'k': v = qRgb(0, 0, 0); break;
            case 'm': v = qRgb(255, 0, 255); break;
            case 's': v = qRgb(192, 192, 192); break;
            case 'd': v = qRgb(128, 128, 128); break;
            }
            img.setPixel(x, y, v);
        }
        ++y;
    }
    return plat::Picture::fromImage(img);
}

} // namespace

TEST(GhostCanvas, FreshSurfaceShowsItsBackColourWhicheverIsSetFirst)
{
    GhostCanvas sizeFirst;
    sizeFirst.SetSize(4, 3);
    sizeFirst.setBackColor(Blue);
    EXPECT_EQ(pixelsOf(sizeFirst, Blue).size(), 12);

    GhostCanvas colourFirst;
    colourFirst.setBackColor(plat::systemColour(plat::syscolour::ButtonFace));
    colourFirst.SetSize(4, 3);
    EXPECT_EQ(colourFirst.Point(3, 2), int32_t(plat::sysColor(plat::syscolour::ButtonFace)));
    EXPECT_EQ(colourFirst.Width(), 4);
    EXPECT_EQ(colourFirst.Height(), 3);

    // Once drawn on, a new back colour waits for Cls.
    sizeFirst.PSet(0, 0, Red);
    sizeFirst.setBackColor(Green);
    EXPECT_EQ(sizeFirst.Point(1, 1), int32_t(Blue));
    sizeFirst.Cls();
    EXPECT_EQ(pixelsOf(sizeFirst, Green).size(), 12);
    EXPECT_EQ(sizeFirst.Point(-1, 0), -1);
    EXPECT_EQ(sizeFirst.Point(4, 0), -1);
}

TEST(GhostCanvas, LinesStopShortOfTheirEndPoint)
{
    auto c = canvas();
    c->Line(2, 5, 8, 5, Red);
    EXPECT_EQ(pixelsOf(*c, Red).size(), 6);
    EXPECT_EQ(c->Point(2, 5), int32_t(Red));
    EXPECT_EQ(c->Point(7, 5), int32_t(Red));
    EXPECT_EQ(c->Point(8, 5), int32_t(White));
    EXPECT_EQ(c->CurrentX(), 8);

    c->Line(10, 10, 10, 4, Blue); // upward
    EXPECT_EQ(pixelsOf(*c, Blue).size(), 6);
    EXPECT_EQ(c->Point(10, 4), int32_t(White));
    EXPECT_EQ(c->Point(10, 10), int32_t(Blue));

    c->Cls();
    c->Line(0, 0, 4, 4, Green);
    EXPECT_EQ(pixelsOf(*c, Green), (QList<QPoint>{{0, 0}, {1, 1}, {2, 2}, {3, 3}}));
    c->Line(6, 6, 6, 6, Green); // no length, nothing drawn
    EXPECT_EQ(c->Point(6, 6), int32_t(White));

    // A line far longer than the surface draws only its visible part.
    c->Cls();
    c->Line(-2e9, 1, 2e9, 1, Red);
    EXPECT_EQ(pixelsOf(*c, Red).size(), 20);
    EXPECT_EQ(raisedError([&] { c->Line(0, 0, 1e12, 0, Red); }), plat::err::Overflow);
}

TEST(GhostCanvas, FilledRectangleLeavesOutItsRightAndBottomEdges)
{
    auto c = canvas();
    c->FillRect(2, 3, 6, 8, Red, true);
    EXPECT_EQ(inkBox(*c), QRect(2, 3, 4, 5));
    EXPECT_EQ(pixelsOf(*c, Red).size(), 20);

    c->Cls();
    c->FillRect(6, 8, 2, 3, Red, true); // corners in either order
    EXPECT_EQ(inkBox(*c), QRect(2, 3, 4, 5));

    c->Cls();
    c->setForeColor(Blue);
    c->FillRect(-5, -5, 3, 2); // colour omitted: ForeColor; clipped to the surface
    EXPECT_EQ(inkBox(*c), QRect(0, 0, 3, 2));
    EXPECT_EQ(c->Point(0, 0), int32_t(Blue));
}

TEST(GhostCanvas, OutlineLiesInsideItsRectangleAndTheBrushFillsTheInside)
{
    auto c = canvas();
    c->setForeColor(Blue);
    c->FillRect(2, 2, 7, 6, std::nullopt, false);
    EXPECT_EQ(inkBox(*c), QRect(2, 2, 5, 4));
    EXPECT_EQ(c->Point(6, 5), int32_t(Blue)); // x2 - 1, y2 - 1
    EXPECT_EQ(c->Point(4, 4), int32_t(White)); // hollow without a brush
    EXPECT_EQ(pixelsOf(*c, Blue).size(), 14);

    const gdi::HBRUSH brush = gdi::CreateSolidBrush(Green);
    c->SetBrush(brush);
    c->FillRect(10, 10, 15, 14, Red, false);
    EXPECT_EQ(c->Point(10, 10), int32_t(Red));
    EXPECT_EQ(c->Point(12, 12), int32_t(Green));
    EXPECT_EQ(pixelsOf(*c, Green).size(), 6);
    auto huge = canvas(3, 3);
    huge->SetBrush(brush);
    huge->FillRect(-2e9, -2e9, 2e9, 2e9, Red, false); // edges far off, inside everywhere
    EXPECT_EQ(pixelsOf(*huge, Green).size(), 9);
    huge.reset();
    c->RestoreBrush();
    c->FillRect(0, 14, 5, 19, Red, false);
    EXPECT_EQ(c->Point(2, 16), int32_t(White));
    EXPECT_NE(gdi::DeleteObject(brush), 0); // the caller's brush is the caller's
    EXPECT_EQ(raisedError([&] { c->SetBrush(0); }), plat::err::InvalidCall);
}

TEST(GhostCanvas, SystemColoursAreResolvedInEveryDrawingCall)
{
    const plat::Colour face = plat::systemColour(plat::syscolour::ButtonFace);
    const plat::Colour shadow = plat::systemColour(plat::syscolour::ButtonShadow);
    const int32_t faceRgb = int32_t(plat::sysColor(plat::syscolour::ButtonFace));
    const int32_t shadowRgb = int32_t(plat::sysColor(plat::syscolour::ButtonShadow));
    auto c = canvas(10, 10);
    c->FillRect(0, 0, 1, 1, face, true);
    c->FillRect(1, 0, 4, 3, face, false);
    c->Line(0, 5, 2, 5, face);
    c->PSet(9, 9, face);
    c->setForeColor(shadow);
    c->PSet(8, 9);
    EXPECT_EQ(c->Point(0, 0), faceRgb);
    EXPECT_EQ(c->Point(1, 0), faceRgb);
    EXPECT_EQ(c->Point(0, 5), faceRgb);
    EXPECT_EQ(c->Point(9, 9), faceRgb);
    EXPECT_EQ(c->Point(8, 9), shadowRgb);

    // Key, new, mask and back colours of picture calls.
    auto grey = picture({"s"});
    c->PaintPictureEx(grey, plat::rgb(192, 192, 192), 5, 0, 0, 0, true, false, shadow, 1);
    EXPECT_EQ(c->Point(5, 0), shadowRgb);
    auto facePicture = picture({"sk"}); // silver is the face colour
    c->PaintPictureTransparent(facePicture, face, 6, 0);
    EXPECT_EQ(c->Point(6, 0), int32_t(White));
    EXPECT_EQ(c->Point(7, 0), 0);
    c->PaintPictureEx(grey, face, 5, 1, 0, 0, false, false, Red, 2);
    EXPECT_EQ(c->Point(5, 1), int32_t(Red));
    GhostCanvas fresh;
    fresh.setBackColor(shadow);
    fresh.SetSize(2, 2);
    EXPECT_EQ(fresh.Point(1, 1), shadowRgb);
}

TEST(GhostCanvas, PicturesCopyAtTheirSizeAndStretchByNearestNeighbour)
{
    auto c = canvas(10, 10);
    auto pic = picture({"rb", "gk"});
    c->PaintPicture(pic, 1, 1, 0, 0, 0, 0, 0, 0, 0xCC0020);
    EXPECT_EQ(inkBox(*c), QRect(1, 1, 2, 2));
    EXPECT_EQ(c->Point(2, 1), int32_t(Blue));
    EXPECT_EQ(c->Point(1, 2), int32_t(Green));

    c->Cls();
    c->PaintPicture(pic, 4, 4, 4, 4);
    EXPECT_EQ(inkBox(*c), QRect(4, 4, 4, 4));
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x) {
            const plat::Colour want = y < 2 ? (x < 2 ? Red : Blue) : (x < 2 ? Green : 0);
            EXPECT_EQ(c->Point(4 + x, 4 + y), int32_t(want)) << x << "," << y;
        }

    // A source rectangle, and a destination partly off the surface.
    c->Cls();
    c->PaintPicture(pic, -1, 0, 0, 0, 1, 0, 1, 2);
    EXPECT_EQ(inkBox(*c), QRect());
    c->PaintPicture(pic, 0, 0, 0, 0, 1, 0, 1, 2);
    EXPECT_EQ(c->Point(0, 0), int32_t(Blue));
    EXPECT_EQ(c->Point(0, 1), 0);
    EXPECT_EQ(inkBox(*c), QRect(0, 0, 1, 2));

    EXPECT_EQ(raisedError([&] { c->PaintPicture(nullptr, 0, 0); }), plat::err::ObjectRequired);
    c->PaintPicture(plat::Picture::empty(), 0, 0); // draws nothing, no error
}

TEST(GhostCanvas, TransparentCopyMatchesTheMaskOnSourcePixelsBeforeScaling)
{
    auto c = canvas(10, 10);
    c->FillRect(0, 0, 10, 10, Blue, true);
    auto pic = picture({"mr", "rm"});
    c->PaintPictureTransparent(pic, plat::rgb(255, 0, 255), 0, 0, 4, 4);
    EXPECT_EQ(c->Point(0, 0), int32_t(Blue));
    EXPECT_EQ(c->Point(1, 1), int32_t(Blue));
    EXPECT_EQ(c->Point(2, 0), int32_t(Red));
    EXPECT_EQ(c->Point(3, 1), int32_t(Red));
    EXPECT_EQ(c->Point(0, 2), int32_t(Red));
    EXPECT_EQ(c->Point(3, 3), int32_t(Blue));
    EXPECT_EQ(pixelsOf(*c, Red).size(), 8);
}

TEST(GhostCanvas, PaintPictureExRecoloursOnlyKeyPixelsMatchedOnTheSource)
{
    // The grey-recolouring sequence: face, shadow and highlight greys of
    // the source take three colours; other pixels stay.
    auto source = picture({"swdr"});
    GhostCanvas c;
    c.InitSurface(false);
    c.setPicture(source);
    ASSERT_EQ(c.Width(), 4);
    const plat::Colour faceTarget = White; // the face becomes white...
    c.PaintPictureEx(source, plat::rgb(192, 192, 192), 0, 0, 0, 0, true, false, faceTarget, 1);
    c.PaintPictureEx(source, plat::rgb(128, 128, 128), 0, 0, 0, 0, true, false, Blue, 1);
    c.PaintPictureEx(source, plat::rgb(255, 255, 255), 0, 0, 0, 0, true, false, Green, 1);
    EXPECT_EQ(c.Point(0, 0), int32_t(White)); // ...and is not taken for the white key
    EXPECT_EQ(c.Point(1, 0), int32_t(Green));
    EXPECT_EQ(c.Point(2, 0), int32_t(Blue));
    EXPECT_EQ(c.Point(3, 0), int32_t(Red));

    // Stretched: the key pixel's whole block, nothing else.
    auto d = canvas(6, 6);
    d->PaintPictureEx(picture({"kw", "wk"}), 0, 1, 1, 4, 4, false, false, Red, 2);
    EXPECT_EQ(inkBox(*d), QRect(1, 1, 4, 4));
    EXPECT_EQ(pixelsOf(*d, Red).size(), 8);
    EXPECT_EQ(d->Point(3, 1), int32_t(White));
}

TEST(GhostCanvas, PictureRoundTripsAndRegions)
{
    auto c = canvas(3, 2);
    c->PSet(2, 1, Red);
    auto copy = c->Picture();
    ASSERT_EQ(copy->widthPixels(), 3);
    c->PSet(2, 1, Blue);
    EXPECT_EQ(plat::fromQRgb(copy->image().pixel(2, 1)), Red); // independent of the surface
    EXPECT_NE(c->Picture()->Handle(), copy->Handle());

    GhostCanvas other;
    other.setPicture(copy);
    EXPECT_EQ(other.Width(), 3);
    EXPECT_EQ(other.Height(), 2);
    EXPECT_EQ(other.Point(2, 1), int32_t(Red));

    c->setBackColor(Green);
    auto region = c->GetPictureRegion(2, 1, 2, 2);
    ASSERT_EQ(region->widthPixels(), 2);
    EXPECT_EQ(plat::fromQRgb(region->image().pixel(0, 0)), Blue);
    EXPECT_EQ(plat::fromQRgb(region->image().pixel(1, 1)), Green); // off the surface: back colour
    auto left = c->GetPictureRegion(-1, 1, 2, 1);
    EXPECT_EQ(plat::fromQRgb(left->image().pixel(0, 0)), Green);
    EXPECT_EQ(plat::fromQRgb(left->image().pixel(1, 0)), White);
    EXPECT_TRUE(c->GetPictureRegion(0, 0, 0, 5)->isEmpty());
    EXPECT_EQ(raisedError([&] { other.setPicture(nullptr); }), plat::err::ObjectRequired);
    EXPECT_TRUE(GhostCanvas().Picture()->isEmpty());
}

// The finished picture shares the surface's pixels; whatever the surface
// draws afterwards (its own calls or text through its context) leaves the
// picture as it was.
TEST(GhostCanvas, APictureTakenStaysAsItWasWhateverIsDrawnLater)
{
    for (int step = 0; step < 5; ++step) {
        auto c = canvas(30, 20);
        c->FillRect(2, 2, 10, 10, Red, true);
        const plat::PicturePtr taken = c->Picture();
        const QImage before = taken->image().copy();
        switch (step) {
        case 0: c->FillRect(0, 0, 30, 20, Blue, true); break;
        case 1: c->Line(0, 5, 30, 5, Blue); break;
        case 2: c->PSet(3, 3, Blue); break;
        case 3: c->PaintPicture(c->Picture(), 5, 5); c->Cls(); break;
        case 4:
            c->setForeColor(Blue);
            c->setCurrentX(0);
            c->setCurrentY(0);
            c->PrintText(QStringLiteral("WWWW"));
            break;
        }
        EXPECT_EQ(taken->image(), before) << step;
        EXPECT_NE(c->Picture()->image(), before) << step;
    }
}

// A blank surface that takes another back colour shows it everywhere, also
// after it was sized and filled once already.
TEST(GhostCanvas, ABlankSurfaceFollowsItsBackColour)
{
    auto c = canvas(8, 8);
    c->setBackColor(Blue);
    EXPECT_EQ(pixelsOf(*c, Blue).size(), 64);
    c->setBackColor(White);
    c->setBackColor(White);
    EXPECT_EQ(pixelsOf(*c, White).size(), 64);
    c->SetSize(10, 10);
    c->setBackColor(Red);
    EXPECT_EQ(pixelsOf(*c, Red).size(), 100);
    // A drawn surface keeps its drawing.
    c->PSet(1, 1, Blue);
    c->setBackColor(Green);
    EXPECT_EQ(pixelsOf(*c, Blue).size(), 1);
    c->Cls();
    EXPECT_EQ(pixelsOf(*c, Green).size(), 100);
}

TEST(GhostCanvas, AlphaBlendPutsThePictureOverTheSurfaceAtLevelOutOf255)
{
    auto c = canvas(3, 1);
    c->FillRect(0, 0, 3, 1, 0, true); // black
    auto white = picture({"w"});
    c->AlphaBlendPicture(white, std::nullopt, 0, 0, 0, 0, 0, 255, 0, 0);
    c->AlphaBlendPicture(white, std::nullopt, 255, 1, 0, 0, 0, 255, 0, 0);
    c->AlphaBlendPicture(white, std::nullopt, 51, 2, 0, 0, 0, 255, 0, 0);
    EXPECT_EQ(c->Point(0, 0), 0);
    EXPECT_EQ(c->Point(1, 0), int32_t(White));
    EXPECT_EQ(c->Point(2, 0), int32_t(plat::rgb(51, 51, 51)));
    EXPECT_EQ(raisedError([&] { c->AlphaBlendPicture(white, std::nullopt, 1, 0, 0, 0, 0, 0); }), plat::err::InvalidCall);
}

TEST(GhostCanvas, PatternBrushOfTheLibraryTakesCanvasColoursAndDiesWithTheBrushRestore)
{
    const int brushes = gdi::liveBrushes(), dcs = gdi::liveDCs();
    QImage dither(8, 8, QImage::Format_Mono);
    dither.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            dither.setPixel(x, y, (x + y) & 1);
    auto pattern = plat::Picture::fromImage(dither);
    {
        auto c = canvas(6, 4);
        c->setBackColor(plat::systemColour(plat::syscolour::ButtonFace));
        c->setForeColor(plat::systemColour(plat::syscolour::ButtonHighlight));
        const gdi::HBRUSH brush = gdi::CreatePatternBrush(pattern);
        gdi::setReleasedByContext(brush, true);
        c->SetBrush(brush);
        c->FillRect(-1, -1, c->Width() + 1, c->Height() + 1, std::nullopt, false);
        c->RestoreBrush();
        EXPECT_EQ(gdi::liveBrushes(), brushes); // released at the restore
        const int32_t face = int32_t(plat::sysColor(plat::syscolour::ButtonFace));
        const int32_t light = int32_t(plat::sysColor(plat::syscolour::ButtonHighlight));
        EXPECT_EQ(c->Point(0, 0), light); // the pattern's dark bits: ForeColor
        EXPECT_EQ(c->Point(1, 0), face);
        EXPECT_EQ(c->Point(5, 3), light);
        EXPECT_EQ(pixelsOf(*c, plat::sysColor(plat::syscolour::ButtonFace)).size(), 12);

        // A brush left selected dies with the canvas, as does its context.
        const gdi::HBRUSH forgotten = gdi::CreatePatternBrush(pattern);
        gdi::setReleasedByContext(forgotten, true);
        c->SetBrush(forgotten);
    }
    EXPECT_EQ(gdi::liveBrushes(), brushes);
    EXPECT_EQ(gdi::liveDCs(), dcs);
}

TEST(GhostCanvas, SelectedRotatedFontTurnsPrintedTextAndTextWidthMeasuresAlongIt)
{
    const int fonts = gdi::liveFonts();
    auto c = canvas(120, 120);
    c->setFont(plat::Font::make(QStringLiteral("Arial"), 12, true));
    const QString caption = QStringLiteral("Categories");
    const double flatWidth = c->TextWidth(caption);
    const double lineHeight = c->TextHeight(caption);
    EXPECT_GT(flatWidth, 2 * lineHeight);
    EXPECT_EQ(c->TextHeight(QStringLiteral("a\r\nb")), 2 * lineHeight);

    gdi::LogFont lf;
    lf.height = -gdi::MulDiv(12, gdi::GetDeviceCaps(c->hDC(), gdi::LOGPIXELSY), 72);
    lf.escapement = lf.orientation = 900;
    lf.weight = 700;
    gdi::setFaceName(lf, c->FontName());
    const gdi::HFONT font = gdi::CreateFontIndirectA(lf);
    const gdi::HGDIOBJ previous = gdi::SelectObject(c->hDC(), font);
    EXPECT_EQ(c->TextWidth(caption), flatWidth);

    // Lines printed at the very end of the 32-bit range move CurrentY on
    // past it.
    c->setCurrentY(2147483640.0);
    c->PrintText(QStringLiteral("a\r\nb"));
    EXPECT_EQ(c->CurrentY(), 2147483640.0 + 2 * lineHeight);

    c->setForeColor(Blue);
    c->setCurrentX(30);
    c->setCurrentY(110);
    c->PrintText(caption);
    const QRect box = inkBox(*c);
    ASSERT_FALSE(box.isNull());
    EXPECT_GT(box.height(), 2 * box.width());
    EXPECT_LE(box.bottom(), 110);
    EXPECT_GE(box.left(), 30);
    EXPECT_GE(box.top(), 110 - flatWidth - 1);
    EXPECT_EQ(pixelsOf(*c, Blue).size(), [&] {
        int n = 0;
        for (int y = 0; y < c->Height(); ++y)
            for (int x = 0; x < c->Width(); ++x)
                n += c->Point(x, y) != int32_t(White);
        return n;
    }()); // drawn in ForeColor only

    gdi::SelectObject(c->hDC(), previous);
    EXPECT_NE(gdi::DeleteObject(font), 0);
    EXPECT_EQ(gdi::liveFonts(), fonts);
}

TEST(GhostCanvas, SizesDrawModesAndPreparedSurfaces)
{
    GhostCanvas c;
    EXPECT_EQ(raisedError([&] { c.SetSize(-1, 5); }), plat::err::InvalidCall);
    EXPECT_EQ(raisedError([&] { c.SetSize(100000, 100000); }), plat::err::OutOfMemory);
    EXPECT_EQ(raisedError([&] { c.SetSize(1e300, 1); }), plat::err::Overflow);
    c.SetSize(2.5, 3.5); // halves to even
    EXPECT_EQ(c.Width(), 2);
    EXPECT_EQ(c.Height(), 4);

    c.setBackColor(White);
    EXPECT_EQ(c.DrawSetting(), 13);
    c.setDrawSetting(7); // XOR: twice gives the surface back
    c.PSet(0, 0, Red);
    EXPECT_EQ(c.Point(0, 0), int32_t(White ^ Red));
    c.PSet(0, 0, Red);
    EXPECT_EQ(c.Point(0, 0), int32_t(White));
    EXPECT_EQ(raisedError([&] { c.setDrawSetting(17); }), plat::err::InvalidProperty);
    c.setDrawSetting(13);

    // Prepared surfaces keep their pixels across a resize; others start blank.
    c.PSet(1, 1, Red);
    c.InitFlag(true);
    c.SetSize(5, 5);
    EXPECT_EQ(c.Point(1, 1), int32_t(Red));
    EXPECT_EQ(c.Point(4, 4), int32_t(White));
    c.InitSurface(false);
    EXPECT_EQ(c.Point(1, 1), int32_t(White));
    c.PSet(1, 1, Red);
    c.SetSize(5, 5);
    EXPECT_EQ(c.Point(1, 1), int32_t(White));
    EXPECT_EQ(c.FontSize(), 8); // the default 8.25-point font
}

TEST(RecordingCanvas, LogsCallsAndPassesThemOn)
{
    auto inner = std::make_shared<GhostCanvas>();
    zg::RecordingCanvas rec(inner);
    rec.setBackColor(White);
    rec.SetSize(10, 10);
    rec.setForeColor(plat::systemColour(18));
    rec.FillRect(0, 0, 5, 5, std::nullopt, false);
    rec.Line(0, 9, 9, 9, Red);
    rec.PaintPicture(picture({"rb"}), 1, 1);
    EXPECT_EQ(rec.Width(), 10);
    EXPECT_EQ(*rec.log(), (QStringList{
                              QStringLiteral("BackColor(&H00FFFFFF)"),
                              QStringLiteral("SetSize(10, 10)"),
                              QStringLiteral("ForeColor(&H80000012)"),
                              QStringLiteral("FillRect(0, 0, 5, 5, -, False)"),
                              QStringLiteral("Line(0, 9, 9, 9, &H000000FF)"),
                              QStringLiteral("PaintPicture(Picture(2x1), 1, 1, 0, 0, 0, 0, 0, 0, &H00CC0020)"),
                          }));
    EXPECT_EQ(rec.calls(QStringLiteral("Line")).size(), 1);
    EXPECT_EQ(inner->Point(8, 9), int32_t(Red));
    EXPECT_EQ(inner->Point(2, 1), int32_t(Blue));
}
