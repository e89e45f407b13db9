// 雷光丸職人への道: a judge of reach-me patterns for one three-reel pachislot
// machine.
#include "safefile/settingsguard.h"
#include "ui/app/commandline.h"
#include "ui/app/program.h"
#include "ui/app/singleinstance.h"
#include "ui/classic/classiclook.h"
#include "ui/classic/lifetime.h"

#include <QApplication>
#include <QDir>

#include <cstdio>

int main(int argc, char *argv[])
{
    const bool userChoseStyle = ui::styleChosenByUser(argc, argv);
    ui::setProgramNames();
    QApplication app(argc, argv);

    const ui::CommandLine options = ui::parseCommandLine(QCoreApplication::arguments());
    if (options.exitStatus >= 0) {
        std::fputs(options.message.toLocal8Bit().constData(), options.exitStatus ? stderr : stdout);
        return options.exitStatus;
    }
    // Before any settings are read.
    const safefile::SettingsGuard settings;
    if (settings.diverted())
        std::fprintf(stderr,
            "reachme: %s is not a settings file (not a regular file, or over 1 MiB); settings are "
            "not kept this time\n",
            qPrintable(QDir::toNativeSeparators(settings.filePath())));
    ui::SingleInstance instance;
    if (options.request.window != ui::WindowRequest::none
        && instance.handOver(ui::requestName(options.request)))
        return 0;

    ui::applyClassicLook(userChoseStyle);
    // The windows end the program themselves: help windows left open or
    // hidden never keep it running, and the title window hands over to the
    // main window without the program ending in between.
    QApplication::setQuitOnLastWindowClosed(false);
    ui::Lifetime lifetime;
    ui::Program program(lifetime);
    instance.listen();
    QObject::connect(&instance, &ui::SingleInstance::requested, &program,
        [&program](const QByteArray &request) { program.open(ui::requestFromName(request)); });
    program.start(options.request);
    return QApplication::exec();
}
