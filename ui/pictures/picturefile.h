// Reading one picture file safely: it is opened without blocking, refused
// unless it is a regular file holding every pixel row its header promises,
// and every refusal carries its true reason in words.
#pragma once

#include <QImage>
#include <QString>

namespace ui {

enum class PictureProblem {
    None,
    Missing, // no such file
    FolderGone, // the folder it was looked for in no longer exists
    NoPermission,
    LinkLoop, // symbolic links that never end in a file
    NotRegularFile, // a folder, a FIFO, a device …
    CannotOpen, // any other reason the system gives
    Truncated, // pixel rows missing at the end
    NotAPicture,
    TooSmall, // smaller than the place it is shown in needs
};

struct PictureRead {
    QImage image; // null unless read
    PictureProblem problem = PictureProblem::None;
    QString reason; // the problem in words, for the player

    bool ok() const { return problem == PictureProblem::None; }
};

PictureRead readPictureFile(const QString &path);

} // namespace ui
