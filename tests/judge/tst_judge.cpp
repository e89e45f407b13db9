// The judgement tables, their texts and their ties to the reel strips.
#include "judge/codes.h"
#include "judge/strips.h"
#include "judge/table.h"

#include <QtTest>

#include <map>
#include <set>

using judge::Code;

namespace {

// "J01 7, J02 16, …" to a map from code to count.
std::map<Code, int> parseCounts(const QString &text)
{
    std::map<Code, int> counts;
    for (const QString &item : text.split(", ")) {
        const QStringList parts = item.split(' ');
        counts[*judge::parseCode(parts[0].toStdString())] = parts[1].toInt();
    }
    return counts;
}

std::map<Code, int> countPatterns(int leftFrom, int leftTo)
{
    std::map<Code, int> counts;
    for (int l = leftFrom; l <= leftTo; ++l)
        for (int c = 1; c <= judge::kCells; ++c)
            for (int r = 1; r <= judge::kCells; ++r)
                ++counts[judge::judge(l, c, r)];
    return counts;
}

QString dump(const std::map<Code, int> &counts)
{
    QStringList items;
    for (auto [code, n] : counts)
        items << QString::fromStdString(judge::name(code)) + ' ' + QString::number(n);
    return items.join(", ");
}

QString yakumeiOf(Code code) { return QString::fromUtf8(judge::message(code).yakumei); }

bool lineHolds(const judge::Grid &grid, judge::Symbol symbol)
{
    for (judge::Line line : judge::kLines) {
        const auto on = judge::symbolsOn(grid, line);
        if (on[0] == symbol && on[1] == symbol && on[2] == symbol)
            return true;
    }
    return false;
}

judge::LeftTable fullTable(int left)
{
    return { left,
        { { { 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21 },
            { { { 1 }, Code::J01 } }, Code::J18 } } };
}

std::vector<judge::LeftTable> fullTables()
{
    std::vector<judge::LeftTable> tables;
    for (int left = 1; left <= judge::kCells; ++left)
        tables.push_back(fullTable(left));
    return tables;
}

} // namespace

class TestJudge : public QObject {
    Q_OBJECT

private slots:
    void patternCounts_data();
    void patternCounts();
    void examples_data();
    void examples();
    void messageTexts_data();
    void messageTexts();
    void messageShape();
    void codeNames();
    void lookupRejectsCellsOutsideTheStrip_data();
    void lookupRejectsCellsOutsideTheStrip();
    void malformedTablesAreRejected_data();
    void malformedTablesAreRejected();
    void wellFormedTablesAreAccepted();
    void stripOrder();
    void gridCountsOnFromTwentyOneToOne();
    void bigResultExactlyWhereBigSymbolsLineUp();
    void smallWinsNeedTheirSymbolsOnALine();
    void middleRowTextsMatchTheMiddleRow();
};

void TestJudge::patternCounts_data()
{
    QTest::addColumn<int>("leftFrom");
    QTest::addColumn<int>("leftTo");
    QTest::addColumn<QString>("expected");

    QTest::newRow("whole table")
        << 1 << 21
        << "J01 30, J02 16, J03 904, J04 1, J05 642, J06 1255, J07 75, J08 6, J09 6, J10 12, "
           "J11 4, J12 6, J13 8, J14 1475, J15 400, J16 390, J17 80, J18 2966, J19 67, J20 80, "
           "J21 58, J22 8, J23 265, J24 158, J25 67, J26 48, J27 40, J28 11, J29 12, J30 16, "
           "J31 36, J32 35, J33 1, J34 31, J35 4, J36 13, J37 29, J38 6";
    QTest::newRow("left 1-7")
        << 1 << 7
        << "J01 7, J02 16, J03 259, J04 1, J05 173, J06 431, J11 4, J12 6, J13 8, J14 496, "
           "J15 125, J16 145, J17 32, J18 1098, J20 32, J21 18, J22 8, J23 74, J25 26, J26 16, "
           "J28 11, J29 5, J30 3, J31 36, J34 17, J35 3, J36 4, J37 27, J38 6";
    QTest::newRow("left 8-14")
        << 8 << 14
        << "J01 5, J03 228, J05 215, J06 412, J07 75, J08 6, J10 6, J14 726, J15 125, J16 100, "
           "J17 48, J18 780, J19 46, J20 33, J21 24, J23 141, J25 36, J26 15, J27 5, J29 7, "
           "J30 5, J32 35, J34 3, J36 9, J37 2";
    QTest::newRow("left 15-21")
        << 15 << 21
        << "J01 18, J03 417, J05 254, J06 412, J09 6, J10 6, J14 253, J15 150, J16 145, "
           "J18 1088, J19 21, J20 15, J21 16, J23 50, J24 158, J25 5, J26 17, J27 35, J30 8, "
           "J33 1, J34 11, J35 1";
}

