// The lock that lets one program at a time write a folder's file: a
// QLockFile, with what QLockFile cannot tell apart sorted out.
//
// QLockFile takes over a lock whose program has died. It never takes one it
// cannot read (left empty by a kill between its creation and its write, a
// folder, a link to nothing) and calls that a live owner. Such a lock is
// stale once it is a few seconds old: a live program writes its lock at once.
// A lock that cannot be taken for any other reason says which (error()).
#pragma once

#include <QLockFile>
#include <QString>

#include <chrono>

namespace safefile {

class DataLock {
public:
    enum class Outcome {
        held, // ours until the DataLock goes
        heldByOther, // a running program holds it
        folderNotWritable, // no lock can be made there
        unavailable, // something else is in the way; error() says what
    };
    // A lock that names no owner and is younger than this is waited for.
    static constexpr std::chrono::milliseconds kStaleAfter { 3000 };

    explicit DataLock(const QString &path);
    Outcome take();
    int error() const { return m_error; }
    QString path() const { return m_path; }

private:
    bool removeIfStale();

    QString m_path;
    QLockFile m_lock;
    int m_error = 0;
};

} // namespace safefile
