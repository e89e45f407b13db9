#include "ui/app/program.h"

#include "ui/app/chartreels.h"
#include "ui/app/contextmenu.h"
#include "ui/app/windowplacement.h"
#include "ui/chart/chartwindow.h"
#include "ui/classic/mainwindow.h"
#include "ui/classic/titlewindow.h"
#include "ui/collection/collectionkeeper.h"
#include "ui/collection/collectionwindow.h"
#include "ui/common/settings.h"
#include "ui/data/datawindow.h"
#include "ui/drill/drillwindow.h"
#include "ui/play/playwindow.h"

#include <QAction>
#include <QCoreApplication>
#include <QEvent>

namespace ui {

namespace {

// Remembers a window's place whenever it is closed.
class PlaceKeeper : public QObject {
public:
    PlaceKeeper(QWidget *window, const char *key)
        : QObject(window)
        , m_key(key)
    {
        window->installEventFilter(this);
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Close)
            saveWindowPlace(static_cast<QWidget *>(watched), m_key);
        return false;
    }

private:
    const char *m_key;
};

} // namespace

Program::Program(Lifetime &lifetime)
    : m_lifetime(lifetime)
{
    // The newer windows come back where the player left them.
    m_lifetime.atEnd([this] { savePlaces(); });
    makeProgramActions();
}

Program::~Program()
{
    delete m_chart.data();
    delete m_drill.data();
    delete m_data.data();
    delete m_play.data();
    delete m_collectionWindow.data();
    delete m_main.data();
}

MainWindow *Program::mainWindow() const { return m_main; }
QWidget *Program::chartWindow() const { return m_chart; }
QWidget *Program::drillWindow() const { return m_drill; }
QWidget *Program::playWindow() const { return m_play; }

QWidget *Program::dataWindow() const { return m_data; }

QWidget *Program::collectionWindow() const { return m_collectionWindow; }

CollectionKeeper &Program::collection()
{
    if (!m_collection)
        m_collection = std::make_unique<CollectionKeeper>(settings::dataFolder());
    return *m_collection;
}

void Program::start(const Request &request)
{
    m_pending = request;
    auto *title = new TitleWindow([this] { openMainWindow(); }, [this] { m_lifetime.end(0); });
    // Asked for at the title window, the chart, the drill, 実戦 or the
    // collection opens after it.
    title->addActions({ m_chartAction, m_drillAction, m_playAction, m_collectionAction });
    title->showCentred();
}

bool Program::openMainWindow()
{
    m_pictures = loadStripPictures();
    if (!m_pictures.loaded()) {
        m_lifetime.fail(m_pictures.errorMessage());
        return false;
    }
    m_main = new MainWindow(m_pictures, &m_lifetime);
    m_main->setAttribute(Qt::WA_DeleteOnClose);
    m_main->addActions({ m_chartAction, m_drillAction, m_playAction, m_collectionAction });
    new ContextMenu(m_main, { m_chartAction, m_drillAction, m_playAction, m_collectionAction });
    m_main->showCentred();
    const Request pending = std::exchange(m_pending, Request());
    open(pending);
    return true;
}

void Program::open(const Request &request)
{
    if (request.window == WindowRequest::none)
        return;
    if (!m_main) {
        // Still at the title window: the request waits for the main window.
        m_pending = request;
        return;
    }
    switch (request.window) {
    case WindowRequest::chart: openChart(); break;
    case WindowRequest::drill: openDrill(); break;
    case WindowRequest::play: openPlay(request.play); break;
    case WindowRequest::collection: openCollection(); break;
    case WindowRequest::none: break;
    }
}

// The chart, the drill and the collection are reached without a control of
// the main window's own: a right-click menu and shortcuts that work in every
// window.
void Program::makeProgramActions()
{
    m_chartAction = new QAction(QStringLiteral("リーチ目表…"), this);
    m_chartAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
    m_chartAction->setShortcutContext(Qt::ApplicationShortcut);
    connect(m_chartAction, &QAction::triggered, this, [this] { open(WindowRequest::chart); });
    m_drillAction = new QAction(QStringLiteral("練習…"), this);
    m_drillAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
    m_drillAction->setShortcutContext(Qt::ApplicationShortcut);
    connect(m_drillAction, &QAction::triggered, this, [this] { open(WindowRequest::drill); });
    // 実戦's own: its data counter, from its menus and by Ctrl+D there.
    m_dataAction = new QAction(QStringLiteral("データ…"), this);
    m_dataAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
    m_dataAction->setShortcutContext(Qt::WindowShortcut);
    connect(m_dataAction, &QAction::triggered, this, &Program::openData);

    m_playAction = new QAction(QStringLiteral("実戦…"), this);
    m_playAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_J));
    m_playAction->setShortcutContext(Qt::ApplicationShortcut);
    connect(m_playAction, &QAction::triggered, this, [this] { open(WindowRequest::play); });

    m_collectionAction = new QAction(QStringLiteral("リーチ目コレクション…"), this);
    m_collectionAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_M));
    m_collectionAction->setShortcutContext(Qt::ApplicationShortcut);
    connect(
        m_collectionAction, &QAction::triggered, this, [this] { open(WindowRequest::collection); });
}

