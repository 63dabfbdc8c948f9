#include "frmAPMDemo.h"

#include <Buttons.h>
#include <Label.h>
#include <Library.h>
#include <Lists.h>
#include <Numbers.h>
#include <ZorvaneAPM.h>
#include <ZorvaneFormFunctions.h>
#include <ZorvaneSystem.h>

frmAPMDemo::frmAPMDemo()
    : Form(QStringLiteral(":/forms/frmAPMDemo.json"))
{
}

void frmAPMDemo::bindControls()
{
    lstInfo = control<plat::ListBox>(QStringLiteral("lstInfo"));
    lblSupported = control<plat::Label>(QStringLiteral("lblSupported"));
    cmdSuspend = control<plat::CommandButton>(QStringLiteral("cmdSuspend"));
    cmdHibernate = control<plat::CommandButton>(QStringLiteral("cmdHibernate"));
    cmdClose = control<plat::CommandButton>(QStringLiteral("cmdClose"));

    cmdSuspend->Click.connect([this] { cmdSuspend_Click(); });
    cmdHibernate->Click.connect([this] { cmdHibernate_Click(); });
    cmdClose->Click.connect([this] { cmdClose_Click(); });
}

void frmAPMDemo::Form_Load()
{
    zg::FormFunctions()->CenterFormEx(shared_from_this(), true, false, 0.5f, 0.5f);

    if (!zg::System()->Power()->PowerFunctionsSupported()) {
        cmdSuspend->setEnabled(false);
        cmdHibernate->setEnabled(false);
        lblSupported->setCaption(QStringLiteral("Power Functions NOT Supported, or is currently disabled."));
        lblSupported->setForeColor(0xC0);
    }

    auto line = [this](const char* name, const QString& value) {
        lstInfo->AddItem(QString::fromLatin1(name) + QStringLiteral(" = ") + value);
    };
    // The power object is fetched again for every value.
    auto power = [] { return zg::System()->Power(); };
    line("ACPowerExists", plat::booleanText(power()->ACPowerExists()));
    line("BatteryIsCharging", plat::booleanText(power()->BatteryIsCharging()));
    line("BatteryIsCritical", plat::booleanText(power()->BatteryIsCritical()));
    line("BatteryIsFull", plat::booleanText(power()->BatteryIsFull()));
    line("BatteryIsLow", plat::booleanText(power()->BatteryIsLow()));
    line("BatteryLifePercent", QString::number(power()->BatteryLifePercent()));
    line("BatteryLifeTime", plat::timeSpanTextFromDays(power()->BatteryLifeTime()));
    line("BatteryLifeTimeWhenFull", plat::timeSpanTextFromDays(power()->BatteryLifeTimeWhenFull()));
    line("BatteryPowerExists", plat::booleanText(power()->BatteryPowerExists()));
    line("RunningOnBattery", plat::booleanText(power()->RunningOnBattery()));
}

void frmAPMDemo::cmdSuspend_Click() { zg::System()->Power()->Suspend(false); }
void frmAPMDemo::cmdHibernate_Click() { zg::System()->Power()->Hibernate(false); }
void frmAPMDemo::cmdClose_Click() { Unload(); }
