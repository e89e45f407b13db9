// The game history: rows read back exactly as the game log writes them, the
// file and its CSV export, and what is refused or tolerated.
#include "machine/gamelog.h"
#include "records/history.h"
#include "seededrun.h"

#include <QtTest>

using namespace records;
using Outcome = ReadHistory::Outcome;

namespace {

const records_test::SeededRun &run()
{
    static const records_test::SeededRun r
        = records_test::playSeeded(6, 11, 3000, machine::ControlOption::reachMeFirst);
    return r;
}

std::string logText(int games)
{
    std::string text(machine::kGameLogHeader);
    for (int i = 0; i < games; ++i)
        machine::appendGameLogRow(text, run().games[std::size_t(i)]);
    return text;
}

// A normal game that paid a 3尺玉, as its log row without the line end.
QStringList sanjakuRow()
{
    for (const machine::GameResult &g : run().games)
        if (g.phase == machine::Phase::normal && g.code == judge::Code::J16
            && g.bonus == machine::Bonus::none) {
            std::string row;
            machine::appendGameLogRow(row, g);
            return QString::fromStdString(row).chopped(2).split(',');
        }
    return {};
}

} // namespace

class TestRecordsHistory : public QObject {
    Q_OBJECT

private slots:
    // Every row of a seeded run reads back as the game it was written from,
    // and writes again to the same text.
    void rowsReadBackExactly()
    {
        for (const machine::GameResult &game : run().games) {
            std::string written;
            machine::appendGameLogRow(written, game);
            QVERIFY(written.ends_with("\r\n"));
            std::string why;
            const auto row
                = parseRow(std::string_view(written).substr(0, written.size() - 2), &why);
            QVERIFY2(row, why.c_str());
            QVERIFY(*row == rowOf(game));
            std::string again;
            appendRow(again, *row);
            QCOMPARE(again, written);
        }
    }

