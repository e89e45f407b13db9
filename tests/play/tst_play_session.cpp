// The play session on a hand-driven clock with seeded machines: 順押し and
// lit stops, presses read at their event's time, the game shown when the
// third reel stands, the lever wait, a missed reach-me, new machines. Bets,
// replays, the credit and calls are tried through the window.
#include "judge/categories.h"
#include "machine/bonusgame.h"
#include "play/newmachine.h"
#include "play/session.h"
#include "records/gamerow.h"

#include <QtTest>

using namespace play;
using machine::Bonus;
using machine::Phase;

namespace {

class FakeView : public SessionView {
public:
    int refreshes = 0, changes = 0;
    std::vector<machine::GameResult> finished, shown;
    std::vector<Call> calls;

    void refresh() override { ++refreshes; }
    void machineChanged() override { ++changes; }
    void gameFinished(const machine::GameResult &game) override { finished.push_back(game); }
    void gameShown(const machine::GameResult &game) override { shown.push_back(game); }
    void called(Call call) override { calls.push_back(call); }
};

constexpr Micros kLever = 10'000'000;

machine::State stateWith(const std::function<void(machine::State &)> &change)
{
    machine::State s = machine::newState(4, 77);
    change(s);
    return s;
}

// The cell a press at `t` reads: the one in the top row, or the next to come.
int cellPressedAt(const Session &session, int reel, Micros t)
{
    const ReelPosition at = session.reel(reel, t);
    return at.units == 0 ? at.cell : cellsOn(at.cell, 1);
}

// Stops the three reels, each as soon as it can be, and brings the session to
// the moment the third stands. Returns the time then.
Micros stopAll(Session &session, Micros t)
{
    for (int reel = session.machine().nextReel(); reel < 3; ++reel) {
        while (!session.isLit(Control(int(Control::stopLeft) + reel)))
            session.advance(t += 1000);
        if (!session.stop(reel, { t, 0 }))
            return -1;
    }
    while (session.turning())
        session.advance(t += 1000);
    return t;
}

} // namespace

