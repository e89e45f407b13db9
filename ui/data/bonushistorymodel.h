// The bonus history as a list, the newest bonus first, as a hall's counter
// shows it: one row a bonus, over the data counter's own records.
#pragma once

#include "records/datacounter.h"

#include <QAbstractListModel>

#include <vector>

namespace ui::data {

class BonusHistoryModel : public QAbstractListModel {
    Q_OBJECT
public:
    enum Role {
        kindRole = Qt::UserRole, // "BIG" or "REG"
        gameRole, // the game that lined it up
        gameCountRole, // ゲーム数 then
        carriedRole, // games carried; invalid when unknown
        reachMeRole, // how many reach-me patterns it showed
    };

    explicit BonusHistoryModel(QObject *parent = nullptr);

    // The records shown, which must outlive the model or the next call; they
    // are read as they are now.
    void setBonuses(const std::vector<records::BonusRecord> *bonuses);
    // After the records gained bonuses at their end: shows them at the top.
    void bonusesAdded();

    const records::BonusRecord &bonus(const QModelIndex &index) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

private:
    const std::vector<records::BonusRecord> *m_bonuses = nullptr;
    int m_shown = 0; // the records known to the views, the first ones
};

} // namespace ui::data
