// What the lottery decides for a game: a bonus flag, carried until its bonus
// is lined up, and a small-win flag for this game alone.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace machine {

enum class Bonus : std::uint8_t { none, big, reg };

// `jac` is the win of a JAC game; the other five are a normal or a BIG
// small-win game's flags. In a BIG small-win game `replay` is the JAC-in.
enum class Small : std::uint8_t { none, cherry, replay, sanjaku, ooyama, jac };

struct Flags {
    Bonus bonus = Bonus::none;
    Small small = Small::none;
    bool operator==(const Flags &) const = default;
};

// The reel control knows 15 flag pairs: three bonus flags times the five
// small-win flags of a normal game. A JAC game's win is served as a replay.
inline constexpr int kBonusFlags = 3;
inline constexpr int kSmallFlags = 5;
inline constexpr int kFlagPairs = kBonusFlags * kSmallFlags;

constexpr int pairIndex(Flags flags)
{
    const Small small = flags.small == Small::jac ? Small::replay : flags.small;
    return static_cast<int>(flags.bonus) * kSmallFlags + static_cast<int>(small);
}

constexpr Flags pairAt(int index)
{
    return { static_cast<Bonus>(index / kSmallFlags), static_cast<Small>(index % kSmallFlags) };
}

// The names the log and the saved state use: "none", "BIG", "REG"; "none",
// "cherry", "replay", "sanjaku", "ooyama", "jac".
std::string_view bonusName(Bonus bonus);
std::string_view smallName(Small small);
std::optional<Bonus> parseBonus(std::string_view name);

} // namespace machine
