// 16-bit signed arithmetic that refuses to wrap: the window's counters and
// offsets are 16-bit, and a result outside −32768..32767 is an error, not a
// new value.
#pragma once

#include <cstdint>
#include <limits>
#include <stdexcept>

namespace reel::int16 {

inline constexpr int kMin = std::numeric_limits<std::int16_t>::min();
inline constexpr int kMax = std::numeric_limits<std::int16_t>::max();

// The operands are promoted to int, where no sum, difference or product of
// two 16-bit values can overflow; only the narrowing back is checked.
constexpr std::int16_t narrow(long long value)
{
    if (value < kMin || value > kMax)
        throw std::overflow_error("16-bit overflow");
    return static_cast<std::int16_t>(value);
}

constexpr std::int16_t add(std::int16_t a, std::int16_t b) { return narrow(a + b); }
constexpr std::int16_t sub(std::int16_t a, std::int16_t b) { return narrow(a - b); }
constexpr std::int16_t mul(std::int16_t a, std::int16_t b) { return narrow(a * b); }

} // namespace reel::int16
