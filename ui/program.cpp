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
    makeProgramActions();
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
    // Asked for at the title window, the chart or the drill opens after it.
    title->addActions({ m_chartAction, m_drillAction });
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
    m_main->addActions({ m_chartAction, m_drillAction });
    new ContextMenu(m_main, { m_chartAction, m_drillAction });
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
}

void Program::raise(QWidget *window)
{
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace ui
