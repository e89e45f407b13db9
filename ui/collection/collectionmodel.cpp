#include "ui/collection/collectionmodel.h"

#include "ui/collection/collectionkeeper.h"
#include "ui/collection/collectiontexts.h"
#include "ui/common/texts.h"

#include "judge/table.h"
#include "machine/control.h"

#include <algorithm>
#include <array>

namespace ui {

namespace {

constexpr int kFirstCode = 3; // J03
constexpr int kGroups = 11; // J03 … J13

// The collectable patterns of each result, by patternIndex ascending.
const std::array<std::vector<int>, kGroups> &patternsByResult()
{
    static const auto all = [] {
        std::array<std::vector<int>, kGroups> groups;
        for (const int index : records::collectablePatterns()) {
            const judge::Pattern p = judge::patternAt(index);
            groups[std::size_t(judge::number(judge::judge(p.left, p.centre, p.right)) - kFirstCode)]
                .push_back(index);
        }
        return groups;
    }();
    return all;
}

quintptr patternId(int groupRow) { return quintptr(groupRow) + 1; }

} // namespace

CollectionModel::CollectionModel(const CollectionKeeper &keeper, QObject *parent)
    : QAbstractItemModel(parent)
    , m_keeper(keeper)
    , m_figures(keeper.figures())
    , m_shown(patternsByResult().begin(), patternsByResult().end())
{
    connect(&keeper, &CollectionKeeper::patternCollected, this, &CollectionModel::refreshPattern);
    connect(&keeper, &CollectionKeeper::optionChanged, this, &CollectionModel::refresh);
}

void CollectionModel::setShowUncollected(bool show)
{
    if (show == m_showUncollected)
        return;
    m_showUncollected = show;
    for (int row = 0; row < kGroups; ++row)
        syncGroup(row);
}

const std::vector<int> &CollectionModel::shownPatterns(int row) const
{
    return m_shown.at(std::size_t(row));
}

bool CollectionModel::isShown(int pattern) const
{
    return m_showUncollected || m_keeper.collected().test(std::size_t(pattern));
}

CollectionModel::State CollectionModel::stateOf(int pattern) const
{
    if (m_keeper.collected().test(std::size_t(pattern)))
        return State::collected;
    return machine::stoppablePatterns(m_keeper.controlOption()).test(std::size_t(pattern))
        ? State::notYet
        : State::neverStops;
}

void CollectionModel::refresh()
{
    m_figures = m_keeper.figures();
    for (int row = 0; row < kGroups; ++row) {
        syncGroup(row);
        // Counts, times and marks may all have changed.
        const QModelIndex group = index(row, 0);
        emit dataChanged(group, group);
        if (const int n = rowCount(group); n > 0)
            emit dataChanged(index(0, 0, group), index(n - 1, 0, group));
    }
}

// Only the pattern's row and its header: a game costs the same however long
// the list.
void CollectionModel::refreshPattern(int pattern)
{
    m_figures = m_keeper.figures();
    const judge::Pattern p = judge::patternAt(pattern);
    const int row = judge::number(judge::judge(p.left, p.centre, p.right)) - kFirstCode;
    syncGroup(row);
    const QModelIndex group = index(row, 0);
    emit dataChanged(group, group);
    const std::vector<int> &shown = m_shown[std::size_t(row)];
    const auto at = std::lower_bound(shown.begin(), shown.end(), pattern);
    if (at != shown.end() && *at == pattern) {
        const QModelIndex changed = index(int(at - shown.begin()), 0, group);
        emit dataChanged(changed, changed);
    }
}

// Rows go and come in runs, the shown patterns always a part of the result's
// in their order.
void CollectionModel::syncGroup(int row)
{
    std::vector<int> &shown = m_shown[std::size_t(row)];
    const std::vector<int> &all = patternsByResult()[std::size_t(row)];
    const QModelIndex group = index(row, 0);
    for (int last = int(shown.size()) - 1; last >= 0; --last) {
        if (isShown(shown[std::size_t(last)]))
            continue;
        int first = last;
        while (first > 0 && !isShown(shown[std::size_t(first - 1)]))
            --first;
        beginRemoveRows(group, first, last);
        shown.erase(shown.begin() + first, shown.begin() + last + 1);
        endRemoveRows();
        last = first;
    }
    std::size_t at = 0;
    for (std::size_t a = 0; a < all.size();) {
        if (at < shown.size() && shown[at] == all[a]) {
            ++at;
            ++a;
            continue;
        }
        if (!isShown(all[a])) {
            ++a;
            continue;
        }
        std::size_t end = a;
        while (
            end < all.size() && isShown(all[end]) && !(at < shown.size() && shown[at] == all[end]))
            ++end;
        beginInsertRows(group, int(at), int(at + (end - a)) - 1);
        shown.insert(shown.begin() + std::ptrdiff_t(at), all.begin() + std::ptrdiff_t(a),
            all.begin() + std::ptrdiff_t(end));
        endInsertRows();
        at += end - a;
        a = end;
    }
}

QModelIndex CollectionModel::index(int row, int column, const QModelIndex &parent) const
{
    if (column != 0 || row < 0)
        return {};
    if (!parent.isValid())
        return row < kGroups ? createIndex(row, 0, quintptr(0)) : QModelIndex();
    if (ChartModel::isPattern(parent) || parent.row() >= kGroups)
        return {};
    return row < int(m_shown[std::size_t(parent.row())].size())
        ? createIndex(row, 0, patternId(parent.row()))
        : QModelIndex();
}

QModelIndex CollectionModel::parent(const QModelIndex &child) const
{
    if (!child.isValid() || !ChartModel::isPattern(child))
        return {};
    return createIndex(int(child.internalId() - 1), 0, quintptr(0));
}

int CollectionModel::rowCount(const QModelIndex &parent) const
{
    if (!parent.isValid())
        return kGroups;
    if (ChartModel::isPattern(parent) || parent.column() != 0)
        return 0;
    return int(m_shown[std::size_t(parent.row())].size());
}

int CollectionModel::columnCount(const QModelIndex &) const { return 1; }

QVariant CollectionModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    if (!ChartModel::isPattern(index)) {
        const records::ResultFigures &figures = m_figures[std::size_t(index.row())];
        switch (role) {
        case Qt::DisplayRole: return QString::fromStdString(records::figuresText(figures));
        case codeRole: return judge::number(figures.code);
        default: return {};
        }
    }
    const int group = int(index.internalId() - 1);
    const int pattern = m_shown[std::size_t(group)][std::size_t(index.row())];
    const judge::Pattern p = judge::patternAt(pattern);
    switch (role) {
    case Qt::DisplayRole: {
        const State state = stateOf(pattern);
        QString text = cellsText(p) + QStringLiteral("　");
        if (state == State::neverStops)
            return text + QStringLiteral("止まらない");
        if (state == State::notYet)
            return text + QStringLiteral("まだ");
        const records::CollectedPattern &seen = m_keeper.collection().at(p);
        return text
            + QStringLiteral("%1 回　初 %2　最後 %3")
                  .arg(seen.count)
                  .arg(sightingText(seen.first), sightingText(seen.last));
    }
    case patternRole: return QVariant::fromValue(p);
    case codeRole: return kFirstCode + group;
    case stateRole: return QVariant::fromValue(stateOf(pattern));
    case figuresRole: return QVariant::fromValue(m_keeper.collection().at(p));
    default: return {};
    }
}

} // namespace ui
