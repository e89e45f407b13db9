// Putting the reels on a pattern chosen in the chart: the same state as
// stepping there with ▼, and refusals while the reels turn or auto-play runs.
#include "fakewindow.h"

#include "reel/controller.h"

#include <QtTest>

using reel::GoToPattern;
using reel::MainController;

Q_DECLARE_METATYPE(GoToPattern)

class TestGoToPattern : public QObject {
    Q_OBJECT

private slots:
    void landsAsSteppingWould_data()
    {
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("centre");
        QTest::addColumn<int>("right");
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
        const std::array cells { left, centre, right };
        constexpr void (MainController::*down[])() = { &MainController::r1sita_Click,
            &MainController::r2sita_Click, &MainController::r3sita_Click };
        FakeWindow stepped;
        for (std::size_t reel = 0; reel < 3; ++reel)
            while (reel::topRowCell(stepped.view.pictureTop(int(reel))) != cells[reel])
                (stepped.controller.*down[reel])();

        FakeWindow chosen;
        QCOMPARE(chosen.controller.goToPattern(left, centre, right), GoToPattern::done);
        // Positions, picture tops, cells and texts all as after the steps;
        // the labels show the judgement.
        QVERIFY(chosen.controller.fields() == stepped.controller.fields());
        QCOMPARE(chosen.view.state.tops, stepped.view.state.tops);
        QCOMPARE(chosen.controller.fields().r3jyoudan, right);
        QCOMPARE(chosen.callsSince(0, { "caption" }), judgementCaptions(left, centre, right));
    }

    // After ▼ from cell 2 the left reel shows cell 1 at position 21; a reel
    // already on its cell does not move.
    void reelOnTheCellStaysPut()
    {
        FakeWindow w;
        w.controller.goToPattern(2, 2, 2);
        w.controller.r1sita_Click();
        const qsizetype mark = w.log.size();
        QCOMPARE(w.controller.goToPattern(1, 5, 2), GoToPattern::done);
        QCOMPARE(w.callsSince(mark, { "top" }),
            QStringList { QStringLiteral("top 1=%1").arg(topOf(17)) });
        QCOMPARE(w.controller.fields().r1pos, 21);
    }

    void refused_data()
    {
        QTest::addColumn<int>("autoPlayTicks"); // -1: a manual game instead
        QTest::addColumn<int>("reelsStopped");
        QTest::addColumn<GoToPattern>("expected");
        QTest::newRow("reels turning") << -1 << 0 << GoToPattern::reelsTurning;
        QTest::newRow("two reels stopped") << -1 << 2 << GoToPattern::reelsTurning;
        QTest::newRow("auto-play spinning") << 0 << 0 << GoToPattern::autoPlaying;
        // From tick 3 to 5 all reels stand, yet auto-play goes on.
        QTest::newRow("auto-play, reels standing") << 3 << 0 << GoToPattern::autoPlaying;
    }

    void refused()
    {
        QFETCH(int, autoPlayTicks);
        QFETCH(int, reelsStopped);
        QFETCH(GoToPattern, expected);
        FakeWindow w;
        if (autoPlayTicks < 0) {
            w.controller.cmstart_Click();
            if (reelsStopped == 2) {
                w.controller.r1stop_Click();
                w.controller.r2stop_Click();
            }
        } else {
            w.controller.autostart_Click();
            for (int i = 0; i < autoPlayTicks; ++i)
                w.timer4.fire();
        }
        const FakeWindow::Snapshot before = w.snapshot();
        const qsizetype mark = w.log.size();
        QCOMPARE(w.controller.goToPattern(3, 2, 14), expected);
        QVERIFY(w.snapshot() == before);
        QCOMPARE(w.callsSince(mark), QStringList {});
    }

    void cellsOutOfRangeThrow()
    {
        FakeWindow w;
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, w.controller.goToPattern(0, 1, 1));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, w.controller.goToPattern(1, 22, 1));
        QVERIFY(w.log.isEmpty());
    }
};

QTEST_APPLESS_MAIN(TestGoToPattern)
#include "tst_reel_gotopattern.moc"
