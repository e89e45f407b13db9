// The main window's own variables, as the controller keeps them. Counters and
// reel fields are 16-bit; the texts are UTF-8.
#pragma once

#include "reel/reelmodel.h"

#include <cstdint>
#include <string>

namespace reel {

struct WindowFields {
    // Reel positions 0..21, the offsets last given to the strip pictures, and
    // whether each reel's stop button was pressed since the last start.
    std::int16_t r1pos = 0, r2pos = 0, r3pos = 0;
    std::int16_t r1top = kTopAtPositionZero, r2top = kTopAtPositionZero, r3top = kTopAtPositionZero;
    std::int16_t r1teisi = 0, r2teisi = 0, r3teisi = 0;

    std::int16_t timint = 0; // reel step interval in ms, last read from Text1
    std::int16_t timgoukei = 0; // stopped reels at the last stop press
    std::int16_t autokaisu = 0; // auto-play tick within its six-tick cycle

    // The last judgement: top-row cells and the two texts.
    std::int16_t r1jyoudan = 0, r2jyoudan = 0, r3jyoudan = 0;
    std::string yakumei;
    std::string tamaya;

    bool operator==(const WindowFields &) const = default;
};

} // namespace reel
