#include "frmNewOwner.h"

#include "frmFormFunctionsDemo.h"

#include <Buttons.h>
#include <Containers.h>
#include <Library.h>
#include <ZorvaneFormFunctions.h>

frmNewOwner::frmNewOwner()
    : Form(QStringLiteral(":/forms/frmNewOwner.json"))
{
}

void frmNewOwner::Form_Load()
{
    zg::FormFunctions()->CenterFormEx(shared_from_this(), true, false, 0.25f, 0.25f);
    plat::formInstance<frmFormFunctionsDemo>()->setTag(QStringLiteral("LOADED"));
}

void frmNewOwner::Form_QueryUnload(int16_t&, int16_t&)
{
    const auto main = plat::formInstance<frmFormFunctionsDemo>();
    if (Tag() == QLatin1String("YOU HAVE IT")) {
        setTag(QString());
        zg::FormFunctions()->SetParent(main->cmdSwitch, main->picOriginalOwner);
    }
    main->setTag(QString());
}
