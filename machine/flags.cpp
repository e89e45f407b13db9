#include "machine/flags.h"

#include "machine/names.h"

namespace machine {

namespace {

constexpr std::array<std::string_view, 3> kBonusNames { "none", "BIG", "REG" };
constexpr std::array<std::string_view, 6> kSmallNames { "none", "cherry", "replay", "sanjaku",
    "ooyama", "jac" };

} // namespace

std::string_view bonusName(Bonus bonus) { return nameOf(kBonusNames, bonus); }
std::string_view smallName(Small small) { return nameOf(kSmallNames, small); }
std::optional<Bonus> parseBonus(std::string_view name)
{
    return valueNamed<Bonus>(kBonusNames, name);
}

} // namespace machine
