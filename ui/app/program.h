// The program's windows: the title window, then the main window, and the
// chart and the drill, opened on request once the main window stands.
#pragma once

#include "ui/classic/lifetime.h"
#include "ui/pictures/strippictures.h"

#include <QObject>
#include <QPointer>

class QAction;

namespace ui {

class MainWindow;

// What a start of the program (or a later start handed to the running one)
// asks for besides the main window.
enum class WindowRequest { none, chart, drill };

class Program : public QObject {
    Q_OBJECT
public:
    explicit Program(Lifetime &lifetime);
    ~Program() override;

    // Shows the title window. Its OK opens the main window, or reports a
    // strip picture that cannot be used and ends the program with status 1;
    // then the window asked for opens beside it.
    void start(WindowRequest request = WindowRequest::none);

    // Opens (or raises) the chart or the drill now, or as soon as the main
    // window is open.
    void open(WindowRequest request);

    MainWindow *mainWindow() const;
    QWidget *chartWindow() const;
    QWidget *drillWindow() const;

    // Reads the pictures and opens the main window; false after the report
    // when a picture cannot be used.
    bool openMainWindow();

private:
    void makeProgramActions();
    void openChart();
    void openDrill();
    void raise(QWidget *window);
    void savePlaces();

    Lifetime &m_lifetime;
    StripPictures m_pictures;
    QPointer<MainWindow> m_main;
    QPointer<QWidget> m_chart;
    QPointer<QWidget> m_drill;
    WindowRequest m_pending = WindowRequest::none;
    QAction *m_chartAction = nullptr;
    QAction *m_drillAction = nullptr;
};

} // namespace ui
