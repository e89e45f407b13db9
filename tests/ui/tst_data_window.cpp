// The window "データ" on histories of a seeded machine: its counter, bonus
// history and slump graph against figures worked out from the rows here, the
// same whether the games came whole or one by one; the hidden setting and
// 答え合わせ; the 察知 figures; the CSV saved, and kept from harm when it
// cannot be; the bonus model under Qt's model tester; the keys that close it.
#include "ui_testpictures.h"

#include "filesizelimit.h"
#include "tests/records/seededrun.h"
#include "ui/data/bonushistorymodel.h"
#include "ui/data/datawindow.h"
#include "ui/data/settingbars.h"
#include "ui/data/slumpchart.h"

#include <QAbstractItemModelTester>
#include <QBarSet>
#include <QFile>
#include <QLabel>
#include <QLineSeries>
#include <QListView>
#include <QMessageBox>
#include <QPushButton>
#include <QScatterSeries>
#include <QTemporaryDir>
#include <QtTest>

#include <cstring>

using ui::data::BonusHistoryModel;
using ui::data::DataWindow;

namespace {

std::vector<records::GameRow> seededRows(int setting, std::uint64_t seed, int games)
{
    std::vector<records::GameRow> rows;
    for (const machine::GameResult &game : records_test::playSeeded(setting, seed, games).games)
        rows.push_back(records::rowOf(game));
    return rows;
}

records::GameHistory historyOf(const std::vector<records::GameRow> &rows, std::size_t games)
{
    records::GameHistory history;
    for (std::size_t i = 0; i < games; ++i)
        history.append(rows[i]);
    return history;
}

QString figure(const QWidget &window, const QString &word)
{
    for (const QLabel *label : window.findChildren<QLabel *>())
        if (label->accessibleName() == word && label->text() != word)
            return label->text();
    return QStringLiteral("(no figure %1)").arg(word);
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

QByteArray bytesOf(const std::string &text) { return { text.data(), qsizetype(text.size()) }; }

} // namespace

class TestDataWindow : public QObject {
    Q_OBJECT

private slots:
    void counterAndGraph_data();
    void counterAndGraph();
    void graphFollowsWhileShown();
    void reachMePatternsDrawn();
    void hiddenSetting_data();
    void hiddenSetting();
    void callFigures();
    void csvSaved();
    void csvSaveFails_data();
    void csvSaveFails();
    void bonusModelUnderTester();
    void keysClose_data();
    void keysClose();
    void labelsNamed();
};

void TestDataWindow::counterAndGraph_data()
{
    QTest::addColumn<int>("setting");
    QTest::addColumn<int>("seed");
    QTest::addColumn<int>("games");
    QTest::addColumn<int>("whole"); // games given to setMachine, the rest one by one
    QTest::newRow("setting 6, all at once") << 6 << 7 << 900 << 900;
    QTest::newRow("setting 1, half one by one") << 1 << 11 << 1200 << 600;
    QTest::newRow("setting 6, all one by one") << 6 << 3 << 700 << 0;
}

// Every figure worked out here from the rows, not through the counter.
void TestDataWindow::counterAndGraph()
{
    QFETCH(int, setting);
    QFETCH(int, seed);
    QFETCH(int, games);
    QFETCH(int, whole);
    const auto rows = seededRows(setting, std::uint64_t(seed), games);
    DataWindow window(uitest::stripPictures());
    window.show();
    window.setMachine(historyOf(rows, std::size_t(whole)), setting, true);
    for (std::size_t i = std::size_t(whole); i < rows.size(); ++i)
        window.addGame(rows[i]);

    std::int64_t bigs = 0, regs = 0, normal = 0, sinceBonus = 0, coins = 0, reachMe = 0,
                 lastBonusGame = 0;
    std::int64_t reachMeSoFar = 0;
    for (const records::GameRow &row : rows) {
        coins += row.payout - row.bet;
        if (row.phase != machine::Phase::normal)
            continue;
        ++normal;
        ++sinceBonus;
        reachMeSoFar += records::showsReachMe(row);
        if (row.code == judge::Code::J01 || row.code == judge::Code::J02) {
            ++(row.code == judge::Code::J01 ? bigs : regs);
            sinceBonus = 0;
            lastBonusGame = row.game;
            reachMe = reachMeSoFar;
        }
    }
    QVERIFY2(bigs > 0 && regs > 0, "the seed should line up both bonuses");
    QCOMPARE(figure(window, QStringLiteral("総ゲーム数")), QString::number(games));
    QCOMPARE(figure(window, QStringLiteral("ゲーム数")), QString::number(sinceBonus));
    QCOMPARE(figure(window, QStringLiteral("BIG")), QString::number(bigs));
    QCOMPARE(figure(window, QStringLiteral("REG")), QString::number(regs));
    QCOMPARE(figure(window, QStringLiteral("BIG確率")),
        QStringLiteral("1/%1").arg(double(normal) / double(bigs), 0, 'f', 1));
    QCOMPARE(figure(window, QStringLiteral("REG確率")),
        QStringLiteral("1/%1").arg(double(normal) / double(regs), 0, 'f', 1));
    QCOMPARE(figure(window, QStringLiteral("差枚")),
        coins > 0 ? QStringLiteral("+%1").arg(coins) : QString::number(coins));

    // The bonus history, newest first; every reach-me up to the last bonus
    // belongs to one of them.
    const BonusHistoryModel &model = *window.bonusModel();
    QCOMPARE(model.rowCount(), int(bigs + regs));
    QCOMPARE(model.index(0).data(BonusHistoryModel::gameRole).toLongLong(), lastBonusGame);
    QCOMPARE(model.index(0).data(BonusHistoryModel::gameCountRole).toLongLong() > 0, true);
    std::int64_t listed = 0, bigRows = 0;
    for (int r = 0; r < model.rowCount(); ++r) {
        listed += model.index(r).data(BonusHistoryModel::reachMeRole).toInt();
        bigRows
            += model.index(r).data(BonusHistoryModel::kindRole).toString() == QStringLiteral("BIG");
        QVERIFY(model.index(r).data(BonusHistoryModel::carriedRole).toLongLong() >= 1);
    }
    QCOMPARE(listed, reachMe);
    QCOMPARE(bigRows, bigs);

    // The graph ends on the last game's 差枚, at most two points a pixel
    // column, every bonus marked by its kind.
    const ui::data::SlumpChart &chart = *window.slumpChart();
    const QList<QPointF> points = chart.line()->points();
    QVERIFY(!points.isEmpty());
    QVERIFY(points.size() <= 2 * chart.plotWidth());
    QCOMPARE(points.back(), QPointF(qreal(games), qreal(coins)));
    QCOMPARE(points.front(), QPointF(0, 0));
    QCOMPARE(chart.bigMarks()->count(), int(bigs));
    QCOMPARE(chart.regMarks()->count(), int(regs));

    const QBarSet &bars = *window.settingBars()->bars();
    qreal sum = 0;
    for (int s = 0; s < bars.count(); ++s)
        sum += bars.at(s);
    QCOMPARE(bars.count(), 6);
    QVERIFY(qAbs(sum - 100) < 1e-9);
}

// Shown, the graph takes every game at once; hidden, it waits and catches
// up when shown again; a narrower plot gets fewer points.
void TestDataWindow::graphFollowsWhileShown()
{
    const auto rows = seededRows(6, 5, 4000);
    DataWindow window(uitest::stripPictures());
    window.show();
    window.setMachine({}, 6, false);
    const ui::data::SlumpChart &chart = *window.slumpChart();
    const QLineSeries &line = *chart.line();
    for (std::size_t i = 0; i < 200; ++i) {
        window.addGame(rows[i]);
        QCOMPARE(line.points().back().x(), qreal(rows[i].game));
    }
    window.hide();
    for (std::size_t i = 200; i < rows.size(); ++i)
        window.addGame(rows[i]);
    QCOMPARE(line.points().back().x(), 200.0);
    window.show();
    QCOMPARE(line.points().back().x(), 4000.0);
    QVERIFY(line.count() <= 2 * chart.plotWidth());
    const int wide = chart.plotWidth();
    window.resize(700, 600);
    QTRY_VERIFY(chart.plotWidth() < wide - 100);
    QTRY_VERIFY(line.count() <= 2 * chart.plotWidth());
    QCOMPARE(line.points().back().x(), 4000.0);
}

// Each reach-me pattern a bonus showed is drawn once in its row, from the
// strip pictures: every row's picture is as large as its count of patterns.
void TestDataWindow::reachMePatternsDrawn()
{
    const auto rows = seededRows(6, 7, 900);
    DataWindow window(uitest::stripPictures());
    window.setMachine(historyOf(rows, rows.size()), 6, false);
    window.resize(1400, 1000);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto *list = window.findChild<QListView *>();
    QVERIFY(list);
    const BonusHistoryModel &model = *window.bonusModel();
    int perPattern = 0, compared = 0;
    for (int r = 0; r < model.rowCount(); ++r) {
        const QModelIndex index = model.index(r);
        list->scrollTo(index, QAbstractItemView::PositionAtTop);
        const QImage image = list->viewport()->grab().toImage();
        const QRect rect = list->visualRect(index);
        if (!image.rect().contains(rect))
            continue; // taller than the list: its patterns cannot all be seen at once
        int inRow = 0;
        for (int y = rect.top(); y <= rect.bottom(); ++y)
            for (int x = rect.left(); x <= rect.right(); ++x)
                inRow += uitest::isPictureColour(image.pixel(x, y));
        const int patterns = index.data(BonusHistoryModel::reachMeRole).toInt();
        if (perPattern == 0)
            perPattern = inRow / patterns;
        QCOMPARE(inRow, patterns * perPattern);
        ++compared;
    }
    QVERIFY(perPattern > 3000);
    QVERIFY(compared >= 3);
}

void TestDataWindow::hiddenSetting_data()
{
    QTest::addColumn<bool>("hidden");
    QTest::newRow("hidden") << true;
    QTest::newRow("open") << false;
}

void TestDataWindow::hiddenSetting()
{
    QFETCH(bool, hidden);
    const auto rows = seededRows(4, 9, 300);
    DataWindow window(uitest::stripPictures());
    window.show();
    window.setMachine(historyOf(rows, rows.size()), 4, hidden);
    auto *button = window.findChild<QPushButton *>();
    QVERIFY(button);
    const QString answer = QStringLiteral("この台の設定: 4");
    const auto answerShown = [&] {
        for (const QLabel *label : window.findChildren<QLabel *>())
            if (label->text().contains(answer))
                return true;
        return false;
    };
    const QBarSet &bars = *window.settingBars()->bars();
    QCOMPARE(answerShown(), !hidden);
    QCOMPARE(bars.selectedBars(), hidden ? QList<int> {} : QList<int> { 3 });
    QCOMPARE(button->isVisible(), hidden);
    if (!hidden)
        return;
    for (std::size_t i = 0; i < 50; ++i)
        window.addGame(records::rowOf(records_test::playSeeded(4, 9, 350).games[300 + i]));
    QVERIFY(!answerShown());
    QCOMPARE(button->text(), QStringLiteral("答え合わせ"));
    QTest::mouseClick(button, Qt::LeftButton);
    QVERIFY(answerShown());
    QCOMPARE(bars.selectedBars(), QList<int> { 3 });
    QVERIFY(!button->isEnabled());
    // A new machine keeps its own setting hidden again.
    window.setMachine({}, 2, true);
    QVERIFY(!answerShown());
    QVERIFY(bars.selectedBars().isEmpty());
    QVERIFY(button->isEnabled());
}

void TestDataWindow::callFigures()
{
    DataWindow window(uitest::stripPictures());
    const QString average = QStringLiteral("リーチ目から察知まで（平均）");
    QCOMPARE(figure(window, average), QStringLiteral("—"));
    window.setCalls({ 7, 2, 3, 4, 10 });
    QCOMPARE(figure(window, QStringLiteral("察知 正解")), QStringLiteral("7"));
    QCOMPARE(figure(window, QStringLiteral("察知 はずれ")), QStringLiteral("2"));
    QCOMPARE(figure(window, QStringLiteral("見逃したリーチ目")), QStringLiteral("3"));
    QCOMPARE(figure(window, average), QStringLiteral("2.5 G"));
}

void TestDataWindow::csvSaved()
{
    const auto rows = seededRows(6, 7, 500);
    DataWindow window(uitest::stripPictures());
    window.setMachine(historyOf(rows, 300), 6, true);
    for (std::size_t i = 300; i < rows.size(); ++i)
        window.addGame(rows[i]);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("履歴.csv"));
    QCOMPARE(window.saveHistory(path), QString());
    const QByteArray saved = fileBytes(path);
    QCOMPARE(saved, bytesOf(historyOf(rows, rows.size()).csv()));
    const records::ReadHistory read = records::readHistory(saved.toStdString());
    QCOMPARE(read.outcome, records::ReadHistory::Outcome::read);
    QVERIFY(read.history.rows() == rows);
}

