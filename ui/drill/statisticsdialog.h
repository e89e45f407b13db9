// The player's figures per category: patterns seen, mastered, the accuracy of
// the last answers in each, and this sitting's answers; and the way to wipe
// all progress.
#pragma once

#include "drill/scheduler.h"
#include "drill/statistics.h"

#include <QDialog>

class QStandardItemModel;
class QTableView;

namespace ui {

class StatisticsDialog : public QDialog {
    Q_OBJECT
public:
    explicit StatisticsDialog(QWidget *parent = nullptr);

    void setFigures(const drill::Figures &figures, const drill::SittingFigures &sitting);

    // The text of one cell, by row (category 1..9, then the total) and column.
    QString cellText(int row, int column) const;

signals:
    // The player asked to wipe all progress; the window confirms it.
    void resetRequested();

private:
    // The whole table in view, without scrolling.
    void fitTable();

    QStandardItemModel *m_model;
    QTableView *m_table = nullptr;
};

} // namespace ui
