#include "play/store/sessionstore.h"

namespace play {

namespace {

safefile::Verdict verdictOf(ReadSession::Outcome outcome)
{
    switch (outcome) {
    case ReadSession::Outcome::read: return safefile::Verdict::ours;
    case ReadSession::Outcome::notOurs: return safefile::Verdict::notOurs;
    case ReadSession::Outcome::damaged: return safefile::Verdict::damaged;
    case ReadSession::Outcome::newerVersion: return safefile::Verdict::newerVersion;
    }
    return safefile::Verdict::damaged;
}

} // namespace

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
        return verdictOf(read.outcome);
    })
{ }

void SessionStore::save(const SavedSession &session)
{
    if (safefile::readOnly(status()))
        return;
    m_file.save([snapshot = session] { return writeSession(snapshot); });
}

} // namespace play
