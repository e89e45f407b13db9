#include "tools/sim/players.h"

#include "judge/table.h"
#include "machine/maystop.h"
#include "machine/payout.h"

namespace sim {

namespace {

using machine::ControlOption;
using machine::Flags;
using machine::kFlagPairs;

// The player's own stream, apart from the machine's.
constexpr std::uint64_t kPlayerStream = 0x91a7e4;

std::vector<Presses> allPresses()
{
    std::vector<Presses> all;
    all.reserve(judge::kPatterns);
    for (int i = 0; i < judge::kPatterns; ++i) {
        const judge::Pattern p = judge::patternAt(i);
        all.push_back({ p.left, p.centre, p.right });
    }
    return all;
}

std::vector<Presses> bestPresses(ControlOption option, Flags flags)
{
    const machine::ReelControl &control = machine::ReelControl::instance();
    std::vector<Presses> best;
    int most = -1;
    for (const Presses &presses : allPresses()) {
        const auto s = control.stopAll(flags, presses, option);
        const judge::Code code = judge::judge(s[0], s[1], s[2]);
        if (!machine::isTarget(code, flags))
            continue;
        const int coins = machine::payoutFor(code, s[0], s[1], s[2], machine::Phase::normal);
        if (coins > most) {
            most = coins;
            best.clear();
        }
        if (coins == most)
            best.push_back(presses);
    }
    return best.empty() ? allPresses() : best;
}

using Choices = std::array<std::vector<Presses>, kFlagPairs>;

Choices bestForEveryPair(ControlOption option)
{
    Choices choices;
    for (int pair = 0; pair < kFlagPairs; ++pair)
        choices[static_cast<std::size_t>(pair)] = bestPresses(option, machine::pairAt(pair));
    return choices;
}

} // namespace

const std::vector<Presses> &pressChoices(PlayerKind kind, ControlOption option, Flags flags)
{
    static const std::vector<Presses> all = allPresses();
    if (kind == PlayerKind::random)
        return all;
    static const Choices standard = bestForEveryPair(ControlOption::standard);
    static const Choices reachMeFirst = bestForEveryPair(ControlOption::reachMeFirst);
    const Choices &choices = option == ControlOption::reachMeFirst ? reachMeFirst : standard;
    return choices[static_cast<std::size_t>(machine::pairIndex(flags))];
}

Player::Player(PlayerKind kind, std::uint64_t seed, ControlOption option)
    : m_kind(kind)
    , m_option(option)
    , m_generator(seed, kPlayerStream)
{ }

Presses Player::presses(Flags flags)
{
    if (m_kind == PlayerKind::random) {
        Presses p {};
        for (int &cell : p)
            cell = 1 + static_cast<int>(m_generator.below(judge::kCells));
        return p;
    }
    const std::vector<Presses> &choices = pressChoices(m_kind, m_option, flags);
    return choices[m_generator.below(static_cast<std::uint32_t>(choices.size()))];
}

} // namespace sim