    void refusedRows_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("reason");
        const auto row = [](const char *name, int column, const QString &value, const char *why) {
            QTest::newRow(name) << column << value << QString(why);
        };
        row("game 0", 0, "0", "game");
        row("leading zero", 0, "07", "game");
        row("unknown state", 1, "bonus", "state");
        row("bonus in lower case", 2, "big", "bonus");
        row("unknown small win", 3, "bell", "small");
        row("JAC win in a normal game", 3, "jac", "code for the flags");
        row("3尺玉 paid without its flag", 3, "none", "code for the flags");
        row("cell 22", 4, "22", "press or stop cell");
        const int press = sanjakuRow().value(4).toInt();
        row("a stop 5 cells on", 7, QString::number((press - 1 - 5 + 21) % 21 + 1),
            "press or stop cell");
        row("a code of other cells", 10, "J18", "code");
        row("a bet of 2", 11, "2", "bet");
        row("a JAC game's bet in a normal game", 11, "1", "bet");
        row("the payout of another result", 12, "6", "payout");
        row("credit 51", 13, "51", "credit");
        row("a blank", 13, " 5", "credit");
        row("a column more", 13, "5,0", "number of columns");
    }
    void refusedRows()
    {
        QFETCH(int, column);
        QFETCH(QString, value);
        QFETCH(QString, reason);
        QStringList columns = sanjakuRow();
        QCOMPARE(columns.size(), 14);
        QVERIFY(parseRow(columns.join(',').toStdString()));
        columns[column] = value;
        std::string why;
        QVERIFY(!parseRow(columns.join(',').toStdString(), &why));
        QVERIFY2(QString::fromStdString(why).contains(reason), why.c_str());
    }

    // The history, its file written a game at a time, and the CSV export:
    // all the log's text, read back whole.
    void historyRoundTrip()
    {
        GameHistory history;
        std::string file;
        for (const machine::GameResult &game : run().games) {
            file += appendedText(rowOf(game), file.size());
            history.append(rowOf(game));
        }
        const std::string expected = logText(int(run().games.size()));
        QCOMPARE(history.csv(), expected);
        QCOMPARE(file, expected);
        const ReadHistory read = readHistory(expected);
        QCOMPARE(read.outcome, Outcome::read);
        QVERIFY(!read.tornLastLine);
        QCOMPARE(read.wholeBytes, expected.size());
        QVERIFY(read.history.rows() == history.rows());
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, history.append(history.rows()[5]));
    }

    void tornAndDamaged_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("outcome");
        QTest::addColumn<int>("rows");
        QTest::addColumn<bool>("torn");
        QTest::addColumn<QString>("reason");
        const QByteArray good = QByteArray::fromStdString(logText(10));
        const QByteArray header = QByteArray::fromStdString(std::string(machine::kGameLogHeader));
        const auto lineStart = [&good](int line) {
            int at = 0;
            for (int i = 1; i < line; ++i)
                at = good.indexOf("\r\n", at) + 2;
            return at;
        };
        const auto row = [](const char *name, const QByteArray &text, Outcome outcome, int rows,
                             bool torn, const char *why) {
            QTest::newRow(name) << text << int(outcome) << rows << torn << QString(why);
        };
        row("empty", {}, Outcome::read, 0, false, "");
        row("header cut short", header.left(20), Outcome::read, 0, true, "");
        row("header alone", header, Outcome::read, 0, false, "");
        row("one row", good.left(lineStart(3)), Outcome::read, 1, false, "");
        row("last row cut short", good.chopped(9), Outcome::read, 9, true, "");
        row("last row without its LF", good.chopped(1), Outcome::read, 9, true, "");
        row("another file", "reachme machine\nversion 1\n", Outcome::notOurs, 0, false,
            "not a game history");
        row("LF line ends", QByteArray(good).replace("\r\n", "\n"), Outcome::notOurs, 0, false,
            "not a game history");
        row("a row changed", QByteArray(good).replace(lineStart(5), 1, "x"), Outcome::damaged, 0,
            false, "line 5: a bad game");
        row("a row missing", QByteArray(good).remove(lineStart(4), lineStart(5) - lineStart(4)),
            Outcome::damaged, 0, false, "line 4: not the next game");
        row("a row cut short inside", QByteArray(good).remove(lineStart(6) - 5, 3),
            Outcome::damaged, 0, false, "line 5");
        row("a bare LF after the last row", good + "1,normal\n", Outcome::damaged, 0, false,
            "line 12");
    }
    void tornAndDamaged()
    {
        QFETCH(QByteArray, text);
        QFETCH(int, rows);
        QFETCH(bool, torn);
        QFETCH(QString, reason);
        const ReadHistory read = readHistory(text.toStdString());
        QTEST(int(read.outcome), "outcome");
        QCOMPARE(int(read.history.rows().size()), rows);
        QCOMPARE(read.tornLastLine, torn);
        QVERIFY2(QString::fromStdString(read.reason).contains(reason), read.reason.c_str());
        if (read.outcome == Outcome::read) {
            // Sound up to the end of the last whole row, where the next append goes.
            const std::string sound = text.left(qsizetype(read.wholeBytes)).toStdString();
            QCOMPARE(sound, read.wholeBytes == 0 ? std::string() : logText(rows));
        }
    }

    // A history may begin on a machine already played, but its credit must
    // follow from game to game.
    void laterStartAndCredit()
    {
        std::string text(machine::kGameLogHeader);
        for (int i = 100; i < 110; ++i)
            appendRow(text, rowOf(run().games[std::size_t(i)]));
        const ReadHistory later = readHistory(text);
        QCOMPARE(later.outcome, Outcome::read);
        QCOMPARE(later.history.rows().front().game, 101);

        GameRow row = rowOf(run().games[110]);
        row.credit = row.credit == 0 ? 1 : row.credit - 1;
        appendRow(text, row);
        const ReadHistory bad = readHistory(text);
        QCOMPARE(bad.outcome, Outcome::damaged);
        QVERIFY2(bad.reason.find("line 12: not the next game, or a credit") != std::string::npos,
            bad.reason.c_str());
    }
};

QTEST_APPLESS_MAIN(TestRecordsHistory)
#include "tst_records_history.moc"
