// Which pattern comes next, and what an answer does to the progress.
//
// "実戦" (Mode::play): every pattern of the chosen categories equally likely,
// as they come in play.
//
// "苦手克服" (Mode::weakness), Leitner boxes spaced in questions within a
// sitting and in days across sittings (see kBoxGaps):
//   1. a pattern that is due comes first, box 1 (answered wrong) before the
//      rest, at random among equals;
//   2. else a new pattern, while fewer than kLearning patterns sit in boxes
//      1–2; its category is drawn at random among the chosen categories that
//      still have new patterns, the reach-me ones (2–4, 9) kReachMeWeight
//      times as likely as each other one: reach-me patterns come in early
//      (about 8 new patterns in 13 while all nine categories have some, against
//      37 % of all patterns) yet always mixed with the others, and as every
//      draw stands on its own, the order tells nothing;
//   3. else the learning pattern (box 1–3) nearest to due, as if due.
//   4. else the least recently asked pattern not mastered, then any.
// The same pattern never comes twice in a row when there is another.
//
// Both modes record every answer; a right answer moves a pattern up a box
// only if it was due (or new).
#pragma once

#include "drill/lookalikes.h"
#include "drill/progress.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <random>
#include <vector>

namespace drill {

enum class Mode { play, weakness };

// A box comes due after `questions` more answers and `seconds` more time,
// both counted from its last answer. Box 1 waits 2–4 questions (varied per
// pattern and answer, so a return is not counted out).
struct BoxGap {
    int questions;
    std::int64_t seconds;
};
inline constexpr std::int64_t kDay = 24 * 60 * 60;
// A "day" gap is a day less four hours, so tomorrow's sitting at the same hour
// finds it due.
inline constexpr std::int64_t kDayGap = kDay - 4 * 60 * 60;
inline constexpr std::array<BoxGap, kTopBox + 1> kBoxGaps { {
    { 0, 0 }, // new
    { 2, 0 }, // answered wrong: 2–4 questions
    { 8, 0 },
    { 25, 0 },
    { 40, kDayGap },
    { 60, 3 * kDay - 4 * 60 * 60 },
    { 80, 7 * kDay - 4 * 60 * 60 },
    { 100, 21 * kDay - 4 * 60 * 60 },
} };
inline constexpr int kLearning = 6;
inline constexpr int kReachMeWeight = 2;

// Seconds since 1970-01-01 UTC.
using Clock = std::function<std::int64_t()>;
std::int64_t systemClock();

struct Outcome {
    judge::Pattern pattern;
    std::optional<judge::Category> chosen; // empty: the time ran out
    bool right = false;
    CategorySet rightCategories; // its own and those of its look-alikes
    std::vector<judge::Pattern> sameLook; // other patterns of the look
};

struct SittingFigures {
    int answers = 0;
    int right = 0;
    std::array<int, judge::kCategoryCount + 1> answersIn {}; // by category number
    std::array<int, judge::kCategoryCount + 1> rightIn {};
};

class Scheduler {
public:
    Scheduler(Progress &progress, std::uint64_t seed, Clock clock = systemClock);

    void setMode(Mode mode) { m_mode = mode; }
    Mode mode() const { return m_mode; }
    // Narrows both modes to these categories; a set naming none means all nine.
    void setCategories(const CategorySet &categories);
    CategorySet categories() const { return m_categories; }

    // Picks the next pattern and remembers it as the one asked.
    judge::Pattern next();
    // The pattern last returned by next(); nullopt before the first.
    std::optional<judge::Pattern> current() const { return m_current; }

    // Answers the current pattern (empty: the time ran out) and records it in
    // the progress. Call once per next().
    Outcome answer(std::optional<judge::Category> chosen);

    // Since this scheduler was made.
    const SittingFigures &sitting() const { return m_sitting; }

    // Whether the pattern (index) is due now, by kBoxGaps.
    bool isDue(int pattern) const;

private:
    // How far a pattern is along its wait: the answers since its own last,
    // the answers it waits (kBoxGaps, varied in box 1), and whether it is due
    // at `now`, both waits over. A new pattern is never due.
    struct Wait {
        std::uint64_t since = 0;
        int questions = 0;
        bool due = false;
    };
    Wait waitOf(int pattern, const PatternProgress &p, std::int64_t now) const;
    int pickWeakness();
    int randomOf(const std::vector<int> &patterns);

    Progress &m_progress;
    std::mt19937_64 m_random;
    Clock m_clock;
    Mode m_mode = Mode::weakness;
    CategorySet m_categories;
    std::vector<int> m_pool; // allowed patterns, by index
    std::optional<judge::Pattern> m_current;
    bool m_currentWasDue = false;
    bool m_answered = true;
    SittingFigures m_sitting;
};

} // namespace drill
