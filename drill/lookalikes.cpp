#include "drill/lookalikes.h"

#include "drill/patterns.h"
#include "judge/strips.h"

#include <map>

namespace drill {

namespace {

constexpr int kShownCells = kPartRowsAbove + 3 + kPartRowsBelow;

// The symbols the three windows show, top to bottom, reel by reel.
using Look = std::array<judge::Symbol, judge::kReels * kShownCells>;

Look lookOf(const judge::Pattern &p)
{
    Look look {};
    const std::array<int, judge::kReels> tops { p.left, p.centre, p.right };
    for (int reel = 0; reel < judge::kReels; ++reel)
        for (int row = 0; row < kShownCells; ++row) {
            // judge::kCells − kPartRowsAbove rows below is kPartRowsAbove rows above.
            const int cell = judge::cellBelow(
                tops[static_cast<std::size_t>(reel)], row - kPartRowsAbove + judge::kCells);
            look[static_cast<std::size_t>(reel * kShownCells + row)] = judge::symbolAt(reel, cell);
        }
    return look;
}

} // namespace

LookAlikes::LookAlikes()
    : m_lookOf(kPatternCount)
{
    std::map<Look, int> numbers;
    for (int i = 0; i < kPatternCount; ++i) {
        const auto [it, added]
            = numbers.try_emplace(lookOf(patternAt(i)), static_cast<int>(m_members.size()));
        if (added) {
            m_members.emplace_back();
            m_categories.emplace_back();
        }
        const auto look = static_cast<std::size_t>(it->second);
        m_lookOf[static_cast<std::size_t>(i)] = it->second;
        m_members[look].push_back(i);
        m_categories[look].set(static_cast<std::size_t>(judge::number(categoryAt(i))));
    }
    for (std::size_t look = 0; look < m_members.size(); ++look)
        if (m_categories[look].count() > 1) {
            ++m_mixedLooks;
            m_mixedPatterns += static_cast<int>(m_members[look].size());
        }
}

CategorySet LookAlikes::rightCategories(const judge::Pattern &pattern) const
{
    return m_categories[static_cast<std::size_t>(
        m_lookOf[static_cast<std::size_t>(indexOf(pattern))])];
}

std::vector<judge::Pattern> LookAlikes::sameLook(const judge::Pattern &pattern) const
{
    const int self = indexOf(pattern);
    std::vector<judge::Pattern> others;
    for (int i : m_members[static_cast<std::size_t>(m_lookOf[static_cast<std::size_t>(self)])])
        if (i != self)
            others.push_back(patternAt(i));
    return others;
}

const LookAlikes &machineLookAlikes()
{
    static const LookAlikes lookAlikes;
    return lookAlikes;
}

} // namespace drill
