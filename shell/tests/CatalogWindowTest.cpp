// The catalog window: its design, the categories in the list bar, the
// category switch, the blinking prompt and the splash unloader.
#include "ShellTestSupport.h"

#include <Containers.h>
#include <Label.h>
#include <QtPrinters.h>
#include <Timer.h>
#include <ZSButton.h>

using namespace shelltest;

namespace {

using CatalogWindowTest = ShellTest;

const QString GblDescription = QStringLiteral(
    "A host of powerful, masterfully written functions that extend the capability of your code, making "
    "development faster and easier than ever before.");
const QString ObjDescription = QStringLiteral(
    "Classes and pre-created objects that give you the power to do what you've always wanted to do in your "
    "programs.");

// Item button i shows item `key` with the pictures of that suffix.
void expectItem(shell::frmZGDemo& demo, int16_t i, const QString& key, const QString& suffix = {})
{
    SCOPED_TRACE(qPrintable(key));
    const auto b = demo.NavButton(i);
    EXPECT_TRUE(b->Visible());
    EXPECT_EQ(b->Tag(), key);
    EXPECT_TRUE(samePixels(b->ButtonImage(), plat::loadResPicture(key + "_NORMAL" + suffix)));
    EXPECT_TRUE(samePixels(b->ButtonImageDown(), plat::loadResPicture(key + "_DOWN" + suffix)));
    EXPECT_TRUE(samePixels(b->ButtonImageHover(), plat::loadResPicture(key + "_HOVER" + suffix)));
}

TEST_F(CatalogWindowTest, LoadFillsTheListBarAndLaysOutTheGrid)
{
    auto demo = loadCatalog();
    EXPECT_EQ(demo->Caption(), QStringLiteral("ZorvaneGlobals 3.0 Demos"));
    EXPECT_EQ(demo->ScaleWidth(), 620);
    EXPECT_EQ(demo->ScaleHeight(), 420);

    const auto bars = demo->NavBar->Bars();
    ASSERT_EQ(bars->Count(), 1);
    const auto bar = bars->Item(plat::Variant(int32_t(1)));
    EXPECT_EQ(bar->Caption(), QStringLiteral("Categories"));
    EXPECT_EQ(bar->ColorTextHover(), 0xFFFFu);
    ASSERT_EQ(bar->Buttons()->Count(), 2);
    const auto gbl = bar->Buttons()->Item(plat::Variant(int32_t(1)));
    const auto obj = bar->Buttons()->Item(plat::Variant(int32_t(2)));
    EXPECT_EQ(gbl->Key(), QStringLiteral("GBL"));
    EXPECT_EQ(gbl->Caption(), QStringLiteral("Global Functions"));
    EXPECT_EQ(gbl->ButtonImage().toLong(), 4);
    EXPECT_EQ(obj->Key(), QStringLiteral("OBJ"));
    EXPECT_EQ(obj->Caption(), QStringLiteral("Objects && Creatable Classes"));
    EXPECT_EQ(obj->ButtonImage().toLong(), 5);

    // Four columns at 4, 127, 250, 373 and four rows at 78, 150, 222, 294,
    // all hidden behind the blocker until a category is chosen.
    ASSERT_EQ(demo->NavButton.Count(), 16);
    for (int16_t i = 0; i < 16; ++i) {
        const auto b = demo->NavButton(i);
        EXPECT_EQ(b->Left(), 4 + 123 * (i % 4)) << i;
        EXPECT_EQ(b->Top(), 78 + 72 * (i / 4)) << i;
        EXPECT_EQ(b->Width(), 120);
        EXPECT_EQ(b->Height(), 69);
        EXPECT_FALSE(b->Visible()) << i;
    }
    EXPECT_TRUE(demo->picBlocker->Visible());
    EXPECT_TRUE(demo->aniPickMessage->Visible());
    EXPECT_FALSE(demo->lblLoading->Visible());
    EXPECT_EQ(demo->timerAniPickMessage->Interval(), 500);
    EXPECT_TRUE(demo->timerAniPickMessage->Enabled());
    EXPECT_EQ(demo->timerSplashUnloader->Interval(), 2000);
    EXPECT_TRUE(demo->timerSplashUnloader->Enabled());
    EXPECT_TRUE(multimedia->played.isEmpty());
}

TEST_F(CatalogWindowTest, ChoosingCategoriesFillsTheGrid)
{
    auto demo = loadCatalog();
    choose(*demo, "GBL");

    EXPECT_EQ(multimedia->played, QStringList { QStringLiteral("C:\\zgwin\\ZorvaneClickz.wav") });
    EXPECT_EQ(demo->CurrentCategoryKey, QStringLiteral("GBL"));
    EXPECT_EQ(demo->lblTitle->Caption(), QStringLiteral("Global Functions"));
    EXPECT_EQ(demo->lblInfo->Caption(), GblDescription);
    EXPECT_EQ(demo->CategoryDescription, GblDescription);
    const auto& gbl = shell::catalog::globalFunctions().itemKeys;
    for (int16_t i = 0; i < 8; ++i)
        expectItem(*demo, i, gbl[size_t(i)]);
    EXPECT_EQ(demo->NavButton(7)->Tag(), QStringLiteral("SYSTEM"));
    for (int16_t i = 8; i < 16; ++i)
        EXPECT_FALSE(demo->NavButton(i)->Visible()) << i;
    // The blocker is gone; "Loading..." stays marked visible inside it for
    // the next switch; the prompt is gone for good.
    EXPECT_FALSE(demo->picBlocker->Visible());
    EXPECT_TRUE(demo->lblLoading->Visible());
    EXPECT_FALSE(demo->aniPickMessage->Visible());
    EXPECT_FALSE(demo->imgPickMessage->Visible());
    EXPECT_FALSE(demo->timerAniPickMessage->Enabled());

    // The same category again only says no.
    multimedia->played.clear();
    demo->NavButton(7)->setTag(QStringLiteral("marker"));
    choose(*demo, "GBL");
    EXPECT_EQ(multimedia->names(), QStringList { QStringLiteral("ZorvaneNoNo.wav") });
    EXPECT_EQ(demo->NavButton(7)->Tag(), QStringLiteral("marker"));

    // Objects: fifteen items, the caption kept with its doubled "&".
    multimedia->played.clear();
    choose(*demo, "OBJ");
    EXPECT_EQ(multimedia->names(), QStringList { QStringLiteral("ZorvaneClickz.wav") });
    EXPECT_EQ(demo->lblTitle->Caption(), QStringLiteral("Objects && Creatable Classes"));
    EXPECT_EQ(demo->lblInfo->Caption(), ObjDescription);
    const auto& obj = shell::catalog::objectsAndClasses().itemKeys;
    for (int16_t i = 0; i < 15; ++i)
        expectItem(*demo, i, obj[size_t(i)]);
    EXPECT_FALSE(demo->NavButton(15)->Visible());

    // And back: eight items again, the rest hidden.
    choose(*demo, "GBL");
    for (int16_t i = 0; i < 8; ++i)
        expectItem(*demo, i, gbl[size_t(i)]);
    for (int16_t i = 8; i < 16; ++i)
        EXPECT_FALSE(demo->NavButton(i)->Visible()) << i;
}

TEST_F(CatalogWindowTest, AnyOtherKeyShowsTheObjectsAndFewColoursTakeTheSixteenColourPictures)
{
    system->colours = 256;
    auto demo = loadCatalog();
    EXPECT_EQ(demo->PictureSuffix, QStringLiteral("16"));
    // Keys compare case-sensitively: "gbl" is not the global functions.
    auto other = demo->NavBar->Bars()
                     ->Add(QStringLiteral("More"))
                     ->Buttons()
                     ->Add(QStringLiteral("Other"), plat::Variant(int16_t(1)), plat::Variant("gbl"));
    demo->NavBar->ButtonSelected.raise(other);

    EXPECT_EQ(demo->lblTitle->Caption(), QStringLiteral("Other"));
    EXPECT_EQ(demo->lblInfo->Caption(), ObjDescription);
    const auto& obj = shell::catalog::objectsAndClasses().itemKeys;
    for (int16_t i = 0; i < 15; ++i)
        expectItem(*demo, i, obj[size_t(i)], QStringLiteral("16"));
}

TEST_F(CatalogWindowTest, PromptBlinksUntilTheFirstChoice)
{
    auto demo = loadCatalog();
    EXPECT_EQ(demo->aniPickMessage->ForeColor(), 0xFF0000u);
    demo->timerAniPickMessage->fire();
    EXPECT_EQ(demo->aniPickMessage->ForeColor(), 0xFFu);
    EXPECT_TRUE(demo->BlinkState);
    demo->timerAniPickMessage->fire();
    EXPECT_EQ(demo->aniPickMessage->ForeColor(), 0xFF0000u);
    EXPECT_FALSE(demo->BlinkState);
    demo->timerAniPickMessage->fire();

    // It stops, hidden, in the colour it had.
    choose(*demo, "OBJ");
    EXPECT_FALSE(demo->timerAniPickMessage->isRunning());
    EXPECT_FALSE(demo->aniPickMessage->Visible());
    EXPECT_EQ(demo->aniPickMessage->ForeColor(), 0xFFu);
}

TEST_F(CatalogWindowTest, SplashIsUnloadedOnceByTheTimer)
{
    auto splash = plat::formInstance<shell::frmZGSplash>();
    splash->Load();
    auto demo = loadCatalog();

    demo->timerSplashUnloader->fire();
    EXPECT_FALSE(splash->isLoaded());
    EXPECT_TRUE(demo->SplashUnloaded);
    EXPECT_FALSE(demo->timerSplashUnloader->isRunning());

    // Closing the window later leaves the splash alone.
    splash->Load();
    demo->Unload();
    EXPECT_FALSE(demo->isLoaded());
    EXPECT_TRUE(splash->isLoaded());
}

TEST_F(CatalogWindowTest, ClosingTheWindowFirstUnloadsTheSplash)
{
    auto splash = plat::formInstance<shell::frmZGSplash>();
    splash->Load();
    auto demo = loadCatalog();
    demo->Unload();
    EXPECT_FALSE(splash->isLoaded());
    EXPECT_TRUE(plat::loadedForms().empty());
    EXPECT_TRUE(plat::msgBoxLog().empty());
}

} // namespace