void TestDataWindow::csvSaveFails_data()
{
    QTest::addColumn<bool>("fullDisk");
    QTest::addColumn<int>("error");
    QTest::newRow("full disk") << true << EFBIG;
    QTest::newRow("no such folder") << false << ENOENT;
}

// The file before stays byte for byte, and a message says why.
void TestDataWindow::csvSaveFails()
{
    QFETCH(bool, fullDisk);
    QFETCH(int, error);
    const auto rows = seededRows(6, 7, 400);
    DataWindow window(uitest::stripPictures());
    window.show();
    window.setMachine(historyOf(rows, rows.size()), 6, false);
    QTemporaryDir folder;
    const QString path = fullDisk ? folder.filePath(QStringLiteral("履歴.csv"))
                                  : folder.filePath(QStringLiteral("gone/履歴.csv"));
    const QByteArray before = bytesOf(historyOf(rows, 100).csv());
    if (fullDisk) {
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write(before) == before.size());
    }
    {
        const FileSizeLimit limit(rlim_t(before.size() + 1000));
        window.saveHistoryAs(path);
    }
    auto *message = window.findChild<QMessageBox *>();
    QVERIFY(message);
    QVERIFY(message->isVisible());
    QVERIFY2(message->text().contains(QString::fromLocal8Bit(std::strerror(error))),
        qPrintable(message->text()));
    QVERIFY(message->text().contains(path));
    if (fullDisk)
        QCOMPARE(fileBytes(path), before);
    else
        QVERIFY(!QFile::exists(path));
    message->close();
}

