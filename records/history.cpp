#include "records/history.h"

#include "machine/coins.h"
#include "machine/gamelog.h"

#include <algorithm>
#include <stdexcept>

namespace records {

namespace {

constexpr std::string_view kLineEnd = "\r\n";

// The credit after a game that began with `before`: the bet comes from the
// credit as far as it holds, and what the payout takes past 50 is paid out.
int creditAfter(int before, const GameRow &row)
{
    return std::min(machine::kMaxCredit, before - std::min(before, row.bet) + row.payout);
}

bool follows(const GameRow &previous, const GameRow &row)
{
    return row.game == previous.game + 1 && row.credit == creditAfter(previous.credit, row);
}

} // namespace

void GameHistory::append(const GameRow &row)
{
    if (!m_rows.empty() && row.game != m_rows.back().game + 1)
        throw std::invalid_argument("records::GameHistory::append: not the next game");
    m_rows.push_back(row);
}

std::string GameHistory::csv() const
{
    std::string out(machine::kGameLogHeader);
    out.reserve(out.size() + 48 * m_rows.size());
    for (const GameRow &row : m_rows)
        appendRow(out, row);
    return out;
}

std::string appendedText(const GameRow &row, std::size_t fileBytes)
{
    std::string out(fileBytes == 0 ? machine::kGameLogHeader : std::string_view());
    appendRow(out, row);
    return out;
}

ReadHistory readHistory(std::string_view text)
{
    ReadHistory result;
    using Outcome = ReadHistory::Outcome;
    const std::string_view header = machine::kGameLogHeader;
    // Nothing at all, or a header cut short: a file whose first append
    // never finished.
    if (text.size() < header.size() && header.starts_with(text)) {
        result.outcome = Outcome::read;
        result.tornLastLine = !text.empty();
        return result;
    }
    if (!text.starts_with(header)) {
        result.reason = "not a game history";
        return result;
    }
    std::size_t at = header.size();
    result.history.reserve(text.size() / 48);
    const std::vector<GameRow> &rows = result.history.rows();
    for (std::int64_t line = 2; at < text.size(); ++line) {
        const std::size_t end = text.find(kLineEnd, at);
        if (end == std::string_view::npos && text.find('\n', at) == std::string_view::npos) {
            result.tornLastLine = true;
            break;
        }
        std::string why;
        const auto row = parseRow(text.substr(at, end - at), &why);
        if (row && !rows.empty() && !follows(rows.back(), *row))
            why = "not the next game, or a credit that does not follow";
        if (!row || !why.empty()) {
            result.outcome = Outcome::damaged;
            result.history = {};
            result.reason
                = "the game history is damaged: line " + std::to_string(line) + ": " + why;
            return result;
        }
        result.history.append(*row);
        at = end + kLineEnd.size();
    }
    result.outcome = Outcome::read;
    result.wholeBytes = at;
    return result;
}

} // namespace records
