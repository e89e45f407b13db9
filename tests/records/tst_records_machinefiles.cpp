// A machine's records on disk beside its saved state: the history file as
// found on opening (torn, damaged, not the machine's, not a file), appends
// through a full disk, another program at the machine, 新しい台, and a kill
// after a game.
#include "filesizelimit.h"
#include "machine/gamelog.h"
#include "machine/stateformat.h"
#include "records/store/collectionstore.h"
#include "records/store/historyfile.h"
#include "records/store/machinefiles.h"
#include "safefile/writing.h"
#include "seededrun.h"

#include <QtTest>

#include <csignal>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace records;
using safefile::Status;
Q_DECLARE_METATYPE(Status)

namespace {

const records_test::SeededRun &run()
{
    static const records_test::SeededRun r = records_test::playSeeded(6, 5, 400);
    return r;
}

GameRow rowAt(std::int64_t game) { return rowOf(run().games[std::size_t(game - 1)]); }

// The file's header and the rows of games `first` … `last`.
QByteArray historyText(std::int64_t first, std::int64_t last, bool header = true)
{
    std::string text(header ? machine::kGameLogHeader : std::string_view());
    for (std::int64_t game = first; game <= last; ++game)
        appendRow(text, rowAt(game));
    return QByteArray::fromStdString(text);
}

// Games 1 … 50 and the start of 51's row, as a crash in its append leaves them.
QByteArray torn() { return historyText(1, 50) + historyText(51, 51, false).left(20); }

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

safefile::Verdict stateVerdict(std::string_view bytes)
{
    switch (machine::readState(bytes).outcome) {
    case machine::ReadState::Outcome::read: return safefile::Verdict::ours;
    case machine::ReadState::Outcome::notOurs: return safefile::Verdict::notOurs;
    case machine::ReadState::Outcome::newerVersion: return safefile::Verdict::newerVersion;
    case machine::ReadState::Outcome::damaged: break;
    }
    return safefile::Verdict::damaged;
}

// The store of the machine's state, as the play window opens it.
struct StateStore : safefile::Store {
    explicit StateStore(const QString &dataFolder)
        : safefile::Store(machinefiles::state(machine::kStateHeader),
            machinefiles::folder(dataFolder), stateVerdict)
    { }
    QString history() const { return QDir(folder()).filePath(machinefiles::kHistoryName); }
};

} // namespace

