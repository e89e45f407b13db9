// The bonus games, ours, as on a machine of the same kind.
//
// A BIG is up to 30 small-win games, in which a replay flag (three replay
// symbols on a line) is the JAC-in and starts a JAC game; it ends with its
// third JAC game or its 30th small-win game (a JAC-in on the 30th is still
// played). A JAC game is up to 12 plays or 8 wins. A REG is one JAC game.
#pragma once

#include "machine/flags.h"

#include <string_view>

namespace machine {

inline constexpr int kBigSmallGames = 30;
inline constexpr int kBigJacGames = 3;
inline constexpr int kRegJacGames = 1;
inline constexpr int kJacPlays = 12;
inline constexpr int kJacWins = 8;

// What kind of game comes next; the log's "normal", "big", "jac".
enum class Phase : std::uint8_t { normal, big, jac };

std::string_view phaseName(Phase phase);

// The bonus in play. All counts are of games already played.
struct BonusPlay {
    Bonus kind = Bonus::none; // none: normal games
    bool inJac = false; // a JAC game is under way (always, in a REG)
    int smallGames = 0; // BIG small-win games
    int jacGames = 0; // JAC games finished
    int jacPlays = 0; // plays of the JAC game under way
    int jacWins = 0; // its wins

    Phase phase() const;
    int jacGamesAllowed() const { return kind == Bonus::big ? kBigJacGames : kRegJacGames; }
    bool operator==(const BonusPlay &) const = default;
};

// The bonus just lined up.
BonusPlay startBonus(Bonus kind);

// After one bonus game: `won` is the JAC-in of a small-win game or the win
// of a JAC play. Leaves a BonusPlay of kind none when the bonus is over.
void finishBonusGame(BonusPlay &play, bool won);

// Whether a bonus can be in this state between games.
bool isPossible(const BonusPlay &play);

} // namespace machine
