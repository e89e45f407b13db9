// The hand-over from a later start to the running program under bad luck and
// attack: something else at the socket's name, the fallback name, another
// user's socket, program or start at either end, a flood of connections, a
// process out of descriptors.
#include "ui/app/singleinstance.h"

#include <QtTest>

#include <pwd.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr uid_t kNobody = 65534;

sockaddr_un addressOf(const QString &path)
{
    sockaddr_un address {};
    address.sun_family = AF_UNIX;
    const QByteArray name = QFile::encodeName(path);
    std::memcpy(address.sun_path, name.constData(), std::size_t(name.size()));
    return address;
}

// A socket of this process connected to `path`, or -1.
int connectTo(const QString &path)
{
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    const sockaddr_un address = addressOf(path);
    if (fd >= 0 && ::connect(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0)
        return fd;
    ::close(fd);
    return -1;
}

// What a later start gets for `request`, sent on its own from a process of
// its own: the answer, or empty when the connection just ends.
QByteArray ask(int fd, const QByteArray &request)
{
    QByteArray answer(16, '\0');
    if (::write(fd, request.constData(), std::size_t(request.size())) != request.size())
        return "(not sent)";
    const ssize_t got = ::read(fd, answer.data(), std::size_t(answer.size()));
    return answer.left(std::max<qsizetype>(got, 0));
}

// The later start of the program: blocking, so in a thread of its own.
bool handOverFromThread(const QString &name, QString *problem = nullptr)
{
    bool taken = false;
    QThread *thread = QThread::create([&] {
        ui::SingleInstance later(name);
        taken = later.handOver("chart", 1000);
        if (problem)
            *problem = later.problem();
    });
    thread->start();
    while (!thread->isFinished())
        QTest::qWait(10);
    delete thread;
    return taken;
}

// Runs `body` in a child process, which a failed test never leaves behind.
pid_t spawn(const std::function<int()> &body)
{
    const pid_t child = ::fork();
    if (child == 0) {
        ::alarm(10);
        ::_exit(body());
    }
    return child;
}

// The child's exit status, the event loop running meanwhile.
int exitStatus(pid_t child)
{
    int status = -1;
    const bool ended
        = QTest::qWaitFor([&] { return ::waitpid(child, &status, WNOHANG) == child; }, 10000);
    return ended && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

} // namespace

class HandOverTest : public QObject {
    Q_OBJECT

private slots:
    // A folder or a file at the socket's name is not ours to remove: the
    // program says so and runs as the first copy.
    void somethingElseAtTheName_data()
    {
        QTest::addColumn<bool>("folder");
        QTest::addColumn<QString>("says");
        QTest::newRow("folder") << true << "is a folder";
        QTest::newRow("file") << false << "is not a socket";
    }
    void somethingElseAtTheName()
    {
        QFETCH(bool, folder);
        QFETCH(QString, says);
        QTemporaryDir dir;
        const QString name = dir.filePath("test.socket");
        QFile file(name);
        QVERIFY(
            folder ? QDir().mkdir(name) : file.open(QIODevice::WriteOnly) && file.write("mine"));
        file.close();
        ui::SingleInstance running(name);
        QVERIFY(!running.listen());
        QVERIFY2(running.problem().contains(says), qPrintable(running.problem()));
        QVERIFY(!ui::SingleInstance(name).handOver("chart", 200));
        QCOMPARE(QFileInfo(name).isDir(), folder);
        QCOMPARE(QFileInfo(name).size() == 4, !folder);
    }

    // When Qt finds no runtime folder of the user's, the name is in a folder
    // of the user's own, named by the user's id.
    void fallbackNameIsTheUsers()
    {
        QTemporaryDir temp;
        const QByteArray before = qgetenv("TMPDIR"), runtime = qgetenv("XDG_RUNTIME_DIR");
        qputenv("TMPDIR", QFile::encodeName(temp.path()));
        qunsetenv("XDG_RUNTIME_DIR");
        // Where Qt would make one, something else stands.
        QFile squatted(temp.filePath(QStringLiteral("runtime-") + ::getpwuid(::getuid())->pw_name));
        QVERIFY(squatted.open(QIODevice::WriteOnly));
        const QString name = ui::SingleInstance::defaultServerName();
        ui::SingleInstance running(name);
        const bool listening = running.listen();
        qputenv("TMPDIR", before);
        qputenv("XDG_RUNTIME_DIR", runtime);
        const QString app = QCoreApplication::applicationName();
        QCOMPARE(name, temp.filePath(QStringLiteral("%1-%2/%1.socket").arg(app).arg(::getuid())));
        QVERIFY2(listening, qPrintable(running.problem()));
        struct stat folder { };
        QVERIFY(::lstat(QFile::encodeName(QFileInfo(name).path()), &folder) == 0);
        QCOMPARE(folder.st_mode & 0777, 0700u);
    }

    // Another user's socket at the name, another user's program behind ours,
    // another user's start at our program: none is believed.
    void otherUsersAreNotTrusted()
    {
        if (::geteuid() != 0)
            QSKIP("only the superuser can act as another user here");
        QTemporaryDir dir;
        const QString name = dir.filePath("test.socket");
        const QByteArray path = QFile::encodeName(name);
        QString problem;
        {
            ui::SingleInstance theirs(name);
            QVERIFY(theirs.listen() && ::lchown(path, kNobody, kNobody) == 0);
            QVERIFY(!handOverFromThread(name, &problem));
            QVERIFY2(problem.contains("belongs to another user"), qPrintable(problem));
            QVERIFY(::lchown(path, 0, 0) == 0 && ::unlink(path) == 0);
        }
        // Bound as us, listening as nobody: only the peer's id tells.
        const int squatter = ::socket(AF_UNIX, SOCK_STREAM, 0);
        const sockaddr_un address = addressOf(name);
        int listening[2] {};
        QVERIFY(::bind(squatter, reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0
            && ::pipe(listening) == 0);
        const pid_t child = spawn([&] {
            char byte = 0;
            if (::setuid(kNobody) != 0 || ::listen(squatter, 1) != 0
                || ::write(listening[1], "l", 1) != 1)
                return 2;
            const int peer = ::accept(squatter, nullptr, nullptr);
            return peer >= 0 && ::read(peer, &byte, 1) == 0 ? 0 : 1; // nothing sent to it
        });
        char byte = 0;
        QCOMPARE(::read(listening[0], &byte, 1), 1);
        QVERIFY(!handOverFromThread(name, &problem));
        QVERIFY2(problem.contains("another user's program"), qPrintable(problem));
        QCOMPARE(exitStatus(child), 0);
        QVERIFY(::close(squatter) == 0 && ::unlink(path) == 0);
        // Nobody's start at our program gets no answer, and asks for nothing.
        ui::SingleInstance ours(name);
        QVERIFY(ours.listen());
        QSignalSpy requests(&ours, &ui::SingleInstance::requested);
        QVERIFY(::chmod(QFile::encodeName(dir.path()), 0711) == 0 && ::chmod(path, 0777) == 0);
        QCOMPARE(exitStatus(spawn([&] {
            const int fd = ::setuid(kNobody) == 0 ? connectTo(name) : -1;
            return fd >= 0 && ask(fd, "drill\n").isEmpty() ? 0 : 1;
        })),
            0);
        QCOMPARE(requests.size(), 0);
    }

    // Silent, endless, numerous and untimely later starts never stop the
    // program from serving the next one.
    void keepsServing()
    {
        QTemporaryDir dir;
        const QString name = dir.filePath("test.socket");
        ui::SingleInstance running(name, 100);
        QVERIFY(running.listen());
        QSignalSpy requests(&running, &ui::SingleInstance::requested);

        // Silent ones are dropped (beyond the cap at once, the rest when idle).
        std::vector<int> silent;
        for (int i = 0; i < 3 * ui::SingleInstance::kMostConnections; ++i) {
            silent.push_back(connectTo(name));
            QCoreApplication::processEvents(); // accepted before the queue fills
        }
        QTest::qWait(400);
        for (const int fd : silent) {
            char byte = 0;
            QCOMPARE(::read(fd, &byte, 1), 0);
            ::close(fd);
        }
        // One request a connection, however many lines; a line too long is none.
        const int lines = connectTo(name), endless = connectTo(name);
        const QByteArray many = QByteArray("chart\n").repeated(1000);
        QVERIFY(::write(lines, many.constData(), std::size_t(many.size())) == many.size());
        const QByteArray noEnd(100000, 'x');
        ::write(endless, noEnd.constData(), std::size_t(noEnd.size()));
        QTRY_COMPARE(requests.size(), 1);
        QTest::qWait(200);
        QCOMPARE(requests.size(), 1);
        ::close(lines);
        ::close(endless);

        // Out of descriptors while a later start waits: it is served once
        // there are some again.
        const pid_t child = spawn([&] {
            const int fd = connectTo(name);
            return fd >= 0 && ask(fd, "drill\n") == "ok\n" ? 0 : 1;
        });
        rlimit before {};
        ::getrlimit(RLIMIT_NOFILE, &before);
        const int lowestFree = ::dup(0); // the number the next descriptor would take
        ::close(lowestFree);
        const rlimit none { rlim_t(lowestFree), before.rlim_max };
        ::setrlimit(RLIMIT_NOFILE, &none);
        QTest::qWait(300);
        ::setrlimit(RLIMIT_NOFILE, &before);
        QVERIFY(running.isListening());
        QCOMPARE(exitStatus(child), 0);
        QCOMPARE(requests.size(), 2);
        QVERIFY(handOverFromThread(name));
    }
};

QTEST_MAIN(HandOverTest)
#include "tst_handover.moc"
