// The generator and the lottery: reproducible numbers, draws that follow the
// counts, and the counts that give the machine's settings table.
#include "machine/generator.h"
#include "machine/lottery.h"

#include <QtTest>

#include <functional>
#include <map>

using namespace machine;

class TestMachineLottery : public QObject {
    Q_OBJECT

private slots:
    void generatorFollowsPcg32()
    {
        // The reference sequence of PCG32 seeded with 42 on stream 54.
        Generator g(42, 54);
        for (const std::uint32_t expected :
            { 0xa15c02b7u, 0x7b47f409u, 0xba1d3330u, 0x83d2f293u, 0xbfa4784bu, 0xcbed606eu })
            QCOMPARE(g.next(), expected);
        Generator copy = Generator::fromState(g.state(), g.increment());
        QCOMPARE(copy.next(), g.next());
    }

    void countsGiveTheSettingsTable_data()
    {
        QTest::addColumn<int>("setting");
        QTest::addColumn<QString>("odds");
        QTest::newRow("1") << 1 << "1/431.158 1/655.360";
        QTest::newRow("2") << 2 << "1/399.610 1/655.360";
        QTest::newRow("3") << 3 << "1/364.089 1/606.815";
        QTest::newRow("4") << 4 << "1/321.255 1/606.815";
        QTest::newRow("5") << 5 << "1/292.571 1/512.000";
        QTest::newRow("6") << 6 << "1/240.941 1/481.882";
    }
    void countsGiveTheSettingsTable()
    {
        QFETCH(int, setting);
        const BonusCounts &c = kBonusCounts[std::size_t(setting - 1)];
        QTEST(QString::asprintf("1/%.3f 1/%.3f", 65536.0 / c.big, 65536.0 / c.reg), "odds");
    }

    // A million draws with a fixed seed, sorted by what they drew, against
    // the counts: Pearson's chi-square below its 0.1 % point.
    void drawsFollowTheCounts_data()
    {
        QTest::addColumn<int>("table"); // 1..6 a setting, 7 BIG carried, 8 BIG game, 9 JAC
        for (int table = 1; table <= 9; ++table)
            QTest::addRow("%d", table) << table;
    }
    void drawsFollowTheCounts()
    {
        QFETCH(int, table);
        const SmallCounts &n = kNormalGameCounts, &b = kBigGameCounts;
        const BonusCounts &bonus = kBonusCounts[std::size_t(std::min(table, 6) - 1)];
        std::function<int(std::uint16_t)> draw;
        // What each flag (bonus × 10 + small) should get out of 65536.
        std::map<int, int> counts;
        const auto smalls = [&counts](int bonusKey, const SmallCounts &c) {
            counts = { { bonusKey, 65536 } };
            for (const SmallRange &range : smallRanges(c)) {
                counts[bonusKey + int(range.small)] = range.count;
                counts[bonusKey] -= range.count;
            }
        };
        if (table <= 7) {
            const Bonus carried = table == 7 ? Bonus::big : Bonus::none;
            draw = [table, carried](std::uint16_t d) {
                const Flags f = drawNormalGame(d, std::min(table, 6), carried);
                return int(f.bonus) * 10 + int(f.small);
            };
            smalls(int(carried) * 10, n);
            if (carried == Bonus::none) {
                counts[0] -= bonus.big + bonus.reg;
                counts[10] = bonus.big;
                counts[20] = bonus.reg;
            }
        } else if (table == 8) {
            draw = [](std::uint16_t d) { return int(drawBigGame(d)); };
            smalls(0, b);
        } else {
            draw = [](std::uint16_t d) { return int(drawJacGame(d)); };
            counts = { { int(Small::jac), kJacWinCount }, { 0, 65536 - kJacWinCount } };
        }
        std::erase_if(counts, [](const auto &c) { return c.second == 0; });
        constexpr int kDraws = 1'000'000;
        Generator g(2024, std::uint64_t(table));
        std::array<double, 32> observed {};
        for (int i = 0; i < kDraws; ++i)
            ++observed[std::size_t(draw(g.draw16()))];
        double chiSquare = 0, drawn = 0;
        for (const auto &[flag, count] : counts) {
            const double expected = double(kDraws) * count / 65536, o = observed[std::size_t(flag)];
            chiSquare += (o - expected) * (o - expected) / expected;
            drawn += o;
        }
        QCOMPARE(drawn, double(kDraws)); // nothing drawn that has no count
        // The 0.1 % points for 1 … 6 degrees of freedom.
        const double limit[] = { 0, 10.83, 13.82, 16.27, 18.47, 20.52, 22.46 };
        QVERIFY2(chiSquare < limit[counts.size() - 1], qPrintable(QString::number(chiSquare)));
    }
};

QTEST_APPLESS_MAIN(TestMachineLottery)
#include "tst_machine_lottery.moc"
