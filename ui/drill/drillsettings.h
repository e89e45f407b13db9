// What the player chose for the drill, kept between sittings (the settings
// are declared in ui/common/settings.h).
#pragma once

#include "drill/session.h"
#include "ui/common/settings.h"

namespace ui {

inline constexpr int kMaxTimeLimitSeconds = settings::kDrillTimeLimit.most;
inline constexpr int kMaxDelaySeconds = settings::kDrillDelay.most;

using DrillSettings = drill::SessionSettings;

// Values out of range read as the defaults.
DrillSettings loadDrillSettings();
void saveDrillSettings(const DrillSettings &settings);

} // namespace ui
