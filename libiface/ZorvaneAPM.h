// Power status, suspend and hibernate, reached through ZorvaneSystem::Power
// (a new object at every use, read from the machine when it is made).
// Without batteries the battery values are neutral: False, 0 percent and
// spans of zero.
#pragma once
#include <QString>
#include <cstdint>
#include <memory>

namespace zg {

class ZorvaneAPM {
public:
    static constexpr const char* ClassId = "{8B1E5D27-0C4A-4F9B-A3D6-71E2C95F0B44}";
    static constexpr const char* InterfaceId = "{7EC6597F-BC1C-11D2-94CF-004005455FAA}";
    static constexpr const char* ClassName = "ZorvaneAPM";

    virtual ~ZorvaneAPM() = default;

    // Whether the machine can be suspended or hibernated now, as the login
    // manager says (False without it or without a system bus).
    virtual bool PowerFunctionsSupported() = 0;
    // A mains supply is online (True for a machine without batteries or
    // supplies listed: it runs from the mains).
    virtual bool ACPowerExists() = 0;
    virtual bool BatteryIsCharging() = 0;
    // The kernel's capacity level says Critical (without a level: 5 percent
    // or less while not charging).
    virtual bool BatteryIsCritical() = 0;
    // Every battery is full.
    virtual bool BatteryIsFull() = 0;
    // The level says Low (without a level: 15 percent or less while not
    // charging, and not critical).
    virtual bool BatteryIsLow() = 0;
    // The charge of all batteries together, 0 to 100.
    virtual int16_t BatteryLifePercent() = 0;
    // Time spans as date values (days): the time left while discharging,
    // and the time a full charge lasts at the present draw; 0 where the
    // batteries are not discharging or give no figures.
    virtual double BatteryLifeTime() = 0;
    virtual double BatteryLifeTimeWhenFull() = 0;
    virtual bool BatteryPowerExists() = 0;
    // Batteries present and no mains supply online.
    virtual bool RunningOnBattery() = 0;
    // Ask the login manager to suspend or hibernate the machine. With
    // Interactive True it may ask the user for permission. True when the
    // request was accepted.
    virtual bool Suspend(bool Interactive) = 0;
    virtual bool Hibernate(bool Interactive) = 0;
};

} // namespace zg
