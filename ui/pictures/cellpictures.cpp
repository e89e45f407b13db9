#include "ui/pictures/cellpictures.h"

#include "ui/pictures/reelgeometry.h"

#include <cmath>

namespace ui {

QSize CellPictures::cellSize() { return { toPixels(kOpeningWidth), judge::kCellPixels }; }

CellPictures::CellPictures(const StripPictures &pictures)
{
    for (std::size_t reel = 0; reel < 3; ++reel) {
        const QImage &strip = pictures.images[reel];
        const qreal ratio = strip.devicePixelRatio();
        const auto scaled = [ratio](int pixels) { return int(std::lround(pixels * ratio)); };
        for (int n = 1; n <= judge::kCells; ++n) {
            const QRect source(scaled(kFirstShownColumn), scaled(judge::cellRow(n)),
                scaled(cellSize().width()), scaled(judge::kCellPixels));
            QPixmap cell = QPixmap::fromImage(strip.copy(source));
            cell.setDevicePixelRatio(ratio);
            m_cells[reel][std::size_t(n - 1)] = cell;
        }
    }
}

const QPixmap &CellPictures::cell(int reel, int cellNumber) const
{
    return m_cells.at(std::size_t(reel)).at(std::size_t(cellNumber - 1));
}

} // namespace ui
