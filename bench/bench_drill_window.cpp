// How soon the drill window shows the next pattern: for each question a
// number key answers, the window is painted with the feedback, Enter asks for
// the next pattern and the window is painted again, each step timed. Run with
// no progress yet and with a progress file in which all 9261 patterns have
// been seen (the scheduler's widest search and the largest snapshot to save).
//
//   QT_QPA_PLATFORM=offscreen build/bin/bench_drill_window [questions] [--screenshot FILE]
//
// --screenshot answers a reach-me for BIG with a shared look right and saves
// a picture of the window instead.
#include "drill/lookalikes.h"
#include "drill/patterns.h"
#include "drill/progressformat.h"
#include "drill/store/progressstore.h"
#include "ui/classic/classiclook.h"
#include "ui/drill/drillwindow.h"
#include "ui/pictures/strippictures.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <random>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

// CPU time of the user-interface thread: what the step costs it, without the
// time the machine's other work takes the core away.
double threadCpuMs()
{
    timespec t {};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

void press(QWidget *window, int key)
{
    QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(window, &down);
    QKeyEvent up(QEvent::KeyRelease, key, Qt::NoModifier);
    QApplication::sendEvent(window, &up);
}

// Every pattern seen, most of them several times, and a full answer log.
void writeFullProgress(const QString &folder)
{
    drill::Progress progress;
    std::mt19937 random(1);
    const std::int64_t now = drill::systemClock();
    for (int i = 0; i < drill::kPatternCount; ++i) {
        const bool right = random() % 4 != 0;
        progress.record(
            i, judge::number(drill::categoryAt(i)), right, now - 86400 * (random() % 30));
    }
    QFile file(QDir(folder).filePath(drill::ProgressStore::kFileName));
    const std::string bytes = drill::writeProgress(progress);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes.data(), qint64(bytes.size())) < 0)
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file.fileName()));
}

void report(const char *what, std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    const auto at = [&times](double q) { return times[std::size_t(q * double(times.size() - 1))]; };
    const auto within = std::upper_bound(times.begin(), times.end(), 16.0) - times.begin();
    std::printf("  %-34s median %6.2f ms  p99 %6.2f ms  max %6.2f ms  ≤ 16 ms %5.1f %%\n", what,
        at(0.5), at(0.99), times.back(), 100.0 * double(within) / double(times.size()));
}

void run(const ui::StripPictures &pictures, bool full, int questions)
{
    QTemporaryDir folder;
    if (full)
        writeFullProgress(folder.path());
    ui::DrillWindow window(pictures, folder.path());
    window.show();
    window.repaint();
    std::mt19937 random(2);
    std::vector<double> toFeedback, toNext, total, cpu;
    for (int q = 0; q < questions; ++q) {
        const double cpuStart = threadCpuMs();
        const Clock::time_point start = Clock::now();
        press(&window, Qt::Key_1 + int(random() % 9));
        window.repaint();
        const Clock::time_point answered = Clock::now();
        press(&window, Qt::Key_Return);
        window.repaint();
        const Clock::time_point shown = Clock::now();
        toFeedback.push_back(ms(answered - start));
        toNext.push_back(ms(shown - answered));
        total.push_back(ms(shown - start));
        cpu.push_back(threadCpuMs() - cpuStart);
        QApplication::processEvents();
    }
    std::printf(
        "%s, %d questions:\n", full ? "all 9261 patterns seen" : "no progress yet", questions);
    report("key → feedback painted", toFeedback);
    report("Enter → next pattern painted", toNext);
    report("key → next pattern painted", total);
    report("  UI thread's CPU time for it", cpu);
}

int screenshot(const ui::StripPictures &pictures, const QString &file)
{
    QTemporaryDir folder;
    ui::DrillWindow window(pictures, folder.path());
    ui::DrillSettings settings;
    settings.categories.set(std::size_t(judge::number(judge::Category::reachBig)));
    window.applySettings(settings);
    window.show();
    // A reach-me for BIG whose look a pattern of another category shares,
    // answered right.
    for (int tries = 0; tries < 10000; ++tries) {
        const judge::Pattern p = window.currentPattern();
        const bool shared = drill::machineLookAlikes().rightCategories(p).count() > 1;
        window.answer(judge::number(judge::categoryOf(judge::judge(p.left, p.centre, p.right))));
        if (shared)
            break;
        window.nextPattern();
    }
    QApplication::processEvents();
    const bool saved = window.grab().save(file);
    std::printf("%s %s\n", saved ? "wrote" : "could not write", qPrintable(file));
    return saved ? 0 : 1;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // Settings go to a test location, not the player's.
    QStandardPaths::setTestModeEnabled(true);
    ui::applyClassicLook(false);
    const QStringList args = QApplication::arguments();
    const qsizetype shot = args.indexOf(QStringLiteral("--screenshot"));
    const QString shotFile = shot > 0 && shot + 1 < args.size()
        ? QFileInfo(args[shot + 1]).absoluteFilePath()
        : QString();
    QDir::setCurrent(QStringLiteral(REACHME_DATA_DIR));
    const ui::StripPictures pictures = ui::loadStripPictures();
    if (!pictures.loaded()) {
        std::fprintf(stderr, "%s\n", qPrintable(pictures.errorMessage()));
        return 1;
    }
    if (!shotFile.isEmpty())
        return screenshot(pictures, shotFile);
    const int questions = args.size() > 1 ? std::max(1, args[1].toInt()) : 500;
    run(pictures, false, questions);
    run(pictures, true, questions);
    return 0;
}
