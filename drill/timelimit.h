// The time left to answer one pattern. It runs only while the window is
// active; the times are milliseconds of a monotonic clock the caller reads.
#pragma once

#include <cstdint>

namespace drill {

class TimeLimit {
public:
    // Starts a fresh count of `limit` ms, paused until resume().
    void start(std::int64_t limit);
    void stop()
    {
        m_limit = 0;
        m_runningSince = -1;
    }
    bool isSet() const { return m_limit > 0; }

    void resume(std::int64_t now);
    void pause(std::int64_t now);
    bool isRunning() const { return m_runningSince >= 0; }

    // 0 once the time is up; the full limit while it has not yet run.
    std::int64_t remaining(std::int64_t now) const;

private:
    std::int64_t m_limit = 0;
    std::int64_t m_used = 0;
    std::int64_t m_runningSince = -1;
};

} // namespace drill
