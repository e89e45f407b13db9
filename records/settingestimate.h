// 設定推測: how likely each setting 1–6 is, given the bonuses drawn in the
// normal games with no bonus carried. Each such game draws BIG with p_B and
// REG with p_R, the setting's counts out of 65536 in the machine's settings
// table, so n games with b BIG and r REG have the likelihood
// p_B^b · p_R^r · (1 − p_B − p_R)^(n−b−r); every setting is as likely at
// first.
#pragma once

#include "machine/lottery.h"

#include <array>
#include <cstdint>

namespace records {

struct SettingEvidence {
    std::int64_t games = 0; // n: normal games with no bonus carried
    std::int64_t bigs = 0; // b: BIG drawn in them
    std::int64_t regs = 0; // r: REG drawn in them
    bool operator==(const SettingEvidence &) const = default;
};

// Settings 1–6 at [0] … [5], summing to 1. Worked out in logarithms, so
// that any number of games keeps every figure finite.
using SettingOdds = std::array<double, machine::kSettings>;

// Throws std::invalid_argument for counts that cannot be (negative, or more
// bonuses than games).
SettingOdds settingOdds(const SettingEvidence &evidence);

} // namespace records
