#include "Timer.h"

#include <algorithm>

namespace plat {

namespace {
constexpr int MinimumInterval = 10;
} // namespace

Timer::Timer()
{
    QObject::connect(&timer_, &QTimer::timeout, [this] { fire(); });
}

Timer::~Timer() { timer_.stop(); }

bool Timer::isRunning() const { return !down_ && Control::Enabled() && interval_ > 0; }

int Timer::scheduledInterval() const { return std::max(MinimumInterval, int(interval_)); }

void Timer::schedule()
{
    if (isRunning())
        timer_.start(scheduledInterval()); // restarts the count, as the runtime does
    else
        timer_.stop();
}

void Timer::setInterval(int32_t ms)
{
    if (ms < 0 || ms > 65535)
        raise(err::InvalidProperty);
    interval_ = ms;
    schedule();
}

void Timer::setEnabled(bool v)
{
    // Only a change starts or stops the clock; setting Interval restarts it.
    if (v == Control::Enabled())
        return;
    Control::setEnabled(v);
    schedule();
}

void Timer::fire()
{
    if (ticking_)
        return;
    auto keep = shared_from_this(); // the handler may unload the form
    ticking_ = true;
    Tick.raise();
    ticking_ = false;
}

void Timer::beforeUnload()
{
    down_ = true;
    timer_.stop();
}

Variant Timer::getProperty(const QString& name) const
{
    if (is(name, "Interval"))
        return Variant(interval_);
    return Control::getProperty(name);
}

void Timer::setProperty(const QString& name, const Variant& value)
{
    if (is(name, "Interval"))
        setInterval(value.toLong());
    else
        Control::setProperty(name, value);
}

} // namespace plat
