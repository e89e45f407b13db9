// A pattern: the cells standing in the top row of the three reel windows, and
// the numbers 0..9260 that give every pattern one slot (left, then centre,
// then right cell).
#pragma once

namespace judge {

inline constexpr int kCells = 21;
inline constexpr int kPatterns = kCells * kCells * kCells;

// Each cell 1..21.
struct Pattern {
    int left = 1, centre = 1, right = 1;
    bool operator==(const Pattern &) const = default;
};

constexpr int patternIndex(int left, int centre, int right)
{
    return ((left - 1) * kCells + (centre - 1)) * kCells + (right - 1);
}

constexpr int patternIndex(const Pattern &p) { return patternIndex(p.left, p.centre, p.right); }

constexpr Pattern patternAt(int index)
{
    return { index / (kCells * kCells) + 1, index / kCells % kCells + 1, index % kCells + 1 };
}

// The cell `rows` rows below `cell` in a reel window, counting on from 21 to 1.
constexpr int cellBelow(int cell, int rows) { return (cell - 1 + rows) % kCells + 1; }

// A stopped reel stands at position 1..21, the cells stepped down from where
// it starts (reel/reelmodel.h), with cell 22 − position in its top row; a
// spinning reel shows cell 1 at position 21, never at 0.
constexpr int positionShowing(int cell) { return kCells + 1 - cell; }

} // namespace judge
