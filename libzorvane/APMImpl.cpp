#include "APMImpl.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDir>
#include <QFile>
#include <QtGlobal>

#include <algorithm>
#include <cmath>
#include <mutex>
#include <optional>

namespace zg {

namespace {

// One line of a supply's file, trimmed; empty when missing or unreadable.
QString readValue(const QDir& dir, const char* name)
{
    QFile f(dir.filePath(QString::fromLatin1(name)));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(f.read(256)).section(QLatin1Char('\n'), 0, 0).trimmed();
}

// A non-negative number of a supply's file (micro-units in the kernel).
std::optional<double> readNumber(const QDir& dir, const char* name)
{
    bool ok = false;
    const qlonglong v = readValue(dir, name).toLongLong(&ok);
    if (!ok || v < 0)
        return std::nullopt;
    return double(v);
}

struct Battery {
    QString status;
    QString level;
    std::optional<double> capacity;
    std::optional<double> now, full, rate; // energy (µWh, µW) or charge (µAh, µA)
    std::optional<double> timeToEmpty; // seconds, as the kernel gives it
};

Battery readBattery(const QDir& dir)
{
    Battery b;
    b.status = readValue(dir, "status");
    b.level = readValue(dir, "capacity_level");
    b.capacity = readNumber(dir, "capacity");
    if (b.capacity)
        b.capacity = std::clamp(*b.capacity, 0.0, 100.0);
    if (auto e = readNumber(dir, "energy_now")) {
        b.now = e;
        b.full = readNumber(dir, "energy_full");
        b.rate = readNumber(dir, "power_now");
    } else if (auto c = readNumber(dir, "charge_now")) {
        // Charge figures become energy with the voltage, so that batteries
        // of both kinds add up; without a voltage they stay charge.
        auto volts = readNumber(dir, "voltage_now");
        if (!volts || *volts <= 0)
            volts = readNumber(dir, "voltage_min_design");
        const double k = volts && *volts > 0 ? *volts / 1e6 : 1.0;
        b.now = *c * k;
        if (auto f = readNumber(dir, "charge_full"))
            b.full = *f * k;
        if (auto i = readNumber(dir, "current_now"))
            b.rate = *i * k;
    }
    if (b.full && *b.full <= 0)
        b.full.reset();
    b.timeToEmpty = readNumber(dir, "time_to_empty_now");
    return b;
}

bool isMains(const QString& type)
{
    return type == QLatin1String("Mains") || type.startsWith(QLatin1String("USB"));
}

} // namespace

PowerSupplyState readPowerSupplies(const QString& root)
{
    PowerSupplyState s;
    const QDir top(root);
    std::vector<Battery> batteries;
    bool mainsListed = false;
    for (const QString& name : top.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
        const QDir dir(top.filePath(name));
        const QString type = readValue(dir, "type");
        if (type == QLatin1String("Battery")) {
            // A mouse's or headset's battery does not power the machine.
            if (readValue(dir, "scope") == QLatin1String("Device"))
                continue;
            if (readValue(dir, "present") == QLatin1String("0"))
                continue;
            batteries.push_back(readBattery(dir));
        } else if (isMains(type)) {
            mainsListed = true;
            if (readValue(dir, "online") == QLatin1String("1"))
                s.acOnline = true;
        }
    }
    s.batteries = int(batteries.size());
    if (batteries.empty()) {
        s.acOnline = true; // nothing else can power it
        return s;
    }

    bool allFull = true, allFigures = true, anyCritical = false, anyLow = false, anyLevel = false;
    double now = 0, full = 0, rate = 0, capacitySum = 0;
    int capacities = 0;
    for (const Battery& b : batteries) {
        s.charging |= b.status == QLatin1String("Charging");
        s.discharging |= b.status == QLatin1String("Discharging");
        allFull &= b.status == QLatin1String("Full") || b.level == QLatin1String("Full");
        if (!b.level.isEmpty() && b.level != QLatin1String("Unknown")) {
            anyLevel = true;
            anyCritical |= b.level == QLatin1String("Critical");
            anyLow |= b.level == QLatin1String("Low");
        }
        if (b.now && b.full) {
            now += std::min(*b.now, *b.full);
            full += *b.full;
        } else {
            allFigures = false;
        }
        if (b.rate)
            rate += *b.rate;
        if (b.capacity) {
            capacitySum += *b.capacity;
            ++capacities;
        } else if (b.now && b.full) {
            capacitySum += 100.0 * std::min(*b.now, *b.full) / *b.full;
            ++capacities;
        }
    }
    s.full = allFull;
    if (allFigures && full > 0)
        s.percent = int(std::lround(100.0 * now / full));
    else if (capacities > 0)
        s.percent = int(std::lround(capacitySum / capacities));
    s.percent = std::clamp(s.percent, 0, 100);
    if (!mainsListed)
        s.acOnline = !s.discharging;

    if (anyLevel) {
        s.critical = anyCritical;
        s.low = anyLow && !anyCritical;
    } else if (!s.charging && !s.full) {
        s.critical = s.percent <= 5;
        s.low = !s.critical && s.percent <= 15;
    }

    if (s.discharging) {
        if (batteries.size() == 1 && batteries[0].timeToEmpty)
            s.secondsLeft = *batteries[0].timeToEmpty;
        else if (allFigures && rate > 0)
            s.secondsLeft = now / rate * 3600.0;
        else
            for (const Battery& b : batteries)
                s.secondsLeft += b.timeToEmpty.value_or(0);
        if (allFigures && rate > 0)
            s.secondsFullLife = full / rate * 3600.0;
    }
    return s;
}

// ===== The login manager =====

namespace {

class LoginManager final : public PowerManager {
public:
    QString can(const QString& method) override
    {
        QDBusConnection bus = QDBusConnection::systemBus();
        if (!bus.isConnected())
            return {};
        const QDBusMessage reply = bus.call(message(method), QDBus::Block, 3000);
        if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
            return {};
        return reply.arguments().constFirst().toString();
    }

