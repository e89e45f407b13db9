#include "safefile/lock.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <ctime>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace safefile {

namespace {

using std::chrono::milliseconds;

// How long ago the entry itself (not what a link points to) was changed.
milliseconds ageOf(const struct stat &info)
{
    timespec now {};
    ::clock_gettime(CLOCK_REALTIME, &now);
    return milliseconds((now.tv_sec - info.st_mtim.tv_sec) * 1000
        + (now.tv_nsec - info.st_mtim.tv_nsec) / 1'000'000);
}

bool young(milliseconds age) { return age < DataLock::kStaleAfter && age > -DataLock::kStaleAfter; }

// After a failed lstat: gone is fine (try again), anything else is the reason.
bool fileGone(int &error)
{
    if (errno == ENOENT)
        return true;
    error = errno;
    return false;
}

bool ownerNamed(const QLockFile &lock)
{
    qint64 pid = 0;
    QString host, app;
    return lock.getLockInfo(&pid, &host, &app);
}

} // namespace

DataLock::DataLock(const QString &path)
    : m_path(path)
    , m_lock(path)
{
    // QLockFile's own stale time would also take a live program's lock once
    // it is that old: only a lock whose program has died is taken over.
    m_lock.setStaleLockTime(0);
}

DataLock::Outcome DataLock::take()
{
    m_error = 0;
    // Each round either takes the lock or removes one stale entry; a few are
    // enough even when another program races for it.
    for (int round = 0; round < 8; ++round) {
        errno = 0;
        if (m_lock.tryLock(0))
            return Outcome::held;
        switch (m_lock.error()) {
        case QLockFile::NoError: continue;
        case QLockFile::LockFailedError:
            if (ownerNamed(m_lock))
                return Outcome::heldByOther;
            if (!removeIfStale())
                return m_error ? Outcome::unavailable : Outcome::heldByOther;
            continue;
        case QLockFile::PermissionError: m_error = EACCES; return Outcome::folderNotWritable;
        case QLockFile::UnknownError:
            // QLockFile leaves the errno of its failed write (a full disk).
            m_error = errno ? errno : EIO;
            return Outcome::unavailable;
        }
    }
    return Outcome::heldByOther;
}

// Removes an entry at the lock's name that names no owner once it is
// kStaleAfter old, waiting for that when it is younger. True when the lock
// may be tried again; false when the entry stays: m_error says why, or is 0
// when an owner has written it meanwhile.
bool DataLock::removeIfStale()
{
    const QByteArray name = QFile::encodeName(m_path);
    struct stat info { };
    if (::lstat(name.constData(), &info) != 0)
        return fileGone(m_error);
    if (const milliseconds age = ageOf(info); young(age)) {
        std::this_thread::sleep_for(kStaleAfter - std::max(age, milliseconds(0)));
        if (ownerNamed(m_lock))
            return false;
    }
    // As QLockFile does: one remover at a time, and only what is still stale
    // under its lock; a lock made meanwhile is young.
    QLockFile remover(m_path + QStringLiteral(".rmlock"));
    if (!remover.tryLock(0))
        return true; // another program is removing it
    struct stat again { };
    if (::lstat(name.constData(), &again) != 0)
        return fileGone(m_error);
    if (again.st_ino != info.st_ino || again.st_dev != info.st_dev || ownerNamed(m_lock)
        || young(ageOf(again)))
        return true;
    const bool folder = S_ISDIR(again.st_mode);
    if ((folder ? ::rmdir(name.constData()) : ::unlink(name.constData())) == 0)
        return true;
    // A folder with something in it is not ours to empty.
    m_error = folder && (errno == ENOTEMPTY || errno == EEXIST) ? EISDIR : errno;
    return false;
}

} // namespace safefile
