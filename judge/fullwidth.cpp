#include "judge/fullwidth.h"

namespace judge {

namespace {

// The ASCII form of the three-byte UTF-8 sequence at `at`, or 0.
char asciiForm(std::string_view utf8, std::size_t at)
{
    if (at + 2 >= utf8.size())
        return 0;
    const auto lead = static_cast<unsigned char>(utf8[at]);
    const auto second = static_cast<unsigned char>(utf8[at + 1]);
    const auto third = static_cast<unsigned char>(utf8[at + 2]);
    if (lead == 0xE3 && second == 0x80 && third == 0x80)
        return ' '; // U+3000
    if (lead != 0xEF || (second & 0xC0) != 0x80 || (third & 0xC0) != 0x80)
        return 0;
    const unsigned code = ((lead & 0x0Fu) << 12) | ((second & 0x3Fu) << 6) | (third & 0x3Fu);
    return code >= 0xFF01 && code <= 0xFF5E ? static_cast<char>(code - 0xFF01 + 0x21) : 0;
}

} // namespace

std::string foldFullWidth(std::string_view utf8, std::string_view only)
{
    std::string folded;
    folded.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const char ascii = asciiForm(utf8, i);
        if (ascii != 0 && (only.empty() || only.find(ascii) != std::string_view::npos)) {
            folded += ascii;
            i += 3;
        } else {
            folded += utf8[i];
            ++i;
        }
    }
    return folded;
}

} // namespace judge
