#include "tools/chart/chartpictures.h"

#include <QDir>

namespace chart {

ui::StripPictures chartPictures(const QString &directory)
{
    if (directory.isEmpty())
        return ui::loadStripPictures();
    // The loader reads the working directory; lend it the one asked for.
    const QString previous = QDir::currentPath();
    if (!QDir::setCurrent(directory)) {
        ui::StripPictures pictures;
        pictures.failedFile = QString::fromLatin1(ui::kStripPictureFiles[0]);
        pictures.directory = QDir(directory).absolutePath();
        pictures.missing = true;
        return pictures;
    }
    ui::StripPictures pictures = ui::loadStripPictures();
    QDir::setCurrent(previous);
    return pictures;
}

} // namespace chart
