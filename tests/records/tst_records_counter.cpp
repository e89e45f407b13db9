// The data counter against the machine's own counters and a recount from
// the games, the setting worked out against cases worked by hand, and the
// slump graph's reduction.
#include "machine/maystop.h"
#include "records/datacounter.h"
#include "seededrun.h"

#include <QtTest>

#include <numeric>

using namespace records;
using machine::Bonus;

namespace {

double meanSetting(const SettingOdds &odds)
{
    double mean = 0;
    for (std::size_t s = 0; s < odds.size(); ++s)
        mean += double(s + 1) * odds[s];
    return mean;
}

// A slump of `games` games losing 3 coins each, with a one-game peak of
// +3000 after `peak` and a one-game dip of −3000 after `dip`: each the
// highest or lowest of the games around it.
SlumpSeries spikySlump(int games, int peak, int dip)
{
    SlumpSeries slump;
    for (int g = 1; g <= games; ++g) {
        GameRow row;
        row.game = g;
        row.bet = g == peak + 1 || g == dip ? 3003 : 3;
        row.payout = g == peak || g == dip + 1 ? 3000 : 0;
        slump.add(row);
    }
    return slump;
}

} // namespace

class TestRecordsCounter : public QObject {
    Q_OBJECT

private slots:
    // Worked by hand from the settings table: BIG 152 164 180 204 224 272
    // and REG 100 100 108 108 128 136 out of 65536.
    void oddsWorkedByHand_data()
    {
        QTest::addColumn<int>("games");
        QTest::addColumn<int>("bigs");
        QTest::addColumn<int>("regs");
        QTest::addColumn<QList<double>>("expected");
        QTest::newRow("no games: the prior") << 0 << 0 << 0 << QList<double>(6, 1.0 / 6);
        QTest::newRow("one BIG in one game")
            << 1 << 1 << 0
            << QList<double> { 152 / 1196., 164 / 1196., 180 / 1196., 204 / 1196., 224 / 1196.,
                   272 / 1196. };
        QTest::newRow("one REG in one game") << 1 << 0 << 1
                                             << QList<double> { 100 / 680., 100 / 680., 108 / 680.,
                                                    108 / 680., 128 / 680., 136 / 680. };
        // 65536 less BIG and REG: 65284 65272 65248 65224 65184 65128, 391340 in all.
        QTest::newRow("one game without a bonus")
            << 1 << 0 << 0
            << QList<double> { 65284 / 391340., 65272 / 391340., 65248 / 391340., 65224 / 391340.,
                   65184 / 391340., 65128 / 391340. };
        // BIG × REG: 15200 16400 19440 22032 28672 36992, 138736 in all.
        QTest::newRow("a BIG and a REG in two games")
            << 2 << 1 << 1
            << QList<double> { 15200 / 138736., 16400 / 138736., 19440 / 138736., 22032 / 138736.,
                   28672 / 138736., 36992 / 138736. };
    }
    void oddsWorkedByHand()
    {
        QFETCH(int, games);
        QFETCH(int, bigs);
        QFETCH(int, regs);
        QFETCH(QList<double>, expected);
        const SettingOdds odds = settingOdds({ games, bigs, regs });
        for (std::size_t s = 0; s < odds.size(); ++s)
            QVERIFY2(qAbs(odds[s] - expected[qsizetype(s)]) < 1e-12,
                qPrintable(QString("setting %1: %2").arg(s + 1).arg(odds[s], 0, 'g', 15)));
    }

