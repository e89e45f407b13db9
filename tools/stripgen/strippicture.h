// One reel's strip picture, laid out as judge/stripgeometry.h says, so that
// every reel position fills the reel window. The picture for high-density
// screens has the same layout at `scale` times the size.
#pragma once

#include "judge/stripgeometry.h"
#include "judge/strips.h"

#include <QImage>
#include <QRect>

namespace stripgen {

using judge::kStripHeight;
using judge::kStripWidth;
inline constexpr int kCellHeight = judge::kCellPixels;
inline constexpr int kCellsPerStrip = judge::kStripCells;

// Where a symbol may paint inside its cell: rows 2..63, columns 1..97.
inline constexpr QRect kSymbolBox { 1, 2, 97, 62 };

// The strip cell (1..21) that picture row 0..1679 belongs to.
constexpr int cellAtRow(int row)
{
    return (row / kCellHeight + kCellsPerStrip - 1) % kCellsPerStrip + 1;
}

// One 100 × 65 cell times `scale`: white, with the symbol inside kSymbolBox.
QImage cellPicture(judge::Symbol symbol, int scale = 1);

// The 100 × 1680 picture of reel 0..2 times `scale`, in the order
// judge::symbolAt gives.
QImage stripPicture(int reel, int scale = 1);

} // namespace stripgen
