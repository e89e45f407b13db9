// Games through the machine: bets, payouts and the credit, replays, the bonus
// games and their limits, and the same games again from a seed or a state.
#include "judge/table.h"
#include "machine/machine.h"
#include "machine/maystop.h"
#include "machine/payout.h"

#include <QtTest>

using namespace machine;
using judge::Code;

namespace {

using Presses = std::array<int, 3>;

// Presses that line up the game's target, when it has one.
Presses targetPresses(Flags flags)
{
    static std::array<std::optional<Presses>, kFlagPairs> found;
    std::optional<Presses> &presses = found[std::size_t(pairIndex(flags))];
    for (int i = 0; i < judge::kPatterns && !presses; ++i) {
        const judge::Pattern p = judge::patternAt(i);
        const auto s = ReelControl::instance().stopAll(
            flags, { p.left, p.centre, p.right }, ControlOption::standard);
        if (isTarget(judge::judge(s[0], s[1], s[2]), flags) || i + 1 == judge::kPatterns)
            presses = { p.left, p.centre, p.right };
    }
    return *presses;
}

GameResult playTarget(Machine &m)
{
    m.lever();
    const Presses p = targetPresses(m.flags());
    std::optional<StopResult> stop;
    for (int reel = 0; reel < 3; ++reel)
        stop = m.stop(reel, p[std::size_t(reel)]);
    return *stop->game;
}

Presses pressesFor(std::int64_t game) { return { int(game % 21) + 1, int(game * 5 % 21) + 1, 9 }; }

} // namespace

