#include "records/collection.h"

#include "judge/categories.h"
#include "judge/table.h"
#include "machine/maystop.h"

#include <algorithm>
#include <array>

namespace records {

namespace {

struct Slots {
    std::vector<int> patterns; // slot → pattern index
    std::array<int, judge::kPatterns> slot {}; // pattern index → slot, −1 for the others
};

const Slots &slots()
{
    static const Slots all = [] {
        Slots s;
        for (int i = 0; i < judge::kPatterns; ++i) {
            const judge::Pattern p = judge::patternAt(i);
            const bool reachMe = machine::isReachMeResult(judge::judge(p.left, p.centre, p.right));
            s.slot[static_cast<std::size_t>(i)]
                = reachMe ? static_cast<int>(s.patterns.size()) : -1;
            if (reachMe)
                s.patterns.push_back(i);
        }
        return s;
    }();
    return all;
}

int slotOf(const judge::Pattern &p)
{
    if (!judge::isCell(p.left) || !judge::isCell(p.centre) || !judge::isCell(p.right))
        return -1;
    return slots().slot[static_cast<std::size_t>(judge::patternIndex(p))];
}

constexpr judge::Code kFirstCode = judge::Code::J03, kLastCode = judge::Code::J13;

} // namespace

const std::vector<int> &collectablePatterns() { return slots().patterns; }

bool isCollectable(const judge::Pattern &pattern) { return slotOf(pattern) >= 0; }

ReachMeCollection::ReachMeCollection()
    : m_patterns(collectablePatterns().size())
{ }

ReachMeCollection::Recorded ReachMeCollection::record(const GameRow &row, std::int64_t time)
{
    const int slot = showsReachMe(row) ? slotOf(stopPattern(row)) : -1;
    if (slot < 0)
        return Recorded::notCollectable;
    CollectedPattern &p = m_patterns[static_cast<std::size_t>(slot)];
    const Sighting now { row.game, std::max<std::int64_t>(time, 0) };
    p.last = now;
    if (p.count++ > 0)
        return Recorded::again;
    p.first = now;
    ++m_collected;
    return Recorded::first;
}

const CollectedPattern &ReachMeCollection::at(const judge::Pattern &pattern) const
{
    static const CollectedPattern none;
    const int slot = slotOf(pattern);
    return slot < 0 ? none : m_patterns[static_cast<std::size_t>(slot)];
}

bool ReachMeCollection::restore(const judge::Pattern &pattern, const CollectedPattern &figures)
{
    const int slot = slotOf(pattern);
    const auto valid = [](const Sighting &s) { return s.game >= 1 && s.time >= 0; };
    if (slot < 0 || figures.count == 0 || !valid(figures.first) || !valid(figures.last)
        || (figures.count == 1 && figures.first != figures.last))
        return false;
    CollectedPattern &p = m_patterns[static_cast<std::size_t>(slot)];
    m_collected += p.count == 0 ? 1 : 0;
    p = figures;
    return true;
}

std::vector<ResultFigures> resultFigures(
    const ReachMeCollection &collection, machine::ControlOption option)
{
    std::vector<ResultFigures> figures;
    for (int n = judge::number(kFirstCode); n <= judge::number(kLastCode); ++n)
        figures.push_back({ judge::codeFromNumber(n), 0, 0, 0 });
    const auto &stoppable = machine::stoppablePatterns(option);
    for (const int index : collectablePatterns()) {
        const judge::Pattern p = judge::patternAt(index);
        const judge::Code code = judge::judge(p.left, p.centre, p.right);
        ResultFigures &f
            = figures[static_cast<std::size_t>(judge::number(code) - judge::number(kFirstCode))];
        const bool collected = collection.at(p).count > 0;
        ++f.patterns;
        f.collected += collected ? 1 : 0;
        f.canStop += collected || stoppable[static_cast<std::size_t>(index)] ? 1 : 0;
    }
    return figures;
}

std::string figuresText(const ResultFigures &f)
{
    return judge::name(f.code) + ' ' + std::string(judge::categoryName(judge::categoryOf(f.code)))
        + ' ' + std::to_string(f.collected) + " / " + std::to_string(f.canStop);
}

} // namespace records
