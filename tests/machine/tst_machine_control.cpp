// The reel control, checked against the rules worked out by brute force for
// every flag pair and every press of every reel.
#include "judge/table.h"
#include "machine/control.h"
#include "machine/maystop.h"

#include <QtTest>

#include <functional>

using namespace machine;
using judge::Code;
using judge::kCells;

namespace {

// Whether every press of every reel, stopped in `order`, has a stop within 4
// cells after which the game can still end in a pattern that may stop.
bool servesEveryPress(
    Flags flags, const std::array<int, 3> &order, std::array<int, 3> cells = {}, int step = 0)
{
    if (step == 3)
        return mayStop(judge::judge(cells[0], cells[1], cells[2]), flags);
    const auto reel = std::size_t(order[std::size_t(step)]);
    for (int press = 1; press <= kCells; ++press) {
        bool found = false;
        for (int slip = 0; slip <= 4 && !found; ++slip) {
            cells[reel] = slideTo(press, slip);
            found = servesEveryPress(flags, order, cells, step + 1);
        }
        if (!found)
            return false;
    }
    return true;
}

constexpr std::array<int, 3> kInOrder { 0, 1, 2 }; // 順押し

// The rules stated the slow way: a stop is safe when every later press finds
// a safe stop, a code possible when some later cells give it.
class Rules {
public:
    Rules(Flags flags, ControlOption option)
        : m_flags(flags)
        , m_option(option)
    {
        for (int l = 1; l <= kCells; ++l) {
            m_safeLeft[l] = servesEveryPress(flags, kInOrder, { l, 0, 0 }, 1);
            for (int c = 1; c <= kCells; ++c)
                m_safeCentre[l][c] = servesEveryPress(flags, kInOrder, { l, c, 0 }, 2);
        }
    }

    bool mayStop(int l, int c, int r) const
    {
        return machine::mayStop(judge::judge(l, c, r), m_flags);
    }
    bool safe(int reel, std::array<int, 3> s) const
    {
        return reel == 0 ? m_safeLeft[s[0]]
            : reel == 1  ? m_safeCentre[s[0]][s[1]]
                         : mayStop(s[0], s[1], s[2]);
    }

    // The stop for `press` of `reel`: the smallest safe slip keeping the
    // target possible, then (リーチ目優先, a bonus on) one keeping a reach-me
    // possible, then the smallest safe slip; 0 when no slip is safe.
    int expectedStop(int reel, std::array<int, 3> s, int press) const
    {
        const std::array<std::function<bool(Code)>, 3> aims { [&](Code code) {
                                                                 return isTarget(code, m_flags);
                                                             },
            [&](Code code) {
                return m_option == ControlOption::reachMeFirst && isStoppingReachMe(code, m_flags);
            },
            [](Code) { return true; } };
        for (const auto &aim : aims)
            for (int slip = 0; slip <= 4; ++slip) {
                s[std::size_t(reel)] = slideTo(press, slip);
                if (safe(reel, s) && possible(reel, s, aim))
                    return s[std::size_t(reel)];
            }
        return 0;
    }

private:
    static bool possible(int reel, std::array<int, 3> s, const std::function<bool(Code)> &aim)
    {
        if (reel == 2)
            return aim(judge::judge(s[0], s[1], s[2]));
        for (int cell = 1; cell <= kCells; ++cell) {
            s[std::size_t(reel + 1)] = cell;
            if (possible(reel + 1, s, aim))
                return true;
        }
        return false;
    }

    Flags m_flags;
    ControlOption m_option;
    bool m_safeCentre[kCells + 1][kCells + 1] {};
    bool m_safeLeft[kCells + 1] {};
};

int reachMeCount(const std::bitset<judge::kPatterns> &patterns)
{
    int n = 0;
    for (int i = 0; i < judge::kPatterns; ++i) {
        const judge::Pattern p = judge::patternAt(i);
        n += patterns[std::size_t(i)] && isReachMeResult(judge::judge(p.left, p.centre, p.right));
    }
    return n;
}

} // namespace

