#include "ui/chart/chartview.h"

#include "ui/chart/chartmodel.h"

#include <QKeyEvent>

namespace ui {

ChartView::ChartView(QWidget *parent)
    : QTreeView(parent)
{
    setHeaderHidden(true);
    setUniformRowHeights(false);
    setIndentation(14);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setAllColumnsShowFocus(true);
    setExpandsOnDoubleClick(true);
    connect(this, &QAbstractItemView::doubleClicked, this, &ChartView::choose);
}

void ChartView::keyPressEvent(QKeyEvent *event)
{
    const QModelIndex current = currentIndex();
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && current.isValid()) {
        // On a group header Enter opens or closes the group.
        if (ChartModel::isPattern(current))
            choose(current);
        else
            setExpanded(current, !isExpanded(current));
        event->accept();
        return;
    }
    QTreeView::keyPressEvent(event);
}

void ChartView::choose(const QModelIndex &index)
{
    if (index.isValid() && ChartModel::isPattern(index))
        emit patternChosen(index.data(ChartModel::patternRole).value<judge::Pattern>());
}

} // namespace ui