    // Long sessions: every figure finite, summing to 1, and more BIG a game
    // moves the odds towards the higher settings.
    void moreBigMovesUp_data()
    {
        QTest::addColumn<qint64>("games");
        QTest::addColumn<int>("fewer");
        QTest::addColumn<int>("more");
        QTest::addColumn<int>("regs");
        QTest::newRow("3000 games") << qint64(3000) << 6 << 12 << 5;
        QTest::newRow("100 000 games") << qint64(100'000) << 232 << 300 << 180;
        QTest::newRow("10 million games, setting 1 against 2")
            << qint64(10'000'000) << 23'200 << 24'600 << 15'260;
        QTest::newRow("a billion games")
            << qint64(1'000'000'000) << 2'320'000 << 2'500'000 << 1'526'000;
    }
    void moreBigMovesUp()
    {
        QFETCH(qint64, games);
        QFETCH(int, fewer);
        QFETCH(int, more);
        QFETCH(int, regs);
        const SettingOdds low = settingOdds({ games, fewer, regs });
        const SettingOdds high = settingOdds({ games, more, regs });
        for (const SettingOdds &odds : { low, high }) {
            QVERIFY(std::all_of(odds.begin(), odds.end(),
                [](double p) { return std::isfinite(p) && p >= 0 && p <= 1; }));
            QVERIFY(qAbs(std::accumulate(odds.begin(), odds.end(), 0.0) - 1) < 1e-12);
        }
        QVERIFY(meanSetting(high) > meanSetting(low));
        QVERIFY(high[5] >= low[5] && high[0] <= low[0]);
        QVERIFY(high[5] > low[5] || high[0] < low[0]);
    }

    void impossibleEvidenceRefused()
    {
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, settingOdds({ 2, 2, 1 }));
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, settingOdds({ 5, -1, 0 }));
    }

