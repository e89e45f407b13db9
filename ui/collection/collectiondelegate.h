// Paints the collection's rows as the chart paints its own: a group header as
// a bar of text, a collected pattern as the three reel windows show it with
// its cells, how often it stopped and when first and last. A pattern not yet
// collected is the three windows' grey outlines, one that can never stop is
// marked "止まらない".
#pragma once

#include "ui/chart/patterndelegate.h"

namespace ui {

class CollectionDelegate : public PatternDelegate {
    Q_OBJECT
public:
    // The painter must outlive the delegate.
    explicit CollectionDelegate(const PatternPainter &painter, QObject *parent = nullptr);

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
        const QModelIndex &index) const override;

private:
    const PatternPainter &m_painter;
};

} // namespace ui
