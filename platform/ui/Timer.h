// The timer: ticks on the UI thread every Interval milliseconds (at least
// 10) while Enabled and Interval is above 0. A tick whose handler is still
// running (a message box inside it) is skipped. Tests call fire() instead of
// waiting.
#pragma once
#include "Control.h"

#include <QTimer>

namespace plat {

class Timer : public Control {
public:
    Timer();
    ~Timer() override;

    Event<> Tick; // the runtime's Timer event

    int32_t Interval() const { return interval_; }
    // 0 to 65535 (error 380 outside).
    void setInterval(int32_t ms);
    // Enabled() / setEnabled(): from Control; a timer starts enabled.
    void setEnabled(bool v) override;
    // Whether ticks are due (enabled, an interval, and not taken down).
    bool isRunning() const;
    // The milliseconds between ticks as scheduled.
    int scheduledInterval() const;
    // One tick now (what the clock does; tests call it directly).
    void fire();

    bool hasWindow() const override { return false; }
    bool hasTabIndex() const override { return false; }
    bool hasVisible() const override { return false; }
    bool hasMousePointer() const override { return false; }
    bool canTakeFocus() const override { return false; }
    Variant getProperty(const QString& name) const override;
    void setProperty(const QString& name, const Variant& value) override;
    void beforeUnload() override;

protected:
    QWidget* createWidget(QWidget*) override { return nullptr; }

private:
    void schedule();
    QTimer timer_;
    int32_t interval_ = 0;
    bool ticking_ = false;
    bool down_ = false;
};

} // namespace plat
