#include "safefile/keepaside.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace safefile {

namespace {

// Moves `from` to `to` unless something is at `to`; errno, or 0 when moved.
int moveNoReplace(const QByteArray &from, const QByteArray &to)
{
    if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE) == 0)
        return 0;
    if (errno != EINVAL && errno != ENOSYS)
        return errno;
    // A file system without that rename: a second name, then the first goes.
    if (::link(from.constData(), to.constData()) == 0) {
        if (::unlink(from.constData()) == 0)
            return 0;
        const int error = errno;
        ::unlink(to.constData());
        return error;
    }
    if (errno != EPERM)
        return errno;
    // Nor hard links: look first, entry and not target.
    struct stat info { };
    if (::lstat(to.constData(), &info) == 0)
        return EEXIST;
    return ::rename(from.constData(), to.constData()) == 0 ? 0 : errno;
}

} // namespace

KeptAside keepAside(
    const QString &path, const QString &prefix, const QString &suffix, const QDateTime &when)
{
    const QString base
        = QFileInfo(path).dir().filePath(prefix + when.toString(QStringLiteral("yyyyMMdd-HHmmss")));
    const QByteArray from = QFile::encodeName(path);
    KeptAside result;
    for (int n = 1; n < 1000; ++n) {
        result.path = base + (n == 1 ? QString() : QStringLiteral("-%1").arg(n)) + suffix;
        result.error = moveNoReplace(from, QFile::encodeName(result.path));
        if (result.error != EEXIST)
            break;
    }
    result.ok = result.error == 0;
    if (!result.ok)
        result.path.clear();
    return result;
}

} // namespace safefile
