#include "ui/data/bonushistorydelegate.h"

#include "ui/data/bonushistorymodel.h"
#include "ui/pictures/patternpainter.h"
#include "ui/pictures/reelgeometry.h"

#include <QAbstractItemView>
#include <QPainter>

namespace ui::data {

namespace {

constexpr int kMargin = 4;
constexpr int kReelGap = 2;
constexpr int kPatternGap = 10;

QSize reelSize()
{
    return (QSizeF(toPixels(kOpeningWidth), 3 * judge::kCellPixels) * BonusHistoryDelegate::kScale)
        .toSize();
}

// The colours a hall's counter gives the two bonuses.
QColor bonusColour(const QString &kind)
{
    return kind == QStringLiteral("BIG") ? QColor(0xc0, 0x10, 0x20) : QColor(0x10, 0x40, 0xc0);
}

} // namespace

BonusHistoryDelegate::BonusHistoryDelegate(const PatternPainter &painter, QAbstractItemView *view)
    : QStyledItemDelegate(view)
    , m_painter(painter)
    , m_view(view)
{ }

QSize BonusHistoryDelegate::patternSize()
{
    const QSize reel = reelSize();
    return { 3 * reel.width() + 2 * kReelGap, reel.height() + 18 };
}

int BonusHistoryDelegate::patternsPerLine(int width)
{
    return std::max(1, (width - 2 * kMargin + kPatternGap) / (patternSize().width() + kPatternGap));
}

int BonusHistoryDelegate::lineHeight(const QStyleOptionViewItem &option) const
{
    return option.fontMetrics.height() + 2 * kMargin;
}

QSize BonusHistoryDelegate::sizeHint(
    const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    const int width = m_view->viewport()->width();
    const int patterns = index.data(BonusHistoryModel::reachMeRole).toInt();
    const int lines = (patterns + patternsPerLine(width) - 1) / patternsPerLine(width);
    return { std::max(width - 2, option.fontMetrics.horizontalAdvance(index.data().toString())),
        lineHeight(option) + lines * (patternSize().height() + kMargin) };
}

void BonusHistoryDelegate::paint(
    QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    const bool selected = option.state & QStyle::State_Selected;
    painter->save();
    painter->fillRect(option.rect,
        option.palette.brush(selected ? QPalette::Highlight
                : index.row() % 2     ? QPalette::AlternateBase
                                      : QPalette::Base));
    const QRect line(option.rect.left() + kMargin, option.rect.top(),
        option.rect.width() - 2 * kMargin, lineHeight(option));
    const QString kind = index.data(BonusHistoryModel::kindRole).toString();
    // The kind stands out in its colour, as on the machine's counter.
    QFont bold = option.font;
    bold.setBold(true);
    painter->setFont(bold);
    painter->setPen(selected ? option.palette.color(QPalette::HighlightedText) : bonusColour(kind));
    painter->drawText(line, Qt::AlignLeft | Qt::AlignVCenter, kind);
    const int kindWidth = QFontMetrics(bold).horizontalAdvance(kind);
    painter->setFont(option.font);
    painter->setPen(option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
    painter->drawText(line.adjusted(kindWidth, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
        index.data().toString().mid(kind.size()));

    const auto *model = static_cast<const BonusHistoryModel *>(index.model());
    const records::BonusRecord &bonus = model->bonus(index);
    const int perLine = patternsPerLine(m_view->viewport()->width());
    const QSize place = patternSize();
    const QSize reel = reelSize();
    for (std::size_t i = 0; i < bonus.reachMe.size(); ++i) {
        const int column = int(i) % perLine, row = int(i) / perLine;
        const QPoint topLeft(option.rect.left() + kMargin + column * (place.width() + kPatternGap),
            line.bottom() + 1 + row * (place.height() + kMargin));
        std::array<QRect, 3> windows;
        for (int r = 0; r < 3; ++r)
            windows[std::size_t(r)]
                = QRect(topLeft + QPoint(r * (reel.width() + kReelGap), 0), reel);
        m_painter.paintPattern(*painter, windows, bonus.reachMe[i].pattern, kScale);
        painter->setPen(option.palette.color(QPalette::Mid));
        for (const QRect &window : windows)
            painter->drawRect(window.adjusted(0, 0, -1, -1));
        painter->setPen(
            option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
        painter->drawText(QRect(topLeft.x(), topLeft.y() + reel.height(), place.width(),
                              place.height() - reel.height()),
            Qt::AlignCenter,
            QStringLiteral("%1 G目 %2")
                .arg(bonus.reachMe[i].game)
                .arg(QString::fromStdString(judge::name(bonus.reachMe[i].code))));
    }
    painter->restore();
}

} // namespace ui::data
