#include "ui/pictures/strippictures.h"

#include "ui/pictures/picturefolders.h"
#include "ui/pictures/sharppicture.h"

#include <QDir>
#include <QGuiApplication>

#include <algorithm>

namespace ui {

namespace {

QString fileName(std::size_t reel) { return QString::fromLatin1(kStripPictureFiles[reel]); }

int picturesHeld(const PictureFolder &folder)
{
    return int(std::count_if(kStripPictureFiles.begin(), kStripPictureFiles.end(),
        [&](const char *name) { return folderHolds(folder, QString::fromLatin1(name)); }));
}

// Found nowhere: named against the folder holding the most of them (a
// player's own folder with one missing), else the first looked in.
void reportMissing(StripPictures &pictures, const QList<PictureFolder> &folders)
{
    const PictureFolder &best = *std::max_element(
        folders.begin(), folders.end(), [](const PictureFolder &a, const PictureFolder &b) {
            return picturesHeld(a) < picturesHeld(b);
        });
    pictures.directory = best.path;
    for (std::size_t reel = 0; reel < kStripPictureFiles.size(); ++reel) {
        if (!folderHolds(best, fileName(reel))) {
            pictures.failedFile = fileName(reel);
            break;
        }
    }
    pictures.problem = best.gone ? PictureProblem::folderGone : PictureProblem::missing;
    pictures.reason = problemSentence(pictures.problem);
}

PictureRead readStripPicture(const QString &path)
{
    PictureRead read = readPictureFile(path);
    const QSize size = read.image.size();
    if (read.ok() && (size.width() < kStripMinWidth || size.height() < kStripMinHeight)) {
        read.problem = PictureProblem::tooSmall;
        read.reason
            = QStringLiteral("絵が小さすぎます。%1 × %2 ピクセルですが、幅 %3 ピクセル以上、"
                             "高さ %4 ピクセル以上が必要です。")
                  .arg(size.width())
                  .arg(size.height())
                  .arg(kStripMinWidth)
                  .arg(kStripMinHeight);
    }
    return read;
}

StripPictureFolder firstHoldingAll(const QList<PictureFolder> &folders)
{
    StripPictureFolder found;
    for (const PictureFolder &folder : folders) {
        found.searched.append(folder.path);
        if (picturesHeld(folder) == int(kStripPictureFiles.size())) {
            found.path = folder.path;
            break;
        }
    }
    return found;
}

} // namespace

void readStripPicturesIn(StripPictures &pictures, const QString &folder, qreal devicePixelRatio);

StripPictureFolder findStripPictureFolder() { return firstHoldingAll(pictureFolders()); }

StripPictures loadStripPictures()
{
    // A tool without windows reads the ordinary pictures.
    const auto *app = qobject_cast<QGuiApplication *>(QCoreApplication::instance());
    return loadStripPictures(app ? app->devicePixelRatio() : 1.0);
}

StripPictures loadStripPictures(qreal devicePixelRatio)
{
    StripPictures pictures;
    const QList<PictureFolder> folders = pictureFolders();
    const StripPictureFolder folder = firstHoldingAll(folders);
    pictures.searched = folder.searched;
    if (folder.path.isEmpty()) {
        reportMissing(pictures, folders);
        return pictures;
    }
    readStripPicturesIn(pictures, folder.path, devicePixelRatio);
    return pictures;
}

StripPictures loadStripPicturesFrom(const QString &folder, qreal devicePixelRatio)
{
    StripPictures pictures;
    pictures.searched = { QDir(folder).absolutePath() };
    readStripPicturesIn(pictures, pictures.searched.front(), devicePixelRatio);
    return pictures;
}

void readStripPicturesIn(StripPictures &pictures, const QString &folder, qreal devicePixelRatio)
{
    pictures.directory = folder;
    const QDir dir(folder);
    for (std::size_t reel = 0; reel < kStripPictureFiles.size(); ++reel) {
        PictureRead read = readStripPicture(dir.filePath(fileName(reel)));
        if (!read.ok()) {
            pictures.failedFile = fileName(reel);
            pictures.problem = read.problem;
            pictures.reason = read.reason;
            return;
        }
        read.image.setDevicePixelRatio(1);
        QImage sharp = devicePixelRatio > 1
            ? readSharpPicture(dir.filePath(sharpPictureName(fileName(reel))), read.image)
            : QImage();
        pictures.images[reel] = sharp.isNull() ? read.image : sharp;
    }
}

QString StripPictures::errorMessage() const
{
    QStringList places;
    for (const QString &place : searched)
        places.append(place.isEmpty() ? QStringLiteral("（名前の分からない作業フォルダー）")
                                      : QDir::toNativeSeparators(place));
    // One folder on the line, several each on its own.
    const QString where = places.size() == 1
        ? QStringLiteral(" ") + places.front()
        : QStringLiteral("\n") + places.join(QLatin1Char('\n'));
    return QStringLiteral("リールの絵 \"%1\" を読み込めませんでした。%2\n\n探した場所:%3\n\n"
                          "r1.bmp、r2.bmp、r3.bmp のあるフォルダーで起動して下さい。")
        .arg(failedFile, reason, where);
}

} // namespace ui
