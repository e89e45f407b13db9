// The reel controller's interval timer on a Qt timer of the user-interface
// thread.
#pragma once

#include "reel/intervaltimer.h"

#include <QTimer>

namespace ui {

class Lifetime;

class QtIntervalTimer : public reel::IntervalTimer {
public:
    // Ticks run through the program's lifetime: none once it is ending.
    explicit QtIntervalTimer(Lifetime &lifetime);
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

    Lifetime *m_lifetime = nullptr;
    QTimer m_timer;
    int m_interval = 0;
    bool m_enabled = false;
};

} // namespace ui
