// The progress file and the store that keeps it: round trips, damaged and
// newer files, an interrupted save, the lock.
#include "drill/patterns.h"
#include "drill/progressformat.h"
#include "drill/store/progressstore.h"
#include "filebytes.h"

#include <QLockFile>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <memory>
#include <sys/wait.h>
#include <unistd.h>

using drill::ProgressStore;
using drill::StoreStatus;

Q_DECLARE_METATYPE(StoreStatus)

namespace {

// Some answers, spread over the categories, with a few timeouts.
drill::Progress sampleProgress(int answers)
{
    drill::Progress progress;
    std::mt19937_64 random(answers);
    for (int i = 0; i < answers; ++i) {
        // Past kPatternCount answers, every pattern is seen once first.
        const int pattern = answers > drill::kPatternCount && i < drill::kPatternCount
            ? i
            : static_cast<int>(random() % drill::kPatternCount);
        const int chosen = static_cast<int>(random() % 10);
        progress.record(pattern, chosen, chosen == judge::number(drill::categoryAt(pattern)),
            1'800'000'000 + i * 7);
    }
    return progress;
}

QByteArray fileOf(const drill::Progress &progress)
{
    return QByteArray::fromStdString(drill::writeProgress(progress));
}

} // namespace

class TestDrillStore : public QObject {
    Q_OBJECT

private slots:
    void roundTrip_data()
    {
        QTest::addColumn<int>("answers");
        QTest::newRow("nothing yet") << 0;
        QTest::newRow("one answer") << 1;
        QTest::newRow("a long log") << 5000;
        QTest::newRow("every pattern seen") << 20000;
    }
    void roundTrip()
    {
        QFETCH(int, answers);
        const drill::Progress progress = sampleProgress(answers);
        for (std::size_t c = 1; c <= 9; ++c)
            QVERIFY(std::count_if(progress.log.begin(), progress.log.end(), [c](const auto &a) {
                return judge::number(drill::categoryAt(a.pattern)) == static_cast<int>(c);
            }) <= drill::kLogPerCategory);

        QTemporaryDir dir;
        {
            ProgressStore store(dir.path());
            QCOMPARE(store.status(), StoreStatus::freshStart);
            store.progress() = progress;
            store.save();
        } // the destructor writes what is queued
        ProgressStore again(dir.path());
        QCOMPARE(again.status(), StoreStatus::loaded);
        QVERIFY(again.progress() == progress);
        QCOMPARE(fileBytes(again.filePath()), fileOf(progress));
    }

    void badFileKeptAside_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray good = fileOf(sampleProgress(50));
        QByteArray flipped = good;
        flipped[good.size() / 2] = flipped[good.size() / 2] == '1' ? '2' : '1';
        QTest::newRow("cut short") << good.left(good.size() - 30);
        QTest::newRow("one digit changed") << flipped;
        QTest::newRow("not ours") << QByteArray("[General]\nvolume=3\n");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("version missing") << QByteArray("reachme drill progress\nquestions 0\n");
    }
    void badFileKeptAside()
    {
        QFETCH(QByteArray, bytes);
        QTemporaryDir dir;
        const QString path = dir.filePath(ProgressStore::kFileName);
        QStringList aside;
        for (int round = 0; round < 2; ++round) { // twice in the same second: two names
            putFileBytes(path, bytes);
            const QString dayBefore = QDate::currentDate().toString("yyyyMMdd");
            ProgressStore store(dir.path());
            QCOMPARE(store.status(), StoreStatus::keptAside);
            // Named by the day, whichever side of midnight the store ran.
            QVERIFY2(store.asidePath().contains(dayBefore)
                    || store.asidePath().contains(QDate::currentDate().toString("yyyyMMdd")),
                qPrintable(store.asidePath()));
            QVERIFY(store.progress() == drill::Progress {});
            QVERIFY(!QFile::exists(path));
            aside << store.asidePath();
            store.save();
        }
        QCOMPARE(aside.size(), 2);
        QVERIFY(aside[0] != aside[1]);
        for (const QString &kept : aside)
            QCOMPARE(fileBytes(kept), bytes);
    }

