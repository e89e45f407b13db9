#include "play/framepacing.h"

#include <algorithm>
#include <cmath>

namespace play {

FramePacing::FramePacing(double refreshRate)
{
    // Screens report 0, or nonsense, when they do not know.
    const double rate = std::isfinite(refreshRate) && refreshRate >= 20 && refreshRate <= 500
        ? refreshRate
        : kDefaultRefreshRate;
    m_period = static_cast<Micros>(std::llround(kMicrosPerSecond / rate));
}

int FramePacing::start(Micros now, std::optional<Micros> first)
{
    m_due = first ? std::max(*first, now) : now + m_period;
    return waitUntilDue(now);
}

int FramePacing::next(Micros now)
{
    m_due += m_period;
    if (m_due <= now) // frames were missed: go on from now, not in a burst
        m_due = now + m_period - (now - m_due) % m_period;
    return waitUntilDue(now);
}

int FramePacing::waitUntilDue(Micros now) const
{
    const Micros wait = (m_due - now + kMicrosPerMilli - 1) / kMicrosPerMilli;
    return wait < 1 ? 1 : static_cast<int>(wait);
}

} // namespace play
