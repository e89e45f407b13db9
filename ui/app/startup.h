// The program's whole run, as main() gives it: its names, the command line,
// the settings file's check, the hand-over to a running copy, the classic
// look, the windows and the event loop.
#pragma once

#include <functional>

class QApplication;

namespace ui {

// Returns the exit status. `started` runs once the application exists,
// before any window does (the start-up benchmark watches the first paint
// from there).
int runProgram(int argc, char *argv[], const std::function<void(QApplication &)> &started = {});

} // namespace ui
