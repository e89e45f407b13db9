#include "drill/store/progressstore.h"

#include "drill/progressformat.h"

namespace drill {

namespace {

safefile::Verdict verdictOf(ReadProgress::Outcome outcome)
{
    switch (outcome) {
    case ReadProgress::Outcome::read: return safefile::Verdict::ours;
    case ReadProgress::Outcome::notOurs: return safefile::Verdict::notOurs;
    case ReadProgress::Outcome::damaged: return safefile::Verdict::damaged;
    case ReadProgress::Outcome::newerVersion: return safefile::Verdict::newerVersion;
    }
    return safefile::Verdict::damaged;
}

} // namespace

safefile::FileKind ProgressStore::fileKind()
{
    safefile::FileKind kind;
    kind.fileName = kFileName;
    kind.lockName = kLockName;
    kind.asidePrefix = QStringLiteral("drill-progress.damaged-");
    kind.asideSuffix = QStringLiteral(".txt");
    kind.header = QByteArray(kProgressHeader.data(), qsizetype(kProgressHeader.size()));
    // A full file is under half a megabyte.
    kind.sizeLimit = 16 * 1024 * 1024;
    return kind;
}

ProgressStore::ProgressStore(const QString &folder)
    : m_file(fileKind(), folder, [this](std::string_view bytes) {
        ReadProgress read = readProgress(bytes);
        if (read.outcome == ReadProgress::Outcome::read)
            m_progress = std::move(read.progress);
        return verdictOf(read.outcome);
    })
{ }

void ProgressStore::save()
{
    if (readOnly(status()))
        return;
    m_file.save([snapshot = m_progress] { return writeProgress(snapshot); });
}

} // namespace drill
