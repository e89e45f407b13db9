#include "drill/timelimit.h"

#include <algorithm>

namespace drill {

void TimeLimit::start(std::int64_t limit)
{
    m_limit = limit;
    m_used = 0;
    m_runningSince = -1;
}

void TimeLimit::resume(std::int64_t now)
{
    if (isSet() && !isRunning())
        m_runningSince = now;
}

void TimeLimit::pause(std::int64_t now)
{
    if (!isRunning())
        return;
    m_used += std::max<std::int64_t>(0, now - m_runningSince);
    m_runningSince = -1;
}

std::int64_t TimeLimit::remaining(std::int64_t now) const
{
    const std::int64_t used
        = m_used + (isRunning() ? std::max<std::int64_t>(0, now - m_runningSince) : 0);
    return std::max<std::int64_t>(0, m_limit - used);
}

} // namespace drill
