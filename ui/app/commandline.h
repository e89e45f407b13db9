// The program's command line: --chart, --drill, --play and --collection open
// those windows beside the main window (or in the program already running);
// --setting and --seed give --play a new machine.
#pragma once

#include "ui/app/program.h"

#include <QStringList>

namespace ui {

struct CommandLine {
    Request request;
    // Set when the program is to end at once: the text for the terminal
    // (help, version or an error) and the exit status.
    QString message;
    int exitStatus = -1;
};

// The program's arguments, its name first, without the ones Qt takes for
// itself (-style, -platform, -display …). Read before the application object
// exists, so that --help, --version and a wrong option are answered without
// a display.
QStringList programArguments(int argc, const char *const *argv);

// `arguments` as programArguments() gives them.
CommandLine parseCommandLine(const QStringList &arguments);

// The request as it travels to a running program, one short line ("chart",
// "play setting=3 seed=42"), and back; a line not understood asks for none.
QByteArray requestName(const Request &request);
Request requestFromName(const QByteArray &name);

// Sets the names settings, data folders and the window class carry. Before
// anything reads settings or data folders.
void setProgramNames();

} // namespace ui
