#include "ui/collection/collectiondelegate.h"

#include "ui/collection/collectionmodel.h"
#include "ui/collection/collectiontexts.h"
#include "ui/common/texts.h"
#include "ui/pictures/patternpainter.h"

#include <QPainter>

namespace ui {

namespace {

constexpr int kCellsColumnWidth = 72;
const QColor kOutline(176, 176, 176);
const QColor kNeverStops(176, 0, 0);

} // namespace

CollectionDelegate::CollectionDelegate(const PatternPainter &painter, QObject *parent)
    : PatternDelegate(painter, parent)
    , m_painter(painter)
{ }

void CollectionDelegate::paint(
    QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    if (!ChartModel::isPattern(index)) {
        PatternDelegate::paint(painter, option, index);
        return;
    }
    const bool selected = option.state & QStyle::State_Selected;
    if (selected)
        painter->fillRect(option.rect, option.palette.brush(QPalette::Highlight));
    const auto pattern = index.data(CollectionModel::patternRole).value<judge::Pattern>();
    const auto state = index.data(CollectionModel::stateRole).value<CollectionModel::State>();
    const std::array<QRect, 3> columns { reelRect(option.rect, 0), reelRect(option.rect, 1),
        reelRect(option.rect, 2) };
    const bool collected = state == CollectionModel::State::collected;
    if (collected)
        m_painter.paintPattern(*painter, columns, pattern, kScale);
    painter->setPen(collected ? option.palette.color(QPalette::Mid) : kOutline);
    for (const QRect &column : columns)
        painter->drawRect(column.adjusted(0, 0, -1, -1));

    const QColor text = option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text);
    const int textLeft = reelRect(option.rect, 2).right() + 1 + 3 * kMargin;
    QRect area(textLeft, option.rect.top() + kMargin, kCellsColumnWidth,
        option.rect.height() - 2 * kMargin);
    painter->setFont(option.font);
    painter->setPen(collected || selected ? text : kOutline);
    painter->drawText(area, Qt::AlignLeft | Qt::AlignVCenter, cellsText(pattern));
    area.setLeft(area.right() + 1);
    area.setRight(option.rect.right() - kMargin);
    QString figures;
    if (state == CollectionModel::State::neverStops) {
        painter->setPen(selected ? text : kNeverStops);
        figures = QStringLiteral("止まらない");
    } else if (state == CollectionModel::State::notYet) {
        figures = QStringLiteral("まだ");
    } else {
        const auto seen
            = index.data(CollectionModel::figuresRole).value<records::CollectedPattern>();
        figures = QStringLiteral("%1 回\n初　　%2\n最後　%3")
                      .arg(seen.count)
                      .arg(sightingText(seen.first), sightingText(seen.last));
    }
    painter->drawText(area, Qt::AlignLeft | Qt::AlignVCenter, figures);
}

} // namespace ui
