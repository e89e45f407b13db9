// The safe-file component on a made-up kind of file: saves that fail (an
// injected write failure and a real full disk) leave the file before and say
// so at once; locks that name no owner; stray temporaries; damaged files kept
// aside past links; files that cannot or must not be read; append-only files;
// the settings file.
#include "filesizelimit.h"
#include "safefile/appendfile.h"
#include "safefile/keepaside.h"
#include "safefile/settingsguard.h"
#include "safefile/store.h"
#include "safefile/writing.h"

#include <QSettings>
#include <QtTest>

#include <csignal>
#include <fcntl.h>
#include <functional>
#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using safefile::Status;
Q_DECLARE_METATYPE(Status)

namespace {

// A file of the kind is the header, lines, then "end".
const safefile::FileKind kKind { QStringLiteral("notes.txt"), QStringLiteral("notes.lock"),
    QStringLiteral("notes.damaged-"), QStringLiteral(".txt"), "reachme notes\n", 1000 };
const QByteArray kOld = "reachme notes\nold\nend\n";
const QByteArray kNew = "reachme notes\n" + QByteArray(300, 'n') + "\nend\n";

safefile::Verdict classify(std::string_view bytes)
{
    if (!bytes.starts_with("reachme notes\n"))
        return safefile::Verdict::notOurs;
    if (bytes.starts_with("reachme notes\nversion 2\n"))
        return safefile::Verdict::newerVersion;
    return bytes.ends_with("\nend\n") ? safefile::Verdict::ours : safefile::Verdict::damaged;
}

// The store, and the results of its saves as its owner's thread sees them.
struct Opened {
    explicit Opened(const QString &folder)
        : store(kKind, folder, classify)
    {
        QObject::connect(
            &store, &safefile::Store::saved, &receiver, [this](bool ok) { results << ok; });
    }
    bool save(const QByteArray &bytes)
    {
        const qsizetype before = results.size();
        store.save([bytes] { return bytes.toStdString(); });
        return QTest::qWaitFor([&] { return results.size() > before; }) && results.back();
    }
    safefile::Store store;
    QObject receiver;
    QList<bool> results;
};

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

bool put(const QString &path, const QByteArray &bytes)
{
    return safefile::writeWhole(path, bytes).ok;
}

// What stands at `path` itself: its type, and a regular file's content.
QString fingerprint(const QString &path)
{
    struct stat info { };
    if (::lstat(QFile::encodeName(path), &info) != 0)
        return QStringLiteral("nothing");
    return QString::number(info.st_mode, 8)
        + (S_ISREG(info.st_mode) ? contents(path) : QByteArray());
}

// Gives the entry itself (a link too) a change time `ms` ago.
bool age(const QString &path, long ms)
{
    timespec times[2] {};
    ::clock_gettime(CLOCK_REALTIME, &times[0]);
    const long nanoseconds = times[0].tv_nsec - ms % 1000 * 1'000'000;
    times[0] = { times[0].tv_sec - ms / 1000 - (nanoseconds < 0),
        (nanoseconds + 1'000'000'000) % 1'000'000'000 };
    times[1] = times[0];
    return ::utimensat(AT_FDCWD, QFile::encodeName(path), times, AT_SYMLINK_NOFOLLOW) == 0;
}

// Runs `body` in a child process; its exit status (77: skipped).
int inChild(const std::function<int()> &body)
{
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(body());
    int status = 0;
    return ::waitpid(child, &status, 0) == child && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Each failed check ends the child with its own number.
#define CHILD_CHECK(n, condition)                                                                  \
    if (!(condition))                                                                              \
    return (std::fprintf(stderr, "check %d failed: %s\n", n, #condition), n)

bool mountSmallDisk(const QString &at)
{
    // A mount of our own that goes with the child; without root, as the root
    // of a user namespace of our own.
    if (::geteuid() != 0) {
        const QByteArray uid = QByteArray::number(::getuid()), gid = QByteArray::number(::getgid());
        if (::unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0)
            return false;
        for (const auto &[file, line] : { std::pair { "uid_map", "0 " + uid + " 1\n" },
                 std::pair { "setgroups", QByteArray("deny") },
                 std::pair { "gid_map", "0 " + gid + " 1\n" } }) {
            QFile map(QStringLiteral("/proc/self/") + file);
            if (!map.open(QIODevice::WriteOnly) || map.write(line) != line.size())
                return false;
        }
    } else if (::unshare(CLONE_NEWNS) != 0) {
        return false;
    }
    return ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0
        && ::mount("tmpfs", QFile::encodeName(at), "tmpfs", 0, "size=256k") == 0;
}

} // namespace

class TestSafeFile : public QObject {
    Q_OBJECT

private slots:
    // A save that fails keeps the file before and is reported with its own
    // save; the next that works clears it.
    void failedSaveKeepsFileBefore_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("small, in QSaveFile's buffer until the flush") << kNew;
        QTest::newRow("larger than the buffer")
            << "reachme notes\n" + QByteArray(40000, 'x') + "\nend\n";
    }
    void failedSaveKeepsFileBefore()
    {
        QFETCH(QByteArray, bytes);
        QTemporaryDir dir;
        QVERIFY(put(dir.filePath(kKind.fileName), kOld));
        Opened opened(dir.path());
        QCOMPARE(opened.store.status(), Status::loaded);
        bool saved = true;
        {
            const FileSizeLimit limit(kOld.size());
            saved = opened.save(bytes);
        }
        QVERIFY(!saved);
        QCOMPARE(opened.store.status(), Status::saveFailed);
        QCOMPARE(opened.store.error(), EFBIG);
        QCOMPARE(contents(opened.store.filePath()), kOld);
        QVERIFY(opened.save(bytes));
        QCOMPARE(opened.store.status(), Status::loaded);
        QCOMPARE(contents(opened.store.filePath()), bytes);
    }

    void realFullDisk()
    {
        QTemporaryDir dir;
        const int status = inChild([&] {
            if (!mountSmallDisk(dir.path()))
                return 77;
            const QString folder = dir.filePath("data");
            Opened opened(folder);
            CHILD_CHECK(1, opened.save(kOld));
            QFile fill(dir.filePath("fill"));
            CHILD_CHECK(2, fill.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
            while (fill.write(QByteArray(4096, 'f')) > 0) { }
            CHILD_CHECK(3, !opened.save(kNew) && opened.store.error() == ENOSPC);
            CHILD_CHECK(4, contents(opened.store.filePath()) == kOld);
            // Another start while the disk is full cannot write its lock.
            opened.store.flush();
            const safefile::Store second(kKind, dir.filePath("other"), classify);
            CHILD_CHECK(5,
                second.status() == Status::lockUnavailable
                    || second.status() == Status::notWritable);
            fill.remove();
            CHILD_CHECK(6, opened.save(kNew) && contents(opened.store.filePath()) == kNew);
            return 0;
        });
        if (status == 77)
            QSKIP("no small disk: neither root nor a user namespace may mount a tmpfs here");
        QCOMPARE(status, 0);
    }

    // What stands at the lock's name and names no owner is stale once a
    // few seconds old; a live owner's lock is never taken.
    void locksThatNameNoOwner_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<int>("ageMs");
        QTest::addColumn<Status>("status");
        const int old = 3'600'000, young = int(safefile::DataLock::kStaleAfter.count()) - 300;
        QTest::newRow("empty, left by a kill") << "empty" << old << Status::freshStart;
        QTest::newRow("empty, a moment ago") << "empty" << young << Status::freshStart;
        QTest::newRow("garbage") << "garbage" << old << Status::freshStart;
        QTest::newRow("empty folder") << "folder" << old << Status::freshStart;
        QTest::newRow("link to nowhere") << "link" << old << Status::freshStart;
        QTest::newRow("folder with a file") << "full folder" << old << Status::lockUnavailable;
        QTest::newRow("live owner") << "owner" << old << Status::lockedByOther;
    }
    void locksThatNameNoOwner()
    {
        QFETCH(QString, entry);
        QFETCH(int, ageMs);
        QFETCH(Status, status);
        QTemporaryDir dir;
        const QString lock = dir.filePath(kKind.lockName);
        QLockFile owner(lock);
        if (entry == "empty" || entry == "garbage")
            QVERIFY(put(lock, entry == "empty" ? QByteArray() : QByteArray("\x01\x02")));
        else if (entry == "link")
            QVERIFY(QFile::link(dir.filePath("nowhere"), lock));
        else if (entry == "owner")
            QVERIFY(owner.tryLock(0));
        else
            QVERIFY(QDir().mkpath(entry == "folder" ? lock : lock + "/x"));
        QVERIFY(age(lock, ageMs));
        QElapsedTimer waited;
        waited.start();
        const safefile::Store store(kKind, dir.path(), classify);
        QCOMPARE(store.status(), status);
        if (ageMs < 60000) // a young one is waited for
            QVERIFY(waited.elapsed() >= 200);
        if (status == Status::lockUnavailable)
            QCOMPARE(store.error(), EISDIR);
        qint64 pid = 0;
        QString host, app;
        if (status == Status::freshStart) // taken: the file is a lock naming us
            QVERIFY(QLockFile(lock).getLockInfo(&pid, &host, &app)
                && pid == QCoreApplication::applicationPid());
    }

    // Only a name of QSaveFile's form with content begun as the kind's is a
    // stray; nothing else goes, and a FIFO holds nothing up.
    void strayTemporaries_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes"); // "fifo" and "link" make those
        QTest::addColumn<bool>("removed");
        const QByteArray half = kNew.left(30);
        QTest::newRow("a killed save's") << "notes.txt.a1B2c3" << half << true;
        QTest::newRow("user's .backup") << "notes.txt.backup" << QByteArray("my own") << false;
        QTest::newRow("user's .BACKUP, empty") << "notes.txt.BACKUP" << QByteArray() << false;
        QTest::newRow("user's .old123") << "notes.txt.old123" << kKind.header.left(9) << false;
        QTest::newRow("seven letters") << "notes.txt.backups" << half << false;
        QTest::newRow("not letters") << "notes.txt.a1_2c3" << half << false;
        QTest::newRow("a link") << "notes.txt.z9Y8x7" << QByteArray("link") << false;
        QTest::newRow("a FIFO") << "notes.txt.2024ab" << QByteArray("fifo") << false;
    }
    void strayTemporaries()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(bool, removed);
        QTemporaryDir dir;
        const QString path = dir.filePath(name);
        if (bytes == "link")
            QVERIFY(put(dir.filePath("target"), kNew) && QFile::link(dir.filePath("target"), path));
        else if (bytes == "fifo")
            QCOMPARE(::mkfifo(QFile::encodeName(path), 0600), 0);
        else
            QVERIFY(put(path, bytes));
        for (const bool holdingLock : { false, true }) {
            QLockFile other(dir.filePath(kKind.lockName));
            QVERIFY(holdingLock || other.tryLock(0));
            const safefile::Store store(kKind, dir.path(), classify);
            other.unlock();
            QCOMPARE(
                QFileInfo(path).exists() || QFileInfo(path).isSymLink(), !(removed && holdingLock));
        }
    }

    void keptAsideNeverThroughLink_data()
    {
        QTest::addColumn<QString>("taken"); // what holds the first name
        QTest::newRow("link to nowhere") << "nowhere";
        QTest::newRow("link to a file") << "file";
    }
    void keptAsideNeverThroughLink()
    {
        QFETCH(QString, taken);
        QTemporaryDir dir;
        const QString damaged = dir.filePath(kKind.fileName);
        const QByteArray bytes = "reachme notes\ncut sh";
        QVERIFY(put(damaged, bytes));
        if (taken == "file")
            QVERIFY(put(dir.filePath("file"), "mine"));
        const QDateTime when(QDate(2024, 5, 6), QTime(7, 8, 9));
        const QString first = dir.filePath("notes.damaged-20240506-070809.txt");
        QVERIFY(QFile::link(dir.filePath(taken), first));
        const safefile::KeptAside aside
            = safefile::keepAside(damaged, kKind.asidePrefix, kKind.asideSuffix, when);
        QVERIFY(aside.ok);
        QCOMPARE(aside.path, dir.filePath("notes.damaged-20240506-070809-2.txt"));
        QCOMPARE(contents(aside.path), bytes);
        QCOMPARE(QFileInfo(first).symLinkTarget(), dir.filePath(taken));
        QCOMPARE(contents(dir.filePath("file")),
            taken == "file" ? QByteArray("mine") : QByteArray("(unreadable)"));
        QVERIFY(!QFileInfo::exists(damaged));
    }

    // A file that cannot or must not be read stays as it is, and nothing is
    // saved over it; one over the limit is kept aside.
    void filesNotRead_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<Status>("status");
        QTest::newRow("FIFO") << "fifo" << Status::notRegular;
        QTest::newRow("link to /dev/zero") << "zero" << Status::notRegular;
        QTest::newRow("folder") << "folder" << Status::notRegular;
        QTest::newRow("link to nowhere") << "nowhere" << Status::notRegular;
        QTest::newRow("no read permission") << "unreadable" << Status::notReadable;
        QTest::newRow("over the limit") << "large" << Status::keptAside;
    }
    void filesNotRead()
    {
        QFETCH(QString, entry);
        QFETCH(Status, status);
        QTemporaryDir dir;
        const QString path = dir.filePath(kKind.fileName);
        const QByteArray name = QFile::encodeName(path);
        const QByteArray large
            = "reachme notes\n" + QByteArray(int(kKind.sizeLimit), 'x') + "\nend\n";
        if (entry == "fifo")
            QCOMPARE(::mkfifo(name, 0600), 0);
        else if (entry == "zero" || entry == "nowhere")
            QVERIFY(QFile::link(entry == "zero" ? "/dev/zero" : dir.filePath("x"), path));
        else if (entry == "folder")
            QVERIFY(QDir().mkpath(path));
        else
            QVERIFY(put(path, entry == "large" ? large : kOld));
        if (entry == "unreadable")
            QCOMPARE(::chmod(name, 0), 0);
        const QString before = fingerprint(path);
        // The superuser reads anything: the child becomes somebody else.
        const int checked = inChild([&] {
            if (entry == "unreadable" && ::geteuid() == 0)
                CHILD_CHECK(2,
                    ::chown(QFile::encodeName(dir.path()), 65534, 65534) == 0
                        && ::setgid(65534) == 0 && ::setuid(65534) == 0);
            Opened opened(dir.path());
            CHILD_CHECK(3, opened.store.status() == status);
            CHILD_CHECK(4, status != Status::notReadable || opened.store.error() == EACCES);
            opened.store.save([] { return kNew.toStdString(); });
            opened.store.flush();
            return 0;
        });
        QCOMPARE(checked, 0);
        if (status == Status::keptAside)
            QCOMPARE(
                contents(dir.filePath(QDir(dir.path()).entryList({ "notes.damaged-*" }).value(0))),
                large);
        else
            QCOMPARE(fingerprint(path), before);
    }

