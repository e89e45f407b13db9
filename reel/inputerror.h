// What the program tells the user when a speed box holds something it cannot
// use.
#pragma once

#include "reel/mainview.h"
#include "reel/numberinput.h"

#include <string>

namespace reel {

// The caption beside a speed box on the main window, by which the message
// names the box.
constexpr const char *boxCaption(TextBox box)
{
    return box == TextBox::Text1 ? "リール１コマのスピード" : "Ａutoの停止までの時間";
}

// Names the box by its caption, says whether the text was no number or a
// number out of range, and what the box accepts. `outcome` is notANumber or
// outOfRange.
std::string inputErrorMessage(TextBox box, ReadResult::Outcome outcome);

} // namespace reel
