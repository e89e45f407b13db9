#include "drill/scheduler.h"

#include "drill/patterns.h"

#include <algorithm>
#include <chrono>
#include <limits>
#include <stdexcept>

namespace drill {

namespace {

// SplitMix64's finaliser: a well-mixed number from a pattern and its last
// answer, so box 1's wait varies without being stored.
std::uint64_t mix(std::uint64_t x)
{
    x += 0x9e3779b97f4a7c15u;
    x = (x ^ (x >> 30)) * 0xbf58476d1ce4e5b9u;
    x = (x ^ (x >> 27)) * 0x94d049bb133111ebu;
    return x ^ (x >> 31);
}

int questionGap(int pattern, const PatternProgress &p)
{
    const int gap = kBoxGaps[p.box].questions;
    if (p.box != 1)
        return gap;
    return gap
        + static_cast<int>(mix(static_cast<std::uint64_t>(pattern) << 32 ^ p.lastQuestion) % 3);
}

} // namespace

std::int64_t systemClock()
{
    return std::chrono::duration_cast<std::chrono::seconds>(
        std::chrono::system_clock::now().time_since_epoch())
        .count();
}

Scheduler::Scheduler(Progress &progress, std::uint64_t seed, Clock clock)
    : m_progress(progress)
    , m_random(seed)
    , m_clock(std::move(clock))
{
    setCategories({});
}

void Scheduler::setCategories(const CategorySet &categories)
{
    m_categories = categories;
    m_pool.clear();
    for (int i = 0; i < kPatternCount; ++i)
        if (categories.none()
            || categories.test(static_cast<std::size_t>(judge::number(categoryAt(i)))))
            m_pool.push_back(i);
    if (m_pool.empty()) // a set naming no category
        setCategories({});
}

Scheduler::Wait Scheduler::waitOf(int pattern, const PatternProgress &p, std::int64_t now) const
{
    Wait wait;
    wait.since = m_progress.questions - p.lastQuestion;
    wait.questions = questionGap(pattern, p);
    wait.due = p.box != 0 && wait.since >= static_cast<std::uint64_t>(wait.questions)
        && now - p.lastAsked >= kBoxGaps[p.box].seconds;
    return wait;
}

bool Scheduler::isDue(int pattern) const
{
    const PatternProgress &p = m_progress.patterns.at(static_cast<std::size_t>(pattern));
    return waitOf(pattern, p, m_clock()).due;
}

int Scheduler::randomOf(const std::vector<int> &patterns)
{
    std::uniform_int_distribution<std::size_t> pick(0, patterns.size() - 1);
    return patterns[pick(m_random)];
}

int Scheduler::pickWeakness()
{
    const int last = m_current && m_pool.size() > 1 ? indexOf(*m_current) : -1;
    const std::int64_t now = m_clock();

    int lowestDueBox = kTopBox + 1;
    std::vector<int> due;
    std::array<std::vector<int>, judge::kCategoryCount + 1> fresh;
    int learning = 0;
    int nearest = -1;
    double nearestRatio = -1;
    int oldest = -1;
    bool oldestMastered = true;
    for (const int i : m_pool) {
        if (i == last)
            continue;
        const PatternProgress &p = m_progress.patterns[static_cast<std::size_t>(i)];
        if (p.box == 0) {
            fresh[static_cast<std::size_t>(judge::number(categoryAt(i)))].push_back(i);
            continue;
        }
        learning += p.box <= 2 ? 1 : 0;
        const Wait wait = waitOf(i, p, now);
        const std::uint64_t since = wait.since;
        if (wait.due) {
            if (p.box < lowestDueBox) {
                lowestDueBox = p.box;
                due.clear();
            }
            // Box 1 takes the longest waiting first, so that none waits long.
            if (p.box == 1 && !due.empty()
                && since > m_progress.questions
                        - m_progress.patterns[static_cast<std::size_t>(due.front())].lastQuestion)
                due.clear();
            if (p.box == lowestDueBox && (p.box != 1 || due.empty()))
                due.push_back(i);
            continue;
        }
        if (p.box <= 3) {
            const double ratio = static_cast<double>(since) / wait.questions;
            if (ratio > nearestRatio) {
                nearestRatio = ratio;
                nearest = i;
            }
        }
        // Not mastered before mastered, then the longest unasked.
        const bool mastered = isMastered(p.box);
        const auto &o = oldest < 0 ? p : m_progress.patterns[static_cast<std::size_t>(oldest)];
        if (oldest < 0 || (oldestMastered && !mastered)
            || (mastered == oldestMastered && p.lastQuestion < o.lastQuestion)) {
            oldest = i;
            oldestMastered = mastered;
        }
    }

    m_currentWasDue = true;
    if (!due.empty())
        return randomOf(due);

    // Each draw on its own, never a run arranged: a weighted die, not a plan.
    std::array<int, judge::kCategoryCount + 1> weights {};
    for (std::size_t c = 1; c < fresh.size(); ++c)
        if (!fresh[c].empty())
            weights[c] = judge::isReachMe(judge::categoryFromNumber(static_cast<int>(c)))
                ? kReachMeWeight
                : 1;
    if (std::ranges::any_of(weights, [](int w) { return w > 0; })
        && (learning < kLearning || nearest < 0)) {
        std::discrete_distribution<std::size_t> category(weights.begin(), weights.end());
        return randomOf(fresh[category(m_random)]);
    }
    if (nearest >= 0)
        return nearest;
    m_currentWasDue = false;
    if (oldest >= 0)
        return oldest;
    return last; // the pool holds this one pattern only
}

judge::Pattern Scheduler::next()
{
    int index;
    if (m_mode == Mode::play) {
        index = randomOf(m_pool);
        m_currentWasDue = isDue(index);
    } else {
        index = pickWeakness();
    }
    m_current = patternAt(index);
    m_answered = false;
    return *m_current;
}

Outcome Scheduler::answer(std::optional<judge::Category> chosen)
{
    if (!m_current || m_answered)
        throw std::logic_error("drill::Scheduler::answer: no pattern waits for an answer");
    m_answered = true;
    const LookAlikes &lookAlikes = machineLookAlikes();
    Outcome outcome { *m_current, chosen, false, lookAlikes.rightCategories(*m_current),
        lookAlikes.sameLook(*m_current) };
    outcome.right
        = chosen && outcome.rightCategories.test(static_cast<std::size_t>(judge::number(*chosen)));

    const int index = indexOf(*m_current);
    m_progress.record(
        index, chosen ? judge::number(*chosen) : 0, outcome.right, m_clock(), m_currentWasDue);

    const auto own = static_cast<std::size_t>(judge::number(categoryAt(index)));
    ++m_sitting.answers;
    ++m_sitting.answersIn[own];
    m_sitting.right += outcome.right ? 1 : 0;
    m_sitting.rightIn[own] += outcome.right ? 1 : 0;
    return outcome;
}

} // namespace drill