class TestRecordsMachineFiles : public QObject {
    Q_OBJECT

private slots:
    // What opening makes of the file found; then the next game goes on from
    // the machine, and the file reads back as the history.
    void opening_data()
    {
        QTest::addColumn<QByteArray>("found"); // "none" and "fifo" make those
        QTest::addColumn<int>("machineGames");
        QTest::addColumn<Status>("status");
        QTest::addColumn<QByteArray>("kept"); // the file after opening
        QTest::addColumn<QString>("aside"); // the kind of name it was moved to
        QTest::addColumn<QString>("reason");
        const QByteArray whole = historyText(1, 50);
        const QByteArray header = historyText(1, 0);
        const auto row = [](const char *name, const QByteArray &found, int games, Status status,
                             const QByteArray &kept, const char *aside, const char *why) {
            QTest::newRow(name) << found << games << status << kept << QString(aside)
                                << QString(why);
        };
        row("none", "none", 0, Status::freshStart, header, "", "");
        row("whole", whole, 50, Status::loaded, whole, "", "");
        row("torn last line", torn(), 50, Status::loaded, whole, "", "");
        row("empty file", "", 0, Status::loaded, header, "", "");
        row("header cut short", header.left(20), 0, Status::loaded, header, "", "");
        row("damaged row", historyText(1, 20) + "21,normal\r\n" + historyText(22, 30, false), 30,
            Status::keptAside, header, "damaged", "line 22");
        row("not a history", "my notes\n", 0, Status::keptAside, header, "damaged",
            "not a game history");
        row("machine saved before its last games", whole, 47, Status::keptAside, historyText(1, 47),
            "past", "goes to game 50, the saved machine has played 47");
        row("a new machine", whole, 0, Status::keptAside, header, "past", "");
        row("rows missing at the end", historyText(1, 40), 50, Status::keptAside, header, "past",
            "");
        row("FIFO", "fifo", 0, Status::notRegular, "fifo", "", "");
    }
    void opening()
    {
        QFETCH(QByteArray, found);
        QFETCH(int, machineGames);
        QFETCH(QByteArray, kept);
        QFETCH(QString, aside);
        QTemporaryDir dir;
        const StateStore state(dir.path());
        if (found == "fifo")
            QCOMPARE(::mkfifo(QFile::encodeName(state.history()), 0600), 0);
        else if (found != "none")
            QVERIFY(safefile::writeWhole(state.history(), found).ok);

        HistoryFile file(state, machineGames);
        QTEST(file.status(), "status");
        QFETCH(QString, reason);
        QVERIFY2(QString::fromStdString(file.reason()).contains(reason), file.reason().c_str());
        QCOMPARE(file.tornLineCut(), found == torn() || found == historyText(1, 0).left(20));
        if (found == "fifo") {
            QVERIFY(!file.writes() && QFileInfo(state.history()).exists());
            QVERIFY(!QFileInfo(state.history()).isFile());
            return;
        }
        QCOMPARE(contents(state.history()), kept);
        QCOMPARE(QFileInfo(file.asidePath()).fileName().section(u'-', 0, 0),
            aside.isEmpty() ? QString() : "history." + aside);
        if (!aside.isEmpty())
            QCOMPARE(contents(file.asidePath()), found); // byte for byte
        const qsizetype rows = kept.count("\r\n") - 1;
        QCOMPARE(file.history().rows().size(), std::size_t(rows));
        QCOMPARE(file.counter().games(), rows);

        QVERIFY(file.add(rowAt(machineGames + 1)));
        const ReadHistory read = readHistory(contents(state.history()).toStdString());
        QCOMPARE(read.outcome, ReadHistory::Outcome::read);
        QVERIFY(!read.tornLastLine);
        QCOMPARE(read.history.rows(), file.history().rows());
        QCOMPARE(read.history.rows().back(), rowAt(machineGames + 1));
    }

    // A write that fails (a full disk, injected: here it is cut short part way
    // too) is said at once and cut back; the rows wait and go with the next
    // game that can be written, so the file never has a gap.
    void appendsThroughFullDisk_data()
    {
        QTest::addColumn<int>("room"); // bytes the disk takes past the file
        QTest::newRow("full at the end of the file") << 0;
        QTest::newRow("room for part of a row") << 20;
    }
    void appendsThroughFullDisk()
    {
        QFETCH(int, room);
        QTemporaryDir dir;
        const StateStore state(dir.path());
        HistoryFile file(state, 0);
        for (int game = 1; game <= 10; ++game)
            QVERIFY(file.add(rowAt(game)));
        {
            const FileSizeLimit full(rlim_t(QFileInfo(state.history()).size() + room));
            QVERIFY(!file.add(rowAt(11)));
            QCOMPARE(file.status(), Status::saveFailed);
            QCOMPARE(file.error(), EFBIG);
            QVERIFY(!file.add(rowAt(12)));
            QCOMPARE(file.unwritten(), 2u);
            QCOMPARE(contents(state.history()), historyText(1, 10));
        }
        QVERIFY(file.add(rowAt(13)));
        QCOMPARE(file.status(), Status::freshStart);
        QCOMPARE(file.unwritten(), 0u);
        QCOMPARE(contents(state.history()), historyText(1, 13));
        QCOMPARE(file.counter().games(), 13);
    }

    // While another program holds the machine, its history is shown as it
    // is and nothing here writes it.
    void otherProgramAtTheMachine()
    {
        QTemporaryDir dir;
        const QString folder = machinefiles::folder(dir.path());
        QVERIFY(QDir().mkpath(folder));
        QLockFile other(QDir(folder).filePath(machinefiles::kLockName));
        QVERIFY(other.tryLock(0));
        const StateStore state(dir.path());
        QVERIFY(safefile::writeWhole(state.history(), historyText(1, 30)).ok);
        QCOMPARE(state.status(), Status::lockedByOther);

        HistoryFile history(state, 0);
        QCOMPARE(history.status(), Status::lockedByOther);
        QCOMPARE(history.counter().games(), 30);
        QVERIFY(!history.add(rowAt(31)));
        QVERIFY(!history.startAgain());
        QCOMPARE(contents(state.history()), historyText(1, 30));
    }

