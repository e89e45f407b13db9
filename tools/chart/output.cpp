#include "tools/chart/output.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstring>
#include <ostream>

namespace chart {

namespace {

bool writeAll(QFileDevice &file, const std::string &bytes)
{
    return file.write(bytes.data(), qint64(bytes.size())) == qint64(bytes.size());
}

} // namespace

bool writeFile(const std::string &path, const std::string &bytes, std::string &error)
{
    const QString name = QString::fromStdString(path);
    const QFileInfo info(name);
    bool done = false;
    QString reason;
    if (info.exists() && !info.isFile()) {
        QFile file(name);
        done = file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) && writeAll(file, bytes)
            && file.flush();
        reason = file.errorString();
    } else {
        QSaveFile file(name);
        done = file.open(QIODevice::WriteOnly) && writeAll(file, bytes) && file.commit();
        reason = file.errorString();
    }
    if (!done)
        error = "cannot write " + path + ": " + reason.toStdString();
    return done;
}

bool flushed(std::ostream &out, std::string &error)
{
    out.flush();
    if (out)
        return true;
    error = std::string("cannot write standard output: ")
        + (errno ? std::strerror(errno) : "write failed");
    return false;
}

} // namespace chart
