// Where the main window shows its three reels, in twips of its client area
// (see judge/stripgeometry.h for the strip pictures and the unit). The chart
// and the drill draw patterns exactly as these reel windows show them.
#pragma once

#include "judge/stripgeometry.h"

#include <QRect>

#include <array>

namespace ui {

using judge::toPixels;

struct Twips {
    int left, top, width, height;
};

inline QRect toPixels(Twips rect)
{
    return { toPixels(rect.left), toPixels(rect.top), toPixels(rect.width), toPixels(rect.height) };
}

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

// The first column of a strip picture that a reel window shows, the same
// for all three.
inline constexpr int kFirstShownColumn = toPixels(kOpeningLefts[0]) - toPixels(kPictureLefts[0]);
static_assert(toPixels(kOpeningLefts[1]) - toPixels(kPictureLefts[1]) == kFirstShownColumn
    && toPixels(kOpeningLefts[2]) - toPixels(kPictureLefts[2]) == kFirstShownColumn);

} // namespace ui
