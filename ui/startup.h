// The start of the program: the title window, then the main window.
#pragma once

namespace ui {

class MainWindow;

// Shows the title window. Its OK closes it and then opens the main window,
// or, when a strip picture cannot be read, reports that and ends the program
// with a failure status.
void startProgram();

// Reads the strip pictures and opens the main window; nullptr (after the
// report) when a picture is missing or unreadable.
MainWindow *openMainWindow();

} // namespace ui
