#include "ui/play/reelview.h"

#include "ui/common/texts.h"
#include "ui/pictures/reelarea.h"
#include "ui/pictures/reelgeometry.h"

namespace ui {

ReelView::ReelView(const StripPictures &pictures, QWidget *parent)
    : ReelAreaView(pictures, parent)
{
    setAccessibleName(QStringLiteral("リール"));
}

void ReelView::show(const std::array<play::ReelPosition, 3> &reels, qreal scale, bool turning)
{
    std::array<qreal, 3> rows {};
    for (std::size_t r = 0; r < 3; ++r) {
        const play::ReelPosition &at = reels[r];
        // A reel at rest stands exactly as the main window would show it.
        rows[r] = at.units == 0 ? qreal(reelarea::rowAtTop(at.cell))
                                : toPixels(kOpeningTop) - qreal(play::stripTop(at, scale)) / scale;
    }
    // Painted now, in the frame that moved them, all three at once.
    setRows(rows, true);
    const QString description = turning
        ? QStringLiteral("回転中")
        : describePattern({ reels[0].cell, reels[1].cell, reels[2].cell });
    if (description != accessibleDescription())
        setAccessibleDescription(description);
}

} // namespace ui
