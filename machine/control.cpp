#include "machine/control.h"

#include "judge/table.h"
#include "machine/maystop.h"

#include <bit>
#include <stdexcept>

namespace machine {

namespace {

using judge::kCells;

constexpr std::uint32_t bit(int cell) { return 1u << (kCells - cell); }

// The slip (0..4) to the first cell of `cells` that a press reaches, or −1.
int firstSlip(std::uint32_t cells, int press)
{
    const std::uint64_t twice = cells | (std::uint64_t { cells } << kCells);
    const auto reach = static_cast<unsigned>(twice >> (kCells - press)) & 0x1Fu;
    return reach == 0 ? -1 : std::countr_zero(reach);
}

// Whether every press reaches one of `cells`: a stop before them is safe.
bool servesEveryPress(std::uint32_t cells)
{
    for (int press = 1; press <= kCells; ++press)
        if (firstSlip(cells, press) < 0)
            return false;
    return true;
}

} // namespace

const ReelControl &ReelControl::instance()
{
    static const ReelControl control;
    return control;
}

ReelControl::ReelControl()
    : m_choices(static_cast<std::size_t>(kFlagPairs * kPerPair))
{
    const judge::Judgement &judgement = judge::machineJudgement();
    for (int pair = 0; pair < kFlagPairs; ++pair) {
        const Flags flags = pairAt(pair);
        Choice *choices = &m_choices[static_cast<std::size_t>(pair * kPerPair)];
        Choice &left = choices[0];
        for (int l = 1; l <= kCells; ++l) {
            Choice &centre = choices[l];
            bool targetPossible = false, reachMePossible = false;
            for (int c = 1; c <= kCells; ++c) {
                Choice &right = choices[kCells + (l - 1) * kCells + c];
                for (int r = 1; r <= kCells; ++r) {
                    const judge::Code code = judgement.at(l, c, r);
                    if (mayStop(code, flags))
                        right.safe |= bit(r);
                    if (isTarget(code, flags))
                        right.target |= bit(r);
                    if (isStoppingReachMe(code, flags))
                        right.reachMe |= bit(r);
                }
                targetPossible |= right.target != 0;
                reachMePossible |= right.reachMe != 0;
                if (servesEveryPress(right.safe)) {
                    centre.safe |= bit(c);
                    centre.target |= right.target != 0 ? bit(c) : 0;
                    centre.reachMe |= right.reachMe != 0 ? bit(c) : 0;
                }
            }
            if (servesEveryPress(centre.safe)) {
                left.safe |= bit(l);
                left.target |= targetPossible ? bit(l) : 0;
                left.reachMe |= reachMePossible ? bit(l) : 0;
            }
        }
    }
}

const ReelControl::Choice &ReelControl::choice(
    int pair, int reel, const std::array<int, 3> &stops) const
{
    const Choice *choices = &m_choices[static_cast<std::size_t>(pair * kPerPair)];
    if (reel == 0)
        return choices[0];
    if (!(choices[0].safe & bit(stops[0])))
        throw std::logic_error("machine::ReelControl: the left reel never stops there");
    if (reel == 1)
        return choices[stops[0]];
    if (!(choices[stops[0]].safe & bit(stops[1])))
        throw std::logic_error("machine::ReelControl: the centre reel never stops there");
    return choices[kCells + (stops[0] - 1) * kCells + stops[1]];
}

int ReelControl::stopCell(
    Flags flags, int reel, const std::array<int, 3> &stops, int press, ControlOption option) const
{
    if (reel < 0 || reel > 2 || !judge::isCell(press))
        throw std::out_of_range("machine::ReelControl: no such reel or cell");
    for (int earlier = 0; earlier < reel; ++earlier)
        if (!judge::isCell(stops[static_cast<std::size_t>(earlier)]))
            throw std::out_of_range("machine::ReelControl: no such cell");
    const Choice &c = choice(pairIndex(flags), reel, stops);
    int slip = firstSlip(c.target, press);
    if (slip < 0 && option == ControlOption::reachMeFirst)
        slip = firstSlip(c.reachMe, press);
    if (slip < 0)
        slip = firstSlip(c.safe, press);
    if (slip < 0) // every context a safe stop leads to has one
        throw std::logic_error("machine::ReelControl: no safe stop");
    return slideTo(press, slip);
}

std::array<int, 3> ReelControl::stopAll(
    Flags flags, const std::array<int, 3> &presses, ControlOption option) const
{
    std::array<int, 3> stops {};
    for (int reel = 0; reel < 3; ++reel)
        stops[static_cast<std::size_t>(reel)]
            = stopCell(flags, reel, stops, presses[static_cast<std::size_t>(reel)], option);
    return stops;
}

const std::bitset<judge::kPatterns> &stoppablePatterns(ControlOption option)
{
    const auto build = [](ControlOption o) {
        const ReelControl &control = ReelControl::instance();
        std::bitset<judge::kPatterns> seen;
        for (int pair = 0; pair < kFlagPairs; ++pair) {
            const Flags flags = pairAt(pair);
            std::array<int, 3> stops {};
            for (int p0 = 1; p0 <= kCells; ++p0) {
                stops[0] = control.stopCell(flags, 0, stops, p0, o);
                for (int p1 = 1; p1 <= kCells; ++p1) {
                    stops[1] = control.stopCell(flags, 1, stops, p1, o);
                    for (int p2 = 1; p2 <= kCells; ++p2)
                        seen.set(static_cast<std::size_t>(judge::patternIndex(
                            stops[0], stops[1], control.stopCell(flags, 2, stops, p2, o))));
                }
            }
        }
        return seen;
    };
    static const std::bitset<judge::kPatterns> standard = build(ControlOption::standard);
    static const std::bitset<judge::kPatterns> reachMeFirst = build(ControlOption::reachMeFirst);
    return option == ControlOption::reachMeFirst ? reachMeFirst : standard;
}

} // namespace machine
