// The main window's reel windows: the part of each strip picture that the
// frame buttons leave open, and where the picture stands across.
#pragma once

#include "ui/classic/formbuilder.h"

#include <array>

namespace ui {

struct ReelWindow {
    const char *name; // the window around the picture
    const char *pictureName;
    Twips opening;
    int pictureLeft; // twips, in the main window
};

extern const std::array<ReelWindow, 3> kReelWindows; // left, centre, right

} // namespace ui
