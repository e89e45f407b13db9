// The chart's rows: one group per result with patterns shown, J01 … J38, and
// under each group its patterns, as the filter leaves them.
#pragma once

#include "judge/patternfilter.h"

#include <QAbstractItemModel>

#include <vector>

Q_DECLARE_METATYPE(judge::Pattern)

namespace ui {

class ChartModel : public QAbstractItemModel {
    Q_OBJECT
public:
    enum Role {
        patternRole = Qt::UserRole + 1, // judge::Pattern, pattern rows only
        codeRole, // the result's number 1..38
    };

    // Starts with every pattern shown.
    explicit ChartModel(QObject *parent = nullptr);

    void setFilter(const judge::PatternFilter &filter);
    const judge::PatternFilter &filter() const { return m_filter; }

    // The groups with at least one pattern shown, in order.
    const std::vector<judge::ResultGroup> &groups() const { return m_groups; }
    int shownCount() const { return m_shown; }

    static bool isPattern(const QModelIndex &index) { return index.internalId() != 0; }

    // The header of a group: result, category, counts and share.
    static QString headerText(const judge::ResultGroup &group);

    QModelIndex index(int row, int column, const QModelIndex &parent = {}) const override;
    QModelIndex parent(const QModelIndex &child) const override;
    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

private:
    judge::PatternFilter m_filter;
    std::vector<judge::ResultGroup> m_groups;
    int m_shown = 0;
};

} // namespace ui
