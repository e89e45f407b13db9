// A file of the player's data that only grows, a record at a time (a game
// history): each append lands whole or not at all. Hold the lock of the store
// it sits beside while it is open; nothing else writes it.
#pragma once

#include "safefile/descriptor.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace safefile {

class AppendFile {
public:
    enum class Opened {
        opened, // contents() holds what was there
        created, // there was none: made with the header alone
        notRegular, // a FIFO, a device, a folder …: left alone
        tooLarge, // more than the limit: left alone, not read
        failed, // error() says why
    };

    explicit AppendFile(const QString &path);

    // Opens the file for appending without blocking, creating it (whole, with
    // `header`) when missing, and reads it, at most `limit` bytes.
    Opened open(QByteArrayView header, qint64 limit);
    bool isOpen() const { return m_fd.isOpen(); }
    QString path() const { return m_path; }
    const QByteArray &contents() const { return m_contents; } // as opened
    qint64 size() const { return m_size; }
    int error() const { return m_error; }

    // Writes `record` at the end. When the write fails or is cut short (a
    // full disk) the file is cut back to where it ended, and false says so.
    bool append(QByteArrayView record);
    // Cuts the file to `size` bytes: a last record a crash left half written,
    // found by the owner's format.
    bool truncate(qint64 size);

private:
    bool fail(int error);
    Opened failedToOpen(int error);

    QString m_path;
    Descriptor m_fd;
    QByteArray m_contents;
    qint64 m_size = 0;
    int m_error = 0;
};

} // namespace safefile
