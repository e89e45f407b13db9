#include "machine/state.h"

#include "machine/lottery.h"

namespace machine {

namespace {

// The machine's generator stream; a simulated player takes another.
constexpr std::uint64_t kMachineStream = 0x5eed;

} // namespace

State newState(int setting, std::uint64_t seed)
{
    State state;
    state.setting = setting;
    state.generator = Generator(seed, kMachineStream);
    return state;
}

std::string impossibility(const State &state)
{
    const Counters &n = state.counters;
    const Coins &c = state.coins;
    if (state.setting < 1 || state.setting > kSettings)
        return "the setting is not 1..6";
    if ((state.generator.increment() & 1u) == 0)
        return "the generator's increment is even";
    if (!isPossible(state.bonus))
        return "the bonus in play is not one the machine can be in";
    if (state.carried != Bonus::none && state.bonus.kind != Bonus::none)
        return "a bonus is carried while another is played";
    if (state.replay && state.bonus.kind != Bonus::none)
        return "a replay is due in a bonus";
    if (c.credit < 0 || c.credit > kMaxCredit)
        return "the credit is not 0..50";
    if (c.in < 0 || c.out < 0 || c.replays < 0 || c.replays > n.games)
        return "the coin counts do not add up";
    if (n.games < 0 || n.gamesSinceBonus < 0 || n.bigs < 0 || n.regs < 0
        || n.gamesSinceBonus + n.bigs + n.regs > n.games)
        return "the game counts do not add up";
    return {};
}

} // namespace machine
