// ボーナス察知: after a game the player says "a bonus is on". The call is
// right when the machine carries a bonus flag after that game and wrong
// otherwise; it counts once a game, and a right call once a bonus. After a
// bonus game, or the game that lined a bonus up, there is nothing to notice.
// A normal game that showed a reach-me (categories 2–4, which stop only with
// a bonus carried), followed by the next lever without a call, is a missed
// reach-me (見逃し), unless its bonus was called already.
#pragma once

#include "machine/machine.h"

#include <cstdint>

namespace play {

struct CallFigures {
    std::int64_t right = 0, wrong = 0, missed = 0;
    bool operator==(const CallFigures &) const = default;
};

enum class Call { right, wrong, alreadyMade, nothingToNotice };

class BonusCalls {
public:
    BonusCalls() = default;
    explicit BonusCalls(const CallFigures &figures)
        : m_figures(figures)
    { }

    void gameEnded(const machine::GameResult &game);
    Call call();
    // Whether a call now would count, right or wrong, or be one already made:
    // after a normal game that lined nothing up, once.
    bool canCall() const { return m_noticeDue && !m_called; }
    void nextLever();

    const CallFigures &figures() const { return m_figures; }

private:
    CallFigures m_figures;
    bool m_noticeDue = false; // the last game was a normal one that lined nothing up
    bool m_called = false; // since the last game
    machine::Bonus m_carried = machine::Bonus::none;
    bool m_bonusCalled = false; // the bonus carried now was called
    bool m_reachMeUncalled = false;
};

// A reach-me of categories 2–4 (J03 … J13) in a normal game.
bool showsReachMe(const machine::GameResult &game);

} // namespace play
