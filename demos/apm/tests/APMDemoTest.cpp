// The power management demo with a made-up power state: nothing here
// suspends or hibernates the machine.
#include "frmAPMDemo.h"

#include <Application.h>
#include <Buttons.h>
#include <Label.h>
#include <Library.h>
#include <Lists.h>
#include <QtPrinters.h>
#include <Register.h>
#include <ZorvaneAPM.h>
#include <ZorvaneFormFunctions.h>

#include <QCoreApplication>
#include <QEvent>
#include <QStringList>
#include <gtest/gtest.h>

namespace {

struct PowerState {
    bool supported = false;
    bool ac = true, charging = false, critical = false, full = false, low = false;
    int16_t percent = 0;
    double lifeDays = 0, fullLifeDays = 0;
    bool battery = false, onBattery = false;
    QStringList requests;
    int objectsMade = 0;
};

class FakeAPM : public zg::ZorvaneAPM {
public:
    explicit FakeAPM(std::shared_ptr<PowerState> s) : s_(std::move(s)) { ++s_->objectsMade; }
    bool PowerFunctionsSupported() override { return s_->supported; }
    bool ACPowerExists() override { return s_->ac; }
    bool BatteryIsCharging() override { return s_->charging; }
    bool BatteryIsCritical() override { return s_->critical; }
    bool BatteryIsFull() override { return s_->full; }
    bool BatteryIsLow() override { return s_->low; }
    int16_t BatteryLifePercent() override { return s_->percent; }
    double BatteryLifeTime() override { return s_->lifeDays; }
    double BatteryLifeTimeWhenFull() override { return s_->fullLifeDays; }
    bool BatteryPowerExists() override { return s_->battery; }
    bool RunningOnBattery() override { return s_->onBattery; }
    bool Suspend(bool Interactive) override
    {
        s_->requests << QStringLiteral("Suspend(%1)").arg(Interactive);
        return true;
    }
    bool Hibernate(bool Interactive) override
    {
        s_->requests << QStringLiteral("Hibernate(%1)").arg(Interactive);
        return true;
    }

private:
    std::shared_ptr<PowerState> s_;
};

class NoCentring : public zg::ZorvaneFormFunctions {
public:
    void CenterFormEx(const plat::ObjectPtr&, bool, bool, float, float) override {}
    bool SetFloatingWindow(const plat::ObjectPtr&, const plat::Variant&) override { return true; }
};

class APMDemo : public ::testing::Test {
protected:
    void SetUp() override
    {
        zg::registerLibrary();
        zg::installFactory<zg::ZorvaneAPM>([s = state] { return std::make_shared<FakeAPM>(s); });
        zg::installShared<zg::ZorvaneFormFunctions>(std::make_shared<NoCentring>());
        plat::setLastFormUnloadedHandler([] {});
    }
    void TearDown() override
    {
        plat::resetUiForTests();
        zg::resetForTests();
    }
    std::shared_ptr<frmAPMDemo> load()
    {
        auto f = plat::formInstance<frmAPMDemo>();
        f->Load();
        return f;
    }
    static QStringList lines(const frmAPMDemo& f)
    {
        QStringList l;
        for (int32_t i = 0; i < f.lstInfo->ListCount(); ++i)
            l << f.lstInfo->List(i);
        return l;
    }

    std::shared_ptr<PowerState> state = std::make_shared<PowerState>();
};

TEST_F(APMDemo, WithoutPowerManagementTheButtonsAreOffAndTheLabelIsRedButTheLinesShow)
{
    const auto f = load();
    EXPECT_EQ(f->Caption(), "ZorvaneGlobals 3.0 - ZorvaneAPM Demo");
    EXPECT_FALSE(f->cmdSuspend->Enabled());
    EXPECT_FALSE(f->cmdHibernate->Enabled());
    EXPECT_EQ(f->lblSupported->Caption(), "Power Functions NOT Supported, or is currently disabled.");
    EXPECT_EQ(f->lblSupported->ForeColor(), 0xC0u);
    EXPECT_EQ(lines(*f), QStringList({
                             "ACPowerExists = True",
                             "BatteryIsCharging = False",
                             "BatteryIsCritical = False",
                             "BatteryIsFull = False",
                             "BatteryIsLow = False",
                             "BatteryLifePercent = 0",
                             "BatteryLifeTime = 00:00:00",
                             "BatteryLifeTimeWhenFull = 00:00:00",
                             "BatteryPowerExists = False",
                             "RunningOnBattery = False",
                         }));
    // The power object is fetched again for the check and for every value.
    EXPECT_EQ(state->objectsMade, 11);
}

TEST_F(APMDemo, ABatteryOnItsWayDownShowsItsSpans)
{
    state->supported = true;
    state->ac = false;
    state->low = true;
    state->percent = 23;
    state->lifeDays = 1.5 / 24; // 1 hour 30 minutes
    state->fullLifeDays = (6 * 3600 + 30 * 60 + 15) / 86400.0;
    state->battery = state->onBattery = true;
    const auto f = load();
    EXPECT_TRUE(f->cmdSuspend->Enabled());
    EXPECT_TRUE(f->cmdHibernate->Enabled());
    EXPECT_EQ(f->lblSupported->Caption(), "Power Functions Supported");
    const QStringList l = lines(*f);
    ASSERT_EQ(l.size(), 10);
    EXPECT_EQ(l[0], "ACPowerExists = False");
    EXPECT_EQ(l[4], "BatteryIsLow = True");
    EXPECT_EQ(l[5], "BatteryLifePercent = 23");
    EXPECT_EQ(l[6], "BatteryLifeTime = 01:30:00");
    EXPECT_EQ(l[7], "BatteryLifeTimeWhenFull = 06:30:15");
    EXPECT_EQ(l[8], "BatteryPowerExists = True");
    EXPECT_EQ(l[9], "RunningOnBattery = True");
}

TEST_F(APMDemo, SuspendAndHibernateAskWithFalse)
{
    state->supported = true;
    const auto f = load();
    f->cmdSuspend->Click.raise();
    f->cmdHibernate->Click.raise();
    EXPECT_EQ(state->requests, QStringList({"Suspend(0)", "Hibernate(0)"}));
}

} // namespace
