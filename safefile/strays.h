// Temporary files a killed save left behind.
#pragma once

#include <QByteArray>
#include <QString>

namespace safefile {

// QSaveFile writes through an unnamed file where the file system allows, else
// through "<name>.XXXXXX" (six letters or digits) beside the file, which a
// kill leaves behind. A name cannot tell such a leftover from a user's
// "<name>.backup": removes, in `folder`, only the regular files whose name
// has that form and whose content begins with `header`, as every file of
// that kind does. Call it only while holding the file's lock.
void removeStrayTemporaries(
    const QString &folder, const QString &fileName, const QByteArray &header);

// Whether `name` has the form of QSaveFile's temporary for `fileName`.
bool isTemporaryName(const QString &name, const QString &fileName);

} // namespace safefile
