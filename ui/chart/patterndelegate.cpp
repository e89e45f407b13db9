#include "ui/chart/patterndelegate.h"

#include "ui/cellpictures.h"
#include "ui/chart/chartmodel.h"

#include "judge/strips.h"

#include <QApplication>
#include <QPainter>

#include <cmath>

namespace ui {

namespace {

constexpr int kCellsColumnWidth = 72;
constexpr int kHeaderHeight = 26;

} // namespace

PatternDelegate::PatternDelegate(const CellPictures &cells, QObject *parent)
    : QStyledItemDelegate(parent)
    , m_cells(cells)
{ }

// Half the reel window's size: the symbols stay clear and a screen holds
// several patterns.
QSize PatternDelegate::cellSize()
{
    const QSize full = CellPictures::cellSize();
    return { (full.width() + 1) / 2, (full.height() + 1) / 2 };
}

QRect PatternDelegate::reelRect(const QRect &row, int reel)
{
    const QSize cell = cellSize();
    return { row.left() + kMargin + reel * (cell.width() + kReelGap), row.top() + kMargin,
        cell.width(), 3 * cell.height() };
}

QSize PatternDelegate::sizeHint(const QStyleOptionViewItem &, const QModelIndex &index) const
{
    if (!ChartModel::isPattern(index))
        return { 400, kHeaderHeight };
    const QSize cell = cellSize();
    return { 3 * cell.width() + 2 * kReelGap + 2 * kMargin + kCellsColumnWidth + 260,
        3 * cell.height() + 2 * kMargin };
}

const QPixmap &PatternDelegate::scaledCell(int reel, int cell, qreal ratio) const
{
    if (ratio != m_ratio) {
        const QSize size = cellSize() * ratio;
        for (int r = 0; r < 3; ++r)
            for (int n = 1; n <= 21; ++n) {
                QPixmap scaled = m_cells.cell(r, n).scaled(
                    size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
                scaled.setDevicePixelRatio(ratio);
                m_scaled[std::size_t(r)][std::size_t(n - 1)] = scaled;
            }
        m_ratio = ratio;
    }
    return m_scaled[std::size_t(reel)][std::size_t(cell - 1)];
}

void PatternDelegate::paint(
    QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    if (ChartModel::isPattern(index))
        paintPattern(painter, option, index);
    else
        paintHeader(painter, option, index);
}

void PatternDelegate::paintHeader(
    QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    const bool selected = option.state & QStyle::State_Selected;
    painter->fillRect(option.rect,
        option.palette.brush(selected ? QPalette::Highlight : QPalette::AlternateBase));
    painter->setPen(option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
    QFont bold = option.font;
    bold.setBold(true);
    painter->setFont(bold);
    painter->drawText(option.rect.adjusted(kMargin, 0, -kMargin, 0),
        Qt::AlignVCenter | Qt::AlignLeft, index.data().toString());
}

void PatternDelegate::paintPattern(
    QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    const bool selected = option.state & QStyle::State_Selected;
    if (selected)
        painter->fillRect(option.rect, option.palette.brush(QPalette::Highlight));
    const auto pattern = index.data(ChartModel::PatternRole).value<judge::Pattern>();
    const int top[3] = { pattern.left, pattern.centre, pattern.right };
    const qreal ratio = painter->device()->devicePixelRatioF();
    const int cellHeight = cellSize().height();
    painter->setPen(option.palette.color(QPalette::Mid));
    for (int reel = 0; reel < 3; ++reel) {
        const QRect column = reelRect(option.rect, reel);
        for (int row = 0; row < 3; ++row)
            painter->drawPixmap(column.left(), column.top() + row * cellHeight,
                scaledCell(reel, judge::cellBelow(top[reel], row), ratio));
        painter->drawRect(column.adjusted(0, 0, -1, -1));
    }

    const int textLeft = reelRect(option.rect, 2).right() + 1 + 3 * kMargin;
    QRect text(textLeft, option.rect.top() + kMargin, kCellsColumnWidth,
        option.rect.height() - 2 * kMargin);
    painter->setPen(option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
    painter->setFont(option.font);
    painter->drawText(text, Qt::AlignLeft | Qt::AlignVCenter, ChartModel::cellsText(pattern));
    text.setLeft(text.right() + 1);
    text.setRight(option.rect.right() - kMargin);
    const auto code = judge::codeFromNumber(index.data(ChartModel::CodeRole).toInt());
    QString message = QString::fromUtf8(
        judge::message(code).yakumei.data(), qsizetype(judge::message(code).yakumei.size()));
    message.replace("\r\n", "\n");
    painter->drawText(text, Qt::AlignLeft | Qt::AlignVCenter, message);
}

} // namespace ui