// Reset for a machine, rows added at the top as bonuses are lined up, and a
// game that does not follow beginning the history anew.
void TestDataWindow::bonusModelUnderTester()
{
    const auto rows = seededRows(6, 13, 1500);
    DataWindow window(uitest::stripPictures());
    QAbstractItemModelTester tester(
        window.bonusModel(), QAbstractItemModelTester::FailureReportingMode::QtTest);
    window.setMachine(historyOf(rows, 500), 6, true);
    const int atStart = window.bonusModel()->rowCount();
    for (std::size_t i = 500; i < rows.size(); ++i)
        window.addGame(rows[i]);
    QVERIFY(window.bonusModel()->rowCount() > atStart);
    QCOMPARE(std::size_t(window.bonusModel()->rowCount()), window.counter().bonuses().size());

    const auto other = seededRows(1, 2, 1);
    window.addGame(other.front());
    QCOMPARE(window.history().rows().size(), std::size_t(1));
    QCOMPARE(window.counter().games(), 1);
    QCOMPARE(window.bonusModel()->rowCount(), 0);
}

void TestDataWindow::keysClose_data()
{
    QTest::addColumn<QKeySequence>("keys");
    QTest::newRow("Esc") << QKeySequence(Qt::Key_Escape);
    QTest::newRow("Ctrl+W") << QKeySequence(Qt::CTRL | Qt::Key_W);
}

void TestDataWindow::keysClose()
{
    QFETCH(QKeySequence, keys);
    DataWindow window(uitest::stripPictures());
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QTest::keySequence(&window, keys);
    QVERIFY(!window.isVisible());
}

// Every label has a name for assistive tools: its own word, or the word of
// the figure it shows.
void TestDataWindow::labelsNamed()
{
    DataWindow window(uitest::stripPictures());
    window.setMachine(historyOf(seededRows(6, 7, 200), 200), 6, true);
    const QList<QLabel *> labels = window.findChildren<QLabel *>();
    QVERIFY(labels.size() >= 20);
    for (const QLabel *label : labels)
        QVERIFY2(!label->accessibleName().isEmpty(), qPrintable(label->text()));
}

QTEST_MAIN(TestDataWindow)
#include "tst_data_window.moc"
