// The reel model: 16-bit arithmetic, the picture offsets and the three moves
// of a reel from every position.
#include "fakeview.h"

#include "reel/int16.h"
#include "reel/reelmodel.h"

#include <QtTest>

#include <functional>

using reel::ReelFields;

namespace {

// The cell a position puts in the top row, as the window's layout defines it:
// 22 − p, and position 0 shows cell 1 like position 21.
int cellOf(int position) { return position == 0 ? 1 : 22 - position; }

// Cells count 1..21 and wrap around.
int nextCellUp(int cell) { return cell == 21 ? 1 : cell + 1; }
int nextCellDown(int cell) { return cell == 1 ? 21 : cell - 1; }

// A reel standing at `position` as its window would hold it, on picture 1.
struct LoneReel {
    QStringList log;
    FakeView view { log };
    std::int16_t pos;
    std::int16_t top;

    explicit LoneReel(int position)
        : pos(static_cast<std::int16_t>(position))
        , top(reel::pictureOffset(pos))
    {
        view.state.tops[1] = top;
    }

    ReelFields fields() { return { pos, top, 1 }; }
    float shown() const { return view.state.tops[1]; }
};

} // namespace

class TestReelModel : public QObject {
    Q_OBJECT

private slots:
    void int16Arithmetic_data()
    {
        QTest::addColumn<char>("op");
        QTest::addColumn<int>("a");
        QTest::addColumn<int>("b");
        QTest::addColumn<bool>("overflows");

        QTest::newRow("largest sum") << '+' << 32766 << 1 << false;
        QTest::newRow("sum past the top") << '+' << 32767 << 1 << true;
        QTest::newRow("sum past the bottom") << '+' << -32768 << -1 << true;
        QTest::newRow("lowest sum") << '+' << -32767 << -1 << false;
        QTest::newRow("difference past the bottom") << '-' << -32768 << 1 << true;
        QTest::newRow("negating the lowest") << '-' << 0 << -32768 << true;
        QTest::newRow("difference to the top") << '-' << 0 << -32767 << false;
        QTest::newRow("largest reel product") << '*' << 21 << 975 << false;
        QTest::newRow("product just past the top") << '*' << 256 << 128 << true;
        QTest::newRow("negative product at the bottom") << '*' << -256 << 128 << false;
        QTest::newRow("product of the lowest and -1") << '*' << -32768 << -1 << true;
        QTest::newRow("34 cells of 975") << '*' << 34 << 975 << true;
    }

    void int16Arithmetic()
    {
        QFETCH(char, op);
        QFETCH(int, a);
        QFETCH(int, b);
        QFETCH(bool, overflows);

        const auto x = static_cast<std::int16_t>(a);
        const auto y = static_cast<std::int16_t>(b);
        const std::function<std::int16_t()> run = [&] {
            switch (op) {
            case '+': return reel::int16::add(x, y);
            case '-': return reel::int16::sub(x, y);
            default: return reel::int16::mul(x, y);
            }
        };
        if (overflows) {
            QVERIFY_THROWS_EXCEPTION(std::overflow_error, run());
        } else {
            const int exact = op == '+' ? a + b : op == '-' ? a - b : a * b;
            QCOMPARE(int(run()), exact);
        }
    }

    // At every position the top row of the reel window (1170–2145 twips) shows
    // the picture rows of the position's cell: cell n starts at pixel row 65·n,
    // and position 0 shows the repeated rows of cell 1 at the strip's end.
    void offsetsPutTheCellInTheTopRow_data()
    {
        QTest::addColumn<int>("position");
        for (int p = 0; p <= 21; ++p)
            QTest::addRow("position %d", p) << p;
    }

    void offsetsPutTheCellInTheTopRow()
    {
        QFETCH(int, position);
        const int rowAtTopOfReelWindow = (1170 - reel::pictureOffset(std::int16_t(position))) / 15;
        const int cellRows = position == 0 ? 22 * 65 : cellOf(position) * 65;
        QCOMPARE(rowAtTopOfReelWindow, cellRows);
        QCOMPARE(
            int(reel::topRowCell(reel::pictureOffset(std::int16_t(position)))), cellOf(position));
    }

    void stepUpFromEveryPosition_data() { positions(); }
    void stepUpFromEveryPosition()
    {
        QFETCH(int, position);
        LoneReel reel(position);
        reel::stepUp(reel.fields(), reel.view);

        const int expected = position == 0 ? 20 : position - 1;
        QCOMPARE(int(reel.pos), expected);
        QCOMPARE(reel.log, QStringList { QStringLiteral("top 1=%1").arg(topOf(expected)) });
        QCOMPARE(int(reel.top), int(reel.shown()));
        QCOMPARE(int(reel::topRowCell(reel.shown())), nextCellUp(cellOf(position)));
    }

    void stepDownFromEveryPosition_data() { positions(); }
    void stepDownFromEveryPosition()
    {
        QFETCH(int, position);
        LoneReel reel(position);
        reel::stepDown(reel.fields(), reel.view);

        const int expected = position == 21 ? 1 : position + 1;
        QCOMPARE(int(reel.pos), expected);
        QCOMPARE(reel.log, QStringList { QStringLiteral("top 1=%1").arg(topOf(expected)) });
        QCOMPARE(int(reel.top), int(reel.shown()));
        QCOMPARE(int(reel::topRowCell(reel.shown())), nextCellDown(cellOf(position)));
    }

    // 20 shows 21 and then holds 0; 21 (left by a step down) goes to 1.
    void spinTickFromEveryPosition_data() { positions(); }
    void spinTickFromEveryPosition()
    {
        QFETCH(int, position);
        LoneReel reel(position);
        reel::spinTick(reel.fields(), reel.view);

        const int shown = position == 21 ? 1 : position + 1;
        const int held = shown == 21 ? 0 : shown;
        QCOMPARE(int(reel.pos), held);
        QCOMPARE(reel.log, QStringList { QStringLiteral("top 1=%1").arg(topOf(shown)) });
        QCOMPARE(int(reel.top), int(reel.shown()));
        QCOMPARE(int(reel::topRowCell(reel.shown())), nextCellDown(cellOf(position)));
    }

    void aSpinNeverShowsPositionZero_data() { positions(); }
    void aSpinNeverShowsPositionZero()
    {
        QFETCH(int, position);
        LoneReel reel(position);
        for (int tick = 1; tick <= 3 * 21; ++tick) {
            reel::spinTick(reel.fields(), reel.view);
            QVERIFY(reel.pos >= 0 && reel.pos < 21);
            if (tick % 21 == 0) // a full turn brings the same cell back
                QCOMPARE(int(reel::topRowCell(reel.shown())), cellOf(position));
        }
        QCOMPARE(reel.log.size(), 3 * 21);
        QVERIFY(!reel.log.contains(QStringLiteral("top 1=%1").arg(topOf(0))));
    }

private:
    static void positions()
    {
        QTest::addColumn<int>("position");
        for (int p = 0; p <= 21; ++p)
            QTest::addRow("from %d", p) << p;
    }
};

QTEST_APPLESS_MAIN(TestReelModel)
#include "tst_reel_model.moc"
