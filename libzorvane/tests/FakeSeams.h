// Stand-ins for what changes the real machine: the display mode switch and
// the login manager. Every test that reaches a mode object or a power
// object installs these.
#pragma once
#include "APMImpl.h"
#include "ScreenModesImpl.h"

#include <QStringList>
#include <vector>

namespace zgtest {

class FakeDisplayModeSwitch : public zg::DisplayModeSwitch {
public:
    bool switches = true;
    bool saves = true;
    std::vector<zg::DisplayMode> switched, saved;
    bool switchTo(const zg::DisplayMode& m) override
    {
        switched.push_back(m);
        return switches;
    }
    bool save(const zg::DisplayMode& m) override
    {
        saved.push_back(m);
        return saves;
    }
};

class FakePowerManager : public zg::PowerManager {
public:
    QString canSuspend, canHibernate;
    QStringList requests;
    bool accepts = true;
    QString can(const QString& method) override
    {
        return method == QLatin1String("CanSuspend") ? canSuspend : method == QLatin1String("CanHibernate") ? canHibernate : QString();
    }
    bool request(const QString& method, bool interactive) override
    {
        requests << method + (interactive ? QStringLiteral("(interactive)") : QStringLiteral("(quiet)"));
        return accepts;
    }
};

} // namespace zgtest
