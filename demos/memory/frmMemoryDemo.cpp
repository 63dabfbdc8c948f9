#include "frmMemoryDemo.h"

#include <Buttons.h>
#include <Label.h>
#include <Library.h>
#include <Numbers.h>
#include <TextBox.h>
#include <Variant.h>
#include <ZorvaneFormFunctions.h>
#include <ZorvaneMemory.h>
#include <ZorvaneStrings.h>
#include <ZorvaneSystem.h>

#include <limits>

namespace {

// The memory object, fetched afresh for the one value read from it.
std::shared_ptr<zg::ZorvaneMemory> Memory()
{
    return zg::System()->Memory();
}

QString grouped(int64_t v)
{
    return plat::formatThousands(double(v));
}

QString widenedAddress(int64_t address)
{
    return zg::Strings()->PadToWidth(plat::Variant(frmMemoryDemo::addressHex(address)), 8);
}

} // namespace

frmMemoryDemo::frmMemoryDemo() : Form(QStringLiteral(":/forms/frmMemoryDemo.json")) {}

QString frmMemoryDemo::addressHex(int64_t address)
{
    if (address >= std::numeric_limits<int32_t>::min() && address <= std::numeric_limits<uint32_t>::max())
        return QString::number(uint32_t(address), 16).toUpper();
    return QString::number(uint64_t(address), 16).toUpper();
}

void frmMemoryDemo::bindControls()
{
    Label1 = control<plat::Label>(QStringLiteral("Label1"));
    Label2 = control<plat::Label>(QStringLiteral("Label2"));
    Label3 = control<plat::Label>(QStringLiteral("Label3"));
    lblGeneric = controlArray<plat::Label>(QStringLiteral("lblGeneric"));
    txtTotalPhysical = control<plat::TextBox>(QStringLiteral("txtTotalPhysical"));
    txtTotalVirtual = control<plat::TextBox>(QStringLiteral("txtTotalVirtual"));
    txtTotalPageFile = control<plat::TextBox>(QStringLiteral("txtTotalPageFile"));
    txtAvailablePhysical = control<plat::TextBox>(QStringLiteral("txtAvailablePhysical"));
    txtAvailableVirtual = control<plat::TextBox>(QStringLiteral("txtAvailableVirtual"));
    txtAvailablePageFile = control<plat::TextBox>(QStringLiteral("txtAvailablePageFile"));
    txtAllocationGranularity = control<plat::TextBox>(QStringLiteral("txtAllocationGranularity"));
    txtPageSize = control<plat::TextBox>(QStringLiteral("txtPageSize"));
    txtMinimumApplicationAddress = control<plat::TextBox>(QStringLiteral("txtMinimumApplicationAddress"));
    txtMaximumApplicationAddress = control<plat::TextBox>(QStringLiteral("txtMaximumApplicationAddress"));
    cmdClose = control<plat::CommandButton>(QStringLiteral("cmdClose"));

    cmdClose->Click.connect([this] { cmdClose_Click(); });
}

void frmMemoryDemo::Form_Load()
{
    zg::FormFunctions()->CenterFormEx(shared_from_this(), true, false, 0.5f, 0.5f);

    txtTotalPhysical->setText(grouped(Memory()->TotalPhysical()));
    txtTotalVirtual->setText(grouped(Memory()->TotalVirtual()));
    txtTotalPageFile->setText(grouped(Memory()->TotalPageFile()));
    txtAvailablePhysical->setText(grouped(Memory()->AvailablePhysical()));
    txtAvailableVirtual->setText(grouped(Memory()->AvailableVirtual()));
    txtAvailablePageFile->setText(grouped(Memory()->AvailablePageFile()));
    txtAllocationGranularity->setText(QString::number(Memory()->AllocGranularity()));
    txtPageSize->setText(QString::number(Memory()->PageSize()));
    txtMinimumApplicationAddress->setText(widenedAddress(Memory()->MinApplicationAddress()));
    txtMaximumApplicationAddress->setText(widenedAddress(Memory()->MaxApplicationAddress()));
}

void frmMemoryDemo::cmdClose_Click()
{
    Unload();
}
