// The program's windows: the title window, then the main window, and the
// chart, the drill and 実戦, opened on request once the main window stands.
#pragma once

#include "ui/classic/lifetime.h"
#include "ui/pictures/strippictures.h"

#include <QObject>
#include <QPointer>

#include <cstdint>
#include <optional>

class QAction;

namespace ui {

class MainWindow;
class PlayWindow;

// What a start of the program (or a later start handed to the running one)
// asks for besides the main window.
enum class WindowRequest { none, chart, drill, play };

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

    // Opens (or raises) the chart, the drill or 実戦 now, or as soon as the
    // main window is open. 実戦 asked for with a new machine is handed it.
    void open(const Request &request);

    MainWindow *mainWindow() const;
    QWidget *chartWindow() const;
    QWidget *drillWindow() const;
    QWidget *playWindow() const;

    // Reads the pictures and opens the main window; false after the report
    // when a picture cannot be used.
    bool openMainWindow();

private:
    void makeProgramActions();
    void openChart();
    void openDrill();
    void openPlay(const PlayRequest &request);
    void raise(QWidget *window);
    void savePlaces();

    Lifetime &m_lifetime;
    StripPictures m_pictures;
    QPointer<MainWindow> m_main;
    QPointer<QWidget> m_chart;
    QPointer<QWidget> m_drill;
    QPointer<PlayWindow> m_play;
    Request m_pending;
    QAction *m_chartAction = nullptr;
    QAction *m_drillAction = nullptr;
    QAction *m_playAction = nullptr;
};

} // namespace ui
