// The saved sitting: its format read back exactly and refused when cut,
// changed, newer or impossible; the store opening where it was left, keeping
// a damaged file aside, leaving a newer one alone, the game history beside it;
// and a kill -9 after a game losing nothing, in the sitting or the history.
#include "checksum/checksum.h"
#include "filebytes.h"
#include "machine/bonusgame.h"
#include "machine/machine.h"
#include "machine/stateformat.h"
#include "play/store/sessionstore.h"
#include "records/store/machinefiles.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <cstdio>
#include <cstdlib>

using namespace play;
using Outcome = ReadSession::Outcome;
Q_DECLARE_METATYPE(play::SavedSession)
Q_DECLARE_METATYPE(play::ReadSession::Outcome)

namespace machinefiles = records::machinefiles;

namespace {

constexpr const char *kChildFolder = "REACHME_TEST_SAVING_CHILD";

SavedSession played(int games, std::uint64_t seed, records::GameHistory *history = nullptr)
{
    machine::Machine m(5, seed);
    for (int g = 0; g < games; ++g) {
        const machine::GameResult game = m.play({ g % 21 + 1, g * 5 % 21 + 1, g * 11 % 21 + 1 });
        if (history)
            history->append(records::rowOf(game));
    }
    SavedSession s;
    s.machine = m.state();
    if (m.lastGame())
        s.cells = m.lastGame()->stop;
    return s;
}

QByteArray bytesOf(const SavedSession &s)
{
    const std::string text = writeSession(s);
    return QByteArray(text.data(), qsizetype(text.size()));
}

// `text` with its last line's checksum made right again after a change.
std::string resealed(std::string text)
{
    if (const std::size_t end = text.rfind("end "); end != text.npos)
        text.erase(end);
    checksum::appendCrc32Seal(text);
    return text;
}

std::string replaced(const std::string &text, const std::string &from, const std::string &to)
{
    std::string out = text;
    out.replace(out.find(from), from.size(), to);
    return out;
}

// Where the store keeps the machine's file `name` for the data folder `dir`.
QString machineFile(const QTemporaryDir &dir, const QString &name)
{
    return QDir(machinefiles::folder(dir.path())).filePath(name);
}

machine::GameResult killedChildsGame(machine::Machine &m, int g)
{
    return m.play({ g % 21 + 1, g * 3 % 21 + 1, 4 });
}

// The child of the kill test: plays and saves game after game as the window
// does, its row to the history first, a line on standard output once each
// game is on disk, until it is killed.
int playAndSaveUntilKilled(const QString &folder)
{
    SessionStore store(folder);
    machine::Machine m(2, 99);
    SavedSession s;
    for (int g = 0;; ++g) {
        const machine::GameResult game = killedChildsGame(m, g);
        store.addGame(records::rowOf(game));
        s.machine = m.state();
        s.cells = game.stop;
        store.save(s);
        store.flush();
        std::printf("%lld\n", static_cast<long long>(game.game));
        std::fflush(stdout);
    }
}

} // namespace

class TestPlayStore : public QObject {
    Q_OBJECT

private slots:
    void roundTrip_data()
    {
        QTest::addColumn<SavedSession>("session");
        QTest::newRow("a new machine")
            << SavedSession { machine::newState(1, 1), { 1, 1, 1 }, true, 1, {} };
        SavedSession calls = played(300, 7);
        calls.settingShown = false;
        calls.seed = ~std::uint64_t(0);
        calls.calls = { 12, 3, 1'000'000'000'000, 7, 30 };
        QTest::newRow("played, setting hidden, calls") << calls;
        SavedSession bonus = played(40, 2);
        bonus.machine.carried = machine::Bonus::none;
        bonus.machine.bonus = machine::startBonus(machine::Bonus::big);
        bonus.cells = { 21, 21, 1 };
        QTest::newRow("in a BIG") << bonus;
    }
    void roundTrip()
    {
        QFETCH(SavedSession, session);
        const std::string text = writeSession(session);
        const ReadSession read = readSession(text);
        QCOMPARE(int(read.outcome), int(Outcome::read));
        QVERIFY(read.session == session);
        QCOMPARE(writeSession(read.session), text);
    }

