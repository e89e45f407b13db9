// Frames at the screen's rate, paced by a timer of whole milliseconds: each
// wait runs to the next frame's due time, rounded up, so the frames keep the
// rate on average (16, 17, 17, 16 … ms at 60 Hz) instead of drifting, and a
// frame that came late does not make the next ones late.
#pragma once

#include "play/clock.h"

#include <optional>

namespace play {

inline constexpr double kDefaultRefreshRate = 60;

class FramePacing {
public:
    // The screen's refresh rate in Hz; 60 when it says nothing usable.
    explicit FramePacing(double refreshRate);

    Micros period() const { return m_period; }
    // The first frame is due at `first` (a period after `now` when not
    // given), the others a period apart from it; returns the wait in ms.
    int start(Micros now, std::optional<Micros> first = std::nullopt);
    // After a frame drawn at `now`: the wait in ms (at least 1) for the next
    // frame due after it.
    int next(Micros now);

private:
    int waitUntilDue(Micros now) const;

    Micros m_period;
    Micros m_due = 0;
};

} // namespace play
