#include "ui/app/singleinstance.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLocalSocket>
#include <QSocketNotifier>
#include <QStandardPaths>

#include <cerrno>
#include <cstring>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace ui {

namespace {

// A request is one short line; anything longer is not ours.
constexpr qint64 kLongestRequest = 64;
// After running out of descriptors, how long the server rests before it
// accepts again (a pending connection would otherwise wake it at once).
constexpr int kResumeMs = 500;

// Who is at the other end of a connected local socket; -1 when unknown.
long peerUid(qintptr fd)
{
    ucred peer {};
    socklen_t size = sizeof peer;
    if (fd < 0 || ::getsockopt(int(fd), SOL_SOCKET, SO_PEERCRED, &peer, &size) != 0)
        return -1;
    return long(peer.uid);
}

bool peerIsUser(qintptr fd) { return peerUid(fd) == long(::getuid()); }

QString native(const QString &path) { return QDir::toNativeSeparators(path); }

} // namespace

QString SingleInstance::defaultServerName()
{
    const QString name = QCoreApplication::applicationName();
    // Qt gives no runtime folder when the one it finds belongs to someone
    // else: then a folder of the user's own, named by the user's id.
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::temp().filePath(QStringLiteral("%1-%2").arg(name).arg(::getuid()));
    return QDir(folder).filePath(name + QStringLiteral(".socket"));
}

SingleInstance::SingleInstance(QString serverName, int idleMs, QObject *parent)
    : QObject(parent)
    , m_serverName(std::move(serverName))
    , m_idleMs(idleMs)
{
    m_resume.setSingleShot(true);
    m_resume.setInterval(kResumeMs);
    connect(&m_resume, &QTimer::timeout, this, [this] {
        if (m_notifier)
            m_notifier->setEnabled(true);
    });
}

SingleInstance::~SingleInstance()
{
    if (m_listener < 0)
        return;
    ::close(m_listener);
    ::unlink(QFile::encodeName(m_serverName).constData());
}

// The socket's folder is the user's alone (made so when missing), and at its
// name is nothing or a socket of the user's.
bool SingleInstance::placeIsOurs()
{
    const QString folder = QFileInfo(m_serverName).absolutePath();
    const QByteArray folderName = QFile::encodeName(folder);
    struct stat info { };
    if (::lstat(folderName.constData(), &info) != 0 && errno == ENOENT)
        ::mkdir(folderName.constData(), 0700);
    if (::lstat(folderName.constData(), &info) != 0 || !S_ISDIR(info.st_mode)
        || info.st_uid != ::getuid() || (info.st_mode & 077) != 0) {
        m_problem = QStringLiteral("%1 is not a folder of the user's own (mode 0700); windows are "
                                   "not handed over")
                        .arg(native(folder));
        return false;
    }
    if (::lstat(QFile::encodeName(m_serverName).constData(), &info) != 0)
        return true; // nothing there yet
    if (S_ISSOCK(info.st_mode) && info.st_uid == ::getuid())
        return true;
    const QString what = S_ISDIR(info.st_mode) ? QStringLiteral("is a folder")
        : S_ISSOCK(info.st_mode)               ? QStringLiteral("belongs to another user")
                                               : QStringLiteral("is not a socket");
    m_problem = QStringLiteral("%1 %2; left as it is, windows are not handed over")
                    .arg(native(m_serverName), what);
    return false;
}

bool SingleInstance::handOver(const QByteArray &request, int timeoutMs)
{
    if (!placeIsOurs())
        return false;
    QLocalSocket socket;
    socket.connectToServer(m_serverName);
    if (!socket.waitForConnected(timeoutMs))
        return false;
    if (!peerIsUser(socket.socketDescriptor())) {
        m_problem = QStringLiteral("%1 is served by another user's program; windows are not "
                                   "handed over")
                        .arg(native(m_serverName));
        socket.abort();
        return false;
    }
    socket.write(request + '\n');
    if (!socket.waitForBytesWritten(timeoutMs))
        return false;
    // The running program answers once it has the request.
    return socket.waitForReadyRead(timeoutMs) && socket.readAll().startsWith("ok");
}

bool SingleInstance::listen()
{
    if (m_listener >= 0)
        return true;
    if (!placeIsOurs())
        return false;
    const QByteArray path = QFile::encodeName(m_serverName);
    sockaddr_un address {};
    address.sun_family = AF_UNIX;
    if (std::size_t(path.size()) >= sizeof address.sun_path) {
        m_problem = QStringLiteral("%1 is too long a name for a socket").arg(native(m_serverName));
        return false;
    }
    std::memcpy(address.sun_path, path.constData(), std::size_t(path.size()));
    // A program of the user's that answers keeps the name; a socket left by
    // one that died goes.
    struct stat info { };
    if (::lstat(path.constData(), &info) == 0) {
        QLocalSocket probe;
        probe.connectToServer(m_serverName);
        if (probe.waitForConnected(500))
            return false;
        ::unlink(path.constData());
    }
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0)
        return false;
    if (::bind(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) != 0
        || ::chmod(path.constData(), 0600) != 0 || ::listen(fd, 16) != 0) {
        m_problem = QStringLiteral("cannot listen at %1: %2")
                        .arg(native(m_serverName), QString::fromLocal8Bit(std::strerror(errno)));
        ::close(fd);
        return false;
    }
    m_listener = fd;
    m_notifier = new QSocketNotifier(fd, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &SingleInstance::acceptConnections);
    return true;
}

void SingleInstance::acceptConnections()
{
    // A few at a time, so that a flood of them leaves the window responsive.
    for (int round = 0; round < kMostConnections; ++round) {
        const int fd = ::accept4(m_listener, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (fd < 0) {
            if (errno == EINTR || errno == ECONNABORTED)
                continue;
            // Out of descriptors or memory: rest a moment, and go on.
            if (errno != EAGAIN && errno != EWOULDBLOCK)
                restAWhile();
            return;
        }
        if (!peerIsUser(fd) || m_connections >= kMostConnections) {
            ::close(fd);
            continue;
        }
        auto *socket = new QLocalSocket(this);
        if (!socket->setSocketDescriptor(fd)) {
            ::close(fd);
            delete socket;
            continue;
        }
        serve(socket);
    }
}

// Runs when the process is out of descriptors. The undefined-behaviour
// sanitizer's type check reads an object's memory through a pipe, which cannot
// be opened just then, and would call the notifier an object of another type.
#if defined(__GNUC__)
__attribute__((no_sanitize("vptr")))
#endif
void SingleInstance::restAWhile()
{
    m_notifier->setEnabled(false);
    m_resume.start();
}

// One line, of at most kLongestRequest bytes, within the idle time; then the
// connection ends.
void SingleInstance::serve(QLocalSocket *socket)
{
    ++m_connections;
    connect(socket, &QObject::destroyed, this, [this] { --m_connections; });
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    socket->setReadBufferSize(kLongestRequest + 1);
    auto *idle = new QTimer(socket);
    idle->setSingleShot(true);
    connect(idle, &QTimer::timeout, socket, [socket] {
        socket->abort();
        socket->deleteLater();
    });
    idle->start(m_idleMs);
    connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
        if (!socket->canReadLine()) {
            if (socket->bytesAvailable() > kLongestRequest) {
                socket->abort();
                socket->deleteLater();
            }
            return;
        }
        const QByteArray request = socket->readLine(kLongestRequest + 1).trimmed();
        socket->write("ok\n");
        socket->disconnectFromServer();
        // Nothing more is read from it.
        disconnect(socket, &QLocalSocket::readyRead, this, nullptr);
        emit requested(request);
    });
}

} // namespace ui