class TestPlaySession : public QObject {
    Q_OBJECT

private slots:
    // 順押し: only the next reel's stop acts, once its reel runs at full
    // speed and the reel before it stands; a press that is not lit changes
    // nothing.
    void stopsInOrderAtFullSpeed()
    {
        FakeView view;
        Session session(view, machine::Machine(3, 11), {}, { 4, 9, 17 });
        QVERIFY(session.lever({ kLever, 0 }));
        const auto lit = [&session] {
            return QList<bool> { session.isLit(Control::stopLeft),
                session.isLit(Control::stopCentre), session.isLit(Control::stopRight) };
        };
        session.advance(kLever + kSpeedUp - 1);
        QCOMPARE(lit(), QList<bool>({ false, false, false }));
        QVERIFY(!session.stop(0, { kLever + kSpeedUp - 1, 0 }));
        session.advance(kLever + kSpeedUp);
        QCOMPARE(lit(), QList<bool>({ true, false, false }));
        QVERIFY(!session.stop(1, { kLever + kSpeedUp, 0 }));
        QVERIFY(!session.stop(2, { kLever + kSpeedUp, 0 }));
        QCOMPARE(session.machine().nextReel(), 0);

        const Micros press = kLever + 300'000;
        QVERIFY(session.stop(0, { press, 0 }));
        QVERIFY(!session.stop(0, { press + 1000, 0 }));
        QCOMPARE(lit(), QList<bool>({ false, false, false }));
        // The centre waits for the left reel to stand.
        Micros t = press;
        for (session.advance(t); !session.isLit(Control::stopCentre); session.advance(t += 1000))
            QVERIFY(!session.stop(1, { t, 0 }));
        QVERIFY(t - press <= 190'000);
        QCOMPARE(session.cells()[0], session.reel(0, t).cell);
        QCOMPARE(session.reel(0, t).units, 0);
        QCOMPARE(lit(), QList<bool>({ false, true, false }));
    }

    // The press is read at the time the key went down (its stamp, mapped by
    // the lever's), not when its event arrived, and must have been lit then.
    void pressReadsTheEventTime_data()
    {
        QTest::addColumn<qint64>("pressed"); // µs after the lever
        QTest::addColumn<qint64>("arrived");
        QTest::addColumn<bool>("stamped");
        QTest::addColumn<bool>("acts");
        QTest::newRow("arrived 30 ms late") << qint64(400'000) << qint64(430'000) << true << true;
        QTest::newRow("without a stamp: at arrival")
            << qint64(430'000) << qint64(430'000) << false << true;
        QTest::newRow("pressed before full speed")
            << qint64(70'000) << qint64(90'000) << true << false;
        QTest::newRow("on arrival, just at full speed")
            << qint64(kSpeedUp) << qint64(kSpeedUp) << true << true;
    }
    void pressReadsTheEventTime()
    {
        QFETCH(qint64, pressed);
        QFETCH(qint64, arrived);
        QFETCH(bool, stamped);
        QFETCH(bool, acts);
        FakeView view;
        Session session(view, machine::Machine(2, 5), {}, { 13, 1, 21 });
        const std::uint64_t leverStamp = 777'000; // the window system's clock, in ms
        QVERIFY(session.lever({ kLever, leverStamp }));
        const int expected = cellPressedAt(session, 0, kLever + pressed);
        const std::uint64_t stamp = stamped ? leverStamp + std::uint64_t(pressed / 1000) : 0;
        QCOMPARE(session.stop(0, { kLever + arrived, stamp }), acts);
        if (!acts)
            return;
        stopAll(session, kLever + arrived);
        QCOMPARE(view.finished.size(), std::size_t(1));
        QCOMPARE(view.finished[0].press[0], expected);
    }

    // The game ends at the third stop (saved and recorded then) but is shown
    // when the third reel stands; then nothing more is wanted of frames.
    void gameShownWhenTheThirdReelStands()
    {
        FakeView view;
        machine::State s = stateWith([](machine::State &st) { st.coins.credit = 20; });
        Session session(view, machine::Machine(s));
        QVERIFY(session.lever({ kLever, 0 }));
        QCOMPARE(session.wakeAt(), std::optional<Micros>(kLever));
        Micros t = kLever;
        for (int reel = 0; reel < 3; ++reel) {
            while (!session.isLit(Control(int(Control::stopLeft) + reel)))
                session.advance(t += 1000);
            QVERIFY(session.stop(reel, { t, 0 }));
        }
        QCOMPARE(view.finished.size(), std::size_t(1));
        QVERIFY(view.shown.empty());
        const machine::GameResult game = view.finished[0];
        QCOMPARE(session.display().credit, 17); // as at the lever
        QCOMPARE(session.display().payout, 0);
        QVERIFY(session.turning());
        QVERIFY(!session.isLit(Control::lever));
        QVERIFY(!session.isLit(Control::call));
        while (session.turning()) {
            QCOMPARE(session.wakeAt(), std::optional<Micros>(t));
            session.advance(t += 1000);
        }
        QCOMPARE(view.shown.size(), std::size_t(1));
        QCOMPARE(view.shown[0].game, game.game);
        QCOMPARE(session.display().credit, game.credit);
        QCOMPARE(session.display().payout, game.payout);
        QCOMPARE(session.cells(), game.stop);
        for (int reel = 0; reel < 3; ++reel)
            QCOMPARE(session.reel(reel, t + 5'000'000),
                (ReelPosition { game.stop[std::size_t(reel)], 0 }));
        QVERIFY(!session.wakeAt());
        QVERIFY(session.isLit(Control::lever));
        QCOMPARE(session.shownGame()->game, game.game);
        // The bet at the lever and the game at its end were handed on to save.
        QCOMPARE(view.changes, 2);
    }

    // With the lever wait on, a lever pulled sooner than 4.1 s after the last
    // start is taken, and the reels start when the time is up.
    void leverWait_data()
    {
        QTest::addColumn<bool>("wait");
        QTest::addColumn<qint64>("start"); // of the second game, after its lever
        QTest::newRow("off: at once") << false << qint64(0);
        QTest::newRow("on: when 4.1 s are up") << true << qint64(kLeverWait);
    }
    void leverWait()
    {
        QFETCH(bool, wait);
        QFETCH(qint64, start);
        FakeView view;
        Options options;
        options.leverWait = wait;
        Session session(view, machine::Machine(1, 3), options);
        QVERIFY(session.lever({ kLever, 0 }));
        const Micros second = stopAll(session, kLever);
        QVERIFY(second > kLever);
        QVERIFY(session.lever({ second, 0 }));
        const Micros starts = std::max(second, kLever + Micros(start));
        QCOMPARE(session.wakeAt(), std::optional<Micros>(starts));
        QCOMPARE(session.reel(0, starts), (ReelPosition { session.cells()[0], 0 }));
        QVERIFY(session.reel(0, starts + 20'000).units > 0);
        session.advance(starts + kSpeedUp - 1);
        QVERIFY(!session.isLit(Control::stopLeft));
        session.advance(starts + kSpeedUp);
        QVERIFY(session.isLit(Control::stopLeft));
    }

    // A reach-me left without a call counts as missed at the next lever.
    void reachMeMissedAtTheNextLever()
    {
        FakeView view;
        Options options;
        options.control = machine::ControlOption::reachMeFirst;
        Session session(view,
            machine::Machine(stateWith([](machine::State &s) { s.carried = Bonus::big; })),
            options);
        Micros t = kLever;
        for (int game = 0; game < 200; ++game) {
            QVERIFY(session.lever({ t, 0 }));
            t = stopAll(session, t);
            if (records::showsReachMe(records::rowOf(view.shown.back())))
                break;
            QCOMPARE(session.calls().missed, std::int64_t(0));
        }
        QVERIFY(records::showsReachMe(records::rowOf(view.shown.back())));
        QCOMPARE(session.calls().missed, std::int64_t(0));
        QVERIFY(session.lever({ t, 0 }));
        QCOMPARE(session.calls().missed, std::int64_t(1));
    }

    // A seed gives the same machine, a hidden setting too; without a seed
    // the one drawn stands in.
    void newMachineFromASeed()
    {
        QCOMPARE(newMachine({ 3, 42 }, 7).seed, std::uint64_t(42));
        QCOMPARE(newMachine({ 3, std::nullopt }, 7).seed, std::uint64_t(7));
        QCOMPARE(newMachine({ 3, 42 }, 7).setting, 3);
        QVERIFY(newMachine({ 3, 42 }, 7).settingShown);
        std::array<int, 7> hidden {};
        for (std::uint64_t seed = 0; seed < 600; ++seed) {
            const NewMachine made = newMachine({ std::nullopt, seed }, 7);
            QVERIFY(!made.settingShown);
            QCOMPARE(newMachine({ std::nullopt, seed }, 99).setting, made.setting);
            ++hidden.at(std::size_t(made.setting));
        }
        QCOMPARE(hidden[0], 0);
        for (int setting = 1; setting <= 6; ++setting)
            QVERIFY(hidden.at(std::size_t(setting)) > 60); // about 100 each
    }
};

QTEST_APPLESS_MAIN(TestPlaySession)
#include "tst_play_session.moc"
