// The classic widget style the four windows were laid out in, for the whole
// program.
#pragma once

namespace ui {

// True when the command line or QT_STYLE_OVERRIDE names a widget style.
// Must be asked before QApplication takes its options out of argv.
bool styleChosenByUser(int argc, char **argv);

// The classic "Windows" style, unless the user chose another, and the Gothic
// face for message boxes and everything else without a font of its own.
void applyClassicLook(bool userChoseStyle);

} // namespace ui
