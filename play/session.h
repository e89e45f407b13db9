// A sitting at the machine, as the play window shows it: MAX BET, the lever,
// the three stop buttons 順押し, ボーナス察知, and the reels' motion on the
// reel clock. Like the main window's controller it is plain C++ and drives a
// view; the window is that view.
//
// The window hands in its input events with their arrival time and stamp, and
// calls advance() with the reel clock's time for every frame; what is lit and
// where each reel stands is asked at that time. A stop press reads the reel
// at the event's time (mapped from its stamp), the machine's control gives
// the slip, and the reel runs on at full speed to that cell and stands.
#pragma once

#include "machine/machine.h"
#include "play/eventtime.h"
#include "play/motion.h"
#include "play/sessionview.h"
#include "records/bonuscalls.h"

#include <array>
#include <optional>

namespace play {

enum class Control { maxBet, lever, stopLeft, stopCentre, stopRight, call };

using records::CallFigures;
using Call = records::BonusCalls::Call;

inline constexpr Micros kLeverWait = 4100 * kMicrosPerMilli;

struct Options {
    int rpm = kFullRpm;
    // As on a real machine: the reels start no sooner than kLeverWait after
    // the last start; a lever pulled before waits.
    bool leverWait = false;
    machine::ControlOption control = machine::ControlOption::standard;
    bool operator==(const Options &) const = default;
};

class Session {
public:
    // `machine` as saved, its reels standing at `cells` (left, centre, right).
    Session(SessionView &view, machine::Machine machine, Options options = {},
        std::array<int, 3> cells = { 1, 1, 1 }, CallFigures calls = {});

    const machine::Machine &machine() const { return m_machine; }
    const Options &options() const { return m_options; }
    // Takes effect at the next lever; the speed is held to 40..80 rpm.
    void setOptions(const Options &options);

    // The player's controls; each does nothing (false) unless it is lit.
    bool maxBet();
    bool lever(const Input &input);
    bool stop(int reel, const Input &input);
    // Counted (right or wrong) only once after a game in view.
    Call call();

    // Brings the session to `now`: reels that came to rest stand, and after
    // the third the game is shown.
    void advance(Micros now);
    Micros now() const { return m_now; }

    // At the time of the last input or advance.
    bool isLit(Control control) const;
    // The bet lamps: a bet is in (or a replay's) for the next game or the one
    // under way.
    bool linesLit() const;
    // From the lever until the third reel stands.
    bool turning() const { return m_game.has_value(); }
    // When the next frame is wanted: now while a reel moves, the start when
    // the reels wait for it, nothing while they stand.
    std::optional<Micros> wakeAt() const;
    // When the reels of the game under way have first travelled `units`
    // (the first frame that shows them moved); nothing between games.
    std::optional<Micros> movesAt(std::int64_t units) const;

    ReelPosition reel(int reel, Micros t) const;
    // Where the reels stand or, once stopped, will stand: the top-row cells.
    std::array<int, 3> cells() const { return m_cells; }
    // The displays as the player sees them: during a game, as at its lever.
    const machine::Display &display() const { return m_display; }
    // The last game in view; empty during a game.
    const std::optional<machine::GameResult> &shownGame() const { return m_shown; }
    const CallFigures &calls() const { return m_calls.figures(); }

    // A new machine in place of this one, while the reels stand (false
    // otherwise); the calls start again from nothing.
    bool replaceMachine(machine::Machine machine);

private:
    struct Game {
        std::array<ReelMotion, 3> reels;
        std::optional<machine::GameResult> result;
    };

    bool canStop(int reel, Micros t) const;
    void show(const machine::GameResult &game);
    // What lit and standing look like now, to refresh the view only on a change.
    unsigned signature() const;
    void refreshView();

    SessionView &m_view;
    machine::Machine m_machine;
    Options m_options;
    std::array<int, 3> m_cells;
    records::BonusCalls m_calls;
    bool m_calledAfterShown = false;
    EventTimes m_eventTimes;
    Micros m_now = 0;
    std::optional<Micros> m_lastStart;
    std::optional<Game> m_game;
    machine::Display m_display;
    std::optional<machine::GameResult> m_shown;
    unsigned m_signature = 0;
};

} // namespace play
