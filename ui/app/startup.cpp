#include "ui/app/startup.h"

#include "safefile/settingsguard.h"
#include "ui/app/commandline.h"
#include "ui/app/program.h"
#include "ui/app/singleinstance.h"
#include "ui/classic/classiclook.h"
#include "ui/classic/lifetime.h"

#include <QApplication>
#include <QDir>

#include <cstdio>

namespace ui {

int runProgram(int argc, char *argv[], const std::function<void(QApplication &)> &started)
{
    const bool userChoseStyle = styleChosenByUser(argc, argv);
    setProgramNames();
    // Before the application object, which needs a display.
    const CommandLine options = parseCommandLine(programArguments(argc, argv));
    if (options.exitStatus >= 0) {
        std::fputs(options.message.toLocal8Bit().constData(), options.exitStatus ? stderr : stdout);
        return options.exitStatus;
    }
    QApplication app(argc, argv);
    if (started)
        started(app);

    // Before any settings are read.
    const safefile::SettingsGuard settingsFile;
    if (settingsFile.diverted())
        std::fprintf(stderr,
            "reachme: %s is not a settings file (not a regular file, or over 1 MiB); settings are "
            "not kept this time\n",
            qPrintable(QDir::toNativeSeparators(settingsFile.filePath())));
    SingleInstance instance;
    if (options.request.window != WindowRequest::none
        && instance.handOver(requestName(options.request)))
        return 0;

    applyClassicLook(userChoseStyle);
    // The windows end the program themselves: help windows left open or
    // hidden never keep it running, and the title window hands over to the
    // main window without the program ending in between.
    QApplication::setQuitOnLastWindowClosed(false);
    Lifetime lifetime;
    Program program(lifetime);
    instance.listen();
    if (!instance.problem().isEmpty())
        std::fprintf(stderr, "reachme: %s\n", qPrintable(instance.problem()));
    QObject::connect(&instance, &SingleInstance::requested, &program,
        [&program](const QByteArray &request) { program.open(requestFromName(request)); });
    program.start(options.request);
    return QApplication::exec();
}

} // namespace ui
