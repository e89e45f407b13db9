#include "machine/machine.h"

#include "judge/table.h"
#include "machine/lottery.h"
#include "machine/payout.h"

#include <stdexcept>

namespace machine {

Machine::Machine(int setting, std::uint64_t seed)
    : Machine(newState(setting, seed))
{ }

Machine::Machine(const State &state)
    : m_state(state)
{
    if (const std::string why = impossibility(state); !why.empty())
        throw std::invalid_argument("machine: " + why);
}

Machine::Stage Machine::stage() const
{
    if (m_spinning)
        return Stage::spinning;
    return m_state.betPlaced ? Stage::betPlaced : Stage::waitingForBet;
}

int Machine::betDue() const
{
    if (m_state.replay)
        return 0;
    return m_state.bonus.phase() == Phase::jac ? kJacBet : kGameBet;
}

bool Machine::maxBet()
{
    if (m_spinning || m_state.betPlaced)
        return false;
    takeBet(m_state.coins, betDue());
    m_state.betPlaced = true;
    return true;
}

bool Machine::lever()
{
    if (m_spinning)
        return false;
    maxBet();
    m_bet = betDue();
    Generator generator = m_state.generator;
    const std::uint16_t draw = generator.draw16();
    switch (m_state.bonus.phase()) {
    case Phase::normal: m_flags = drawNormalGame(draw, m_state.setting, m_state.carried); break;
    case Phase::big: m_flags = { Bonus::none, drawBigGame(draw) }; break;
    case Phase::jac: m_flags = { Bonus::none, drawJacGame(draw) }; break;
    }
    m_bonusDrawn = m_state.carried == Bonus::none && m_flags.bonus != Bonus::none;
    m_generatorAfterDraw = generator;
    m_spinning = true;
    m_nextReel = 0;
    return true;
}

std::optional<StopResult> Machine::stop(int reel, int pressCell)
{
    if (!m_spinning || reel != m_nextReel || !judge::isCell(pressCell))
        return std::nullopt;
    const auto r = static_cast<std::size_t>(reel);
    m_press[r] = pressCell;
    m_stops[r] = ReelControl::instance().stopCell(m_flags, reel, m_stops, pressCell, m_option);
    StopResult result { m_stops[r], std::nullopt };
    if (++m_nextReel == 3)
        result.game = finish();
    return result;
}

GameResult Machine::play(const std::array<int, 3> &presses)
{
    if (!lever())
        throw std::logic_error("machine::Machine::play: the reels are already turning");
    std::optional<StopResult> last;
    for (int reel = 0; reel < 3; ++reel)
        last = stop(reel, presses[static_cast<std::size_t>(reel)]);
    if (!last || !last->game)
        throw std::invalid_argument("machine::Machine::play: a press is not a cell 1..21");
    return *last->game;
}

GameResult Machine::finish()
{
    State &s = m_state;
    GameResult g;
    g.game = s.counters.games + 1;
    g.phase = s.bonus.phase();
    g.bonus = g.phase == Phase::normal ? m_flags.bonus : s.bonus.kind;
    g.small = m_flags.small;
    g.bonusDrawn = m_bonusDrawn;
    g.press = m_press;
    g.stop = m_stops;
    g.code = judge::judge(m_stops[0], m_stops[1], m_stops[2]);
    g.bet = m_bet;
    g.payout = payoutFor(g.code, m_stops[0], m_stops[1], m_stops[2], g.phase);
    g.missedOoyama = m_flags.small == Small::ooyama && g.code != judge::Code::J17;

    s.generator = m_generatorAfterDraw;
    s.betPlaced = false;
    ++s.counters.games;
    const bool threeReplays = g.code == judge::Code::J15;
    if (g.phase == Phase::normal) {
        ++s.counters.gamesSinceBonus;
        s.replay = threeReplays;
        s.coins.replays += threeReplays ? 1 : 0;
        s.carried = m_flags.bonus;
        const bool big = g.code == judge::Code::J01, reg = g.code == judge::Code::J02;
        if (big || reg) {
            s.carried = Bonus::none;
            s.bonus = startBonus(big ? Bonus::big : Bonus::reg);
            ++(big ? s.counters.bigs : s.counters.regs);
            s.counters.gamesSinceBonus = 0;
        }
    } else {
        finishBonusGame(s.bonus, threeReplays);
        g.bonusEnded = s.bonus.kind == Bonus::none;
    }
    g.toTray = pay(s.coins, g.payout);
    g.credit = s.coins.credit;
    m_spinning = false;
    m_last = g;
    return g;
}

Display Machine::display() const
{
    const State &s = m_state;
    Display d;
    d.credit = s.coins.credit;
    d.payout = m_last ? m_last->payout : 0;
    d.notice = m_last && m_last->missedOoyama;
    d.gamesSinceBonus = s.counters.gamesSinceBonus;
    d.bigs = s.counters.bigs;
    d.regs = s.counters.regs;
    d.difference = s.coins.difference();
    d.phase = s.bonus.phase();
    d.bonus = s.bonus.kind;
    if (s.bonus.kind == Bonus::big)
        d.smallGamesLeft = kBigSmallGames - s.bonus.smallGames;
    if (s.bonus.kind != Bonus::none)
        d.jacGamesLeft = s.bonus.jacGamesAllowed() - s.bonus.jacGames;
    d.jacWins = s.bonus.jacWins;
    d.replay = s.replay;
    return d;
}

} // namespace machine
