// An interval timer that ticks only when a test says so: fire() delivers one
// tick, and only while the timer is enabled with a positive interval, as a
// real one would.
#pragma once

#include "reel/intervaltimer.h"

#include <QStringList>

class FakeTimer : public reel::IntervalTimer {
public:
    FakeTimer(QStringList &log, QString name)
        : log_(log)
        , name_(std::move(name))
    { }

    struct State {
        int interval = 0;
        bool enabled = false;
        bool operator==(const State &) const = default;
    };

    State state;

    void setInterval(int milliseconds) override
    {
        log_ << QString("%1 interval %2").arg(name_).arg(milliseconds);
        state.interval = milliseconds;
    }
    int interval() const override { return state.interval; }
    void setEnabled(bool enabled) override
    {
        log_ << name_ + (enabled ? " on" : " off");
        state.enabled = enabled;
    }
    bool isEnabled() const override { return state.enabled; }

    // Returns whether a tick was delivered.
    bool fire()
    {
        if (!state.enabled || state.interval <= 0 || !onTick)
            return false;
        onTick();
        return true;
    }

private:
    QStringList &log_;
    QString name_;
};