void TestJudge::patternCounts()
{
    QFETCH(int, leftFrom);
    QFETCH(int, leftTo);
    QFETCH(QString, expected);
    QCOMPARE(dump(countPatterns(leftFrom, leftTo)), dump(parseCounts(expected)));
}

void TestJudge::examples_data()
{
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("centre");
    QTest::addColumn<int>("right");
    QTest::addColumn<QString>("code");

    const struct {
        int l, c, r;
        const char *code;
    } examples[] = {
        { 1, 1, 1, "J01" },
        { 1, 21, 7, "J03" },
        { 3, 2, 14, "J04" },
        { 3, 7, 8, "J29" },
        { 3, 16, 3, "J22" },
        { 5, 7, 2, "J36" },
        { 7, 7, 7, "J17" },
        { 8, 2, 2, "J07" },
        { 8, 9, 1, "J06" },
        { 9, 6, 1, "J19" },
        { 10, 1, 2, "J08" },
        { 11, 20, 20, "J01" },
        { 13, 1, 1, "J01" },
        { 14, 14, 14, "J14" },
        { 15, 8, 2, "J19" },
        { 17, 10, 13, "J01" },
        { 18, 11, 1, "J33" },
        { 18, 11, 20, "J06" },
        { 21, 20, 19, "J14" },
        { 21, 21, 21, "J01" },
        // The row for centre cells 2 and 13 under left cell 1, read both ways.
        { 1, 2, 20, "J03" },
        { 1, 13, 20, "J03" },
        { 1, 2, 1, "J05" },
        { 1, 13, 4, "J14" },
    };
    for (const auto &e : examples)
        QTest::addRow("%d %d %d", e.l, e.c, e.r) << e.l << e.c << e.r << QString(e.code);
}

void TestJudge::examples()
{
    QFETCH(int, left);
    QFETCH(int, centre);
    QFETCH(int, right);
    QFETCH(QString, code);
    QCOMPARE(QString::fromStdString(judge::name(judge::judge(left, centre, right))), code);
}

