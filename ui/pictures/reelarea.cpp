#include "ui/pictures/reelarea.h"

#include "reel/reelmodel.h"
#include "ui/pictures/reelgeometry.h"

#include <QPainter>

namespace ui::reelarea {

namespace {

// The frame bars are as wide as the gap the first one leaves left of the
// first reel window.
constexpr int kBarWidth = kOpeningLefts[0] - kFramingLineLeft;
constexpr int kAreaRight = kOpeningLefts[2] + kOpeningWidth + kBarWidth;

} // namespace

QRect inMainWindow()
{
    return toPixels(
        Twips { kFramingLineLeft, kOpeningTop, kAreaRight - kFramingLineLeft, kOpeningHeight });
}

QRect opening(int reel)
{
    const Twips twips { kOpeningLefts.at(std::size_t(reel)), kOpeningTop, kOpeningWidth,
        kOpeningHeight };
    return toPixels(twips).translated(-inMainWindow().topLeft());
}

std::array<QRect, 4> frameBars()
{
    std::array<QRect, 4> bars;
    const int height = inMainWindow().height();
    for (int i = 0; i < 4; ++i) {
        const int left = i == 0 ? 0 : opening(i - 1).right() + 1;
        bars[std::size_t(i)] = QRect(left, -1, toPixels(kBarWidth), height + 2);
    }
    return bars;
}

int rowAtTop(int cell)
{
    // A stopped reel shows cell 1 at position 21, as a spin leaves it.
    const auto position = std::int16_t(reel::kLastPosition + 1 - cell);
    return toPixels(kOpeningTop) - toPixels(reel::pictureOffset(position));
}

void paintReels(QPainter &painter, const PatternPainter &strips,
    const std::array<qreal, 3> &rowsAtTop, const QColor &framing)
{
    const QPoint origin = inMainWindow().topLeft();
    for (int reel = 0; reel < 3; ++reel) {
        const QRect window = opening(reel);
        strips.paintReel(painter, window, reel, rowsAtTop[std::size_t(reel)]);
        for (int lineTop : kFramingLineTops) {
            const QPoint from(toPixels(kFramingLineLeft), toPixels(lineTop));
            const QPoint to(toPixels(kFramingLineRight), toPixels(lineTop));
            painter.fillRect(QRect(from - origin, to - origin).intersected(window), framing);
        }
    }
}

} // namespace ui::reelarea
