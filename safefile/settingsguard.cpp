#include "safefile/settingsguard.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>

#include <sys/stat.h>

namespace safefile {

namespace {

// Missing is fine: QSettings makes it. Links are followed, as QSettings does.
bool safeToOpen(const QString &path, qint64 mostBytes)
{
    struct stat info { };
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return true;
    return S_ISREG(info.st_mode) && info.st_size <= mostBytes;
}

} // namespace

SettingsGuard::SettingsGuard()
    // Where QSettings() keeps the user's settings on Unix.
    : m_filePath(QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
                     .filePath(QCoreApplication::organizationName() + u'/'
                         + QCoreApplication::applicationName() + QStringLiteral(".conf")))
{
    if (safeToOpen(m_filePath, kMostBytes) && safeToOpen(m_filePath + QStringLiteral(".lock"), 0))
        return;
    m_folder.emplace();
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_folder->path());
}

} // namespace safefile
