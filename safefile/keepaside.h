// Moving a damaged file out of the way under a name of its own, byte for byte.
#pragma once

#include <QDateTime>
#include <QString>

namespace safefile {

struct KeptAside {
    bool ok = false;
    QString path; // where the file went
    int error = 0; // why it could not be moved
};

// Renames `path` to "<prefix>YYYYMMDD-HHMMSS<suffix>" beside it (local time
// of `when`), or "…-2<suffix>", "…-3<suffix>" … when that name is taken.
// Never replaces anything at the new name and never follows a link there
// (a link to nowhere is taken too); never copies.
KeptAside keepAside(const QString &path, const QString &prefix, const QString &suffix,
    const QDateTime &when = QDateTime::currentDateTime());

} // namespace safefile
