// The lottery: one 16-bit draw a game (0 … 65535) against counts out of
// 65536, the ranges one after another in the order of the fields below.
#pragma once

#include "machine/flags.h"

#include <array>
#include <cstdint>

namespace machine {

inline constexpr int kSettings = 6;
inline constexpr std::uint32_t kDrawRange = 65536;

struct BonusCounts {
    std::uint16_t big, reg;
};

// The machine's settings table, settings 1–6: BIG 1/431.158 … 1/240.941,
// REG 1/655.360 … 1/481.882.
inline constexpr std::array<BonusCounts, kSettings> kBonusCounts { { { 152, 100 }, { 164, 100 },
    { 180, 108 }, { 204, 108 }, { 224, 128 }, { 272, 136 } } };

struct SmallCounts {
    std::uint16_t cherry, replay, sanjaku, ooyama;
};

struct SmallRange {
    Small small;
    std::uint16_t count;
};

// The small-win ranges in the order they lie; what follows them draws none.
constexpr std::array<SmallRange, 4> smallRanges(const SmallCounts &c)
{
    return { { { Small::cherry, c.cherry }, { Small::replay, c.replay },
        { Small::sanjaku, c.sanjaku }, { Small::ooyama, c.ooyama } } };
}

// Ours, the same in every setting: chosen so that a player who lines up every
// flag gets 96 % back at setting 1 (docs/machine.md).
inline constexpr SmallCounts kNormalGameCounts { 1820, 8980, 7744, 1092 };

// A BIG small-win game; its `replay` is the JAC-in.
inline constexpr SmallCounts kBigGameCounts { 0, 8738, 54798, 2000 };

// A JAC game's win.
inline constexpr std::uint16_t kJacWinCount = 47000;

// A normal game's flags. BIG and REG come first; with a bonus carried their
// ranges draw nothing, so no second bonus is drawn, and the carried flag
// stays. Throws std::out_of_range for a setting outside 1..6.
Flags drawNormalGame(std::uint16_t draw, int setting, Bonus carried);

// A BIG small-win game's flag (none, cherry, replay = JAC-in, sanjaku,
// ooyama) and a JAC game's (none or jac).
Small drawBigGame(std::uint16_t draw);
Small drawJacGame(std::uint16_t draw);

} // namespace machine
