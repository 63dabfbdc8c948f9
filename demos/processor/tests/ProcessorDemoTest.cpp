// The Processor demo's window filled from a fake processor object.
#include "frmProcessorDemo.h"

#include <Application.h>
#include <Buttons.h>
#include <Label.h>
#include <Library.h>
#include <QtPrinters.h>
#include <Register.h>
#include <SystemImpl.h>
#include <TextBox.h>
#include <ZorvaneProcessor.h>

#include <QCoreApplication>
#include <QStringList>
#include <gtest/gtest.h>

namespace {

class FakeProcessor : public zg::ZorvaneProcessor {
public:
    explicit FakeProcessor(QStringList& log) : log_(log) {}
    int16_t ActiveProcessors() override { return read("ActiveProcessors", int16_t(8)); }
    QString Architecture() override { return read("Architecture", QStringLiteral("x86_64")); }
    int16_t ProcessorCount() override { return read("ProcessorCount", int16_t(16)); }
    int16_t Level() override { return read("Level", int16_t(25)); }
    QString Model() override { return read("Model", QStringLiteral("AMD EPYC")); }
    int16_t ModelNumber() override { return read("ModelNumber", int16_t(17)); }
    bool OverDrivePresent() override { return read("OverDrivePresent", false); }
    int16_t RawMhz() override { return read("RawMhz", int16_t(2596)); }
    int16_t Revision() override { return read("Revision", int16_t(1)); }
    QString RevisionString() override { return read("RevisionString", QStringLiteral("Model 17, Stepping 1")); }
    int16_t Speed() override { return read("Speed", int16_t(3000)); }
    QString Stepping() override { return read("Stepping", QStringLiteral("1")); }
    bool SupportsMMX() override { return read("SupportsMMX", true); }
    QString VendorID() override { return read("VendorID", QStringLiteral("AuthenticAMD")); }

private:
    template <class T>
    T read(const char* member, T v)
    {
        log_ << QString::fromLatin1(member);
        return v;
    }
    QStringList& log_;
};

class FakeSystem : public zg::SystemImpl {
public:
    FakeSystem(QStringList& log, int& fetched) : log_(log), fetched_(fetched) {}
    std::shared_ptr<zg::ZorvaneProcessor> Processor() override
    {
        ++fetched_;
        return std::make_shared<FakeProcessor>(log_);
    }

private:
    QStringList& log_;
    int& fetched_;
};

class ProcessorDemo : public ::testing::Test {
protected:
    void SetUp() override
    {
        zg::registerLibrary();
        zg::installShared<zg::ZorvaneSystem>(std::make_shared<FakeSystem>(reads, fetched));
        form = plat::formInstance<frmProcessorDemo>();
    }
    void TearDown() override
    {
        plat::resetUiForTests();
        zg::resetForTests();
    }

    QStringList reads;
    int fetched = 0;
    std::shared_ptr<frmProcessorDemo> form;
};

TEST_F(ProcessorDemo, BoxesAreFilledInOrderFromAFreshObjectEach)
{
    form->Load();
    EXPECT_EQ(form->Caption(), "ZorvaneGlobals 3.0 - ZorvaneProcessor Demo");
    EXPECT_EQ(reads, QStringList({"ActiveProcessors", "Architecture", "ProcessorCount", "Level", "Model",
                                  "ModelNumber", "OverDrivePresent", "RawMhz", "Revision", "RevisionString",
                                  "Speed", "Stepping", "SupportsMMX", "VendorID"}));
    EXPECT_EQ(fetched, 14);

    EXPECT_EQ(form->txtActiveProcessors->Text(), "8");
    EXPECT_EQ(form->txtArchitecture->Text(), "x86_64");
    EXPECT_EQ(form->txtCount->Text(), "16");
    EXPECT_EQ(form->txtLevel->Text(), "25");
    EXPECT_EQ(form->txtModel->Text(), "AMD EPYC");
    EXPECT_EQ(form->txtModelNumber->Text(), "17");
    EXPECT_EQ(form->txtOverDrivePresent->Text(), "False");
    EXPECT_EQ(form->txtRawMhz->Text(), "2596");
    EXPECT_EQ(form->txtRevision->Text(), "1");
    EXPECT_EQ(form->txtRevisionString->Text(), "Model 17, Stepping 1");
    EXPECT_EQ(form->txtSpeed->Text(), "3000");
    EXPECT_EQ(form->txtStepping->Text(), "1");
    EXPECT_EQ(form->txtSupportsMMX->Text(), "True");
    EXPECT_EQ(form->txtVendorID->Text(), "AuthenticAMD");
}

TEST_F(ProcessorDemo, LabelsAndClose)
{
    form->Load();
    EXPECT_EQ(form->Label1->Caption(), "ZorvaneProcessor Class");
    EXPECT_EQ(form->Label2->Caption(), "Processor Object");
    EXPECT_EQ(form->lblGeneric.Count(), 14);
    EXPECT_EQ(form->lblGeneric(2)->Caption(), "Quantity Installed:");
    EXPECT_EQ(form->lblGeneric(7)->Caption(), "Raw Speed (Mhz):");
    EXPECT_EQ(form->lblGeneric(13)->Caption(), "Vendor ID:");
    EXPECT_EQ(form->cmdClose->Caption(), "&Close");
    form->cmdClose->Click.raise();
    EXPECT_FALSE(form->isLoaded());
}

} // namespace
