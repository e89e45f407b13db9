// Patterns that look alike. A reel window shows five cells of its strip: the
// three rows, and part of the cell above and of the cell below. Two patterns
// whose fifteen visible cells carry the same symbols cannot be told apart by
// sight, so any category of that look counts as a right answer.
#pragma once

#include "judge/categories.h"
#include "judge/patternfilter.h"

#include <bitset>
#include <vector>

namespace drill {

// Categories as a set, indexed by judge::number(Category) (bit 0 unused).
using CategorySet = std::bitset<judge::kCategoryCount + 1>;

// Rows of a reel window above and below the three full rows that still show
// part of a cell.
inline constexpr int kPartRowsAbove = 1;
inline constexpr int kPartRowsBelow = 1;

class LookAlikes {
public:
    // Works through all 9261 patterns of the machine's judgement.
    LookAlikes();

    // The pattern's own category and those of every pattern that looks the
    // same.
    CategorySet rightCategories(const judge::Pattern &pattern) const;
    // The other patterns with the same look, in index order (usually none).
    std::vector<judge::Pattern> sameLook(const judge::Pattern &pattern) const;

    // Looks shared by patterns of different categories, and those patterns.
    int mixedLooks() const { return m_mixedLooks; }
    int mixedPatterns() const { return m_mixedPatterns; }

private:
    std::vector<int> m_lookOf; // pattern index → look number
    std::vector<std::vector<int>> m_members; // look number → pattern indexes
    std::vector<CategorySet> m_categories; // look number → categories
    int m_mixedLooks = 0;
    int m_mixedPatterns = 0;
};

// Built on first use.
const LookAlikes &machineLookAlikes();

} // namespace drill
