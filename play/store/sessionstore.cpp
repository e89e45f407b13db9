#include "play/store/sessionstore.h"

namespace play {

safefile::FileKind SessionStore::fileKind()
{
    safefile::FileKind kind;
    kind.fileName = kFileName;
    kind.lockName = kLockName;
    kind.asidePrefix = QStringLiteral("play-session.damaged-");
    kind.asideSuffix = QStringLiteral(".txt");
    kind.header = QByteArray(kSessionHeader.data(), qsizetype(kSessionHeader.size()));
    kind.sizeLimit = 64 * 1024; // a sitting is under a kilobyte
    return kind;
}

SessionStore::SessionStore(const QString &folder)
    : m_file(fileKind(), folder, [this](std::string_view bytes) {
        ReadSession read = readSession(bytes);
        if (read.outcome == ReadSession::Outcome::read)
            m_loaded = std::move(read.session);
        else
            m_reason = QString::fromStdString(read.reason);
        return safefile::verdictOf(read.outcome);
    })
{ }

void SessionStore::save(const SavedSession &session)
{
    if (safefile::readOnly(status()))
        return;
    m_file.save([snapshot = session] { return writeSession(snapshot); });
}

} // namespace play
