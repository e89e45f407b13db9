#include "ui/chart/chartmodel.h"

#include "judge/table.h"
#include "ui/common/texts.h"

#include <algorithm>

namespace ui {

namespace {

// A group's internal id is 0; a pattern's is its group's row + 1.
quintptr patternId(int groupRow) { return quintptr(groupRow) + 1; }

QString symbolRows(const judge::Pattern &pattern)
{
    static const char *const kRowNames[] = { "上段", "中段", "下段" };
    const judge::Grid grid = judge::gridFor(pattern.left, pattern.centre, pattern.right);
    QStringList lines;
    for (std::size_t row = 0; row < 3; ++row) {
        QStringList words;
        for (judge::Symbol symbol : grid[row])
            words << fromUtf8(judge::symbolWord(symbol));
        lines << QString::fromUtf8(kRowNames[row]) + QStringLiteral("　")
                + words.join(QStringLiteral("　"));
    }
    return lines.join(u'\n');
}

} // namespace

ChartModel::ChartModel(QObject *parent)
    : QAbstractItemModel(parent)
{
    setFilter({});
}

void ChartModel::setFilter(const judge::PatternFilter &filter)
{
    beginResetModel();
    m_filter = filter;
    m_groups = judge::selectPatterns(filter);
    std::erase_if(m_groups, [](const judge::ResultGroup &group) { return group.patterns.empty(); });
    m_shown = 0;
    for (const judge::ResultGroup &group : m_groups)
        m_shown += int(group.patterns.size());
    endResetModel();
}

QString ChartModel::headerText(const judge::ResultGroup &group)
{
    return QStringLiteral("%1　%2　［%3］　%4")
        .arg(QString::fromStdString(judge::name(group.code)), resultLine(group.code),
            fromUtf8(judge::categoryName(judge::categoryOf(group.code))), groupCounts(group));
}

QModelIndex ChartModel::index(int row, int column, const QModelIndex &parent) const
{
    if (column != 0 || row < 0)
        return {};
    if (!parent.isValid())
        return row < int(m_groups.size()) ? createIndex(row, 0, quintptr(0)) : QModelIndex();
    if (isPattern(parent) || parent.row() >= int(m_groups.size()))
        return {};
    const auto &patterns = m_groups[std::size_t(parent.row())].patterns;
    return row < int(patterns.size()) ? createIndex(row, 0, patternId(parent.row()))
                                      : QModelIndex();
}

QModelIndex ChartModel::parent(const QModelIndex &child) const
{
    if (!child.isValid() || !isPattern(child))
        return {};
    return createIndex(int(child.internalId() - 1), 0, quintptr(0));
}

int ChartModel::rowCount(const QModelIndex &parent) const
{
    if (!parent.isValid())
        return int(m_groups.size());
    if (isPattern(parent) || parent.column() != 0)
        return 0;
    return int(m_groups[std::size_t(parent.row())].patterns.size());
}

int ChartModel::columnCount(const QModelIndex &) const { return 1; }

QVariant ChartModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    if (!isPattern(index)) {
        const judge::ResultGroup &group = m_groups[std::size_t(index.row())];
        switch (role) {
        case Qt::DisplayRole: return headerText(group);
        case codeRole: return judge::number(group.code);
        default: return {};
        }
    }
    const judge::ResultGroup &group = m_groups[index.internalId() - 1];
    const judge::Pattern &pattern = group.patterns[std::size_t(index.row())];
    switch (role) {
    case Qt::DisplayRole: return cellsText(pattern) + QStringLiteral("　") + resultLine(group.code);
    case Qt::ToolTipRole: return symbolRows(pattern);
    case patternRole: return QVariant::fromValue(pattern);
    case codeRole: return judge::number(group.code);
    default: return {};
    }
}

} // namespace ui
