// Reel positions in the tests' terms: where a position puts its strip picture
// (reel::pictureOffset), in twips and in pixels of the main window, and back.
#pragma once

#include "reel/reelmodel.h"

#include <cstdint>

// The picture's top edge for a reel position, in twips, as the window keeps it.
inline float topOf(int position)
{
    return float(reel::pictureOffset(static_cast<std::int16_t>(position)));
}

// The same in pixels of the main window's client area (15 twips each).
inline int pixelTopOf(int position) { return reel::pictureOffset(std::int16_t(position)) / 15; }

// The position a top on the grid stands for: 0..21.
inline int positionOf(float top)
{
    return (int(top) - reel::kTopAtPositionZero) / reel::kCellTwips;
}
