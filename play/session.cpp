#include "play/session.h"

#include <algorithm>
#include <stdexcept>

namespace play {

Session::Session(SessionView &view, machine::Machine machine, Options options,
    std::array<int, 3> cells, CallFigures calls)
    : m_view(view)
    , m_machine(std::move(machine))
    , m_cells(cells)
    , m_calls(calls)
    , m_display(m_machine.display())
{
    for (const int cell : cells)
        if (cell < 1 || cell > 21)
            throw std::invalid_argument("play::Session: reels stand at cells 1..21");
    setOptions(options);
    m_signature = signature();
}

void Session::setOptions(const Options &options)
{
    m_options = options;
    m_options.rpm = std::clamp(options.rpm, kSlowestRpm, kFullRpm);
}

bool Session::maxBet()
{
    if (!isLit(Control::maxBet) || !m_machine.maxBet())
        return false;
    m_display = m_machine.display();
    m_view.machineChanged();
    refreshView();
    return true;
}

bool Session::lever(const Input &input)
{
    advance(input.receipt);
    if (turning())
        return false;
    m_machine.setControlOption(m_options.control);
    if (!m_machine.lever())
        return false;
    m_eventTimes.calibrate(input);
    m_calls.nextLever();
    Micros start = m_now;
    if (m_options.leverWait && m_lastStart)
        start = std::max(start, *m_lastStart + kLeverWait);
    m_lastStart = start;
    const int rpm = m_options.rpm;
    m_game = Game { { ReelMotion(m_cells[0], start, rpm), ReelMotion(m_cells[1], start, rpm),
                        ReelMotion(m_cells[2], start, rpm) },
        std::nullopt };
    m_shown.reset();
    m_display = m_machine.display();
    m_display.payout = 0;
    m_display.notice = false;
    m_view.machineChanged();
    refreshView();
    return true;
}

bool Session::canStop(int reel, Micros t) const
{
    if (!m_game || reel < 0 || reel > 2 || reel != m_machine.nextReel())
        return false;
    const auto &reels = m_game->reels;
    return t >= reels[std::size_t(reel)].fullSpeed()
        && (reel == 0 || reels[std::size_t(reel - 1)].standing(t));
}

bool Session::stop(int reel, const Input &input)
{
    advance(input.receipt);
    // A press acts at the moment it went down: it must have been lit then.
    const Micros t = std::min(m_eventTimes.timeOf(input), m_now);
    if (!canStop(reel, t))
        return false;
    ReelMotion &motion = m_game->reels[std::size_t(reel)];
    const int press = motion.pressCell(t);
    const std::optional<machine::StopResult> stopped = m_machine.stop(reel, press);
    if (!stopped)
        return false;
    const int slip = (press - stopped->cell + 21) % 21;
    motion.stopAfter(motion.cellsToPress(t) + slip);
    m_cells[std::size_t(reel)] = stopped->cell;
    if (stopped->game) {
        m_game->result = stopped->game;
        m_view.gameFinished(*stopped->game);
        m_view.machineChanged();
    }
    refreshView();
    advance(m_now); // a late event's reel may stand already
    return true;
}

Call Session::call()
{
    if (!isLit(Control::call))
        return Call::nothingToNotice;
    const Call call = m_calls.call();
    m_calledAfterShown = true;
    m_view.called(call);
    refreshView();
    return call;
}

void Session::advance(Micros now)
{
    m_now = std::max(m_now, now);
    if (m_game) {
        const auto &reels = m_game->reels;
        const bool allStand = std::all_of(
            reels.begin(), reels.end(), [this](const ReelMotion &r) { return r.standing(m_now); });
        if (allStand && m_game->result) {
            const machine::GameResult game = *m_game->result;
            m_game.reset();
            show(game);
        }
    }
    if (signature() != m_signature)
        refreshView();
}

void Session::show(const machine::GameResult &game)
{
    m_shown = game;
    m_calledAfterShown = false;
    m_calls.gameEnded(records::rowOf(game));
    m_display = m_machine.display();
    m_view.gameShown(game);
    refreshView();
}

bool Session::isLit(Control control) const
{
    switch (control) {
    case Control::maxBet:
        return !turning() && m_machine.stage() == machine::Machine::Stage::waitingForBet
            && m_machine.betDue() > 0;
    case Control::lever: return !turning();
    case Control::stopLeft: return canStop(0, m_now);
    case Control::stopCentre: return canStop(1, m_now);
    case Control::stopRight: return canStop(2, m_now);
    // After a normal game that lined nothing up, once; a call then counts
    // (or was made already for the bonus carried).
    case Control::call:
        return !turning() && m_shown && m_shown->phase == machine::Phase::normal
            && !records::linesUpBonus(records::rowOf(*m_shown)) && !m_calledAfterShown;
    }
    return false;
}

bool Session::linesLit() const
{
    return turning() || m_machine.stage() == machine::Machine::Stage::betPlaced
        || m_machine.state().replay;
}

std::optional<Micros> Session::wakeAt() const
{
    if (!m_game)
        return std::nullopt;
    return std::max(m_now, m_game->reels[0].start());
}

std::optional<Micros> Session::movesAt(std::int64_t units) const
{
    if (!m_game)
        return std::nullopt;
    return m_game->reels[0].reaches(units);
}

ReelPosition Session::reel(int reel, Micros t) const
{
    const auto r = std::size_t(reel);
    if (m_game)
        return m_game->reels.at(r).position(t);
    return { m_cells.at(r), 0 };
}

bool Session::replaceMachine(machine::Machine machine)
{
    if (turning())
        return false;
    m_machine = std::move(machine);
    m_calls = records::BonusCalls();
    m_shown.reset();
    m_lastStart.reset();
    m_display = m_machine.display();
    m_view.machineChanged();
    refreshView();
    return true;
}

unsigned Session::signature() const
{
    unsigned bits = 0;
    for (const Control c : { Control::maxBet, Control::lever, Control::stopLeft,
             Control::stopCentre, Control::stopRight, Control::call })
        bits = bits << 1 | (isLit(c) ? 1u : 0u);
    if (m_game)
        for (const ReelMotion &reel : m_game->reels)
            bits = bits << 1 | (reel.standing(m_now) ? 1u : 0u);
    return bits << 1 | (turning() ? 1u : 0u);
}

void Session::refreshView()
{
    m_signature = signature();
    m_view.refresh();
}

} // namespace play
