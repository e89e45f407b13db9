// Where the chart tool finds the strip pictures it draws the patterns from.
#pragma once

#include "ui/pictures/strippictures.h"

#include <QString>

namespace chart {

// The pictures in `directory`, or, when it is empty, the ones the program
// itself would find.
ui::StripPictures chartPictures(const QString &directory);

} // namespace chart
