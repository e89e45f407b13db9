#include "safefile/strays.h"

#include "safefile/reading.h"

#include <QDir>
#include <QFile>

namespace safefile {

bool isTemporaryName(const QString &name, const QString &fileName)
{
    constexpr qsizetype kLetters = 6;
    if (name.size() != fileName.size() + 1 + kLetters || !name.startsWith(fileName)
        || name[fileName.size()] != u'.')
        return false;
    for (const QChar c : QStringView(name).last(kLetters))
        if (!(c.isDigit() || (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z')))
            return false;
    return true;
}

void removeStrayTemporaries(
    const QString &folder, const QString &fileName, const QByteArray &header)
{
    const QDir dir(folder);
    for (const QString &name : dir.entryList(
             { fileName + QStringLiteral(".*") }, QDir::Files | QDir::Hidden | QDir::System)) {
        if (!isTemporaryName(name, fileName))
            continue;
        const QString path = dir.filePath(name);
        // readStart reads regular files only and never through a link.
        if (!header.isEmpty() && readStart(path, header.size()) == header)
            QFile::remove(path);
    }
}

} // namespace safefile
