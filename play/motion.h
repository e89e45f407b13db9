// How a reel turns: its travel as a function of the time since it started,
// on the reel clock, never of a count of frames.
//
// From the lever a reel speeds up evenly and runs at full speed after
// kSpeedUp; at 80 rpm it passes 21 cells in 0.75 s. The cells run as in the
// main window's spin: the strip moves down, so the top-row cell goes
// n, n − 1, … 1, 21, 20 … Travel is counted in units, kUnitsPerCell to a
// cell, and worked out in whole numbers, so a time exactly on a cell's edge
// is known to be on it.
#pragma once

#include "play/clock.h"

#include <cstdint>
#include <optional>

namespace play {

inline constexpr int kFullRpm = 80;
inline constexpr int kSlowestRpm = 40;
inline constexpr Micros kSpeedUp = 80 * kMicrosPerMilli;
// A unit is 1/40 000 000 of a cell: at r rpm a reel runs 14·r units a
// microsecond (r · 21 cells a minute), so every travel is a whole number.
inline constexpr std::int64_t kUnitsPerCell = 40'000'000;

// Where a reel stands: the top-row cell (1..21) and how far, in units, the
// strip has moved down past it (0 when the cell stands exactly in the row).
struct ReelPosition {
    int cell = 1;
    std::int64_t units = 0;
    bool operator==(const ReelPosition &) const = default;
};

// The top-row cell `cells` cells on from `cell` in the direction of a spin.
constexpr int cellsOn(int cell, std::int64_t cells)
{
    return static_cast<int>(((cell - 1 - cells) % 21 + 21) % 21) + 1;
}

// The strip picture's top edge, in device pixels of the main window's client
// area at `scale` device pixels to a pixel, for a reel at `position`: the
// picture offset the main window's reel model gives its cell (cell 1 at
// position 0, whose repeated rows let it slide on to cell 21), moved down by
// the whole device pixels it has slid.
int stripTop(const ReelPosition &position, double scale);
// The fewest units that slide a strip a whole device pixel at `scale`.
std::int64_t unitsPerDevicePixel(double scale);

class ReelMotion {
public:
    // A reel standing with `cell` in the top row that starts to turn at
    // `start` at `rpm` (kSlowestRpm..kFullRpm).
    ReelMotion(int cell, Micros start, int rpm);

    Micros start() const { return m_start; }
    int startCell() const { return m_cell; }
    // When it runs at full speed.
    Micros fullSpeed() const { return m_start + kSpeedUp; }

    // Units travelled by time `t`, as it would run without a stop.
    std::int64_t travel(Micros t) const;
    // The first microsecond at which it has travelled `units`.
    Micros reaches(std::int64_t units) const;
    // The cell whose top edge comes to the top row first at or after `t`
    // (exactly on an edge, the cell standing there), and the cells the reel
    // has passed when it does.
    int pressCell(Micros t) const { return cellsOn(m_cell, cellsToPress(t)); }
    std::int64_t cellsToPress(Micros t) const;

    // Stops it `cells` cells on from where it started (at or after the
    // press, at full speed): it runs on to there and stands.
    void stopAfter(std::int64_t cells);
    std::optional<std::int64_t> stopCells() const { return m_stopCells; }
    // When it stands; empty until it is stopped.
    std::optional<Micros> standsAt() const { return m_standsAt; }
    bool standing(Micros t) const { return m_standsAt && t >= *m_standsAt; }

    // What the reel window shows at `t`.
    ReelPosition position(Micros t) const;

private:
    int m_cell;
    Micros m_start;
    int m_rpm;
    std::optional<std::int64_t> m_stopCells;
    std::optional<Micros> m_standsAt;
};

} // namespace play
