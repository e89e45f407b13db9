// An interval timer that ticks only when a test says so: fire() delivers one
// tick, and only while the timer is enabled with a positive interval, as a
// real one would.
#pragma once

#include "timing/intervaltimer.h"

#include <QStringList>

class FakeTimer : public timing::IntervalTimer {
public:
    FakeTimer(QStringList &log, QString name)
        : m_log(log)
        , m_name(std::move(name))
    { }

    struct State {
        int interval = 0;
        bool enabled = false;
        bool operator==(const State &) const = default;
    };

    State state;

    void setInterval(int milliseconds) override
    {
        m_log << QStringLiteral("%1 interval %2").arg(m_name).arg(milliseconds);
        state.interval = milliseconds;
    }
    int interval() const override { return state.interval; }
    void setEnabled(bool enabled) override
    {
        m_log << m_name + (enabled ? " on" : " off");
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
    QStringList &m_log;
    QString m_name;
};