    bool request(const QString& method, bool interactive) override
    {
        if (qEnvironmentVariableIsSet("ZG_TEST"))
            qFatal("A test program reached the real %s request; tests must install a fake (installPowerManager)",
                   qPrintable(method));
        QDBusConnection bus = QDBusConnection::systemBus();
        if (!bus.isConnected())
            return false;
        QDBusMessage m = message(method);
        m << interactive;
        const QDBusMessage reply = bus.call(m, QDBus::Block, 10000);
        return reply.type() == QDBusMessage::ReplyMessage;
    }

private:
    static QDBusMessage message(const QString& method)
    {
        return QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.login1"),
                                              QStringLiteral("/org/freedesktop/login1"),
                                              QStringLiteral("org.freedesktop.login1.Manager"), method);
    }
};

std::mutex seamMutex;
std::shared_ptr<PowerManager>& seam()
{
    static std::shared_ptr<PowerManager> m;
    return m;
}

bool possible(const QString& answer)
{
    return answer == QLatin1String("yes") || answer == QLatin1String("challenge");
}

double days(double seconds) { return seconds > 0 && std::isfinite(seconds) ? seconds / 86400.0 : 0.0; }

} // namespace

std::shared_ptr<PowerManager> powerManager()
{
    std::lock_guard lock(seamMutex);
    auto& m = seam();
    if (!m)
        m = std::make_shared<LoginManager>();
    return m;
}

void installPowerManager(std::shared_ptr<PowerManager> m)
{
    std::lock_guard lock(seamMutex);
    seam() = std::move(m);
}

// ===== The object =====

APMImpl::APMImpl() : APMImpl(QStringLiteral("/sys/class/power_supply"), powerManager()) {}

APMImpl::APMImpl(const QString& powerSupplyRoot, std::shared_ptr<PowerManager> manager)
    : state_(readPowerSupplies(powerSupplyRoot)), manager_(std::move(manager))
{
}

bool APMImpl::PowerFunctionsSupported()
{
    return possible(manager_->can(QStringLiteral("CanSuspend"))) || possible(manager_->can(QStringLiteral("CanHibernate")));
}

bool APMImpl::ACPowerExists() { return state_.acOnline; }
bool APMImpl::BatteryIsCharging() { return state_.charging; }
bool APMImpl::BatteryIsCritical() { return state_.critical; }
bool APMImpl::BatteryIsFull() { return state_.batteries > 0 && state_.full; }
bool APMImpl::BatteryIsLow() { return state_.low; }
int16_t APMImpl::BatteryLifePercent() { return int16_t(state_.percent); }
double APMImpl::BatteryLifeTime() { return days(state_.secondsLeft); }
double APMImpl::BatteryLifeTimeWhenFull() { return days(state_.secondsFullLife); }
bool APMImpl::BatteryPowerExists() { return state_.batteries > 0; }
bool APMImpl::RunningOnBattery() { return state_.batteries > 0 && !state_.acOnline; }
bool APMImpl::Suspend(bool Interactive) { return manager_->request(QStringLiteral("Suspend"), Interactive); }
bool APMImpl::Hibernate(bool Interactive) { return manager_->request(QStringLiteral("Hibernate"), Interactive); }

} // namespace zg
