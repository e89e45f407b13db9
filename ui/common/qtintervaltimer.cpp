#include "ui/common/qtintervaltimer.h"

namespace ui {

QtIntervalTimer::QtIntervalTimer(TickRunner runner)
    : QtIntervalTimer()
{
    m_runner = std::move(runner);
}

QtIntervalTimer::QtIntervalTimer()
{
    m_timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&m_timer, &QTimer::timeout, [this] { tick(); });
}

void QtIntervalTimer::setInterval(int milliseconds)
{
    m_interval = milliseconds;
    startCounting();
}

void QtIntervalTimer::setEnabled(bool enabled)
{
    if (enabled == m_enabled)
        return;
    m_enabled = enabled;
    startCounting();
}

// A QTimer fires without pause at 0 and never at a negative interval while
// claiming to be active. Our timers never tick at 0, and we chose the same
// for a negative interval, so neither gets a running QTimer.
void QtIntervalTimer::startCounting()
{
    if (m_enabled && m_interval > 0)
        m_timer.start(m_interval);
    else
        m_timer.stop();
}

void QtIntervalTimer::tick()
{
    if (!onTick)
        return;
    if (m_runner)
        m_runner(onTick);
    else
        onTick();
}

} // namespace ui
