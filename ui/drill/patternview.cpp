#include "ui/drill/patternview.h"

#include "judge/strips.h"
#include "reel/reelmodel.h"
#include "ui/formbuilder.h"
#include "ui/looks.h"
#include "ui/reelgeometry.h"

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

QString fromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

} // namespace

PatternView::PatternView(const StripPictures &pictures, QWidget *parent)
    : QWidget(parent)
{
    for (std::size_t reel = 0; reel < 3; ++reel)
        m_strips[reel] = QPixmap::fromImage(pictures.images[reel]);
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
    painter.fillRect(rect(), systemColour(SystemColour::ButtonFace));
    const QPoint origin = areaInMainWindow().topLeft();
    const int cells[3] = { m_pattern.left, m_pattern.centre, m_pattern.right };
    for (int reel = 0; reel < 3; ++reel) {
        const QRect window = opening(reel);
        painter.setClipRect(window);
        // Where the main window puts the strip's top left corner.
        const int top = toPixels(reel::pictureOffset(positionShowing(cells[reel])));
        const QPoint corner(toPixels(kPictureLefts[std::size_t(reel)]), top);
        painter.drawPixmap(corner - origin, m_strips[std::size_t(reel)]);
        const QColor framing = systemColour(SystemColour::ToolTipText);
        for (int lineTop : kFramingLineTops) {
            const QPoint from(toPixels(kFramingLineLeft), toPixels(lineTop));
            const QPoint to(toPixels(kFramingLineRight), toPixels(lineTop));
            painter.fillRect(QRect(from - origin, to - origin), framing);
        }
    }
    painter.setClipping(false);
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

QString describePattern(judge::Pattern pattern)
{
    const judge::Grid grid = judge::gridFor(pattern.left, pattern.centre, pattern.right);
    const QString reelNames[3]
        = { QStringLiteral("左"), QStringLiteral("中"), QStringLiteral("右") };
    QStringList reels;
    for (std::size_t reel = 0; reel < 3; ++reel) {
        QString words = reelNames[reel];
        for (const auto &row : grid)
            words += u' ' + fromUtf8(judge::symbolWord(row[reel]));
        reels << words;
    }
    return QStringLiteral("%1 %2 %3: ").arg(pattern.left).arg(pattern.centre).arg(pattern.right)
        + reels.join(QStringLiteral("、"));
}

} // namespace ui