    // 新しい台: the machine before's history is kept, a new one begins, and
    // the collection is left as it is.
    void newMachine()
    {
        QTemporaryDir dir;
        CollectionStore collection(dir.path());
        const StateStore state(dir.path());
        HistoryFile history(state, 0);
        for (int game = 1; game <= 300; ++game) {
            QVERIFY(history.add(rowAt(game)));
            collection.record(rowAt(game), game);
        }
        QVERIFY(collection.collection().collected() > 0);
        collection.flush();
        const QByteArray collected = contents(collection.filePath());

        QVERIFY(history.startAgain());
        QCOMPARE(contents(history.asidePath()), historyText(1, 300));
        QVERIFY(QFileInfo(history.asidePath()).fileName().startsWith("history.past-"));
        QCOMPARE(contents(state.history()), historyText(1, 0));
        QVERIFY(history.add(rowAt(1)));
        QCOMPARE(contents(collection.filePath()), collected);
    }

    // A game that does not follow the history (a machine replaced without
    // 新しい台) begins a new one; the one before is kept.
    void gameThatDoesNotFollow()
    {
        QTemporaryDir dir;
        const StateStore state(dir.path());
        HistoryFile file(state, 0);
        for (int game = 1; game <= 20; ++game)
            QVERIFY(file.add(rowAt(game)));
        QVERIFY(file.add(rowAt(1)));
        QCOMPARE(file.status(), Status::keptAside);
        QCOMPARE(file.reason(), "the game history goes to game 20, then came game 1");
        QCOMPARE(contents(file.asidePath()), historyText(1, 20));
        QCOMPARE(contents(state.history()), historyText(1, 1));
        QCOMPARE(file.counter().games(), 1);
    }

    // A program killed right after a game: once the game's saves have
    // landed everything reads back; killed at once, the history still holds
    // every game, with what the saved machine has not yet played kept aside.
    void killAfterGame_data()
    {
        QTest::addColumn<bool>("landed");
        QTest::newRow("after the saves landed") << true;
        QTest::newRow("at once") << false;
    }
    void killAfterGame()
    {
        QFETCH(bool, landed);
        const int games = 250;
        QTemporaryDir dir;
        const pid_t child = ::fork();
        if (child == 0) {
            StateStore state(dir.path());
            HistoryFile history(state, 0);
            CollectionStore collection(dir.path());
            for (int game = 1; game <= games; ++game) {
                history.add(rowAt(game));
                state.save(
                    [s = run().states[std::size_t(game - 1)]] { return machine::writeState(s); });
                collection.record(rowAt(game), game);
            }
            if (landed) {
                state.flush();
                collection.flush();
            }
            ::kill(::getpid(), SIGKILL);
        }
        int status = 0;
        QCOMPARE(::waitpid(child, &status, 0), child);
        QVERIFY(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);

        std::int64_t machineGames = 0;
        const StateStore state(dir.path());
        if (QFileInfo::exists(state.filePath()))
            machineGames
                = machine::readState(contents(state.filePath()).toStdString()).state.counters.games;
        const HistoryFile history(state, machineGames);
        const std::vector<GameRow> &rows = history.history().rows();
        QCOMPARE(std::int64_t(rows.size()), machineGames);
        for (const GameRow &row : rows)
            QCOMPARE(row, rowAt(row.game));
        const CollectionStore collection(dir.path());
        QVERIFY(
            !safefile::readOnly(collection.status()) && collection.status() != Status::keptAside);
        if (landed) {
            QCOMPARE(machineGames, games);
            QCOMPARE(history.status(), Status::loaded);
            ReachMeCollection expected;
            for (int game = 1; game <= games; ++game)
                expected.record(rowAt(game), game);
            QVERIFY(collection.collection() == expected);
        } else if (machineGames < games) {
            QCOMPARE(history.status(), Status::keptAside);
            QCOMPARE(contents(history.asidePath()), historyText(1, games));
        }
    }
};

QTEST_GUILESS_MAIN(TestRecordsMachineFiles)
#include "tst_records_machinefiles.moc"
