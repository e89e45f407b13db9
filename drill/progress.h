// What the drill remembers of a player: per pattern a Leitner box, the times
// answered right and wrong and when last asked, and a bounded log of recent
// answers. Plain data; drill/progressformat.h reads and writes it, and
// drill/store/progressstore.h keeps it on disk.
//
// Boxes: 0 never asked; a wrong answer puts a pattern in box 1; a right one
// moves it up one box (a new pattern answered right starts in box 2), up to
// box kTopBox. See drill/scheduler.h for when each box comes due.
//
// Mastered: box kMasteredBox or higher, that is, answered right at least four
// times running, the last of them a day or more after the one before (box 4
// waits a day), so the pattern was known again after a night's sleep.
#pragma once

#include "judge/categories.h"
#include "judge/patternfilter.h"

#include <cstdint>
#include <deque>
#include <vector>

namespace drill {

inline constexpr int kTopBox = 7;
inline constexpr int kMasteredBox = 5;
// The log keeps at most this many answers per category (the last 100 answers
// in a category give its accuracy).
inline constexpr int kLogPerCategory = 100;

constexpr bool isMastered(int box) { return box >= kMasteredBox; }

struct PatternProgress {
    std::uint8_t box = 0;
    std::uint32_t right = 0;
    std::uint32_t wrong = 0;
    std::int64_t lastAsked = 0; // seconds since 1970-01-01 UTC; 0 never
    std::uint64_t lastQuestion = 0; // Progress::questions when last answered
    bool seen() const { return right + wrong > 0; }
    bool operator==(const PatternProgress &) const = default;
};

struct LoggedAnswer {
    std::uint16_t pattern = 0; // index, see drill/patterns.h
    std::uint8_t chosen = 0; // category number 1..9; 0 the time ran out
    bool right = false;
    std::int64_t when = 0; // seconds since 1970-01-01 UTC
    bool operator==(const LoggedAnswer &) const = default;
};

struct Progress {
    Progress();
    std::uint64_t questions = 0; // answers given in all sittings
    std::vector<PatternProgress> patterns; // kPatternCount, by index
    std::deque<LoggedAnswer> log; // oldest first
    bool operator==(const Progress &) const = default;

    // Counts one answer: the pattern's counters and box, the log (trimmed to
    // kLogPerCategory per category of the pattern), and questions. `promote`
    // false keeps the box of a right answer (asked before it was due).
    void record(int pattern, int chosen, bool right, std::int64_t when, bool promote = true);
};

} // namespace drill
