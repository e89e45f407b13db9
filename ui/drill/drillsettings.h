// What the player chose for the drill, kept between sittings (the settings
// are declared in ui/common/settings.h).
#pragma once

#include "drill/lookalikes.h"
#include "drill/scheduler.h"
#include "ui/common/settings.h"

namespace ui {

inline constexpr int kMaxTimeLimitSeconds = settings::kDrillTimeLimit.most;
inline constexpr int kMaxDelaySeconds = settings::kDrillDelay.most;

struct DrillSettings {
    drill::Mode mode = drill::Mode::weakness; // settings::kDrillMode's fallback
    drill::CategorySet categories; // none: all nine
    int timeLimitSeconds = settings::kDrillTimeLimit.fallback; // 0 no limit
    int delaySeconds
        = settings::kDrillDelay.fallback; // 0 the next pattern waits for Enter or Space
    // The reach-me patterns met in 実戦 asked first.
    bool metInPlayFirst = settings::kDrillMetInPlayFirst.fallback;
    bool operator==(const DrillSettings &) const = default;
};

// Values out of range read as the defaults.
DrillSettings loadDrillSettings();
void saveDrillSettings(const DrillSettings &settings);

} // namespace ui
