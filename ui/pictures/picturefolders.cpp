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

} // namespace

// Relative to the program's folder, as the build was configured to install.
QString installedPictureFolder(const QString &programFolder)
{
    return QDir::cleanPath(
        programFolder + QLatin1Char('/') + QStringLiteral(REACHME_PICTURES_FROM_PROGRAM));
}

QList<PictureFolder> pictureFolders()
{
    QList<PictureFolder> folders { workingFolder() };
    if (QCoreApplication::instance()) {
        const QString installed = installedPictureFolder(QCoreApplication::applicationDirPath());
        if (installed != folders.front().path)
            folders.append({ installed, false });
    }
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
