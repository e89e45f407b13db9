// The reach-me chart tool: its CSV read back, its single-pattern output and
// its errors; the printed chart read back from its PDF.
#include "judge/categories.h"
#include "judge/patternfilter.h"
#include "judge/strips.h"
#include "judge/table.h"
#include "tools/chart/chart.h"
#include "tools/chart/chartpictures.h"
#include "ui/chart/chartprinter.h"
#include "ui/pictures/cellpictures.h"

#include <QPrinter>
#include <QtTest>

#include <csignal>
#include <sstream>
#include <sys/resource.h>
#include <sys/stat.h>

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

// Where the tool may put temporary files (TMPDIR): nothing is left there.
QTemporaryDir &toolTemp()
{
    static QTemporaryDir dir;
    return dir;
}

// The tool itself, run as a script would, without a runtime folder, its
// standard output sent to `stdoutFile` ("" keeps it), closed ("closed") or
// into `head -1` ("head"); writes past `mostBytes` of a file fail.
Run runTool(
    const QStringList &args, const QString &stdoutFile = {}, rlim_t mostBytes = RLIM_INFINITY)
{
    QProcess tool, head;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("XDG_RUNTIME_DIR");
    env.insert("TMPDIR", toolTemp().path());
    tool.setProcessEnvironment(env);
    tool.setChildProcessModifier([mostBytes] {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit { mostBytes, RLIM_INFINITY };
        ::setrlimit(RLIMIT_FSIZE, &limit);
    });
    if (stdoutFile == "closed") {
        tool.start("/bin/sh", QStringList { "-c", "exec \"$0\" \"$@\" >&-", CHART_TOOL } + args);
    } else {
        if (stdoutFile == "head") {
            tool.setStandardOutputProcess(&head);
            head.start("head", { "-1" });
        } else if (!stdoutFile.isEmpty()) {
            tool.setStandardOutputFile(stdoutFile);
        }
        tool.start(CHART_TOOL, args);
    }
    if (!tool.waitForFinished(60000) || tool.exitStatus() != QProcess::NormalExit)
        return { -1, {}, {} };
    head.waitForFinished();
    return { tool.exitCode(), tool.readAllStandardOutput().toStdString(),
        tool.readAllStandardError().toStdString() };
}

// The text of a PDF in the order it was drawn, pages separated by form feeds.
QString pdfText(const QString &pdf)
{
    QProcess extract;
    extract.start("pdftotext", { "-raw", "-enc", "UTF-8", pdf, "-" });
    if (!extract.waitForFinished(60000) || extract.exitCode() != 0)
        return {};
    return QString::fromUtf8(extract.readAllStandardOutput());
}

// A text as the PDF's text reads back: no blanks, and the wave dash the font
// shares with the full-width tilde read as one of them.
QString comparable(QString text)
{
    text.remove(QRegularExpression("\\s"));
    return text.replace(QChar(0x301C), QChar(0xFF5E));
}

QString fromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

