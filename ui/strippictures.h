// The three reel strip pictures, read from the current working directory.
#pragma once

#include <QImage>
#include <QString>

#include <array>

namespace ui {

inline constexpr std::array<const char *, 3> kStripPictureFiles { "r1.bmp", "r2.bmp", "r3.bmp" };

struct StripPictures {
    std::array<QImage, 3> images; // left, centre, right

    // Set when a picture could not be read; the later ones were not tried.
    QString failedFile; // "r1.bmp" … "r3.bmp"
    QString directory; // absolute, where the file was looked for
    bool missing = false; // not there at all, rather than not a picture

    bool loaded() const { return failedFile.isEmpty(); }
    QString errorMessage() const;
};

// Reads "r1.bmp", "r2.bmp" and "r3.bmp", in that order, stopping at the first
// that cannot be read. Neither the size nor the content is checked.
StripPictures loadStripPictures();

} // namespace ui
