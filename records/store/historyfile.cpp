#include "records/store/historyfile.h"

#include "machine/gamelog.h"
#include "records/store/machinefiles.h"
#include "safefile/keepaside.h"
#include "safefile/reading.h"
#include "safefile/strays.h"
#include "safefile/writing.h"

#include <QDir>
#include <QFileInfo>

#include <cerrno>

namespace records {

namespace {

using Status = safefile::Status;
using Opened = safefile::AppendFile::Opened;

const QByteArrayView kHeader(
    machine::kGameLogHeader.data(), qsizetype(machine::kGameLogHeader.size()));

std::string_view viewOf(const QByteArray &bytes)
{
    return { bytes.constData(), std::size_t(bytes.size()) };
}

bool follows(const GameHistory &history, const GameRow &row)
{
    return history.empty() || row.game == history.rows().back().game + 1;
}

} // namespace

HistoryFile::HistoryFile(const safefile::Store &beside, std::int64_t machineGames)
    : m_path(QDir(beside.folder()).filePath(machinefiles::kHistoryName))
{
    if (safefile::readOnly(beside.status()))
        openForDisplay(beside.status());
    else
        open(machineGames);
    for (const GameRow &row : m_history.rows())
        m_counter.add(row);
}

HistoryFile::~HistoryFile()
{
    if (unwritten() > 0 || m_needsWhole)
        retry();
}

void HistoryFile::openForDisplay(safefile::Status besideStatus)
{
    m_status = besideStatus;
    const safefile::ReadFile file = safefile::readRegularFile(m_path, kSizeLimit);
    if (file.outcome != safefile::ReadFile::Outcome::read)
        return;
    ReadHistory read = readHistory(viewOf(file.bytes));
    if (read.outcome == ReadHistory::Outcome::read)
        m_history = std::move(read.history);
    else
        m_reason = read.reason;
}

void HistoryFile::open(std::int64_t machineGames)
{
    m_writes = true;
    // A new file is made whole through a temporary, which a kill leaves behind.
    safefile::removeStrayTemporaries(
        QFileInfo(m_path).absolutePath(), machinefiles::kHistoryName, kHeader.toByteArray());
    const QFileInfo info(m_path);
    if (info.isSymLink() && !info.exists()) { // a link to nowhere: not a file of ours
        m_status = Status::notRegular;
        m_writes = false;
        return;
    }
    m_file.emplace(m_path);
    switch (m_file->open(kHeader, kSizeLimit)) {
    case Opened::created: m_status = Status::freshStart; return;
    case Opened::opened: take(readHistory(viewOf(m_file->contents())), machineGames); return;
    case Opened::tooLarge:
        m_file.reset();
        m_reason = "the game history is too large to read";
        if (moveAside(QStringLiteral("damaged"), QDateTime::currentDateTime()))
            writeWhole();
        return;
    case Opened::notRegular:
        m_file.reset();
        m_status = Status::notRegular;
        m_writes = false;
        return;
    case Opened::failed: {
        const int error = m_file->error();
        m_file.reset();
        if (info.exists()) { // there, but not ours to open: left as it is
            m_status = Status::notReadable;
            m_error = error;
            m_writes = false;
        } else { // could not be made: made with the first game
            m_needsWhole = true;
            fail(error);
        }
        return;
    }
    }
}

void HistoryFile::take(ReadHistory read, std::int64_t machineGames)
{
    if (read.outcome != ReadHistory::Outcome::read) {
        m_file.reset();
        m_reason = read.reason;
        if (moveAside(QStringLiteral("damaged"), QDateTime::currentDateTime()))
            writeWhole();
        return;
    }
    m_status = Status::loaded;
    m_history = std::move(read.history);
    m_fileRows = m_history.rows().size();
    m_tornLineCut = read.tornLastLine;
    if (read.wholeBytes == 0) { // empty, or a header cut short: made again
        writeWhole();
        return;
    }
    if (read.tornLastLine) {
        m_cutTo = qint64(read.wholeBytes);
        retry();
    }
    if (m_history.empty() || m_history.rows().back().game == machineGames)
        return;

    // The machine does not go on from this history: kept whole, and the rows
    // the machine has played are the new one's.
    m_reason = "the game history goes to game " + std::to_string(m_history.rows().back().game)
        + ", the saved machine has played " + std::to_string(machineGames);
    if (!moveAside(QStringLiteral("past"), QDateTime::currentDateTime()))
        return;
    m_file.reset();
    m_cutTo.reset();
    // Rows carried over only up to the machine's game itself: a history that
    // ends before it could never go on to the machine's next game.
    GameHistory kept;
    if (m_history.rows().back().game > machineGames)
        for (const GameRow &row : m_history.rows())
            if (row.game <= machineGames)
                kept.append(row);
    m_history = std::move(kept);
    writeWhole();
}

bool HistoryFile::moveAside(const QString &kind, const QDateTime &when)
{
    const safefile::KeptAside aside = safefile::keepAside(
        m_path, QStringLiteral("history.") + kind + u'-', QStringLiteral(".csv"), when);
    if (!aside.ok) {
        m_status = Status::damagedNotMoved;
        m_error = aside.error;
        m_writes = false;
        return false;
    }
    m_status = Status::keptAside;
    m_asidePath = aside.path;
    return true;
}

bool HistoryFile::fail(int error)
{
    m_writeError = error ? error : EIO;
    return false;
}

bool HistoryFile::writeWhole()
{
    m_needsWhole = true;
    m_file.reset();
    const std::string bytes = m_history.csv();
    const safefile::Written written
        = safefile::writeWhole(m_path, QByteArrayView(bytes.data(), qsizetype(bytes.size())));
    if (!written.ok)
        return fail(written.error);
    m_file.emplace(m_path);
    if (m_file->open(kHeader, kSizeLimit) != Opened::opened) {
        const int error = m_file->error();
        m_file.reset();
        return fail(error);
    }
    m_needsWhole = false;
    m_fileRows = m_history.rows().size();
    m_writeError = 0;
    return true;
}

bool HistoryFile::retry()
{
    if (!m_writes)
        return false;
    if (m_needsWhole)
        return writeWhole();
    if (m_cutTo) {
        if (!m_file->truncate(*m_cutTo))
            return fail(m_file->error());
        m_cutTo.reset();
    }
    const std::vector<GameRow> &rows = m_history.rows();
    std::string text;
    for (std::size_t i = m_fileRows; i < rows.size(); ++i)
        appendRow(text, rows[i]);
    if (!text.empty() && !m_file->append(QByteArrayView(text.data(), qsizetype(text.size()))))
        return fail(m_file->error());
    m_fileRows = rows.size();
    m_writeError = 0;
    return true;
}

bool HistoryFile::add(const GameRow &row)
{
    if (!follows(m_history, row)) {
        // Another machine's games: this history is kept as a past one, as on
        // opening; one only shown begins again in memory.
        const std::string reason = "the game history goes to game "
            + std::to_string(m_history.rows().back().game) + ", then came game "
            + std::to_string(row.game);
        if (m_writes && startAgain()) {
            m_status = Status::keptAside;
            m_reason = reason;
        } else if (m_writes) { // it cannot move: nothing more goes to it
            m_writes = false;
            m_status = Status::damagedNotMoved;
            m_reason = reason;
        }
        m_history = {};
        m_counter = {};
    }
    m_history.append(row);
    m_counter.add(row);
    return retry();
}

bool HistoryFile::startAgain(const QDateTime &when)
{
    if (!m_writes)
        return false;
    if (m_history.empty())
        return true; // no game to keep
    retry(); // the rows that wait belong to this history
    if (QFileInfo::exists(m_path)) {
        // Moved while open: nothing more goes to it.
        const safefile::KeptAside aside = safefile::keepAside(
            m_path, QStringLiteral("history.past-"), QStringLiteral(".csv"), when);
        if (!aside.ok) {
            m_error = aside.error;
            return false;
        }
        m_asidePath = aside.path;
    }
    m_history = {};
    m_counter = {};
    m_fileRows = 0;
    m_cutTo.reset();
    m_status = Status::freshStart;
    m_reason.clear();
    m_tornLineCut = false;
    writeWhole();
    return true;
}

} // namespace records
