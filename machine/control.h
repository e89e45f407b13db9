// The reel control: where each reel stops, from the press cell and the
// game's flags, for stops in the order left, centre, right.
//
// A pressed reel slides on 0–4 cells, so it stops with top-row cell p, p−1,
// … p−4 (from 1 on to 21, the way the cells run in a spin). The control only
// makes safe stops: after a safe stop every later press still has a safe
// stop within 4 cells, and the last stop gives a result that may stop. Of
// the safe slips it takes the smallest after which the target can still be
// made (by any later cells), else the smallest safe one; with リーチ目優先 and
// a bonus carried, a slip that keeps a reach-me possible comes before that.
//
// Everything is worked out once into small tables of cell masks; a stop
// decision is a lookup and a bit scan.
#pragma once

#include "judge/pattern.h"
#include "machine/flags.h"

#include <array>
#include <bitset>
#include <cstdint>
#include <vector>

namespace machine {

enum class ControlOption : std::uint8_t { standard, reachMeFirst };

inline constexpr int kMaxSlip = 4;

// The top-row cell after sliding `slip` cells on from `press`.
constexpr int slideTo(int press, int slip)
{
    return (press - 1 - slip + judge::kCells * (kMaxSlip + 1)) % judge::kCells + 1;
}

class ReelControl {
public:
    // The tables for every flag pair, built on first use.
    static const ReelControl &instance();

    // Where reel 0 (left), 1 (centre) or 2 (right) stops when pressed at
    // `press` (1..21), the earlier reels standing at `stops[0 .. reel-1]` as
    // this control stopped them. Throws std::out_of_range for a bad reel or
    // cell and std::logic_error for earlier stops it would never make.
    int stopCell(Flags flags, int reel, const std::array<int, 3> &stops, int press,
        ControlOption option) const;

    // The three stops for three presses.
    std::array<int, 3> stopAll(
        Flags flags, const std::array<int, 3> &presses, ControlOption option) const;

private:
    ReelControl();

    // Cells as bits, cell 21 in bit 0 … cell 1 in bit 20, so that the cells a
    // press can reach (p, p−1, … p−4) are neighbouring bits.
    struct Choice {
        std::uint32_t safe = 0; // safe stops
        std::uint32_t target = 0; // safe, and the target still possible
        std::uint32_t reachMe = 0; // safe, and a stopping reach-me still possible
    };

    const Choice &choice(int pair, int reel, const std::array<int, 3> &stops) const;

    // Per pair: 1 left choice, 21 centre choices (by left cell), 441 right
    // choices (by left and centre cell).
    static constexpr int kPerPair = 1 + judge::kCells + judge::kCells * judge::kCells;
    std::vector<Choice> m_choices;
};

// Every pattern (by judge::patternIndex) that the control stops for some flag
// pair and some presses: what a player can ever see in play.
const std::bitset<judge::kPatterns> &stoppablePatterns(ControlOption option);

} // namespace machine
