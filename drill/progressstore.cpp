#include "drill/progressstore.h"

#include "drill/progressformat.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStandardPaths>

namespace drill {

namespace {

// QSaveFile writes through an unnamed file where the file system allows,
// else through "<name>.XXXXXX" beside the file; a kill leaves the latter.
bool isStrayTemporary(const QString &name)
{
    const QString prefix = ProgressStore::kFileName + u'.';
    if (!name.startsWith(prefix) || name.size() != prefix.size() + 6)
        return false;
    for (const QChar c : QStringView(name).mid(prefix.size()))
        if (!(c.isDigit() || (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z')))
            return false;
    return true;
}

// A name that nothing holds yet, with the time in it; rename never replaces.
bool moveAside(const QString &folder, const QString &from, QString &to)
{
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    const QString base = QDir(folder).filePath(QStringLiteral("drill-progress.damaged-") + stamp);
    for (int n = 1; n < 1000; ++n) {
        to = base + (n == 1 ? QString() : QStringLiteral("-%1").arg(n)) + QStringLiteral(".txt");
        if (QFile::exists(to))
            continue;
        if (QFile::rename(from, to))
            return true;
        if (!QFile::exists(to))
            return false; // the rename failed for another reason than the name
    }
    return false;
}

} // namespace

QString ProgressStore::defaultFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

ProgressStore::ProgressStore(const QString &folder)
    : folder_(QDir(folder).absolutePath())
    , filePath_(QDir(folder_).filePath(kFileName))
{
    open();
    if (!readOnly(status_))
        worker_ = std::thread([this] { writeLoop(); });
}

ProgressStore::~ProgressStore()
{
    {
        const std::lock_guard guard(mutex_);
        stopping_ = true;
    }
    wake_.notify_all();
    if (worker_.joinable())
        worker_.join();
}

void ProgressStore::open()
{
    bool locked = false;
    if (!QDir().mkpath(folder_)) {
        status_ = StoreStatus::notWritable;
    } else {
        lock_ = std::make_unique<QLockFile>(QDir(folder_).filePath(kLockName));
        // Only a lock whose process has died is stale; a live one is never taken.
        lock_->setStaleLockTime(0);
        locked = lock_->tryLock(0);
        if (!locked)
            status_ = lock_->error() == QLockFile::LockFailedError ? StoreStatus::lockedByOther
                                                                   : StoreStatus::notWritable;
    }

    if (locked) {
        const QDir dir(folder_);
        for (const QString &name :
            dir.entryList({ kFileName + QStringLiteral(".*") }, QDir::Files | QDir::Hidden))
            if (isStrayTemporary(name))
                QFile::remove(dir.filePath(name));
    }

    QFile file(filePath_);
    if (!file.exists()) {
        if (locked)
            status_ = StoreStatus::freshStart;
        return;
    }
    ReadProgress read;
    read.outcome = ReadProgress::Outcome::damaged;
    // A full file is under half a megabyte; a far larger one is not ours and
    // is not read into memory.
    constexpr qint64 kMostBytes = 16 * 1024 * 1024;
    if (file.size() <= kMostBytes && file.open(QIODevice::ReadOnly)) {
        const QByteArray bytes = file.readAll();
        read = readProgress(
            std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    }
    if (read.outcome == ReadProgress::Outcome::read)
        progress_ = std::move(read.progress);
    if (!locked)
        return; // read what there is, touch nothing

    switch (read.outcome) {
    case ReadProgress::Outcome::read: status_ = StoreStatus::loaded; break;
    case ReadProgress::Outcome::newerVersion: status_ = StoreStatus::newerVersion; break;
    case ReadProgress::Outcome::notOurs:
    case ReadProgress::Outcome::damaged:
        file.close();
        status_ = moveAside(folder_, filePath_, asidePath_) ? StoreStatus::keptAside
                                                            : StoreStatus::damagedNotMoved;
        if (status_ != StoreStatus::keptAside)
            asidePath_.clear();
        break;
    }
}

StoreStatus ProgressStore::status() const
{
    const std::lock_guard guard(mutex_);
    return saveFailed_ ? StoreStatus::saveFailed : status_;
}

void ProgressStore::save()
{
    {
        const std::lock_guard guard(mutex_);
        if (readOnly(status_))
            return;
        pending_ = progress_;
    }
    wake_.notify_one();
}

void ProgressStore::flush()
{
    std::unique_lock guard(mutex_);
    idle_.wait(guard, [this] { return !pending_ && !writing_; });
}

void ProgressStore::writeLoop()
{
    std::unique_lock guard(mutex_);
    while (true) {
        wake_.wait(guard, [this] { return pending_ || stopping_; });
        if (!pending_)
            return; // stopping, nothing left to write
        const Progress snapshot = std::move(*pending_);
        pending_.reset();
        writing_ = true;
        guard.unlock();

        const std::string bytes = writeProgress(snapshot);
        QSaveFile file(filePath_);
        const bool saved = file.open(QIODevice::WriteOnly)
            && file.write(bytes.data(), static_cast<qint64>(bytes.size()))
                == static_cast<qint64>(bytes.size())
            && file.commit();

        guard.lock();
        writing_ = false;
        saveFailed_ = !saved;
        if (!pending_)
            idle_.notify_all();
    }
}

} // namespace drill
