#include "ui/pictures/reelareaview.h"

#include "ui/common/looks.h"
#include "ui/pictures/reelarea.h"

#include <QPainter>
#include <QStyleOptionButton>

namespace ui {

ReelAreaView::ReelAreaView(const StripPictures &pictures, QWidget *parent)
    : QWidget(parent)
    , m_painter(pictures)
{
    setFixedSize(sizeHint());
    // Every paint covers the whole area: nothing of the window below shows.
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_rows = rowsFor({});
}

QSize ReelAreaView::sizeHint() const { return reelarea::inMainWindow().size(); }

std::array<qreal, 3> ReelAreaView::rowsFor(const judge::Pattern &pattern)
{
    return { qreal(reelarea::rowAtTop(pattern.left)), qreal(reelarea::rowAtTop(pattern.centre)),
        qreal(reelarea::rowAtTop(pattern.right)) };
}

void ReelAreaView::setRows(const std::array<qreal, 3> &rows, bool now)
{
    // The frame bars between the reel windows stay as they are.
    QRegion moved;
    for (std::size_t r = 0; r < 3; ++r)
        if (rows[r] != m_rows[r])
            moved += reelarea::opening(int(r));
    m_rows = rows;
    if (moved.isEmpty())
        return;
    if (now)
        repaint(moved);
    else
        update(moved);
}

void ReelAreaView::paintEvent(QPaintEvent *)
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
