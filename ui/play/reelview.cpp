#include "ui/play/reelview.h"

#include "ui/common/looks.h"
#include "ui/common/texts.h"
#include "ui/pictures/reelarea.h"
#include "ui/pictures/reelgeometry.h"

#include <QPainter>
#include <QStyleOptionButton>

namespace ui {

ReelView::ReelView(const StripPictures &pictures, QWidget *parent)
    : QWidget(parent)
    , m_painter(pictures)
{
    setFixedSize(sizeHint());
    setAccessibleName(QStringLiteral("リール"));
    // Every frame paints the whole area: nothing of the window below shows.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QSize ReelView::sizeHint() const { return reelarea::inMainWindow().size(); }

void ReelView::show(const std::array<play::ReelPosition, 3> &reels, qreal scale, bool turning)
{
    std::array<qreal, 3> rows {};
    for (std::size_t r = 0; r < 3; ++r) {
        const play::ReelPosition &at = reels[r];
        // A reel at rest stands exactly as the main window would show it.
        rows[r] = at.units == 0 ? qreal(reelarea::rowAtTop(at.cell))
                                : toPixels(kOpeningTop) - qreal(play::stripTop(at, scale)) / scale;
    }
    if (rows != m_rows) {
        // Only the reel windows change; the frame bars between them stay.
        QRegion windows;
        for (std::size_t r = 0; r < 3; ++r)
            if (rows[r] != m_rows[r])
                windows += reelarea::opening(int(r));
        m_rows = rows;
        // Painted now, in the frame that moved them, all three at once.
        repaint(windows);
    }
    const QString description = turning
        ? QStringLiteral("回転中")
        : describePattern({ reels[0].cell, reels[1].cell, reels[2].cell });
    if (description != accessibleDescription())
        setAccessibleDescription(description);
}

void ReelView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), systemColour(SystemColour::buttonFace));
    reelarea::paintReels(painter, m_painter, m_rows, systemColour(SystemColour::toolTipText));
    // The frame bars, as the main window's disabled buttons.
    QStyleOptionButton bar;
    bar.initFrom(this);
    bar.state &= ~(QStyle::State_Enabled | QStyle::State_HasFocus | QStyle::State_MouseOver);
    bar.state |= QStyle::State_Raised;
    for (const QRect &rect : reelarea::frameBars()) {
        bar.rect = rect;
        style()->drawControl(QStyle::CE_PushButton, &bar, &painter, this);
    }
}

} // namespace ui
