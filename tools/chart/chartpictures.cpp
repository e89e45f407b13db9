#include "tools/chart/chartpictures.h"

namespace chart {

ui::StripPictures chartPictures(const QString &directory)
{
    // A printed page is sharp at any size: the larger pictures where they match.
    return directory.isEmpty() ? ui::loadStripPictures(2) : ui::loadStripPicturesFrom(directory, 2);
}

} // namespace chart
