// The full-width forms a Japanese input method types — U+FF01 … U+FF5E for
// the ASCII characters ! … ~, and the ideographic blank U+3000 — read as
// their ASCII forms, so that "３ ２ １４" is "3 2 14" wherever the program
// reads what a player typed.
#pragma once

#include <string>
#include <string_view>

namespace judge {

// `utf8` with each full-width form replaced by its ASCII character (a blank
// for U+3000); everything else, valid UTF-8 or not, stays as it is. With
// `only`, just the full-width forms of those ASCII characters are replaced
// (' ' standing for U+3000) and the others stay too.
std::string foldFullWidth(std::string_view utf8, std::string_view only = {});

} // namespace judge
