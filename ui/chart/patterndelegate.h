// Paints the chart's rows: a group header as a bar of text, a pattern as the
// three reel windows show it (three rows of symbols) at half the size, its
// cells and its result.
#pragma once

#include <QStyledItemDelegate>

namespace ui {

class PatternPainter;

class PatternDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    // The painter must outlive the delegate.
    explicit PatternDelegate(const PatternPainter &painter, QObject *parent = nullptr);

    // Half the reel window's size: the symbols stay clear and a screen holds
    // several patterns.
    static constexpr qreal kScale = 0.5;
    // One reel's three rows as the chart draws them, in device-independent
    // pixels.
    static QSize reelSize();
    static constexpr int kReelGap = 4;
    static constexpr int kMargin = 4;

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
        const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;

    // Where reel 0..2's column of cells stands in a pattern row's rectangle.
    static QRect reelRect(const QRect &row, int reel);

private:
    void paintHeader(
        QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const;
    void paintPattern(
        QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const;

    const PatternPainter &m_painter;
};

} // namespace ui
