#include "ui/data/bonushistorymodel.h"

#include "ui/common/texts.h"
#include "ui/data/datatexts.h"

namespace ui::data {

BonusHistoryModel::BonusHistoryModel(QObject *parent)
    : QAbstractListModel(parent)
{ }

void BonusHistoryModel::setBonuses(const std::vector<records::BonusRecord> *bonuses)
{
    beginResetModel();
    m_bonuses = bonuses;
    m_shown = bonuses ? int(bonuses->size()) : 0;
    endResetModel();
}

void BonusHistoryModel::bonusesAdded()
{
    const int now = m_bonuses ? int(m_bonuses->size()) : 0;
    if (now <= m_shown)
        return;
    beginInsertRows({}, 0, now - m_shown - 1);
    m_shown = now;
    endInsertRows();
}

const records::BonusRecord &BonusHistoryModel::bonus(const QModelIndex &index) const
{
    return (*m_bonuses)[std::size_t(m_shown - 1 - index.row())];
}

int BonusHistoryModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_shown;
}

QVariant BonusHistoryModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const records::BonusRecord &b = bonus(index);
    switch (role) {
    case Qt::DisplayRole: return bonusLine(b);
    case Qt::AccessibleTextRole: {
        QStringList parts { bonusLine(b) };
        for (const records::ReachMeShown &shown : b.reachMe)
            parts << QStringLiteral("%1 G目 %2 %3")
                         .arg(shown.game)
                         .arg(resultLine(shown.code), describePattern(shown.pattern));
        return parts.join(QStringLiteral("。"));
    }
    case kindRole: return bonusWord(b.kind);
    case gameRole: return qlonglong(b.game);
    case gameCountRole: return qlonglong(b.gameCount);
    case carriedRole: return b.carriedGames ? QVariant(qlonglong(*b.carriedGames)) : QVariant();
    case reachMeRole: return int(b.reachMe.size());
    default: return {};
    }
}

} // namespace ui::data
