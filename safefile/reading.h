// Reading a file that should be one of ours: a regular file only, opened
// without blocking (a FIFO put in its place never hangs the program) and read
// no further than a limit (a link to /dev/zero never fills the memory).
#pragma once

#include <QByteArray>
#include <QString>

namespace safefile {

struct ReadFile {
    enum class Outcome {
        read, // `bytes` holds the whole file
        missing, // nothing by that name
        notRegular, // a FIFO, a device, a folder, a socket, or a link to nowhere
        tooLarge, // a regular file of more than the limit; `bytes` is empty
        failed, // could not be opened or read; `error` is the errno
    };
    Outcome outcome = Outcome::missing;
    QByteArray bytes;
    int error = 0;
};

// Follows links to a regular file, as any program reading it would.
ReadFile readRegularFile(const QString &path, qint64 limit);

// The first `count` bytes of a regular file that is not a link, or less when
// it is shorter; empty for anything else.
QByteArray readStart(const QString &path, qsizetype count);

// Appends to `bytes` from where `fd` stands until its end or until `bytes`
// holds `most`; the errno of a failed read (then `bytes` is empty), else 0.
int readUpTo(int fd, qint64 most, QByteArray &bytes);

} // namespace safefile
