// What reachme-sim counts over a run, and its summary.
#pragma once

#include "machine/machine.h"
#include "tools/sim/options.h"

#include <array>
#include <cstdint>
#include <iosfwd>

namespace sim {

class Tally {
public:
    void add(const machine::GameResult &game);

    // The summary; `coins` are the machine's at the end, `seconds` the time
    // the games took.
    void print(std::ostream &out, const Options &options, const machine::Coins &coins,
        double seconds) const;

private:
    using Count = std::int64_t;
    static constexpr std::size_t kSmalls = 5; // by machine::Small, none … ooyama
    static constexpr std::size_t kPhases = 3;
    static constexpr std::size_t kBonuses = 3;

    std::array<Count, kPhases> m_games {};
    Count m_drawableGames = 0; // normal games that began with no bonus carried
    std::array<Count, kBonuses> m_drawn {};
    std::array<Count, kSmalls> m_smallDrawn {}, m_smallLinedUp {};
    Count m_carriedGames = 0, m_carriedReachMe = 0;
    std::array<Count, kBonuses> m_bonusNet {}, m_bonusesPlayed {};
    Count m_openBonusNet = 0; // of the bonus under way
};

} // namespace sim
