#include "safefile/store.h"

#include "safefile/keepaside.h"
#include "safefile/reading.h"
#include "safefile/strays.h"
#include "safefile/writing.h"

#include <QDir>

#include <cerrno>

namespace safefile {

Store::Store(FileKind kind, const QString &folder, const Classify &classify, QObject *parent)
    : QObject(parent)
    , m_kind(std::move(kind))
    , m_folder(QDir(folder).absolutePath())
    , m_filePath(QDir(m_folder).filePath(m_kind.fileName))
    , m_lock(QDir(m_folder).filePath(m_kind.lockName))
{
    open(classify);
    if (!readOnly(m_status))
        m_worker = std::thread([this] { writeLoop(); });
}

Store::~Store()
{
    {
        const std::lock_guard guard(m_mutex);
        m_stopping = true;
    }
    m_wake.notify_all();
    if (m_worker.joinable())
        m_worker.join();
}

void Store::open(const Classify &classify)
{
    bool locked = false;
    errno = 0;
    if (!QDir().mkpath(m_folder)) {
        m_status = Status::notWritable;
        m_error = errno ? errno : EACCES;
    } else {
        switch (m_lock.take()) {
        case DataLock::Outcome::held: locked = true; break;
        case DataLock::Outcome::heldByOther: m_status = Status::lockedByOther; break;
        case DataLock::Outcome::folderNotWritable: m_status = Status::notWritable; break;
        case DataLock::Outcome::unavailable: m_status = Status::lockUnavailable; break;
        }
        m_error = m_lock.error();
    }
    if (locked)
        removeStrayTemporaries(m_folder, m_kind.fileName, m_kind.header);

    const ReadFile read = readRegularFile(m_filePath, m_kind.sizeLimit);
    Verdict verdict = Verdict::damaged;
    switch (read.outcome) {
    case ReadFile::Outcome::missing:
        if (locked)
            m_status = Status::freshStart;
        return;
    case ReadFile::Outcome::notRegular:
        if (locked)
            m_status = Status::notRegular;
        return;
    case ReadFile::Outcome::failed:
        if (locked) {
            m_status = Status::notReadable;
            m_error = read.error;
        }
        return;
    case ReadFile::Outcome::tooLarge: break; // not ours to read into memory
    case ReadFile::Outcome::read:
        verdict
            = classify(std::string_view(read.bytes.constData(), std::size_t(read.bytes.size())));
        break;
    }
    if (!locked)
        return; // read what there is, touch nothing

    switch (verdict) {
    case Verdict::ours: m_status = Status::loaded; break;
    case Verdict::newerVersion: m_status = Status::newerVersion; break;
    case Verdict::notOurs:
    case Verdict::damaged: {
        const KeptAside aside = keepAside(m_filePath, m_kind.asidePrefix, m_kind.asideSuffix);
        m_status = aside.ok ? Status::keptAside : Status::damagedNotMoved;
        m_error = aside.error;
        m_asidePath = aside.path;
        break;
    }
    }
}

Status Store::status() const
{
    const std::lock_guard guard(m_mutex);
    return m_saveError ? Status::saveFailed : m_status;
}

int Store::error() const
{
    const std::lock_guard guard(m_mutex);
    return m_saveError ? m_saveError : m_error;
}

void Store::save(Produce produce)
{
    {
        const std::lock_guard guard(m_mutex);
        if (readOnly(m_status))
            return;
        m_pending = std::move(produce);
    }
    m_wake.notify_one();
}

void Store::flush()
{
    std::unique_lock guard(m_mutex);
    m_idle.wait(guard, [this] { return !m_pending && !m_writing; });
}

void Store::writeLoop()
{
    std::unique_lock guard(m_mutex);
    while (true) {
        m_wake.wait(guard, [this] { return m_pending || m_stopping; });
        if (!m_pending)
            return; // stopping, nothing left to write
        const Produce produce = std::move(m_pending);
        m_pending = nullptr;
        m_writing = true;
        guard.unlock();

        const std::string bytes = produce();
        const Written written
            = writeWhole(m_filePath, QByteArrayView(bytes.data(), qsizetype(bytes.size())));

        guard.lock();
        m_writing = false;
        m_saveError = written.ok ? 0 : written.error;
        if (!m_pending)
            m_idle.notify_all();
        guard.unlock();
        emit saved(written.ok);
        guard.lock();
    }
}

} // namespace safefile
