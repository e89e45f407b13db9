// Long runs: auto-play for tens of thousands of cycles through the tick
// handlers, and the help windows opened, put away and closed again and again.
// Nothing may drift, pile up or stay behind.
#include "fakewindow.h"
#include "positions.h"
#include "ui_testpictures.h"

#include "ui/classic/helpwindow.h"
#include "ui/classic/mainwindow.h"

#include <QApplication>
#include <QPushButton>
#include <QtTest>

#include <set>

namespace {

constexpr int kCycles = 20000;

// The cell a strip picture's top edge puts in the top row, as the judgement
// reads it back: position p shows cell 22 − p, with p = 0 counting as 21.
int cellShownBy(float top)
{
    const int position = positionOf(top);
    return 22 - (position == 0 ? 21 : position);
}

// Every reel's counter in 0..21 and its picture where the counter puts it;
// after a spin past 20 the picture shows 21 while the counter holds 0.
bool reelsValid(const FakeWindow &w, QString &why)
{
    const reel::WindowFields &f = w.controller.fields();
    const std::int16_t positions[3] = { f.r1pos, f.r2pos, f.r3pos };
    const std::int16_t tops[3] = { f.r1top, f.r2top, f.r3top };
    for (int reel = 0; reel < 3; ++reel) {
        const int p = positions[reel];
        const int top = tops[reel];
        const bool onGrid = top == topOf(p) || (p == 0 && top == topOf(21));
        if (p < 0 || p > 21 || !onGrid || w.view.state.tops[std::size_t(reel)] != float(top)) {
            why = QStringLiteral("reel %1: position %2, top %3, picture at %4")
                      .arg(reel + 1)
                      .arg(p)
                      .arg(top)
                      .arg(double(w.view.state.tops[std::size_t(reel)]));
            return false;
        }
    }
    return true;
}

// A small fixed-seed generator, so every run plays the same ticks.
struct Ticks {
    unsigned state = 12345;
    int next(int most)
    {
        state = state * 1103515245u + 12345u;
        return int((state >> 16) % unsigned(most + 1));
    }
};

} // namespace

class SoakTest : public QObject {
    Q_OBJECT

private slots:
    void autoPlayRunsThousandsOfCycles_data();
    void autoPlayRunsThousandsOfCycles();
    void helpWindowsComeAndGo_data();
    void helpWindowsComeAndGo();
    void mainWindowTakesItsHelpWindowsAlong();
};

void SoakTest::autoPlayRunsThousandsOfCycles_data()
{
    QTest::addColumn<int>("mostSpinTicks"); // spin ticks before each auto-play tick
    QTest::addColumn<bool>("varied");
    QTest::newRow("1 ms both: one spin tick per auto-play tick") << 1 << false;
    QTest::newRow("a varying number of spin ticks") << 12 << true;
    QTest::newRow("auto-play faster than the reels") << 1 << true;
}

