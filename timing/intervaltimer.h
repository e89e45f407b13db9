// An interval timer as the plain-C++ cores see it (the main window's
// controller, the drill's session): ticks arrive as calls of onTick on the
// user-interface thread, one per interval while enabled. An interval of 0
// never ticks, and neither does a negative one. The windows give timers on
// Qt (ui/common/qtintervaltimer.h), the tests timers they fire by hand.
#pragma once

#include <functional>

namespace timing {

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

} // namespace timing
