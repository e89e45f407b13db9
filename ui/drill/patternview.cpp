#include "ui/drill/patternview.h"

#include "ui/common/texts.h"
#include "ui/pictures/reelarea.h"

namespace ui {

PatternView::PatternView(const StripPictures &pictures, QWidget *parent)
    : ReelAreaView(pictures, parent)
{
    setAccessibleName(QStringLiteral("出目"));
    setPattern(m_pattern);
}

QRect PatternView::areaInMainWindow() { return reelarea::inMainWindow(); }

QRect PatternView::opening(int reel) { return reelarea::opening(reel); }

void PatternView::setPattern(judge::Pattern pattern)
{
    m_pattern = pattern;
    setAccessibleDescription(describePattern(pattern));
    setRows(rowsFor(pattern));
}

} // namespace ui
