// The chart window's speed and memory, with the strip pictures from data/:
//
//   bench_chart_window [--runs N] [--pages N] [--grab FILE [--category N] [--search TEXT]]
//
// Each run builds a window, shows it and times show() → the end of its first
// paint (the view's viewport painted and every paint of that round done),
// then scrolls page by page and times each page's repaint. Resident memory
// is read before the window is built and after the last page. --grab saves
// the window after the first run, filtered by --category and --search.
#include "ui/app/chartreels.h"
#include "ui/chart/chartview.h"
#include "ui/chart/chartwindow.h"
#include "ui/chart/filterpanel.h"
#include "ui/classic/classiclook.h"
#include "ui/classic/mainwindow.h"
#include "ui/pictures/strippictures.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QScrollBar>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

namespace {

// Resident set size in KiB, from /proc.
long residentKiB()
{
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').front().toLong();
    return -1;
}

// Notes when the chart's viewport has finished a paint event.
class PaintWatch : public QApplication {
public:
    using QApplication::QApplication;
    QWidget *watched = nullptr;
    qint64 paintEnd = -1;
    QElapsedTimer clock;

    bool notify(QObject *receiver, QEvent *event) override
    {
        const bool result = QApplication::notify(receiver, event);
        if (event->type() == QEvent::Paint && receiver == watched && paintEnd < 0)
            paintEnd = clock.nsecsElapsed();
        return result;
    }
};

// This thread's CPU time: what a repaint costs, whatever else the machine
// runs.
double threadCpuMs()
{
    timespec now {};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

double percentile(std::vector<double> values, double p)
{
    std::sort(values.begin(), values.end());
    return values[std::min(values.size() - 1, std::size_t(p * double(values.size() - 1) + 0.5))];
}

} // namespace

int main(int argc, char *argv[])
{
    const bool userChoseStyle = ui::styleChosenByUser(argc, argv);
    PaintWatch app(argc, argv);
    ui::applyClassicLook(userChoseStyle);
    int runs = 5;
    int pages = 60;
    QString grabFile;
    QString search;
    int category = 0;
    const QStringList args = app.arguments();
    for (int i = 1; i + 1 < args.size(); ++i) {
        if (args[i] == "--runs")
            runs = args[i + 1].toInt();
        else if (args[i] == "--pages")
            pages = args[i + 1].toInt();
        else if (args[i] == "--grab")
            grabFile = args[i + 1];
        else if (args[i] == "--search")
            search = args[i + 1];
        else if (args[i] == "--category")
            category = args[i + 1].toInt();
    }

    const ui::StripPictures pictures
        = ui::loadStripPicturesFrom(QStringLiteral(REACHME_DATA_DIR), qApp->devicePixelRatio());
    if (!pictures.loaded()) {
        std::fprintf(stderr, "%s\n", qPrintable(pictures.errorMessage()));
        return 2;
    }
    // The program's own main window stands, as when the chart is opened.
    ui::MainWindow mainWindow(pictures);
    mainWindow.showCentred();
    for (int i = 0; i < 20; ++i)
        QCoreApplication::processEvents();
    const long before = residentKiB();

    std::printf("platform %s\n", qPrintable(QGuiApplication::platformName()));
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer build;
        build.start();
        ui::ChartWindow window(pictures);
        const double buildMs = double(build.nsecsElapsed()) / 1e6;
        const long built = residentKiB();
        window.setPatternHandler(ui::reelsHandler(mainWindow.controller()));
        app.watched = window.view()->viewport();
        app.paintEnd = -1;
        app.clock.start();
        window.show();
        while (app.paintEnd < 0)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        const double viewportMs = double(app.paintEnd) / 1e6;
        QCoreApplication::processEvents(); // the rest of that round's paints and the flush
        const double firstPaintMs = double(app.clock.nsecsElapsed()) / 1e6;
        const long painted = residentKiB();

        QScrollBar *bar = window.view()->verticalScrollBar();
        std::vector<double> pageMs;
        std::vector<double> pageCpuMs;
        for (int page = 0; page < pages && bar->value() < bar->maximum(); ++page) {
            app.clock.start();
            const double cpuStart = threadCpuMs();
            bar->setValue(bar->value() + bar->pageStep());
            window.view()->viewport()->repaint();
            pageMs.push_back(double(app.clock.nsecsElapsed()) / 1e6);
            pageCpuMs.push_back(threadCpuMs() - cpuStart);
        }
        std::printf(
            "run %d: build %.1f ms, show→viewport painted %.1f ms, show→first paint done "
            "%.1f ms; page repaint median %.2f ms p95 %.2f ms max %.2f ms, CPU p95 %.2f ms max "
            "%.2f ms (%zu pages, %d px a page)\n",
            run + 1, buildMs, viewportMs, firstPaintMs, percentile(pageMs, 0.5),
            percentile(pageMs, 0.95), *std::max_element(pageMs.begin(), pageMs.end()),
            percentile(pageCpuMs, 0.95), *std::max_element(pageCpuMs.begin(), pageCpuMs.end()),
            pageMs.size(), bar->pageStep());
        if (run == 0)
            std::printf("resident: %.1f MiB before; +%.1f MiB built, +%.1f MiB shown and painted, "
                        "+%.1f MiB after scrolling\n",
                before / 1024.0, (built - before) / 1024.0, (painted - before) / 1024.0,
                (residentKiB() - before) / 1024.0);
    }
    if (!grabFile.isEmpty()) {
        ui::ChartWindow window(pictures);
        window.filters()->categoryBox()->setCurrentIndex(category);
        window.filters()->searchField()->setText(search);
        window.show();
        for (int i = 0; i < 20; ++i)
            QCoreApplication::processEvents();
        window.grab().save(grabFile);
    }
    return 0;
}
