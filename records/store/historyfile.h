// A machine's game history on disk: history.csv beside the machine's saved
// state, a row appended after every game, under the lock of the store that
// keeps the state. Opened, it is read back row by row and the data counter is
// rebuilt from it.
//
// Nothing in it is ever lost:
// - a last line a crash left half written is cut off (it is no whole row);
// - a damaged file, one that is not a history or is too large to read is
//   kept aside as history.damaged-YYYYMMDD-HHMMSS.csv and a new one begun;
// - a history the saved machine does not go on from (it ends at another
//   game: the machine was saved before its last games, or replaced) is kept
//   as history.past-….csv, and the new one keeps the rows up to the machine's
//   game, when it has them;
// - a row that cannot be written (a full disk) is reported at once and tried
//   again, with every row after it, at the next game, so the file never has
//   a gap.
//
// While the store beside does not save (another program holds the lock, its
// file is newer …), the history is read for display only and never written;
// status() is then the store's.
#pragma once

#include "records/datacounter.h"
#include "records/history.h"
#include "safefile/appendfile.h"
#include "safefile/status.h"
#include "safefile/store.h"

#include <QDateTime>
#include <QString>

#include <cstdint>
#include <optional>
#include <string>

namespace records {

class HistoryFile {
public:
    // About 10 million games.
    static constexpr qint64 kSizeLimit = 512LL * 1024 * 1024;

    // `machineGames`: the games the machine saved beside has played, as
    // loaded (0 for a new machine).
    HistoryFile(const safefile::Store &beside, std::int64_t machineGames);
    ~HistoryFile(); // one last try for rows not yet written
    HistoryFile(const HistoryFile &) = delete;
    HistoryFile &operator=(const HistoryFile &) = delete;

    const GameHistory &history() const { return m_history; }
    const DataCounter &counter() const { return m_counter; }

    // What was found on opening, or saveFailed while rows wait to be written.
    safefile::Status status() const
    {
        return m_writeError ? safefile::Status::saveFailed : m_status;
    }
    // The errno of a failed write, or of notReadable, damagedNotMoved and a
    // startAgain that failed.
    int error() const { return m_writeError ? m_writeError : m_error; }
    bool writes() const { return m_writes; }
    QString filePath() const { return m_path; }
    // Where the file before went (keptAside, startAgain), and why (one line
    // for the player).
    QString asidePath() const { return m_asidePath; }
    const std::string &reason() const { return m_reason; }
    // A last line a crash left half written was cut off on opening.
    bool tornLineCut() const { return m_tornLineCut; }
    // Rows of history() not yet in the file.
    std::size_t unwritten() const { return m_history.rows().size() - m_fileRows; }

    // The next game: into the history and the counter, then written with the
    // rows that wait. False when the file does not hold every row now;
    // status() and error() say why. A game that does not follow the last (a
    // machine replaced without startAgain) begins a new history, the one
    // before kept as a past one (keptAside).
    bool add(const GameRow &row);
    // Writes the rows that wait.
    bool retry();

    // A new machine in place of the one before (新しい台): this history is
    // kept as history.past-….csv (stamped `when`, as its calls' figures are)
    // and a new, empty one begun. False, keeping everything, when the file
    // cannot be moved (error() says why). Rows that still cannot be written
    // are left out of both. A history without a game is not kept.
    bool startAgain(const QDateTime &when = QDateTime::currentDateTime());

private:
    void openForDisplay(safefile::Status besideStatus);
    void open(std::int64_t machineGames);
    void take(ReadHistory read, std::int64_t machineGames);
    // Moves the file away (history.<kind>-….csv); false, with the status set, when it cannot.
    bool moveAside(const QString &kind, const QDateTime &when);
    // A new file holding every row of history(), then appended to.
    bool writeWhole();
    bool fail(int error);

    QString m_path;
    std::optional<safefile::AppendFile> m_file; // open while rows go to it
    GameHistory m_history;
    DataCounter m_counter;
    std::size_t m_fileRows = 0; // the rows the file holds
    bool m_writes = false;
    bool m_needsWhole = false; // the file is to be made anew with every row
    std::optional<qint64> m_cutTo; // a half-written last line still to cut off
    safefile::Status m_status = safefile::Status::freshStart;
    int m_error = 0, m_writeError = 0;
    QString m_asidePath;
    std::string m_reason;
    bool m_tornLineCut = false;
};

} // namespace records
