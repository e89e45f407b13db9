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
    : lookOf_(kPatternCount)
{
    std::map<Look, int> numbers;
    for (int i = 0; i < kPatternCount; ++i) {
        const auto [it, added]
            = numbers.try_emplace(lookOf(patternAt(i)), static_cast<int>(members_.size()));
        if (added) {
            members_.emplace_back();
            categories_.emplace_back();
        }
        const auto look = static_cast<std::size_t>(it->second);
        lookOf_[static_cast<std::size_t>(i)] = it->second;
        members_[look].push_back(i);
        categories_[look].set(static_cast<std::size_t>(judge::number(categoryAt(i))));
    }
    for (std::size_t look = 0; look < members_.size(); ++look)
        if (categories_[look].count() > 1) {
            ++mixedLooks_;
            mixedPatterns_ += static_cast<int>(members_[look].size());
        }
}

CategorySet LookAlikes::rightCategories(const judge::Pattern &pattern) const
{
    return categories_[static_cast<std::size_t>(
        lookOf_[static_cast<std::size_t>(indexOf(pattern))])];
}

std::vector<judge::Pattern> LookAlikes::sameLook(const judge::Pattern &pattern) const
{
    const int self = indexOf(pattern);
    std::vector<judge::Pattern> others;
    for (int i : members_[static_cast<std::size_t>(lookOf_[static_cast<std::size_t>(self)])])
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
