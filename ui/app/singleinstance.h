// A later start of the program that asks for a window (`reachme --chart`,
// the menu entry's actions) hands its request to the program already running
// and ends; without a running program it starts as usual.
//
// The hand-over goes through a socket in a folder of the user's own: the
// runtime folder, or else "<temp>/reachme-<uid>". A socket, a folder or a
// peer of another user is never trusted: both ends check who is at the other
// (SO_PEERCRED). Something else at the socket's name (a folder, a file) is
// left alone and said (problem()); the program then runs as the first copy.
// The running program keeps listening whatever its later starts do: it
// serves a few at a time, drops one that keeps silent, and reads one short
// line of each.
#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QTimer>

class QLocalSocket;
class QSocketNotifier;

namespace ui {

class SingleInstance : public QObject {
    Q_OBJECT
public:
    // A later start that says nothing for this long is dropped.
    static constexpr int kIdleMs = 2000;
    // Later starts served at once; more wait to be accepted.
    static constexpr int kMostConnections = 8;

    static QString defaultServerName();

    explicit SingleInstance(
        QString serverName = defaultServerName(), int idleMs = kIdleMs, QObject *parent = nullptr);
    ~SingleInstance() override; // a socket it made goes with it

    // Gives `request` (one line) to a running program of the user's: true
    // once it took it.
    bool handOver(const QByteArray &request, int timeoutMs = 2000);

    // Takes the requests of later starts. A second program running beside
    // the first (a plain start asks for nothing) finds the name taken and
    // leaves it to the first.
    bool listen();
    bool isListening() const { return m_listener >= 0; }

    // Why windows are not handed over, for the terminal; empty when they are.
    QString problem() const { return m_problem; }

signals:
    void requested(const QByteArray &request);

private:
    bool placeIsOurs();
    void acceptConnections();
    void restAWhile();
    void serve(QLocalSocket *socket);

    QString m_serverName;
    int m_idleMs;
    QString m_problem;
    int m_listener = -1;
    QSocketNotifier *m_notifier = nullptr;
    QTimer m_resume; // accepting again after the process ran out of descriptors
    int m_connections = 0;
};

} // namespace ui