QString groupTitle(judge::Code code)
{
    const judge::Message m = judge::message(code);
    return comparable(
        QString::fromStdString(judge::name(code)) + fromUtf8(m.yakumei) + fromUtf8(m.tamaya));
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
    void legendAndSymbolWords();
    void printedPdf_data();
    void printedPdf();
    void toolWrites_data();
    void toolWrites();
    void toolWritesRegularFile();
    void failedWriteKeepsFile_data();
    void failedWriteKeepsFile();
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
    QVERIFY2(out.contains(QStringLiteral(
                 "\n\n== J38  リーチ目だけど、 / 止まらない？中段 / 三尺、三尺、リプレイ  (6 "
                 "patterns)\n")),
        qPrintable(out));
    QCOMPARE(out.count("  left "), 6);
    QVERIFY(!out.contains("== J37"));
    // The middle row of every J38 pattern shows 3尺玉, 3尺玉, replay.
    QCOMPARE(
        out.count(QRegularExpression(QStringLiteral("middle  ３尺玉 +３尺玉 +リプレイ\n"))), 6);

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
    QTest::newRow("category 0") << QStringList { "--category", "0" };
    QTest::newRow("category 10") << QStringList { "--category", "10" };
    QTest::newRow("category with one pattern") << QStringList { "--category", "2", "3", "2", "14" };
    QTest::newRow("pdf without output") << QStringList { "--format", "pdf" };
    QTest::newRow("pictures from no folder")
        << QStringList { "--format", "pdf", "--output", "x.pdf", "--pictures", "" };
    QTest::newRow("pdf of one pattern")
        << QStringList { "--format", "pdf", "--output", "-", "3", "2", "14" };
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

void TestChart::legendAndSymbolWords()
{
    const Run run = runChart({ "--category", "8" });
    QCOMPARE(run.status, 0);
    const QString out = QString::fromStdString(run.out);
    // Every word with its CSV name, one a line, before the first group.
    for (judge::Symbol symbol : judge::kSymbols) {
        const QString entry = QString::fromUtf8(judge::symbolWord(symbol).data())
            + QStringLiteral(" +") + QString::fromLatin1(judge::symbolName(symbol).data());
        const auto match = QRegularExpression("\n  " + entry + "\n").match(out);
        QVERIFY2(match.hasMatch(), qPrintable(entry));
        QVERIFY(match.capturedStart() < out.indexOf("== "));
    }
    // Only category 8's result, its rows in words, the columns aligned.
    QVERIFY(out.contains("== J23"));
    QCOMPARE(out.count("== "), 1);
    QVERIFY(!out.mid(out.indexOf("== ")).contains("sanjaku"));
    // Each symbol starts in the same terminal column, full-width words
    // taking two columns a character.
    int rows = 0;
    for (const QString &line : out.split('\n')) {
        if (!QRegularExpression("^    (top|middle|bottom) ").match(line).hasMatch())
            continue;
        QList<int> starts;
        int column = 0;
        for (int i = 0; i < line.size(); column += line[i].unicode() < 0x80 ? 1 : 2, ++i)
            if (line[i] != ' ' && (i == 0 || line[i - 1] == ' '))
                starts << column;
        QCOMPARE(starts, (QList<int> { 4, 12, 22, 32 }));
        ++rows;
    }
    QVERIFY(rows > 0);
    QCOMPARE(rows, 3 * int(out.count("  left ")));
}

void TestChart::printedPdf_data()
{
    QTest::addColumn<QList<int>>("codes");
    QTest::addColumn<QList<int>>("categories");
    QTest::newRow("one result") << QList<int> { 38 } << QList<int> {};
    QTest::newRow("two results") << QList<int> { 4, 33 } << QList<int> {};
    QTest::newRow("everything") << QList<int> {} << QList<int> {};
}

void TestChart::printedPdf()
{
    QFETCH(QList<int>, codes);
    QFETCH(QList<int>, categories);
    if (QStandardPaths::findExecutable("pdftotext").isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed");
    judge::PatternFilter filter;
    for (int code : codes)
        filter.codes.set(std::size_t(code));
    for (int category : categories)
        filter.categories.set(std::size_t(category));
    const std::vector<judge::ResultGroup> groups = judge::selectPatterns(filter);
    const ui::StripPictures pictures = chart::chartPictures(STRIP_DIR);
    QVERIFY(pictures.loaded());

    QTemporaryDir dir;
    const QString file = dir.filePath("chart.pdf");
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file);
    ui::printChart(printer, groups, ui::CellPictures(pictures));
    QCOMPARE(printer.pageLayout().pageSize().id(), QPageSize::A4);

    // Read back page by page: a group heading first on every page (repeated
    // when the group goes on), then its patterns' cells and results, the
    // page number last.
    QStringList pages = pdfText(file).split('\f');
    QVERIFY(pages.size() > 1 && pages.takeLast().isEmpty());
    const QRegularExpression title("^J(\\d\\d) ");
    const QRegularExpression label("(\\d+) (\\d+) (\\d+) (J\\d\\d)");
    std::vector<judge::Code> headed;
    std::vector<std::pair<judge::Pattern, std::string>> read;
    for (int n = 0; n < pages.size(); ++n) {
        QStringList lines = pages[n].split('\n', Qt::SkipEmptyParts);
        QVERIFY(lines.size() >= 3);
        QCOMPARE(
            lines.takeLast(), QStringLiteral("リーチ目表 %1 / %2").arg(n + 1).arg(pages.size()));
        QVERIFY2(title.match(lines.first()).hasMatch(), qPrintable(lines.first()));
        for (int i = 0; i < lines.size(); ++i) {
            const auto heading = title.match(lines[i]);
            if (!heading.hasMatch()) {
                for (const auto &m : label.globalMatch(lines[i]))
                    read.push_back(
                        { { m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt() },
                            m.captured(4).toStdString() });
                continue;
            }
            const judge::Code code = judge::codeFromNumber(heading.captured(1).toInt());
            const bool goesOn = !headed.empty() && headed.back() == code;
            QCOMPARE(comparable(lines[i]),
                groupTitle(code) + (goesOn ? QStringLiteral("（続き）") : QString()));
            if (!goesOn)
                headed.push_back(code);
            const judge::ResultGroup &group = groups[std::size_t(judge::number(code) - 1)];
            QVERIFY(i + 1 < lines.size());
            const QString counts = lines[++i];
            QVERIFY2(counts.startsWith(fromUtf8(judge::categoryName(judge::categoryOf(code))) + ' ')
                    && counts.contains(QStringLiteral(" %1 / %2 通り")
                                           .arg(group.patterns.size())
                                           .arg(group.total)),
                qPrintable(counts));
        }
    }
    // Every non-empty group once, in order, with all its patterns.
    std::vector<judge::Code> expectedHeads;
    std::vector<std::pair<judge::Pattern, std::string>> expected;
    for (const judge::ResultGroup &group : groups) {
        if (!group.patterns.empty())
            expectedHeads.push_back(group.code);
        for (const judge::Pattern &pattern : group.patterns)
            expected.push_back({ pattern, judge::name(group.code) });
    }
    QVERIFY(headed == expectedHeads);
    QCOMPARE(read.size(), expected.size());
    QVERIFY(read == expected);

    // The 63 cell pictures at most, however many patterns use them.
    if (QStandardPaths::findExecutable("pdfimages").isEmpty())
        return;
    QProcess images;
    images.start("pdfimages", { "-list", file });
    QVERIFY(images.waitForFinished(60000));
    QSet<QString> objects;
    const QStringList lines = QString::fromUtf8(images.readAllStandardOutput()).split('\n');
    for (const QString &line : lines.mid(2)) {
        const QStringList fields = line.simplified().split(' ');
        if (fields.size() > 10)
            objects.insert(fields[10]);
    }
    QVERIFY(!objects.isEmpty());
    QVERIFY2(objects.size() <= 63, qPrintable(QString::number(objects.size())));
}

void TestChart::toolWrites_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("stdoutFile");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("named");
    const QString pictures = STRIP_DIR;
    QTest::newRow("csv to a full disk") << QStringList { "--format", "csv" } << "/dev/full" << 1
                                        << "standard output: No space left on device";
    QTest::newRow("help to a full disk")
        << QStringList { "--help" } << "/dev/full" << 1 << "standard output";
    QTest::newRow("pdf to closed output") << QStringList {
        "--format", "pdf", "--output", "-", "--code", "J38", "--pictures", pictures
    } << "closed" << 1 << "standard output: Bad file descriptor";
    QTest::newRow("pdf to a full device")
        << QStringList { "--format", "pdf", "--output", "/dev/full", "--pictures", pictures } << ""
        << 1 << "/dev/full";
    QTest::newRow("csv into no folder")
        << QStringList { "--format", "csv", "--output", "/nonexistent/chart.csv" } << "" << 1
        << "/nonexistent/chart.csv";
    QTest::newRow("pdf without pictures")
        << QStringList { "--format", "pdf", "--output", "-", "--pictures", "/nonexistent" } << ""
        << 1 << "r1.bmp";
    QTest::newRow("pdf to standard output") << QStringList { "--format", "pdf", "--output", "-",
        "--code", "J38", "--pictures", pictures }
                                            << "" << 0 << "";
    QTest::newRow("a reader that goes away")
        << QStringList {} << "head" << 1 << "standard output: Broken pipe";
    QTest::newRow("a FIFO nobody reads")
        << QStringList { "--output", "FIFO" } << "" << 1 << "FIFO: Broken pipe";
}

