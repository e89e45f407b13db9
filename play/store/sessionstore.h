// Keeps the sitting at the machine in the user's data folder as
// play-session.txt, through the safe-file store: the folder's lock, the file
// read, a damaged one kept aside, a newer one left alone, and a save after
// every bet and game on a worker thread, so a kill leaves the last complete
// file.
#pragma once

#include "play/sessionformat.h"
#include "safefile/store.h"

#include <QString>

#include <optional>

namespace play {

class SessionStore {
public:
    inline static const QString kFileName = QStringLiteral("play-session.txt");
    inline static const QString kLockName = QStringLiteral("play-session.lock");
    static safefile::FileKind fileKind();

    explicit SessionStore(const QString &folder);

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

    // Queues the sitting for the worker; returns at once. Does nothing while
    // safefile::readOnly(status()).
    void save(const SavedSession &session);
    void flush() { m_file.flush(); }

private:
    std::optional<SavedSession> m_loaded;
    QString m_reason;
    safefile::Store m_file; // after what its opening fills
};

} // namespace play
