// The strip pictures for high-density screens: "r1@2x.bmp" beside "r1.bmp",
// drawn at twice the size. One is used only where it truly shows the same as
// its ordinary picture, so a player's own "r1.bmp" is never hidden behind a
// stale "r1@2x.bmp".
#pragma once

#include <QImage>
#include <QString>

namespace ui {

// "r1.bmp" → "r1@2x.bmp".
QString sharpPictureName(const QString &name);

// The largest of the three colour channels' mean difference between `sharp`,
// each 2 × 2 block averaged, and `normal`; `sharp` must be twice its size.
double scaledDownDifference(const QImage &sharp, const QImage &normal);

// Most a sharp picture may differ, scaled down, from its ordinary one.
inline constexpr double kSharpTolerance = 8;

// The picture from `sharpPath` with a device pixel ratio of 2 when it is a
// readable picture exactly twice the size of `normal` that matches it scaled
// down; otherwise a null image, with one warning on stderr unless there is
// no such file.
QImage readSharpPicture(const QString &sharpPath, const QImage &normal);

} // namespace ui
