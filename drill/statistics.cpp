#include "drill/statistics.h"

#include "drill/patterns.h"

namespace drill {

Figures figures(const Progress &progress)
{
    Figures result {};
    for (int i = 0; i < kPatternCount; ++i) {
        CategoryFigures &f = result[static_cast<std::size_t>(judge::number(categoryAt(i)))];
        const PatternProgress &p = progress.patterns[static_cast<std::size_t>(i)];
        ++f.patterns;
        f.seen += p.seen() ? 1 : 0;
        f.mastered += isMastered(p.box) ? 1 : 0;
    }
    // The log keeps the last kLogPerCategory answers of each category.
    for (const LoggedAnswer &a : progress.log) {
        CategoryFigures &f = result[static_cast<std::size_t>(judge::number(categoryAt(a.pattern)))];
        ++f.recentAnswers;
        f.recentRight += a.right ? 1 : 0;
    }
    return result;
}

} // namespace drill
