// The 9261 patterns numbered 0..9260 (left, then centre, then right cell), so
// that progress and schedules can keep one slot per pattern.
#pragma once

#include "judge/categories.h"
#include "judge/patternfilter.h"
#include "judge/table.h"

namespace drill {

inline constexpr int kPatternCount = judge::kPatterns;

constexpr int indexOf(const judge::Pattern &p)
{
    return ((p.left - 1) * judge::kCells + (p.centre - 1)) * judge::kCells + (p.right - 1);
}

constexpr judge::Pattern patternAt(int index)
{
    return { index / (judge::kCells * judge::kCells) + 1, index / judge::kCells % judge::kCells + 1,
        index % judge::kCells + 1 };
}

// The pattern's own category, from the machine's judgement.
judge::Category categoryAt(int index);

} // namespace drill
