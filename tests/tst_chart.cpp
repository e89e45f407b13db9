// The reach-me chart tool: its CSV read back, its single-pattern output and
// its errors.
#include "judge/strips.h"
#include "judge/table.h"
#include "tools/chart/chart.h"

#include <QtTest>

#include <sstream>

namespace {

struct Run {
    int status;
    std::string out, err;
};

Run runChart(const QStringList &args)
{
    std::vector<std::string> argv;
    for (const QString &arg : args)
        argv.push_back(arg.toStdString());
    std::ostringstream out, err;
    const int status = chart::run(argv, out, err);
    return { status, out.str(), err.str() };
}

// A strict RFC 4180 reader: records end in CR LF, quoted fields may hold
// commas, quotes (doubled) and line breaks. Returns false on malformed input.
bool readCsv(const std::string &text, std::vector<std::vector<std::string>> &records)
{
    std::vector<std::string> record;
    std::string field;
    std::size_t i = 0;
    while (i < text.size()) {
        if (text[i] == '"') {
            ++i;
            for (;;) {
                if (i >= text.size())
                    return false;
                if (text[i] == '"') {
                    if (i + 1 < text.size() && text[i + 1] == '"') {
                        field += '"';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                field += text[i++];
            }
        } else {
            while (i < text.size() && text[i] != ',' && text[i] != '\r' && text[i] != '\n') {
                if (text[i] == '"')
                    return false;
                field += text[i++];
            }
        }
        if (i < text.size() && text[i] == ',') {
            record.push_back(std::move(field));
            field.clear();
            ++i;
        } else if (text.compare(i, 2, "\r\n") == 0) {
            record.push_back(std::move(field));
            field.clear();
            records.push_back(std::move(record));
            record.clear();
            i += 2;
        } else {
            return false;
        }
    }
    return record.empty() && field.empty();
}

std::string reelColumn(int l, int c, int r, int reel)
{
    const judge::Grid grid = judge::gridFor(l, c, r);
    std::string s;
    for (int row = 0; row < 3; ++row)
        s += std::string(row ? " " : "") + std::string(judge::symbolName(grid[row][reel]));
    return s;
}

} // namespace

class TestChart : public QObject {
    Q_OBJECT

private slots:
    void csvRoundTrip();
    void csvFilteredByCode();
    void singlePattern();
    void textChartGroupsByResult();
    void badArguments_data();
    void badArguments();
    void help();
};

void TestChart::csvRoundTrip()
{
    const Run run = runChart({ "--format", "csv" });
    QCOMPARE(run.status, 0);
    QVERIFY(run.err.empty());
    std::vector<std::vector<std::string>> records;
    QVERIFY(readCsv(run.out, records));
    QCOMPARE(records.size(), std::size_t(judge::kPatterns + 1));
    QCOMPARE(records[0],
        (std::vector<std::string> { "left", "centre", "right", "code", "yakumei", "tamaya",
            "left_reel", "centre_reel", "right_reel" }));
    std::size_t i = 1;
    for (int l = 1; l <= judge::kCells; ++l)
        for (int c = 1; c <= judge::kCells; ++c)
            for (int r = 1; r <= judge::kCells; ++r, ++i) {
                const auto &rec = records[i];
                QCOMPARE(rec.size(), std::size_t(9));
                QCOMPARE(rec[0], std::to_string(l));
                QCOMPARE(rec[1], std::to_string(c));
                QCOMPARE(rec[2], std::to_string(r));
                const judge::Code code = judge::judge(l, c, r);
                QCOMPARE(rec[3], judge::name(code));
                QCOMPARE(rec[4], std::string(judge::message(code).yakumei));
                QCOMPARE(rec[5], std::string(judge::message(code).tamaya));
                for (int reel = 0; reel < 3; ++reel)
                    QCOMPARE(rec[6 + reel], reelColumn(l, c, r, reel));
            }
    // A three-line message keeps its CR LF inside the quoted field.
    QVERIFY(run.out.find("\"リーチ目だけど、\r\n止まらない？中段\r\n三尺、三尺、リプレイ\"")
        != std::string::npos);
}

void TestChart::csvFilteredByCode()
{
    const Run run = runChart({ "--code", "J04", "--format", "csv", "--code", "J33" });
    QCOMPARE(run.status, 0);
    std::vector<std::vector<std::string>> records;
    QVERIFY(readCsv(run.out, records));
    QCOMPARE(records.size(), std::size_t(3));
    QCOMPARE(records[1][0] + records[1][1] + records[1][2] + records[1][3], std::string("3214J04"));
    QCOMPARE(
        records[2][0] + records[2][1] + records[2][2] + records[2][3], std::string("18111J33"));
}

void TestChart::singlePattern()
{
    const Run run = runChart({ "3", "2", "14" });
    QCOMPARE(run.status, 0);
    const QString out = QString::fromStdString(run.out);
    QVERIFY2(out.startsWith("left 3, centre 2, right 14: J04\n"), qPrintable(out));
    QVERIFY(out.contains(QStringLiteral("  リーチ目。\n  ＢＩＧです。\n  か～ぎ～や～！\n")));
}

void TestChart::textChartGroupsByResult()
{
    const Run run = runChart({ "--code", "J38" });
    QCOMPARE(run.status, 0);
    const QString out = QString::fromStdString(run.out);
    QVERIFY2(
        out.startsWith(QStringLiteral(
            "== J38  リーチ目だけど、 / 止まらない？中段 / 三尺、三尺、リプレイ  (6 patterns)\n")),
        qPrintable(out));
    QCOMPARE(out.count("  left "), 6);
    QVERIFY(!out.contains("== J37"));
    // The middle row of every J38 pattern shows sanjaku, sanjaku, replay.
    QCOMPARE(out.count(QRegularExpression("middle  sanjaku +sanjaku +replay")), 6);

    const Run all = runChart({});
    QCOMPARE(QString::fromStdString(all.out).count("  left "), judge::kPatterns);
}

void TestChart::badArguments_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::newRow("not a number") << QStringList { "3", "x", "14" };
    QTest::newRow("cell 0") << QStringList { "0", "2", "14" };
    QTest::newRow("cell 22") << QStringList { "3", "2", "22" };
    QTest::newRow("negative") << QStringList { "3", "2", "-1" };
    QTest::newRow("two cells") << QStringList { "3", "2" };
    QTest::newRow("four cells") << QStringList { "3", "2", "1", "1" };
    QTest::newRow("unknown code") << QStringList { "--code", "J39" };
    QTest::newRow("code lower-case") << QStringList { "--code", "j01" };
    QTest::newRow("code without value") << QStringList { "--code" };
    QTest::newRow("unknown format") << QStringList { "--format", "xml" };
    QTest::newRow("unknown option") << QStringList { "--colour" };
    QTest::newRow("code with one pattern") << QStringList { "--code", "J01", "1", "1", "1" };
}

void TestChart::badArguments()
{
    QFETCH(QStringList, args);
    const Run run = runChart(args);
    QCOMPARE(run.status, 2);
    QVERIFY(run.out.empty());
    QVERIFY(!run.err.empty());
    QCOMPARE(std::count(run.err.begin(), run.err.end(), '\n'), 1);
    QVERIFY(run.err.back() == '\n');
}

void TestChart::help()
{
    const Run run = runChart({ "--help" });
    QCOMPARE(run.status, 0);
    QVERIFY(run.out.find("--format") != std::string::npos);
    QVERIFY(run.out.find("LEFT CENTRE RIGHT") != std::string::npos);
}

QTEST_APPLESS_MAIN(TestChart)
#include "tst_chart.moc"
