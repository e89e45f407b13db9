#include "play/motion.h"

#include "reel/reelmodel.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <stdexcept>

namespace play {

namespace {

std::int64_t ceilDiv(std::int64_t a, std::int64_t b) { return (a + b - 1) / b; }

constexpr int kTwipsPerPixel = 15;
constexpr int kCellPixels = reel::kCellTwips / kTwipsPerPixel;

} // namespace

int stripTop(const ReelPosition &position, double scale)
{
    // Positions 21, 20 … 1 show cells 1, 2 … 21; 0 shows cell 1 too.
    const auto at = static_cast<std::int16_t>((reel::kLastPosition + 1 - position.cell) % 21);
    const double top = reel::pictureOffset(at) * scale / kTwipsPerPixel;
    const double slid
        = std::floor(static_cast<double>(position.units) * kCellPixels * scale / kUnitsPerCell);
    return static_cast<int>(std::lround(top) + static_cast<long>(slid));
}

std::int64_t unitsPerDevicePixel(double scale)
{
    return static_cast<std::int64_t>(std::ceil(kUnitsPerCell / (kCellPixels * scale)));
}

ReelMotion::ReelMotion(int cell, Micros start, int rpm)
    : m_cell(cell)
    , m_start(start)
    , m_rpm(rpm)
{
    if (cell < 1 || cell > 21 || rpm < kSlowestRpm || rpm > kFullRpm)
        throw std::invalid_argument("play::ReelMotion: a cell 1..21 at 40..80 rpm");
}

// Even speed-up: 7·r·e²/A units after e µs; then full speed, 14·r units a µs.
std::int64_t ReelMotion::travel(Micros t) const
{
    const Micros e = t - m_start;
    if (e <= 0)
        return 0;
    if (e < kSpeedUp)
        return 7 * m_rpm * e * e / kSpeedUp;
    return 7 * m_rpm * (2 * e - kSpeedUp);
}

Micros ReelMotion::reaches(std::int64_t units) const
{
    if (units <= 0)
        return m_start;
    if (units <= travel(fullSpeed())) {
        // The least e with 7·r·e² ≥ units·A: from the square root, put right
        // where the floating point is off by one.
        auto e = static_cast<Micros>(std::sqrt(double(units) * kSpeedUp / (7.0 * m_rpm)));
        while (e > 0 && 7 * m_rpm * (e - 1) * (e - 1) >= units * kSpeedUp)
            --e;
        while (7 * m_rpm * e * e < units * kSpeedUp)
            ++e;
        return m_start + e;
    }
    return m_start + ceilDiv(units + 7 * m_rpm * kSpeedUp, 14 * m_rpm);
}

std::int64_t ReelMotion::cellsToPress(Micros t) const
{
    const Micros e = t - m_start;
    if (e <= 0)
        return 0;
    if (e < kSpeedUp)
        return ceilDiv(7 * m_rpm * e * e, kSpeedUp * kUnitsPerCell);
    return ceilDiv(7 * m_rpm * (2 * e - kSpeedUp), kUnitsPerCell);
}

void ReelMotion::stopAfter(std::int64_t cells)
{
    const std::int64_t units = cells * kUnitsPerCell;
    if (m_stopCells || units < travel(fullSpeed()))
        throw std::logic_error("play::ReelMotion: stopped once, at full speed");
    m_stopCells = cells;
    m_standsAt = reaches(units);
}

ReelPosition ReelMotion::position(Micros t) const
{
    std::int64_t units = travel(t);
    if (m_stopCells)
        units = std::min(units, *m_stopCells * kUnitsPerCell);
    return { cellsOn(m_cell, units / kUnitsPerCell), units % kUnitsPerCell };
}

} // namespace play
