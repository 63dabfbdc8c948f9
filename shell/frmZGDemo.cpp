#include "frmZGDemo.h"

#include "Catalog.h"
#include "Sounds.h"
#include "ZGDemoCode.h"
#include "frmZGSplash.h"

#include <Containers.h>
#include <Graphics.h>
#include <Label.h>
#include <Library.h>
#include <MsgBox.h>
#include <Paths.h>
#include <ShellTexts.h>
#include <Timer.h>
#include <ZSButton.h>
#include <ZSListBar.h>
#include <ZorvaneFilesAndFolders.h>
#include <ZorvaneFormFunctions.h>
#include <ZorvaneSystem.h>

namespace shell {

frmZGDemo::frmZGDemo()
    : Form(QStringLiteral(":/forms/frmZGDemo.json"))
{
}

void frmZGDemo::bindControls()
{
    ZSLogo = control<plat::Image>(QStringLiteral("ZSLogo"));
    BrellicorLogo = control<plat::Image>(QStringLiteral("BrellicorLogo"));
    NavBar = control<listbar::InternalZSListBar>(QStringLiteral("NavBar"));
    picNav = control<plat::PictureBox>(QStringLiteral("picNav"));
    lblTitle = control<plat::Label>(QStringLiteral("lblTitle"));
    lblInfo = control<plat::Label>(QStringLiteral("lblInfo"));
    picBlocker = control<plat::PictureBox>(QStringLiteral("picBlocker"));
    aniPickMessage = control<plat::Label>(QStringLiteral("aniPickMessage"));
    imgPickMessage = control<plat::Image>(QStringLiteral("imgPickMessage"));
    lblLoading = control<plat::Label>(QStringLiteral("lblLoading"));
    NavButton = controlArray<button::InternalZSButton>(QStringLiteral("NavButton"));
    timerAniPickMessage = control<plat::Timer>(QStringLiteral("timerAniPickMessage"));
    timerSplashUnloader = control<plat::Timer>(QStringLiteral("timerSplashUnloader"));

    NavBar->ButtonSelected.connect([this](listbar::LBButtonPtr& Button) { NavBar_ButtonSelected(Button); });
    NavBar->ButtonMouseEnter.connect([this](listbar::LBButtonPtr& Button) { NavBar_ButtonMouseEnter(Button); });
    using button::InternalZSButton;
    NavButton.connect(&InternalZSButton::MouseDown,
                      [this](int16_t Index, int16_t& Button, int16_t& Shift, float& X, float& Y) {
                          NavButton_MouseDown(Index, Button, Shift, X, Y);
                      });
    NavButton.connect(&InternalZSButton::MouseUp,
                      [this](int16_t Index, int16_t& Button, int16_t& Shift, float& X, float& Y) {
                          NavButton_MouseUp(Index, Button, Shift, X, Y);
                      });
    NavButton.connect(&InternalZSButton::MouseEnter, [this](int16_t Index) { NavButton_MouseEnter(Index); });
    NavButton.connect(&InternalZSButton::MouseLeave, [this](int16_t Index) { NavButton_MouseLeave(Index); });
    NavButton.connect(&InternalZSButton::Click, [this](int16_t Index) { NavButton_Click(Index); });
    BrellicorLogo->Click.connect([this] { BrellicorLogo_Click(); });
    timerAniPickMessage->Tick.connect([this] { timerAniPickMessage_Timer(); });
    timerSplashUnloader->Tick.connect([this] { timerSplashUnloader_Timer(); });
}

// ===== Loading and unloading =====

void frmZGDemo::Form_Load()
{
    if (zg::System()->AvailableColors() <= 256.0)
        PictureSuffix = QStringLiteral("16");

    auto self = shared_from_this();
    zg::FormFunctions()->CenterFormEx(self, true, false, 0.5f, 0.5f);

    const listbar::LBBarsPtr Bars = NavBar->Bars();
    const listbar::LBBarPtr Bar = Bars->Add(QStringLiteral("Categories"));
    for (const auto& category : catalog::categories())
        Bar->Buttons()->Add(category.caption, plat::Variant(category.imageCell), plat::Variant(category.key));
    Bar->ColorTextHover(0xFFFF);

    for (const auto& [index, button] : NavButton.items()) {
        button->setWidth(120);
        button->setHeight(69);
    }
}

void frmZGDemo::Form_Unload(int16_t& Cancel)
{
    // Errors ignored: the splash must not keep the program alive.
    if (!SplashUnloaded)
        plat::tryStatement([] { plat::formInstance<frmZGSplash>()->Unload(); });
}

// ===== Categories =====

void frmZGDemo::NavBar_ButtonSelected(listbar::LBButtonPtr& Button)
{
    if (!CategoryChosen) {
        CategoryChosen = true;
        aniPickMessage->setVisible(false);
        imgPickMessage->setVisible(false);
        timerAniPickMessage->setEnabled(false);
    }

    const QString Key = Button->Key();
    if (Key == CurrentCategoryKey) {
        PlaySound(QString::fromLatin1(sound::NoNo));
        return;
    }

    PlaySound(QString::fromLatin1(sound::Clickz));
    CurrentCategoryKey = Key;
    lblTitle->setCaption(Button->Caption());
    lblTitle->Refresh();
    lblLoading->setVisible(true);
    picBlocker->setVisible(true);
    picBlocker->Refresh();
    lblLoading->Refresh();

    // Any key but GBL shows the objects and classes.
    const catalog::Category& category = CurrentCategoryKey == catalog::globalFunctions().key
        ? catalog::globalFunctions()
        : catalog::objectsAndClasses();
    CategoryDescription = category.description;
    lblInfo->setCaption(CategoryDescription);
    lblInfo->Refresh();
    const int16_t shown = int16_t(category.itemKeys.size());
    for (int16_t i = 0; i < shown; ++i)
        SetupNavButton(i, category.itemKeys[size_t(i)]);
    for (int16_t i = shown; i <= 15; ++i)
        NavButton(i)->setVisible(false);

    picBlocker->setVisible(false);
}

void frmZGDemo::SetupNavButton(int16_t Index, const QString& Key)
{
    const auto button = NavButton(Index);
    button->setButtonImage(plat::loadResPicture(Key + QStringLiteral("_NORMAL") + PictureSuffix));
    button->setButtonImageDown(plat::loadResPicture(Key + QStringLiteral("_DOWN") + PictureSuffix));
    button->setButtonImageHover(plat::loadResPicture(Key + QStringLiteral("_HOVER") + PictureSuffix));
    button->setTag(Key);
    button->setVisible(true);
}

void frmZGDemo::NavBar_ButtonMouseEnter(listbar::LBButtonPtr&)
{
    PlaySound(QString::fromLatin1(sound::Ftz));
}

// ===== Items =====

void frmZGDemo::NavButton_MouseEnter(int16_t Index)
{
    PlaySound(QString::fromLatin1(sound::Swish));
    if (const catalog::Item* item = catalog::findItem(NavButton(Index)->Tag()))
        lblInfo->setCaption(item->description);
}

void frmZGDemo::NavButton_MouseLeave(int16_t)
{
    lblInfo->setCaption(CategoryDescription);
}

void frmZGDemo::NavButton_MouseDown(int16_t, int16_t, int16_t, float, float)
{
    ButtonPressed = true;
    PlaySound(QString::fromLatin1(sound::Snap));
}

void frmZGDemo::NavButton_MouseUp(int16_t, int16_t, int16_t, float, float)
{
    ButtonPressed = false;
}

void frmZGDemo::NavButton_Click(int16_t Index)
{
    // Errors in this procedure are ignored statement by statement.
    if (!ButtonPressed)
        plat::tryStatement([] { PlaySound(QString::fromLatin1(sound::Snap)); });
    plat::tryStatement([this] { Refresh(); });
    plat::tryStatement([this] { ZOrder(); });

    QString Key;
    plat::tryStatement([&] { Key = NavButton(Index)->Tag(); });
    int32_t Code = 0;
    if (const catalog::Item* item = catalog::findItem(Key)) {
        // Without the program folder the demo is looked for beside this
        // executable, never relative to the working directory.
        QString folder = ZGDemoCode::AppFolder;
        if (folder.isEmpty())
            folder = plat::appPath() + QLatin1Char('\\');
        plat::tryStatement([&] { Code = zg::System()->ExecuteApplication(folder + item->demoPath, {}, {}); });
    }

    if (catalog::isStartFailure(Code)) {
        // The box is shown even when the help file's folder cannot be had.
        QString helpFile;
        plat::tryStatement([&] {
            helpFile = zg::FilesAndFolders()->AddTrailingBackslash(zg::System()->SystemDirectory())
                + QStringLiteral("ZorvaneSG3.chm");
        });
        plat::tryStatement([&] {
            plat::MsgBox(QStringLiteral("Could not find or execute the specified demo.  Error code returned was '")
                             + QString::number(Code) + QStringLiteral("'.  Press help for an error code list."),
                         plat::mb::Exclamation | plat::mb::MsgBoxHelpButton, QStringLiteral("Sorry!  Can't Do That!"),
                         helpFile, 1095);
        });
    }
    plat::tryStatement([this] { Show(); });
}

void frmZGDemo::BrellicorLogo_Click()
{
    PlaySound(QString::fromLatin1(sound::Clickz));
    zg::System()->ExecuteDocument(QString::fromLatin1(zg::shelltext::MakerWebAddress));
}

// ===== Timers =====

void frmZGDemo::timerAniPickMessage_Timer()
{
    if (BlinkState) {
        aniPickMessage->setForeColor(0xFF0000);
        BlinkState = false;
    } else {
        aniPickMessage->setForeColor(0xFF);
        BlinkState = true;
    }
}

void frmZGDemo::timerSplashUnloader_Timer()
{
    timerSplashUnloader->setEnabled(false);
    SplashUnloaded = true;
    plat::formInstance<frmZGSplash>()->Unload();
}

} // namespace shell
