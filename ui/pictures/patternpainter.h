// Paints reel windows as the main window shows them: each a window onto its
// strip picture, the strip standing where its reel stands. The chart paints
// its patterns with it (the three rows, at half the size), the drill its one
// pattern (the whole reel windows, with the cells above and below partly in
// view).
#pragma once

#include "judge/patternfilter.h"
#include "ui/pictures/strippictures.h"

#include <QPixmap>

#include <array>

class QPainter;
class QRect;

namespace ui {

class PatternPainter {
public:
    explicit PatternPainter(const StripPictures &pictures);

    // Paints reel 0..2 into `window` with the strip's pixel row `stripRow`
    // at the window's top edge and the first column a reel window shows at
    // its left edge, at `scale` times the size. The rows are the strip
    // picture's own (judge/stripgeometry.h): cell n's first row is
    // judge::cellRow(n).
    // A row between two whole ones (a turning reel) must fall on a device
    // pixel.
    void paintReel(
        QPainter &painter, const QRect &window, int reel, qreal stripRow, qreal scale = 1) const;

    // The pattern's top-row cells at the top edges of the three windows,
    // left, centre, right.
    void paintPattern(QPainter &painter, const std::array<QRect, 3> &windows,
        const judge::Pattern &pattern, qreal scale = 1) const;

private:
    // The strip at `scale` for a device of `ratio`, smoothly scaled once.
    const QPixmap &scaledStrip(int reel, qreal scale, qreal ratio) const;

    std::array<QPixmap, 3> m_strips;
    mutable qreal m_scaledFor = 0;
    mutable std::array<QPixmap, 3> m_scaled;
};

} // namespace ui
