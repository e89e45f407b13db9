#include "tools/sim/expectation.h"

#include "judge/table.h"
#include "machine/bonusgame.h"
#include "machine/coins.h"
#include "machine/lottery.h"
#include "machine/payout.h"

#include <array>

namespace sim {

namespace {

using machine::Bonus;
using machine::Flags;
using machine::Small;

constexpr double kRange = machine::kDrawRange;

// A game's outcome for a flag pair, averaged over the player's presses.
struct Outcome {
    double coins = 0; // paid, a JAC game's 15 aside
    double replay = 0; // three replay symbols: a replay, the JAC-in, a JAC win
    double bonus = 0; // the bonus lined up
};

Outcome outcomeFor(PlayerKind kind, machine::ControlOption option, Flags flags)
{
    const machine::ReelControl &control = machine::ReelControl::instance();
    const std::vector<Presses> &choices = pressChoices(kind, option, flags);
    Outcome o;
    for (const Presses &presses : choices) {
        const auto s = control.stopAll(flags, presses, option);
        const judge::Code code = judge::judge(s[0], s[1], s[2]);
        o.coins += machine::payoutFor(code, s[0], s[1], s[2], machine::Phase::normal);
        o.replay += code == judge::Code::J15 ? 1 : 0;
        o.bonus += code == judge::Code::J01 || code == judge::Code::J02 ? 1 : 0;
    }
    const double n = double(choices.size());
    return { o.coins / n, o.replay / n, o.bonus / n };
}

struct Flow {
    double in = 0, out = 0;
    Flow &operator+=(const Flow &f)
    {
        in += f.in;
        out += f.out;
        return *this;
    }
    Flow operator*(double p) const { return { in * p, out * p }; }
    Flow operator+(const Flow &f) const { return { in + f.in, out + f.out }; }
};

// One JAC game: plays of one coin until 12 plays or 8 wins of 15.
Flow jacGame(double win)
{
    // flow[plays][wins] from that point on, filled backwards.
    std::array<std::array<Flow, machine::kJacWins + 1>, machine::kJacPlays + 1> flow {};
    for (int plays = machine::kJacPlays - 1; plays >= 0; --plays)
        for (int wins = std::min(plays, machine::kJacWins - 1); wins >= 0; --wins) {
            Flow f { double(machine::kJacBet), win * machine::kJacWinPayout };
            f += flow[std::size_t(plays + 1)][std::size_t(wins + 1)] * win;
            f += flow[std::size_t(plays + 1)][std::size_t(wins)] * (1 - win);
            flow[std::size_t(plays)][std::size_t(wins)] = f;
        }
    return flow[0][0];
}

Flow bigBonus(PlayerKind kind, machine::ControlOption option, const Flow &jac)
{
    Flow game { double(machine::kGameBet), 0 };
    double jacIn = 0;
    for (const machine::SmallRange &range : machine::smallRanges(machine::kBigGameCounts)) {
        const Outcome o = outcomeFor(kind, option, { Bonus::none, range.small });
        game.out += range.count / kRange * o.coins;
        jacIn += range.small == Small::replay ? range.count / kRange * o.replay : 0;
    }
    // flow[small games played][JAC games played], filled backwards.
    std::array<std::array<Flow, machine::kBigJacGames>, machine::kBigSmallGames> flow {};
    for (int g = machine::kBigSmallGames - 1; g >= 0; --g)
        for (int j = std::min(g, machine::kBigJacGames - 1); j >= 0; --j) {
            Flow f = game;
            const bool lastGame = g + 1 == machine::kBigSmallGames;
            Flow in = jac;
            if (!lastGame && j + 1 < machine::kBigJacGames)
                in += flow[std::size_t(g + 1)][std::size_t(j + 1)];
            f += in * jacIn;
            if (!lastGame)
                f += flow[std::size_t(g + 1)][std::size_t(j)] * (1 - jacIn);
            flow[std::size_t(g)][std::size_t(j)] = f;
        }
    return flow[0][0];
}

} // namespace

Expectation expectation(int setting, PlayerKind kind, machine::ControlOption option)
{
    const Flow jac = jacGame(machine::kJacWinCount / kRange
        * outcomeFor(kind, option, { Bonus::none, Small::jac }).replay);
    const std::array<Flow, 3> bonusFlow { Flow {}, bigBonus(kind, option, jac), jac };

    const machine::BonusCounts &counts
        = machine::kBonusCounts.at(static_cast<std::size_t>(setting - 1));
    const auto smalls = machine::smallRanges(machine::kNormalGameCounts);
    double noSmall = 1;
    for (const machine::SmallRange &range : smalls)
        noSmall -= range.count / kRange;

    // A normal game with these flags: its coins, a replay worth three, with
    // the bonus games when it lines up a bonus.
    const auto flowOf = [&](Flags flags) {
        const Outcome o = outcomeFor(kind, option, flags);
        return Flow { double(machine::kGameBet), o.coins + machine::kReplayWorth * o.replay }
        + bonusFlow[std::size_t(flags.bonus)] * o.bonus;
    };
    const auto withCarried = [&](Bonus b) {
        Flow f = flowOf({ b, Small::none }) * noSmall;
        for (const machine::SmallRange &range : smalls)
            f += flowOf({ b, range.small }) * (range.count / kRange);
        return f;
    };

    // The normal games form a chain of three states: no bonus carried, BIG
    // carried, REG carried. A bonus is drawn with no small win and lined up
    // there or carried on; while it is carried its range draws nothing, and
    // it is lined up in a game with no small win, as often as the player
    // manages. Per game with no bonus carried:
    const std::array<double, 3> drawn { 0, counts.big / kRange, counts.reg / kRange };
    // The bonus ranges take their share from the games with no flag.
    Flow total = withCarried(Bonus::none) + flowOf({}) * -(drawn[1] + drawn[2]);
    for (const Bonus b : { Bonus::big, Bonus::reg }) {
        const double p = drawn[std::size_t(b)];
        const double linedUp = outcomeFor(kind, option, { b, Small::none }).bonus;
        total += flowOf({ b, Small::none }) * p;
        total += withCarried(b) * (p * (1 - linedUp) / (noSmall * linedUp));
    }
    return { total.out / total.in, bonusFlow[1].out - bonusFlow[1].in,
        bonusFlow[2].out - bonusFlow[2].in };
}

} // namespace sim
