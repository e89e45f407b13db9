// The reel controller's interval timer on a Qt timer of the user-interface
// thread.
#pragma once

#include "timing/intervaltimer.h"

#include <QTimer>

#include <functional>

namespace ui {

class QtIntervalTimer : public timing::IntervalTimer {
public:
    // Runs a tick, or decides not to: the main window runs its ticks through
    // the program's lifetime, so that none runs once the program is ending.
    using TickRunner = std::function<void(const std::function<void()> &tick)>;

    explicit QtIntervalTimer(TickRunner runner);
    // Ticks run as they come.
    QtIntervalTimer();

    void setInterval(int milliseconds) override;
    int interval() const override { return m_interval; }

    // Enabled is the timer's own property: an enabled timer with an interval
    // of 0 or less is enabled and never ticks.
    void setEnabled(bool enabled) override;
    bool isEnabled() const override { return m_enabled; }

private:
    void startCounting();
    void tick();

    TickRunner m_runner;
    QTimer m_timer;
    int m_interval = 0;
    bool m_enabled = false;
};

} // namespace ui
