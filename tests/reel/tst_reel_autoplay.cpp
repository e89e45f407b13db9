// Auto-play: its start and stop, the interval reading, the six-tick cycle and
// how the cycle resumes where an Auto_stop broke it off.
#include "fakewindow.h"

#include "reel/controller.h"

#include <QtTest>

using reel::Button;
using reel::MainController;
using reel::TextBox;

namespace {

// The captions a judgement of what the pictures show now would write.
QStringList captionsForShownPattern(const FakeWindow &w)
{
    const auto &tops = w.view.state.tops;
    return judgementCaptions(
        reel::topRowCell(tops[0]), reel::topRowCell(tops[1]), reel::topRowCell(tops[2]));
}

QList<bool> spinning(FakeWindow &w)
{
    return { w.timer1.state.enabled, w.timer2.state.enabled, w.timer3.state.enabled };
}

} // namespace

class TestReelAutoplay : public QObject {
    Q_OBJECT

private slots:
    void autoStartSpinsAndHandsOverToTimer4()
    {
        FakeWindow w;
        w.controller.autostart_Click();
        const QStringList expected { "disable cmstart", "disable r1stop", "disable r2stop",
            "disable r3stop", "disable cmend", "disable r1ue", "disable r1sita", "disable r2ue",
            "disable r2sita", "disable r3ue", "disable r3sita", "Timer1 interval 100",
            "Timer2 interval 100", "Timer3 interval 100", "Timer4 interval 1075", "Timer1 on",
            "Timer2 on", "Timer3 on", "Timer4 on", "enable autostop", "disable autostart",
            "focus autostop" };
        QCOMPARE(w.log, expected);
        QCOMPARE(w.enabledButtons(), (QStringList { "autostop", "Cmkaisetu", "Cmsousa" }));
    }

    void autoIntervalReading_data()
    {
        QTest::addColumn<QByteArray>("typed");
        QTest::addColumn<int>("interval");
        QTest::addColumn<QByteArray>("shownAfter");

        QTest::newRow("the very text 0") << QByteArray("0") << 950 << QByteArray("950");
        QTest::newRow("full-width 0") << QByteArray("０") << 950 << QByteArray("950");
        QTest::newRow("full-width 00 gives 0") << QByteArray("００") << 0 << QByteArray("００");
        QTest::newRow("empty") << QByteArray("") << 900 << QByteArray("900");
        QTest::newRow("zero twice gives 0") << QByteArray("00") << 0 << QByteArray("00");
        QTest::newRow("rounds to zero") << QByteArray("0.4") << 0 << QByteArray("0.4");
        QTest::newRow("zero with a blank") << QByteArray(" 0") << 0 << QByteArray(" 0");
        QTest::newRow("start-up text") << QByteArray("1075") << 1075 << QByteArray("1075");
        QTest::newRow("half to even") << QByteArray("1074.5") << 1074 << QByteArray("1074.5");
        QTest::newRow("negative, unchanged") << QByteArray("-5") << -5 << QByteArray("-5");
        QTest::newRow("full-width") << QByteArray("１０７５") << 1075 << QByteArray("１０７５");
    }

    void autoIntervalReading()
    {
        QFETCH(QByteArray, typed);
        QFETCH(int, interval);
        QFETCH(QByteArray, shownAfter);

        FakeWindow w;
        w.view.state.texts[TextBox::Text3] = typed.toStdString();
        w.controller.autostart_Click();

        QCOMPARE(w.timer4.state.interval, interval);
        QCOMPARE(qs(w.view.state.texts[TextBox::Text3]), QString::fromUtf8(shownAfter));
        QCOMPARE(w.callsSince(0, { "text " }).size(), typed == shownAfter ? 0 : 1);
    }

    // Auto-play reads the reel speed as a start does.
    void autoStartReadsTheReelSpeed()
    {
        FakeWindow w;
        w.view.state.texts[TextBox::Text1] = "00";
        w.controller.autostart_Click();
        QCOMPARE(w.controller.fields().timint, 100);
        QCOMPARE(w.view.state.texts[TextBox::Text1], std::string("100"));
        for (FakeTimer *timer : w.spinTimers())
            QCOMPARE(timer->state.interval, 100);
    }

    // Counting from a fresh window: stop left, centre, right; judge; judge
    // again; clear and spin; nothing; and the next cycle begins.
    void sixTickCycle()
    {
        FakeWindow w;
        w.controller.autostart_Click();

        struct Tick {
            int autokaisu;
            QList<bool> spinning;
        };
        const Tick ticks[] = { { 1, { false, true, true } }, { 2, { false, false, true } },
            { 3, { false, false, false } }, { 4, { false, false, false } },
            { 5, { true, true, true } }, { 0, { true, true, true } }, { 1, { false, true, true } },
            { 2, { false, false, true } }, { 3, { false, false, false } } };
        int number = 0;
        for (const Tick &tick : ticks) {
            ++number;
            for (int i = 0; i < number + 2; ++i)
                w.spinAll();
            const qsizetype mark = w.log.size();
            QVERIFY(w.timer4.fire());

            QCOMPARE(int(w.controller.fields().autokaisu), tick.autokaisu);
            QCOMPARE(spinning(w), tick.spinning);
            QStringList expected;
            switch (tick.autokaisu) {
            case 1: expected = QStringList { "Timer1 off" }; break;
            case 2: expected = QStringList { "Timer2 off" }; break;
            case 3:
            case 4: expected = QStringList { "Timer3 off" } + captionsForShownPattern(w); break;
            case 5:
                expected = QStringList { "caption lbtamaya=", "caption lbyakumei=", "Timer1 on",
                    "Timer2 on", "Timer3 on" };
                break;
            default: break;
            }
            QCOMPARE(w.callsSince(mark), expected);
        }
        QCOMPARE(w.enabledButtons(), (QStringList { "autostop", "Cmkaisetu", "Cmsousa" }));
    }

