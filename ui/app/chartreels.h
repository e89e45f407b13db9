// The glue from the chart to the main window's reels: a pattern chosen in the
// chart puts the reels on it, or says why it cannot.
#pragma once

#include "reel/controller.h"
#include "ui/chart/chartwindow.h"

#include <QString>

namespace ui {

// The status-bar text for a request to put the reels on a pattern: empty when
// done, else why it was refused.
QString goToPatternText(reel::GoToPattern result);

// A handler that puts the controller's reels on the pattern.
ChartWindow::PatternHandler reelsHandler(reel::MainController &controller);

} // namespace ui
