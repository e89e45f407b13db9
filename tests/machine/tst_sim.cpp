// reachme-sim run as a script would: its summary, its log checked game by
// game against the machine's rules, and its errors.
#include "judge/table.h"
#include "machine/control.h"

#include <QProcess>
#include <QRegularExpression>
#include <QtTest>

namespace {

struct Run {
    int status = -1;
    QString out, err;
};

Run runSim(const QStringList &args, const QString &stdoutFile = {})
{
    QProcess tool;
    if (!stdoutFile.isEmpty())
        tool.setStandardOutputFile(stdoutFile);
    tool.start(SIM_TOOL, args);
    if (!tool.waitForFinished(120000) || tool.exitStatus() != QProcess::NormalExit)
        return {};
    return { tool.exitCode(), QString::fromUtf8(tool.readAllStandardOutput()),
        QString::fromUtf8(tool.readAllStandardError()) };
}

// The number after `label` at the start of a summary line.
double figure(const QString &summary, const QString &label, int nth = 0)
{
    const QRegularExpression line(
        "^" + QRegularExpression::escape(label) + " +(?:in [0-9]+ of )?([-+]?[0-9.]+)",
        QRegularExpression::MultilineOption);
    auto matches = line.globalMatch(summary);
    for (int i = 0; i < nth && matches.hasNext(); ++i)
        matches.next();
    return matches.hasNext() ? matches.next().captured(1).toDouble() : qQNaN();
}

const QString kHeader = "game,state,bonus,small,press_left,press_centre,press_right,"
                        "stop_left,stop_centre,stop_right,code,bet,payout,credit";

} // namespace

class TestSim : public QObject {
    Q_OBJECT

private slots:
    // Every row of a log follows the machine's rules, and the summary's
    // coins are the log's sums.
    void logFollowsTheRules()
    {
        const Run run = runSim({ "--setting", "6", "--games", "30000", "--seed", "8", "--log", "-",
            "--player", "perfect" });
        QCOMPARE(run.status, 0);
        const QStringList rows = run.out.split("\r\n");
        QCOMPARE(rows.first(), kHeader);
        QCOMPARE(rows.size(), 30002);
        QVERIFY(rows.last().isEmpty());
        qint64 in = 0, out = 0, credit = 0;
        bool replayDue = false;
        QSet<QString> states;
        for (int i = 1; i <= 30000; ++i) {
            const QStringList f = rows[i].split(',');
            QCOMPARE(f.size(), 14);
            QCOMPARE(f[0].toInt(), i);
            const QString state = f[1], small = f[3];
            states.insert(state);
            QVERIFY(QStringList({ "none", "BIG", "REG" }).contains(f[2]));
            QCOMPARE(small == "jac", state == "jac" && small != "none");
            for (int reel = 0; reel < 3; ++reel) {
                const int press = f[4 + reel].toInt(), stop = f[7 + reel].toInt();
                QVERIFY(press >= 1 && press <= 21);
                QVERIFY((press - stop + 21) % 21 <= 4);
            }
            const judge::Code code = judge::judge(f[7].toInt(), f[8].toInt(), f[9].toInt());
            QCOMPARE(f[10], QString::fromStdString(judge::name(code)));
            QCOMPARE(small == "replay" || small == "jac", code == judge::Code::J15);
            const int bet = f[11].toInt(), payout = f[12].toInt();
            QCOMPARE(bet, replayDue ? 0 : state == "jac" ? 1 : 3);
            replayDue = state == "normal" && code == judge::Code::J15;
            credit = std::min<qint64>(50, std::max<qint64>(0, credit - bet) + payout);
            QCOMPARE(f[13].toLongLong(), credit);
            in += bet;
            out += payout;
        }
        QCOMPARE(states, QSet<QString>({ "normal", "big", "jac" }));
        QCOMPARE(figure(run.err, "coins in"), double(in));
        QCOMPARE(figure(run.err, "coins out"), double(out));
        QCOMPARE(figure(run.err, "difference"), double(out - in));
        // The perfect player lines up every small win.
        QCOMPARE(run.err.count(", 100.00 %"), 4);
    }

