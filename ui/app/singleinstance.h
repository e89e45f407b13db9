// A later start of the program that asks for a window (`reachme --chart`,
// the menu entry's actions) hands its request to the program already running
// and ends; without a running program it starts as usual.
#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

class QLocalServer;

namespace ui {

class SingleInstance : public QObject {
    Q_OBJECT
public:
    // The user's own socket in the runtime folder.
    static QString defaultServerName();

    explicit SingleInstance(QString serverName = defaultServerName(), QObject *parent = nullptr);

    // Gives `request` (one line) to a running program: true once it took it.
    bool handOver(const QByteArray &request, int timeoutMs = 2000) const;

    // Takes the requests of later starts. A second program running beside
    // the first (a plain start asks for nothing) finds the name taken and
    // leaves it to the first.
    bool listen();

signals:
    void requested(const QByteArray &request);

private:
    void readRequest();

    QString m_serverName;
    QLocalServer *m_server = nullptr;
};

} // namespace ui
