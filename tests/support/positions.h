// Reel positions in the tests' terms: where a position puts its strip picture,
// in twips and in pixels of the main window, and back. The figures are the
// window's own geometry, written out here so that a wrong offset in the
// program cannot agree with itself.
#pragma once

// Position 0 puts the picture's top 1352 pixels above the client area; each
// position moves it one 65-pixel cell (975 twips) down.
inline constexpr int kTwipsAtPositionZero = -20280;
inline constexpr int kTwipsPerCell = 975;

// The picture's top edge for a reel position, in twips, as the window keeps it.
inline float topOf(int position) { return float(position * kTwipsPerCell + kTwipsAtPositionZero); }

// The same in pixels of the main window's client area (15 twips each).
inline int pixelTopOf(int position)
{
    return (position * kTwipsPerCell + kTwipsAtPositionZero) / 15;
}

// The position a top on the grid stands for: 0..21.
inline int positionOf(float top) { return (int(top) - kTwipsAtPositionZero) / kTwipsPerCell; }
