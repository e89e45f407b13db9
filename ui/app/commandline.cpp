#include "ui/app/commandline.h"

#include <QCommandLineParser>
#include <QGuiApplication>

namespace ui {

void setProgramNames()
{
    // X11 takes the window class from the application name: the menu
    // entry's StartupWMClass is the same name.
    QCoreApplication::setOrganizationName(QStringLiteral(REACHME_APP_NAME));
    QCoreApplication::setApplicationName(QStringLiteral(REACHME_APP_NAME));
    QCoreApplication::setApplicationVersion(QStringLiteral(REACHME_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral(REACHME_APP_ID));
}

CommandLine parseCommandLine(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("雷光丸職人への道: a judge of reach-me patterns (リーチ目)."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption chart(QStringLiteral("chart"),
        QStringLiteral("Open the chart of every pattern (リーチ目表), in the running program if "
                       "there is one."));
    const QCommandLineOption drill(QStringLiteral("drill"),
        QStringLiteral("Open the drill (練習), in the running program if there is one."));
    parser.addOptions({ chart, drill });

    CommandLine result;
    if (!parser.parse(arguments)) {
        result.message = parser.errorText() + QStringLiteral("\n");
        result.exitStatus = 2;
    } else if (parser.isSet(help)) {
        result.message = parser.helpText();
        result.exitStatus = 0;
    } else if (parser.isSet(version)) {
        result.message = QStringLiteral("%1 %2\n").arg(
            QCoreApplication::applicationName(), QCoreApplication::applicationVersion());
        result.exitStatus = 0;
    } else if (parser.isSet(chart) && parser.isSet(drill)) {
        result.message = QStringLiteral("--chart and --drill cannot be given together.\n");
        result.exitStatus = 2;
    } else if (!parser.positionalArguments().isEmpty()) {
        result.message = QStringLiteral("Unexpected argument: %1\n")
                             .arg(parser.positionalArguments().constFirst());
        result.exitStatus = 2;
    } else if (parser.isSet(chart)) {
        result.request = WindowRequest::chart;
    } else if (parser.isSet(drill)) {
        result.request = WindowRequest::drill;
    }
    return result;
}

QByteArray requestName(WindowRequest request)
{
    switch (request) {
    case WindowRequest::chart: return "chart";
    case WindowRequest::drill: return "drill";
    case WindowRequest::none: break;
    }
    return "none";
}

WindowRequest requestFromName(const QByteArray &name)
{
    if (name == "chart")
        return WindowRequest::chart;
    if (name == "drill")
        return WindowRequest::drill;
    return WindowRequest::none;
}

} // namespace ui
