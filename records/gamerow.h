// One game of a machine's history: exactly the columns of the game log
// (machine/gamelog.h, which also writes reachme-sim --log), and the row read
// back from its CSV text.
#pragma once

#include "judge/codes.h"
#include "machine/machine.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace records {

struct GameRow {
    std::int64_t game = 1;
    machine::Phase phase = machine::Phase::normal;
    // The carried flag in a normal game (the one drawn in it too), else the
    // bonus played.
    machine::Bonus bonus = machine::Bonus::none;
    machine::Small small = machine::Small::none;
    std::array<int, 3> press { 1, 1, 1 }, stop { 1, 1, 1 }; // top-row cells, left to right
    judge::Code code = judge::Code::J18;
    int bet = 0;
    int payout = 0;
    int credit = 0; // after the game
    bool operator==(const GameRow &) const = default;
};

GameRow rowOf(const machine::GameResult &game);

// Appends the row as the game log writes it, line end (CR LF) included.
void appendRow(std::string &out, const GameRow &row);

// Reads one row, without its line end. Takes only what the machine can write:
// the log's words and numbers (decimal, no sign, no leading zero), cells
// 1..21 with each stop at most 4 cells on from its press, the result of the
// stop cells, a result the flags let stop, the bet and payout of that game
// and a credit of 0..50. Empty, with the column at fault in `why`, otherwise.
std::optional<GameRow> parseRow(std::string_view line, std::string *why = nullptr);

// A bonus lined up in this game (J01 or J02 in a normal game).
bool linesUpBonus(const GameRow &row);

// The bonus flag the machine carries after this game: the normal game's flag
// unless it was lined up; none after a bonus game.
machine::Bonus carriedAfter(const GameRow &row);

// A reach-me of the categories BIG, REG and both (J03 … J13) stopped in a
// normal game: what a player learns to notice and what the collection keeps.
bool showsReachMe(const GameRow &row);

judge::Pattern stopPattern(const GameRow &row);

} // namespace records
