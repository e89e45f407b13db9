// Where the main window shows its three reels, in twips of its client area
// (15 twips to a pixel), and how a strip picture is laid out. The chart and
// the drill draw patterns exactly as these reel windows show them.
#pragma once

#include <array>

namespace ui {

// The strip pictures' left edges, left to right.
inline constexpr std::array<int, 3> kPictureLefts { 1560, 3240, 4920 };
// The reel windows: the part of each strip that the frame buttons leave open.
inline constexpr std::array<int, 3> kOpeningLefts { 1575, 3255, 4935 };
inline constexpr int kOpeningTop = 615;
inline constexpr int kOpeningWidth = 1425;
inline constexpr int kOpeningHeight = 4065;
// The two framing lines drawn across the reel windows, from x to x.
inline constexpr int kFramingLineLeft = 1320;
inline constexpr int kFramingLineRight = 6600;
inline constexpr std::array<int, 2> kFramingLineTops { 1200, 4080 };

// A strip picture, in device-independent pixels: 65 rows to a cell, cell n
// (1..21) at row 65·n, cell 21 also at row 0.
inline constexpr int kCellPixels = 65;
inline constexpr int kStripWidth = 100;
inline constexpr int kStripHeight = 1680;

} // namespace ui
