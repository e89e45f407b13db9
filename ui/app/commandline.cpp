#include "ui/app/commandline.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QGuiApplication>

#include <algorithm>

namespace ui {

namespace {

// ASCII digits only, as the command line and a request line write them.
std::optional<std::uint64_t> wholeNumber(const QByteArray &text)
{
    bool ok = false;
    const qulonglong n = text.toULongLong(&ok);
    const bool digits = !text.isEmpty()
        && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
    return ok && digits ? std::optional<std::uint64_t>(n) : std::nullopt;
}

std::optional<int> settingNumber(const QByteArray &text)
{
    const auto n = wholeNumber(text);
    return n && *n >= 1 && *n <= 6 ? std::optional<int>(int(*n)) : std::nullopt;
}

} // namespace

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
    const QCommandLineOption play(QStringLiteral("play"),
        QStringLiteral("Open 実戦, the machine to play, in the running program if there is one."));
    const QCommandLineOption setting(QStringLiteral("setting"),
        QStringLiteral("With --play: a new machine of this setting (1-6)."),
        QStringLiteral("1..6"));
    const QCommandLineOption seed(QStringLiteral("seed"),
        QStringLiteral("With --play: a new machine from this seed, to play a sitting again."),
        QStringLiteral("N"));

    const QCommandLineOption collection(QStringLiteral("collection"),
        QStringLiteral("Open the reach-me patterns collected in play (リーチ目コレクション), in "
                       "the running program if there is one."));
    parser.addOptions({ chart, drill, play, setting, seed, collection });

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
    } else if (int(parser.isSet(chart)) + int(parser.isSet(drill)) + int(parser.isSet(play))
            + int(parser.isSet(collection))
        > 1) {
        result.message = QStringLiteral(
            "Only one of --chart, --drill, --play and --collection can be given.\n");
        result.exitStatus = 2;
    } else if ((parser.isSet(setting) || parser.isSet(seed)) && !parser.isSet(play)) {
        result.message = QStringLiteral("--setting and --seed go with --play.\n");
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
    } else if (parser.isSet(play)) {
        result.request = WindowRequest::play;
        QString problem;
        if (parser.isSet(setting)) {
            result.request.play.setting = settingNumber(parser.value(setting).toUtf8());
            if (!result.request.play.setting)
                problem = QStringLiteral("--setting takes 1 to 6, not %1.\n")
                              .arg(parser.value(setting));
        }
        if (parser.isSet(seed)) {
            result.request.play.seed = wholeNumber(parser.value(seed).toUtf8());
            if (!result.request.play.seed)
                problem += QStringLiteral(
                    "--seed takes a whole number 0 to 18446744073709551615, not %1.\n")
                               .arg(parser.value(seed));
        }
        if (!problem.isEmpty()) {
            result = CommandLine();
            result.message = problem;
            result.exitStatus = 2;
        }
    }
    return result;
}

QByteArray requestName(const Request &request)
{
    switch (request.window) {
    case WindowRequest::chart: return "chart";
    case WindowRequest::drill: return "drill";
    case WindowRequest::collection: return "collection";
    case WindowRequest::play: {
        QByteArray line = "play";
        if (request.play.setting)
            line += " setting=" + QByteArray::number(*request.play.setting);
        if (request.play.seed)
            line += " seed=" + QByteArray::number(qulonglong(*request.play.seed));
        return line;
    }
    case WindowRequest::none: break;
    }
    return "none";
}

Request requestFromName(const QByteArray &name)
{
    const QList<QByteArray> words = name.split(' ');
    if (name == "chart")
        return WindowRequest::chart;
    if (name == "drill")
        return WindowRequest::drill;
    if (name == "collection")
        return WindowRequest::collection;
    if (words.front() != "play")
        return {};
    Request request(WindowRequest::play);
    for (qsizetype i = 1; i < words.size(); ++i) {
        PlayRequest &play = request.play;
        if (words[i].startsWith("setting=") && !play.setting)
            play.setting = settingNumber(words[i].mid(8));
        else if (words[i].startsWith("seed=") && !play.seed)
            play.seed = wholeNumber(words[i].mid(5));
        else
            return {};
        // A word begun but not understood.
        if ((words[i].startsWith("setting=") && !play.setting)
            || (words[i].startsWith("seed=") && !play.seed))
            return {};
    }
    return request;
}

} // namespace ui
