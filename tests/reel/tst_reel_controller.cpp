// The main window's controller: manual games, steps, the reel speed, the
// judgement of what the pictures show, help, exit and unusable speed boxes.
#include "fakewindow.h"

#include "reel/controller.h"
#include "reel/inputerror.h"

#include <QtTest>

using reel::Button;
using reel::MainController;
using reel::TextBox;

namespace {

using Handler = void (MainController::*)();

// The cell after `ticks` spin ticks from cell 1: one lower per tick, 1 → 21.
int cellAfterTicks(int ticks) { return (21 - ticks % 21) % 21 + 1; }

} // namespace

Q_DECLARE_METATYPE(Handler)
Q_DECLARE_METATYPE(judge::Code)

class TestReelController : public QObject {
    Q_OBJECT

private slots:
    void freshWindowJudgesCellOneEverywhere()
    {
        FakeWindow w;
        QCOMPARE(w.controller.fields(), reel::WindowFields {});
        w.controller.yaku();
        const reel::WindowFields &f = w.controller.fields();
        QCOMPARE(f.r1jyoudan, 1);
        QCOMPARE(f.r2jyoudan, 1);
        QCOMPARE(f.r3jyoudan, 1);
        QVERIFY(w.log.isEmpty()); // yaku leaves the labels alone
    }

    void startSpinsTheReels()
    {
        FakeWindow w;
        w.controller.cmstart_Click();
        const QStringList expected { "Timer1 interval 100", "Timer2 interval 100",
            "Timer3 interval 100", "caption lbyakumei=", "caption lbtamaya=", "disable cmend",
            "disable autostart", "disable cmstart", "disable r1ue", "disable r1sita",
            "disable r2ue", "disable r2sita", "disable r3ue", "disable r3sita", "Timer1 on",
            "Timer2 on", "Timer3 on", "enable r1stop", "enable r2stop", "enable r3stop",
            "focus r1stop" };
        QCOMPARE(w.log, expected);
        QCOMPARE(w.enabledButtons(),
            (QStringList { "r1stop", "r2stop", "r3stop", "Cmkaisetu", "Cmsousa" }));
        QCOMPARE(w.controller.fields().timint, 100);
    }

    void startClearsTheStopFlagsButNotTheCount()
    {
        FakeWindow w;
        playManualGame(w, { 0, 1, 2 });
        QCOMPARE(w.controller.fields().timgoukei, 3);
        w.controller.cmstart_Click();
        QCOMPARE(w.controller.fields().r1teisi, 0);
        QCOMPARE(w.controller.fields().r2teisi, 0);
        QCOMPARE(w.controller.fields().r3teisi, 0);
        QCOMPARE(w.controller.fields().timgoukei, 3);
        w.controller.r2stop_Click();
        QCOMPARE(w.controller.fields().timgoukei, 1);
    }

    void reelSpeedReading_data()
    {
        QTest::addColumn<QByteArray>("typed");
        QTest::addColumn<int>("interval");
        QTest::addColumn<QByteArray>("shownAfter");

        QTest::newRow("empty") << QByteArray("") << 100 << QByteArray("100");
        QTest::newRow("zero") << QByteArray("0") << 100 << QByteArray("100");
        QTest::newRow("zero twice") << QByteArray("00") << 100 << QByteArray("100");
        QTest::newRow("rounds to zero") << QByteArray("0.4") << 100 << QByteArray("100");
        QTest::newRow("negative half to zero") << QByteArray("-0.5") << 100 << QByteArray("100");
        QTest::newRow("35") << QByteArray("35") << 35 << QByteArray("35");
        QTest::newRow("35.5") << QByteArray("35.5") << 36 << QByteArray("35.5");
        QTest::newRow("34.5") << QByteArray("34.5") << 34 << QByteArray("34.5");
        QTest::newRow("largest") << QByteArray("32767") << 32767 << QByteArray("32767");
        QTest::newRow("negative, unchanged") << QByteArray("-5") << -5 << QByteArray("-5");
        QTest::newRow("full-width") << QByteArray("３５") << 35 << QByteArray("３５");
        QTest::newRow("blanks kept") << QByteArray(" 50 ") << 50 << QByteArray(" 50 ");
        QTest::newRow("pasted with a line break") << QByteArray("35\n") << 35 << QByteArray("35\n");
        QTest::newRow("full-width zero") << QByteArray("０") << 100 << QByteArray("100");
    }

