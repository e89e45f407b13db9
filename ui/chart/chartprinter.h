// Prints a chart: the patterns of each result group drawn as the reel windows
// show them, several a row, on A4 pages with group headers and page numbers.
#pragma once

#include "judge/patternfilter.h"

#include <vector>

class QPagedPaintDevice;

namespace ui {

class CellPictures;

// Sets the device to A4 portrait and paints every non-empty group onto it.
// Text stays text; each cell picture is drawn from the same pixmap every
// time, so a PDF embeds it once. False when the device cannot be painted on
// (a printer that went away, a file that cannot be written).
bool printChart(QPagedPaintDevice &device, const std::vector<judge::ResultGroup> &groups,
    const CellPictures &cells);

} // namespace ui
