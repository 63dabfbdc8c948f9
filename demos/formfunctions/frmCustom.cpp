#include "frmCustom.h"

#include <Buttons.h>
#include <Library.h>
#include <ZorvaneFormFunctions.h>

const char* const frmCustom::ShapePoints =
    "(0,200)-(100,180)-(10,80)-(150,130)-(140,0)-(240,130)-(290,0)-(320,110)-(430,10)-(420,130)-(540,100)-"
    "(460,160)-(560,190)-(420,220)-(520,290)-(340,270)-(380,360)-(280,300)-(220,400)-(170,310)-(85,370)-"
    "(140,270)-(30,290)-(120,230)";

frmCustom::frmCustom()
    : Form(QStringLiteral(":/forms/frmCustom.json"))
{
}

void frmCustom::bindControls()
{
    cmdClose = control<plat::CommandButton>(QStringLiteral("cmdClose"));
    cmdClose->Click.connect([this] { Unload(); });
}

void frmCustom::Form_Load()
{
    const auto self = shared_from_this();
    zg::FormFunctions()->CenterFormEx(self, true, false, 0.5f, 0.5f);
    zg::FormFunctions()->SetFormShapeFromPoints(self, QString::fromLatin1(ShapePoints));
}
