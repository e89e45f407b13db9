// The chart's list: a tree of result groups and their patterns. Enter on a
// pattern or a double-click asks for it; a single click only selects, on
// every desktop. Enter on a group opens or closes it.
#pragma once

#include "judge/patternfilter.h"

#include <QTreeView>

namespace ui {

class ChartView : public QTreeView {
    Q_OBJECT
public:
    explicit ChartView(QWidget *parent = nullptr);

signals:
    void patternChosen(judge::Pattern pattern);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void choose(const QModelIndex &index);
};

} // namespace ui
