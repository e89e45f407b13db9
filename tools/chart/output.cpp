#include "tools/chart/output.h"

#include "safefile/writing.h"

#include <QString>

#include <cerrno>
#include <cstring>
#include <ostream>

namespace chart {

bool writeFile(const std::string &path, const std::string &bytes, std::string &error)
{
    const safefile::Written written = safefile::writeOut(
        QString::fromStdString(path), QByteArrayView(bytes.data(), qsizetype(bytes.size())));
    if (!written.ok)
        error = "cannot write " + path + ": " + std::strerror(written.error);
    return written.ok;
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
