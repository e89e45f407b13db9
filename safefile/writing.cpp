#include "safefile/writing.h"

#include "safefile/descriptor.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace safefile {

namespace {

// What the step just failed on; QSaveFile refuses some files without asking
// the system, and then errno is still 0.
Written failed(const QString &path)
{
    int error = errno;
    if (error == 0) {
        const QFileInfo info(path);
        error = info.isDir() ? EISDIR : info.exists() && !info.isWritable() ? EACCES : EIO;
    }
    return { false, error };
}

Written writeDirect(const QByteArray &name, bool fifo, QByteArrayView bytes)
{
    // Opening a FIFO for writing waits for a reader; without blocking it fails
    // at once when there is none.
    Descriptor fd(::open(name.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (!fd.isOpen())
        return { false, fifo && errno == ENXIO ? EPIPE : errno };
    // A reader is there: from now on wait for it as any writer does.
    const int flags = ::fcntl(fd.get(), F_GETFL);
    if (flags == -1 || ::fcntl(fd.get(), F_SETFL, flags & ~O_NONBLOCK) == -1)
        return { false, errno };
    if (const int error = writeAll(fd.get(), bytes))
        return { false, error };
    if (const int error = fd.reset())
        return { false, error };
    return { true, 0 };
}

} // namespace

int writeAll(int fd, QByteArrayView bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t wrote = ::write(fd, bytes.data() + done, std::size_t(bytes.size() - done));
        if (wrote < 0 && errno == EINTR)
            continue;
        if (wrote < 0)
            return errno;
        if (wrote == 0)
            return EIO;
        done += wrote;
    }
    return 0;
}

Written writeWhole(const QString &path, QByteArrayView bytes)
{
    QSaveFile file(path);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly))
        return failed(path);
    errno = 0;
    if (file.write(bytes.data(), bytes.size()) != bytes.size())
        return failed(path);
    // QSaveFile keeps a small write in its buffer, and commit() does not
    // report a last flush that failed: a full disk would replace the file
    // with an empty one. Flush and check first.
    errno = 0;
    if (!file.flush())
        return failed(path);
    errno = 0;
    if (!file.commit())
        return failed(path);
    return { true, 0 };
}

Written writeOut(const QString &path, QByteArrayView bytes)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat info { };
    if (::stat(name.constData(), &info) == 0) {
        if (S_ISDIR(info.st_mode))
            return { false, EISDIR };
        if (!S_ISREG(info.st_mode))
            return writeDirect(name, S_ISFIFO(info.st_mode), bytes);
    }
    return writeWhole(path, bytes);
}

} // namespace safefile
