// Keeps the drill's progress in the user's data folder as
// drill-progress.txt, through the safe-file store: the folder's lock, the
// file read, a damaged one kept aside, and a save after every answer on a
// worker thread, so a crash or kill leaves the last complete file.
//
// What happened on opening, and at once when a save fails, is status(); the
// window words it. Paths are absolute.
#pragma once

#include "drill/progress.h"
#include "safefile/store.h"

#include <QString>

namespace drill {

using StoreStatus = safefile::Status;
using safefile::readOnly;

class ProgressStore {
public:
    inline static const QString kFileName = QStringLiteral("drill-progress.txt");
    inline static const QString kLockName = QStringLiteral("drill-progress.lock");
    // The file, its lock and what a damaged one is renamed to.
    static safefile::FileKind fileKind();

    explicit ProgressStore(const QString &folder);

    Progress &progress() { return m_progress; }
    const Progress &progress() const { return m_progress; }

    StoreStatus status() const { return m_file.status(); }
    int error() const { return m_file.error(); } // see safefile::Store::error
    QString folder() const { return m_file.folder(); }
    QString filePath() const { return m_file.filePath(); }
    QString lockPath() const { return m_file.lockPath(); }
    QString asidePath() const { return m_file.asidePath(); } // keptAside only
    // Its saved() signal comes after every save.
    safefile::Store &file() { return m_file; }

    // Queues a copy of progress() for the worker; returns at once. Does
    // nothing while readOnly(status()).
    void save();
    // Waits until every queued save is on disk (tests, closing).
    void flush() { m_file.flush(); }

private:
    Progress m_progress;
    safefile::Store m_file; // after m_progress, which its opening fills
};

} // namespace drill
