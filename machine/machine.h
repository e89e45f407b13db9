// The machine a player sits at: MAX BET, the lever, three stop buttons in
// the order left, centre, right, and what it shows.
//
// A game: maxBet() (or the lever alone, which bets as MAX BET does), lever()
// draws the flags and starts the reels, stop(0, p), stop(1, p), stop(2, p)
// stop them; the third stop ends the game and gives its GameResult. state()
// is the whole state between games, to save after every game: during a spin
// it is still the state at the lever, so a machine restored from it plays
// the same game again.
#pragma once

#include "judge/codes.h"
#include "machine/control.h"
#include "machine/state.h"

#include <array>
#include <optional>

namespace machine {

struct GameResult {
    std::int64_t game = 0; // 1, 2, …
    Phase phase = Phase::normal;
    Bonus bonus = Bonus::none; // the carried flag in a normal game, else the bonus played
    Small small = Small::none;
    bool bonusDrawn = false; // this game's draw was `bonus`
    std::array<int, 3> press {}, stop {}; // top-row cells, left to right
    judge::Code code = judge::Code::J18;
    int bet = 0; // coins (0 after a replay)
    int payout = 0;
    int toTray = 0; // of the payout, what passed the credit's 50
    int credit = 0; // after the game
    bool missedOoyama = false; // the 取りこぼし notice: a 大山 flag not lined up
    bool bonusEnded = false; // this game was the last of its bonus
};

struct StopResult {
    int cell = 0; // where the reel stands
    std::optional<GameResult> game; // after the third stop
};

// What the machine's displays show.
struct Display {
    int credit = 0;
    int payout = 0; // the last game's
    std::int64_t gamesSinceBonus = 0, bigs = 0, regs = 0, difference = 0;
    Phase phase = Phase::normal;
    Bonus bonus = Bonus::none; // being played
    int smallGamesLeft = 0; // of a BIG
    int jacGamesLeft = 0;
    int jacWins = 0; // in the JAC game under way
    bool replay = false; // the next game is free
    bool notice = false; // the last game's 取りこぼし notice
};

class Machine {
public:
    enum class Stage : std::uint8_t { waitingForBet, betPlaced, spinning };

    Machine(int setting, std::uint64_t seed);
    // Throws std::invalid_argument with the reason for a state the machine
    // can never be in.
    explicit Machine(const State &state);

    const State &state() const { return m_state; }

    // リーチ目優先: a practice option of the control, off at first. Not part
    // of the state; set it before the lever.
    void setControlOption(ControlOption option) { m_option = option; }
    ControlOption controlOption() const { return m_option; }

    Stage stage() const;
    // The coins the next game's bet takes: 3, 1 in a JAC game, 0 after a replay.
    int betDue() const;
    // MAX BET. False while the reels turn or when the bet is already in.
    bool maxBet();
    // Bets as MAX BET when no bet is in, draws the game's flags, starts the
    // reels. False while they turn.
    bool lever();
    // While the reels turn: the reel the next stop acts on (0, 1, 2).
    int nextReel() const { return m_nextReel; }
    // Stops `reel` pressed at `pressCell` (1..21); nothing (empty) unless the
    // reels turn and `reel` is the next in the order.
    std::optional<StopResult> stop(int reel, int pressCell);
    // A whole game: the lever and three stops. Throws std::logic_error while
    // the reels turn, std::invalid_argument for a press that is not a cell.
    GameResult play(const std::array<int, 3> &presses);

    // The flags of the game under way, for simulations and tests; a player
    // learns them only from the reels.
    Flags flags() const { return m_flags; }

    Display display() const;
    const std::optional<GameResult> &lastGame() const { return m_last; }

private:
    GameResult finish();

    State m_state;
    ControlOption m_option = ControlOption::standard;
    // The game under way.
    bool m_spinning = false;
    int m_nextReel = 0;
    Flags m_flags;
    bool m_bonusDrawn = false;
    int m_bet = 0;
    Generator m_generatorAfterDraw;
    std::array<int, 3> m_press {}, m_stops {};
    std::optional<GameResult> m_last;
};

} // namespace machine
