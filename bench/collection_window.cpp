// The collection window's speed, with the strip pictures from data/:
//
//   bench_collection_window [--runs N] [--games N] [--full] [--hide]
//                           [--grab FILE [--scroll N]]
//
// The collection is that of a seeded machine played for --games games
// (setting 6, random presses, a game a minute), or, with --full, every one
// of the 2919 patterns collected. The collection is opened once, as the
// program opens it on first use (its file read and checked, the lock
// taken), and that time printed. Each run builds a window, shows it and
// times show() → the end of its first paint (the list's viewport painted and
// every paint of that round done). Then a game that collects a new pattern
// is handed to the collection and the time to the list repainted is taken.
// --hide lists only the patterns collected; --grab saves the window after the
// first run, its list scrolled to group --scroll (0 = J03) if given.
#include "paintwatch.h"
#include "ui/chart/chartview.h"
#include "ui/classic/classiclook.h"
#include "ui/classic/mainwindow.h"
#include "ui/collection/collectionkeeper.h"
#include "ui/collection/collectionwindow.h"
#include "ui/common/settings.h"
#include "ui/pictures/strippictures.h"
#include "uitiming.h"

#include "judge/table.h"
#include "machine/machine.h"
#include "records/collectionformat.h"
#include "safefile/writing.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <cstdio>

namespace {

constexpr std::int64_t kStart = 1'797'000'000; // 2026-12-12

// The collection a seeded machine's games leave, as its file.
std::string playedCollection(int games)
{
    machine::Machine m(6, 9);
    machine::Generator presses(9, 77);
    records::ReachMeCollection collection;
    for (int i = 0; i < games; ++i) {
        std::array<int, 3> p {};
        for (int &cell : p)
            cell = 1 + int(presses.below(21));
        const machine::GameResult game = m.play(p);
        collection.record(records::rowOf(game), kStart + game.game * 60);
    }
    return records::writeCollection(collection);
}

std::string fullCollection()
{
    records::ReachMeCollection collection;
    for (const int index : records::collectablePatterns())
        collection.restore(judge::patternAt(index), { 3, { 10, kStart }, { 900, kStart + 9000 } });
    return records::writeCollection(collection);
}

// A normal game that stopped on the first pattern not collected yet.
records::GameRow newReachMe(const ui::CollectionKeeper &keeper)
{
    records::GameRow row;
    for (const int index : records::collectablePatterns())
        if (!keeper.collected().test(std::size_t(index))) {
            const judge::Pattern p = judge::patternAt(index);
            row.stop = { p.left, p.centre, p.right };
            row.code = judge::judge(p.left, p.centre, p.right);
            row.bonus = machine::Bonus::big;
            row.game = 100000;
            break;
        }
    return row;
}

} // namespace

int main(int argc, char *argv[])
{
    const bool userChoseStyle = ui::styleChosenByUser(argc, argv);
    PaintWatch app(argc, argv);
    QStandardPaths::setTestModeEnabled(true); // the settings stay the benchmark's
    ui::applyClassicLook(userChoseStyle);
    int runs = 5;
    int games = 30000;
    int scroll = -1;
    bool full = false, hide = false;
    QString grabFile;
    const QStringList args = app.arguments();
    for (int i = 1; i < args.size(); ++i) {
        const bool hasValue = i + 1 < args.size();
        if (args[i] == "--full")
            full = true;
        else if (args[i] == "--hide")
            hide = true;
        else if (args[i] == "--runs" && hasValue)
            runs = args[++i].toInt();
        else if (args[i] == "--games" && hasValue)
            games = args[++i].toInt();
        else if (args[i] == "--grab" && hasValue)
            grabFile = args[++i];
        else if (args[i] == "--scroll" && hasValue)
            scroll = args[++i].toInt();
    }

    const ui::StripPictures pictures
        = ui::loadStripPicturesFrom(QStringLiteral(REACHME_DATA_DIR), qApp->devicePixelRatio());
    if (!pictures.loaded()) {
        std::fprintf(stderr, "%s\n", qPrintable(pictures.errorMessage()));
        return 2;
    }
    QTemporaryDir folder;
    const std::string file = full ? fullCollection() : playedCollection(games);
    if (!safefile::writeWhole(QDir(folder.path()).filePath(records::CollectionStore::kFileName),
            QByteArray::fromStdString(file))
             .ok)
        return 2;
    ui::settings::kCollectionShowUncollected.write(!hide);
    QElapsedTimer opening;
    opening.start();
    ui::CollectionKeeper keeper(folder.path());
    const double openMs = double(opening.nsecsElapsed()) / 1e6;
    // The program's own main window stands, as when the collection is opened.
    ui::MainWindow mainWindow(pictures);
    mainWindow.showCentred();
    for (int i = 0; i < 20; ++i)
        QCoreApplication::processEvents();

    std::printf("platform %s, %d patterns collected, %s; the collection opened in %.2f ms\n",
        qPrintable(QGuiApplication::platformName()), keeper.collection().collected(),
        hide ? "only those listed" : "all 2919 listed", openMs);
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer build;
        build.start();
        ui::CollectionWindow window(pictures, keeper);
        const double buildMs = double(build.nsecsElapsed()) / 1e6;
        const auto [viewportMs, firstPaintMs] = app.showAndTime(window, window.view()->viewport());

        app.clock.start();
        keeper.record(newReachMe(keeper), kStart + 999999);
        window.view()->viewport()->repaint();
        const double collectMs = double(app.clock.nsecsElapsed()) / 1e6;
        std::printf("run %d: build %.1f ms, show→viewport painted %.1f ms, show→first paint done "
                    "%.1f ms; a new pattern collected and the list repainted %.2f ms\n",
            run + 1, buildMs, viewportMs, firstPaintMs, collectMs);
    }
    if (!grabFile.isEmpty()) {
        ui::CollectionWindow window(pictures, keeper);
        window.show();
        for (int i = 0; i < 20; ++i)
            QCoreApplication::processEvents();
        if (scroll >= 0) {
            const QModelIndex group = window.view()->model()->index(scroll, 0);
            window.view()->scrollTo(group, QAbstractItemView::PositionAtTop);
        }
        for (int i = 0; i < 20; ++i)
            QCoreApplication::processEvents();
        const int status = benchui::saveScreenshot(window, grabFile);
        keeper.flush();
        return status;
    }
    keeper.flush();
    return 0;
}
