#include "frmProcessorDemo.h"

#include <Buttons.h>
#include <Label.h>
#include <Library.h>
#include <Numbers.h>
#include <TextBox.h>
#include <Variant.h>
#include <ZorvaneFormFunctions.h>
#include <ZorvaneProcessor.h>
#include <ZorvaneSystem.h>

namespace {

// The processor object, fetched afresh for the one value read from it.
std::shared_ptr<zg::ZorvaneProcessor> Processor()
{
    return zg::System()->Processor();
}

QString number(int16_t v)
{
    return QString::number(v);
}

QString truth(bool v)
{
    return plat::CStr(plat::Variant(v));
}

} // namespace

frmProcessorDemo::frmProcessorDemo() : Form(QStringLiteral(":/forms/frmProcessorDemo.json")) {}

void frmProcessorDemo::bindControls()
{
    Label1 = control<plat::Label>(QStringLiteral("Label1"));
    Label2 = control<plat::Label>(QStringLiteral("Label2"));
    Label3 = control<plat::Label>(QStringLiteral("Label3"));
    lblGeneric = controlArray<plat::Label>(QStringLiteral("lblGeneric"));
    txtActiveProcessors = control<plat::TextBox>(QStringLiteral("txtActiveProcessors"));
    txtArchitecture = control<plat::TextBox>(QStringLiteral("txtArchitecture"));
    txtCount = control<plat::TextBox>(QStringLiteral("txtCount"));
    txtLevel = control<plat::TextBox>(QStringLiteral("txtLevel"));
    txtModel = control<plat::TextBox>(QStringLiteral("txtModel"));
    txtModelNumber = control<plat::TextBox>(QStringLiteral("txtModelNumber"));
    txtOverDrivePresent = control<plat::TextBox>(QStringLiteral("txtOverDrivePresent"));
    txtRawMhz = control<plat::TextBox>(QStringLiteral("txtRawMhz"));
    txtRevision = control<plat::TextBox>(QStringLiteral("txtRevision"));
    txtRevisionString = control<plat::TextBox>(QStringLiteral("txtRevisionString"));
    txtSpeed = control<plat::TextBox>(QStringLiteral("txtSpeed"));
    txtStepping = control<plat::TextBox>(QStringLiteral("txtStepping"));
    txtSupportsMMX = control<plat::TextBox>(QStringLiteral("txtSupportsMMX"));
    txtVendorID = control<plat::TextBox>(QStringLiteral("txtVendorID"));
    cmdClose = control<plat::CommandButton>(QStringLiteral("cmdClose"));

    cmdClose->Click.connect([this] { cmdClose_Click(); });
}

void frmProcessorDemo::Form_Load()
{
    zg::FormFunctions()->CenterFormEx(shared_from_this(), true, false, 0.5f, 0.5f);

    txtActiveProcessors->setText(number(Processor()->ActiveProcessors()));
    txtArchitecture->setText(Processor()->Architecture());
    txtCount->setText(number(Processor()->ProcessorCount()));
    txtLevel->setText(number(Processor()->Level()));
    txtModel->setText(Processor()->Model());
    txtModelNumber->setText(number(Processor()->ModelNumber()));
    txtOverDrivePresent->setText(truth(Processor()->OverDrivePresent()));
    txtRawMhz->setText(number(Processor()->RawMhz()));
    txtRevision->setText(number(Processor()->Revision()));
    txtRevisionString->setText(Processor()->RevisionString());
    txtSpeed->setText(number(Processor()->Speed()));
    txtStepping->setText(Processor()->Stepping());
    txtSupportsMMX->setText(truth(Processor()->SupportsMMX()));
    txtVendorID->setText(Processor()->VendorID());
}

void frmProcessorDemo::cmdClose_Click()
{
    Unload();
}
