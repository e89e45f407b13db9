// Reading one picture file safely: it is opened without blocking, refused
// unless it is a regular file holding every pixel row its header promises,
// and every refusal carries its true reason in words.
#pragma once

#include <QImage>
#include <QString>

namespace ui {

enum class PictureProblem {
    none,
    missing, // no such file
    folderGone, // the folder it was looked for in no longer exists
    noPermission,
    linkLoop, // symbolic links that never end in a file
    notRegularFile, // a folder, a FIFO, a device …
    cannotOpen, // any other reason the system gives
    truncated, // pixel rows missing at the end
    notAPicture,
    tooSmall, // smaller than the place it is shown in needs
};

struct PictureRead {
    QImage image; // null unless read
    PictureProblem problem = PictureProblem::none;
    QString reason; // the problem in words, for the player

    bool ok() const { return problem == PictureProblem::none; }
};

PictureRead readPictureFile(const QString &path);

} // namespace ui
