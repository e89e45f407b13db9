// The words an enumeration is written with in the log and the saved state:
// one array of names, indexed by the enumerator.
#pragma once

#include <array>
#include <optional>
#include <stdexcept>
#include <string_view>

namespace machine {

template <typename Enum, std::size_t N>
std::string_view nameOf(const std::array<std::string_view, N> &names, Enum value)
{
    const auto i = static_cast<std::size_t>(value);
    if (i >= N)
        throw std::out_of_range("machine: no name for this value");
    return names[i];
}

template <typename Enum, std::size_t N>
std::optional<Enum> valueNamed(const std::array<std::string_view, N> &names, std::string_view name)
{
    for (std::size_t i = 0; i < N; ++i)
        if (names[i] == name)
            return static_cast<Enum>(i);
    return std::nullopt;
}

} // namespace machine
