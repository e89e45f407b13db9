#include "records/gamerow.h"

#include "judge/table.h"
#include "machine/gamelog.h"
#include "machine/maystop.h"
#include "machine/payout.h"
#include "records/numbers.h"

namespace records {

namespace {

using machine::Bonus;
using machine::Phase;
using machine::Small;

constexpr std::size_t kColumns = 14;

// The value whose log word is `word`, from the machine's own names.
template <typename Enum, typename Name>
std::optional<Enum> named(std::string_view word, int values, Name name)
{
    for (int i = 0; i < values; ++i)
        if (name(static_cast<Enum>(i)) == word)
            return static_cast<Enum>(i);
    return std::nullopt;
}

// The reason a row is refused, as the column the reader stopped at.
std::optional<GameRow> refuse(std::string *why, std::string_view column)
{
    if (why)
        *why = "a bad " + std::string(column);
    return std::nullopt;
}

bool fitsPhase(const GameRow &r)
{
    switch (r.phase) {
    case Phase::normal: return r.small != Small::jac && (r.bet == 0 || r.bet == machine::kGameBet);
    case Phase::big:
        return r.bonus == Bonus::big && r.small != Small::jac && r.bet == machine::kGameBet;
    case Phase::jac:
        return r.bonus != Bonus::none && (r.small == Small::none || r.small == Small::jac)
            && r.bet == machine::kJacBet;
    }
    return false;
}

} // namespace

GameRow rowOf(const machine::GameResult &g)
{
    return { g.game, g.phase, g.bonus, g.small, g.press, g.stop, g.code, g.bet, g.payout,
        g.credit };
}

void appendRow(std::string &out, const GameRow &r)
{
    machine::GameResult g;
    g.game = r.game;
    g.phase = r.phase;
    g.bonus = r.bonus;
    g.small = r.small;
    g.press = r.press;
    g.stop = r.stop;
    g.code = r.code;
    g.bet = r.bet;
    g.payout = r.payout;
    g.credit = r.credit;
    machine::appendGameLogRow(out, g);
}

std::optional<GameRow> parseRow(std::string_view line, std::string *why)
{
    std::array<std::string_view, kColumns> f;
    std::size_t count = 0;
    for (std::size_t start = 0;; ++count) {
        const std::size_t comma = line.find(',', start);
        if (count < kColumns)
            f[count] = line.substr(start, comma - start);
        if (comma == std::string_view::npos)
            break;
        start = comma + 1;
    }
    if (count + 1 != kColumns)
        return refuse(why, "number of columns");

    GameRow r;
    const auto game = parseDecimal(f[0]);
    if (!game || *game < 1)
        return refuse(why, "game");
    r.game = *game;
    const auto phase = named<Phase>(f[1], 3, machine::phaseName);
    const auto bonus = machine::parseBonus(f[2]);
    const auto small = named<Small>(f[3], 6, machine::smallName);
    if (!phase || !bonus || !small)
        return refuse(why, !phase ? "state" : !bonus ? "bonus" : "small");
    r.phase = *phase;
    r.bonus = *bonus;
    r.small = *small;
    for (std::size_t reel = 0; reel < 3; ++reel) {
        const auto press = parseDecimal<int>(f[4 + reel]);
        const auto stop = parseDecimal<int>(f[7 + reel]);
        if (!press || !judge::isCell(*press) || !stop || !judge::isCell(*stop)
            || (*press - *stop + judge::kCells) % judge::kCells > machine::kMaxSlip)
            return refuse(why, "press or stop cell");
        r.press[reel] = *press;
        r.stop[reel] = *stop;
    }
    const auto code = judge::parseCode(f[10]);
    if (!code || *code != judge::judge(r.stop[0], r.stop[1], r.stop[2]))
        return refuse(why, "code");
    r.code = *code;
    const machine::Flags flags { r.phase == Phase::normal ? r.bonus : Bonus::none, r.small };
    if (!machine::mayStop(r.code, flags))
        return refuse(why, "code for the flags");
    const auto bet = parseDecimal<int>(f[11]);
    const auto payout = parseDecimal<int>(f[12]);
    const auto credit = parseDecimal<int>(f[13]);
    if (!bet)
        return refuse(why, "bet");
    r.bet = *bet;
    if (!fitsPhase(r))
        return refuse(why, "state, flag or bet");
    if (!payout || *payout != machine::payoutFor(r.code, r.stop[0], r.stop[1], r.stop[2], r.phase))
        return refuse(why, "payout");
    r.payout = *payout;
    if (!credit || *credit > machine::kMaxCredit)
        return refuse(why, "credit");
    r.credit = *credit;
    return r;
}

bool linesUpBonus(const GameRow &row)
{
    return row.phase == Phase::normal
        && (row.code == judge::Code::J01 || row.code == judge::Code::J02);
}

machine::Bonus carriedAfter(const GameRow &row)
{
    return row.phase == Phase::normal && !linesUpBonus(row) ? row.bonus : Bonus::none;
}

bool showsReachMe(const GameRow &row)
{
    return row.phase == Phase::normal && machine::isReachMeResult(row.code);
}

judge::Pattern stopPattern(const GameRow &row) { return { row.stop[0], row.stop[1], row.stop[2] }; }

} // namespace records
