// Which patterns a chart shows: filters by category, result, the symbol at
// any of the nine places and a search text, combined; and the patterns that
// pass, grouped by result.
#pragma once

#include "judge/categories.h"
#include "judge/codes.h"
#include "judge/pattern.h"
#include "judge/strips.h"

#include <array>
#include <bitset>
#include <optional>
#include <string_view>
#include <vector>

namespace judge {

// What a search text asks for: the first one to three cells (left, centre,
// right), or one result. Anything else is not understood and filters nothing.
struct SearchQuery {
    enum class Kind { empty, cells, code, notUnderstood };
    Kind kind = Kind::empty;
    std::vector<int> cells; // one to three, each 1..21
    std::optional<Code> code;
};

// "3", "3 2", "3 2 14" (blanks, full-width digits and blanks too); "J04",
// "j4".
SearchQuery parseSearch(std::string_view utf8);

struct PatternFilter {
    // Empty sets pass everything.
    std::bitset<kCategoryCount + 1> categories; // by number(Category)
    std::bitset<kCodeCount + 1> codes; // by number(Code)
    // The symbol wanted at [row][reel], rows top, middle, bottom.
    std::array<std::array<std::optional<Symbol>, kReels>, 3> places {};
    SearchQuery search;

    bool accepts(const Pattern &pattern, Code code) const;
};

struct ResultGroup {
    Code code;
    std::vector<Pattern> patterns; // those that pass, left, centre, right ascending
    int total = 0; // patterns with this result in all
};

// All 38 results in order J01 … J38, each with the patterns that pass (a
// group may be empty).
std::vector<ResultGroup> selectPatterns(const PatternFilter &filter);

// The different 3 × 3 views of symbols the reel windows can show, and those
// of them that stand for patterns with different results: for these a lookup
// by what one sees gives more than one answer.
struct ViewFigures {
    int views = 0;
    int mixed = 0;
};
// Worked out from the machine's judgement on first use.
const ViewFigures &machineViewFigures();

} // namespace judge
