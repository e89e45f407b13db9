#include "machine/lottery.h"

#include <stdexcept>

namespace machine {

namespace {

Small drawSmall(std::uint32_t draw, const SmallCounts &counts)
{
    for (const SmallRange &range : smallRanges(counts)) {
        if (draw < range.count)
            return range.small;
        draw -= range.count;
    }
    return Small::none;
}

} // namespace

Flags drawNormalGame(std::uint16_t draw, int setting, Bonus carried)
{
    if (setting < 1 || setting > kSettings)
        throw std::out_of_range("machine: no such setting");
    const BonusCounts &bonus = kBonusCounts[static_cast<std::size_t>(setting - 1)];
    const std::uint32_t bonusRange = std::uint32_t { bonus.big } + bonus.reg;
    if (draw < bonusRange) {
        if (carried != Bonus::none)
            return { carried, Small::none };
        return { draw < bonus.big ? Bonus::big : Bonus::reg, Small::none };
    }
    return { carried, drawSmall(draw - bonusRange, kNormalGameCounts) };
}

Small drawBigGame(std::uint16_t draw) { return drawSmall(draw, kBigGameCounts); }

Small drawJacGame(std::uint16_t draw) { return draw < kJacWinCount ? Small::jac : Small::none; }

} // namespace machine
