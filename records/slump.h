// The slump graph's data: 差枚 (coins out − coins in) after every game of the
// history, the bonuses marked where they were lined up, and the points a
// graph of a given width needs.
#pragma once

#include "records/gamerow.h"

#include <cstdint>
#include <vector>

namespace records {

struct SlumpPoint {
    std::int64_t game = 0; // 0 before the first game
    std::int64_t difference = 0;
    bool operator==(const SlumpPoint &) const = default;
};

struct BonusMark {
    std::int64_t game = 0; // the game that lined it up
    machine::Bonus kind = machine::Bonus::big;
    std::int64_t difference = 0; // after that game
    bool operator==(const BonusMark &) const = default;
};

class SlumpSeries {
public:
    void add(const GameRow &row);

    // The point before the history's first game (差枚 0), then one a game.
    std::size_t size() const { return m_differences.size(); }
    SlumpPoint at(std::size_t i) const
    {
        return { m_firstGame - 1 + static_cast<std::int64_t>(i), m_differences[i] };
    }
    std::int64_t difference() const { return m_differences.back(); }
    const std::vector<BonusMark> &bonuses() const { return m_bonuses; }

    // The points to draw across `width` pixel columns, in game order: every
    // point when they fit one a column, else at most two a column, the lowest
    // and the highest of the games it covers, so that every peak and dip
    // survives. `out` is reused.
    void reduce(int width, std::vector<SlumpPoint> &out) const;

private:
    std::int64_t m_firstGame = 1;
    std::vector<std::int64_t> m_differences { 0 };
    std::vector<BonusMark> m_bonuses;
};

} // namespace records
