// The collection's rows: a group for each result J03 … J13, its header the
// figures ("J03 リーチ目 BIG 123 / 827"), and under it the result's patterns,
// all of them or only those collected. It follows the keeper as patterns are
// collected and the option changes, row by row, so the view keeps its place.
//
// Its indexes and first roles are the chart's (a group's internal id 0, a
// pattern's its group's row + 1), so the chart's view, its delegate's
// headers and its way to the reels serve it too.
#pragma once

#include "ui/chart/chartmodel.h"

#include "records/collection.h"

#include <QAbstractItemModel>

#include <vector>

namespace ui {

class CollectionKeeper;

class CollectionModel : public QAbstractItemModel {
    Q_OBJECT
public:
    enum Role {
        patternRole = ChartModel::patternRole, // judge::Pattern, pattern rows only
        codeRole = ChartModel::codeRole, // the result's number 3..13
        stateRole = ChartModel::codeRole + 1, // State, pattern rows only
        figuresRole, // records::CollectedPattern, pattern rows only
    };
    enum class State { collected, notYet, neverStops };
    Q_ENUM(State)

    // Shows every pattern at first; follows the keeper's changes.
    explicit CollectionModel(const CollectionKeeper &keeper, QObject *parent = nullptr);

    // Off: only the patterns collected.
    void setShowUncollected(bool show);
    bool showsUncollected() const { return m_showUncollected; }

    const std::vector<records::ResultFigures> &figures() const { return m_figures; }
    // Patterns shown under group `row`, by judge::patternIndex.
    const std::vector<int> &shownPatterns(int row) const;

    QModelIndex index(int row, int column, const QModelIndex &parent = {}) const override;
    QModelIndex parent(const QModelIndex &child) const override;
    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

private:
    void refresh();
    void refreshPattern(int pattern);
    void syncGroup(int row);
    bool isShown(int pattern) const;
    State stateOf(int pattern) const;

    const CollectionKeeper &m_keeper;
    bool m_showUncollected = true;
    std::vector<records::ResultFigures> m_figures;
    std::vector<std::vector<int>> m_shown; // by group
};

} // namespace ui

Q_DECLARE_METATYPE(records::CollectedPattern)
