// The three reel strip pictures: from the working directory when it holds
// all three, else from the folder they were installed in; on a high-density
// screen their twice-as-large versions where those truly match.
#pragma once

#include "ui/pictures/picturefile.h"
#include "ui/pictures/reelgeometry.h"

#include <QImage>
#include <QString>
#include <QStringList>

#include <array>

namespace ui {

inline constexpr std::array<const char *, 3> kStripPictureFiles { "r1.bmp", "r2.bmp", "r3.bmp" };

// The reel windows show columns 1..95, and the 21 cells of 65 rows with the
// cells repeated above and below them fill 1680 rows. Larger pictures are
// shown as they are.
inline constexpr int kStripMinWidth = kFirstShownColumn + toPixels(kOpeningWidth);
inline constexpr int kStripMinHeight = judge::kStripHeight;
static_assert(kStripMinWidth == 96);

struct StripPictures {
    // Left, centre, right; each with its device pixel ratio set, so that its
    // deviceIndependentSize() is the size it is shown at.
    std::array<QImage, 3> images;

    QString directory; // absolute: where the pictures come from, or the failed one was looked for
    QStringList searched; // every folder looked in, in order

    // Set when a picture cannot serve; the later ones were not tried.
    QString failedFile; // "r1.bmp" … "r3.bmp"
    PictureProblem problem = PictureProblem::none;
    QString reason; // the problem in words

    bool loaded() const { return failedFile.isEmpty(); }
    QString errorMessage() const;
};

struct StripPictureFolder {
    QString path; // the first folder holding all three pictures; empty if none does
    QStringList searched; // every folder looked in, in order
};

StripPictureFolder findStripPictureFolder();

// Reads "r1.bmp", "r2.bmp" and "r3.bmp" from one folder, in that order,
// stopping at the first that cannot serve. Where `devicePixelRatio` is above
// 1, each one's "@2x" picture is used instead when it matches.
StripPictures loadStripPictures(qreal devicePixelRatio);
// At the highest device pixel ratio of the screens.
StripPictures loadStripPictures();

// The three pictures from `folder` alone (the chart tool's --pictures).
StripPictures loadStripPicturesFrom(const QString &folder, qreal devicePixelRatio = 1);

} // namespace ui