    void reelSpeedReading()
    {
        QFETCH(QByteArray, typed);
        QFETCH(int, interval);
        QFETCH(QByteArray, shownAfter);

        FakeWindow w;
        w.view.state.texts[TextBox::Text1] = typed.toStdString();
        w.controller.cmstart_Click();

        QCOMPARE(int(w.controller.fields().timint), interval);
        for (FakeTimer *timer : w.spinTimers())
            QCOMPARE(timer->state.interval, interval);
        QCOMPARE(qs(w.view.state.texts[TextBox::Text1]), QString::fromUtf8(shownAfter));
        QCOMPARE(w.callsSince(0, { "text " }).size(), typed == shownAfter ? 0 : 1);
        QVERIFY(w.view.state.errors.empty());
    }

    // The reels run between the presses, so each stops on a different cell.
    void stopsInEveryOrder_data()
    {
        QTest::addColumn<QList<int>>("order");
        QList<int> order { 0, 1, 2 };
        do {
            QTest::addRow("%d%d%d", order[0] + 1, order[1] + 1, order[2] + 1) << order;
        } while (std::next_permutation(order.begin(), order.end()));
    }

    void stopsInEveryOrder()
    {
        QFETCH(QList<int>, order);
        FakeWindow w;
        w.controller.cmstart_Click();

        std::array<int, 3> ticks {};
        const QString stopNames[] = { "r1stop", "r2stop", "r3stop" };
        const Handler stops[] = { &MainController::r1stop_Click, &MainController::r2stop_Click,
            &MainController::r3stop_Click };
        for (int pressed = 0; pressed < 3; ++pressed) {
            for (int round = 0; round < 4 + pressed; ++round)
                for (int reel = 0; reel < 3; ++reel)
                    ticks[std::size_t(reel)] += w.spinTimers()[std::size_t(reel)]->fire();

            const int reel = order[pressed];
            const qsizetype mark = w.log.size();
            (w.controller.*stops[reel])();

            QStringList expected { QStringLiteral("Timer%1 off").arg(reel + 1) };
            if (pressed == 2) {
                expected << judgementCaptions(
                    cellAfterTicks(ticks[0]), cellAfterTicks(ticks[1]), cellAfterTicks(ticks[2]))
                         << "enable cmstart"
                         << "enable cmend"
                         << "enable autostart"
                         << "enable r2ue"
                         << "enable r2sita"
                         << "enable r3ue"
                         << "enable r3sita"
                         << "enable r1ue"
                         << "enable r1sita";
            }
            expected << "disable " + stopNames[reel];
            QCOMPARE(w.callsSince(mark), expected);
            QCOMPARE(int(w.controller.fields().timgoukei), pressed + 1);
        }

        QCOMPARE(w.enabledButtons(), kAtRest);
        QCOMPARE(w.view.state.focus, std::optional(Button::r1stop)); // stops move no focus
        for (FakeTimer *timer : w.spinTimers())
            QVERIFY(!timer->state.enabled);
        const reel::WindowFields &f = w.controller.fields();
        QCOMPARE(int(f.r1jyoudan), cellAfterTicks(ticks[0]));
        QCOMPARE(int(f.r2jyoudan), cellAfterTicks(ticks[1]));
        QCOMPARE(int(f.r3jyoudan), cellAfterTicks(ticks[2]));
    }

