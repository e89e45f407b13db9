// The folders the strip pictures are looked for in, in order: the working
// directory, then the folder they were installed in, found from the
// program's own place so that any prefix, a staging tree or a moved
// installation works.
#pragma once

#include <QList>
#include <QString>

namespace ui {

struct PictureFolder {
    QString path; // absolute; a working directory that is gone keeps its former name
    bool gone = false; // the working directory was deleted
};

QList<PictureFolder> pictureFolders();

// Where the pictures were installed, for a program installed in
// `programFolder`.
QString installedPictureFolder(const QString &programFolder);

// Whether the folder has an entry of that name, of whatever kind, so that a
// bad file there is reported rather than passed over.
bool folderHolds(const PictureFolder &folder, const QString &name);

} // namespace ui
