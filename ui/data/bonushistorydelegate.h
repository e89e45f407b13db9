// Draws a bonus of the history: its line of figures, then each reach-me
// pattern it showed while carried, as the three reel windows showed it (the
// three rows of symbols, at half the size), with the game it stopped in.
// The patterns run across the list's width and on in more lines.
#pragma once

#include <QStyledItemDelegate>

class QAbstractItemView;

namespace ui {
class PatternPainter;
}

namespace ui::data {

class BonusHistoryDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    // The painter must outlive the delegate; `view` gives the width the
    // patterns run across.
    BonusHistoryDelegate(const PatternPainter &painter, QAbstractItemView *view);

    static constexpr qreal kScale = 0.5;
    // One pattern's place: three reel windows side by side, its game under them.
    static QSize patternSize();
    // How many patterns a line holds in a list `width` pixels wide; at least one.
    static int patternsPerLine(int width);

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
        const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;

private:
    int lineHeight(const QStyleOptionViewItem &option) const;

    const PatternPainter &m_painter;
    QAbstractItemView *m_view;
};

} // namespace ui::data
