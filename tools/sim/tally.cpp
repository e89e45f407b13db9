#include "tools/sim/tally.h"

#include "machine/lottery.h"
#include "machine/maystop.h"
#include "tools/sim/expectation.h"

#include <cstdio>
#include <ostream>
#include <string>

namespace sim {

namespace {

using machine::Bonus;
using machine::Phase;
using machine::Small;

template <typename... Args> std::string format(const char *pattern, Args... args)
{
    std::array<char, 256> text {};
    std::snprintf(text.data(), text.size(), pattern, args...);
    return text.data();
}

std::string oneIn(std::int64_t games, std::int64_t hits)
{
    return hits == 0 ? std::string("-") : format("1/%.3f", double(games) / double(hits));
}

} // namespace

void Tally::add(const machine::GameResult &game)
{
    ++m_games[std::size_t(game.phase)];
    if (game.phase != Phase::normal) {
        m_openBonusNet += game.payout - game.bet;
        if (game.bonusEnded) {
            m_bonusNet[std::size_t(game.bonus)] += m_openBonusNet;
            ++m_bonusesPlayed[std::size_t(game.bonus)];
            m_openBonusNet = 0;
        }
        return;
    }
    if (game.bonus == Bonus::none || game.bonusDrawn)
        ++m_drawableGames;
    if (game.bonusDrawn)
        ++m_drawn[std::size_t(game.bonus)];
    const auto small = std::size_t(game.small);
    ++m_smallDrawn[small];
    if (machine::isTarget(game.code, { game.bonus, game.small }))
        ++m_smallLinedUp[small];
    if (game.bonus != Bonus::none) {
        ++m_carriedGames;
        m_carriedReachMe += machine::isReachMeResult(game.code) ? 1 : 0;
    }
}

void Tally::print(
    std::ostream &out, const Options &options, const machine::Coins &coins, double seconds) const
{
    const Expectation expected = expectation(options.setting, options.player, options.control);
    const machine::BonusCounts &counts
        = machine::kBonusCounts[static_cast<std::size_t>(options.setting - 1)];
    const Count games = m_games[0] + m_games[1] + m_games[2];

    out << format("setting %d, %s player, %s control, seed %llu\n", options.setting,
        options.player == PlayerKind::random ? "random" : "perfect",
        options.control == machine::ControlOption::reachMeFirst ? "reach-me-first" : "standard",
        static_cast<unsigned long long>(options.seed));
    out << format("games             %lld (normal %lld, BIG small-win %lld, JAC %lld)\n",
        static_cast<long long>(games), static_cast<long long>(m_games[0]),
        static_cast<long long>(m_games[1]), static_cast<long long>(m_games[2]));
    for (const Bonus b : { Bonus::big, Bonus::reg }) {
        const auto i = std::size_t(b);
        const int count = b == Bonus::big ? counts.big : counts.reg;
        out << format("%-17s %lld drawn, %s of the normal games with no bonus carried "
                      "(setting %d: 1/%.3f)\n",
            std::string(machine::bonusName(b)).c_str(), static_cast<long long>(m_drawn[i]),
            oneIn(m_drawableGames, m_drawn[i]).c_str(), options.setting,
            double(machine::kDrawRange) / count);
        const std::string net = m_bonusesPlayed[i] == 0
            ? std::string("-")
            : format("%+.1f", double(m_bonusNet[i]) / double(m_bonusesPlayed[i]));
        out << format("                  %lld played, net %s coins each (expected %+.1f)\n",
            static_cast<long long>(m_bonusesPlayed[i]), net.c_str(),
            b == Bonus::big ? expected.bigNet : expected.regNet);
    }
    out << "small wins        in the normal games: drawn, how often, lined up\n";
    for (const Small s : { Small::cherry, Small::replay, Small::sanjaku, Small::ooyama }) {
        const auto i = std::size_t(s);
        out << format("  %-15s %lld, %s, %.2f %%\n", std::string(machine::smallName(s)).c_str(),
            static_cast<long long>(m_smallDrawn[i]), oneIn(m_games[0], m_smallDrawn[i]).c_str(),
            m_smallDrawn[i] == 0 ? 0.0 : 100.0 * double(m_smallLinedUp[i]) / m_smallDrawn[i]);
    }
    out << format("reach-me shown    in %lld of %lld normal games with a bonus carried (%.2f %%)\n",
        static_cast<long long>(m_carriedReachMe), static_cast<long long>(m_carriedGames),
        m_carriedGames == 0 ? 0.0 : 100.0 * double(m_carriedReachMe) / m_carriedGames);
    out << format("payout rate       %.2f %% (expected %.2f %%)\n", 100 * coins.payoutRate(),
        100 * expected.payoutRate);
    out << format("coins in          %lld\n", static_cast<long long>(coins.in));
    out << format("coins out         %lld\n", static_cast<long long>(coins.out));
    out << format("difference        %+lld\n", static_cast<long long>(coins.difference()));
    out << format("games per second  %.0f\n", seconds > 0 ? double(games) / seconds : 0.0);
}

} // namespace sim
