// The figures per category: how many patterns there are, how many have been
// seen and mastered (drill/progress.h says what mastered means), and the
// accuracy of the last answers in it.
#pragma once

#include "drill/progress.h"

#include <array>

namespace drill {

struct CategoryFigures {
    int patterns = 0;
    int seen = 0;
    int mastered = 0;
    int recentAnswers = 0; // up to kLogPerCategory
    int recentRight = 0;
};

// By category number 1..9 (index 0 unused).
using Figures = std::array<CategoryFigures, judge::kCategoryCount + 1>;

Figures figures(const Progress &progress);

} // namespace drill
