// The reel's motion on the reel clock, the press cell at its edges, the stop
// and stand, the strip picture's place, input event times and frame pacing.
#include "play/eventtime.h"
#include "play/framepacing.h"
#include "play/motion.h"
#include "reel/reelmodel.h"

#include <QtTest>

#include <cmath>

using namespace play;

namespace {

// The main window's spin tick on one reel, for what a spin shows.
class TickedReel : public reel::MainView {
public:
    explicit TickedReel(int cell)
        : m_pos(std::int16_t(reel::kLastPosition + 1 - cell))
    { }
    void tick() { reel::spinTick({ m_pos, m_top, 0 }, *this); }
    int cell() const { return reel::topRowCell(m_shown); }
    float shownTop() const { return m_shown; }

    void setPictureTop(int, float twips) override { m_shown = twips; }
    float pictureTop(int) const override { return m_shown; }
    void setEnabled(reel::Button, bool) override { }
    bool isEnabled(reel::Button) const override { return false; }
    void setFocus(reel::Button) override { }
    void setCaption(reel::Label, std::string_view) override { }
    std::string text(reel::TextBox) const override { return {}; }
    void setText(reel::TextBox, std::string_view) override { }
    void showHelp(reel::HelpWindow) override { }
    void reportInputError(reel::TextBox, std::string_view) override { }
    void quit() override { }

private:
    std::int16_t m_pos, m_top = 0;
    float m_shown = 0;
};

// At 80 rpm the travel is a whole number of cells every 7 cells of full
// speed: 250 ms. The first such time after the speed-up, and every 7 cells on.
constexpr qint64 kSevenCellsAt80 = 290'000;

} // namespace

