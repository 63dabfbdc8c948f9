#include "frmFormFunctionsDemo.h"

#include "frmCustom.h"
#include "frmNewOwner.h"

#include <Buttons.h>
#include <Containers.h>
#include <Error.h>
#include <Label.h>
#include <Library.h>
#include <Lists.h>
#include <MsgBox.h>
#include <Numbers.h>
#include <ZorvaneFormFunctions.h>

namespace {
const QString Loaded = QStringLiteral("LOADED");
const QString YouHaveIt = QStringLiteral("YOU HAVE IT");
} // namespace

frmFormFunctionsDemo::frmFormFunctionsDemo()
    : Form(QStringLiteral(":/forms/frmFormFunctionsDemo.json"))
{
}

void frmFormFunctionsDemo::bindControls()
{
    lstWindowInfo = control<plat::ListBox>(QStringLiteral("lstWindowInfo"));
    lblDefTitleBarFont = control<plat::Label>(QStringLiteral("lblDefTitleBarFont"));
    lblSmallTitleBarFont = control<plat::Label>(QStringLiteral("lblSmallTitleBarFont"));
    lblDefMenuFont = control<plat::Label>(QStringLiteral("lblDefMenuFont"));
    cmdShowNewOwner = control<plat::CommandButton>(QStringLiteral("cmdShowNewOwner"));
    chkFloat = control<plat::CheckBox>(QStringLiteral("chkFloat"));
    picOriginalOwner = control<plat::PictureBox>(QStringLiteral("picOriginalOwner"));
    cmdSwitch = control<plat::CommandButton>(QStringLiteral("cmdSwitch"));
    cmdCustom = control<plat::CommandButton>(QStringLiteral("cmdCustom"));
    cmdClose = control<plat::CommandButton>(QStringLiteral("cmdClose"));

    cmdShowNewOwner->Click.connect([this] { cmdShowNewOwner_Click(); });
    cmdSwitch->Click.connect([this] { cmdSwitch_Click(); });
    cmdCustom->Click.connect([this] { cmdCustom_Click(); });
    cmdClose->Click.connect([this] { cmdClose_Click(); });
}

void frmFormFunctionsDemo::Form_Load()
{
    const auto self = shared_from_this();
    zg::FormFunctions()->CenterFormEx(self, true, false, 0.5f, 0.5f);

    auto line = [this](const char* name, const QString& value) {
        lstWindowInfo->AddItem(QString::fromLatin1(name) + QStringLiteral(" = ") + value);
    };
    auto whole = [](int64_t v) { return QString::number(v); };
    line("DefaultBorderSize", plat::singleText(zg::FormFunctions()->DefaultBorderSize()));
    line("DefaultMenuItemHeight", whole(zg::FormFunctions()->DefaultMenuItemHeight()));
    line("DefaultScrollBarHeight", whole(zg::FormFunctions()->DefaultScrollBarHeight()));
    line("DefaultScrollBarWidth", whole(zg::FormFunctions()->DefaultScrollBarWidth()));
    line("DefaultTitleBarButtonHeight", whole(zg::FormFunctions()->DefaultTitleBarButtonHeight()));
    line("DefaultTitleBarButtonWidth", whole(zg::FormFunctions()->DefaultTitleBarButtonWidth()));
    line("DesktopHDC", whole(zg::FormFunctions()->DesktopHDC()));
    line("DesktopHWnd", whole(zg::FormFunctions()->DesktopHWnd()));
    line("NonClientAreaHeight (Me)", plat::CStr(zg::FormFunctions()->NonClientAreaHeight(self)));
    line("NonClientAreaWidth (Me)", plat::CStr(zg::FormFunctions()->NonClientAreaWidth(self)));
    line("SmallTitleBarButtonHeight", whole(zg::FormFunctions()->SmallTitleBarButtonHeight()));
    line("SmallTitleBarButtonWidth", whole(zg::FormFunctions()->SmallTitleBarButtonWidth()));

    lblDefTitleBarFont->setFont(zg::FormFunctions()->DefaultTitleBarFont());
    lblSmallTitleBarFont->setFont(zg::FormFunctions()->SmallTitleBarFont());
    lblDefMenuFont->setFont(zg::FormFunctions()->DefaultMenuFont());
}

void frmFormFunctionsDemo::cmdShowNewOwner_Click()
{
    const auto owner = plat::formInstance<frmNewOwner>();
    owner->Show();
    if (chkFloat->Value() == 1)
        zg::FormFunctions()->SetFloatingWindow(owner, plat::Variant::missing());
}

void frmFormFunctionsDemo::cmdSwitch_Click()
{
    const auto owner = plat::formInstance<frmNewOwner>();
    // The new owner can go away without its unload handler (taken down by
    // the platform); the library has already brought the button home, and
    // the window is no longer there to be handed the button.
    if (Tag() == Loaded && !owner->isLoaded()) {
        setTag(QString());
        owner->setTag(QString());
    }

    if (away_) {
        if (Tag() == Loaded)
            owner->setTag(QString());
        zg::FormFunctions()->SetParent(cmdSwitch, picOriginalOwner);
        away_ = false;
        return;
    }
    if (Tag() != Loaded) {
        plat::MsgBox(QStringLiteral("You must load the New Owner window first."), plat::mb::Information,
                     QStringLiteral("ZorvaneFormFunctions Demo"));
        return;
    }
    zg::FormFunctions()->SetParent(cmdSwitch, owner);
    owner->setTag(YouHaveIt);
    away_ = true;
}

void frmFormFunctionsDemo::cmdCustom_Click()
{
    plat::formInstance<frmCustom>()->Show();
}

void frmFormFunctionsDemo::Form_QueryUnload(int16_t&, int16_t&)
{
    // Errors ignored statement by statement.
    plat::tryStatement([] { plat::formInstance<frmNewOwner>()->Unload(); });
    plat::tryStatement([] { plat::formInstance<frmCustom>()->Unload(); });
}

void frmFormFunctionsDemo::cmdClose_Click()
{
    Unload();
}
