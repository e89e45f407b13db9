// The main window's reel area as a widget: the three reel windows, each strip
// at a row of its own, the framing lines over them and the frame bars between
// them, on the window's button face. The drill shows a pattern in it, 実戦
// its turning reels.
#pragma once

#include "judge/pattern.h"
#include "ui/pictures/patternpainter.h"

#include <QWidget>

#include <array>

namespace ui {

class ReelAreaView : public QWidget {
    Q_OBJECT
public:
    explicit ReelAreaView(const StripPictures &pictures, QWidget *parent = nullptr);

    // The strip rows at the reel windows' top edges (each on a device
    // pixel). Repaints the reel windows whose strip moved: `now` in this
    // call, else with the next update.
    void setRows(const std::array<qreal, 3> &rows, bool now = false);
    const std::array<qreal, 3> &rows() const { return m_rows; }
    // The rows that show `pattern` standing, as the main window does.
    static std::array<qreal, 3> rowsFor(const judge::Pattern &pattern);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    PatternPainter m_painter;
    std::array<qreal, 3> m_rows {};
};

} // namespace ui
