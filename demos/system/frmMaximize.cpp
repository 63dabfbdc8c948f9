#include "frmMaximize.h"

#include <Buttons.h>
#include <Library.h>
#include <ZorvaneFormFunctions.h>

namespace sysdemo {

frmMaximize::frmMaximize()
    : Form(QStringLiteral(":/forms/frmMaximize.json"))
{
}

void frmMaximize::bindControls()
{
    cmdClose = control<plat::CommandButton>(QStringLiteral("cmdClose"));
    cmdClose->Click.connect([this] { cmdClose_Click(); });
}

void frmMaximize::Form_Load()
{
    zg::FormFunctions()->CenterFormEx(shared_from_this(), true, false, 0.5f, 0.5f);
}

void frmMaximize::cmdClose_Click()
{
    Unload();
}

} // namespace sysdemo
