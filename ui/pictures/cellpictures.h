// The 21 cells of each reel, cut once from the strip pictures, as the reel
// windows show them (the columns the window opens onto). The chart and the
// drill draw patterns from these.
#pragma once

#include "ui/pictures/strippictures.h"

#include <QPixmap>

#include <array>

namespace ui {

class CellPictures {
public:
    CellPictures() = default;
    // Keeps each picture's device pixel ratio: a sharp picture gives sharp
    // cells.
    explicit CellPictures(const StripPictures &pictures);

    // Reel 0..2, cell 1..21.
    const QPixmap &cell(int reel, int cellNumber) const;

    // Device-independent size of one cell.
    static QSize cellSize();

    bool isNull() const { return m_cells[0][0].isNull(); }

private:
    std::array<std::array<QPixmap, judge::kCells>, 3> m_cells;
};

} // namespace ui
