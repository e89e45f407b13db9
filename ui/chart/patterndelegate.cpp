#include "ui/chart/patterndelegate.h"

#include "ui/chart/chartmodel.h"
#include "ui/common/texts.h"
#include "ui/pictures/patternpainter.h"
#include "ui/pictures/reelgeometry.h"

#include <QPainter>

namespace ui {

namespace {

constexpr int kCellsColumnWidth = 72;
constexpr int kHeaderHeight = 26;

} // namespace

PatternDelegate::PatternDelegate(const PatternPainter &painter, QObject *parent)
    : QStyledItemDelegate(parent)
    , m_painter(painter)
{ }

QSize PatternDelegate::reelSize()
{
    return (QSizeF(toPixels(kOpeningWidth), 3 * judge::kCellPixels) * kScale).toSize();
}

QRect PatternDelegate::reelRect(const QRect &row, int reel)
{
    const QSize reelWindow = reelSize();
    return { QPoint(row.left() + kMargin + reel * (reelWindow.width() + kReelGap),
                 row.top() + kMargin),
        reelWindow };
}

QSize PatternDelegate::sizeHint(const QStyleOptionViewItem &, const QModelIndex &index) const
{
    if (!ChartModel::isPattern(index))
        return { 400, kHeaderHeight };
    const QSize reelWindow = reelSize();
    return { 3 * reelWindow.width() + 2 * kReelGap + 2 * kMargin + kCellsColumnWidth + 260,
        reelWindow.height() + 2 * kMargin };
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
    const auto pattern = index.data(ChartModel::patternRole).value<judge::Pattern>();
    const std::array<QRect, 3> columns { reelRect(option.rect, 0), reelRect(option.rect, 1),
        reelRect(option.rect, 2) };
    m_painter.paintPattern(*painter, columns, pattern, kScale);
    painter->setPen(option.palette.color(QPalette::Mid));
    for (const QRect &column : columns)
        painter->drawRect(column.adjusted(0, 0, -1, -1));

    const int textLeft = reelRect(option.rect, 2).right() + 1 + 3 * kMargin;
    QRect text(textLeft, option.rect.top() + kMargin, kCellsColumnWidth,
        option.rect.height() - 2 * kMargin);
    painter->setPen(option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
    painter->setFont(option.font);
    painter->drawText(text, Qt::AlignLeft | Qt::AlignVCenter, cellsText(pattern));
    text.setLeft(text.right() + 1);
    text.setRight(option.rect.right() - kMargin);
    const auto code = judge::codeFromNumber(index.data(ChartModel::codeRole).toInt());
    painter->drawText(text, Qt::AlignLeft | Qt::AlignVCenter, resultLines(code));
}

} // namespace ui