    void refused_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<Outcome>("outcome");
        const std::string good = writeSession(played(120, 3));
        const auto row = [](const char *name, const std::string &text, Outcome outcome) {
            QTest::newRow(name) << QByteArray::fromStdString(text) << outcome;
        };
        row("empty", "", Outcome::notOurs);
        row("the machine's own file", machine::writeState(machine::newState(1, 1)),
            Outcome::notOurs);
        row("a newer format", replaced(good, "version 1\nreels", "version 2\nsomething else"),
            Outcome::newerVersion);
        row("a machine of a newer format",
            resealed(replaced(good, "machine\nversion 1", "machine\nversion 3")),
            Outcome::newerVersion);
        row("no version", resealed(replaced(good, "version 1\n", "")), Outcome::damaged);
        row("a cell 22", resealed(replaced(good, "reels ", "reels 22 ")), Outcome::damaged);
        row("a leading zero", resealed(replaced(good, "calls 0", "calls 00")), Outcome::damaged);
        row("a minus", resealed(replaced(good, "calls 0", "calls -0")), Outcome::damaged);
        row("a seed past 64 bits", resealed(replaced(good, "seed 0", "seed 18446744073709551616")),
            Outcome::damaged);
        row("a doubled blank", resealed(replaced(good, "calls 0", "calls  0")), Outcome::damaged);
        row("no machine", resealed(good.substr(0, good.find("machine\n") + 8)), Outcome::damaged);
        row("no machine line", resealed(good.substr(0, good.find("machine\n"))), Outcome::damaged);
        row("an impossible machine", resealed(replaced(good, "\ncredit ", "\ncredit 9")),
            Outcome::damaged);
        row("the machine's checksum wrong", resealed(replaced(good, "\ncredit ", "\ncredit 1")),
            Outcome::damaged);
        row("bytes after the end", good + "x", Outcome::damaged);
        row("a line after the end", good + "end 00000000\n", Outcome::damaged);
    }
    void refused()
    {
        QFETCH(QByteArray, text);
        QFETCH(Outcome, outcome);
        const ReadSession read = readSession(text.toStdString());
        QCOMPARE(int(read.outcome), int(outcome));
        QVERIFY(!read.reason.empty());
    }

    // Cut anywhere or changed in any byte, a file is never read as a sitting.
    void everyCutAndChangeRefused()
    {
        const std::string good = writeSession(played(77, 4));
        for (std::size_t n = 0; n < good.size(); ++n)
            QVERIFY(readSession(good.substr(0, n)).outcome != Outcome::read);
        for (std::size_t i = 0; i < good.size(); ++i) {
            std::string changed = good;
            changed[i] = char(changed[i] ^ 0x04);
            QVERIFY2(readSession(changed).outcome != Outcome::read, qPrintable(QString::number(i)));
        }
    }

    void opensWhereItWasLeft()
    {
        QTemporaryDir dir;
        const SavedSession session = played(50, 8);
        {
            SessionStore store(dir.path());
            QCOMPARE(store.status(), safefile::Status::freshStart);
            QVERIFY(!store.loaded());
            store.save(session);
        }
        SessionStore again(dir.path());
        QCOMPARE(again.status(), safefile::Status::loaded);
        QVERIFY(again.loaded() == session);
        QCOMPARE(fileBytes(again.filePath()), bytesOf(session));
    }

    // A damaged file is kept aside byte for byte and the sitting starts
    // afresh; a newer one stays as it is and nothing is written over it.
    void fileThatCannotServe_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<safefile::Status>("status");
        const QByteArray good = bytesOf(played(30, 5));
        QTest::newRow("damaged") << good.left(good.size() - 3) << safefile::Status::keptAside;
        QTest::newRow("not ours") << QByteArray("my own notes\n") << safefile::Status::keptAside;
        QByteArray newer = good;
        newer.replace("version 1\nreels", "version 9\nreels");
        QTest::newRow("newer") << newer << safefile::Status::newerVersion;
    }
    void fileThatCannotServe()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(safefile::Status, status);
        QTemporaryDir dir;
        const QString path = machineFile(dir, machinefiles::kStateName);
        QVERIFY(QDir().mkpath(machinefiles::folder(dir.path())));
        putFileBytes(path, bytes);
        {
            SessionStore store(dir.path());
            QCOMPARE(store.status(), status);
            QVERIFY(!store.loaded());
            QVERIFY(!store.reason().isEmpty());
            store.save(played(1, 1));
            store.flush();
            if (status == safefile::Status::keptAside) {
                QCOMPARE(fileBytes(store.asidePath()), bytes);
                QCOMPARE(fileBytes(path), bytesOf(played(1, 1)));
            }
        }
        if (status == safefile::Status::newerVersion)
            QCOMPARE(fileBytes(path), bytes);
    }

    // Killed at any moment while it plays and saves, the program leaves a
    // file that opens, holding at least every game it had reported done.
    void killAfterAGameLosesNothing()
    {
        for (int round = 0; round < 6; ++round) {
            QTemporaryDir dir;
            QProcess child;
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.insert(kChildFolder, dir.path());
            child.setProcessEnvironment(env);
            child.start(QCoreApplication::applicationFilePath(), {});
            QVERIFY(child.waitForStarted());
            const int wanted = 5 + round * 17;
            qint64 reported = 0;
            while (reported < wanted) {
                if (!child.canReadLine())
                    QVERIFY(child.waitForReadyRead(10'000));
                while (child.canReadLine())
                    reported = child.readLine().trimmed().toLongLong();
            }
            // Let it go on for a moment, so the kill may land mid-save.
            QThread::usleep(std::uint64_t(round) * 700);
            child.kill();
            QVERIFY(child.waitForFinished());
            while (child.canReadLine())
                reported = child.readLine().trimmed().toLongLong();
            SessionStore store(dir.path());
            QCOMPARE(store.status(), safefile::Status::loaded);
            const std::int64_t games = store.loaded()->machine.counters.games;
            QVERIFY(games >= reported);
            // The history holds every game of the saved machine, once.
            machine::Machine replay(2, 99);
            std::vector<records::GameRow> rows;
            for (int g = 0; g < games; ++g)
                rows.push_back(records::rowOf(killedChildsGame(replay, g)));
            QVERIFY(store.history().history().rows() == rows);
            QVERIFY(store.history().status() == safefile::Status::loaded
                || store.history().status() == safefile::Status::keptAside);
        }
    }

    // Killed after the game's row went to the history but before the
    // sitting after it was saved: the row the saved machine has not played
    // is kept aside, and the game played again follows the one before.
    void killBetweenHistoryAndSitting()
    {
        QTemporaryDir dir;
        const SavedSession saved = played(40, 3);
        records::GameHistory written;
        played(41, 3, &written);
        {
            SessionStore store(dir.path());
            for (const records::GameRow &row : written.rows())
                QVERIFY(store.addGame(row));
            store.save(saved);
        }
        std::vector<records::GameRow> rows = written.rows();
        rows.pop_back();
        machine::Machine m(saved.machine);
        rows.push_back(records::rowOf(m.play({ 7, 7, 7 })));
        {
            SessionStore store(dir.path());
            QCOMPARE(store.loaded()->machine.counters.games, 40);
            QCOMPARE(store.history().status(), safefile::Status::keptAside);
            QVERIFY(QFileInfo(store.history().asidePath()).fileName().startsWith("history.past-"));
            QCOMPARE(store.history().history().rows().size(), 40u);
            QVERIFY(store.addGame(rows.back()));
            SavedSession after = saved;
            after.machine = m.state();
            store.save(after);
        }
        const SessionStore again(dir.path());
        QCOMPARE(again.history().status(), safefile::Status::loaded);
        QVERIFY(again.history().history().rows() == rows);
    }
};

int main(int argc, char *argv[])
{
    if (const char *folder = std::getenv(kChildFolder))
        return playAndSaveUntilKilled(QString::fromLocal8Bit(folder));
    QCoreApplication app(argc, argv);
    TestPlayStore test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_play_store.moc"
