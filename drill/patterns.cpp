#include "drill/patterns.h"

#include <array>
#include <stdexcept>

namespace drill {

judge::Category categoryAt(int index)
{
    static const auto table = [] {
        std::array<judge::Category, kPatternCount> t {};
        for (int i = 0; i < kPatternCount; ++i) {
            const judge::Pattern p = patternAt(i);
            t[static_cast<std::size_t>(i)]
                = judge::categoryOf(judge::judge(p.left, p.centre, p.right));
        }
        return t;
    }();
    if (index < 0 || index >= kPatternCount)
        throw std::out_of_range("drill::categoryAt: no such pattern");
    return table[static_cast<std::size_t>(index)];
}

} // namespace drill
