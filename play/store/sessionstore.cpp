#include "play/store/sessionstore.h"

#include "records/store/machinefiles.h"

namespace play {

safefile::FileKind SessionStore::fileKind() { return records::machinefiles::state(kSessionHeader); }

SessionStore::SessionStore(const QString &dataFolder)
    : m_file(fileKind(), records::machinefiles::folder(dataFolder),
        [this](std::string_view bytes) {
            ReadSession read = readSession(bytes);
            if (read.outcome == ReadSession::Outcome::read)
                m_loaded = std::move(read.session);
            else
                m_reason = QString::fromStdString(read.reason);
            return safefile::verdictOf(read.outcome);
        })
    , m_history(m_file, m_loaded ? m_loaded->machine.counters.games : 0)
{ }

void SessionStore::save(const SavedSession &session)
{
    if (safefile::readOnly(status()))
        return;
    m_file.save([snapshot = session] { return writeSession(snapshot); });
}

} // namespace play
