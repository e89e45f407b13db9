#include "ui/collection/collectionkeeper.h"

#include "ui/collection/collectiontexts.h"

#include "ui/common/settings.h"

#include <QDateTime>

namespace ui {

std::int64_t CollectionKeeper::systemTime() { return QDateTime::currentSecsSinceEpoch(); }

const judge::PatternSet &CollectionKeeper::collectable()
{
    static const judge::PatternSet all = [] {
        judge::PatternSet set;
        for (const int index : records::collectablePatterns())
            set.set(std::size_t(index));
        return set;
    }();
    return all;
}

CollectionKeeper::CollectionKeeper(const QString &dataFolder, Clock clock, QObject *parent)
    : QObject(parent)
    , m_clock(std::move(clock))
    , m_store(dataFolder)
{
    for (const int index : records::collectablePatterns())
        if (collection().at(judge::patternAt(index)).count > 0)
            m_collected.set(std::size_t(index));
    readControlOption();
    m_message = collectionMessage(m_store);
    // Emitted on the store's worker: the message is worked out here.
    connect(&m_store.file(), &safefile::Store::saved, this, &CollectionKeeper::updateMessage,
        Qt::QueuedConnection);
}

CollectionKeeper::~CollectionKeeper() = default;

std::vector<records::ResultFigures> CollectionKeeper::figures() const
{
    return records::resultFigures(collection(), m_option);
}

void CollectionKeeper::setControlOption(machine::ControlOption option)
{
    if (option == m_option)
        return;
    m_option = option;
    emit optionChanged();
    emit changed();
}

void CollectionKeeper::readControlOption()
{
    setControlOption(settings::kPlayReachMeFirst.readOther() ? machine::ControlOption::reachMeFirst
                                                             : machine::ControlOption::standard);
}

records::ReachMeCollection::Recorded CollectionKeeper::record(
    const records::GameRow &row, std::int64_t time)
{
    const auto recorded = m_store.record(row, time);
    if (recorded == records::ReachMeCollection::Recorded::notCollectable)
        return recorded;
    const int pattern = judge::patternIndex(records::stopPattern(row));
    m_collected.set(std::size_t(pattern));
    emit patternCollected(pattern);
    emit changed();
    return recorded;
}

void CollectionKeeper::recordGame(const machine::GameResult &game)
{
    record(records::rowOf(game), m_clock());
}

void CollectionKeeper::updateMessage()
{
    const QString message = collectionMessage(m_store);
    if (message == m_message)
        return;
    m_message = message;
    emit messageChanged(m_message);
}

} // namespace ui