    // A newer file, or a folder that cannot be made, leaves the disk as it
    // was however much is answered and saved.
    void readOnlyLeavesDiskAlone_data()
    {
        QTest::addColumn<QString>("file"); // written before, in the temporary folder
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("folder"); // the store's, in the temporary folder
        QTest::addColumn<StoreStatus>("status");
        QTest::newRow("newer version")
            << QString(ProgressStore::kFileName)
            << QByteArray("reachme drill progress\nversion 2\nwhatever comes later\n") << ""
            << StoreStatus::newerVersion;
        QTest::newRow("folder under a plain file")
            << "plain file" << QByteArray("x") << "plain file/drill" << StoreStatus::notWritable;
    }
    void readOnlyLeavesDiskAlone()
    {
        QFETCH(QString, file);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, folder);
        QFETCH(StoreStatus, status);
        QTemporaryDir dir;
        putFileBytes(dir.filePath(file), bytes);
        {
            ProgressStore store(dir.filePath(folder));
            QCOMPARE(store.status(), status);
            QVERIFY(drill::readOnly(store.status()));
            store.progress().record(0, 1, true, 1);
            store.save();
            store.flush();
        }
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot),
            QStringList { file });
        QCOMPARE(fileBytes(dir.filePath(file)), bytes);
    }

    // A save killed half way leaves the last complete file; a stray
    // temporary file is cleaned up by the next store that holds the lock, and
    // by no other.
    void interruptedSaveLeavesOldFile()
    {
        QTemporaryDir dir;
        const drill::Progress old = sampleProgress(20);
        {
            ProgressStore store(dir.path());
            store.progress() = old;
            store.save();
        }
        const QString path = dir.filePath(ProgressStore::kFileName);
        const pid_t child = fork();
        if (child == 0) {
            QSaveFile file(path);
            if (file.open(QIODevice::WriteOnly))
                file.write(fileOf(sampleProgress(3000)).left(5000));
            std::raise(SIGKILL);
        }
        int status = 0;
        QCOMPARE(waitpid(child, &status, 0), child);
        QVERIFY(WIFSIGNALED(status));
        QCOMPARE(fileBytes(path), fileOf(old));

        // A second store beside a live one reads but neither writes nor cleans;
        // a user's file of the same form of name stays.
        const QString stray = path + ".a1B2c3", users = path + ".backup";
        const QByteArray half = fileOf(sampleProgress(3000)).left(5000);
        putFileBytes(stray, half);
        putFileBytes(users, "my notes");
        auto first = std::make_unique<ProgressStore>(dir.path());
        QCOMPARE(first->status(), StoreStatus::loaded);
        QVERIFY(!QFile::exists(stray));
        putFileBytes(stray, half);
        {
            ProgressStore second(dir.path());
            QCOMPARE(second.status(), StoreStatus::lockedByOther);
            QVERIFY(second.progress() == old);
            second.progress().record(5, 1, false, 2);
            second.save();
            second.flush();
        }
        QVERIFY(QFile::exists(stray));
        QCOMPARE(fileBytes(path), fileOf(old));
        first.reset();
        ProgressStore next(dir.path());
        QCOMPARE(next.status(), StoreStatus::loaded);
        QVERIFY(!QFile::exists(stray));
        QCOMPARE(fileBytes(users), QByteArray("my notes"));
    }

    // A clock set before 1970 writes what the next start reads.
    void clockBefore1970()
    {
        QTemporaryDir dir;
        {
            ProgressStore store(dir.path());
            store.progress().record(7, 1, false, -86400);
            store.save();
        }
        ProgressStore again(dir.path());
        QCOMPARE(again.status(), StoreStatus::loaded);
        QCOMPARE(again.progress().log.back().when, 0);
    }

    void staleLockOfDeadProgramTaken()
    {
        QTemporaryDir dir;
        const pid_t child = fork();
        if (child == 0) {
            QLockFile lock(dir.filePath(ProgressStore::kLockName));
            _exit(lock.tryLock(0) ? 0 : 1); // dies holding it
        }
        int status = 0;
        QCOMPARE(waitpid(child, &status, 0), child);
        QCOMPARE(WEXITSTATUS(status), 0);
        QVERIFY(QFile::exists(dir.filePath(ProgressStore::kLockName)));
        ProgressStore store(dir.path());
        QCOMPARE(store.status(), StoreStatus::freshStart);
    }
};

QTEST_GUILESS_MAIN(TestDrillStore)
#include "tst_drill_store.moc"