void SoakTest::autoPlayRunsThousandsOfCycles()
{
    QFETCH(int, mostSpinTicks);
    QFETCH(bool, varied);
    FakeWindow w;
    w.view.state.texts[reel::TextBox::Text1] = "1";
    w.view.state.texts[reel::TextBox::Text3] = "1";
    w.controller.autostart_Click();
    QCOMPARE(w.timer4.state.interval, 1);
    const QStringList autoPlaySet = w.enabledButtons();
    const auto texts = w.view.state.texts;

    Ticks ticks;
    std::array<std::set<int>, 3> cellsJudged;
    qsizetype callsInFirstCycle = -1;
    const QStringList notPictures { "caption", "enable", "disable", "focus", "text", "help",
        "error", "quit", "Timer" };
    for (int cycle = 0; cycle < kCycles; ++cycle) {
        w.log.clear();
        for (int tick = 1; tick <= 6; ++tick) {
            const int spins = varied ? ticks.next(mostSpinTicks) : mostSpinTicks;
            for (int s = 0; s < spins; ++s)
                w.spinAll();
            QVERIFY(w.timer4.fire());
            QCOMPARE(int(w.controller.fields().autokaisu), tick == 6 ? 0 : tick);

            const FakeView::State &view = w.view.state;
            const bool reelsStand = tick >= 3 && tick <= 4;
            QCOMPARE(w.timer1.state.enabled, !(tick >= 1 && tick <= 4));
            QCOMPARE(w.timer2.state.enabled, !(tick >= 2 && tick <= 4));
            QCOMPARE(w.timer3.state.enabled, !reelsStand);
            const std::string &yakumei = view.captions.at(reel::Label::lbyakumei);
            if (reelsStand) {
                int cells[3];
                for (int reel = 0; reel < 3; ++reel)
                    cells[reel] = cellShownBy(view.tops[std::size_t(reel)]);
                const judge::Message shown
                    = judge::message(judge::judge(cells[0], cells[1], cells[2]));
                QCOMPARE(yakumei, shown.yakumei);
                QCOMPARE(view.captions.at(reel::Label::lbtamaya), shown.tamaya);
                for (int reel = 0; reel < 3; ++reel)
                    cellsJudged[std::size_t(reel)].insert(cells[reel]);
            } else if (tick >= 5) {
                QCOMPARE(yakumei, std::string());
                QCOMPARE(view.captions.at(reel::Label::lbtamaya), std::string());
            }
        }
        QString why;
        QVERIFY2(
            reelsValid(w, why), qPrintable(QStringLiteral("cycle %1: %2").arg(cycle).arg(why)));
        // Each cycle does the same work: no call more, none less.
        const qsizetype calls = w.callsSince(0, notPictures).size();
        if (callsInFirstCycle < 0)
            callsInFirstCycle = calls;
        QCOMPARE(calls, callsInFirstCycle);
    }

    QCOMPARE(w.enabledButtons(), autoPlaySet);
    QVERIFY(w.view.state.texts == texts);
    QVERIFY(w.view.state.errors.empty());
    QVERIFY(w.view.state.helpShown.empty());
    if (varied && mostSpinTicks > 1) {
        for (const auto &cells : cellsJudged)
            QCOMPARE(cells.size(), std::size_t(21));
    }

    w.controller.autostop_Click();
    QVERIFY(!w.timer4.state.enabled);
    for (FakeTimer *timer : w.spinTimers())
        QVERIFY(!timer->state.enabled);
}

void SoakTest::helpWindowsComeAndGo_data()
{
    QTest::addColumn<reel::HelpWindow>("which");
    QTest::newRow("Fsousa") << reel::HelpWindow::Fsousa;
    QTest::newRow("Fkaisetu") << reel::HelpWindow::Fkaisetu;
}

// Open, OK, open again, close box: many times over. The window count comes
// back every round; in the sanitizer build the leak checker sees the rest.
void SoakTest::helpWindowsComeAndGo()
{
    QFETCH(reel::HelpWindow, which);
    ui::MainWindow main(uitest::stripPictures());
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    const qsizetype windowsBefore = QApplication::topLevelWidgets().size();
    auto open = [&] {
        if (which == reel::HelpWindow::Fsousa)
            main.controller().Cmsousa_Click();
        else
            main.controller().Cmkaisetu_Click();
        return main.helpWindow(which);
    };

    for (int round = 0; round < 150; ++round) {
        QPointer<ui::HelpWindow> help = open();
        QVERIFY(help);
        QVERIFY(help->isVisible());
        auto *ok = help->findChild<QPushButton *>(QStringLiteral("Command1"));
        QVERIFY(ok);
        ok->click();
        QVERIFY(!help->isVisible());
        QCOMPARE(open(), help.data());
        QVERIFY(help->isVisible());
        QVERIFY(help->close());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!help);
        QVERIFY(!main.helpWindow(which));
        QCOMPARE(QApplication::topLevelWidgets().size(), windowsBefore);
    }
}

// Help windows left open or hidden go with the main window.
void SoakTest::mainWindowTakesItsHelpWindowsAlong()
{
    const qsizetype windowsBefore = QApplication::topLevelWidgets().size();
    for (int round = 0; round < 20; ++round) {
        auto main = std::make_unique<ui::MainWindow>(uitest::stripPictures());
        main->show();
        main->controller().Cmsousa_Click();
        main->controller().Cmkaisetu_Click();
        if (round % 2)
            main->helpWindow(reel::HelpWindow::Fkaisetu)->hide();
        QPointer<ui::HelpWindow> sousa = main->helpWindow(reel::HelpWindow::Fsousa);
        QPointer<ui::HelpWindow> kaisetu = main->helpWindow(reel::HelpWindow::Fkaisetu);
        main.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!sousa);
        QVERIFY(!kaisetu);
        QCOMPARE(QApplication::topLevelWidgets().size(), windowsBefore);
    }
}

QTEST_MAIN(SoakTest)
#include "tst_soak.moc"
