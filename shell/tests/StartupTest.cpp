// The start-up: program folder, splash, catalog window and the logo band.
#include "ShellTestSupport.h"

#include <Colour.h>
#include <Graphics.h>
#include <Paths.h>
#include <QtPrinters.h>

using namespace shelltest;

namespace {

class StartupTest : public ShellTest {
protected:
    std::shared_ptr<shell::frmZGSplash> splash() { return plat::formInstance<shell::frmZGSplash>(); }
    std::shared_ptr<shell::frmZGDemo> demo() { return plat::formInstance<shell::frmZGDemo>(); }

    QRgb bandPixel(int x, int y) { return demo()->drawingImage().pixel(x, y) & 0xFFFFFF; }
};

TEST_F(StartupTest, FullColourStartShowsBothWindowsAndTilesTheBand)
{
    system->colours = 257;
    shell::ZGDemoCode::Main();

    EXPECT_EQ(shell::ZGDemoCode::AppFolder, plat::appPath() + QLatin1Char('\\'));

    // The splash: design picture, fixed size, centred, shown and floating.
    ASSERT_TRUE(splash()->isLoaded());
    EXPECT_TRUE(splash()->Visible());
    EXPECT_TRUE(samePixels(splash()->Picture(), plat::loadResPicture(QStringLiteral("ZGSPLASH"))));
    EXPECT_EQ(splash()->Width(), 539 * 15);
    EXPECT_EQ(splash()->Height(), 343 * 15);
    ASSERT_EQ(formFunctions->centred.size(), 2u); // the splash, then the catalog window's own load
    EXPECT_EQ(formFunctions->centred[0].form, splash());
    EXPECT_EQ(formFunctions->centred[1].form, demo());
    for (const auto& c : formFunctions->centred) {
        EXPECT_TRUE(c.useWorkArea);
        EXPECT_FALSE(c.relativeToOwner);
        EXPECT_EQ(c.x, 0.5f);
        EXPECT_EQ(c.y, 0.5f);
    }
    ASSERT_EQ(formFunctions->floated.size(), 1u);
    EXPECT_EQ(formFunctions->floated[0], splash());

    // The catalog window as designed: the band is rows 0 to 44 above the
    // list bar at 47; the product logo stays at the top, the maker's logo
    // goes 5 pixels from the right edge.
    ASSERT_TRUE(demo()->Visible());
    EXPECT_EQ(demo()->ScaleWidth(), 620);
    EXPECT_EQ(demo()->NavBar->Top(), 47);
    EXPECT_EQ(demo()->ZSLogo->Top(), 0);
    EXPECT_EQ(demo()->BrellicorLogo->Left(), 437);
    EXPECT_EQ(demo()->BrellicorLogo->Top(), 5);
    EXPECT_TRUE(samePixels(demo()->ZSLogo->Picture(), plat::loadResPicture(QStringLiteral("ZGLOGO"))));
    EXPECT_TRUE(samePixels(demo()->BrellicorLogo->Picture(), plat::loadResPicture(QStringLiteral("BRELLICOR_LOGO"))));

    // Tiles at x = 0 and 313 from the row at y = 0; the button face from 45
    // down past the list bar's top.
    const QImage texture = plat::loadResPicture(QStringLiteral("LOGO_BACKGROUND"))->image();
    for (int x : { 0, 150, 312, 313, 500, 619 })
        for (int y : { 0, 22, 44 })
            EXPECT_EQ(bandPixel(x, y), texture.pixel(x % 313, y) & 0xFFFFFF) << x << "," << y;
    const QRgb face = plat::toQRgb(plat::translateColour(0x8000000Fu)) & 0xFFFFFF;
    for (int x : { 0, 310, 619 })
        for (int y : { 45, 60, 91 })
            EXPECT_EQ(bandPixel(x, y), face) << x << "," << y;
    EXPECT_TRUE(plat::msgBoxLog().empty());
}

TEST_F(StartupTest, AtMost256ColoursTakesTheSixteenColourArtAndAGreyBand)
{
    system->colours = 256;
    shell::ZGDemoCode::Main();

    EXPECT_TRUE(samePixels(splash()->Picture(), plat::loadResPicture(QStringLiteral("ZGSPLASH16"))));
    EXPECT_EQ(demo()->PictureSuffix, QStringLiteral("16"));
    EXPECT_TRUE(samePixels(demo()->ZSLogo->Picture(), plat::loadResPicture(QStringLiteral("ZGLOGO16"))));
    EXPECT_TRUE(samePixels(demo()->BrellicorLogo->Picture(), plat::loadResPicture(QStringLiteral("BRELLICOR_LOGO16"))));
    // The logos keep their places; the 16-colour product logo is narrower.
    EXPECT_EQ(demo()->ZSLogo->Top(), 0);
    EXPECT_EQ(demo()->ZSLogo->Width(), 274);
    EXPECT_EQ(demo()->BrellicorLogo->Left(), 437);
    for (int x : { 0, 313, 619 })
        for (int y : { 0, 44 })
            EXPECT_EQ(bandPixel(x, y), 0x808080u) << x << "," << y;
}

TEST_F(StartupTest, WithoutTheLibraryEveryStepIsSkippedAndTheWindowsStillShow)
{
    zg::installFactory<zg::ZorvaneSystem>([]() -> std::shared_ptr<zg::ZorvaneSystem> { unreachable("System"); });
    zg::installFactory<zg::ZorvaneFormFunctions>(
        []() -> std::shared_ptr<zg::ZorvaneFormFunctions> { unreachable("FormFunctions"); });
    zg::installFactory<zg::ZorvaneFilesAndFolders>(
        []() -> std::shared_ptr<zg::ZorvaneFilesAndFolders> { unreachable("FilesAndFolders"); });
    zg::installShared<zg::ZorvaneSystem>(nullptr);
    zg::installShared<zg::ZorvaneFormFunctions>(nullptr);

    shell::ZGDemoCode::Main();

    // No folder; the splash stays in the top-left corner with the 16-colour
    // picture (the failed colour test runs its branch); the band is tiled.
    EXPECT_TRUE(shell::ZGDemoCode::AppFolder.isEmpty());
    EXPECT_EQ(splash()->Left(), 0);
    EXPECT_EQ(splash()->Top(), 0);
    EXPECT_TRUE(splash()->Visible());
    EXPECT_TRUE(samePixels(splash()->Picture(), plat::loadResPicture(QStringLiteral("ZGSPLASH16"))));
    EXPECT_TRUE(demo()->Visible());
    const QImage texture = plat::loadResPicture(QStringLiteral("LOGO_BACKGROUND"))->image();
    EXPECT_EQ(bandPixel(320, 10), texture.pixel(7, 10) & 0xFFFFFF);
    // Only the catalog window's load reports its failure; the start-up
    // itself stays silent.
    ASSERT_EQ(plat::msgBoxLog().size(), 1u);
    EXPECT_TRUE(plat::msgBoxLog()[0].prompt.contains(QStringLiteral("429")));
}

TEST_F(StartupTest, LargeFontsShrinkTheSplashLabels)
{
    // A splash font that makes 135 blanks and a full stop wider than the
    // window, as large system fonts do.
    auto s = splash();
    s->Load();
    s->Font()->setSize(24);
    const QString line = QString(135, QLatin1Char(' ')) + QLatin1Char('.');
    const double ratio = 539.0 / s->TextWidth(line);
    ASSERT_LT(ratio, 1.0);

    shell::ZGDemoCode::Main();

    const auto winVer = s->control<plat::Label>(QStringLiteral("lblWinVer"));
    const auto legal = s->control<plat::Label>(QStringLiteral("lblLegal"));
    EXPECT_NEAR(winVer->FontSize(), 9.75 * ratio, 1e-3);
    EXPECT_EQ(winVer->Left(), 148);
    EXPECT_EQ(winVer->Top(), 237);
    EXPECT_EQ(legal->FontName(), QStringLiteral("Arial"));
    EXPECT_NEAR(legal->FontSize(), 8.25 * ratio, 1e-3);
    EXPECT_NEAR(legal->Left(), 31.467, 1e-3);
    EXPECT_EQ(legal->Top(), 290);
    EXPECT_EQ(legal->Width(), 476);
    EXPECT_EQ(legal->Height(), 41);
}

// On an ordinary screen the splash's own font fits 135 blanks and a full
// stop in the window: the fitting for large fonts stays off.
TEST_F(StartupTest, TheDesignFontsFitAndLeaveTheLabelsAsDesigned)
{
    auto s = splash();
    s->Load();
    EXPECT_LE(s->TextWidth(QString(135, QLatin1Char(' ')) + QLatin1Char('.')), 539);

    shell::ZGDemoCode::Main();

    const auto winVer = s->control<plat::Label>(QStringLiteral("lblWinVer"));
    const auto legal = s->control<plat::Label>(QStringLiteral("lblLegal"));
    EXPECT_EQ(winVer->FontName(), QStringLiteral("MS Sans Serif"));
    EXPECT_EQ(winVer->FontSize(), 9.75);
    EXPECT_EQ(winVer->Left(), 133);
    EXPECT_EQ(winVer->Top(), 237);
    EXPECT_EQ(legal->FontName(), QStringLiteral("MS Sans Serif"));
    EXPECT_EQ(legal->FontSize(), 8.25);
    EXPECT_EQ(legal->pixelRect(), QRect(31, 290, 476, 41));
    EXPECT_EQ(legal->Caption(), QString::fromLatin1(zg::shelltext::LegalNotice));
}

} // namespace
