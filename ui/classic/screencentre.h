// Where a window opens when it has no place of its own: the classic windows
// always, the newer ones the first time.
#pragma once

class QWidget;

namespace ui {

// Moves a window that is not shown yet so that its client area stands in the
// middle of its screen's free area.
void placeInScreenCentre(QWidget *window);

} // namespace ui
