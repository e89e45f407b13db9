// When a key or a click happened, on the reel clock. The window system
// stamps its input events on a clock of its own (X server time under xcb, in
// milliseconds); the offset between the two is measured when the lever's
// event arrives, and later events of the game are mapped by it. An event
// without a stamp, or one whose mapped time cannot be right (after its
// arrival, or long before it), counts at its arrival.
#pragma once

#include "play/clock.h"

#include <cstdint>
#include <optional>

namespace play {

// An input event: its arrival on the reel clock and the window system's
// stamp in milliseconds, 0 when it has none.
struct Input {
    Micros receipt = 0;
    std::uint64_t stamp = 0;
};

// An event that arrives later than this after its stamp is taken at its
// arrival: the reel has run on too far for its stamp to be trusted.
inline constexpr Micros kOldestEvent = 50 * kMicrosPerMilli;

class EventTimes {
public:
    // Measures the offset at the lever's event; without a stamp, forgets it.
    void calibrate(const Input &lever);
    Micros timeOf(const Input &input) const;

private:
    std::optional<Micros> m_offset; // reel clock − stamp, in µs
};

} // namespace play
