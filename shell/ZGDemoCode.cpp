#include "ZGDemoCode.h"

#include "frmZGDemo.h"
#include "frmZGSplash.h"

#include <Graphics.h>
#include <Label.h>
#include <Library.h>
#include <Paths.h>
#include <Units.h>
#include <ZSListBar.h>
#include <ZorvaneFilesAndFolders.h>
#include <ZorvaneFormFunctions.h>
#include <ZorvaneSystem.h>

#include <cmath>

namespace shell::ZGDemoCode {

QString AppFolder;

namespace {

using plat::tryCondition;
using plat::tryStatement;

// The splash's fixed inner size in pixels (one less each way than its
// picture).
constexpr double SplashWidth = 539, SplashHeight = 343;
// The texture tile of the logo band.
constexpr int32_t TileWidth = 313, TileHeight = 45;

int32_t nearest(double v)
{
    return int32_t(plat::roundEven(v));
}

// A control that the start-up needs; error 91 when the form could not give
// it (the statement using it is skipped).
template <class T> T& must(const std::shared_ptr<T>& control)
{
    if (!control)
        plat::raise(plat::err::ObjectNotSet);
    return *control;
}

// Shrinks the splash's labels when the system's fonts are larger than the
// design expects: a line of 135 blanks and a full stop must fit the window.
void fitSplashLabels(frmZGSplash& splash)
{
    const QString line = QString(135, QLatin1Char(' ')) + QLatin1Char('.');
    auto label = [&](const char* name) { return splash.control<plat::Label>(QString::fromLatin1(name)); };
    if (!tryCondition([&] { return splash.TextWidth(line) > splash.ScaleWidth(); }))
        return;
    float ratio = 0;
    tryStatement([&] { ratio = float(splash.ScaleWidth() / splash.TextWidth(line)); });
    tryStatement([&] { label("lblWinVer")->setFontSize(label("lblWinVer")->FontSize() * ratio); });
    tryStatement([&] { label("lblLegal")->setFontName(QStringLiteral("Arial")); });
    tryStatement([&] { label("lblLegal")->setFontSize(label("lblLegal")->FontSize() * ratio); });
    tryStatement([&] { label("lblWinVer")->Move(148, 237); });
    tryStatement([&] {
        const auto lblLegal = label("lblLegal");
        lblLegal->Move(31.467, 290, splash.ScaleWidth() - 63, lblLegal->Height());
    });
}

// Tiles the band above the list bar with the texture and closes it with a
// strip of the button face, or greys it for the 16-colour logos.
void paintLogoBand(frmZGDemo& demo)
{
    if (tryCondition([] { return zg::System()->AvailableColors() > 256.0; })) {
        plat::PicturePtr texture;
        tryStatement([&] { texture = plat::loadResPicture(QStringLiteral("LOGO_BACKGROUND")); });
        // The bounds of both loops are fixed before they run; the rows end
        // at 60 whatever the band's height.
        int32_t yFrom = 0, xTo = 0;
        tryStatement([&] { yFrom = nearest(must(demo.ZSLogo).Top() - TileHeight); });
        tryStatement([&] { xTo = nearest(demo.ScaleWidth()); });
        for (int32_t y = yFrom; y <= 60; y += TileHeight)
            for (int32_t x = 0; x <= xTo; x += TileWidth)
                tryStatement([&] { demo.PaintPicture(texture, x, y); });
        tryStatement([&] {
            demo.Line(0, must(demo.NavBar).Top() - 2, demo.ScaleWidth(), must(demo.NavBar).Top() + 45, 0x8000000Fu,
                      plat::DrawingHost::LineKind::FilledBox);
        });
    } else {
        tryStatement(
            [&] { must(demo.BrellicorLogo).setPicture(plat::loadResPicture(QStringLiteral("BRELLICOR_LOGO16"))); });
        tryStatement([&] { must(demo.ZSLogo).setPicture(plat::loadResPicture(QStringLiteral("ZGLOGO16"))); });
        tryStatement([&] {
            demo.Line(0, 0, demo.ScaleWidth(), must(demo.NavBar).Top() - 2, 0x808080u,
                      plat::DrawingHost::LineKind::FilledBox);
        });
    }
}

} // namespace

void Main()
{
    tryStatement([] { AppFolder = zg::FilesAndFolders()->AddTrailingBackslash(plat::appPath()); });

    const auto splash = plat::formInstance<frmZGSplash>();
    tryStatement([&] { splash->Load(); });
    if (tryCondition([] { return zg::System()->AvailableColors() <= 256.0; }))
        tryStatement([&] { splash->setPicture(plat::loadResPicture(QStringLiteral("ZGSPLASH16"))); });
    tryStatement([&] {
        splash->Move(0, 0, splash->ScaleX(SplashWidth, plat::scale::Pixels, plat::scale::Twips),
                     splash->ScaleY(SplashHeight, plat::scale::Pixels, plat::scale::Twips));
    });
    fitSplashLabels(*splash);
    tryStatement([&] { zg::FormFunctions()->CenterFormEx(splash, true, false, 0.5f, 0.5f); });
    tryStatement([&] { splash->Show(); });
    tryStatement([&] { zg::FormFunctions()->SetFloatingWindow(splash); });
    // Paints the splash at once, before the catalog window's load runs.
    tryStatement([&] { splash->Refresh(); });

    const auto demo = plat::formInstance<frmZGDemo>();
    tryStatement([&] { demo->Load(); });
    // The product logo centred in the band above the list bar, the maker's
    // logo 5 pixels from the right edge.
    tryStatement(
        [&] { must(demo->ZSLogo).setTop(nearest(must(demo->NavBar).Top() - 2 - must(demo->ZSLogo).Height()) / 2); });
    tryStatement([&] {
        must(demo->BrellicorLogo)
            .Move(demo->ScaleWidth() - (must(demo->BrellicorLogo).Width() + 5), must(demo->ZSLogo).Top() + 5);
    });
    paintLogoBand(*demo);
    tryStatement([&] { demo->Show(); });
}

} // namespace shell::ZGDemoCode