    // Before any start ▲ on the left reel shows cell 2 there and judges 2, 1, 1.
    void stepsJudgeAtOnce_data()
    {
        QTest::addColumn<Handler>("step");
        QTest::addColumn<int>("reel");
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("cell");
        QTest::newRow("r1ue") << &MainController::r1ue_Click << 0 << 20 << 2;
        QTest::newRow("r2ue") << &MainController::r2ue_Click << 1 << 20 << 2;
        QTest::newRow("r3ue") << &MainController::r3ue_Click << 2 << 20 << 2;
        QTest::newRow("r1sita") << &MainController::r1sita_Click << 0 << 1 << 21;
        QTest::newRow("r2sita") << &MainController::r2sita_Click << 1 << 1 << 21;
        QTest::newRow("r3sita") << &MainController::r3sita_Click << 2 << 1 << 21;
    }

    void stepsJudgeAtOnce()
    {
        QFETCH(Handler, step);
        QFETCH(int, reel);
        QFETCH(int, position);
        QFETCH(int, cell);

        FakeWindow w;
        (w.controller.*step)();

        std::array<int, 3> cells { 1, 1, 1 };
        cells[std::size_t(reel)] = cell;
        const QStringList expected
            = QStringList { QStringLiteral("top %1=%2").arg(reel).arg(topOf(position)) }
            + judgementCaptions(cells[0], cells[1], cells[2]);
        QCOMPARE(w.log, expected);

        const reel::WindowFields &f = w.controller.fields();
        const std::array<std::int16_t, 3> positions { f.r1pos, f.r2pos, f.r3pos };
        const std::array<std::int16_t, 3> tops { f.r1top, f.r2top, f.r3top };
        QCOMPARE(int(positions[std::size_t(reel)]), position);
        QCOMPARE(float(tops[std::size_t(reel)]), topOf(position));
        QCOMPARE(int(f.r1jyoudan), cells[0]);
        QCOMPARE(int(f.r2jyoudan), cells[1]);
        QCOMPARE(int(f.r3jyoudan), cells[2]);
        QCOMPARE(w.enabledButtons(), kAtRest);
    }

    void yakuReadsThePictures_data()
    {
        QTest::addColumn<float>("left");
        QTest::addColumn<float>("centre");
        QTest::addColumn<float>("right");
        QTest::addColumn<QList<int>>("cells");

        QTest::newRow("all at position 0") << topOf(0) << topOf(0) << topOf(0) << QList { 1, 1, 1 };
        QTest::newRow("positions 1, 2, 3")
            << topOf(1) << topOf(2) << topOf(3) << QList { 21, 20, 19 };
        QTest::newRow("position 21 as 0")
            << topOf(21) << topOf(0) << topOf(21) << QList { 1, 1, 1 };
        QTest::newRow("positions 20, 10, 5")
            << topOf(20) << topOf(10) << topOf(5) << QList { 2, 12, 17 };
        QTest::newRow("off the grid by halves")
            << topOf(0) + 487.5f << topOf(0) + 1462.5f << topOf(0) + 2437.5f << QList { 1, 20, 20 };
        QTest::newRow("off the grid a little")
            << topOf(3) + 1.0f << topOf(7) - 400.0f << topOf(21) - 487.0f << QList { 19, 15, 1 };
    }

    void yakuReadsThePictures()
    {
        QFETCH(float, left);
        QFETCH(float, centre);
        QFETCH(float, right);
        QFETCH(QList<int>, cells);

        FakeWindow w;
        w.view.state.tops = { left, centre, right };
        w.controller.yaku();

        const reel::WindowFields &f = w.controller.fields();
        QCOMPARE((QList<int> { f.r1jyoudan, f.r2jyoudan, f.r3jyoudan }), cells);
        const judge::Message message = judge::message(judge::judge(cells[0], cells[1], cells[2]));
        QCOMPARE(qs(f.yakumei), qs(message.yakumei));
        QCOMPARE(qs(f.tamaya), qs(message.tamaya));
    }

