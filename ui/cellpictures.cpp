#include "ui/cellpictures.h"

#include "ui/formbuilder.h"
#include "ui/reelgeometry.h"

#include <cmath>

namespace ui {

namespace {

// The reel window opens onto the strip from this column on.
int firstVisibleColumn() { return toPixels(kOpeningLefts[0]) - toPixels(kPictureLefts[0]); }

} // namespace

QSize CellPictures::cellSize() { return { toPixels(kOpeningWidth), kCellPixels }; }

CellPictures::CellPictures(const StripPictures &pictures)
{
    for (std::size_t reel = 0; reel < 3; ++reel) {
        const QImage &strip = pictures.images[reel];
        const qreal ratio = strip.devicePixelRatio();
        const auto scaled = [ratio](int pixels) { return int(std::lround(pixels * ratio)); };
        for (int n = 1; n <= 21; ++n) {
            const QRect source(scaled(firstVisibleColumn()), scaled(kCellPixels * n),
                scaled(cellSize().width()), scaled(kCellPixels));
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
