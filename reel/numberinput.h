// Reading a 16-bit integer from what the user typed into a text box.
//
// Accepted: blanks around the number (space, tab, line break, the full-width
// space), an optional sign, decimal digits with an optional fraction and exponent ("35",
// "35.5", ".5", "5.", "1e3"), also in the full-width forms a Japanese input
// method types ("３５", "－２", "３．５"; the minus sign U+2212 too). The value
// is rounded to the nearest integer, halves to the even neighbour, exactly,
// whatever the number of digits and independent of any locale.
#pragma once

#include <cstdint>
#include <string_view>

namespace reel {

struct ReadResult {
    enum class Outcome { value, notANumber, outOfRange };

    Outcome outcome;
    std::int16_t value; // 0 unless outcome is Value

    bool ok() const { return outcome == Outcome::value; }
};

// `utf8` is the box's text. Invalid UTF-8, other control characters and
// anything outside the forms above are notANumber; a rounded value outside
// −32768..32767 is outOfRange.
ReadResult readInt16(std::string_view utf8);

// Whether the text is the lone digit 0, half-width or full-width, and
// nothing else: the one text for which a speed box has a value of its own.
bool isLoneZero(std::string_view utf8);

} // namespace reel
