#include "APMImpl.h"
#include "FakeSeams.h"
#include "QtPrinters.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <map>

namespace {

using zgtest::FakePowerManager;
using Files = std::map<QString, QString>;

// A power-supply tree laid out as the kernel's, with the files a laptop's
// battery and adapter show.
class SupplyTree {
public:
    void add(const QString& name, const Files& files)
    {
        QDir().mkpath(dir.filePath(name));
        for (const auto& [file, value] : files) {
            QFile f(dir.filePath(name + QLatin1Char('/') + file));
            EXPECT_TRUE(f.open(QIODevice::WriteOnly));
            f.write((value + QLatin1Char('\n')).toUtf8());
        }
    }
    void adapter(bool online) { add(QStringLiteral("AC"), {{"type", "Mains"}, {"online", online ? "1" : "0"}}); }
    QString root() const { return dir.path(); }

private:
    QTemporaryDir dir;
};

Files battery(const QString& status, const QString& level, int capacity, long long energyNow, long long energyFull,
              long long powerNow)
{
    return {{"type", "Battery"}, {"present", "1"}, {"status", status}, {"capacity_level", level},
            {"capacity", QString::number(capacity)}, {"energy_now", QString::number(energyNow)},
            {"energy_full", QString::number(energyFull)}, {"power_now", QString::number(powerNow)},
            {"technology", "Li-ion"}, {"voltage_now", "12100000"}, {"manufacturer", "Maker"}};
}

constexpr double Hour = 1.0 / 24.0;

class Power : public ::testing::Test {
protected:
    zg::APMImpl apm() { return zg::APMImpl(tree.root(), manager); }
    SupplyTree tree;
    std::shared_ptr<FakePowerManager> manager = std::make_shared<FakePowerManager>();
};

TEST_F(Power, ChargingOnTheAdapter)
{
    tree.adapter(true);
    tree.add("BAT0", battery("Charging", "Normal", 50, 25000000, 50000000, 10000000));
    auto p = apm();
    EXPECT_TRUE(p.ACPowerExists());
    EXPECT_TRUE(p.BatteryIsCharging());
    EXPECT_FALSE(p.BatteryIsFull());
    EXPECT_FALSE(p.BatteryIsLow());
    EXPECT_FALSE(p.BatteryIsCritical());
    EXPECT_EQ(p.BatteryLifePercent(), 50);
    EXPECT_EQ(p.BatteryLifeTime(), 0.0); // not discharging
    EXPECT_TRUE(p.BatteryPowerExists());
    EXPECT_FALSE(p.RunningOnBattery());
}

TEST_F(Power, DischargingComputesTheTimesFromEnergyAndPower)
{
    tree.adapter(false);
    tree.add("BAT0", battery("Discharging", "Normal", 38, 15000000, 40000000, 10000000));
    auto p = apm();
    EXPECT_FALSE(p.ACPowerExists());
    EXPECT_TRUE(p.RunningOnBattery());
    EXPECT_FALSE(p.BatteryIsCharging());
    EXPECT_EQ(p.BatteryLifePercent(), 38); // 15 of 40 Wh
    EXPECT_DOUBLE_EQ(p.BatteryLifeTime(), 1.5 * Hour);
    EXPECT_DOUBLE_EQ(p.BatteryLifeTimeWhenFull(), 4 * Hour);
}

TEST_F(Power, TheKernelsOwnTimeToEmptyIsTakenWhereItGivesOne)
{
    Files b = battery("Discharging", "Normal", 60, 30000000, 50000000, 0);
    b["time_to_empty_now"] = "5400";
    tree.add("BAT0", b);
    auto p = apm();
    EXPECT_DOUBLE_EQ(p.BatteryLifeTime(), 1.5 * Hour);
    EXPECT_EQ(p.BatteryLifeTimeWhenFull(), 0.0); // no draw to compute it from
    EXPECT_FALSE(p.ACPowerExists()); // no adapter listed, discharging
}

TEST_F(Power, ChargeFiguresWithAVoltageWorkLikeEnergy)
{
    tree.adapter(false);
    tree.add("BAT1", {{"type", "Battery"}, {"status", "Discharging"}, {"charge_now", "2000000"},
                      {"charge_full", "4000000"}, {"current_now", "1000000"}, {"voltage_now", "11000000"}});
    auto p = apm();
    EXPECT_EQ(p.BatteryLifePercent(), 50);
    EXPECT_DOUBLE_EQ(p.BatteryLifeTime(), 2 * Hour);
    EXPECT_FALSE(p.BatteryIsLow());
}

TEST_F(Power, FullAndCriticalFollowTheKernelsLevels)
{
    {
        SupplyTree full;
        full.adapter(true);
        full.add("BAT0", battery("Full", "Full", 100, 50000000, 50000000, 0));
        zg::APMImpl p(full.root(), manager);
        EXPECT_TRUE(p.BatteryIsFull());
        EXPECT_FALSE(p.BatteryIsCharging());
        EXPECT_FALSE(p.BatteryIsLow());
        EXPECT_EQ(p.BatteryLifePercent(), 100);
    }
    {
        SupplyTree critical;
        critical.adapter(false);
        critical.add("BAT0", battery("Discharging", "Critical", 3, 1500000, 50000000, 9000000));
        zg::APMImpl p(critical.root(), manager);
        EXPECT_TRUE(p.BatteryIsCritical());
        EXPECT_FALSE(p.BatteryIsLow());
        EXPECT_FALSE(p.BatteryIsFull());
    }
    {
        // Without levels: the percentage decides.
        SupplyTree noLevel;
        noLevel.add("BAT0", {{"type", "Battery"}, {"status", "Discharging"}, {"capacity", "12"}});
        zg::APMImpl p(noLevel.root(), manager);
        EXPECT_TRUE(p.BatteryIsLow());
        EXPECT_FALSE(p.BatteryIsCritical());
        EXPECT_EQ(p.BatteryLifePercent(), 12);
        EXPECT_EQ(p.BatteryLifeTime(), 0.0);
    }
}

TEST_F(Power, TwoBatteriesAddUpAndAPeripheralsBatteryIsLeftOut)
{
    tree.adapter(false);
    tree.add("BAT0", battery("Discharging", "Normal", 50, 20000000, 40000000, 10000000));
    tree.add("BAT1", battery("Unknown", "Normal", 50, 10000000, 20000000, 0));
    tree.add("hidpp_battery_0", {{"type", "Battery"}, {"scope", "Device"}, {"status", "Discharging"},
                                 {"capacity_level", "Critical"}, {"capacity", "1"}});
    auto p = apm();
    EXPECT_EQ(p.state().batteries, 2);
    EXPECT_EQ(p.BatteryLifePercent(), 50);
    EXPECT_DOUBLE_EQ(p.BatteryLifeTime(), 3 * Hour); // 30 Wh at 10 W
    EXPECT_FALSE(p.BatteryIsCritical());              // the mouse's battery says so, not the machine's
    EXPECT_FALSE(p.BatteryIsFull());
}

TEST_F(Power, NoBatteryGivesNeutralValuesAndOddFilesAreIgnored)
{
    tree.adapter(true);
    tree.add("BAT9", {{"type", "Battery"}, {"present", "0"}});
    for (const QString& root : {tree.root(), QStringLiteral("/nonexistent/power_supply")}) {
        zg::APMImpl p(root, manager);
        EXPECT_TRUE(p.ACPowerExists());
        EXPECT_FALSE(p.BatteryIsCharging());
        EXPECT_FALSE(p.BatteryIsCritical());
        EXPECT_FALSE(p.BatteryIsFull());
        EXPECT_FALSE(p.BatteryIsLow());
        EXPECT_EQ(p.BatteryLifePercent(), 0);
        EXPECT_EQ(p.BatteryLifeTime(), 0.0);
        EXPECT_EQ(p.BatteryLifeTimeWhenFull(), 0.0);
        EXPECT_FALSE(p.BatteryPowerExists());
        EXPECT_FALSE(p.RunningOnBattery());
    }

    SupplyTree odd;
    odd.add("BAT0", {{"type", "Battery"}, {"status", "Discharging"}, {"capacity", "250"}, {"energy_now", "-4"},
                     {"energy_full", "0"}, {"power_now", "lots"}});
    zg::APMImpl p(odd.root(), manager);
    EXPECT_EQ(p.BatteryLifePercent(), 100); // clamped
    EXPECT_EQ(p.BatteryLifeTime(), 0.0);
}

TEST_F(Power, TheLoginManagerDecidesSupportAndTakesTheRequests)
{
    auto p = apm();
    EXPECT_FALSE(p.PowerFunctionsSupported()); // no answer: no bus or no login manager
    manager->canSuspend = "no";
    manager->canHibernate = "na";
    EXPECT_FALSE(p.PowerFunctionsSupported());
    manager->canHibernate = "challenge";
    EXPECT_TRUE(p.PowerFunctionsSupported());
    manager->canSuspend = "yes";
    manager->canHibernate = "no";
    EXPECT_TRUE(p.PowerFunctionsSupported());

    EXPECT_TRUE(p.Suspend(false));
    manager->accepts = false;
    EXPECT_FALSE(p.Hibernate(true));
    EXPECT_EQ(manager->requests, QStringList({"Suspend(quiet)", "Hibernate(interactive)"}));
}

} // namespace
