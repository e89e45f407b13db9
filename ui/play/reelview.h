// The play window's three reels, "リール": the main window's reel area with
// each strip where its reel stands or turns, the three drawn in one frame.
// A frame that moves no strip a device pixel paints nothing.
#pragma once

#include "play/motion.h"
#include "ui/pictures/reelareaview.h"

namespace ui {

class ReelView : public ReelAreaView {
    Q_OBJECT
public:
    ReelView(const StripPictures &pictures, QWidget *parent = nullptr);

    // Where each reel is, in whole device pixels at `scale` device pixels to
    // a pixel, painted at once. Standing reels are described for assistive
    // tools by their cells ("3 2 14: 左 …"), turning ones as such.
    void show(const std::array<play::ReelPosition, 3> &reels, qreal scale, bool turning);
};

} // namespace ui
