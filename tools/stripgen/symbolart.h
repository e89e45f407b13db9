// The artwork of the seven reel symbols, drawn in cell coordinates: the cell
// is 100 × 65 pixels and the reel window shows its columns 1..95, so every
// symbol is centred on column 48.
#pragma once

#include "judge/strips.h"

class QPainter;

namespace stripgen {

void drawSymbol(QPainter &painter, judge::Symbol symbol);

// One function per symbol, split over two files.
void drawAo7(QPainter &painter);
void drawVsign(QPainter &painter);
void drawRegplate(QPainter &painter);
void drawReplay(QPainter &painter);
void drawSanjaku(QPainter &painter);
void drawOoyama(QPainter &painter);
void drawCherry(QPainter &painter);

} // namespace stripgen
