// The play window's three reels, "リール": the main window's reel area with
// each strip where its reel stands or turns, drawn in one frame. The window
// moves the strips a frame at a time; a frame that moves nothing paints
// nothing.
#pragma once

#include "judge/pattern.h"
#include "play/motion.h"
#include "ui/pictures/patternpainter.h"

#include <QWidget>

#include <array>

namespace ui {

class ReelView : public QWidget {
    Q_OBJECT
public:
    ReelView(const StripPictures &pictures, QWidget *parent = nullptr);

    // Where each reel is, in whole device pixels at `scale` device pixels to
    // a pixel; repaints when a strip moved. Standing reels are described for
    // assistive tools by their cells ("3 2 14: 左 …"), turning ones as such.
    void show(const std::array<play::ReelPosition, 3> &reels, qreal scale, bool turning);

    // The strip rows at the reel windows' top edges, as last shown.
    const std::array<qreal, 3> &rows() const { return m_rows; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    PatternPainter m_painter;
    std::array<qreal, 3> m_rows {};
};

} // namespace ui
