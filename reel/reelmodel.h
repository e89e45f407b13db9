// One reel: its position counter, the offset last given to its strip picture,
// and the three ways it moves by one cell.
//
// Position p (0..21) puts the strip picture's top edge at p × 975 − 20280
// twips, one 975-twip cell per step. Positions 0 and 21 show the same cell
// because the strip repeats its first rows below its last cell.
#pragma once

#include "judge/stripgeometry.h"
#include "reel/mainview.h"

#include <cstdint>

namespace reel {

inline constexpr std::int16_t kCellTwips = judge::kCellTwips;
static_assert(kCellTwips == 975);
inline constexpr std::int16_t kTopAtPositionZero = -20280;
inline constexpr std::int16_t kLastPosition = judge::kCells;

// A reel's fields as the window holds them, and which picture (0 left,
// 1 centre, 2 right) is the reel's.
struct ReelFields {
    std::int16_t &pos;
    std::int16_t &top;
    int picture;
};

// p × 975 − 20280, in checked 16-bit arithmetic.
std::int16_t pictureOffset(std::int16_t position);

// ▲: 0 → 20, 1 → 0, k → k − 1.
void stepUp(ReelFields reel, MainView &view);
// ▼: 21 → 1, k → k + 1.
void stepDown(ReelFields reel, MainView &view);
// One tick of the reel's spin timer: k → k + 1, but 20 shows 21 and then
// holds 0, and 21 → 1. A spinning reel therefore never shows offset(0).
void spinTick(ReelFields reel, MainView &view);

// The top-row cell (1..21) shown by a strip picture whose top edge stands at
// `top` twips. Off-grid tops round to the nearest position, halves to the even
// one. Throws std::overflow_error when the position leaves 16 bits.
std::int16_t topRowCell(float top);

} // namespace reel
