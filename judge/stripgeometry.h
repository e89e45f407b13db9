// How a strip picture is laid out, and the unit the main window places it in.
//
// A strip picture is 100 × 1680 pixels: 21 cells of 65 pixel rows, cell n
// (1..21) at rows 65·n … 65·n + 64, with cell 21 repeated above cell 1 (rows
// 0..64) and cells 1..3 and the top of cell 4 repeated below cell 21, so that
// a reel window shows whole cells wherever the reel stands. The main window is
// laid out in twips, 15 to a pixel, so one cell is 975 twips.
#pragma once

#include "judge/pattern.h"

namespace judge {

inline constexpr int kStripCells = kCells;
inline constexpr int kCellPixels = 65;
inline constexpr int kStripWidth = 100;
inline constexpr int kStripHeight = 1680;

inline constexpr int kTwipsPerPixel = 15;
inline constexpr int kCellTwips = kCellPixels * kTwipsPerPixel;

// The first pixel row of cell 1..21 in a strip picture.
constexpr int cellRow(int cell) { return kCellPixels * cell; }

// Twips to whole pixels, halves away from zero, for negative offsets as well.
constexpr int toPixels(int twips)
{
    return twips >= 0 ? (twips + kTwipsPerPixel / 2) / kTwipsPerPixel
                      : -((-twips + kTwipsPerPixel / 2) / kTwipsPerPixel);
}

} // namespace judge
