// The collection in the program and its window: the figures per result for
// either control option, the toggle for patterns not yet collected, the model
// under Qt's checks while games come in, Enter or a double-click handing a
// pattern to the reels, what a row draws, and what the player is told of the
// collection's file (damaged, newer, held by another copy of the program, a
// failed save).
#include "filesizelimit.h"
#include "seededrun.h"
#include "ui_testpictures.h"

#include "ui/chart/chartview.h"
#include "ui/chart/patterndelegate.h"
#include "ui/collection/collectionkeeper.h"
#include "ui/collection/collectionmodel.h"
#include "ui/collection/collectionwindow.h"
#include "ui/common/settings.h"

#include "judge/table.h"
#include "records/collectionformat.h"
#include "safefile/writing.h"

#include <QAbstractItemModelTester>
#include <QCheckBox>
#include <QLabel>
#include <QSettings>
#include <QStatusBar>
#include <QtTest>

using machine::ControlOption;
using State = ui::CollectionModel::State;
Q_DECLARE_METATYPE(ControlOption)

namespace {

constexpr std::int64_t kStart = 1'800'000'000;

// Games of a seeded machine collected, a game a minute; `from` skips the
// games collected before.
void collect(ui::CollectionKeeper &keeper, int games, int from = 0)
{
    const auto run = records_test::playSeeded(6, 9, games, ControlOption::reachMeFirst);
    for (int i = from; i < games; ++i) {
        const machine::GameResult &game = run.games[std::size_t(i)];
        keeper.record(records::rowOf(game), kStart + game.game * 60);
    }
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

void setReachMeFirst(bool on) { ui::settings::kPlayReachMeFirst.writeOther(on); }

} // namespace

class TestCollectionWindow : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        m_pictures = uitest::stripPictures();
    }

    void init()
    {
        QSettings().clear();
        m_folder = std::make_unique<QTemporaryDir>();
        QVERIFY(m_folder->isValid());
    }

    void cleanup() { m_folder.reset(); }

    // Nothing collected yet: the second figure is what the control can ever
    // stop, and リーチ目優先 (実戦's setting) changes it.
    void figuresOfAnEmptyCollection_data()
    {
        QTest::addColumn<bool>("reachMeFirst");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("header");
        QTest::newRow("J03") << false << 3 << "J03 リーチ目 BIG 0 / 827";
        QTest::newRow("J03 リーチ目優先") << true << 3 << "J03 リーチ目 BIG 0 / 828";
        QTest::newRow("J04 never stops") << false << 4 << " 0 / 0";
        QTest::newRow("J06") << false << 6 << " 0 / 1203";
        QTest::newRow("J06 リーチ目優先") << true << 6 << " 0 / 1214";
        QTest::newRow("J11") << false << 11 << " 0 / 2";
        QTest::newRow("J13") << true << 13 << " 0 / 8";
    }
    void figuresOfAnEmptyCollection()
    {
        QFETCH(bool, reachMeFirst);
        QFETCH(int, code);
        QFETCH(QString, header);
        setReachMeFirst(reachMeFirst);
        ui::CollectionKeeper keeper(m_folder->path());
        ui::CollectionWindow window(m_pictures, keeper);
        const QString text = window.model()->index(code - 3, 0).data().toString();
        QVERIFY2(text.startsWith(QStringLiteral("J%1 ").arg(code, 2, 10, QChar('0')))
                && text.endsWith(header),
            qPrintable(text));
        QVERIFY2(window.summaryLabel()->text().contains(
                     reachMeFirst ? QStringLiteral("0 / 2757") : QStringLiteral("0 / 2743")),
            qPrintable(window.summaryLabel()->text()));
    }

    // After play, each header counts the rows collected under it, each row
    // says how often and when, and the option read when the window comes to
    // the front changes the marks.
    void figuresAfterPlay()
    {
        ui::CollectionKeeper keeper(m_folder->path());
        collect(keeper, 6000);
        QVERIFY(keeper.collection().collected() > 20);
        ui::CollectionWindow window(m_pictures, keeper);
        for (const bool reachMeFirst : { false, true }) {
            setReachMeFirst(reachMeFirst);
            QEvent activate(QEvent::WindowActivate);
            QCoreApplication::sendEvent(&window, &activate);
            const auto &stoppable = machine::stoppablePatterns(keeper.controlOption());
            const ui::CollectionModel &model = *window.model();
            int collectedInAll = 0;
            for (int group = 0; group < model.rowCount(); ++group) {
                const QModelIndex header = model.index(group, 0);
                int collected = 0, canStop = 0;
                for (int row = 0; row < model.rowCount(header); ++row) {
                    const QModelIndex index = model.index(row, 0, header);
                    const auto p
                        = index.data(ui::CollectionModel::patternRole).value<judge::Pattern>();
                    const auto state = index.data(ui::CollectionModel::stateRole).value<State>();
                    const auto &seen = keeper.collection().at(p);
                    QCOMPARE(state == State::collected, seen.count > 0);
                    QCOMPARE(state == State::neverStops,
                        seen.count == 0 && !stoppable.test(std::size_t(judge::patternIndex(p))));
                    collected += seen.count > 0 ? 1 : 0;
                    canStop += state != State::neverStops ? 1 : 0;
                    if (seen.count > 0) {
                        const QString text = index.data().toString();
                        QVERIFY2(text.contains(QStringLiteral("%1 回").arg(seen.count))
                                && text.contains(
                                    QStringLiteral("（%1 ゲーム目）").arg(seen.first.game))
                                && text.contains(
                                    QStringLiteral("（%1 ゲーム目）").arg(seen.last.game)),
                            qPrintable(text));
                    }
                }
                QVERIFY2(header.data().toString().endsWith(
                             QStringLiteral(" %1 / %2").arg(collected).arg(canStop)),
                    qPrintable(header.data().toString()));
                collectedInAll += collected;
            }
            QCOMPARE(collectedInAll, keeper.collection().collected());
            QVERIFY(window.summaryLabel()->text().contains(reachMeFirst
                    ? QStringLiteral("リーチ目優先あり")
                    : QStringLiteral("リーチ目優先なし")));
        }
    }

    // Off, only the patterns collected are listed; the choice is kept for the
    // next window.
    void toggleHidesPatternsNotCollected_data()
    {
        QTest::addColumn<bool>("show");
        QTest::newRow("shown") << true;
        QTest::newRow("hidden") << false;
    }
    void toggleHidesPatternsNotCollected()
    {
        QFETCH(bool, show);
        ui::CollectionKeeper keeper(m_folder->path());
        collect(keeper, 4000);
        {
            ui::CollectionWindow window(m_pictures, keeper);
            QCOMPARE(window.uncollectedBox()->accessibleName(),
                QStringLiteral("まだ集めていない出目も表示"));
            QVERIFY(window.uncollectedBox()->isChecked());
            window.uncollectedBox()->setChecked(show);
        }
        ui::CollectionWindow window(m_pictures, keeper);
        QCOMPARE(window.uncollectedBox()->isChecked(), show);
        const ui::CollectionModel &model = *window.model();
        int rows = 0;
        for (int group = 0; group < model.rowCount(); ++group) {
            const QModelIndex header = model.index(group, 0);
            const records::ResultFigures &figures = model.figures()[std::size_t(group)];
            QCOMPARE(model.rowCount(header), show ? figures.patterns : figures.collected);
            rows += model.rowCount(header);
            // A group's rows open with it, the empty ones as they fill.
            if (model.rowCount(header) > 0)
                QVERIFY(window.view()->isExpanded(header));
        }
        QCOMPARE(rows, show ? 2919 : keeper.collection().collected());
    }

    // Qt's own checks of a tree model through every change it makes: rows
    // coming one at a time and in runs as games are collected and the toggle
    // flips, states changing with the option.
    void modelKeepsTheRulesOfATreeModel()
    {
        ui::CollectionKeeper keeper(m_folder->path());
        collect(keeper, 1500);
        ui::CollectionModel model(keeper);
        QAbstractItemModelTester tester(
            &model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        model.setShowUncollected(false);
        collect(keeper, 9000, 1500);
        keeper.setControlOption(ControlOption::reachMeFirst);
        model.setShowUncollected(true);
        model.setShowUncollected(false);
        collect(keeper, 12000, 9000);
        // A pattern collected again: its row and its header say so.
        QSignalSpy changes(&model, &QAbstractItemModel::dataChanged);
        const int again = int(keeper.collected()._Find_first());
        records::GameRow row;
        const judge::Pattern p = judge::patternAt(again);
        row.stop = { p.left, p.centre, p.right };
        row.code = judge::judge(p.left, p.centre, p.right);
        row.bonus = machine::Bonus::big;
        keeper.record(row, kStart);
        QStringList changed;
        for (const QList<QVariant> &change : changes)
            for (const QVariant &end : change.mid(0, 2))
                changed << end.value<QModelIndex>().data().toString();
        QCOMPARE(changed.size(), 4);
        QVERIFY2(changed[0].startsWith(
                     QStringLiteral("J%1 ").arg(judge::number(row.code), 2, 10, QChar('0'))),
            qPrintable(changed[0]));
        QVERIFY2(changed[2].contains(QStringLiteral("%1 回").arg(keeper.collection().at(p).count)),
            qPrintable(changed[2]));
        for (int group = 0; group < model.rowCount(); ++group) {
            const std::vector<int> &shown = model.shownPatterns(group);
            QVERIFY(std::is_sorted(shown.begin(), shown.end()));
            QCOMPARE(int(shown.size()), model.figures()[std::size_t(group)].collected);
            for (const int pattern : shown)
                QVERIFY(keeper.collected().test(std::size_t(pattern)));
        }
    }

    // Enter on a pattern and a double-click choose it; the status bar says
    // what came of it.
    void choosingAPattern_data()
    {
        QTest::addColumn<QString>("gesture");
        QTest::addColumn<bool>("chosen");
        QTest::newRow("Enter") << "enter" << true;
        QTest::newRow("double-click") << "double" << true;
        QTest::newRow("single click") << "click" << false;
    }
    void choosingAPattern()
    {
        QFETCH(QString, gesture);
        QFETCH(bool, chosen);
        ui::CollectionKeeper keeper(m_folder->path());
        ui::CollectionWindow window(m_pictures, keeper);
        std::vector<judge::Pattern> handed;
        window.setPatternHandler([&handed](judge::Pattern pattern) {
            handed.push_back(pattern);
            return QString();
        });
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        ui::ChartView &view = *window.view();
        const QModelIndex pattern = window.model()->index(0, 0, window.model()->index(2, 0)); // J05
        const auto expected
            = pattern.data(ui::CollectionModel::patternRole).value<judge::Pattern>();
        view.setCurrentIndex(pattern);
        const QPoint centre = view.visualRect(pattern).center();
        if (gesture == "enter") {
            QTest::keyClick(&view, Qt::Key_Return);
        } else {
            QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, centre);
            if (gesture == "double") {
                QTest::mouseDClick(view.viewport(), Qt::LeftButton, {}, centre);
                QTest::mouseRelease(view.viewport(), Qt::LeftButton, {}, centre);
            }
        }
        QCOMPARE(handed, chosen ? std::vector { expected } : std::vector<judge::Pattern> {});
        if (chosen)
            QVERIFY(window.statusBar()->currentMessage().startsWith(QStringLiteral("リールを ")));
    }

    // A pattern collected shows its symbols; one not yet collected only the
    // outlines of the three windows.
    void rowDrawsSymbolsOnlyOnceCollected()
    {
        ui::CollectionKeeper keeper(m_folder->path());
        collect(keeper, 4000);
        ui::CollectionWindow window(m_pictures, keeper);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const ui::CollectionModel &model = *window.model();
        QModelIndex collected, notYet;
        const QModelIndex j03 = model.index(0, 0);
        for (int row = 0; row < model.rowCount(j03) && !(collected.isValid() && notYet.isValid());
             ++row) {
            const QModelIndex index = model.index(row, 0, j03);
            const auto state = index.data(ui::CollectionModel::stateRole).value<State>();
            (state == State::collected ? collected : notYet) = index;
        }
        QVERIFY(collected.isValid() && notYet.isValid());
        for (const QModelIndex &index : { collected, notYet }) {
            window.view()->scrollTo(index);
            const QRect rect = window.view()->visualRect(index);
            const QImage shot = window.view()->viewport()->grab().toImage();
            const QPoint centre = ui::PatternDelegate::reelRect(rect, 1).center();
            QCOMPARE(uitest::isPictureColour(shot.pixel(centre)), index == collected);
        }
    }

    // What the player is told of the file found, in the window at once.
    void fileFoundIsSaid_data()
    {
        QTest::addColumn<QByteArray>("found");
        QTest::addColumn<QString>("message");
        QTest::newRow("none yet") << QByteArray() << QString();
        QTest::newRow("damaged")
            << QByteArray::fromStdString(records::writeCollection({})).chopped(3)
            << QStringLiteral("リーチ目コレクションのファイルが壊れていたので");
        QTest::newRow("newer")
            << QByteArray("reachme reach-me collection\nversion 2\n")
            << QStringLiteral("新しい版のものです。そのままにして、集めた出目は保存しません");
        QTest::newRow("held by another copy") << QByteArray(
            "lock") << QStringLiteral("こちらは読むだけで、ここで集めた出目は保存しません");
    }
    void fileFoundIsSaid()
    {
        QFETCH(QByteArray, found);
        QFETCH(QString, message);
        std::unique_ptr<ui::CollectionKeeper> first;
        if (found == "lock")
            first = std::make_unique<ui::CollectionKeeper>(m_folder->path());
        else if (!found.isEmpty())
            QVERIFY(
                safefile::writeWhole(m_folder->filePath(records::CollectionStore::kFileName), found)
                    .ok);
        const QString file = m_folder->filePath(records::CollectionStore::kFileName);
        const QByteArray before = contents(file);
        ui::CollectionKeeper keeper(m_folder->path());
        ui::CollectionWindow window(m_pictures, keeper);
        const QString shown = window.messageLabel()->text();
        QVERIFY2(message.isEmpty() ? shown.isEmpty() : shown.contains(message), qPrintable(shown));
        QCOMPARE(window.messageLabel()->isVisibleTo(&window), !message.isEmpty());
        if (QByteArray(QTest::currentDataTag()) == "damaged")
            QVERIFY(shown.contains(QDir::toNativeSeparators(keeper.store().asidePath())));
        // Play goes on and the window follows either way; the file is saved,
        // or left as it was (a second copy writes nothing).
        collect(keeper, 3000);
        QVERIFY(window.summaryLabel()->text().contains(
            QStringLiteral("%1 / ").arg(keeper.collection().collected())));
        keeper.flush();
        const bool saves = message.isEmpty() || QByteArray(QTest::currentDataTag()) == "damaged";
        QCOMPARE(contents(file),
            saves ? QByteArray::fromStdString(records::writeCollection(keeper.collection()))
                  : before);
    }

    // 実戦 hands over its games as they end: the reach-me patterns of the
    // normal games are collected at the keeper's clock, with their game.
    void gamesOfPlayAtTheClocksTime()
    {
        std::int64_t now = kStart;
        ui::CollectionKeeper keeper(m_folder->path(), [&now] { return now; });
        const auto run = records_test::playSeeded(6, 9, 3000, ControlOption::reachMeFirst);
        records::ReachMeCollection expected;
        for (const machine::GameResult &game : run.games) {
            now += 7;
            keeper.recordGame(game);
            expected.record(records::rowOf(game), now);
        }
        QVERIFY(expected.collected() > 10);
        QVERIFY(keeper.collection() == expected);
    }

    // A save that fails is said when it fails, with its reason.
    void failedSaveIsSaidAtOnce()
    {
        ui::CollectionKeeper keeper(m_folder->path());
        ui::CollectionWindow window(m_pictures, keeper);
        QSignalSpy messages(&keeper, &ui::CollectionKeeper::messageChanged);
        {
            const FileSizeLimit limit(64);
            collect(keeper, 3000);
            keeper.flush();
        }
        QTRY_VERIFY(!messages.isEmpty());
        QVERIFY2(window.messageLabel()->text().contains(
                     QStringLiteral("保存できませんでした（ファイルが大きすぎます）")),
            qPrintable(window.messageLabel()->text()));
        QVERIFY(!window.messageLabel()->isHidden());
    }

private:
    ui::StripPictures m_pictures;
    std::unique_ptr<QTemporaryDir> m_folder;
};

QTEST_MAIN(TestCollectionWindow)
#include "tst_collection_window.moc"