    // A seeded run fed one game at a time: at every game the counter agrees
    // with the machine's counters and with a recount from the games, which
    // know the hidden flags; and it never shows a bonus still carried.
    void counterAgreesWithTheMachine_data()
    {
        QTest::addColumn<int>("setting");
        QTest::addColumn<int>("option");
        QTest::newRow("setting 6") << 6 << int(machine::ControlOption::standard);
        QTest::newRow("setting 1, リーチ目優先") << 1 << int(machine::ControlOption::reachMeFirst);
    }
    void counterAgreesWithTheMachine()
    {
        QFETCH(int, setting);
        QFETCH(int, option);
        const auto run = records_test::playSeeded(
            setting, 20 + setting, 40'000, machine::ControlOption(option));
        DataCounter counter;
        SettingEvidence drawn; // from the machine's own word on each draw
        std::vector<BonusRecord> expected;
        BonusRecord open;
        std::int64_t normal = 0;
        for (std::size_t i = 0; i < run.games.size(); ++i) {
            const machine::GameResult &g = run.games[i];
            const machine::State &s = run.states[i];
            counter.add(rowOf(g));
            const bool isNormal = g.phase == machine::Phase::normal;
            normal += isNormal ? 1 : 0;
            if (isNormal && (g.bonus == Bonus::none || g.bonusDrawn))
                ++drawn.games;
            if (g.bonusDrawn) {
                ++(g.bonus == Bonus::big ? drawn.bigs : drawn.regs);
                open = { g.bonus, 0, 0, g.game, {} };
            }
            if (isNormal && machine::isReachMeResult(g.code))
                open.reachMe.push_back({ g.game, { g.stop[0], g.stop[1], g.stop[2] }, g.code });
            if (isNormal && (g.code == judge::Code::J01 || g.code == judge::Code::J02)) {
                open.game = g.game;
                open.gameCount = i == 0 ? 1 : run.states[i - 1].counters.gamesSinceBonus + 1;
                open.carriedGames = g.game - *open.carriedGames + 1;
                expected.push_back(open);
            }
            QCOMPARE(counter.games(), s.counters.games);
            QCOMPARE(counter.normalGames(), normal);
            QCOMPARE(counter.gamesSinceBonus(), s.counters.gamesSinceBonus);
            QCOMPARE(counter.bigs(), s.counters.bigs);
            QCOMPARE(counter.regs(), s.counters.regs);
            QCOMPARE(counter.slump().difference(), s.coins.difference());
            const SettingEvidence shown = counter.settingEvidence();
            QCOMPARE(shown.bigs, s.counters.bigs);
            QCOMPARE(shown.regs, s.counters.regs);
            if (s.carried == Bonus::none)
                QVERIFY(shown == drawn);
        }
        QVERIFY(counter.bigs() > 20 && counter.regs() > 20);
        QCOMPARE(counter.bigOneIn(), double(normal) / double(counter.bigs()));
        QCOMPARE(counter.bonuses().size(), expected.size());
        for (std::size_t b = 0; b < expected.size(); ++b)
            QVERIFY2(counter.bonuses()[b] == expected[b], qPrintable(QString("bonus %1").arg(b)));
        const auto withReachMe = std::count_if(expected.begin(), expected.end(),
            [](const BonusRecord &r) { return !r.reachMe.empty(); });
        QVERIFY(withReachMe > 10);
        const auto &marks = counter.slump().bonuses();
        QCOMPARE(marks.size(), expected.size());
        for (std::size_t b = 0; b < marks.size(); ++b) {
            QCOMPARE(marks[b].game, expected[b].game);
            QCOMPARE(marks[b].kind, expected[b].kind);
            QCOMPARE(
                counter.slump().at(std::size_t(marks[b].game)).difference, marks[b].difference);
        }
    }

    // A history that begins on a machine already played, in a game with a
    // bonus carried: that bonus is counted, but not how long it was carried
    // nor its draw.
    void historyBegunWithABonusCarried()
    {
        const auto run = records_test::playSeeded(6, 5, 5000);
        std::size_t start = 1;
        while (run.states[start - 1].carried == Bonus::none || run.games[start].bonusDrawn)
            ++start;
        DataCounter counter;
        for (std::size_t i = start; i < run.games.size(); ++i)
            counter.add(rowOf(run.games[i]));
        QVERIFY(counter.bonuses().size() > 2);
        QVERIFY(!counter.bonuses()[0].carriedGames);
        QVERIFY(counter.bonuses()[1].carriedGames);
        const SettingEvidence e = counter.settingEvidence();
        QCOMPARE(e.bigs + e.regs, std::int64_t(counter.bonuses().size()) - 1);
    }

    void slumpReduction_data()
    {
        QTest::addColumn<int>("games");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("peak");
        QTest::addColumn<int>("dip");
        QTest::newRow("100 000 games on 800 pixels") << 100'000 << 800 << 54'321 << 77'777;
        QTest::newRow("peak and dip in one column") << 100'000 << 800 << 60'001 << 60'003;
        QTest::newRow("one column") << 5000 << 1 << 10 << 4000;
        QTest::newRow("a few more games than pixels") << 801 << 800 << 400 << 700;
        QTest::newRow("games fit") << 500 << 800 << 100 << 200;
    }
    void slumpReduction()
    {
        QFETCH(int, games);
        QFETCH(int, width);
        QFETCH(int, peak);
        QFETCH(int, dip);
        const SlumpSeries slump = spikySlump(games, peak, dip);
        QCOMPARE(slump.at(std::size_t(peak)).difference, 3000 - 3 * peak);
        QCOMPARE(slump.at(std::size_t(dip)).difference, -3000 - 3 * dip);
        std::vector<SlumpPoint> points { { 9, 9 } };
        slump.reduce(width, points);
        QVERIFY(points.size() <= std::size_t(2 * width));
        QVERIFY(std::is_sorted(points.begin(), points.end(),
            [](const SlumpPoint &a, const SlumpPoint &b) { return a.game <= b.game; }));
        for (const SlumpPoint &p : points)
            QCOMPARE(p, slump.at(std::size_t(p.game)));
        for (const int spike : { peak, dip })
            QVERIFY2(std::count(points.begin(), points.end(), slump.at(std::size_t(spike))) == 1,
                qPrintable(QString("game %1 left out").arg(spike)));
        if (games + 1 <= width)
            QCOMPARE(points.size(), std::size_t(games + 1));
        slump.reduce(0, points);
        QVERIFY(points.empty());
    }
};

QTEST_APPLESS_MAIN(TestRecordsCounter)
#include "tst_records_counter.moc"
