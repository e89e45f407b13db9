#include "ui/app/commandline.h"

#include <QCommandLineParser>
#include <QFileInfo>
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

QStringList programArguments(int argc, const char *const *argv)
{
    // What QApplication, QGuiApplication and the X11 platform read and take
    // out of the command line, with one dash or two.
    static const QStringList withValue
        = QStringLiteral("platform platformpluginpath platformtheme plugin qwindowgeometry "
                         "qwindowicon qwindowtitle session style stylesheet display name "
                         "geometry title icon qmljsdebugger")
              .split(u' ');
    static const QStringList alone
        = QStringLiteral("reverse widgetcount testability sync").split(u' ');
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        const qsizetype dashes = arg.startsWith(QStringLiteral("--")) ? 2 : arg.startsWith(u'-');
        const QString option = arg.mid(dashes).section(u'=', 0, 0);
        if (i == 0 || dashes == 0 || !(withValue.contains(option) || alone.contains(option))) {
            arguments << arg;
            continue;
        }
        if (withValue.contains(option) && !arg.contains(u'=') && i + 1 < argc)
            ++i; // its value
    }
    return arguments;
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
    const QCommandLineOption collection(QStringLiteral("collection"),
        QStringLiteral("Open the reach-me patterns collected in play (リーチ目コレクション), in "
                       "the running program if there is one."));
    parser.addOptions({ chart, drill, collection });

    CommandLine result;
    if (!parser.parse(arguments)) {
        result.message = parser.errorText() + QStringLiteral("\n");
        result.exitStatus = 2;
    } else if (parser.isSet(help)) {
        // Without an application object the parser does not know the
        // program's name.
        result.message = parser.helpText().replace(QStringLiteral("<executable_name>"),
            QFileInfo(arguments.value(0, QCoreApplication::applicationName())).fileName());
        result.exitStatus = 0;
    } else if (parser.isSet(version)) {
        result.message = QStringLiteral("%1 %2\n").arg(
            QCoreApplication::applicationName(), QCoreApplication::applicationVersion());
        result.exitStatus = 0;
    } else if (int(parser.isSet(chart)) + int(parser.isSet(drill)) + int(parser.isSet(collection))
        > 1) {
        result.message
            = QStringLiteral("Only one of --chart, --drill and --collection can be given.\n");
        result.exitStatus = 2;
    } else if (!parser.positionalArguments().isEmpty()) {
        result.message = QStringLiteral("Unexpected argument: %1\n")
                             .arg(parser.positionalArguments().constFirst());
        result.exitStatus = 2;
    } else if (parser.isSet(chart)) {
        result.request = WindowRequest::chart;
    } else if (parser.isSet(drill)) {
        result.request = WindowRequest::drill;
    } else if (parser.isSet(collection)) {
        result.request = WindowRequest::collection;
    }
    return result;
}

QByteArray requestName(WindowRequest request)
{
    switch (request) {
    case WindowRequest::chart: return "chart";
    case WindowRequest::drill: return "drill";
    case WindowRequest::collection: return "collection";
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
    if (name == "collection")
        return WindowRequest::collection;
    return WindowRequest::none;
}

} // namespace ui
