// Keeps the progress in the user's data folder: takes the folder's lock, reads
// the file, and saves after every answer on a worker thread that always writes
// the newest snapshot through QSaveFile, so a crash or kill leaves the last
// complete file.
//
// What happened on opening (and later, if a save fails) is status(); the
// window words it. Paths are absolute.
#pragma once

#include "drill/progress.h"

#include <QLockFile>
#include <QString>

#include <condition_variable>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

namespace drill {

enum class StoreStatus {
    freshStart, // no file yet; saving to filePath
    loaded, // read filePath; saving to it
    keptAside, // filePath was damaged or not ours; moved to asidePath; fresh start, saving
    newerVersion, // filePath is of a newer format; left as is; not saving
    damagedNotMoved, // filePath damaged and could not be moved aside; left as is; not saving
    notWritable, // the data folder (folder) cannot be written; not saving
    lockedByOther, // another program holds the lock; read filePath if it could; not saving
    saveFailed, // a save failed after opening; the last complete file stays; still trying
};

// True for the statuses under which answers are not saved at all.
constexpr bool readOnly(StoreStatus s)
{
    return s == StoreStatus::newerVersion || s == StoreStatus::damagedNotMoved
        || s == StoreStatus::notWritable || s == StoreStatus::lockedByOther;
}

class ProgressStore {
public:
    inline static const QString kFileName = QStringLiteral("drill-progress.txt");
    inline static const QString kLockName = QStringLiteral("drill-progress.lock");

    // QStandardPaths::AppDataLocation.
    static QString defaultFolder();

    // Opens the store in `folder` (created if missing). Never throws for
    // anything found on disk.
    explicit ProgressStore(const QString &folder);
    ~ProgressStore(); // writes what is queued, then lets the lock go
    ProgressStore(const ProgressStore &) = delete;
    ProgressStore &operator=(const ProgressStore &) = delete;

    Progress &progress() { return progress_; }
    const Progress &progress() const { return progress_; }

    StoreStatus status() const;
    QString folder() const { return folder_; }
    QString filePath() const { return filePath_; }
    QString asidePath() const { return asidePath_; } // keptAside only

    // Queues a copy of progress() for the worker; returns at once. Does
    // nothing while readOnly(status()).
    void save();
    // Waits until every queued snapshot is on disk (tests, closing).
    void flush();

private:
    void open();
    void writeLoop();

    QString folder_, filePath_, asidePath_;
    Progress progress_;
    std::unique_ptr<QLockFile> lock_;

    mutable std::mutex mutex_;
    std::condition_variable wake_, idle_;
    StoreStatus status_ = StoreStatus::freshStart;
    std::optional<Progress> pending_;
    bool writing_ = false;
    bool saveFailed_ = false; // the last save failed
    bool stopping_ = false;
    std::thread worker_;
};

} // namespace drill