ChartWindow::PatternHandler Program::reelsOfMainWindow()
{
    return [this](judge::Pattern pattern) {
        QString refusal;
        // Putting the reels on a pattern runs the main window's own
        // judgement: a run-time error there ends the program as a button's
        // would.
        m_lifetime.run([&] {
            if (m_main)
                refusal = reelsHandler(m_main->controller())(pattern);
        });
        return refusal;
    };
}

void Program::openChart()
{
    if (!m_chart) {
        auto *chart = new ChartWindow(m_pictures);
        chart->setPatternHandler(reelsOfMainWindow());
        // 実戦で見た / まだ見ていない follow the collection.
        const auto feed = [this, chart] {
            chart->setSeenPatterns(m_collection->collected(), CollectionKeeper::collectable());
        };
        connect(&collection(), &CollectionKeeper::changed, chart, feed);
        feed();
        new PlaceKeeper(chart, settings::kChartWindow);
        restoreWindowPlace(chart, settings::kChartWindow, m_main);
        m_chart = chart;
    }
    raise(m_chart);
}

void Program::openDrill()
{
    if (!m_drill) {
        // The drill holds its progress file's lock while it exists: closing
        // it lets another copy of the program take the file.
        auto *drill = new DrillWindow(m_pictures, settings::dataFolder());
        drill->setAttribute(Qt::WA_DeleteOnClose);
        // Its option to ask the reach-me patterns met in play first.
        const auto feed = [this, drill] { drill->setMetInPlay(m_collection->collected()); };
        connect(&collection(), &CollectionKeeper::changed, drill, feed);
        feed();
        new PlaceKeeper(drill, settings::kDrillWindow);
        restoreWindowPlace(drill, settings::kDrillWindow, m_main);
        m_drill = drill;
    }
    raise(m_drill);
}

void Program::openPlay(const PlayRequest &request)
{
    if (!m_play) {
        // Like the drill, 実戦 holds its sitting's lock while it exists.
        auto *play = new PlayWindow(m_pictures, settings::dataFolder());
        play->setAttribute(Qt::WA_DeleteOnClose);
        play->addAction(m_dataAction);
        new ContextMenu(
            play, { m_chartAction, m_drillAction, m_playAction, m_dataAction, m_collectionAction });
        // Every normal game's reach-me goes into the collection, whose
        // figures follow the control option.
        connect(play, &PlayWindow::gameEnded, &collection(), &CollectionKeeper::recordGame);
        connect(play, &PlayWindow::settingsApplied, &collection(),
            &CollectionKeeper::readControlOption);
        new PlaceKeeper(play, settings::kPlayWindow);
        restoreWindowPlace(play, settings::kPlayWindow, m_main);
        m_play = play;
        if (m_data)
            feedData();
    }
    raise(m_play);
    if (request.newMachine())
        m_play->requestNewMachine(request.setting, request.seed);
}

void Program::openData()
{
    if (!m_play)
        openPlay({});
    if (!m_data) {
        auto *data = new data::DataWindow(m_pictures);
        new PlaceKeeper(data, settings::kDataWindow);
        restoreWindowPlace(data, settings::kDataWindow, m_play);
        m_data = data;
        feedData();
    }
    raise(m_data);
}

// The data window shows the machine of 実戦 (a window of 実戦 closed and
// opened again has its machine read anew) and follows every game of it.
void Program::feedData()
{
    PlayWindow *sitting = m_play;
    data::DataWindow *shown = m_data;
    const auto showMachine = [sitting, shown] {
        shown->setMachine(sitting->history(), sitting->machineSetting(), !sitting->settingShown());
        shown->setCalls(sitting->session().calls());
    };
    showMachine();
    connect(sitting, &PlayWindow::gameRecorded, shown, &data::DataWindow::addGame);
    connect(sitting, &PlayWindow::callMade, shown,
        [shown](play::Call, const records::CallFigures &figures) { shown->setCalls(figures); });
    connect(sitting, &PlayWindow::machineReplaced, shown, showMachine);
    connect(sitting, &PlayWindow::settingRevealed, shown, showMachine);
}

void Program::openCollection()
{
    if (!m_collectionWindow) {
        auto *window = new CollectionWindow(m_pictures, collection());
        window->setPatternHandler(reelsOfMainWindow());
        new PlaceKeeper(window, settings::kCollectionWindow);
        restoreWindowPlace(window, settings::kCollectionWindow, m_main);
        m_collectionWindow = window;
    }
    raise(m_collectionWindow);
}

void Program::savePlaces()
{
    if (m_chart)
        saveWindowPlace(m_chart, settings::kChartWindow);
    if (m_drill)
        saveWindowPlace(m_drill, settings::kDrillWindow);
    if (m_play)
        saveWindowPlace(m_play, settings::kPlayWindow);
    if (m_data)
        saveWindowPlace(m_data, settings::kDataWindow);
    if (m_collectionWindow)
        saveWindowPlace(m_collectionWindow, settings::kCollectionWindow);
}

void Program::raise(QWidget *window)
{
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace ui