class TestMachineControl : public QObject {
    Q_OBJECT

private slots:
    void mayStopTable_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("bonus");
        QTest::addColumn<int>("small");
        QTest::addColumn<bool>("mayStop");
        using B = Bonus;
        using S = Small;
        const auto row = [](const char *name, Code c, B b, S s, bool may) {
            QTest::newRow(name) << judge::number(c) << int(b) << int(s) << may;
        };
        row("replay with its flag", Code::J15, B::big, S::replay, true);
        row("replay in a JAC game", Code::J15, B::none, S::jac, true);
        row("miss with a replay flag", Code::J18, B::none, S::replay, false);
        row("cherry", Code::J14, B::reg, S::cherry, true);
        row("BIG lined up", Code::J01, B::big, S::none, true);
        row("BIG with a small win", Code::J01, B::big, S::ooyama, false);
        row("B&R reach-me with REG", Code::J13, B::reg, S::cherry, true);
        row("J07 needs 3尺玉", Code::J07, B::big, S::none, false);
        row("certain miss with a bonus", Code::J19, B::reg, S::none, false);
        row("missed 大山", Code::J21, B::none, S::ooyama, true);
        row("missed 大山 or a bonus", Code::J20, B::big, S::none, true);
        row("should not stop", Code::J38, B::reg, S::none, false);
    }
    void mayStopTable()
    {
        QFETCH(int, code);
        QFETCH(int, bonus);
        QFETCH(int, small);
        QTEST(mayStop(judge::codeFromNumber(code), { Bonus(bonus), Small(small) }), "mayStop");
    }

    // Every pair, every press of every reel: the stop is within 4 cells,
    // safe, the one the pull-in rule picks, and the pattern may stop.
    void everyPressOfEveryPair_data()
    {
        QTest::addColumn<int>("pair");
        QTest::addColumn<int>("option");
        for (int pair = 0; pair < kFlagPairs; ++pair)
            for (const ControlOption o : { ControlOption::standard, ControlOption::reachMeFirst })
                QTest::addRow("%s %s%s", bonusName(pairAt(pair).bonus).data(),
                    smallName(pairAt(pair).small).data(),
                    o == ControlOption::reachMeFirst ? " reach-me first" : "")
                    << pair << int(o);
    }
    void everyPressOfEveryPair()
    {
        QFETCH(int, pair);
        QFETCH(int, option);
        const Flags flags = pairAt(pair);
        const auto o = ControlOption(option);
        const Rules rules(flags, o);
        const ReelControl &control = ReelControl::instance();
        std::array<int, 3> s {};
        // Stops the reel; says what went wrong, if anything.
        const auto stop = [&](int reel, int press) {
            const int expected = rules.expectedStop(reel, s, press);
            const int cell = control.stopCell(flags, reel, s, press, o);
            const QString error = expected != 0 && cell == expected
                ? QString()
                : QString("reel %1 pressed at %2 after %3 %4: stops at %5, not %6")
                      .arg(reel)
                      .arg(press)
                      .arg(s[0])
                      .arg(s[1])
                      .arg(cell)
                      .arg(expected);
            s[std::size_t(reel)] = cell;
            return error;
        };
        for (int p0 = 1; p0 <= kCells; ++p0) {
            QString error = stop(0, p0);
            QVERIFY2(error.isEmpty(), qPrintable(error));
            for (int p1 = 1; p1 <= kCells; ++p1) {
                error = stop(1, p1);
                QVERIFY2(error.isEmpty(), qPrintable(error));
                for (int p2 = 1; p2 <= kCells; ++p2) {
                    error = stop(2, p2);
                    QVERIFY2(error.isEmpty(), qPrintable(error));
                    QVERIFY(rules.mayStop(s[0], s[1], s[2]));
                }
            }
        }
    }

    // 順押し serves every pair; stopping the right reel before the left
    // cannot serve a replay flag, so the machine is played in one order.
    void stopOrders_data()
    {
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("second");
        QTest::addColumn<int>("third");
        QTest::addColumn<bool>("servesAll");
        QTest::newRow("left centre right") << 0 << 1 << 2 << true;
        QTest::newRow("centre right left") << 1 << 2 << 0 << false;
        QTest::newRow("right left centre") << 2 << 0 << 1 << false;
        QTest::newRow("right centre left") << 2 << 1 << 0 << false;
    }
    void stopOrders()
    {
        QFETCH(int, first);
        QFETCH(int, second);
        QFETCH(int, third);
        bool all = true;
        for (int pair = 0; pair < kFlagPairs; ++pair)
            all = all && servesEveryPress(pairAt(pair), { first, second, third });
        QTEST(all, "servesAll");
    }

    void stoppableReachMe()
    {
        QCOMPARE(reachMeCount(stoppablePatterns(ControlOption::standard)), 2743);
        QCOMPARE(reachMeCount(stoppablePatterns(ControlOption::reachMeFirst)), 2757);
        std::bitset<judge::kPatterns> all;
        all.set();
        QCOMPARE(reachMeCount(all), 2919);
    }
};

QTEST_APPLESS_MAIN(TestMachineControl)
#include "tst_machine_control.moc"
