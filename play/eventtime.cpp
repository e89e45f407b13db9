#include "play/eventtime.h"

#include <limits>

namespace play {

namespace {

// Stamps far beyond any clock's range are refused before they overflow.
constexpr std::uint64_t kLargestStamp
    = static_cast<std::uint64_t>(std::numeric_limits<Micros>::max() / 4 / kMicrosPerMilli);

std::optional<Micros> micros(std::uint64_t stamp)
{
    if (stamp == 0 || stamp > kLargestStamp)
        return std::nullopt;
    return static_cast<Micros>(stamp) * kMicrosPerMilli;
}

} // namespace

void EventTimes::calibrate(const Input &lever)
{
    const std::optional<Micros> stamp = micros(lever.stamp);
    m_offset = stamp ? std::optional<Micros>(lever.receipt - *stamp) : std::nullopt;
}

Micros EventTimes::timeOf(const Input &input) const
{
    const std::optional<Micros> stamp = micros(input.stamp);
    if (!stamp || !m_offset)
        return input.receipt;
    const Micros mapped = *stamp + *m_offset;
    // The stamps count whole milliseconds, so an event that arrived as fast
    // as the lever's may map a little after its arrival.
    if (mapped > input.receipt + kMicrosPerMilli || mapped < input.receipt - kOldestEvent)
        return input.receipt;
    return mapped < input.receipt ? mapped : input.receipt;
}

} // namespace play