    void knownJudgements_data()
    {
        QTest::addColumn<QList<int>>("positions");
        QTest::addColumn<judge::Code>("code");
        QTest::newRow("all at 0") << QList { 0, 0, 0 } << judge::Code::J01;
        QTest::newRow("1, 2, 3") << QList { 1, 2, 3 } << judge::Code::J14;
    }

    void knownJudgements()
    {
        QFETCH(QList<int>, positions);
        QFETCH(judge::Code, code);
        FakeWindow w;
        w.view.state.tops = { topOf(positions[0]), topOf(positions[1]), topOf(positions[2]) };
        w.controller.yaku();
        QCOMPARE(qs(w.controller.fields().yakumei), qs(judge::message(code).yakumei));
        QCOMPARE(qs(w.controller.fields().tamaya), qs(judge::message(code).tamaya));
    }

    void aJudgementDependsOnlyOnThePattern()
    {
        FakeWindow w;
        const auto judgeAt = [&](std::array<float, 3> tops) {
            w.view.state.tops = tops;
            w.controller.yaku();
            return std::pair(w.controller.fields().yakumei, w.controller.fields().tamaya);
        };
        const std::array<float, 3> pattern { topOf(1), topOf(2), topOf(3) };
        const auto first = judgeAt(pattern);
        judgeAt({ topOf(0), topOf(0), topOf(0) });
        judgeAt({ topOf(19), topOf(4), topOf(11) });
        QVERIFY(judgeAt(pattern) == first);
    }

    void yakuRefusesImpossiblePictures_data()
    {
        QTest::addColumn<float>("top");
        QTest::newRow("one cell above position 0") << topOf(-1);
        QTest::newRow("beyond 16 bits") << 4.0e7f;
        QTest::newRow("not a number") << std::numeric_limits<float>::quiet_NaN();
        QTest::newRow("infinity") << std::numeric_limits<float>::infinity();
    }

    void yakuRefusesImpossiblePictures()
    {
        QFETCH(float, top);
        FakeWindow w;
        w.view.state.tops[1] = top;
        QVERIFY_THROWS_EXCEPTION(std::exception, w.controller.yaku());
    }

    // Help opens during a spin without touching the reels or the stop buttons.
    void helpExitAndSpinsGoOn()
    {
        FakeWindow w;
        w.controller.cmstart_Click();
        const FakeWindow::Snapshot spinning = w.snapshot();
        const qsizetype mark = w.log.size();
        w.controller.Cmkaisetu_Click();
        w.controller.Cmsousa_Click();
        QCOMPARE(w.callsSince(mark), (QStringList { "help Fkaisetu", "help Fsousa" }));
        FakeWindow::Snapshot after = w.snapshot();
        after.view.helpShown.clear();
        QCOMPARE(after == spinning, true);

        QVERIFY(w.timer1.fire());
        w.controller.r1stop_Click();
        QVERIFY(!w.timer1.fire());

        w.controller.cmend_Click();
        QCOMPARE(w.log.last(), QStringLiteral("quit"));
        QCOMPARE(w.view.state.quitCalls, 1);
    }

