// Keeps the machine's files (records/store/machinefiles.h) in the folder
// "machine" of the user's data folder: the sitting as the machine's saved
// state, through the safe-file store (the folder's lock, the file read, a
// damaged one kept aside, a newer one left alone, a save after every bet and
// game on a worker thread, so a kill leaves the last complete file), and the
// machine's game history beside it under the same lock.
//
// After every game its row goes to the history first, then the sitting is
// saved: a kill between the two leaves a history one game ahead of the saved
// machine, and the history, opened again, keeps that row aside as a past one
// and goes on from the machine; no row is lost or written twice.
#pragma once

#include "play/sessionformat.h"
#include "records/store/historyfile.h"
#include "safefile/store.h"

#include <QString>

#include <optional>

namespace play {

class SessionStore {
public:
    static safefile::FileKind fileKind();

    // `dataFolder`: the user's data folder; the files go in its "machine".
    explicit SessionStore(const QString &dataFolder);

    // What the file held, when it was read; empty on a fresh start and when
    // the file could not serve (status() and reason() say why).
    const std::optional<SavedSession> &loaded() const { return m_loaded; }
    // The format's reason for a file kept aside or left alone.
    const QString &reason() const { return m_reason; }

    safefile::Status status() const { return m_file.status(); }
    int error() const { return m_file.error(); }
    QString filePath() const { return m_file.filePath(); }
    QString asidePath() const { return m_file.asidePath(); }
    // Its saved() signal comes after every save.
    safefile::Store &file() { return m_file; }

    // The machine's history: read on opening, then every game added.
    const records::HistoryFile &history() const { return m_history; }
    // The game's row, written before the sitting after it is saved. False
    // when the history file does not hold it yet (history().status()).
    bool addGame(const records::GameRow &row) { return m_history.add(row); }
    // 新しい台: the history so far kept as history.past-….csv, a new one begun.
    bool startHistoryAgain() { return m_history.startAgain(); }

    // Queues the sitting for the worker; returns at once. Does nothing while
    // safefile::readOnly(status()).
    void save(const SavedSession &session);
    void flush() { m_file.flush(); }

private:
    std::optional<SavedSession> m_loaded;
    QString m_reason;
    safefile::Store m_file; // after what its opening fills
    records::HistoryFile m_history; // after the machine it goes with
};

} // namespace play
