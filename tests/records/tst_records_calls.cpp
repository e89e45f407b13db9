// ボーナス察知 scored as the play window drives it: scripted sessions of
// games, calls and levers.
#include "records/bonuscalls.h"

#include <QtTest>

using namespace records;
using Call = BonusCalls::Call;
using machine::Bonus;
using machine::Phase;

namespace {

// One game of a script:
//   -  a normal game, no bonus flag
//   d  a normal game with a BIG flag on (drawn or carried), no reach-me
//   r  the same, showing a reach-me for BIG (J03)
//   e  the same, showing a reach-me that should not stop (J24): no reach-me to notice
//   u  the normal game that lines the BIG up (J01)
//   b  a bonus game
// and the player's acts: a call with the outcome it must have (+ right,
// x wrong, = already made, 0 nothing to notice). Every game begins with the
// lever.
GameRow gameOf(char kind, std::int64_t game)
{
    GameRow row;
    row.game = game;
    row.bonus = kind == '-' ? Bonus::none : Bonus::big;
    row.phase = kind == 'b' ? Phase::big : Phase::normal;
    row.code = kind == 'r' ? judge::Code::J03
        : kind == 'e'      ? judge::Code::J24
        : kind == 'u'      ? judge::Code::J01
                           : judge::Code::J18;
    return row;
}

Call callOf(char mark)
{
    switch (mark) {
    case '+': return Call::right;
    case 'x': return Call::wrong;
    case '=': return Call::alreadyMade;
    default: return Call::nothingToNotice;
    }
}

} // namespace

class TestRecordsCalls : public QObject {
    Q_OBJECT

private slots:
    void scripts_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<int>("right");
        QTest::addColumn<int>("wrong");
        QTest::addColumn<int>("missed");
        QTest::addColumn<double>("average"); // −1: none
        QTest::newRow("a call before any game") << "c0" << 0 << 0 << 0 << -1.0;
        QTest::newRow("a wrong call, twice after one game") << "- cx c=" << 0 << 1 << 0 << -1.0;
        QTest::newRow("called right after the reach-me") << "d r c+ r u" << 1 << 0 << 0 << 0.0;
        QTest::newRow("a reach-me missed, called two games on")
            << "d r d d c+ u" << 1 << 0 << 1 << 2.0;
        QTest::newRow("a reach-me missed until the bonus was lined up")
            << "d r u" << 0 << 0 << 1 << -1.0;
        QTest::newRow("called on a hunch, once a bonus") << "d c+ d c= r u" << 1 << 0 << 0 << -1.0;
        QTest::newRow("a reach-me that should not stop is none to notice")
            << "d e u" << 0 << 0 << 0 << -1.0;
        QTest::newRow("nothing to notice in bonus games")
            << "d u c0 b c0 b - cx" << 0 << 1 << 0 << -1.0;
        QTest::newRow("two bonuses") << "d r c+ u b b - d d r d c+ u" << 2 << 0 << 1 << 0.5;
        QTest::newRow("a wrong call, then a reach-me for the next bonus")
            << "- cx d r - " << 0 << 1 << 1 << -1.0;
    }
    void scripts()
    {
        QFETCH(QString, script);
        BonusCalls calls;
        std::int64_t game = 0;
        for (const QString &step : script.split(' ', Qt::SkipEmptyParts)) {
            if (step.startsWith('c')) {
                QCOMPARE(calls.call(), callOf(step[1].toLatin1()));
                continue;
            }
            calls.nextLever();
            calls.gameEnded(gameOf(step[0].toLatin1(), ++game));
        }
        calls.nextLever();
        const CallFigures &f = calls.figures();
        QTEST(int(f.right), "right");
        QTEST(int(f.wrong), "wrong");
        QTEST(int(f.missed), "missed");
        QFETCH(double, average);
        QCOMPARE(f.averageGamesToCall().value_or(-1.0), average);
    }

    // Figures kept from an earlier sitting go on counting.
    void goesOnFromKeptFigures()
    {
        BonusCalls calls(CallFigures { 3, 2, 1, 2, 5 });
        calls.gameEnded(gameOf('d', 10));
        calls.gameEnded(gameOf('r', 11));
        QCOMPARE(calls.call(), Call::right);
        QCOMPARE(calls.figures(), (CallFigures { 4, 2, 1, 3, 5 }));
        QCOMPARE(*calls.figures().averageGamesToCall(), 5.0 / 3);
    }
};

QTEST_APPLESS_MAIN(TestRecordsCalls)
#include "tst_records_calls.moc"
