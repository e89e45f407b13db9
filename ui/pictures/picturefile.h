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

// The problem in words, beside it: a few English words for the chart tool's
// terminal ("no such file"), and the player's sentence for the problems that
// need no more detail (empty for the others, whose reason gives the sizes or
// the system's own words).
const char *problemInEnglish(PictureProblem problem);
QString problemSentence(PictureProblem problem);

struct PictureRead {
    QImage image; // null unless read
    PictureProblem problem = PictureProblem::none;
    QString reason; // the problem in words, for the player

    bool ok() const { return problem == PictureProblem::none; }
};

PictureRead readPictureFile(const QString &path);

} // namespace ui
