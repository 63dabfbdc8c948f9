// The Memory demo's window filled from a fake memory object.
#include "frmMemoryDemo.h"

#include <Application.h>
#include <Buttons.h>
#include <Label.h>
#include <Library.h>
#include <QtPrinters.h>
#include <Register.h>
#include <TextBox.h>
#include <ZorvaneMemory.h>

#include <QCoreApplication>
#include <QLocale>
#include <QStringList>
#include <gtest/gtest.h>

namespace {

// Records every member read, in order, into the test's log.
class FakeMemory : public zg::ZorvaneMemory {
public:
    explicit FakeMemory(QStringList& log) : log_(log) {}
    int64_t TotalPhysical() override { return read("TotalPhysical", 25273421824LL); }
    int64_t TotalVirtual() override { return read("TotalVirtual", 140737488289792LL); }
    int64_t TotalPageFile() override { return read("TotalPageFile", 0); }
    int64_t AvailablePhysical() override { return read("AvailablePhysical", 3000000000LL); }
    int64_t AvailableVirtual() override { return read("AvailableVirtual", 999); }
    int64_t AvailablePageFile() override { return read("AvailablePageFile", 1234567); }
    int64_t AllocGranularity() override { return read("AllocGranularity", 65536); }
    int64_t PageSize() override { return read("PageSize", 4096); }
    int64_t MinApplicationAddress() override { return read("MinApplicationAddress", 65536); }
    int64_t MaxApplicationAddress() override { return read("MaxApplicationAddress", -1); }

private:
    int64_t read(const char* member, int64_t v)
    {
        log_ << QString::fromLatin1(member);
        return v;
    }
    QStringList& log_;
};

class MemoryDemo : public ::testing::Test {
protected:
    void SetUp() override
    {
        zg::registerLibrary();
        zg::installFactory<zg::ZorvaneMemory>([this] {
            ++fetched;
            return std::make_shared<FakeMemory>(reads);
        });
        form = plat::formInstance<frmMemoryDemo>();
    }
    void TearDown() override
    {
        plat::resetUiForTests();
        zg::resetForTests();
    }

    QStringList reads;
    int fetched = 0;
    std::shared_ptr<frmMemoryDemo> form;
};

TEST_F(MemoryDemo, BoxesAreFilledInOrderFromAFreshObjectEach)
{
    form->Load();
    EXPECT_EQ(form->Caption(), "ZorvaneGlobals 3.0 - ZorvaneMemory Demo");
    EXPECT_EQ(reads,
              QStringList({"TotalPhysical", "TotalVirtual", "TotalPageFile", "AvailablePhysical", "AvailableVirtual",
                           "AvailablePageFile", "AllocGranularity", "PageSize", "MinApplicationAddress",
                           "MaxApplicationAddress"}));
    EXPECT_EQ(fetched, 10);

    // Sizes past 32 bits show whole, grouped by thousands.
    EXPECT_EQ(form->txtTotalPhysical->Text(), "25,273,421,824");
    EXPECT_EQ(form->txtTotalVirtual->Text(), "140,737,488,289,792");
    EXPECT_EQ(form->txtTotalPageFile->Text(), "");
    EXPECT_EQ(form->txtAvailablePhysical->Text(), "3,000,000,000");
    EXPECT_EQ(form->txtAvailableVirtual->Text(), "999");
    EXPECT_EQ(form->txtAvailablePageFile->Text(), "1,234,567");
    EXPECT_EQ(form->txtAllocationGranularity->Text(), "65536");
    EXPECT_EQ(form->txtPageSize->Text(), "4096");
    EXPECT_EQ(form->txtMinimumApplicationAddress->Text(), "00010000");
    EXPECT_EQ(form->txtMaximumApplicationAddress->Text(), "FFFFFFFF");
}

TEST_F(MemoryDemo, SizesAreGroupedWithTheSeparatorOfTheProgramsLocale)
{
    // The machine need not have the German locale generated: Qt's own data
    // for it is chosen as the program's locale.
    QLocale::setDefault(QLocale(QStringLiteral("de_DE")));
    form->Load();
    QLocale::setDefault(QLocale::c());
    EXPECT_EQ(form->txtTotalPhysical->Text(), "25.273.421.824");
    EXPECT_EQ(form->txtAvailablePageFile->Text(), "1.234.567");
    EXPECT_EQ(form->txtAvailableVirtual->Text(), "999");
    // Plain decimals are not grouped.
    EXPECT_EQ(form->txtAllocationGranularity->Text(), "65536");
}

TEST_F(MemoryDemo, LabelsAndClose)
{
    form->Load();
    EXPECT_EQ(form->Label1->Caption(), "ZorvaneMemory Class");
    EXPECT_EQ(form->Label3->Caption(), "Memory Object");
    EXPECT_EQ(form->lblGeneric.Count(), 10);
    EXPECT_EQ(form->lblGeneric(0)->Caption(), "TotalPhysical:");
    EXPECT_EQ(form->lblGeneric(6)->Caption(), "AllocGranularity:");
    EXPECT_EQ(form->lblGeneric(9)->Caption(), "MaxApplicationAddress:");
    EXPECT_EQ(form->cmdClose->Caption(), "&Close");
    form->cmdClose->Click.raise();
    EXPECT_FALSE(form->isLoaded());
}

TEST(MemoryDemoAddresses, HexTextOfNarrowAndWideAddresses)
{
    EXPECT_EQ(frmMemoryDemo::addressHex(65536), "10000");
    EXPECT_EQ(frmMemoryDemo::addressHex(-1), "FFFFFFFF");
    EXPECT_EQ(frmMemoryDemo::addressHex(0), "0");
    EXPECT_EQ(frmMemoryDemo::addressHex(0xFFFFFFFFLL), "FFFFFFFF");
    EXPECT_EQ(frmMemoryDemo::addressHex(0x7FFFFFFFEFFFLL), "7FFFFFFFEFFF");
}

} // namespace
