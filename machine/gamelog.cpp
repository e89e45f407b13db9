#include "machine/gamelog.h"

#include <array>
#include <charconv>

namespace machine {

namespace {

void appendNumber(std::string &out, std::int64_t n)
{
    std::array<char, 24> digits {};
    const auto end = std::to_chars(digits.data(), digits.data() + digits.size(), n).ptr;
    out.append(digits.data(), end);
    out += ',';
}

void appendWord(std::string &out, std::string_view word)
{
    out += word;
    out += ',';
}

} // namespace

void appendGameLogRow(std::string &out, const GameResult &game)
{
    appendNumber(out, game.game);
    appendWord(out, phaseName(game.phase));
    appendWord(out, bonusName(game.bonus));
    appendWord(out, smallName(game.small));
    for (const int cell : game.press)
        appendNumber(out, cell);
    for (const int cell : game.stop)
        appendNumber(out, cell);
    appendWord(out, judge::name(game.code));
    appendNumber(out, game.bet);
    appendNumber(out, game.payout);
    appendNumber(out, game.credit);
    out.back() = '\r';
    out += '\n';
}

} // namespace machine