void TestJudge::messageTexts_data()
{
    QTest::addColumn<Code>("code");
    QTest::addColumn<QByteArray>("yakumei");
    QTest::addColumn<QByteArray>("tamaya");

    const QByteArray cheer
        = "\xE3\x81\x8B\xEF\xBD\x9E\xE3\x81\x8E\xEF\xBD\x9E\xE3\x82\x84\xEF\xBD\x9E\xEF\xBC\x81";
    QTest::newRow("J01") << Code::J01 << QByteArray("やったね！ＢＩＧです。\r\n目指せ！７１１枚。")
                         << cheer;
    QTest::newRow("J02") << Code::J02 << QByteArray("残念！ＲＥＧです。") << cheer;
    QTest::newRow("J05") << Code::J05 << QByteArray("リーチ目\r\n残念！ＲＥＧです。") << cheer;
    QTest::newRow("J07") << Code::J07
                         << QByteArray("リーチ目。\r\n３尺玉、１０枚。\r\nＢ＆Ｒ共通です。")
                         << cheer;
    QTest::newRow("J13") << Code::J13
                         << QByteArray("リーチ目。中段\r\n三尺、三尺、リプレイ\r\nＢ＆Ｒ共通です。")
                         << cheer;
    QTest::newRow("J14") << Code::J14 << QByteArray("チェリー") << QByteArray();
    QTest::newRow("J19") << Code::J19 << QByteArray("はずれ確定\r\nボーナスの可能性ナシ。")
                         << QByteArray();
    QTest::newRow("J22") << Code::J22 << QByteArray("左、右で\r\n大山の取りこぼし確定。")
                         << QByteArray();
    // The look-alikes: J27 has neither の nor a full stop, J28 both.
    QTest::newRow("J27") << Code::J27
                         << QByteArray("リーチ目だけど、\r\n止まらない？\r\n右リール子役はずれ")
                         << QByteArray();
    QTest::newRow("J28") << Code::J28
                         << QByteArray("リーチ目だけど、\r\n止まらない？\r\n右リールの子役はずれ。")
                         << QByteArray();
    // J34 uses the full-width comma U+FF0C, J35 the ideographic comma U+3001.
    QTest::newRow("J34")
        << Code::J34
        << QByteArray("リーチ目だけど、\r\n止まらない？\r\n左\xEF\xBC\x8C中リールの２確目")
        << QByteArray();
    QTest::newRow("J35")
        << Code::J35
        << QByteArray("リーチ目だけど、\r\n止まらない？\r\n左\xE3\x80\x81中リールの２確目")
        << QByteArray();
    QTest::newRow("J38") << Code::J38
                         << QByteArray(
                                "リーチ目だけど、\r\n止まらない？中段\r\n三尺、三尺、リプレイ")
                         << QByteArray();
}

void TestJudge::messageTexts()
{
    QFETCH(Code, code);
    QFETCH(QByteArray, yakumei);
    QFETCH(QByteArray, tamaya);
    const judge::Message m = judge::message(code);
    QCOMPARE(QByteArray(m.yakumei.data(), qsizetype(m.yakumei.size())), yakumei);
    QCOMPARE(QByteArray(m.tamaya.data(), qsizetype(m.tamaya.size())), tamaya);
}

void TestJudge::messageShape()
{
    const QString cheer = QStringLiteral(u"か\uFF5Eぎ\uFF5Eや\uFF5E！");
    for (int n = 1; n <= judge::kCodeCount; ++n) {
        const Code code = judge::codeFromNumber(n);
        const QString text = yakumeiOf(code);
        const QStringList lines = text.split("\r\n");
        QVERIFY2(lines.size() >= 1 && lines.size() <= 3, qPrintable(text));
        for (const QString &line : lines) {
            QVERIFY2(!line.isEmpty(), qPrintable(text));
            QVERIFY2(!line.contains('\r') && !line.contains('\n'), qPrintable(text));
        }
        QCOMPARE(QString::fromUtf8(judge::message(code).tamaya), n <= 13 ? cheer : QString());
        // Only J03, J05 and J06 start with "リーチ目" without a full stop.
        const bool bare = lines[0] == QStringLiteral("リーチ目");
        QCOMPARE(bare, code == Code::J03 || code == Code::J05 || code == Code::J06);
    }
    QCOMPARE(yakumeiOf(Code::J04).split("\r\n")[0], QStringLiteral("リーチ目。"));
}

void TestJudge::codeNames()
{
    for (int n = 1; n <= judge::kCodeCount; ++n) {
        const Code code = judge::codeFromNumber(n);
        QCOMPARE(judge::parseCode(judge::name(code)), std::optional<Code>(code));
    }
    QCOMPARE(judge::name(Code::J07), std::string("J07"));
    for (const char *bad : { "J00", "J39", "j01", "J1", "J001", "", "K01", "J-1" })
        QVERIFY2(!judge::parseCode(bad), bad);
}

