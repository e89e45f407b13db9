// Which results may stop in a game, and which the control pulls in.
//
// The table rests on the judgement: a result may stop only where the flags
// explain it (a small win only with its flag, a reach-me only with a bonus,
// a miss that rules out a bonus only without one), so that what the
// judgement says of a pattern is always true of the machine.
#pragma once

#include "judge/codes.h"
#include "machine/flags.h"

namespace machine {

// Whether a pattern with this result may stop when the game's flags are
// `flags` (in a JAC game the win counts as a replay).
bool mayStop(judge::Code code, Flags flags);

// The game's target: the small win's result when a small win is drawn (the
// 3尺玉's 10 coins come as J16 or, with a bonus carried, as J07), else the
// lined-up bonus (J01 or J02); only results that may stop count.
bool isTarget(judge::Code code, Flags flags);

// A reach-me the machine may stop, J03 … J13: the categories reach-me for
// BIG, for REG and for both.
bool isReachMeResult(judge::Code code);

// A reach-me (J03 … J13) that may stop with these flags: what リーチ目優先
// aims at once the target is out of reach.
bool isStoppingReachMe(judge::Code code, Flags flags);

} // namespace machine
