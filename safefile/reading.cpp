#include "safefile/reading.h"

#include "safefile/descriptor.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace safefile {

int readUpTo(int fd, qint64 most, QByteArray &bytes)
{
    constexpr qint64 kChunk = 64 * 1024;
    while (bytes.size() < most) {
        const qsizetype at = bytes.size();
        bytes.resize(at + qsizetype(std::min(kChunk, most - at)));
        const ssize_t got = ::read(fd, bytes.data() + at, std::size_t(bytes.size() - at));
        if (got < 0 && errno == EINTR) {
            bytes.resize(at);
            continue;
        }
        if (got < 0) {
            const int error = errno;
            bytes.clear();
            return error;
        }
        bytes.resize(at + got);
        if (got == 0)
            break;
    }
    return 0;
}

ReadFile readRegularFile(const QString &path, qint64 limit)
{
    ReadFile result;
    const QByteArray name = QFile::encodeName(path);
    const Descriptor fd(::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (!fd.isOpen()) {
        const int error = errno;
        struct stat link { };
        if (error != ENOENT) {
            result.outcome = ReadFile::Outcome::failed;
            result.error = error;
        } else if (::lstat(name.constData(), &link) == 0) {
            result.outcome = ReadFile::Outcome::notRegular; // a link to nothing
        }
        return result;
    }
    struct stat info { };
    if (::fstat(fd.get(), &info) != 0) {
        result.outcome = ReadFile::Outcome::failed;
        result.error = errno;
        return result;
    }
    if (!S_ISREG(info.st_mode)) {
        result.outcome = ReadFile::Outcome::notRegular;
        return result;
    }
    // One byte past the limit tells a file over it from one of just its size.
    if (const int error = readUpTo(fd.get(), limit + 1, result.bytes)) {
        result.outcome = ReadFile::Outcome::failed;
        result.error = error;
    } else if (result.bytes.size() > limit) {
        result.outcome = ReadFile::Outcome::tooLarge;
        result.bytes.clear();
    } else {
        result.outcome = ReadFile::Outcome::read;
    }
    return result;
}

QByteArray readStart(const QString &path, qsizetype count)
{
    const Descriptor fd(::open(QFile::encodeName(path).constData(),
        O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC | O_NOCTTY));
    struct stat info { };
    QByteArray bytes;
    if (fd.isOpen() && ::fstat(fd.get(), &info) == 0 && S_ISREG(info.st_mode)
        && readUpTo(fd.get(), count, bytes) == 0)
        return bytes;
    return {};
}

} // namespace safefile
