#include "drill/store/progressstore.h"

#include "drill/progressformat.h"

namespace drill {

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
        return safefile::verdictOf(read.outcome);
    })
{ }

void ProgressStore::save()
{
    if (readOnly(status()))
        return;
    m_file.save([snapshot = m_progress] { return writeProgress(snapshot); });
}

} // namespace drill
