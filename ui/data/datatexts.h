// The words and numbers the window "データ" shows, one home for each.
#pragma once

#include "machine/flags.h"
#include "records/datacounter.h"

#include <QString>

#include <optional>

namespace ui::data {

// "BIG" or "REG".
QString bonusWord(machine::Bonus kind);

// The observed probability as a hall's counter writes it, "1/245.3"; "—"
// before the first bonus.
QString oneInText(double oneIn);

// "12.3 %", a probability of 0..1 with one decimal; "< 0.1 %" for what would
// otherwise read as none at all while it is still possible.
QString percentText(double probability);

// "2.5 G", or "—" when there is nothing to average yet.
QString averageGamesText(std::optional<double> games);

// A signed number of coins: "+1234", "-56", "0".
QString coinsText(std::int64_t coins);

// One line for a bonus of the history, its parts apart by full-width blanks:
// "BIG　1234 G目　ゲーム数 234　持ち越し 12 G　リーチ目 3" (持ち越し 不明 when
// the history began with it carried).
QString bonusLine(const records::BonusRecord &bonus);

} // namespace ui::data
