#include "machine/bonusgame.h"

#include "machine/names.h"

namespace machine {

namespace {

constexpr std::array<std::string_view, 3> kPhaseNames { "normal", "big", "jac" };

} // namespace

std::string_view phaseName(Phase phase) { return nameOf(kPhaseNames, phase); }

Phase BonusPlay::phase() const
{
    if (kind == Bonus::none)
        return Phase::normal;
    return inJac ? Phase::jac : Phase::big;
}

BonusPlay startBonus(Bonus kind)
{
    BonusPlay play;
    play.kind = kind;
    play.inJac = kind == Bonus::reg;
    return play;
}

void finishBonusGame(BonusPlay &play, bool won)
{
    if (!play.inJac) {
        ++play.smallGames;
        if (won)
            play.inJac = true;
        else if (play.smallGames == kBigSmallGames)
            play = {};
        return;
    }
    ++play.jacPlays;
    play.jacWins += won ? 1 : 0;
    if (play.jacPlays < kJacPlays && play.jacWins < kJacWins)
        return;
    ++play.jacGames;
    play.inJac = false;
    play.jacPlays = play.jacWins = 0;
    if (play.jacGames == play.jacGamesAllowed() || play.smallGames == kBigSmallGames)
        play = {};
}

bool isPossible(const BonusPlay &play)
{
    if (play.kind == Bonus::none)
        return play == BonusPlay {};
    const bool jacRange = play.jacPlays >= 0 && play.jacWins >= 0 && play.jacWins <= play.jacPlays
        && play.jacPlays < kJacPlays && play.jacWins < kJacWins;
    if (play.kind == Bonus::reg)
        return play.inJac && play.smallGames == 0 && play.jacGames == 0 && jacRange;
    // A BIG between its games: a JAC game under way, or small-win games left.
    if (play.smallGames < 0 || play.smallGames > kBigSmallGames || play.jacGames < 0
        || play.jacGames >= kBigJacGames || play.jacGames > play.smallGames)
        return false;
    if (!play.inJac)
        return play.smallGames < kBigSmallGames && play.jacPlays == 0 && play.jacWins == 0;
    return play.smallGames > play.jacGames && jacRange;
}

} // namespace machine
