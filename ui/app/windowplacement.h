#pragma once

class QWidget;

namespace ui {

// The chart's and the drill's windows come back where the player left them.
// `key` names the window in the settings ("chart", "drill"). The first time,
// or when the remembered place is on no screen now, the window stands beside
// `beside` (right of it, else left of it) when given, else in the centre.
void restoreWindowPlace(QWidget *window, const char *key, const QWidget *beside);
void saveWindowPlace(const QWidget *window, const char *key);

} // namespace ui
