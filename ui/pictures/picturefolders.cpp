#include "ui/pictures/picturefolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <climits>
#include <sys/stat.h>
#include <unistd.h>

namespace ui {

namespace {

PictureFolder workingFolder()
{
    char path[PATH_MAX];
    if (::getcwd(path, sizeof path))
        return { QFile::decodeName(path), false };
    // Deleted: the kernel still knows the former name.
    const ssize_t length = ::readlink("/proc/self/cwd", path, sizeof path - 1);
    QString former = length > 0 ? QFile::decodeName(QByteArray(path, length)) : QString();
    former.remove(QStringLiteral(" (deleted)"));
    return { former, true };
}

// Relative to the program's folder, as the build was configured to install.
QString installedFolder()
{
    if (!QCoreApplication::instance())
        return {};
    return QDir::cleanPath(QCoreApplication::applicationDirPath() + QLatin1Char('/')
        + QStringLiteral(REACHME_PICTURES_FROM_PROGRAM));
}

} // namespace

QList<PictureFolder> pictureFolders()
{
    QList<PictureFolder> folders { workingFolder() };
    const QString installed = installedFolder();
    if (!installed.isEmpty() && installed != folders.front().path)
        folders.append({ installed, false });
    return folders;
}

bool folderHolds(const PictureFolder &folder, const QString &name)
{
    struct stat status { };
    return !folder.gone
        && ::lstat(QFile::encodeName(folder.path + QLatin1Char('/') + name).constData(), &status)
        == 0;
}

} // namespace ui
