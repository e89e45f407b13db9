// Putting the reels on a pattern chosen in the chart: the same state as
// stepping there with ▼, and refusals while the reels turn or auto-play runs.
#include "fakewindow.h"

#include "reel/controller.h"

#include <QtTest>

using reel::GoToPattern;
using reel::MainController;

Q_DECLARE_METATYPE(GoToPattern)

namespace {

using Handler = void (MainController::*)();

constexpr Handler kDownButtons[] = { &MainController::r1sita_Click, &MainController::r2sita_Click,
    &MainController::r3sita_Click };

// Steps each reel down from where it stands until its top row shows the cell.
void stepTo(FakeWindow &w, std::array<int, 3> cells)
{
    for (std::size_t reel = 0; reel < 3; ++reel)
        while (reel::topRowCell(w.view.pictureTop(int(reel))) != cells[reel])
            (w.controller.*kDownButtons[reel])();
}

} // namespace

class TestGoToPattern : public QObject {
    Q_OBJECT

private slots:
    void landsAsSteppingWould_data()
    {
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("centre");
        QTest::addColumn<int>("right");
        QTest::newRow("where it stands") << 1 << 1 << 1;
        QTest::newRow("3 2 14") << 3 << 2 << 14;
        QTest::newRow("last cells") << 21 << 21 << 21;
        QTest::newRow("one reel moves") << 1 << 7 << 1;
        QTest::newRow("next cells") << 2 << 20 << 9;
    }

    void landsAsSteppingWould()
    {
        QFETCH(int, left);
        QFETCH(int, centre);
        QFETCH(int, right);
        FakeWindow stepped;
        stepTo(stepped, { left, centre, right });

        FakeWindow chosen;
        QCOMPARE(chosen.controller.goToPattern(left, centre, right), GoToPattern::done);

        QCOMPARE(chosen.controller.fields().r1jyoudan, left);
        QCOMPARE(chosen.controller.fields().r2jyoudan, centre);
        QCOMPARE(chosen.controller.fields().r3jyoudan, right);
        QCOMPARE(chosen.view.state.tops, stepped.view.state.tops);
        QCOMPARE(chosen.controller.fields().r1pos, stepped.controller.fields().r1pos);
        QCOMPARE(chosen.controller.fields().r2pos, stepped.controller.fields().r2pos);
        QCOMPARE(chosen.controller.fields().r3pos, stepped.controller.fields().r3pos);
        QCOMPARE(chosen.controller.fields().r1top, stepped.controller.fields().r1top);
        QCOMPARE(chosen.controller.fields().r3top, stepped.controller.fields().r3top);
        // The labels show the judgement, as after a step.
        QCOMPARE(chosen.callsSince(0, { "caption" }), judgementCaptions(left, centre, right));
        const judge::Message message = judge::message(judge::judge(left, centre, right));
        QCOMPARE(chosen.view.state.captions.at(reel::Label::lbyakumei), message.yakumei);
    }

    // After a spin the counter can hold 0 while the picture shows cell 1 at
    // position 21; the reel on cell 1 does not move.
    void reelOnTheCellStaysPut()
    {
        FakeWindow w;
        w.controller.goToPattern(2, 2, 2);
        w.controller.r1sita_Click(); // left reel to cell 1, position 21
        const float leftTop = w.view.pictureTop(0);
        const qsizetype mark = w.log.size();
        QCOMPARE(w.controller.goToPattern(1, 5, 2), GoToPattern::done);
        QCOMPARE(w.view.pictureTop(0), leftTop);
        QCOMPARE(w.callsSince(mark, { "top" }),
            QStringList { QString("top 1=%1").arg(double(topOf(17))) });
    }

    void refused_data()
    {
        QTest::addColumn<int>("ticksOfAutoPlay"); // -1: a manual game instead
        QTest::addColumn<int>("reelsStopped");
        QTest::addColumn<GoToPattern>("expected");
        QTest::newRow("reels turning") << -1 << 0 << GoToPattern::reelsTurning;
        QTest::newRow("two reels stopped") << -1 << 2 << GoToPattern::reelsTurning;
        QTest::newRow("auto-play spinning") << 0 << 0 << GoToPattern::autoPlaying;
        // Between ticks 3 and 5 all reels stand, yet auto-play goes on.
        QTest::newRow("auto-play, reels standing") << 3 << 0 << GoToPattern::autoPlaying;
    }

    void refused()
    {
        QFETCH(int, ticksOfAutoPlay);
        QFETCH(int, reelsStopped);
        QFETCH(GoToPattern, expected);
        FakeWindow w;
        if (ticksOfAutoPlay < 0) {
            w.controller.cmstart_Click();
            const Handler stops[]
                = { &MainController::r1stop_Click, &MainController::r2stop_Click };
            for (int i = 0; i < reelsStopped; ++i) {
                w.spinAll();
                (w.controller.*stops[i])();
            }
        } else {
            w.controller.autostart_Click();
            for (int i = 0; i < ticksOfAutoPlay; ++i) {
                w.spinAll();
                w.timer4.fire();
            }
        }
        const FakeWindow::Snapshot before = w.snapshot();
        const qsizetype mark = w.log.size();
        QCOMPARE(w.controller.goToPattern(3, 2, 14), expected);
        QVERIFY(w.snapshot() == before);
        QCOMPARE(w.callsSince(mark), QStringList {});
    }

    void cellsOutOfRangeThrow_data()
    {
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("centre");
        QTest::addColumn<int>("right");
        QTest::newRow("0") << 0 << 1 << 1;
        QTest::newRow("22") << 1 << 22 << 1;
        QTest::newRow("-1") << 1 << 1 << -1;
    }

    void cellsOutOfRangeThrow()
    {
        QFETCH(int, left);
        QFETCH(int, centre);
        QFETCH(int, right);
        FakeWindow w;
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, w.controller.goToPattern(left, centre, right));
        QVERIFY(w.log.isEmpty());
    }
};

QTEST_APPLESS_MAIN(TestGoToPattern)
#include "tst_reel_gotopattern.moc"