void TestJudge::lookupRejectsCellsOutsideTheStrip_data()
{
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("centre");
    QTest::addColumn<int>("right");
    QTest::newRow("left 0") << 0 << 1 << 1;
    QTest::newRow("centre 22") << 1 << 22 << 1;
    QTest::newRow("right -1") << 1 << 1 << -1;
    QTest::newRow("huge") << 1 << 1 << 100000;
}

void TestJudge::lookupRejectsCellsOutsideTheStrip()
{
    QFETCH(int, left);
    QFETCH(int, centre);
    QFETCH(int, right);
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, judge::judge(left, centre, right));
}

void TestJudge::malformedTablesAreRejected_data()
{
    QTest::addColumn<int>("fault");
    QTest::newRow("centre cell missing") << 0;
    QTest::newRow("centre cell in two rows") << 1;
    QTest::newRow("right cell twice in one group") << 2;
    QTest::newRow("right cell in two groups of a row") << 3;
    QTest::newRow("left cell missing") << 4;
    QTest::newRow("left cell twice") << 5;
    QTest::newRow("right cell 22") << 6;
    QTest::newRow("centre cell 0") << 7;
}

void TestJudge::malformedTablesAreRejected()
{
    QFETCH(int, fault);
    auto tables = fullTables();
    auto &row = tables[4].rows[0];
    switch (fault) {
    case 0: row.centres.pop_back(); break;
    case 1: tables[4].rows.push_back({ { 21 }, {}, Code::J18 }); break;
    case 2: row.groups[0].right = { 3, 3 }; break;
    case 3: row.groups.push_back({ { 1 }, Code::J02 }); break;
    case 4: tables.pop_back(); break;
    case 5: tables[20] = fullTable(1); break;
    case 6: row.groups[0].right = { 22 }; break;
    case 7: row.centres[0] = 0; break;
    }
    QVERIFY_THROWS_EXCEPTION(judge::TableError, judge::Judgement { tables });
}

void TestJudge::wellFormedTablesAreAccepted()
{
    const judge::Judgement judgement(fullTables());
    QCOMPARE(judgement.at(5, 9, 1), Code::J01);
    QCOMPARE(judgement.at(5, 9, 2), Code::J18);
}

void TestJudge::stripOrder()
{
    using enum judge::Symbol;
    // Per reel: how many cells carry each symbol, in the order ao7, vsign,
    // regplate, replay, sanjaku, ooyama, cherry.
    const int expected[3][judge::kSymbolCount]
        = { { 3, 3, 1, 4, 5, 3, 2 }, { 1, 1, 3, 5, 5, 2, 4 }, { 1, 1, 1, 5, 5, 4, 4 } };
    for (int reel = 0; reel < judge::kReels; ++reel) {
        int counts[judge::kSymbolCount] = {};
        for (int cell = 1; cell <= judge::kCells; ++cell)
            ++counts[static_cast<int>(judge::symbolAt(reel, cell))];
        for (int s = 0; s < judge::kSymbolCount; ++s)
            QCOMPARE(counts[s], expected[reel][s]);
    }
    QCOMPARE(judge::symbolAt(0, 17), vsign);
    QCOMPARE(judge::symbolAt(1, 11), vsign);
    QCOMPARE(judge::symbolAt(2, 9), regplate);
    QCOMPARE(judge::symbolAt(2, 21), cherry);
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, judge::symbolAt(3, 1));
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, judge::symbolAt(0, 0));
}

