// What the play session needs of the window that shows it. The session is
// plain C++; the Qt window implements this, and the tests a recording fake.
#pragma once

#include "machine/machine.h"
#include "records/bonuscalls.h"

namespace play {

class SessionView {
public:
    virtual ~SessionView() = default;

    // Something besides the reels' motion changed: a display, a lamp, which
    // controls are lit, whether frames are wanted. The window reads the
    // session again.
    virtual void refresh() = 0;
    // The machine's state changed (a bet, a game): the state to save.
    virtual void machineChanged() = 0;
    // The machine finished a game, at its third stop: for the records,
    // before the machine's state after it is to be saved.
    virtual void gameFinished(const machine::GameResult &game) = 0;
    // The third reel stands: the game is in view, its payout on the display.
    virtual void gameShown(const machine::GameResult &game) = 0;
    // ボーナス察知 was called after the game in view.
    virtual void called(records::BonusCalls::Call call) = 0;
};

} // namespace play
