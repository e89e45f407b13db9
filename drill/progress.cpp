#include "drill/progress.h"

#include "drill/patterns.h"

#include <algorithm>

namespace drill {

Progress::Progress()
    : patterns(kPatternCount)
{ }

void Progress::record(int pattern, int chosen, bool right, std::int64_t when, bool promote)
{
    PatternProgress &p = patterns.at(static_cast<std::size_t>(pattern));
    if (right) {
        ++p.right;
        if (p.box == 0)
            p.box = 2;
        else if (promote)
            p.box = static_cast<std::uint8_t>(std::min(p.box + 1, kTopBox));
    } else {
        ++p.wrong;
        p.box = 1;
    }
    p.lastAsked = when;
    p.lastQuestion = ++questions;

    log.push_back(
        { static_cast<std::uint16_t>(pattern), static_cast<std::uint8_t>(chosen), right, when });
    const judge::Category category = categoryAt(pattern);
    const auto inCategory
        = [category](const LoggedAnswer &a) { return categoryAt(a.pattern) == category; };
    if (std::count_if(log.begin(), log.end(), inCategory) > kLogPerCategory)
        log.erase(std::find_if(log.begin(), log.end(), inCategory));
}

} // namespace drill
