// ボーナス察知: the player says "a bonus is on" after a game, and is right
// when the machine carries a bonus flag then. The play window drives it
// (gameEnded after each game, call when the player calls, nextLever at each
// lever); its figures are the ones the window and the data panel show.
//
// - A call counts once after a game. A right call counts once a bonus: later
//   calls while the same bonus is carried are already made.
// - After a bonus game, or a game that lined a bonus up, there is nothing to
//   notice: the bonus is on the reels. Such a call counts neither way.
// - A normal game that showed a reach-me (categories 2–4, which stop only
//   with a bonus carried), followed by the next lever without a call, is a
//   missed reach-me (見逃し), unless its bonus was called already.
// - For each right call after the bonus's first reach-me, the games from
//   that reach-me to the call: 0 when called right after it.
#pragma once

#include "records/gamerow.h"

#include <cstdint>
#include <optional>

namespace records {

struct CallFigures {
    std::int64_t right = 0, wrong = 0, missed = 0;
    std::int64_t timedCalls = 0; // right calls after a reach-me
    std::int64_t gamesToCall = 0; // their games from the first reach-me, summed
    bool operator==(const CallFigures &) const = default;

    // The average games from a bonus's first reach-me to its call; empty
    // before the first such call.
    std::optional<double> averageGamesToCall() const;
};

class BonusCalls {
public:
    enum class Call { right, wrong, alreadyMade, nothingToNotice };

    BonusCalls() = default;
    // Goes on from figures kept from an earlier sitting.
    explicit BonusCalls(const CallFigures &figures)
        : m_figures(figures)
    { }

    void gameEnded(const GameRow &row);
    Call call();
    void nextLever();

    const CallFigures &figures() const { return m_figures; }

private:
    CallFigures m_figures;
    bool m_played = false;
    bool m_calledAfterGame = false;
    std::int64_t m_lastGame = 0;
    machine::Bonus m_carried = machine::Bonus::none;
    bool m_noticeDue = false; // a normal game came that was not bonus play or a lined-up bonus
    bool m_bonusCalled = false; // the carried bonus was called
    std::optional<std::int64_t> m_firstReachMe; // of the carried bonus
    bool m_reachMeUncalled = false; // the last game showed a reach-me not yet called
};

} // namespace records
