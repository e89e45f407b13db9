// The play window 実戦 as a player meets it, the real window with the strip
// pictures from data/:
//
//   frames   three reels turning for a while: the frames painted, their
//            intervals, and the process's CPU time as a share of one core
//   lever    the lever's key → the first paint that shows the reels moved
//   open     the window made and shown → its first paint
//   stops    1000 presses (whole games: 1002) by key events with known
//            window-system stamps on a hand-driven reel clock: the press
//            cell computed from each stamp, and each reel at rest within
//            190 ms of its press
//
//   bench_play_window [frames SECONDS | lever N | open N | stops N] ...
// With no arguments: frames 10, lever 30, open 20, stops 1000.
#include "play/store/sessionstore.h"
#include "ui/classic/classiclook.h"
#include "ui/pictures/strippictures.h"
#include "ui/play/playwindow.h"
#include "ui/play/reelview.h"

#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QScreen>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <sys/resource.h>
#include <vector>

namespace {

using Steady = std::chrono::steady_clock;

double msSince(Steady::time_point from)
{
    return std::chrono::duration<double, std::milli>(Steady::now() - from).count();
}

double cpuSeconds()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
        + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

void report(const char *what, std::vector<double> times)
{
    if (times.empty())
        return;
    std::sort(times.begin(), times.end());
    const auto at = [&times](double q) { return times[std::size_t(q * double(times.size() - 1))]; };
    const auto within = std::upper_bound(times.begin(), times.end(), 20.0) - times.begin();
    std::printf("  %-38s n %5zu  median %7.2f ms  p99 %7.2f ms  max %7.2f ms  ≤ 20 ms %5.1f %%\n",
        what, times.size(), at(0.5), at(0.99), times.back(),
        100.0 * double(within) / double(times.size()));
}

// Counts the reel view's paints and when each began.
class PaintWatch : public QObject {
public:
    explicit PaintWatch(QWidget *view) { view->installEventFilter(this); }
    std::vector<Steady::time_point> paints;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            paints.push_back(Steady::now());
        return false;
    }
};

void key(QWidget *window, int code, quint64 stamp = 0)
{
    QKeyEvent down(QEvent::KeyPress, code, Qt::NoModifier);
    down.setTimestamp(stamp);
    QApplication::sendEvent(window, &down);
    QKeyEvent up(QEvent::KeyRelease, code, Qt::NoModifier);
    up.setTimestamp(stamp);
    QApplication::sendEvent(window, &up);
}

