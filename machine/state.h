// The machine's whole state between two games: what is saved after every
// game and what a saved machine goes on from.
#pragma once

#include "machine/bonusgame.h"
#include "machine/coins.h"
#include "machine/flags.h"
#include "machine/generator.h"

#include <cstdint>
#include <string>

namespace machine {

struct Counters {
    std::int64_t games = 0; // every game played, bonus games too
    std::int64_t gamesSinceBonus = 0; // normal games since the last bonus was lined up
    std::int64_t bigs = 0; // BIG lined up
    std::int64_t regs = 0; // REG lined up
    bool operator==(const Counters &) const = default;
};

struct State {
    int setting = 1; // 1..6
    Generator generator;
    Bonus carried = Bonus::none; // drawn, not yet lined up
    BonusPlay bonus; // the bonus being played
    bool replay = false; // the next game is free
    bool betPlaced = false; // the next game's bet is in
    Coins coins;
    Counters counters;
    bool operator==(const State &) const = default;
};

// A new machine: nothing played, nothing carried.
State newState(int setting, std::uint64_t seed);

// Why the machine can never be in `state`, or empty when it can.
std::string impossibility(const State &state);

} // namespace machine
