#include "records/store/machinefiles.h"

#include <QDir>

namespace records::machinefiles {

QString folder(const QString &dataFolder) { return QDir(dataFolder).filePath(kFolderName); }

safefile::FileKind state(std::string_view header)
{
    // A saved machine is under a kilobyte.
    return { kStateName, kLockName, QStringLiteral("state.damaged-"), QStringLiteral(".txt"),
        QByteArray(header.data(), qsizetype(header.size())), 64 * 1024 };
}

} // namespace records::machinefiles