void TestChart::toolWrites()
{
    QFETCH(QStringList, args);
    QFETCH(QString, stdoutFile);
    QFETCH(int, status);
    QFETCH(QString, named);
    QStringList given = args;
    const QString fifo = toolTemp().filePath("FIFO");
    if (given.contains("FIFO")) {
        QCOMPARE(::mkfifo(QFile::encodeName(fifo), 0600), 0);
        given.replace(given.indexOf("FIFO"), fifo);
    }
    const Run run = runTool(given, stdoutFile);
    QFile::remove(fifo);
    QCOMPARE(run.status, status);
    const QString err = QString::fromStdString(run.err);
    if (status == 0) {
        QVERIFY2(err.isEmpty(), qPrintable(err));
        QVERIFY(run.out.starts_with("%PDF-"));
        QVERIFY(run.out.find("%%EOF") != std::string::npos);
        // No runtime folder made, nor anything else left behind.
        QCOMPARE(QDir(toolTemp().path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
            QStringList());
        return;
    }
    QVERIFY2(err.startsWith("reachme-chart: ") && err.endsWith('\n') && err.count('\n') == 1,
        qPrintable(err));
    QVERIFY2(err.contains(named), qPrintable(err));
}

void TestChart::toolWritesRegularFile()
{
    QTemporaryDir dir;
    const QString file = dir.filePath("chart.csv");
    QCOMPARE(runTool({ "--format", "csv", "--code", "J04", "--output", file }).status, 0);
    QFile written(file);
    QVERIFY(written.open(QIODevice::ReadOnly));
    QCOMPARE(written.readAll().toStdString(), runChart({ "--format", "csv", "--code", "J04" }).out);
    // Renamed into place: no temporary file stays behind.
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList { "chart.csv" });
}

// A write that fails half way (writes past a few bytes fail, as on a full
// disk) leaves the file that was there, and says why.
void TestChart::failedWriteKeepsFile_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::newRow("one pattern") << QStringList { "3", "2", "14" };
    QTest::newRow("one result") << QStringList { "--code", "J04" };
    QTest::newRow("csv of one result") << QStringList { "--format", "csv", "--code", "J04" };
}

void TestChart::failedWriteKeepsFile()
{
    QFETCH(QStringList, args);
    QTemporaryDir dir;
    const QString out = dir.filePath("out");
    QFile old(out);
    QVERIFY(old.open(QIODevice::WriteOnly) && old.write("old\n") == 4);
    old.close();
    const Run run = runTool(args + QStringList { "--output", out }, {}, 4);
    QCOMPARE(run.status, 1);
    QCOMPARE(run.err, "reachme-chart: cannot write " + out.toStdString() + ": File too large\n");
    QVERIFY(old.open(QIODevice::ReadOnly));
    QCOMPARE(old.readAll(), QByteArray("old\n"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList { "out" });
}

QTEST_MAIN(TestChart)
#include "tst_chart.moc"
