// The printed chart's speed and size, with the strip pictures from data/:
//
//   bench_chart_pdf [--runs N]
//
// Each run selects the patterns, cuts the cell pictures and prints them to a
// PDF in memory, as the chart tool does; the figures are the time of the
// whole run and the size of the PDF, for all patterns and for categories 2–4.
#include "judge/patternfilter.h"
#include "ui/chart/chartprinter.h"
#include "ui/pictures/cellpictures.h"
#include "ui/pictures/strippictures.h"

#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QPdfWriter>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

struct Selection {
    const char *name;
    std::vector<int> categories; // empty: all
};

qint64 printOnce(const Selection &selection, double &milliseconds)
{
    QElapsedTimer clock;
    clock.start();
    judge::PatternFilter filter;
    for (int category : selection.categories)
        filter.categories.set(std::size_t(category));
    const ui::CellPictures cells(ui::loadStripPictures());
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        ui::printChart(writer, judge::selectPatterns(filter), cells);
    }
    milliseconds = double(clock.nsecsElapsed()) / 1e6;
    return buffer.size();
}

} // namespace

int main(int argc, char **argv)
{
    int runs = 5;
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], "--runs") == 0)
            runs = std::max(1, std::atoi(argv[i + 1]));
    QGuiApplication app(argc, argv);
    QDir::setCurrent(REACHME_DATA_DIR);
    const std::vector<Selection> selections { { "all 9261 patterns", {} },
        { "categories 2-4", { 2, 3, 4 } } };
    for (const Selection &selection : selections) {
        std::vector<double> times;
        qint64 bytes = 0;
        for (int run = 0; run < runs; ++run) {
            double ms = 0;
            bytes = printOnce(selection, ms);
            times.push_back(ms);
        }
        std::sort(times.begin(), times.end());
        std::printf("%-18s runs %d  median %.0f ms  max %.0f ms  PDF %.2f MB (%lld bytes)\n",
            selection.name, runs, times[times.size() / 2], times.back(), double(bytes) / 1e6,
            static_cast<long long>(bytes));
    }
    return 0;
}