void TestJudge::gridCountsOnFromTwentyOneToOne()
{
    using enum judge::Symbol;
    // Right reel at cell 20 shows cells 20, 21, 1: ao7 in its bottom row.
    const judge::Grid grid = judge::gridFor(21, 20, 20);
    QCOMPARE(grid[0][2], replay);
    QCOMPARE(grid[1][2], cherry);
    QCOMPARE(grid[2][2], ao7);
    QCOMPARE(grid[2][0], cherry); // left cell 21 + 2 = cell 2
    const auto rising = judge::symbolsOn(judge::gridFor(1, 1, 1), judge::Line::risingDiagonal);
    QCOMPARE(rising[0], ooyama); // left cell 3
    QCOMPARE(rising[1], replay); // centre cell 2
    QCOMPARE(rising[2], ao7); // right cell 1
}

void TestJudge::bigResultExactlyWhereBigSymbolsLineUp()
{
    int bigPatterns = 0;
    for (int l = 1; l <= judge::kCells; ++l)
        for (int c = 1; c <= judge::kCells; ++c)
            for (int r = 1; r <= judge::kCells; ++r) {
                const judge::Grid grid = judge::gridFor(l, c, r);
                const bool big
                    = lineHolds(grid, judge::Symbol::ao7) || lineHolds(grid, judge::Symbol::vsign);
                const Code code = judge::judge(l, c, r);
                QCOMPARE(code == Code::J01, big);
                bigPatterns += big;
                if (lineHolds(grid, judge::Symbol::regplate))
                    QVERIFY(yakumeiOf(code).contains(QStringLiteral("残念！ＲＥＧです。")));
            }
    QCOMPARE(bigPatterns, 30);
}

void TestJudge::smallWinsNeedTheirSymbolsOnALine()
{
    using enum judge::Symbol;
    const std::set<int> cherryCells { 21, 1, 2, 12, 13, 14 };
    for (int l = 1; l <= judge::kCells; ++l)
        for (int c = 1; c <= judge::kCells; ++c)
            for (int r = 1; r <= judge::kCells; ++r) {
                const judge::Grid grid = judge::gridFor(l, c, r);
                const QString text = yakumeiOf(judge::judge(l, c, r));
                if (text == QStringLiteral("リプレイ"))
                    QVERIFY(lineHolds(grid, replay));
                if (text.contains(QStringLiteral("３尺玉、１０枚。")))
                    QVERIFY(lineHolds(grid, sanjaku));
                if (text == QStringLiteral("大山、６枚。"))
                    QVERIFY(lineHolds(grid, ooyama));
                if (text == QStringLiteral("チェリー"))
                    QVERIFY2(cherryCells.count(l), qPrintable(QString::number(l)));
                if (text.contains(QStringLiteral("右リール下段青７")))
                    QCOMPARE(r, 20);
            }
}

void TestJudge::middleRowTextsMatchTheMiddleRow()
{
    using enum judge::Symbol;
    int straightBig = 0;
    for (int l = 1; l <= judge::kCells; ++l)
        for (int c = 1; c <= judge::kCells; ++c)
            for (int r = 1; r <= judge::kCells; ++r) {
                const judge::Grid grid = judge::gridFor(l, c, r);
                const QString text = yakumeiOf(judge::judge(l, c, r));
                using Row = std::array<judge::Symbol, 3>;
                if (text.contains(QStringLiteral("中段"))
                    && text.contains(QStringLiteral("リプ、リプ、大山")))
                    QVERIFY((grid[1] == Row { replay, replay, ooyama }));
                if (text.contains(QStringLiteral("中段"))
                    && text.contains(QStringLiteral("三尺、三尺、リプレイ")))
                    QVERIFY((grid[1] == Row { sanjaku, sanjaku, replay }));
                if (text.contains(QStringLiteral("ＢＩＧ絵柄の一直線"))) {
                    QVERIFY((grid[0] == Row { vsign, vsign, ao7 }));
                    ++straightBig;
                }
            }
    QCOMPARE(straightBig, 1);
}

QTEST_APPLESS_MAIN(TestJudge)
#include "tst_judge.moc"