class TestMachineGame : public QObject {
    Q_OBJECT

private slots:
    // A bonus driven by a pattern of wins: 'J' marks the small-win games
    // with a JAC-in, 'W' the JAC plays won (the pattern repeats).
    void bonusLimits_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("jacIns");
        QTest::addColumn<QString>("jacWins");
        QTest::addColumn<int>("smallGames");
        QTest::addColumn<int>("games");
        const int big = int(Bonus::big), reg = int(Bonus::reg);
        const QString every(30, 'J'), never(30, '.');
        QTest::newRow("BIG: three JAC games at once") << big << every << "W" << 3 << 27;
        QTest::newRow("BIG: no JAC-in") << big << never << "W" << 30 << 30;
        QTest::newRow("BIG: JAC-in on the 30th game")
            << big << QString(29, '.') + 'J' << "." << 30 << 42;
        QTest::newRow("BIG: JAC games of 12 plays") << big << "..J"
                                                    << "." << 9 << 9 + 3 * 12;
        QTest::newRow("REG: 8 wins") << reg << ""
                                     << "W" << 0 << 8;
        QTest::newRow("REG: 12 plays") << reg << ""
                                       << "W." << 0 << 12;
        QTest::newRow("REG: the 8th win on the 9th play") << reg << ""
                                                          << ".WWWWWWWW" << 0 << 9;
    }
    void bonusLimits()
    {
        QFETCH(int, kind);
        QFETCH(QString, jacIns);
        QFETCH(QString, jacWins);
        BonusPlay play = startBonus(Bonus(kind));
        int games = 0, smallGames = 0;
        while (play.kind != Bonus::none) {
            QVERIFY(isPossible(play));
            QVERIFY(games < 200);
            const bool won = play.inJac ? jacWins[play.jacPlays % jacWins.size()] == 'W'
                                        : jacIns[play.smallGames % jacIns.size()] == 'J';
            smallGames += play.inJac ? 0 : 1;
            finishBonusGame(play, won);
            ++games;
        }
        QTEST(smallGames, "smallGames");
        QTEST(games, "games");
    }

    void coins()
    {
        Coins c;
        c.credit = 2;
        QCOMPARE(takeBet(c, 3), 1); // one coin from the hand
        QCOMPARE(c.credit, 0);
        QCOMPARE(pay(c, 10), 0);
        c.credit = 48;
        QCOMPARE(pay(c, 10), 8); // past 50, to the tray
        QCOMPARE(c.credit, 50);
        QCOMPARE(c.in, 3);
        QCOMPARE(c.out, 20);
        QCOMPARE(c.difference(), 17);
        c.replays = 2;
        QCOMPARE(c.payoutRate(), (20.0 + 6) / (3 + 6));
        QCOMPARE(Coins {}.payoutRate(), 0.0);
    }

    void payouts_data()
    {
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("phase");
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("coins");
        const int normal = int(Phase::normal);
        QTest::newRow("cherry in the top row") << 2 << normal << 14 << 4;
        QTest::newRow("cherry in the middle row") << 1 << normal << 14 << 2;
        QTest::newRow("cherry in the bottom row") << 21 << normal << 14 << 4;
        QTest::newRow("3尺玉") << 0 << normal << 16 << 10;
        QTest::newRow("reach-me with 3尺玉") << 0 << normal << 7 << 10;
        QTest::newRow("大山") << 0 << normal << 17 << 6;
        QTest::newRow("replay") << 0 << normal << 15 << 0;
        QTest::newRow("JAC-in") << 0 << int(Phase::big) << 15 << 0;
        QTest::newRow("JAC win") << 0 << int(Phase::jac) << 15 << 15;
        QTest::newRow("BIG lined up") << 0 << normal << 1 << 0;
    }
    void payouts()
    {
        QFETCH(int, left);
        QFETCH(int, phase);
        QFETCH(int, code);
        // Some pattern with this result (and this left cell, when given).
        for (int i = 0; i < judge::kPatterns; ++i) {
            const judge::Pattern p = judge::patternAt(i);
            if ((left == 0 || p.left == left)
                && judge::judge(p.left, p.centre, p.right) == judge::codeFromNumber(code)) {
                QTEST(
                    payoutFor(judge::codeFromNumber(code), p.left, p.centre, p.right, Phase(phase)),
                    "coins");
                return;
            }
        }
        QFAIL("no such pattern");
    }

    void stagesAndOrder()
    {
        Machine m(1, 1);
        QCOMPARE(m.stage(), Machine::Stage::waitingForBet);
        QVERIFY(!m.stop(0, 1));
        QVERIFY(m.maxBet());
        QVERIFY(!m.maxBet());
        QCOMPARE(m.state().coins.in, 3);
        QVERIFY(m.lever());
        QVERIFY(!m.lever());
        QCOMPARE(m.state().coins.in, 3);
        QVERIFY(!m.stop(1, 1)); // 順押し: the left reel first
        QVERIFY(!m.stop(0, 22));
        QVERIFY(m.stop(0, 5));
        QVERIFY(m.stop(1, 5));
        const auto last = m.stop(2, 5);
        QVERIFY(last && last->game);
        QCOMPARE(last->game->game, 1);
        QCOMPARE(last->game->bet, 3);
        QCOMPARE(m.stage(), Machine::Stage::waitingForBet);
        // The lever alone bets.
        m.play({ 1, 2, 3 });
        QCOMPARE(m.state().counters.games, 2);
        QCOMPARE(m.state().coins.in, 3 + m.lastGame()->bet);
    }

    // A session at setting 6, every target lined up: the bets, the credit
    // and its overflow, and both kinds of bonus with their limits.
    void session()
    {
        Machine m(6, 11);
        bool sawBig = false, sawReg = false;
        int jacGamesInBonus = 0;
        while (m.state().counters.games < 4000) {
            const Phase phase = m.state().bonus.phase();
            const int credit = m.state().coins.credit, due = m.betDue();
            const GameResult g = playTarget(m);
            QCOMPARE(g.bet, due);
            QCOMPARE(g.credit + g.toTray, std::max(0, credit - g.bet) + g.payout);
            QVERIFY(g.credit == 50 || g.toTray == 0);
            QCOMPARE(m.betDue(),
                m.state().replay                            ? 0
                    : m.state().bonus.phase() == Phase::jac ? 1
                                                            : 3);
            if (phase == Phase::normal && (g.code == Code::J01 || g.code == Code::J02)) {
                (g.code == Code::J01 ? sawBig : sawReg) = true;
                QCOMPARE(m.state().counters.gamesSinceBonus, 0);
                QCOMPARE(m.display().bonus, g.code == Code::J01 ? Bonus::big : Bonus::reg);
                jacGamesInBonus = 0;
            }
            jacGamesInBonus += phase == Phase::jac && m.state().bonus.phase() != Phase::jac;
            if (g.bonusEnded)
                QVERIFY(jacGamesInBonus <= (g.bonus == Bonus::big ? 3 : 1));
        }
        QVERIFY(sawBig && sawReg);
        QCOMPARE(m.display().difference, m.state().coins.out - m.state().coins.in);
    }

    void missedOoyamaNotice()
    {
        Machine m(1, 3);
        bool missed = false, linedUp = false;
        for (int game = 0; game < 20000 && !(missed && linedUp); ++game) {
            const GameResult g = m.play(pressesFor(game));
            QCOMPARE(g.missedOoyama, g.small == Small::ooyama && g.code != Code::J17);
            QCOMPARE(m.display().notice, g.missedOoyama);
            missed |= g.missedOoyama;
            linedUp |= g.code == Code::J17;
        }
        QVERIFY(missed && linedUp);
    }

    void sameGamesFromASeedOrAState()
    {
        Machine a(3, 77), b(3, 77);
        for (std::int64_t game = 0; game < 1500; ++game)
            QCOMPARE(a.play(pressesFor(game)).code, b.play(pressesFor(game)).code);
        a.maxBet();
        const State atLever = a.state();
        QVERIFY(a.lever());
        // During a spin the state is still the one at the lever: restored,
        // the machine plays the same game again, and on.
        QVERIFY(a.state() == atLever);
        Machine restored(atLever);
        for (std::int64_t game = 1500; game < 3000; ++game)
            QCOMPARE(restored.play(pressesFor(game)).code, b.play(pressesFor(game)).code);
        QVERIFY(restored.state() == b.state());
        State impossible = atLever;
        impossible.coins.credit = 51;
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, Machine { impossible });
    }
};

QTEST_APPLESS_MAIN(TestMachineGame)
#include "tst_machine_game.moc"
