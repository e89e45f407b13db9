#include "records/store/machinefiles.h"

#include "machine/stateformat.h"
#include "records/callsformat.h"

#include <QDir>

namespace records::machinefiles {

namespace {

QByteArray bytesOf(std::string_view text) { return { text.data(), qsizetype(text.size()) }; }

} // namespace

QString folder(const QString &dataFolder) { return QDir(dataFolder).filePath(kFolderName); }

safefile::FileKind state()
{
    // A saved machine is under a kilobyte.
    return { QStringLiteral("state.txt"), QStringLiteral("state.lock"),
        QStringLiteral("state.damaged-"), QStringLiteral(".txt"), bytesOf(machine::kStateHeader),
        64 * 1024 };
}

safefile::FileKind calls()
{
    return { QStringLiteral("calls.txt"), QStringLiteral("calls.lock"),
        QStringLiteral("calls.damaged-"), QStringLiteral(".txt"), bytesOf(kCallsHeader),
        64 * 1024 };
}

} // namespace records::machinefiles