    // A speed box the program cannot use is reported and nothing else happens,
    // here after a finished game so that flags, labels and timers all hold
    // something a start would change.
    void unusableSpeedBoxChangesNothing_data()
    {
        QTest::addColumn<Handler>("press");
        QTest::addColumn<QByteArray>("text1");
        QTest::addColumn<QByteArray>("text3");
        QTest::addColumn<TextBox>("wrongBox");
        QTest::addColumn<bool>("outOfRange");

        const Handler start = &MainController::cmstart_Click;
        const Handler autoStart = &MainController::autostart_Click;
        const auto row = [&](const char *name, Handler press, const char *t1, const char *t3,
                             TextBox box, bool range) {
            QTest::newRow(name) << press << QByteArray(t1) << QByteArray(t3) << box << range;
        };
        row("start, letters", start, "abc", "1075", TextBox::Text1, false);
        row("start, a lone space", start, " ", "1075", TextBox::Text1, false);
        row("start, NaN", start, "NaN", "1075", TextBox::Text1, false);
        row("start, 32768", start, "32768", "1075", TextBox::Text1, true);
        row("start, 1e400", start, "1e400", "1075", TextBox::Text1, true);
        row("start, full-width letters", start, "ａｂｃ", "1075", TextBox::Text1, false);
        row("auto, Text1 letters", autoStart, "abc", "1075", TextBox::Text1, false);
        row("auto, Text1 too low", autoStart, "-40000", "1075", TextBox::Text1, true);
        row("auto, Text3 letters", autoStart, "100", "abc", TextBox::Text3, false);
        row("auto, Text3 too high", autoStart, "100", "99999", TextBox::Text3, true);
        row("auto, empty Text1 kept", autoStart, "", "&H10", TextBox::Text3, false);
        row("auto, zero Text1 kept", autoStart, "0", "1e9", TextBox::Text3, true);
    }

    void unusableSpeedBoxChangesNothing()
    {
        QFETCH(Handler, press);
        QFETCH(QByteArray, text1);
        QFETCH(QByteArray, text3);
        QFETCH(TextBox, wrongBox);
        QFETCH(bool, outOfRange);

        FakeWindow w;
        w.view.state.texts[TextBox::Text1] = "35";
        playManualGame(w, { 2, 0, 1 });
        w.view.state.texts[TextBox::Text1] = text1.toStdString();
        w.view.state.texts[TextBox::Text3] = text3.toStdString();
        const FakeWindow::Snapshot before = w.snapshot();
        const qsizetype mark = w.log.size();

        (w.controller.*press)();

        QCOMPARE(w.callsSince(mark), QStringList { "error " + boxName(wrongBox) });
        FakeWindow::Snapshot after = w.snapshot();
        QCOMPARE(after.view.errors.size(), std::size_t(1));
        const QString message = qs(after.view.errors.front().second);
        after.view.errors.clear();
        QVERIFY(after == before);

        const QString caption
            = wrongBox == TextBox::Text1 ? "リール１コマのスピード" : "Ａutoの停止までの時間";
        QVERIFY2(message.startsWith(caption), qPrintable(message));
        QVERIFY2(message.contains("−32768～32767"), qPrintable(message));
        QVERIFY2(message.contains(outOfRange ? "範囲" : "数値ではありません"), qPrintable(message));
        QCOMPARE(message,
            qs(reel::inputErrorMessage(wrongBox,
                outOfRange ? reel::ReadResult::Outcome::outOfRange
                           : reel::ReadResult::Outcome::notANumber)));
    }

    // After the box is mended the same press works as usual.
    void aMendedBoxStartsAsUsual()
    {
        FakeWindow w;
        w.view.state.texts[TextBox::Text1] = "fast";
        w.view.state.texts[TextBox::Text3] = "not read by a manual start";
        w.controller.cmstart_Click();
        QCOMPARE(w.enabledButtons(), kAtRest);
        w.view.state.texts[TextBox::Text1] = "50";
        w.controller.cmstart_Click();
        QCOMPARE(w.timer1.state.interval, 50);
        QVERIFY(w.timer1.state.enabled);
        QCOMPARE(w.view.state.focus, std::optional(Button::r1stop));
        QCOMPARE(w.view.state.errors.size(), std::size_t(1));
    }

private:
    // A start, one tick per running reel between the presses, and three stops.
    static void playManualGame(FakeWindow &w, std::array<int, 3> order)
    {
        const Handler stops[] = { &MainController::r1stop_Click, &MainController::r2stop_Click,
            &MainController::r3stop_Click };
        w.controller.cmstart_Click();
        for (int reel : order) {
            w.spinAll();
            (w.controller.*stops[reel])();
        }
    }
};

QTEST_APPLESS_MAIN(TestReelController)
#include "tst_reel_controller.moc"
