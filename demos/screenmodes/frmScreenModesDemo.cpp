#include "frmScreenModesDemo.h"

#include <Buttons.h>
#include <Label.h>
#include <Library.h>
#include <Lists.h>
#include <MsgBox.h>
#include <Numbers.h>
#include <ZorvaneFormFunctions.h>
#include <ZorvaneScreenModes.h>
#include <ZorvaneSystem.h>

namespace {

QString modeText(zg::ScreenMode& m)
{
    return QString::number(m.Width()) + QStringLiteral(" x ") + QString::number(m.Height()) + QStringLiteral(" at ")
        + plat::formatThousands(m.Colors()) + QStringLiteral(" Colors -> ") + QString::number(m.Frequency())
        + QStringLiteral(" Hz");
}

} // namespace

frmScreenModesDemo::frmScreenModesDemo()
    : Form(QStringLiteral(":/forms/frmScreenModesDemo.json"))
{
}

void frmScreenModesDemo::bindControls()
{
    lblGeneral = controlArray<plat::Label>(QStringLiteral("lblGeneral"));
    lstModes = control<plat::ListBox>(QStringLiteral("lstModes"));
    lblCurrentMode = control<plat::Label>(QStringLiteral("lblCurrentMode"));
    cmdMakeCurrent = control<plat::CommandButton>(QStringLiteral("cmdMakeCurrent"));
    cmdMakeCurrentAndSave = control<plat::CommandButton>(QStringLiteral("cmdMakeCurrentAndSave"));
    cmdClose = control<plat::CommandButton>(QStringLiteral("cmdClose"));

    cmdMakeCurrent->Click.connect([this] { cmdMakeCurrent_Click(); });
    cmdMakeCurrentAndSave->Click.connect([this] { cmdMakeCurrentAndSave_Click(); });
    lstModes->DblClick.connect([this] { lstModes_DblClick(); });
    cmdClose->Click.connect([this] { cmdClose_Click(); });
}

void frmScreenModesDemo::Form_Load()
{
    zg::FormFunctions()->CenterFormEx(shared_from_this(), true, false, 0.5f, 0.5f);
    for (int16_t i = 1; i <= zg::System()->ScreenModes()->ModeCount(); i = plat::add16(i, 1)) {
        int16_t index = i;
        lstModes->AddItem(modeText(*zg::System()->ScreenModes()->Item(index)));
        lstModes->setItemData(lstModes->NewIndex(), i);
    }
    ShowCurrentMode();
}

void frmScreenModesDemo::ShowCurrentMode()
{
    const auto current = zg::System()->ScreenModes()->CurrentMode();
    lblCurrentMode->setCaption(modeText(*current) + QLatin1Char('.'));
}

void frmScreenModesDemo::SwitchToSelected(bool save)
{
    if (lstModes->ListIndex() != -1) {
        int16_t index = plat::checked16(lstModes->ItemData(lstModes->ListIndex()));
        const auto mode = zg::System()->ScreenModes()->Item(index);
        const bool switched = save ? mode->MakeCurrentAndSave() : mode->MakeCurrent();
        if (!switched) {
            const QString refused = QStringLiteral("Windows would not allow you to switch to that screen mode.  ");
            const QString why = zg::System()->ScreenModes()->Item(index)->Colors() == 16.0
                ? QStringLiteral("Windows may be restricting 16 color modes to 'Safe Mode'.")
                : QStringLiteral("Your adapter may not support dynamic switching, or make restrict the selection of "
                                 "available modes, usually to resolutions with the same amount of colors.");
            plat::MsgBox(refused + why, plat::mb::Information, QStringLiteral("ZorvaneScreenModes 3.0 Demo"));
        }
    }
    ShowCurrentMode();
}

void frmScreenModesDemo::cmdMakeCurrent_Click() { SwitchToSelected(false); }
void frmScreenModesDemo::cmdMakeCurrentAndSave_Click() { SwitchToSelected(true); }
void frmScreenModesDemo::lstModes_DblClick() { cmdMakeCurrentAndSave_Click(); }
void frmScreenModesDemo::cmdClose_Click() { Unload(); }
