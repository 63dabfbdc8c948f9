// The power state from the kernel's power-supply class
// (/sys/class/power_supply), suspend and hibernate through the login
// manager over the system bus; the login manager behind one replaceable
// seam.
#pragma once
#include "ZorvaneAPM.h"

#include <QString>
#include <memory>

namespace zg {

// What the batteries and mains supplies of a power-supply tree say.
struct PowerSupplyState {
    int batteries = 0;       // present system batteries (peripherals' are left out)
    bool acOnline = false;   // a mains or USB supply is online
    bool charging = false;   // a battery charges
    bool discharging = false;
    bool full = false;       // every battery is full
    bool critical = false;
    bool low = false;
    int percent = 0;         // all batteries together, 0..100
    double secondsLeft = 0;  // time to empty while discharging, else 0
    double secondsFullLife = 0; // what a full charge lasts at the present draw
};

// Reads a tree laid out like /sys/class/power_supply: one folder per
// supply with its "type", "online", "status", "capacity" ... files.
// Unreadable or odd values count as absent.
PowerSupplyState readPowerSupplies(const QString& root);

// The login manager: what it says of an action ("CanSuspend",
// "CanHibernate": "yes", "no", "challenge", "na"; empty without a system
// bus or login manager) and the action itself ("Suspend", "Hibernate").
// Tests install a fake; the real one refuses to act in a test program.
class PowerManager {
public:
    virtual ~PowerManager() = default;
    virtual QString can(const QString& method) = 0;
    virtual bool request(const QString& method, bool interactive) = 0;
};
std::shared_ptr<PowerManager> powerManager();
// Tests: replace it (nullptr goes back to the real one).
void installPowerManager(std::shared_ptr<PowerManager> m);

class APMImpl : public ZorvaneAPM {
public:
    // The machine's supplies and its login manager.
    APMImpl();
    APMImpl(const QString& powerSupplyRoot, std::shared_ptr<PowerManager> manager);

    bool PowerFunctionsSupported() override;
    bool ACPowerExists() override;
    bool BatteryIsCharging() override;
    bool BatteryIsCritical() override;
    bool BatteryIsFull() override;
    bool BatteryIsLow() override;
    int16_t BatteryLifePercent() override;
    double BatteryLifeTime() override;
    double BatteryLifeTimeWhenFull() override;
    bool BatteryPowerExists() override;
    bool RunningOnBattery() override;
    bool Suspend(bool Interactive) override;
    bool Hibernate(bool Interactive) override;

    const PowerSupplyState& state() const { return state_; }

private:
    PowerSupplyState state_;
    std::shared_ptr<PowerManager> manager_;
};

} // namespace zg
