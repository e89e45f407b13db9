// Writing a file whole or not at all, and saying why when that fails.
#pragma once

#include <QByteArrayView>
#include <QString>

namespace safefile {

struct Written {
    bool ok = false;
    int error = 0; // the errno of the step that failed
};

// Writes `bytes` as the whole new content of `path` through QSaveFile: the
// file before stays until the new one is complete. Every byte is flushed and
// checked before the rename, so a full disk leaves the file before and is
// reported here, at once.
Written writeWhole(const QString &path, QByteArrayView bytes);

// For a file the user named (a command's output): a FIFO or a device is
// written directly, the rest as writeWhole. A FIFO that nothing reads fails at
// once with EPIPE instead of waiting for a reader.
Written writeOut(const QString &path, QByteArrayView bytes);

// Writes all of `bytes` to `fd` from where it stands; the errno of a failed
// write, else 0.
int writeAll(int fd, QByteArrayView bytes);

} // namespace safefile
