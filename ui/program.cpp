#include "ui/program.h"

#include "ui/contextmenu.h"
#include "ui/mainwindow.h"
#include "ui/titlewindow.h"

#include <QAction>
#include <QCoreApplication>

namespace ui {

Program::Program(Lifetime &lifetime)
    : m_lifetime(lifetime)
{
    // The newer windows come back where the player left them.
    m_lifetime.atEnd([this] { savePlaces(); });
}

Program::~Program()
{
    delete m_chart.data();
    delete m_drill.data();
    delete m_main.data();
}

MainWindow *Program::mainWindow() const { return m_main; }
QWidget *Program::chartWindow() const { return m_chart; }
QWidget *Program::drillWindow() const { return m_drill; }

void Program::start(WindowRequest request)
{
    m_pending = request;
    auto *title = new TitleWindow([this] { openMainWindow(); }, [this] { m_lifetime.end(0); });
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
    addProgramActions();
    m_main->showCentred();
    const WindowRequest pending = std::exchange(m_pending, WindowRequest::none);
    open(pending);
    return true;
}

void Program::open(WindowRequest request)
{
    if (request == WindowRequest::none)
        return;
    if (!m_main) {
        // Still at the title window: the request waits for the main window.
        m_pending = request;
        return;
    }
    if (request == WindowRequest::chart)
        openChart();
    else
        openDrill();
}

// The chart and the drill are reached without a control of the main window's
// own: a right-click menu and shortcuts that work in every window.
void Program::addProgramActions()
{
    auto *chart = new QAction(QStringLiteral("リーチ目表…"), m_main);
    chart->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
    chart->setShortcutContext(Qt::ApplicationShortcut);
    connect(chart, &QAction::triggered, this, [this] { open(WindowRequest::chart); });
    auto *drill = new QAction(QStringLiteral("練習…"), m_main);
    drill->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
    drill->setShortcutContext(Qt::ApplicationShortcut);
    connect(drill, &QAction::triggered, this, [this] { open(WindowRequest::drill); });
    m_main->addActions({ chart, drill });
    new ContextMenu(m_main, { chart, drill });
}

void Program::raise(QWidget *window)
{
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace ui
