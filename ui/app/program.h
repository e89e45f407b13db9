// The program's windows: the title window, then the main window, and the
// chart, the drill, 実戦 with its データ and the collection, opened on request
// once the main window stands; and the player's reach-me collection they share.
#pragma once

#include "ui/chart/chartwindow.h"
#include "ui/classic/lifetime.h"
#include "ui/pictures/strippictures.h"

#include <QObject>
#include <QPointer>

#include <cstdint>
#include <memory>
#include <optional>

class QAction;

namespace ui {

class CollectionKeeper;
class MainWindow;
class PlayWindow;
namespace data {
class DataWindow;
}

// What a start of the program (or a later start handed to the running one)
// asks for besides the main window.
enum class WindowRequest { none, chart, drill, play, collection };

// With 実戦: a new machine, when a setting or a seed is given.
struct PlayRequest {
    std::optional<int> setting; // 1..6; empty: as the play window's settings choose
    std::optional<std::uint64_t> seed;
    bool newMachine() const { return setting || seed; }
    bool operator==(const PlayRequest &) const = default;
};

struct Request {
    Request(WindowRequest window = WindowRequest::none, PlayRequest play = {})
        : window(window)
        , play(play)
    { }
    WindowRequest window;
    PlayRequest play;
    bool operator==(const Request &) const = default;
};

class Program : public QObject {
    Q_OBJECT
public:
    explicit Program(Lifetime &lifetime);
    ~Program() override;

    // Shows the title window. Its OK opens the main window, or reports a
    // strip picture that cannot be used and ends the program with status 1;
    // then the window asked for opens beside it.
    void start(const Request &request = {});

    // Opens (or raises) the chart, the drill, 実戦 or the collection now, or
    // as soon as the main window is open. 実戦 asked for with a new machine is
    // handed it.
    void open(const Request &request);

    MainWindow *mainWindow() const;
    QWidget *chartWindow() const;
    QWidget *drillWindow() const;
    QWidget *playWindow() const;
    QWidget *dataWindow() const;
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
    void openPlay(const PlayRequest &request);
    void openData();
    void feedData();
    void openCollection();
    void raise(QWidget *window);
    void savePlaces();

    Lifetime &m_lifetime;
    StripPictures m_pictures;
    QPointer<MainWindow> m_main;
    QPointer<QWidget> m_chart;
    QPointer<QWidget> m_drill;
    QPointer<PlayWindow> m_play;
    QPointer<data::DataWindow> m_data;
    QPointer<QWidget> m_collectionWindow;
    std::unique_ptr<CollectionKeeper> m_collection; // outlives the windows
    Request m_pending;
    QAction *m_chartAction = nullptr;
    QAction *m_drillAction = nullptr;
    QAction *m_playAction = nullptr;
    QAction *m_collectionAction = nullptr;
    QAction *m_dataAction = nullptr;
};

} // namespace ui
