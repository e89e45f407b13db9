#include "ui/drill/patternview.h"

#include "reel/reelmodel.h"
#include "ui/common/looks.h"
#include "ui/common/texts.h"
#include "ui/pictures/reelgeometry.h"

#include <QPainter>
#include <QStyleOptionButton>

namespace ui {

namespace {

// The frame bars are as wide as the gap the first one leaves left of the
// first reel window.
constexpr int kBarWidth = kOpeningLefts[0] - kFramingLineLeft;
constexpr int kAreaRight = kOpeningLefts[2] + kOpeningWidth + kBarWidth;

// The position a stopped reel stands at with `cell` in its top row: a
// spinning reel shows cell 1 at position 21, never at 0.
std::int16_t positionShowing(int cell) { return std::int16_t(reel::kLastPosition + 1 - cell); }

} // namespace

PatternView::PatternView(const StripPictures &pictures, QWidget *parent)
    : QWidget(parent)
    , m_painter(pictures)
{
    setFixedSize(sizeHint());
    setAccessibleName(QStringLiteral("出目"));
    setPattern(m_pattern);
}

QRect PatternView::areaInMainWindow()
{
    return toPixels(
        Twips { kFramingLineLeft, kOpeningTop, kAreaRight - kFramingLineLeft, kOpeningHeight });
}

QRect PatternView::opening(int reel)
{
    const Twips twips { kOpeningLefts.at(std::size_t(reel)), kOpeningTop, kOpeningWidth,
        kOpeningHeight };
    return toPixels(twips).translated(-areaInMainWindow().topLeft());
}

QSize PatternView::sizeHint() const { return areaInMainWindow().size(); }

void PatternView::setPattern(judge::Pattern pattern)
{
    m_pattern = pattern;
    setAccessibleDescription(describePattern(pattern));
    update();
}

void PatternView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), systemColour(SystemColour::buttonFace));
    const QPoint origin = areaInMainWindow().topLeft();
    const int cells[3] = { m_pattern.left, m_pattern.centre, m_pattern.right };
    for (int reel = 0; reel < 3; ++reel) {
        const QRect window = opening(reel);
        // The strip's row at the reel window's top edge, where the main
        // window puts the strip's top for this cell.
        const int top = toPixels(reel::pictureOffset(positionShowing(cells[reel])));
        m_painter.paintReel(painter, window, reel, toPixels(kOpeningTop) - top);
        const QColor framing = systemColour(SystemColour::toolTipText);
        for (int lineTop : kFramingLineTops) {
            const QPoint from(toPixels(kFramingLineLeft), toPixels(lineTop));
            const QPoint to(toPixels(kFramingLineRight), toPixels(lineTop));
            painter.fillRect(QRect(from - origin, to - origin).intersected(window), framing);
        }
    }
    drawFrameBars(painter);
}

// The bars are disabled buttons taller than the reel windows by a pixel at
// either end, where the buttons above and below cover them.
void PatternView::drawFrameBars(QPainter &painter) const
{
    QStyleOptionButton bar;
    bar.initFrom(this);
    bar.state &= ~(QStyle::State_Enabled | QStyle::State_HasFocus | QStyle::State_MouseOver);
    bar.state |= QStyle::State_Raised;
    const int width = toPixels(kBarWidth);
    for (int i = 0; i < 4; ++i) {
        const int left = i == 0 ? 0 : opening(i - 1).right() + 1;
        bar.rect = QRect(left, -1, width, height() + 2);
        style()->drawControl(QStyle::CE_PushButton, &bar, &painter, this);
    }
}

} // namespace ui
