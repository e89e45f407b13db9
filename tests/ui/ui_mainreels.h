// The main window's reel windows showing a pattern, for the windows that draw
// patterns and reels as it does: its reels stepped down from the opening
// position, reel k showing cell 22 − n after n steps, as after a stop.
#pragma once

#include "ui/classic/mainwindow.h"

#include <QImage>

namespace uitest {

inline QImage mainWindowShowing(const ui::StripPictures &pictures, const judge::Pattern &pattern)
{
    ui::MainWindow main(pictures);
    reel::MainController &controller = main.controller();
    const std::array<void (reel::MainController::*)(), 3> down {
        &reel::MainController::r1sita_Click, &reel::MainController::r2sita_Click,
        &reel::MainController::r3sita_Click
    };
    const int cells[3] = { pattern.left, pattern.centre, pattern.right };
    for (std::size_t r = 0; r < 3; ++r)
        for (int n = 0; n < 22 - cells[r]; ++n)
            (controller.*down[r])();
    return main.grab().toImage();
}

} // namespace uitest
