#include "ui/pictures/patternpainter.h"

#include "ui/pictures/reelgeometry.h"

#include <QPaintDevice>
#include <QPainter>

namespace ui {

PatternPainter::PatternPainter(const StripPictures &pictures)
{
    for (std::size_t reel = 0; reel < m_strips.size(); ++reel)
        m_strips[reel] = QPixmap::fromImage(pictures.images[reel]);
}

const QPixmap &PatternPainter::scaledStrip(int reel, qreal scale, qreal ratio) const
{
    if (scale * ratio != m_scaledFor) {
        for (std::size_t r = 0; r < m_strips.size(); ++r) {
            const QSize size = (m_strips[r].deviceIndependentSize() * scale * ratio).toSize();
            m_scaled[r] = m_strips[r].scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            m_scaled[r].setDevicePixelRatio(ratio);
        }
        m_scaledFor = scale * ratio;
    }
    return m_scaled[std::size_t(reel)];
}

void PatternPainter::paintReel(
    QPainter &painter, const QRect &window, int reel, qreal stripRow, qreal scale) const
{
    painter.save();
    painter.setClipRect(window, Qt::IntersectClip);
    const QPointF corner(
        window.left() - kFirstShownColumn * scale, window.top() - stripRow * scale);
    // At the strip's own size the picture is drawn as it is, so that a reel
    // window shows exactly the main window's pixels.
    if (scale == 1)
        painter.drawPixmap(corner, m_strips[std::size_t(reel)]);
    else
        painter.drawPixmap(corner, scaledStrip(reel, scale, painter.device()->devicePixelRatioF()));
    painter.restore();
}

void PatternPainter::paintPattern(QPainter &painter, const std::array<QRect, 3> &windows,
    const judge::Pattern &pattern, qreal scale) const
{
    const std::array<int, 3> cells { pattern.left, pattern.centre, pattern.right };
    for (std::size_t reel = 0; reel < 3; ++reel)
        paintReel(painter, windows[reel], int(reel), judge::cellRow(cells[reel]), scale);
}

} // namespace ui
