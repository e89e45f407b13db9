// The window "データ" after a game with 100 000 games in the history: the
// play window's addGame (the counter, the bonus history, the slump graph
// reduced for its plot's width and replaced, the setting's bars), alone and
// with the window painted after it, each game timed.
//
//   QT_QPA_PLATFORM=offscreen build/bin/bench_data_window [games]
//   build/bin/bench_data_window --screenshot FILE     (under xvfb-run, say)
//
// --screenshot plays 600 games of a seeded machine at a hidden setting, a
// player calling every reach-me, and saves a picture of the window instead.
#include "records/bonuscalls.h"
#include "ui/data/datawindow.h"
#include "ui/data/slumpchart.h"
#include "ui/pictures/strippictures.h"

#include "uitiming.h"

#include <QApplication>
#include <QLineSeries>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <vector>

namespace {

using benchui::Clock;
using benchui::ms;
using benchui::threadCpuMs;

constexpr int kHistory = 100'000;

void report(const char *what, std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    const auto at = [&times](double q) { return times[std::size_t(q * double(times.size() - 1))]; };
    double sum = 0;
    for (double t : times)
        sum += t;
    const auto within = std::upper_bound(times.begin(), times.end(), 4.0) - times.begin();
    std::printf(
        "  %-32s mean %5.2f ms  median %5.2f ms  p99 %5.2f ms  max %6.2f ms  ≤ 4 ms %5.1f %%\n",
        what, sum / double(times.size()), at(0.5), at(0.99), times.back(),
        100.0 * double(within) / double(times.size()));
}

// Games of a seeded machine with random presses, as reachme-sim plays it.
std::vector<records::GameRow> playedRows(int setting, std::uint64_t seed, int games)
{
    machine::Machine m(setting, seed);
    machine::Generator presses(seed, 77);
    std::vector<records::GameRow> rows;
    rows.reserve(std::size_t(games));
    for (int i = 0; i < games; ++i) {
        std::array<int, 3> p {};
        for (int &cell : p)
            cell = 1 + int(presses.below(21));
        rows.push_back(records::rowOf(m.play(p)));
    }
    return rows;
}

int run(const ui::StripPictures &pictures, int games)
{
    const auto rows = playedRows(6, 2024, kHistory + 2 * games);
    records::GameHistory history;
    history.reserve(rows.size());
    for (int i = 0; i < kHistory; ++i)
        history.append(rows[std::size_t(i)]);
    ui::data::DataWindow window(pictures);
    window.show();
    const Clock::time_point opened = Clock::now();
    window.setMachine(history, 6, true);
    window.repaint();
    std::printf(
        "setMachine with %d games, painted: %.1f ms\n", kHistory, ms(Clock::now() - opened));
    std::vector<double> alone, painted, graph, cpu;
    for (int i = 0; i < games; ++i) {
        const double cpuStart = threadCpuMs();
        const Clock::time_point start = Clock::now();
        window.addGame(rows[std::size_t(kHistory + 2 * i)]);
        alone.push_back(ms(Clock::now() - start));
        window.addGame(rows[std::size_t(kHistory + 2 * i + 1)]);
        window.repaint();
        const Clock::time_point second = Clock::now();
        cpu.push_back(threadCpuMs() - cpuStart);
        QApplication::processEvents();
        // The graph alone repainted, as after a game that changed nothing else
        // on the screen.
        const Clock::time_point graphStart = Clock::now();
        window.slumpChart()->viewport()->repaint();
        graph.push_back(ms(Clock::now() - graphStart));
        painted.push_back(ms(second - start) - alone.back());
    }
    const auto *line = window.slumpChart()->line();
    std::printf("%d games on a history of %d; the graph %d points across %d pixels:\n", 2 * games,
        kHistory, int(line->count()), window.slumpChart()->plotWidth());
    report("addGame", alone);
    report("addGame, the whole window painted", painted);
    report("  UI thread's CPU, both games", cpu);
    report("the slump graph repainted", graph);
    return 0;
}

int screenshot(const ui::StripPictures &pictures, const QString &file)
{
    const auto rows = playedRows(5, 31, 600);
    ui::data::DataWindow window(pictures);
    window.setMachine({}, 5, true);
    records::BonusCalls calls;
    for (const records::GameRow &row : rows) {
        calls.nextLever();
        calls.gameEnded(row);
        window.addGame(row);
        if (records::showsReachMe(row) && row.game % 3 != 0)
            calls.call();
    }
    window.setCalls(calls.figures());
    window.show();
    QApplication::processEvents();
    window.repaint();
    return benchui::saveScreenshot(window, file);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const ui::StripPictures pictures
        = ui::loadStripPicturesFrom(QStringLiteral(REACHME_DATA_DIR), app.devicePixelRatio());
    if (!pictures.loaded()) {
        std::fprintf(stderr, "%s\n", qPrintable(pictures.errorMessage()));
        return 1;
    }
    const QStringList args = app.arguments();
    if (args.size() == 3 && args[1] == QStringLiteral("--screenshot"))
        return screenshot(pictures, args[2]);
    return run(pictures, args.size() > 1 ? std::max(1, args[1].toInt()) : 1000);
}