    void sameSeedSameGames()
    {
        const QStringList args { "--setting", "2", "--games", "3000", "--log", "-" };
        const Run a = runSim(args + QStringList { "--seed", "5" });
        const Run b = runSim(args + QStringList { "--seed", "5" });
        const Run c = runSim(args + QStringList { "--seed", "6", "--reach-me-first" });
        QCOMPARE(a.status, 0);
        QCOMPARE(a.out, b.out);
        QVERIFY(a.out != c.out);
    }

    // Measured over a million games against the rate worked out exactly.
    void measuredAgainstExpected_data()
    {
        QTest::addColumn<QString>("player");
        QTest::newRow("random") << "random";
        QTest::newRow("perfect") << "perfect";
    }
    void measuredAgainstExpected()
    {
#ifdef __SANITIZE_ADDRESS__
        QSKIP("a million games take too long with the sanitizers; the other cases run the tool");
#endif
        QFETCH(QString, player);
        const Run run = runSim({ "--setting", "1", "--games", "1000000", "--player", player });
        QCOMPARE(run.status, 0);
        const QRegularExpression rate("payout rate +([0-9.]+) % \\(expected ([0-9.]+) %\\)");
        const auto m = rate.match(run.out);
        QVERIFY2(m.hasMatch(), qPrintable(run.out));
        QVERIFY(qAbs(m.captured(1).toDouble() - m.captured(2).toDouble()) < 1.5);
        if (player == "perfect")
            QVERIFY(qAbs(m.captured(2).toDouble() - 96.0) < 1.0);
        const QRegularExpression net("net ([-+0-9.]+) coins each \\(expected ([-+0-9.]+)\\)");
        for (auto it = net.globalMatch(run.out); it.hasNext();) {
            const auto n = it.next();
            QVERIFY(qAbs(n.captured(1).toDouble() / n.captured(2).toDouble() - 1) < 0.03);
        }
        QCOMPARE(figure(run.out, "games"), 1e6);
    }

    void badArguments_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("nothing") << QStringList();
        QTest::newRow("no games") << QStringList { "--setting", "1" };
        QTest::newRow("setting 7") << QStringList { "--setting", "7", "--games", "1" };
        QTest::newRow("no games to play") << QStringList { "--setting", "1", "--games", "0" };
        QTest::newRow("player") << QStringList { "--setting", "1", "--games", "1", "--player",
            "x" };
        QTest::newRow("seed") << QStringList { "--setting", "1", "--games", "1", "--seed", "-1" };
        QTest::newRow("log without a file")
            << QStringList { "--setting", "1", "--games", "1", "--log" };
        QTest::newRow("unknown") << QStringList { "--setting", "1", "--games", "1", "--fast" };
    }
    void badArguments()
    {
        QFETCH(QStringList, args);
        const Run run = runSim(args);
        QCOMPARE(run.status, 2);
        QVERIFY(run.out.isEmpty());
        QCOMPARE(run.err.count('\n'), 1);
        QVERIFY(run.err.startsWith("reachme-sim: "));
    }

    void writeErrors_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("stdoutFile");
        QTest::addColumn<QString>("named");
        const QStringList game { "--setting", "1", "--games", "20000" };
        QTest::newRow("log on a full disk") << game + QStringList { "--log", "/dev/full" } << ""
                                            << "/dev/full";
        QTest::newRow("log to standard output on a full disk")
            << game + QStringList { "--log", "-" } << "/dev/full"
            << "standard output";
        QTest::newRow("summary on a full disk") << game << "/dev/full"
                                                << "summary";
        QTest::newRow("log in no folder")
            << game + QStringList { "--log", "/nonexistent/log.csv" } << ""
            << "/nonexistent";
    }
    void writeErrors()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, stdoutFile);
        QFETCH(QString, named);
        const Run run = runSim(args, stdoutFile);
        QCOMPARE(run.status, 1);
        QCOMPARE(run.err.count('\n'), 1);
        QVERIFY2(run.err.contains(named), qPrintable(run.err));
    }
};

QTEST_GUILESS_MAIN(TestSim)
#include "tst_sim.moc"