    // Records land whole: a failed append is cut back off.
    void appendFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("history.csv");
        {
            safefile::AppendFile file(path);
            QCOMPARE(file.open("game,code\n", 1000), safefile::AppendFile::Opened::created);
            QVERIFY(file.append("1,J18\n") && file.append("2,J0"));
            QVERIFY(file.truncate(file.size() - 4)); // the torn record
            {
                const FileSizeLimit limit(20);
                QVERIFY(!file.append("2,J04\n3,J18\n"));
            }
            QCOMPARE(file.error(), EFBIG);
        }
        safefile::AppendFile again(path);
        QCOMPARE(again.open("game,code\n", 1000), safefile::AppendFile::Opened::opened);
        QCOMPARE(again.contents(), QByteArray("game,code\n1,J18\n"));
        QCOMPARE(::mkfifo(QFile::encodeName(dir.filePath("fifo")), 0600), 0);
        QCOMPARE(safefile::AppendFile(dir.filePath("fifo")).open("h\n", 10),
            safefile::AppendFile::Opened::notRegular);
    }

    void settingsFileThatCannotServe_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<bool>("diverted");
        QTest::newRow("regular") << "file" << false;
        QTest::newRow("FIFO") << "fifo" << true;
        QTest::newRow("link to /dev/zero") << "zero" << true;
        QTest::newRow("FIFO lock") << "fifo lock" << true;
    }
    void settingsFileThatCannotServe()
    {
        QFETCH(QString, entry);
        QFETCH(bool, diverted);
        QTemporaryDir dir;
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir.path()));
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path());
        QCoreApplication::setOrganizationName("org");
        QCoreApplication::setApplicationName("app");
        const QString conf = dir.filePath("org/app.conf");
        QVERIFY(QDir().mkpath(dir.filePath("org")));
        if (entry == "zero")
            QVERIFY(QFile::link("/dev/zero", conf));
        else if (entry.startsWith("fifo"))
            QCOMPARE(::mkfifo(QFile::encodeName(entry == "fifo" ? conf : conf + ".lock"), 0600), 0);
        else if (entry == "file")
            QVERIFY(put(conf, "[General]\nkept=1\n"));
        {
            const safefile::SettingsGuard guard;
            QCOMPARE(guard.diverted(), diverted);
            QCOMPARE(guard.filePath(), conf);
            QSettings().setValue("written", 2);
            QCOMPARE(QSettings().value("written").toInt(), 2);
            QCOMPARE(QSettings().value("kept").toInt(), entry == "file" ? 1 : 0);
        }
        QCOMPARE(QFileInfo(conf).isFile() && !QFileInfo(conf).isSymLink(), !diverted);
    }
};

QTEST_GUILESS_MAIN(TestSafeFile)
#include "tst_safefile.moc"
