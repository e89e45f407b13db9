// The 9261 patterns numbered 0..9260 (left, then centre, then right cell), so
// that progress and schedules can keep one slot per pattern.
#pragma once

#include "judge/categories.h"
#include "judge/pattern.h"
#include "judge/table.h"

namespace drill {

inline constexpr int kPatternCount = judge::kPatterns;

constexpr int indexOf(const judge::Pattern &p) { return judge::patternIndex(p); }

using judge::patternAt;

// The pattern's own category, from the machine's judgement.
judge::Category categoryAt(int index);

} // namespace drill
