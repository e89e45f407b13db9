// One file of the player's data in a folder, kept safe: the folder's lock,
// the file read and sorted by its owner's format, stray temporaries of killed
// saves removed, a damaged file kept aside, a newer one left alone, and saves
// on a worker thread that always writes the newest content whole.
//
// The owner gives the kind of file and a function that tells what bytes read
// from it are (and keeps what it parsed); to save, it hands over a function
// that makes the bytes, run on the worker. status() and error() say what
// happened on opening and, after a failed save, at once; saved() is emitted
// after every save. Paths are absolute.
#pragma once

#include "safefile/lock.h"
#include "safefile/status.h"

#include <QByteArray>
#include <QObject>
#include <QString>

#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <thread>

namespace safefile {

struct FileKind {
    QString fileName; // "drill-progress.txt"
    QString lockName; // "drill-progress.lock", beside it
    // A damaged file becomes asidePrefix + "YYYYMMDD-HHMMSS" + asideSuffix.
    QString asidePrefix; // "drill-progress.damaged-"
    QString asideSuffix; // ".txt"
    // How every file of the kind begins: what tells a stray temporary of a
    // save from a file of the user's.
    QByteArray header;
    // A file larger than this is not read at all and counts as damaged.
    qint64 sizeLimit = 16 * 1024 * 1024;
};

// What the owner's format makes of the bytes read.
enum class Verdict {
    ours, // parsed; the owner keeps the result
    notOurs, // not a file of this kind at all
    damaged, // of this kind, but cut short or changed
    newerVersion, // of this kind, from a later format
};

// The verdict for a format whose reader tells its text as read, notOurs,
// damaged or newerVersion.
template <typename Outcome> Verdict verdictOf(Outcome outcome)
{
    switch (outcome) {
    case Outcome::read: return Verdict::ours;
    case Outcome::notOurs: return Verdict::notOurs;
    case Outcome::damaged: return Verdict::damaged;
    case Outcome::newerVersion: return Verdict::newerVersion;
    }
    return Verdict::damaged;
}

class Store : public QObject {
    Q_OBJECT

public:
    using Classify = std::function<Verdict(std::string_view bytes)>;
    using Produce = std::function<std::string()>;

    // Opens the store in `folder` (created if missing): takes the lock,
    // removes stray temporaries, reads the file and calls `classify` on its
    // bytes (also when another program holds the lock). Never throws for
    // anything found on disk.
    Store(
        FileKind kind, const QString &folder, const Classify &classify, QObject *parent = nullptr);
    ~Store() override; // writes what is queued, then lets the lock go
    Store(const Store &) = delete;
    Store &operator=(const Store &) = delete;

    Status status() const;
    // The errno behind notReadable, notWritable, lockUnavailable,
    // damagedNotMoved and saveFailed; 0 otherwise.
    int error() const;
    const FileKind &kind() const { return m_kind; }
    QString folder() const { return m_folder; }
    QString filePath() const { return m_filePath; }
    QString lockPath() const { return m_lock.path(); }
    QString asidePath() const { return m_asidePath; } // keptAside only

    // Queues `produce` for the worker in place of any save not yet begun, and
    // returns at once. Does nothing while readOnly(status()).
    void save(Produce produce);
    // Waits until every queued save is done (closing, tests).
    void flush();

signals:
    // On the worker thread, after each save; status() already tells it.
    void saved(bool ok);

private:
    void open(const Classify &classify);
    void writeLoop();

    FileKind m_kind;
    QString m_folder, m_filePath, m_asidePath;
    DataLock m_lock;
    Status m_status = Status::freshStart; // as opened
    int m_error = 0; // as opened

    mutable std::mutex m_mutex;
    std::condition_variable m_wake, m_idle;
    Produce m_pending;
    bool m_writing = false;
    int m_saveError = 0; // of the last save; 0 when it worked
    bool m_stopping = false;
    std::thread m_worker;
};

} // namespace safefile
