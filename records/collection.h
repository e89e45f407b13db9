// リーチ目コレクション: every reach-me pattern of the categories BIG, REG and
// both (J03 … J13, 2919 patterns) that has stopped in a normal game, how
// often and when first and last. It is the player's, kept across machines.
#pragma once

#include "judge/codes.h"
#include "judge/pattern.h"
#include "machine/control.h"
#include "records/gamerow.h"

#include <cstdint>
#include <string>
#include <vector>

namespace records {

// When a pattern stopped: the game's number on its machine and the time the
// caller gave, seconds since 1970-01-01 UTC.
struct Sighting {
    std::int64_t game = 0;
    std::int64_t time = 0;
    bool operator==(const Sighting &) const = default;
};

struct CollectedPattern {
    std::uint64_t count = 0; // 0: not collected yet
    Sighting first, last;
    bool operator==(const CollectedPattern &) const = default;
};

// The 2919 patterns that can be collected, by judge::patternIndex, ascending.
const std::vector<int> &collectablePatterns();
bool isCollectable(const judge::Pattern &pattern);

class ReachMeCollection {
public:
    ReachMeCollection();

    enum class Recorded { notCollectable, first, again };
    // The game's pattern, when it shows a reach-me in a normal game. A time
    // before 1970 is kept as 0.
    Recorded record(const GameRow &row, std::int64_t time);

    // What is known of a pattern; a pattern that cannot be collected has
    // count 0.
    const CollectedPattern &at(const judge::Pattern &pattern) const;
    // Puts a pattern's figures as they were kept; false for a pattern that
    // cannot be collected or figures that cannot be (count 0, a game before
    // 1, one sighting with two times).
    bool restore(const judge::Pattern &pattern, const CollectedPattern &figures);

    int collected() const { return m_collected; }
    bool operator==(const ReachMeCollection &) const = default;

private:
    std::vector<CollectedPattern> m_patterns; // by slot in collectablePatterns()
    int m_collected = 0;
};

// Per result, the patterns collected against those the control can ever stop
// (machine::stoppablePatterns): a pattern collected counts as one that can,
// so collected never exceeds it whatever the option was at the time.
struct ResultFigures {
    judge::Code code = judge::Code::J03;
    int collected = 0;
    int canStop = 0;
    int patterns = 0; // of this result in all
    bool operator==(const ResultFigures &) const = default;
};

// J03 … J13 in order.
std::vector<ResultFigures> resultFigures(
    const ReachMeCollection &collection, machine::ControlOption option);

// "J03 リーチ目 BIG 123 / 850": the result, its category, collected / can stop.
std::string figuresText(const ResultFigures &figures);

} // namespace records
