// The reel clock: monotonic microseconds. Everything the play window moves
// is a function of this clock, so tests drive it by hand.
#pragma once

#include <chrono>
#include <cstdint>

namespace play {

using Micros = std::int64_t;

inline constexpr Micros kMicrosPerMilli = 1000;
inline constexpr Micros kMicrosPerSecond = 1'000'000;

class Clock {
public:
    virtual ~Clock() = default;
    virtual Micros now() const = 0;
};

// std::chrono::steady_clock.
class SteadyClock : public Clock {
public:
    Micros now() const override
    {
        return std::chrono::duration_cast<std::chrono::microseconds>(
            std::chrono::steady_clock::now().time_since_epoch())
            .count();
    }
};

} // namespace play