void runFor(double seconds)
{
    QEventLoop loop;
    QTimer::singleShot(int(seconds * 1000), Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

void frames(const ui::StripPictures &pictures, double seconds)
{
    QTemporaryDir folder;
    ui::PlayWindow window(pictures, folder.path());
    window.show();
    runFor(0.5);
    const QScreen *screen = window.screen();
    PaintWatch watch(window.reelView());
    const double cpu0 = cpuSeconds();
    const Steady::time_point start = Steady::now();
    key(&window, Qt::Key_Up);
    runFor(seconds);
    const double wall = msSince(start) / 1000, cpu = cpuSeconds() - cpu0;
    std::vector<double> intervals;
    for (std::size_t i = 1; i < watch.paints.size(); ++i)
        intervals.push_back(
            std::chrono::duration<double, std::milli>(watch.paints[i] - watch.paints[i - 1])
                .count());
    const double rate = screen ? screen->refreshRate() : 0;
    std::printf("frames: %s, scale %.2f, screen %.2f Hz, %.1f s turning\n",
        qPrintable(QGuiApplication::platformName()), window.devicePixelRatioF(), rate, wall);
    std::printf(
        "  paints %zu (%.2f a second)\n", watch.paints.size(), double(watch.paints.size()) / wall);
    report("interval between paints", intervals);
    std::printf("  CPU %.2f %% of one core (user + system, whole process)\n", 100 * cpu / wall);
}

// Stops the reels by key as soon as each can be stopped; returns once they stand.
void stopReels(ui::PlayWindow &window)
{
    const play::Session &s = window.session();
    const int keys[3] = { Qt::Key_Left, Qt::Key_Down, Qt::Key_Right };
    for (int reel = 0; reel < 3; ++reel) {
        while (!s.isLit(play::Control(int(play::Control::stopLeft) + reel)))
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        key(&window, keys[reel]);
    }
    while (s.turning())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

void leverToMoving(const ui::StripPictures &pictures, int samples)
{
    QTemporaryDir folder;
    ui::PlayWindow window(pictures, folder.path());
    window.show();
    runFor(0.5);
    PaintWatch watch(window.reelView());
    std::vector<double> latencies;
    for (int i = 0; i < samples; ++i) {
        const std::array<qreal, 3> rest = window.reelView()->rows();
        const Steady::time_point start = Steady::now();
        key(&window, Qt::Key_Up);
        // Each pass paints what the frame moved and flushes it.
        while (window.reelView()->rows() == rest || watch.paints.empty()
            || watch.paints.back() < start)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        QCoreApplication::processEvents();
        latencies.push_back(msSince(start));
        stopReels(window);
        runFor(0.1);
    }
    std::printf("lever: %s, scale %.2f\n", qPrintable(QGuiApplication::platformName()),
        window.devicePixelRatioF());
    report("lever key → reels moved on screen", latencies);
}

void openToFirstPaint(const ui::StripPictures &pictures, int samples)
{
    QTemporaryDir folder;
    std::vector<double> first, later;
    for (int i = 0; i < samples; ++i) {
        const Steady::time_point start = Steady::now();
        auto *window = new ui::PlayWindow(pictures, folder.path());
        PaintWatch watch(window->reelView());
        window->show();
        while (watch.paints.empty())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        QCoreApplication::processEvents();
        (i == 0 ? first : later).push_back(msSince(start));
        delete window;
        runFor(0.05);
    }
    std::printf("open: %s\n", qPrintable(QGuiApplication::platformName()));
    report("first in the process → first paint", first);
    report("again → first paint", later);
}

class HandClock : public play::Clock {
public:
    play::Micros t = 7'000'000;
    play::Micros now() const override { return t; }
};

int stopsByKey(const ui::StripPictures &pictures, int presses)
{
    QTemporaryDir folder;
    auto clock = std::make_shared<HandClock>();
    ui::PlayTiming timing;
    timing.clock = clock;
    timing.frameTimer = false;
    timing.seeds = [] { return std::uint64_t(2024); };
    ui::PlayWindow window(pictures, folder.path(), timing);
    window.show();
    const play::Session &s = window.session();
    machine::GameResult last;
    QObject::connect(&window, &ui::PlayWindow::gameEnded,
        [&last](const machine::GameResult &game) { last = game; });
    std::uint64_t random = 88172645463325252ull; // xorshift, for the times
    const auto next = [&random](std::uint64_t below) {
        random ^= random << 13;
        random ^= random >> 7;
        random ^= random << 17;
        return random % below;
    };
    const int keys[3] = { Qt::Key_Left, Qt::Key_Down, Qt::Key_Right };
    int done = 0, wrong = 0;
    play::Micros longest = 0;
    // The window system's clock, in milliseconds, far from the reel clock's.
    const std::uint64_t serverAhead = 3'600'000;
    while (done < presses) {
        clock->t = (clock->t / 1000 + 5) * 1000;
        const std::uint64_t leverStamp = std::uint64_t(clock->t / 1000) + serverAhead;
        clock->t += 1000; // the lever's event arrives a millisecond after its stamp
        key(&window, Qt::Key_Up, leverStamp);
        const play::Micros offset = clock->t - play::Micros(leverStamp) * 1000;
        std::array<int, 3> expected {};
        for (int reel = 0; reel < 3; ++reel, ++done) {
            while (!s.isLit(play::Control(int(play::Control::stopLeft) + reel))) {
                clock->t += 1000;
                window.frame();
            }
            const play::Micros lit = clock->t;
            // Pressed on a millisecond up to 0.9 s after the stop lit.
            const std::uint64_t stamp = std::uint64_t((lit - offset) / 1000) + 1 + next(900);
            const play::Micros mapped = play::Micros(stamp) * 1000 + offset;
            const play::ReelPosition at = s.reel(reel, mapped);
            expected[std::size_t(reel)] = at.units == 0 ? at.cell : play::cellsOn(at.cell, 1);
            // Its event arrives 0–19 ms later; frames go on meanwhile.
            for (const play::Micros arrives = mapped + play::Micros(next(19'000));
                 clock->t < arrives;) {
                clock->t = std::min(arrives, clock->t + 16'667);
                window.frame();
            }
            key(&window, keys[reel], stamp);
            play::Micros t = clock->t;
            while (s.reel(reel, t) != s.reel(reel, t + 10'000'000))
                t += 100;
            longest = std::max(longest, t - mapped);
        }
        while (s.turning()) {
            clock->t += 16'667;
            window.frame();
        }
        for (std::size_t r = 0; r < 3; ++r)
            wrong += last.press[r] == expected[r] ? 0 : 1;
    }
    std::printf("stops: %d presses by key (%d games), press cell as computed from the stamp %d, "
                "wrong %d; longest press → at rest %.1f ms\n",
        done, done / 3, done - wrong, wrong, double(longest) / 1000);
    return wrong == 0 && longest <= 190'000 ? 0 : 1;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // Settings and sittings go to a test location, not the player's.
    QStandardPaths::setTestModeEnabled(true);
    ui::applyClassicLook(false);
    QDir::setCurrent(QStringLiteral(REACHME_DATA_DIR));
    const ui::StripPictures pictures = ui::loadStripPictures();
    if (!pictures.loaded()) {
        std::fprintf(stderr, "%s\n", qPrintable(pictures.errorMessage()));
        return 1;
    }
    QStringList args = QApplication::arguments().mid(1);
    if (args.isEmpty())
        args = { QStringLiteral("frames"), QStringLiteral("10"), QStringLiteral("lever"),
            QStringLiteral("30"), QStringLiteral("open"), QStringLiteral("20"),
            QStringLiteral("stops"), QStringLiteral("1000") };
    int status = 0;
    for (qsizetype i = 0; i + 1 < args.size(); i += 2) {
        const QString &what = args[i];
        const double n = args[i + 1].toDouble();
        if (what == QStringLiteral("frames"))
            frames(pictures, n);
        else if (what == QStringLiteral("lever"))
            leverToMoving(pictures, int(n));
        else if (what == QStringLiteral("open"))
            openToFirstPaint(pictures, int(n));
        else if (what == QStringLiteral("stops"))
            status |= stopsByKey(pictures, int(n));
        else
            return std::fprintf(stderr, "unknown part: %s\n", qPrintable(what)), 2;
    }
    return status;
}
