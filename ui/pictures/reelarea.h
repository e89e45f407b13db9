// The part of the main window that shows the reels: the three reel windows
// and the frame bars left of, between and right of them, with the two
// framing lines across. The drill's pattern and the play window's turning
// reels are drawn as this area, each strip at its own place.
#pragma once

#include "ui/pictures/patternpainter.h"

#include <QColor>
#include <QRect>

#include <array>

class QPainter;

namespace ui {

namespace reelarea {

// The area in the main window's client area.
QRect inMainWindow();
// Reel 0..2's window, in the area's own coordinates.
QRect opening(int reel);
// The four frame bars, disabled buttons one pixel taller than the area at
// either end, where the buttons above and below cover them.
std::array<QRect, 4> frameBars();

// The strip's pixel row at a reel window's top edge when `cell` stands in
// the top row, where the main window's reel model puts the picture.
int rowAtTop(int cell);

// Paints the three reels, each with the strip row `rowsAtTop[reel]` at its
// window's top edge (a multiple of a device pixel), and the framing lines
// in `framing` over them. The background and the frame bars are the
// widget's.
void paintReels(QPainter &painter, const PatternPainter &strips,
    const std::array<qreal, 3> &rowsAtTop, const QColor &framing);

} // namespace reelarea

} // namespace ui
