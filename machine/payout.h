// What a game pays: one payout a game, from its result alone, whatever the
// number of lines.
#pragma once

#include "judge/codes.h"
#include "machine/bonusgame.h"

namespace machine {

// J16 and J07 pay 10, J17 6, J14 2 for each line through the cherry (4 in the
// top or bottom row, 2 in the middle), J15 15 in a JAC game; everything else,
// a replay and a lined-up bonus too, pays nothing.
int payoutFor(judge::Code code, int left, int centre, int right, Phase phase);

} // namespace machine
