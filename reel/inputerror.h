// What the program tells the user when a speed box holds something it cannot
// use.
#pragma once

#include "reel/mainview.h"
#include "reel/numberinput.h"

#include <string>

namespace reel {

// Names the box by its caption on the window, says whether the text was no
// number or a number out of range, and what the box accepts. `outcome` is
// NotANumber or OutOfRange.
std::string inputErrorMessage(TextBox box, ReadResult::Outcome outcome);

} // namespace reel
