// An interval timer as the controller sees it: ticks arrive as calls of
// onTick on the user-interface thread, one per interval while enabled.
// An interval of 0 never ticks, and neither does a negative one.
#pragma once

#include <functional>

namespace reel {

class IntervalTimer {
public:
    virtual ~IntervalTimer() = default;

    // Changing the interval of an enabled timer starts its count afresh.
    virtual void setInterval(int milliseconds) = 0;
    virtual int interval() const = 0;

    virtual void setEnabled(bool enabled) = 0;
    virtual bool isEnabled() const = 0;

    std::function<void()> onTick;
};

} // namespace reel
