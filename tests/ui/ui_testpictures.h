// Strip pictures for the window tests: 100 × 1680 pixels like the real ones,
// every pixel row in a colour of its own, so that a grab of a reel window
// tells exactly which rows it shows.
#pragma once

#include "ui/pictures/strippictures.h"

#include <QColor>
#include <QDir>
#include <QImage>

#include <initializer_list>

namespace uitest {

inline constexpr int kPictureWidth = 100;
inline constexpr int kPictureHeight = 1680;

// Colours nothing else on the windows shows, not even where text is blended
// into its background: blue 0xE7 over a low green that tells the reel, red
// and green together the row.
inline QRgb rowColour(int reel, int row)
{
    return qRgb(row & 0xFF, 0x10 + 8 * (row >> 8) + reel, 0xE7);
}

inline bool isPictureColour(QRgb pixel)
{
    return qBlue(pixel) == 0xE7 && qGreen(pixel) >= 0x10 && qGreen(pixel) < 0x10 + 8 * 7;
}

inline QImage stripPicture(int reel)
{
    QImage image(kPictureWidth, kPictureHeight, QImage::Format_RGB32);
    for (int row = 0; row < kPictureHeight; ++row)
        for (int x = 0; x < kPictureWidth; ++x)
            image.setPixel(x, row, rowColour(reel, row));
    return image;
}

inline ui::StripPictures stripPictures()
{
    ui::StripPictures pictures;
    for (int reel = 0; reel < 3; ++reel)
        pictures.images[std::size_t(reel)] = stripPicture(reel);
    return pictures;
}

// The same pictures with blue telling the column as well, for tests of which
// columns are shown (isPictureColour no longer holds).
inline ui::StripPictures columnMarkedPictures()
{
    ui::StripPictures pictures = stripPictures();
    for (QImage &image : pictures.images)
        for (int row = 0; row < kPictureHeight; ++row)
            for (int x = 0; x < kPictureWidth; ++x)
                image.setPixel(x, row, (image.pixel(x, row) & ~0xFFu) | QRgb(x));
    return pictures;
}

// Writes "r1.bmp" … "r3.bmp" as 24-bit bitmaps for the listed reels 0..2.
inline bool writeStripPictures(const QDir &dir, std::initializer_list<int> reels = { 0, 1, 2 })
{
    for (int reel : reels) {
        const QImage picture = stripPicture(reel).convertToFormat(QImage::Format_RGB888);
        if (!picture.save(dir.filePath(QStringLiteral("r%1.bmp").arg(reel + 1)), "BMP"))
            return false;
    }
    return true;
}

// Reads the pictures with `dir` as the working directory, as the program is
// started there (on a screen of the given pixel ratio, if one is given), and
// goes back to the directory it was in.
inline ui::StripPictures loadStripPicturesIn(const QString &dir, qreal ratio = 0)
{
    const QString previous = QDir::currentPath();
    QDir::setCurrent(dir);
    ui::StripPictures pictures = ratio > 0 ? ui::loadStripPictures(ratio) : ui::loadStripPictures();
    QDir::setCurrent(previous);
    return pictures;
}

} // namespace uitest
