// A machine's game history: every game in order, as the rows of the game log.
// The history file is that CSV text, header first, one row appended a game;
// the same text is the export of ファイル → 履歴をCSVで保存….
#pragma once

#include "records/gamerow.h"

#include <string>
#include <string_view>
#include <vector>

namespace records {

class GameHistory {
public:
    // Appends the next game. Throws std::invalid_argument unless it is the
    // game after the last one (any game may come first: a history can begin
    // on a machine already played).
    void append(const GameRow &row);

    const std::vector<GameRow> &rows() const { return m_rows; }
    void reserve(std::size_t games) { m_rows.reserve(games); }
    bool empty() const { return m_rows.empty(); }

    // The log's header and every row: what a history file holds and what the
    // CSV export writes.
    std::string csv() const;

private:
    std::vector<GameRow> m_rows;
};

// The bytes a game adds to the history file; the header first when the file
// is empty (`fileBytes` 0).
std::string appendedText(const GameRow &row, std::size_t fileBytes);

struct ReadHistory {
    enum class Outcome {
        read, // `history` holds every whole row
        notOurs, // it does not begin with the log's header
        damaged, // a row that is not one the machine writes, or out of order
    };
    Outcome outcome = Outcome::notOurs;
    std::string reason; // one line for the player, unless read
    GameHistory history;
    // A last line without its line end: an append cut short by a crash. It
    // is left out of `history`, and the file is sound up to `wholeBytes`,
    // where the next append belongs.
    bool tornLastLine = false;
    std::size_t wholeBytes = 0;
};

// Reads a history file or an exported CSV. Every row must be one the machine
// writes and follow the one before it (the next game, the credit carried on);
// an empty text is an empty history.
ReadHistory readHistory(std::string_view text);

} // namespace records
