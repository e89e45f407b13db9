// What a player gets in the long run, worked out exactly from the machine's
// counts, its control and the player's presses (no simulation).
#pragma once

#include "machine/control.h"
#include "tools/sim/players.h"

namespace sim {

struct Expectation {
    double payoutRate = 0; // out / in, a replay counted as 3 in and 3 out
    double bigNet = 0; // coins out − in over a BIG's bonus games
    double regNet = 0; // the same for a REG
};

Expectation expectation(int setting, PlayerKind kind, machine::ControlOption option);

} // namespace sim