class TestPlayMotion : public QObject {
    Q_OBJECT

private slots:
    void fullTurnTakesItsTime_data()
    {
        QTest::addColumn<int>("rpm");
        QTest::addColumn<qint64>("turn"); // µs for 21 cells at full speed
        QTest::newRow("80 rpm") << 80 << qint64(750'000);
        QTest::newRow("60 rpm") << 60 << qint64(1'000'000);
        QTest::newRow("40 rpm") << 40 << qint64(1'500'000);
    }
    void fullTurnTakesItsTime()
    {
        QFETCH(int, rpm);
        QFETCH(qint64, turn);
        const Micros start = 5'000'000;
        const ReelMotion motion(7, start, rpm);
        QCOMPARE(motion.travel(start), 0);
        QCOMPARE(motion.travel(start - 1000), 0);
        // Full speed once the speed-up is over, well within 0.1 s.
        QVERIFY(kSpeedUp <= 100'000);
        const std::int64_t fullSpeed = 14 * rpm;
        QCOMPARE(
            motion.travel(motion.fullSpeed() + 1) - motion.travel(motion.fullSpeed()), fullSpeed);
        const Micros before = motion.fullSpeed() - 1000;
        QVERIFY(motion.travel(before + 1) - motion.travel(before) < fullSpeed);
        for (const Micros from : { motion.fullSpeed(), motion.fullSpeed() + 123'457 })
            QCOMPARE(motion.travel(from + turn) - motion.travel(from), 21 * kUnitsPerCell);
        // Never backwards, and smooth from the lever on.
        for (Micros t = start; t < start + 200'000; t += 997)
            QVERIFY(motion.travel(t + 997) >= motion.travel(t));
    }

    // The top-row cell a spin shows after k cells is the one the main
    // window's spin tick shows after k ticks, and the strip picture stands
    // where its reel model puts it.
    void spinShowsTheCellsOfTheClassicReel()
    {
        for (int startCell = 1; startCell <= 21; ++startCell) {
            TickedReel classic(startCell);
            const ReelMotion motion(startCell, 0, 80);
            Micros t = 0;
            for (int k = 0; k <= 42; ++k) {
                while (motion.travel(t) < k * kUnitsPerCell)
                    ++t;
                const ReelPosition at = motion.position(t);
                QCOMPARE(at.cell, k == 0 ? startCell : classic.cell());
                if (k > 0) {
                    // The picture moves one cell a tick, whole 65-pixel rows,
                    // with the same rows in view (the strip repeats every
                    // 21 cells).
                    const int shown = stripTop(at, 1), classicTop = int(classic.shownTop()) / 15;
                    QCOMPARE(((shown - classicTop) % 1365 + 1365) % 1365, 0);
                    QVERIFY(shown >= -1352 && shown <= -52 + 64);
                }
                classic.tick();
            }
        }
    }

    void stripSlidesWholeDevicePixels_data()
    {
        QTest::addColumn<int>("cell");
        QTest::addColumn<qint64>("units");
        QTest::addColumn<double>("scale");
        QTest::addColumn<int>("top");
        // The fewest units that slide a whole pixel.
        const qint64 pixel = (kUnitsPerCell + 64) / 65;
        QTest::newRow("cell 1 standing") << 1 << qint64(0) << 1.0 << -1352;
        QTest::newRow("cell 21 standing") << 21 << qint64(0) << 1.0 << -1287;
        QTest::newRow("cell 2 standing") << 2 << qint64(0) << 1.0 << -52;
        QTest::newRow("cell 2, 64 pixels on") << 2 << 64 * pixel << 1.0 << 12;
        QTest::newRow("cell 1, just short of a pixel") << 1 << pixel - 1 << 1.0 << -1352;
        QTest::newRow("cell 1, a pixel on") << 1 << pixel << 1.0 << -1351;
        QTest::newRow("scale 2, half a pixel on") << 1 << pixel / 2 + 1 << 2.0 << -2703;
        QTest::newRow("scale 2, just short of it") << 1 << pixel / 2 - 1 << 2.0 << -2704;
    }
    void stripSlidesWholeDevicePixels()
    {
        QFETCH(int, cell);
        QFETCH(qint64, units);
        QFETCH(double, scale);
        QFETCH(int, top);
        QCOMPARE(stripTop({ cell, units }, scale), top);
    }

    void pressCellAtTheEdges_data()
    {
        QTest::addColumn<int>("startCell");
        QTest::addColumn<int>("rpm");
        QTest::addColumn<qint64>("press"); // µs after the start
        QTest::addColumn<int>("cell");
        // At 80 rpm, 7 cells exactly at 290 ms; at 40 rpm at 540 ms.
        QTest::newRow("on an edge: the cell standing there") << 10 << 80 << kSevenCellsAt80 << 3;
        QTest::newRow("a µs before it: the same cell") << 10 << 80 << kSevenCellsAt80 - 1 << 3;
        QTest::newRow("a µs after it: the next cell") << 10 << 80 << kSevenCellsAt80 + 1 << 2;
        QTest::newRow("on the edge of cell 1") << 8 << 80 << kSevenCellsAt80 << 1;
        QTest::newRow("after it: wraps to 21") << 8 << 80 << kSevenCellsAt80 + 1 << 21;
        QTest::newRow("14 cells on, from cell 14") << 14 << 80 << kSevenCellsAt80 + 250'000 << 21;
        QTest::newRow("a turn and 7 on") << 10 << 80 << kSevenCellsAt80 + 750'000 << 3;
        QTest::newRow("40 rpm, on the edge") << 10 << 40 << qint64(540'000) << 3;
        QTest::newRow("40 rpm, after it") << 10 << 40 << qint64(540'001) << 2;
        QTest::newRow("at the start: standing") << 5 << 80 << qint64(0) << 5;
        QTest::newRow("a ms after the start") << 5 << 80 << qint64(1000) << 4;
    }
    void pressCellAtTheEdges()
    {
        QFETCH(int, startCell);
        QFETCH(int, rpm);
        QFETCH(qint64, press);
        QFETCH(int, cell);
        const Micros start = 1'000'000;
        const ReelMotion motion(startCell, start, rpm);
        QCOMPARE(motion.pressCell(start + press), cell);
        // The cell pressed is the one at the top row, or the next to come.
        const ReelPosition at = motion.position(start + press);
        QCOMPARE(at.units == 0 ? at.cell : cellsOn(at.cell, 1), cell);
    }

    // Pressed anywhere at full speed, with any slip the control gives, the
    // reel runs on at full speed to its cell and stands, within 190 ms at 80
    // rpm.
    void stopStandsOnItsCell_data()
    {
        QTest::addColumn<int>("rpm");
        QTest::addColumn<qint64>("most"); // µs from the press to the stand
        QTest::newRow("80 rpm") << 80 << qint64(190'000);
        QTest::newRow("40 rpm") << 40 << qint64(380'000);
    }
    void stopStandsOnItsCell()
    {
        QFETCH(int, rpm);
        QFETCH(qint64, most);
        const Micros start = 0;
        Micros longest = 0;
        for (int slip = 0; slip <= 4; ++slip) {
            for (Micros press = kSpeedUp; press < kSpeedUp + 1'500'000; press += 977) {
                ReelMotion motion(12, start, rpm);
                const int pressCell = motion.pressCell(press);
                const std::int64_t before = motion.travel(press);
                motion.stopAfter(motion.cellsToPress(press) + slip);
                const Micros stands = *motion.standsAt();
                QVERIFY(stands >= press);
                longest = std::max(longest, stands - press);
                QCOMPARE(motion.travel(press), before);
                QVERIFY(!motion.standing(stands - 1));
                QVERIFY(motion.standing(stands));
                const ReelPosition rest { cellsOn(pressCell, slip), 0 };
                QCOMPARE(motion.position(stands), rest);
                QCOMPARE(motion.position(stands + 10'000'000), rest);
                QVERIFY(motion.position(stands - 1) != rest);
            }
        }
        QVERIFY2(longest <= most, qPrintable(QString::number(longest)));
        // Five cells and nearly all of a sixth at most: the rule's own limit.
        QVERIFY(longest > most * 9 / 10);
    }

    // The time a reel first reaches a travel, in the speed-up and after it.
    void reachesATravel()
    {
        for (const int rpm : { 40, 63, 80 }) {
            const ReelMotion motion(3, 1'000'000, rpm);
            for (std::int64_t units = 1; units < 3 * kUnitsPerCell; units = units * 3 / 2 + 7) {
                const Micros t = motion.reaches(units);
                QVERIFY(motion.travel(t) >= units);
                QVERIFY(motion.travel(t - 1) < units);
            }
            QCOMPARE(motion.reaches(0), motion.start());
            // The first whole device pixel comes well before a frame at 60 Hz
            // would otherwise show it.
            QVERIFY(motion.reaches(unitsPerDevicePixel(1)) - motion.start() < 14'000);
            QVERIFY(
                motion.reaches(unitsPerDevicePixel(2)) < motion.reaches(unitsPerDevicePixel(1)));
            QCOMPARE(stripTop({ 5, unitsPerDevicePixel(2) }, 2) - stripTop({ 5, 0 }, 2), 1);
            QCOMPARE(stripTop({ 5, unitsPerDevicePixel(2) - 1 }, 2) - stripTop({ 5, 0 }, 2), 0);
        }
    }

    void eventTimes_data()
    {
        QTest::addColumn<quint64>("leverStamp"); // ms
        QTest::addColumn<qint64>("leverReceipt"); // µs
        QTest::addColumn<quint64>("stamp");
        QTest::addColumn<qint64>("receipt");
        QTest::addColumn<qint64>("time");
        const qint64 r = 9'000'000;
        QTest::newRow("mapped by the lever's offset")
            << quint64(500) << r << quint64(800) << r + 305'000 << r + 300'000;
        QTest::newRow("no stamp: at receipt")
            << quint64(500) << r << quint64(0) << r + 305'000 << r + 305'000;
        QTest::newRow("a lever without a stamp")
            << quint64(0) << r << quint64(800) << r + 305'000 << r + 305'000;
        QTest::newRow("stamped after its receipt")
            << quint64(500) << r << quint64(900) << r + 305'000 << r + 305'000;
        QTest::newRow("within a ms after it: at receipt")
            << quint64(500) << r << quint64(801) << r + 300'500 << r + 300'500;
        QTest::newRow("50 ms old: still its stamp")
            << quint64(500) << r << quint64(800) << r + 350'000 << r + 300'000;
        QTest::newRow("older: at receipt")
            << quint64(500) << r << quint64(800) << r + 350'001 << r + 350'001;
        QTest::newRow("a wrapped server clock")
            << quint64(4294967000) << r << quint64(200) << r + 300'000 << r + 300'000;
        QTest::newRow("a stamp out of any range")
            << quint64(500) << r << ~quint64(0) << r + 300'000 << r + 300'000;
    }
    void eventTimes()
    {
        QFETCH(quint64, leverStamp);
        QFETCH(qint64, leverReceipt);
        QFETCH(quint64, stamp);
        QFETCH(qint64, receipt);
        QFETCH(qint64, time);
        EventTimes times;
        QCOMPARE(times.timeOf({ receipt, stamp }), receipt);
        times.calibrate({ leverReceipt, leverStamp });
        QCOMPARE(times.timeOf({ receipt, stamp }), time);
    }

    void framePacing_data()
    {
        QTest::addColumn<double>("rate");
        QTest::addColumn<qint64>("period");
        QTest::newRow("60 Hz") << 60.0 << qint64(16'667);
        QTest::newRow("144 Hz") << 144.0 << qint64(6'944);
        QTest::newRow("unknown (0)") << 0.0 << qint64(16'667);
        QTest::newRow("nonsense") << 1e9 << qint64(16'667);
        QTest::newRow("not a number") << std::nan("") << qint64(16'667);
    }
    void framePacing()
    {
        QFETCH(double, rate);
        QFETCH(qint64, period);
        FramePacing pacing(rate);
        QCOMPARE(pacing.period(), period);
        // A timer that fires on the millisecond: the frames keep the rate
        // on average and each interval is within a millisecond of it.
        Micros now = 1'234'567;
        const Micros first = now;
        int wait = pacing.start(now);
        const int frames = 600;
        for (int i = 0; i < frames; ++i) {
            now += wait * kMicrosPerMilli;
            QVERIFY(std::abs(wait * kMicrosPerMilli - period) < kMicrosPerMilli + 1);
            wait = pacing.next(now);
        }
        QVERIFY(std::abs((now - first) - frames * period) <= kMicrosPerMilli);
        // A first frame asked for sooner, or already due.
        QCOMPARE(pacing.start(now, now + 9'400), 10);
        QCOMPARE(pacing.start(now, now - 5'000), 1);
        // A frame 40 ms late: the next comes at the next due time, not at once
        // to catch up, and the rate goes on from there.
        now += 40 * kMicrosPerMilli;
        wait = pacing.next(now);
        QVERIFY(wait >= 1 && wait * kMicrosPerMilli <= period + kMicrosPerMilli);
    }
};

QTEST_APPLESS_MAIN(TestPlayMotion)
#include "tst_play_motion.moc"
