// The chart and the drill windows of the program.
#include "ui/program.h"

#include "ui/chart/chartwindow.h"
#include "ui/drill/drillwindow.h"
#include "ui/mainwindow.h"
#include "ui/windowplacement.h"

#include <QEvent>
#include <QStandardPaths>

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

void Program::openChart()
{
    if (!m_chart) {
        auto *chart = new ChartWindow(m_pictures);
        chart->setPatternHandler([this](judge::Pattern pattern) {
            QString refusal;
            // Putting the reels on a pattern runs the main window's own
            // judgement: a run-time error there ends the program as a
            // button's would.
            m_lifetime.run([&] {
                if (m_main)
                    refusal = reelsHandler(m_main->controller())(pattern);
            });
            return refusal;
        });
        new PlaceKeeper(chart, "chart");
        restoreWindowPlace(chart, "chart", m_main);
        m_chart = chart;
    }
    raise(m_chart);
}

void Program::openDrill()
{
    if (!m_drill) {
        // The drill holds its progress file's lock while it exists: closing
        // it lets another copy of the program take the file.
        auto *drill = new DrillWindow(
            m_pictures, QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
        drill->setAttribute(Qt::WA_DeleteOnClose);
        new PlaceKeeper(drill, "drill");
        restoreWindowPlace(drill, "drill", m_main);
        m_drill = drill;
    }
    raise(m_drill);
}

void Program::savePlaces()
{
    if (m_chart)
        saveWindowPlace(m_chart, "chart");
    if (m_drill)
        saveWindowPlace(m_drill, "drill");
}

} // namespace ui
