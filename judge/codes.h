// The 38 results a resting pattern can have, and their two texts.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace judge {

// One enumerator per result; the numbers match the names so that a code can
// be printed and parsed as "J01" … "J38".
// clang-format off
enum class Code : std::uint8_t {
    J01 = 1, J02, J03, J04, J05, J06, J07, J08, J09, J10,
    J11, J12, J13, J14, J15, J16, J17, J18, J19, J20,
    J21, J22, J23, J24, J25, J26, J27, J28, J29, J30,
    J31, J32, J33, J34, J35, J36, J37, J38,
};
// clang-format on

inline constexpr int kCodeCount = 38;

// The two texts of a result, UTF-8. `yakumei` holds one to three lines joined
// by CR LF; `tamaya` is the cheer for a bonus, empty otherwise.
struct Message {
    std::string_view yakumei;
    std::string_view tamaya;
};

Message message(Code code);

constexpr int number(Code code) { return static_cast<int>(code); }

// "J01" … "J38".
std::string name(Code code);

// Accepts exactly "J01" … "J38" (upper-case J, two digits).
std::optional<Code> parseCode(std::string_view text);

// Code number 1..38 to code; the caller keeps the number in range.
Code codeFromNumber(int n);

} // namespace judge
