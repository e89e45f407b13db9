#include "records/store/collectionstore.h"

#include "records/collectionformat.h"

#include <QStandardPaths>

namespace records {

safefile::FileKind CollectionStore::fileKind()
{
    // A full collection is 157 KB.
    return { kFileName, kLockName, QStringLiteral("reach-me-collection.damaged-"),
        QStringLiteral(".txt"),
        QByteArray(kCollectionHeader.data(), qsizetype(kCollectionHeader.size())),
        16 * 1024 * 1024 };
}

QString CollectionStore::defaultFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

CollectionStore::CollectionStore(const QString &folder)
    : m_file(fileKind(), folder, [this](std::string_view bytes) {
        ReadCollection read = readCollection(bytes);
        if (read.outcome == ReadCollection::Outcome::read)
            m_collection = std::move(read.collection);
        else
            m_reason = std::move(read.reason);
        return safefile::verdictOf(read.outcome);
    })
{ }

ReachMeCollection::Recorded CollectionStore::record(const GameRow &row, std::int64_t time)
{
    const ReachMeCollection::Recorded recorded = m_collection.record(row, time);
    if (recorded != ReachMeCollection::Recorded::notCollectable)
        save();
    return recorded;
}

void CollectionStore::save()
{
    if (safefile::readOnly(status()))
        return;
    m_file.save([snapshot = m_collection] { return writeCollection(snapshot); });
}

} // namespace records
