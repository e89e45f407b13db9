// Paints the chart's rows: a group header as a bar of text, a pattern as the
// three reel windows show it (three rows of symbols), its cells and its
// result. The cell pictures are scaled once per device pixel ratio.
#pragma once

#include <QPixmap>
#include <QStyledItemDelegate>

#include <array>

namespace ui {

class CellPictures;

class PatternDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    // The pictures must outlive the delegate.
    explicit PatternDelegate(const CellPictures &cells, QObject *parent = nullptr);

    // One cell as the chart draws it, in device-independent pixels.
    static QSize cellSize();
    static constexpr int kReelGap = 4;
    static constexpr int kMargin = 4;

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
        const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;

    // Where reel 0..2's column of cells stands in a pattern row's rectangle.
    static QRect reelRect(const QRect &row, int reel);

private:
    const QPixmap &scaledCell(int reel, int cell, qreal ratio) const;
    void paintHeader(
        QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const;
    void paintPattern(
        QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const;

    const CellPictures &m_cells;
    mutable qreal m_ratio = 0;
    mutable std::array<std::array<QPixmap, 21>, 3> m_scaled;
};

} // namespace ui
