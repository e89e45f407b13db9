// The reach-me collection: what is collected, the figures per result against
// what the control can stop, and its file read back or refused.
#include "judge/table.h"
#include "records/collectionformat.h"
#include "seededrun.h"

#include <QtTest>

using namespace records;
using Outcome = ReadCollection::Outcome;
using Recorded = ReachMeCollection::Recorded;

namespace {

// The first pattern, by number, with this result.
judge::Pattern firstOf(judge::Code code)
{
    for (int i = 0; i < judge::kPatterns; ++i) {
        const judge::Pattern p = judge::patternAt(i);
        if (judge::judge(p.left, p.centre, p.right) == code)
            return p;
    }
    return {};
}

GameRow rowShowing(judge::Code code, machine::Phase phase, std::int64_t game)
{
    GameRow row;
    const judge::Pattern p = firstOf(code);
    row.game = game;
    row.phase = phase;
    row.stop = { p.left, p.centre, p.right };
    row.code = code;
    return row;
}

// What a seeded session of play collects, a game a minute.
ReachMeCollection playedCollection()
{
    const auto run = records_test::playSeeded(6, 3, 20'000, machine::ControlOption::reachMeFirst);
    ReachMeCollection collection;
    for (const machine::GameResult &game : run.games)
        collection.record(rowOf(game), 1'750'000'000 + 60 * game.game);
    return collection;
}

QByteArray fileOf(const ReachMeCollection &collection)
{
    return QByteArray::fromStdString(writeCollection(collection));
}

} // namespace

class TestRecordsCollection : public QObject {
    Q_OBJECT

private slots:
    void recorded_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("phase");
        QTest::addColumn<int>("outcome");
        const int normal = int(machine::Phase::normal);
        QTest::newRow("a reach-me for BIG") << 3 << normal << int(Recorded::first);
        QTest::newRow("a reach-me for REG") << 5 << normal << int(Recorded::first);
        QTest::newRow("a reach-me for both") << 13 << normal << int(Recorded::first);
        QTest::newRow("a reach-me in a bonus game")
            << 3 << int(machine::Phase::big) << int(Recorded::notCollectable);
        QTest::newRow("a lined-up BIG") << 1 << normal << int(Recorded::notCollectable);
        QTest::newRow("a reach-me that should not stop")
            << 24 << normal << int(Recorded::notCollectable);
        QTest::newRow("a miss") << 18 << normal << int(Recorded::notCollectable);
    }
    void recorded()
    {
        QFETCH(int, code);
        QFETCH(int, phase);
        QFETCH(int, outcome);
        ReachMeCollection collection;
        const GameRow row = rowShowing(judge::Code(code), machine::Phase(phase), 40);
        QCOMPARE(int(collection.record(row, 1000)), outcome);
        const bool collected = outcome == int(Recorded::first);
        QCOMPARE(collection.collected(), collected ? 1 : 0);
        if (!collected)
            return;
        GameRow later = row;
        later.game = 7; // on another machine
        QCOMPARE(collection.record(later, 2000), Recorded::again);
        QCOMPARE(collection.record(later, -5), Recorded::again);
        QCOMPARE(collection.at(stopPattern(row)), (CollectedPattern { 3, { 40, 1000 }, { 7, 0 } }));
        QCOMPARE(collection.collected(), 1);
    }

    // The counts of the reach-me results and of those the control can ever
    // stop, as docs/machine.md gives them.
    void figuresPerResult_data()
    {
        QTest::addColumn<int>("option");
        QTest::addColumn<QList<int>>("canStop");
        QTest::newRow("standard") << int(machine::ControlOption::standard)
                                  << QList<int> { 827, 0, 598, 1203, 75, 6, 6, 12, 2, 6, 8 };
        QTest::newRow("リーチ目優先") << int(machine::ControlOption::reachMeFirst)
                                      << QList<int> { 828, 0, 600, 1214, 75, 6, 6, 12, 2, 6, 8 };
    }
    void figuresPerResult()
    {
        QFETCH(int, option);
        QFETCH(QList<int>, canStop);
        const QList<int> patterns { 904, 1, 642, 1255, 75, 6, 6, 12, 4, 6, 8 };
        QCOMPARE(collectablePatterns().size(), std::size_t(2919));
        ReachMeCollection collection;
        const auto empty = resultFigures(collection, machine::ControlOption(option));
        QCOMPARE(empty.size(), std::size_t(11));
        for (int i = 0; i < 11; ++i) {
            const ResultFigures &f = empty[std::size_t(i)];
            QCOMPARE(
                f, (ResultFigures { judge::codeFromNumber(3 + i), 0, canStop[i], patterns[i] }));
        }
        // A pattern the control never stops, once collected, counts as one it can.
        const judge::Pattern never = firstOf(judge::Code::J04);
        QVERIFY(collection.restore(never, { 1, { 5, 50 }, { 5, 50 } }));
        const ResultFigures j04 = resultFigures(collection, machine::ControlOption(option))[1];
        QCOMPARE(j04, (ResultFigures { judge::Code::J04, 1, 1, 1 }));
    }

    void figuresText()
    {
        const auto text = [](int code, int collected, int canStop) {
            return QString::fromStdString(
                records::figuresText({ judge::codeFromNumber(code), collected, canStop, 0 }));
        };
        QCOMPARE(text(3, 123, 850), "J03 リーチ目 BIG 123 / 850");
        QCOMPARE(text(9, 0, 6), "J09 リーチ目 REG 0 / 6");
        QCOMPARE(text(10, 12, 12), "J10 リーチ目 B&R 12 / 12");
    }

    void roundTrip_data()
    {
        QTest::addColumn<int>("which");
        QTest::newRow("empty") << 0;
        QTest::newRow("a session's") << 1;
        QTest::newRow("every pattern, large figures") << 2;
    }
    void roundTrip()
    {
        QFETCH(int, which);
        ReachMeCollection collection = which == 1 ? playedCollection() : ReachMeCollection();
        if (which == 2)
            for (const int index : collectablePatterns())
                QVERIFY(collection.restore(judge::patternAt(index),
                    { 18'000'000'000'000'000'000u + std::uint64_t(index),
                        { 9'000'000'000'000 + index, 0 }, { 1, 4'000'000'000 + index } }));
        if (which == 1)
            QVERIFY(collection.collected() > 300);
        const std::string text = writeCollection(collection);
        const ReadCollection read = readCollection(text);
        QCOMPARE(read.outcome, Outcome::read);
        QVERIFY2(read.reason.empty(), read.reason.c_str());
        QVERIFY(read.collection == collection);
        QCOMPARE(writeCollection(read.collection), text);
    }

    void refused_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<bool>("reseal"); // sealed again, as a careful hand edit would be
        QTest::addColumn<int>("outcome");
        QTest::addColumn<QString>("reason");
        ReachMeCollection some;
        const judge::Pattern j03 = firstOf(judge::Code::J03), j05 = firstOf(judge::Code::J05);
        some.restore(j03, { 1, { 12, 345 }, { 12, 345 } });
        some.restore(j05, { 4, { 9, 100 }, { 70, 900 } });
        const QByteArray good = fileOf(some);
        const QByteArray body = good.left(good.lastIndexOf("end "));
        const QByteArray line03 = QString("pattern %1 %2 %3 1 12 345 12 345\n")
                                      .arg(j03.left)
                                      .arg(j03.centre)
                                      .arg(j03.right)
                                      .toLatin1();
        QVERIFY(body.contains(line03));
        const QString at03 = QString("line %1 is not a pattern")
                                 .arg(body.left(body.indexOf(line03)).count('\n') + 1);
        const auto edited = [&body](const QByteArray &from, const QByteArray &to) {
            return QByteArray(body).replace(from, to);
        };
        const judge::Pattern miss = firstOf(judge::Code::J18);
        const QByteArray missLine = QString("pattern %1 %2 %3 1 12 345 12 345\n")
                                        .arg(miss.left)
                                        .arg(miss.centre)
                                        .arg(miss.right)
                                        .toLatin1();
        const auto row = [](const char *name, const QByteArray &text, bool reseal, Outcome outcome,
                             const QString &why) {
            QTest::newRow(name) << text << reseal << int(outcome) << why;
        };
        const Outcome damaged = Outcome::damaged;
        row("empty", {}, false, Outcome::notOurs, "not a reach-me collection");
        row("the drill's file", "reachme drill progress\nversion 1\n", false, Outcome::notOurs,
            "not a reach-me collection");
        row("newer", "reachme reach-me collection\nversion 2\nnew things\n", false,
            Outcome::newerVersion, "newer version of the program (format 2");
        row("no version", edited("version 1\n", ""), true, damaged, "no format version");
        row("cut short", good.left(good.size() / 2), false, damaged, "cut short");
        row("last byte gone", good.chopped(1), false, damaged, "cut short");
        row("a figure changed", QByteArray(good).replace(" 70 900", " 71 900"), false, damaged,
            "checksum");
        row("bytes after the end", good + "x", false, damaged, "checksum");
        row("a leading zero", edited(" 12 345 12", " 012 345 12"), true, damaged, at03);
        row("a blank doubled", edited(" 12 345 12", "  12 345 12"), true, damaged, at03);
        row("a word missing", edited(" 12 345 12 345", " 12 345 12"), true, damaged, at03);
        row("count 0", edited(" 1 12 345", " 0 12 345"), true, damaged, at03);
        row("one sighting, two games", edited(" 1 12 345 12 345", " 1 12 345 13 345"), true,
            damaged, at03);
        row("not a reach-me", edited(line03, missLine), true, damaged, at03);
        row("twice the same pattern", edited(line03, line03 + line03), true, damaged,
            "is not a pattern");
    }
    void refused()
    {
        QFETCH(QByteArray, text);
        QFETCH(bool, reseal);
        QFETCH(QString, reason);
        std::string bytes = text.toStdString();
        if (reseal)
            sealCollection(bytes);
        const ReadCollection read = readCollection(bytes);
        QTEST(int(read.outcome), "outcome");
        QVERIFY2(QString::fromStdString(read.reason).contains(reason), read.reason.c_str());
        QCOMPARE(read.collection.collected(), 0);
    }
};

QTEST_APPLESS_MAIN(TestRecordsCollection)
#include "tst_records_collection.moc"
