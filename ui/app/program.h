// The program's windows: the title window, then the main window, and the
// chart, the drill and the collection, opened on request once the main
// window stands; and the player's reach-me collection they share.
#pragma once

#include "ui/chart/chartwindow.h"
#include "ui/classic/lifetime.h"
#include "ui/pictures/strippictures.h"

#include <QObject>
#include <QPointer>

#include <memory>

class QAction;

namespace ui {

class CollectionKeeper;
class MainWindow;

// What a start of the program (or a later start handed to the running one)
// asks for besides the main window.
enum class WindowRequest { none, chart, drill, collection };

class Program : public QObject {
    Q_OBJECT
public:
    explicit Program(Lifetime &lifetime);
    ~Program() override;

    // Shows the title window. Its OK opens the main window, or reports a
    // strip picture that cannot be used and ends the program with status 1;
    // then the window asked for opens beside it.
    void start(WindowRequest request = WindowRequest::none);

    // Opens (or raises) the chart, the drill or the collection now, or as
    // soon as the main window is open.
    void open(WindowRequest request);

    MainWindow *mainWindow() const;
    QWidget *chartWindow() const;
    QWidget *drillWindow() const;
    QWidget *collectionWindow() const;

    // The player's reach-me collection, opened on first use and kept (with
    // its file's lock) until the program ends. 実戦 hands it every game.
    CollectionKeeper &collection();
    // "リーチ目コレクション…" (Ctrl+M), for the menus of other windows.
    QAction *collectionAction() const { return m_collectionAction; }

    // Reads the pictures and opens the main window; false after the report
    // when a picture cannot be used.
    bool openMainWindow();

private:
    void makeProgramActions();
    // Puts the main window's reels on a pattern chosen in a list.
    ChartWindow::PatternHandler reelsOfMainWindow();
    void openChart();
    void openDrill();
    void openCollection();
    void raise(QWidget *window);
    void savePlaces();

    Lifetime &m_lifetime;
    StripPictures m_pictures;
    QPointer<MainWindow> m_main;
    QPointer<QWidget> m_chart;
    QPointer<QWidget> m_drill;
    QPointer<QWidget> m_collectionWindow;
    std::unique_ptr<CollectionKeeper> m_collection; // outlives the windows
    WindowRequest m_pending = WindowRequest::none;
    QAction *m_chartAction = nullptr;
    QAction *m_drillAction = nullptr;
    QAction *m_collectionAction = nullptr;
};

} // namespace ui
