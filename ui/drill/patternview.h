// One pattern as the main window's three reel windows show it when the reels
// stand: each strip at the pattern's position, the cells above and below
// partly in view, the two framing lines, and the frame bars between the
// reel windows.
#pragma once

#include "judge/patternfilter.h"
#include "ui/pictures/reelareaview.h"

namespace ui {

class PatternView : public ReelAreaView {
    Q_OBJECT
public:
    PatternView(const StripPictures &pictures, QWidget *parent = nullptr);

    void setPattern(judge::Pattern pattern);
    judge::Pattern pattern() const { return m_pattern; }

    // The view covers this part of the main window's client area: the reel
    // windows and the frame bars left, between and right of them.
    static QRect areaInMainWindow();
    // Reel 0..2's window, in the view's own coordinates.
    static QRect opening(int reel);

private:
    judge::Pattern m_pattern;
};

} // namespace ui
