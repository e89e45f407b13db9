#include "safefile/appendfile.h"

#include "safefile/reading.h"
#include "safefile/writing.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace safefile {

namespace {

Descriptor openForAppend(const QByteArray &name)
{
    return Descriptor(
        ::open(name.constData(), O_RDWR | O_APPEND | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
}

} // namespace

AppendFile::AppendFile(const QString &path)
    : m_path(path)
{ }

bool AppendFile::fail(int error)
{
    m_error = error ? error : EIO;
    return false;
}

AppendFile::Opened AppendFile::failedToOpen(int error)
{
    fail(error);
    m_fd.reset();
    return Opened::failed;
}

AppendFile::Opened AppendFile::open(QByteArrayView header, qint64 limit)
{
    const QByteArray name = QFile::encodeName(m_path);
    m_fd = openForAppend(name);
    Opened opened = Opened::opened;
    if (!m_fd.isOpen() && errno == ENOENT) {
        // Made whole, so that no reader ever sees half a header.
        const Written made = writeWhole(m_path, header);
        if (!made.ok)
            return failedToOpen(made.error);
        m_fd = openForAppend(name);
        opened = Opened::created;
    }
    if (!m_fd.isOpen())
        return failedToOpen(errno);
    struct stat info { };
    if (::fstat(m_fd.get(), &info) != 0)
        return failedToOpen(errno);
    if (!S_ISREG(info.st_mode) || info.st_size > limit) {
        m_fd.reset();
        return S_ISREG(info.st_mode) ? Opened::tooLarge : Opened::notRegular;
    }
    // A new descriptor stands at the start; appends go to the end anyway.
    if (const int error = readUpTo(m_fd.get(), limit, m_contents))
        return failedToOpen(error);
    m_size = m_contents.size();
    return opened;
}

bool AppendFile::append(QByteArrayView record)
{
    if (!m_fd.isOpen())
        return fail(EBADF);
    if (const int error = writeAll(m_fd.get(), record)) {
        // What went in of it goes again: the file ends with a whole record.
        ::ftruncate(m_fd.get(), m_size);
        return fail(error);
    }
    m_size += record.size();
    return true;
}

bool AppendFile::truncate(qint64 size)
{
    if (!m_fd.isOpen())
        return fail(EBADF);
    if (::ftruncate(m_fd.get(), size) != 0)
        return fail(errno);
    m_size = size;
    m_contents.truncate(qsizetype(size));
    return true;
}

} // namespace safefile
