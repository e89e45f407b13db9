// The saved machine: written and read back whole, and refused, with its
// reason, when damaged, impossible or from a newer version.
#include "machine/machine.h"
#include "machine/stateformat.h"

#include <QtTest>

using namespace machine;
using Outcome = ReadState::Outcome;

namespace {

// A machine some games on, in the middle of a BIG's second JAC game.
State midBonus()
{
    Machine m(4, 123456789);
    for (int game = 1; game <= 50; ++game)
        m.play({ game % 21 + 1, 4, 17 });
    State s = m.state();
    s.carried = Bonus::none;
    s.replay = false;
    s.bonus = { Bonus::big, true, 12, 1, 5, 4 };
    s.betPlaced = true;
    s.coins.credit = 37;
    return s;
}

} // namespace

class TestMachineState : public QObject {
    Q_OBJECT

private slots:
    void roundTrip_data()
    {
        QTest::addColumn<int>("which");
        QTest::newRow("new machine") << 0;
        QTest::newRow("in a BIG's JAC game") << 1;
        QTest::newRow("replay due, REG carried, large counts") << 2;
    }
    void roundTrip()
    {
        QFETCH(int, which);
        State s = which == 1 ? midBonus() : newState(1, 0);
        if (which == 2) {
            s = newState(6, ~std::uint64_t { 0 });
            s.replay = true;
            s.carried = Bonus::reg;
            s.counters = { 9'000'000'000'000, 5, 3, 2 };
            s.coins = { 50, 8'000'000'000'000, 7'999'999'999'999, 1'000'000 };
        }
        const std::string text = writeState(s);
        const ReadState read = readState(text);
        QCOMPARE(read.outcome, Outcome::read);
        QVERIFY(read.state == s);
        QCOMPARE(writeState(read.state), text);
    }

    void refused_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("outcome");
        QTest::addColumn<QString>("reason");
        const QByteArray good = QByteArray::fromStdString(writeState(midBonus()));
        const int damaged = int(Outcome::damaged);
        const auto edited = [&good](const char *from, const char *to) {
            return QByteArray(good).replace(from, to);
        };
        QTest::newRow("empty") << QByteArray() << int(Outcome::notOurs) << "not a saved machine";
        QTest::newRow("another file") << QByteArray("reachme drill progress\n")
                                      << int(Outcome::notOurs) << "not a saved machine";
        QTest::newRow("newer") << QByteArray("reachme machine\nversion 2\nanything\n")
                               << int(Outcome::newerVersion) << "newer version";
        QTest::newRow("no version")
            << QByteArray("reachme machine\nsetting 1\n") << damaged << "no format version";
        QTest::newRow("cut short") << good.left(good.size() / 2) << damaged << "cut short";
        QTest::newRow("no checksum line")
            << good.left(good.lastIndexOf("end ")) << damaged << "cut short";
        QTest::newRow("last byte gone") << good.chopped(1) << damaged << "cut short";
        QTest::newRow("a digit changed")
            << edited("credit 37", "credit 38") << damaged << "checksum";
        QTest::newRow("a leading zero")
            << edited("credit 37", "credit 037") << damaged << "bad credit";
        QTest::newRow("a line missing")
            << edited("replay no\n", "") << damaged << "should be replay";
        QTest::newRow("bytes after the end") << good + "x" << damaged << "checksum";
    }
    void refused()
    {
        QFETCH(QByteArray, text);
        QFETCH(QString, reason);
        const ReadState read = readState(text.toStdString());
        QTEST(int(read.outcome), "outcome");
        QVERIFY2(QString::fromStdString(read.reason).contains(reason), read.reason.c_str());
    }

    // Lines that read well, sealed again as a careful hand edit would be,
    // but give a machine that cannot be.
    void impossibleStates_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<QString>("reason");
        QTest::newRow("credit") << "credit 37"
                                << "credit 51"
                                << "credit";
        QTest::newRow("setting") << "setting 4"
                                 << "setting 7"
                                 << "setting";
        QTest::newRow("carried in a bonus") << "carried none"
                                            << "carried BIG"
                                            << "carried";
        QTest::newRow("JAC wins") << "jac-wins 4"
                                  << "jac-wins 9"
                                  << "bonus";
        QTest::newRow("replay in a bonus") << "replay no"
                                           << "replay yes"
                                           << "replay";
    }
    void impossibleStates()
    {
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(QString, reason);
        std::string text = writeState(midBonus());
        const std::size_t at = text.find(from.toStdString());
        QVERIFY(at != std::string::npos);
        text.replace(at, std::size_t(from.size()), to.toStdString());
        text.erase(text.rfind("end "));
        sealState(text);
        const ReadState read = readState(text);
        QCOMPARE(read.outcome, Outcome::damaged);
        QVERIFY2(QString::fromStdString(read.reason).contains(reason), read.reason.c_str());
    }
};

QTEST_APPLESS_MAIN(TestMachineState)
#include "tst_machine_state.moc"
