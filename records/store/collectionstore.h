// The reach-me collection in the program's data folder as
// reach-me-collection.txt, through the safe-file store: the folder's lock,
// the file read, a damaged one kept aside, a newer one left alone, and a save
// on a worker thread whenever a pattern is collected. It belongs to the
// player, not to a machine: a new machine or 新しい台 leaves it as it is.
//
// A second program sees the collection read-only (lockedByOther) and never
// writes it; what it collects meanwhile is shown but not kept. What happened
// on opening, and at once when a save fails, is status(); the window words it.
#pragma once

#include "records/collection.h"
#include "safefile/store.h"

#include <QString>

#include <string>

namespace records {

class CollectionStore {
public:
    inline static const QString kFileName = QStringLiteral("reach-me-collection.txt");
    inline static const QString kLockName = QStringLiteral("reach-me-collection.lock");
    static safefile::FileKind fileKind();
    // QStandardPaths::AppDataLocation, beside the drill's progress.
    static QString defaultFolder();

    explicit CollectionStore(const QString &folder);

    const ReachMeCollection &collection() const { return m_collection; }

    // The game's pattern, when it is a reach-me of a normal game, collected
    // at `time` (seconds since 1970-01-01 UTC) and saved.
    ReachMeCollection::Recorded record(const GameRow &row, std::int64_t time);

    safefile::Status status() const { return m_file.status(); }
    int error() const { return m_file.error(); } // see safefile::Store::error
    QString folder() const { return m_file.folder(); }
    QString filePath() const { return m_file.filePath(); }
    QString lockPath() const { return m_file.lockPath(); }
    QString asidePath() const { return m_file.asidePath(); } // keptAside only
    // Why the file was kept aside or left as it is (one line for the player).
    const std::string &reason() const { return m_reason; }
    // Its saved() signal comes after every save.
    safefile::Store &file() { return m_file; }

    // Queues a copy of collection() for the worker; returns at once. Does
    // nothing while readOnly(status()).
    void save();
    void flush() { m_file.flush(); }

private:
    ReachMeCollection m_collection;
    std::string m_reason;
    safefile::Store m_file; // after what its opening fills
};

} // namespace records
