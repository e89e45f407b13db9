// One game as a CSV row (RFC 4180, lines ending in CR LF): the columns of the
// machine's game history, which reachme-sim --log writes too.
#pragma once

#include "machine/machine.h"

#include <string>
#include <string_view>

namespace machine {

inline constexpr std::string_view kGameLogHeader
    = "game,state,bonus,small,press_left,press_centre,press_right,"
      "stop_left,stop_centre,stop_right,code,bet,payout,credit\r\n";

// Appends the game's row: its number, "normal"/"big"/"jac", the bonus flag
// (carried, or the bonus played), the small-win flag, the press and stop
// cells, the result J01 … J38, the coins bet and paid and the credit after.
void appendGameLogRow(std::string &out, const GameResult &game);

} // namespace machine
