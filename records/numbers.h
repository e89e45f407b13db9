// Numbers as the records' text formats write them: decimal digits only, no
// sign, no leading zero.
#pragma once

#include <charconv>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace records {

template <typename T = std::int64_t> std::optional<T> parseDecimal(std::string_view word)
{
    if (word.empty() || (word.size() > 1 && word[0] == '0')
        || word.find_first_not_of("0123456789") != std::string_view::npos)
        return std::nullopt;
    T value {};
    const auto end = word.data() + word.size();
    const auto result = std::from_chars(word.data(), end, value);
    if (result.ec != std::errc {} || result.ptr != end)
        return std::nullopt;
    return value;
}

template <typename T> void appendDecimal(std::string &out, T value)
{
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    out.append(digits, end);
}

} // namespace records
