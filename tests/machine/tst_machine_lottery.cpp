// The generator and the lottery: reproducible numbers, draws that follow the
// counts, and the counts that give the machine's settings table.
#include "machine/generator.h"
#include "machine/lottery.h"

#include <QtTest>

#include <map>

using namespace machine;

namespace {

// Pearson's chi-square of observed against expected counts.
double chiSquare(const std::map<int, double> &observed, const std::map<int, double> &expected)
{
    double sum = 0;
    for (const auto &[key, e] : expected) {
        const double o = observed.count(key) ? observed.at(key) : 0;
        sum += (o - e) * (o - e) / e;
    }
    return sum;
}

constexpr int kDraws = 2'000'000;

} // namespace

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
        QVERIFY(Generator(1, 1).next() != Generator(1, 2).next());
    }

    void belowIsUniform()
    {
        Generator g(7);
        std::map<int, double> observed, expected;
        for (int i = 0; i < 210'000; ++i)
            ++observed[int(g.below(21))];
        for (int cell = 0; cell < 21; ++cell)
            expected[cell] = 10'000;
        QCOMPARE(int(observed.size()), 21);
        QVERIFY(chiSquare(observed, expected) < 45.3); // 20 degrees of freedom, p = 0.001
    }

    void countsGiveTheSettingsTable_data()
    {
        QTest::addColumn<int>("setting");
        QTest::addColumn<QString>("big");
        QTest::addColumn<QString>("reg");
        QTest::newRow("1") << 1 << "1/431.158"
                           << "1/655.360";
        QTest::newRow("2") << 2 << "1/399.610"
                           << "1/655.360";
        QTest::newRow("3") << 3 << "1/364.089"
                           << "1/606.815";
        QTest::newRow("4") << 4 << "1/321.255"
                           << "1/606.815";
        QTest::newRow("5") << 5 << "1/292.571"
                           << "1/512.000";
        QTest::newRow("6") << 6 << "1/240.941"
                           << "1/481.882";
    }
    void countsGiveTheSettingsTable()
    {
        QFETCH(int, setting);
        QFETCH(QString, big);
        QFETCH(QString, reg);
        const BonusCounts &c = kBonusCounts[std::size_t(setting - 1)];
        QCOMPARE(QString::asprintf("1/%.3f", 65536.0 / c.big), big);
        QCOMPARE(QString::asprintf("1/%.3f", 65536.0 / c.reg), reg);
    }

    void normalDrawsFollowTheCounts_data()
    {
        QTest::addColumn<int>("setting");
        QTest::addColumn<int>("carried");
        for (int s = 1; s <= kSettings; ++s)
            QTest::addRow("setting %d", s) << s << int(Bonus::none);
        QTest::newRow("BIG carried") << 1 << int(Bonus::big);
        QTest::newRow("REG carried") << 6 << int(Bonus::reg);
    }
    void normalDrawsFollowTheCounts()
    {
        QFETCH(int, setting);
        QFETCH(int, carried);
        const Bonus b = Bonus(carried);
        Generator g(2024, 3);
        std::map<int, double> observed, expected;
        for (int i = 0; i < kDraws; ++i) {
            const Flags f = drawNormalGame(g.draw16(), setting, b);
            QVERIFY(b == Bonus::none || f.bonus == b);
            ++observed[int(f.bonus) * 10 + int(f.small)];
        }
        const BonusCounts &bonus = kBonusCounts[std::size_t(setting - 1)];
        const SmallCounts &c = kNormalGameCounts;
        const double scale = double(kDraws) / 65536;
        const int carriedKey = int(b) * 10;
        expected[carriedKey + int(Small::none)]
            = scale * (65536 - c.cherry - c.replay - c.sanjaku - c.ooyama);
        if (b == Bonus::none) {
            expected[0] -= scale * (bonus.big + bonus.reg);
            expected[10] = scale * bonus.big;
            expected[20] = scale * bonus.reg;
        }
        expected[carriedKey + int(Small::cherry)] = scale * c.cherry;
        expected[carriedKey + int(Small::replay)] = scale * c.replay;
        expected[carriedKey + int(Small::sanjaku)] = scale * c.sanjaku;
        expected[carriedKey + int(Small::ooyama)] = scale * c.ooyama;
        QCOMPARE(observed.size(), expected.size());
        QVERIFY(chiSquare(observed, expected) < 22.46); // 6 degrees of freedom, p = 0.001
    }

    void bonusGameDrawsFollowTheCounts()
    {
        Generator g(99, 4);
        std::map<int, double> big, jac;
        for (int i = 0; i < kDraws; ++i) {
            ++big[int(drawBigGame(g.draw16()))];
            ++jac[int(drawJacGame(g.draw16()))];
        }
        const SmallCounts &c = kBigGameCounts;
        const double scale = double(kDraws) / 65536;
        std::map<int, double> expectedBig { { int(Small::replay), scale * c.replay },
            { int(Small::sanjaku), scale * c.sanjaku }, { int(Small::ooyama), scale * c.ooyama } };
        if (c.cherry)
            expectedBig[int(Small::cherry)] = scale * c.cherry;
        const int none = 65536 - c.cherry - c.replay - c.sanjaku - c.ooyama;
        if (none)
            expectedBig[int(Small::none)] = scale * none;
        QCOMPARE(big.size(), expectedBig.size());
        QVERIFY(chiSquare(big, expectedBig) < 16.27); // at most 3 degrees of freedom
        const std::map<int, double> expectedJac { { int(Small::jac), scale * kJacWinCount },
            { int(Small::none), scale * (65536 - kJacWinCount) } };
        QVERIFY(chiSquare(jac, expectedJac) < 10.83); // 1 degree of freedom
    }
};

QTEST_APPLESS_MAIN(TestMachineLottery)
#include "tst_machine_lottery.moc"
