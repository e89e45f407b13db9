// The program around its windows: how it ends, its command line, the hand-over
// to a running program, and the right-click menu of the main window.
#include "records/collection.h"
#include "records/store/collectionstore.h"
#include "records/store/machinefiles.h"
#include "seededrun.h"
#include "ui/app/chartreels.h"
#include "ui/app/commandline.h"
#include "ui/app/contextmenu.h"
#include "ui/app/program.h"
#include "ui/app/singleinstance.h"
#include "ui/app/windowplacement.h"
#include "ui/chart/chartmodel.h"
#include "ui/chart/chartview.h"
#include "ui/classic/classiclook.h"
#include "ui/classic/helpwindow.h"
#include "ui/classic/lifetime.h"
#include "ui/classic/mainwindow.h"
#include "ui/collection/collectionkeeper.h"
#include "ui/data/datawindow.h"
#include "ui/play/playwindow.h"
#include "ui_testpictures.h"

#include <QAction>
#include <QLineEdit>
#include <QLocalServer>
#include <QMenu>
#include <QPushButton>
#include <QtTest>

#include <unistd.h>

namespace {

// A program whose end is recorded, started in a folder with test pictures and
// past its title window.
struct StartedProgram {
    QTemporaryDir dir;
    QList<int> exits;
    ui::Lifetime lifetime { [this](int status) { exits << status; }, [](const QString &) {} };
    ui::Program program { lifetime };

    // `atTitle` runs while the title window shows.
    bool start(const ui::Request &request = {}, const std::function<void(QWidget *)> &atTitle = {})
    {
        if (!dir.isValid() || !uitest::writeStripPictures(QDir(dir.path()))
            || !QDir::setCurrent(dir.path()))
            return false;
        program.start(request);
        for (QWidget *w : QApplication::topLevelWidgets())
            if (w->objectName() == QStringLiteral("Form4")) {
                if (atTitle)
                    atTitle(w);
                QTest::keyClick(
                    w->findChild<QWidget *>(QStringLiteral("Command1")), Qt::Key_Return);
            }
        return QTest::qWaitFor([this] { return program.mainWindow() != nullptr; });
    }
};

} // namespace

class ProgramTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // Settings and the drill's progress go to throw-away folders.
        QStandardPaths::setTestModeEnabled(true);
        QSettings().clear();
        ui::applyClassicLook(false);
    }

    void endSavesOnceThenExits()
    {
        QStringList calls;
        ui::Lifetime lifetime(
            [&calls](int status) { calls << QStringLiteral("exit %1").arg(status); },
            [&calls](const QString &) { calls << QStringLiteral("report"); });
        lifetime.atEnd([&calls] { calls << QStringLiteral("save chart"); });
        lifetime.atEnd([&calls] { calls << QStringLiteral("save drill"); });
        bool ran = false;
        lifetime.run([&ran] { ran = true; });
        QVERIFY(ran);
        lifetime.end(0);
        lifetime.end(0);
        lifetime.fail(QStringLiteral("late"));
        ran = false;
        lifetime.run([&ran] { ran = true; });
        QVERIFY(!ran);
        QCOMPARE(calls, (QStringList { "save chart", "save drill", "exit 0" }));
    }

    void commandLine_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("request");
        QTest::addColumn<int>("exitStatus");
        QTest::addColumn<QString>("machine"); // "setting seed" of --play, "- -" for none
        const int none = int(ui::WindowRequest::none), play = int(ui::WindowRequest::play);
        QTest::newRow("plain") << QStringList { "reachme" } << none << -1 << "- -";
        QTest::newRow("chart") << QStringList { "reachme", "--chart" }
                               << int(ui::WindowRequest::chart) << -1 << "- -";
        QTest::newRow("drill") << QStringList { "reachme", "--drill" }
                               << int(ui::WindowRequest::drill) << -1 << "- -";
        QTest::newRow("play") << QStringList { "reachme", "--play" } << play << -1 << "- -";
        QTest::newRow("a new machine") << QStringList { "reachme", "--play", "--setting", "6",
            "--seed", "18446744073709551615" }
                                       << play << -1 << "6 18446744073709551615";
        QTest::newRow("a seed alone")
            << QStringList { "reachme", "--play", "--seed=0" } << play << -1 << "- 0";
        QTest::newRow("setting 7")
            << QStringList { "reachme", "--play", "--setting", "7" } << none << 2 << "- -";
        QTest::newRow("a negative seed")
            << QStringList { "reachme", "--play", "--seed", "-1" } << none << 2 << "- -";
        QTest::newRow("a seed past 64 bits")
            << QStringList { "reachme", "--play", "--seed", "18446744073709551616" } << none << 2
            << "- -";
        QTest::newRow("a seed with a sign")
            << QStringList { "reachme", "--play", "--seed", "+5" } << none << 2 << "- -";
        QTest::newRow("a seed without --play")
            << QStringList { "reachme", "--seed", "5" } << none << 2 << "- -";
        QTest::newRow("collection") << QStringList { "reachme", "--collection" }
                                    << int(ui::WindowRequest::collection) << -1 << "- -";
        QTest::newRow("chart and collection")
            << QStringList { "reachme", "--collection", "--chart" } << none << 2 << "- -";
        QTest::newRow("play and chart")
            << QStringList { "reachme", "--play", "--chart" } << none << 2 << "- -";
        QTest::newRow("both") << QStringList { "reachme", "--chart", "--drill" } << none << 2
                              << "- -";
        QTest::newRow("unknown") << QStringList { "reachme", "--chrat" } << none << 2 << "- -";
        QTest::newRow("stray") << QStringList { "reachme", "r1.bmp" } << none << 2 << "- -";
        QTest::newRow("help") << QStringList { "reachme", "--help" } << none << 0 << "- -";
        QTest::newRow("version") << QStringList { "reachme", "--version" } << none << 0 << "- -";
    }

    void commandLine()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, request);
        QFETCH(int, exitStatus);
        QFETCH(QString, machine);
        const ui::CommandLine line = ui::parseCommandLine(arguments);
        QCOMPARE(int(line.request.window), request);
        QCOMPARE(line.exitStatus, exitStatus);
        QCOMPARE(line.message.isEmpty(), exitStatus < 0);
        const ui::PlayRequest &play = line.request.play;
        QCOMPARE(QStringLiteral("%1 %2").arg(
                     play.setting ? QString::number(*play.setting) : QStringLiteral("-"),
                     play.seed ? QString::number(*play.seed) : QStringLiteral("-")),
            machine);
        // As a running program reads it from a later start.
        QVERIFY(ui::requestFromName(ui::requestName(line.request)) == line.request);
    }

    // A request line that is not one the program writes asks for nothing.
    void requestLinesNotUnderstood_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("another word") << QByteArray("chartx");
        QTest::newRow("a setting of 7") << QByteArray("play setting=7");
        QTest::newRow("a seed that is no number") << QByteArray("play seed=x1");
        QTest::newRow("a negative seed") << QByteArray("play seed=-1");
        QTest::newRow("a setting twice") << QByteArray("play setting=3 setting=4");
        QTest::newRow("an unknown word") << QByteArray("play colour=red");
        QTest::newRow("a word for the chart") << QByteArray("chart seed=1");
    }
    void requestLinesNotUnderstood()
    {
        QFETCH(QByteArray, line);
        QCOMPARE(ui::requestFromName(line).window, ui::WindowRequest::none);
    }

    void laterStartHandsRequestToRunningProgram_data()
    {
        QTest::addColumn<bool>("stale"); // a socket file left by a program that died
        QTest::newRow("first start") << false;
        QTest::newRow("after a crash") << true;
    }

    void laterStartHandsRequestToRunningProgram()
    {
        QFETCH(bool, stale);
        QTemporaryDir dir;
        const QString name = dir.filePath(QStringLiteral("test.socket"));
        if (stale) { // bound, then left without being removed
            QLocalServer dead;
            dead.setSocketOptions(QLocalServer::UserAccessOption);
            QVERIFY(dead.listen(name));
            const QByteArray kept = QFile::encodeName(name) + ".kept";
            QVERIFY(::link(QFile::encodeName(name), kept) == 0);
            dead.close();
            QVERIFY(::rename(kept, QFile::encodeName(name)) == 0);
        }
        ui::SingleInstance later(name);
        QVERIFY(!later.handOver("chart", 200)); // nothing running yet

        ui::SingleInstance running(name);
        QVERIFY(running.listen());
        QSignalSpy requests(&running, &ui::SingleInstance::requested);
        // The later start blocks while it waits for the answer: it runs in a
        // thread of its own here, as it would in a process of its own.
        bool handedOver = false;
        QThread *thread
            = QThread::create([&] { handedOver = ui::SingleInstance(name).handOver("drill"); });
        thread->start();
        QTRY_VERIFY(thread->isFinished());
        delete thread;
        QVERIFY(handedOver);
        QCOMPARE(requests.size(), 1);
        QCOMPARE(requests[0][0].toByteArray(), QByteArray("drill"));
        // A second program beside the first leaves the name to it.
        QVERIFY(!ui::SingleInstance(name).listen());
    }

    // Answered without a display: the program is not started for them.
    void commandLineWithoutDisplay_data()
    {
        QTest::addColumn<QString>("argument");
        QTest::addColumn<int>("exitStatus");
        QTest::addColumn<QString>("says");
        QTest::newRow("help") << "--help" << 0 << "Usage: reachme [options]";
        QTest::newRow("version") << "--version" << 0 << "reachme 1.0.0";
        QTest::newRow("unknown option") << "--chrat" << 2 << "Unknown option 'chrat'.";
        QTest::newRow("among Qt's own") << "-style=fusion --qwindowtitle x -v" << 0 << "reachme";
    }
    void commandLineWithoutDisplay()
    {
        QFETCH(QString, argument);
        QFETCH(int, exitStatus);
        QFETCH(QString, says);
        QProcess program;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove("DISPLAY");
        env.remove("WAYLAND_DISPLAY");
        env.insert("QT_QPA_PLATFORM", "xcb"); // which cannot start without a display
        program.setProcessEnvironment(env);
        program.start(REACHME_PROGRAM, argument.split(u' '));
        QVERIFY(program.waitForFinished(10000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), exitStatus);
        const QString said = program.readAllStandardOutput() + program.readAllStandardError();
        QVERIFY2(said.startsWith(says), qPrintable(said));
    }

    void rightClickOpensMenuWithoutMovingFocus_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<bool>("opens");
        QTest::newRow("disabled stop button") << QStringLiteral("r1stop") << true;
        QTest::newRow("step button that takes focus on a click") << QStringLiteral("r1ue") << true;
        QTest::newRow("disabled frame") << QStringLiteral("Command3") << true;
        QTest::newRow("message label") << QStringLiteral("lbyakumei") << true;
        QTest::newRow("speed box") << QStringLiteral("Text1") << false;
    }

    void rightClickOpensMenuWithoutMovingFocus()
    {
        QFETCH(QString, target);
        QFETCH(bool, opens);
        ui::MainWindow window(uitest::stripPictures());
        auto *action = new QAction(QStringLiteral("リーチ目表…"), &window);
        auto *menu = new ui::ContextMenu(&window, { action });
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QWidget *focused = QApplication::focusWidget();
        QCOMPARE(focused->objectName(), QStringLiteral("cmstart"));

        auto *widget = window.findChild<QWidget *>(target);
        QVERIFY(widget);
        const QPoint at = widget->mapTo(&window, widget->rect().center());
        QTest::mousePress(window.windowHandle(), Qt::RightButton, {}, at);
        QTest::mouseRelease(window.windowHandle(), Qt::RightButton, {}, at);
        if (opens) {
            QTRY_VERIFY(menu->menu()->isVisible());
            QCOMPARE(menu->menu()->actions(), QList<QAction *> { action });
            menu->menu()->hide();
            QCOMPARE(QApplication::focusWidget(), focused);
        } else {
            QVERIFY(!menu->menu()->isVisible());
            QTRY_COMPARE(QApplication::focusWidget(), widget);
        }
        // The left button still reaches the controls.
        QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {},
            window.findChild<QWidget *>(QStringLiteral("r1ue"))->geometry().center());
        QVERIFY(!menu->menu()->isVisible());
    }

    // `reachme --chart` asks before the title window is gone: the chart comes
    // once the main window stands, beside it.
    void requestWaitsForMainWindow()
    {
        StartedProgram started;
        started.program.open(ui::WindowRequest::drill); // at the title window
        QVERIFY(!started.program.drillWindow());
        QVERIFY(started.start(ui::WindowRequest::chart));
        QWidget *chart = started.program.chartWindow();
        QVERIFY(chart);
        QTRY_VERIFY(chart->isVisible());
        QCOMPARE(chart->windowTitle(), QStringLiteral("リーチ目表"));
        // The later request wins; a window asked for twice is raised, not made
        // again.
        QVERIFY(!started.program.drillWindow());
        started.program.open(ui::WindowRequest::chart);
        QCOMPARE(started.program.chartWindow(), chart);
    }

    void shortcutsOpenWindowsFromAnyWindow_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("title");
        for (const QString &from :
            { QStringLiteral("Form4"), QStringLiteral("riru"), QStringLiteral("Fsousa") }) {
            QTest::addRow("Ctrl+L in %s", qPrintable(from))
                << from << int(Qt::Key_L) << QStringLiteral("リーチ目表");
            QTest::addRow("Ctrl+T in %s", qPrintable(from))
                << from << int(Qt::Key_T) << QStringLiteral("練習");
            QTest::addRow("Ctrl+M in %s", qPrintable(from))
                << from << int(Qt::Key_M) << QStringLiteral("リーチ目コレクション");
            QTest::addRow("Ctrl+J in %s", qPrintable(from))
                << from << int(Qt::Key_J) << QStringLiteral("実戦");
        }
    }

    void shortcutsOpenWindowsFromAnyWindow()
    {
        QFETCH(QString, from);
        QFETCH(int, key);
        QFETCH(QString, title);
        StartedProgram started;
        const auto press = [key](QWidget *window) {
            window->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(window));
            QTest::keyClick(window, Qt::Key(key), Qt::ControlModifier);
        };
        // At the title window the request waits for the main window.
        QVERIFY(started.start(ui::WindowRequest::none,
            from == QStringLiteral("Form4") ? std::function<void(QWidget *)>(press) : nullptr));
        ui::MainWindow *main = started.program.mainWindow();
        QWidget *focused = main->focusWidget();
        if (from == QStringLiteral("riru")) {
            press(main);
        } else if (from == QStringLiteral("Fsousa")) {
            main->controller().Cmsousa_Click();
            press(main->helpWindow(reel::HelpWindow::Fsousa));
        }
        QWidget *opened = key == Qt::Key_L ? started.program.chartWindow()
            : key == Qt::Key_T             ? started.program.drillWindow()
            : key == Qt::Key_M             ? started.program.collectionWindow()
                                           : started.program.playWindow();
        QVERIFY(opened);
        QCOMPARE(opened->windowTitle(), title);
        QTRY_VERIFY(opened->isVisible());
        // The main window is as it was: no focus moved inside it.
        QCOMPARE(main->focusWidget(), focused);
        QVERIFY(started.exits.isEmpty());
    }

    // 実戦's menu offers its data counter and the collection; Ctrl+D there
    // opens the data counter on 実戦's machine, and every game of 実戦 goes on
    // to both: its row to the counter, its reach-me to the collection.
    void playFeedsItsDataAndTheCollection()
    {
        // A new machine and an empty collection.
        const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
        QFile::remove(QDir(records::machinefiles::folder(folder))
                          .filePath(records::machinefiles::kStateName));
        QFile::remove(QDir(folder).filePath(records::CollectionStore::kFileName));
        StartedProgram started;
        QVERIFY(started.start(
            ui::Request(ui::WindowRequest::play, ui::PlayRequest { 6, std::uint64_t(9) })));
        auto *play = qobject_cast<ui::PlayWindow *>(started.program.playWindow());
        QVERIFY(play);
        auto *menu = play->findChild<ui::ContextMenu *>();
        QVERIFY(menu);
        QStringList texts;
        for (const QAction *action : menu->menu()->actions())
            texts << action->text();
        QCOMPARE(texts,
            (QStringList { "リーチ目表…", "練習…", "実戦…", "データ…", "リーチ目コレクション…" }));

        play->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(play));
        QTest::keyClick(play, Qt::Key_D, Qt::ControlModifier);
        auto *data = qobject_cast<ui::data::DataWindow *>(started.program.dataWindow());
        QVERIFY(data);
        QTRY_VERIFY(data->isVisible());
        QCOMPARE(data->counter().games(), std::int64_t(play->history().rows().size()));

        // Games of another machine, as 実戦 announces its own.
        const auto run = records_test::playSeeded(6, 9, 600);
        records::ReachMeCollection expected;
        judge::PatternSet met;
        for (const machine::GameResult &game : run.games) {
            emit play->gameEnded(game);
            emit play->gameRecorded(records::rowOf(game));
            if (expected.record(records::rowOf(game), 0)
                != records::ReachMeCollection::Recorded::notCollectable)
                met.set(
                    std::size_t(judge::patternIndex(records::stopPattern(records::rowOf(game)))));
        }
        QVERIFY(met.any());
        QCOMPARE(data->counter().games(), std::int64_t(run.games.size()));
        QCOMPARE(started.program.collection().collected() & met, met);
        delete play; // lets the sitting's lock go for the next test
    }

    // `reachme --play --setting 6 --seed 9` on a machine not yet played:
    // 実戦 opens on that machine, with its context menu.
    void playRequestGivesANewMachine()
    {
        QFile::remove(QDir(records::machinefiles::folder(
                               QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)))
                          .filePath(records::machinefiles::kStateName));
        StartedProgram started;
        QVERIFY(started.start(
            ui::Request(ui::WindowRequest::play, ui::PlayRequest { 6, std::uint64_t(9) })));
        auto *play = qobject_cast<ui::PlayWindow *>(started.program.playWindow());
        QVERIFY(play);
        QTRY_VERIFY(play->isVisible());
        QCOMPARE(play->seed(), std::uint64_t(9));
        QCOMPARE(play->session().machine().state(), machine::newState(6, 9));
        QVERIFY(play->findChild<QMenu *>());
        // Asked again, the same window is raised.
        started.program.open(ui::WindowRequest::play);
        QCOMPARE(started.program.playWindow(), play);
        delete play; // lets the sitting's lock go for the next test
    }

    // The main window's menu offers every window, the collection last; it
    // opens beside the main window, and Enter on a pattern there puts the
    // reels on it, as the chart does.
    void collectionFromTheMenuToTheReels()
    {
        StartedProgram started;
        QVERIFY(started.start());
        ui::MainWindow *main = started.program.mainWindow();
        auto *menu = main->findChild<ui::ContextMenu *>();
        QVERIFY(menu);
        QStringList texts;
        for (const QAction *action : menu->menu()->actions())
            texts << action->text();
        QCOMPARE(texts, (QStringList { "リーチ目表…", "練習…", "実戦…", "リーチ目コレクション…" }));
        QCOMPARE(menu->menu()->actions().back(), started.program.collectionAction());

        started.program.collectionAction()->trigger();
        QWidget *window = started.program.collectionWindow();
        QVERIFY(window);
        QTRY_VERIFY(window->isVisible());
        auto *view = window->findChild<ui::ChartView *>();
        const QModelIndex j05 = view->model()->index(2, 0);
        const QModelIndex pattern = view->model()->index(0, 0, j05);
        const auto p = pattern.data(ui::ChartModel::patternRole).value<judge::Pattern>();
        view->setCurrentIndex(pattern);
        QTest::keyClick(view, Qt::Key_Return);
        const reel::WindowFields &fields = main->controller().fields();
        QCOMPARE((std::array<int, 3> { fields.r1jyoudan, fields.r2jyoudan, fields.r3jyoudan }),
            (std::array { p.left, p.centre, p.right }));
        started.program.open(ui::WindowRequest::collection);
        QCOMPARE(started.program.collectionWindow(), window);
    }

    void placesAreSavedOnTheWayOut_data()
    {
        QTest::addColumn<int>("request");
        QTest::newRow("chart") << int(ui::WindowRequest::chart);
        QTest::newRow("collection") << int(ui::WindowRequest::collection);
    }
    void placesAreSavedOnTheWayOut()
    {
        QFETCH(int, request);
        const auto window = [request](const ui::Program &program) {
            return request == int(ui::WindowRequest::chart) ? program.chartWindow()
                                                            : program.collectionWindow();
        };
        QSettings().clear();
        {
            StartedProgram started;
            QVERIFY(started.start(ui::WindowRequest(request)));
            QWidget *opened = window(started.program);
            QTRY_VERIFY(opened->isVisible());
            opened->setGeometry(40, 50, 700, 500);
            started.program.mainWindow()->controller().cmend_Click();
            QCOMPARE(started.exits, QList<int> { 0 });
        }
        StartedProgram again;
        QVERIFY(again.start(ui::WindowRequest(request)));
        QWidget *opened = window(again.program);
        QTRY_VERIFY(opened->isVisible());
        QCOMPARE(opened->geometry(), QRect(40, 50, 700, 500));
    }

    // The first time, a new window stands beside the main window, on the
    // screen, covering as little of it as its least size allows.
    void firstPlaceIsBesideMainWindow_data()
    {
        QTest::addColumn<int>("mainLeft"); // share of the free width left of it, in %
        QTest::addColumn<int>("width"); // share of the free width
        QTest::addColumn<int>("leastWidth");
        QTest::addColumn<bool>("right");
        QTest::addColumn<bool>("covers");
        QTest::newRow("room on the right") << 0 << 30 << 10 << true << false;
        QTest::newRow("room on the left only") << 70 << 30 << 10 << false << false;
        QTest::newRow("narrowed to the larger side") << 30 << 60 << 10 << true << false;
        QTest::newRow("too wide even at its least") << 30 << 60 << 50 << true << true;
    }

    void firstPlaceIsBesideMainWindow()
    {
        QFETCH(int, mainLeft);
        QFETCH(int, width);
        QFETCH(int, leastWidth);
        QFETCH(bool, right);
        QFETCH(bool, covers);
        QSettings().clear();
        const QRect free = QGuiApplication::primaryScreen()->availableGeometry();
        const auto share = [&free](int percent) { return free.width() * percent / 100; };
        QWidget main;
        main.setGeometry(free.left() + share(mainLeft), free.top() + 20, share(30), 200);
        main.show();
        QWidget window;
        window.setMinimumWidth(share(leastWidth));
        window.resize(share(width), 150);
        ui::restoreWindowPlace(&window, "test", &main);

        const QRect placed = window.geometry();
        QVERIFY2(free.contains(placed),
            qPrintable(QStringLiteral("%1,%2 %3x%4")
                           .arg(placed.x())
                           .arg(placed.y())
                           .arg(placed.width())
                           .arg(placed.height())));
        QVERIFY(placed.width() >= share(leastWidth));
        QCOMPARE(placed.center().x() > main.geometry().center().x(), right);
        QCOMPARE(placed.intersects(main.frameGeometry()), covers);
    }

    // The handler the program sets puts the main window's reels on the
    // pattern, and says why not while they turn.
    // A remembered place larger than the screen, or partly off it, comes back
    // inside the screen's free area.
    void restoredPlaceFitsTheScreen_data()
    {
        QTest::addColumn<QRect>("saved");
        QTest::newRow("huge") << QRect(10, 10, 100000, 100000);
        QTest::newRow("larger than the screen") << QRect(0, 0, 5000, 5000);
        QTest::newRow("partly off the left edge") << QRect(-200, 100, 600, 400);
    }
    void restoredPlaceFitsTheScreen()
    {
        QFETCH(QRect, saved);
        QWidget before;
        before.setGeometry(saved);
        QSettings().setValue("windows/test/geometry", before.saveGeometry());
        QWidget window;
        window.resize(300, 200);
        ui::restoreWindowPlace(&window, "test", nullptr);
        const QRect free = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY2(free.contains(window.geometry()),
            qPrintable(QStringLiteral("%1 %2").arg(window.width()).arg(window.height())));
        QCOMPARE(window.width(), std::min(saved.width(), free.width()));
    }

    void reelsHandlerMovesTheMainWindow()
    {
        ui::MainWindow main(uitest::stripPictures());
        const auto handler = ui::reelsHandler(main.controller());
        QCOMPARE(handler({ 3, 2, 14 }), QString());
        const reel::WindowFields &fields = main.controller().fields();
        QCOMPARE(fields.r1jyoudan, 3);
        QCOMPARE(fields.r2jyoudan, 2);
        QCOMPARE(fields.r3jyoudan, 14);
        main.controller().cmstart_Click();
        QCOMPARE(handler({ 1, 1, 1 }), QStringLiteral("リールが回っている間は移せません。"));
        main.controller().r1stop_Click();
        main.controller().r2stop_Click();
        main.controller().r3stop_Click();
        main.controller().autostart_Click();
        QCOMPARE(handler({ 1, 1, 1 }), QStringLiteral("オートプレイ中は移せません。"));
        main.controller().autostop_Click();
    }
};

QTEST_MAIN(ProgramTest)
#include "tst_program.moc"
