#include "ui/drill/patternview.h"

#include "ui/common/looks.h"
#include "ui/common/texts.h"
#include "ui/pictures/reelarea.h"

#include <QPainter>
#include <QStyleOptionButton>

namespace ui {

PatternView::PatternView(const StripPictures &pictures, QWidget *parent)
    : QWidget(parent)
    , m_painter(pictures)
{
    setFixedSize(sizeHint());
    setAccessibleName(QStringLiteral("出目"));
    setPattern(m_pattern);
}

QRect PatternView::areaInMainWindow() { return reelarea::inMainWindow(); }

QRect PatternView::opening(int reel) { return reelarea::opening(reel); }

QSize PatternView::sizeHint() const { return areaInMainWindow().size(); }

void PatternView::setPattern(judge::Pattern pattern)
{
    m_pattern = pattern;
    setAccessibleDescription(describePattern(pattern));
    update();
}

void PatternView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), systemColour(SystemColour::buttonFace));
    reelarea::paintReels(painter, m_painter,
        { qreal(reelarea::rowAtTop(m_pattern.left)), qreal(reelarea::rowAtTop(m_pattern.centre)),
            qreal(reelarea::rowAtTop(m_pattern.right)) },
        systemColour(SystemColour::toolTipText));
    drawFrameBars(painter);
}

// The bars are drawn as the main window's disabled buttons.
void PatternView::drawFrameBars(QPainter &painter) const
{
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