    void autoStopMidCycleAndResume()
    {
        FakeWindow w;
        w.controller.autostart_Click();
        w.spinAll();
        w.timer4.fire();
        w.spinAll();
        w.timer4.fire();
        w.spinAll();
        const auto captionsBefore = w.view.state.captions;
        const auto topsBefore = w.view.state.tops;

        qsizetype mark = w.log.size();
        w.controller.autostop_Click();
        const QStringList expected { "Timer1 off", "Timer2 off", "Timer3 off", "Timer4 off",
            "enable autostart", "disable autostop", "enable cmend", "enable r3ue", "enable r3sita",
            "enable cmstart", "enable r1ue", "enable r1sita", "enable r2ue", "enable r2sita",
            "focus autostart" };
        QCOMPARE(w.callsSince(mark), expected);
        QCOMPARE(w.enabledButtons(), kAtRest);
        QVERIFY(w.view.state.captions == captionsBefore);
        QVERIFY(w.view.state.tops == topsBefore);
        QCOMPARE(w.controller.fields().autokaisu, 2);

        // Resumed after tick 2: all three turn, and the next tick stops only
        // the right reel and judges while left and centre keep turning.
        w.controller.autostart_Click();
        QCOMPARE(spinning(w), (QList<bool> { true, true, true }));
        w.spinAll();
        mark = w.log.size();
        w.timer4.fire();
        QCOMPARE(w.callsSince(mark), QStringList { "Timer3 off" } + captionsForShownPattern(w));
        QCOMPARE(spinning(w), (QList<bool> { true, true, false }));

        // The left and centre reels move on, and tick 4 judges what they show then.
        w.spinAll();
        w.spinAll();
        mark = w.log.size();
        w.timer4.fire();
        QCOMPARE(w.callsSince(mark), QStringList { "Timer3 off" } + captionsForShownPattern(w));
        const reel::WindowFields &f = w.controller.fields();
        QCOMPARE(f.r1jyoudan, reel::topRowCell(w.view.state.tops[0]));
        QCOMPARE(f.r2jyoudan, reel::topRowCell(w.view.state.tops[1]));

        w.timer4.fire();
        QCOMPARE(spinning(w), (QList<bool> { true, true, true }));
        w.timer4.fire();
        w.timer4.fire();
        QCOMPARE(spinning(w), (QList<bool> { false, true, true }));
        QCOMPARE(w.controller.fields().autokaisu, 1);
    }

    void aManualGameLeavesTheCycleAlone()
    {
        FakeWindow w;
        w.controller.autostart_Click();
        w.timer4.fire();
        w.timer4.fire();
        w.timer4.fire();
        w.controller.autostop_Click();

        w.controller.cmstart_Click();
        w.spinAll();
        w.controller.r3stop_Click();
        w.controller.r1stop_Click();
        w.controller.r2stop_Click();
        w.controller.r2ue_Click();
        QCOMPARE(w.controller.fields().autokaisu, 3);

        // Auto-play resumes at tick 4: judge again, then clear and spin.
        w.controller.autostart_Click();
        qsizetype mark = w.log.size();
        w.timer4.fire();
        QCOMPARE(w.callsSince(mark), QStringList { "Timer3 off" } + captionsForShownPattern(w));
        w.timer4.fire();
        QCOMPARE(w.controller.fields().autokaisu, 5);
    }

    // Auto-play leaves the stop flags and their count as the last game left them.
    void autoPlayLeavesTheStopFlags()
    {
        FakeWindow w;
        w.controller.cmstart_Click();
        w.controller.r2stop_Click();
        w.controller.r1stop_Click();
        w.controller.r3stop_Click();
        const reel::WindowFields before = w.controller.fields();

        w.controller.autostart_Click();
        for (int tick = 0; tick < 6; ++tick)
            w.timer4.fire();
        w.controller.autostop_Click();

        const reel::WindowFields &after = w.controller.fields();
        QCOMPARE(after.r1teisi, before.r1teisi);
        QCOMPARE(after.r2teisi, before.r2teisi);
        QCOMPARE(after.r3teisi, before.r3teisi);
        QCOMPARE(after.timgoukei, 3);
        QCOMPARE(w.enabledButtons(), kAtRest);
    }
};

QTEST_APPLESS_MAIN(TestReelAutoplay)
#include "tst_reel_autoplay.moc"
