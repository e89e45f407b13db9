#include "ui/strippictures.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>

namespace ui {

StripPictures loadStripPictures()
{
    StripPictures pictures;
    for (std::size_t i = 0; i < kStripPictureFiles.size(); ++i) {
        const QString name = QString::fromLatin1(kStripPictureFiles[i]);
        QImageReader reader(name);
        if (!reader.read(&pictures.images[i])) {
            pictures.failedFile = name;
            pictures.directory = QDir::currentPath();
            pictures.missing = !QFileInfo::exists(name);
            break;
        }
    }
    return pictures;
}

QString StripPictures::errorMessage() const
{
    const QString problem = missing ? QStringLiteral("ファイルが見つかりません。")
                                    : QStringLiteral("画像として読み込めません。");
    return QStringLiteral("リールの絵 \"%1\" を読み込めませんでした。%2\n\n探した場所: %3\n\n"
                          "r1.bmp、r2.bmp、r3.bmp のあるフォルダーで起動して下さい。")
        .arg(failedFile, problem, QDir::toNativeSeparators(directory));
}

} // namespace ui
