// What the player chose for the drill, kept between sittings in QSettings.
#pragma once

#include "drill/lookalikes.h"
#include "drill/scheduler.h"

namespace ui {

inline constexpr int kMaxTimeLimitSeconds = 10;
inline constexpr int kMaxDelaySeconds = 10;

struct DrillSettings {
    drill::Mode mode = drill::Mode::weakness;
    drill::CategorySet categories; // none: all nine
    int timeLimitSeconds = 0; // 0 no limit, else 1..kMaxTimeLimitSeconds
    int delaySeconds = 0; // 0 the next pattern waits for Enter or Space
    bool metInPlayFirst = false; // the reach-me patterns met in 実戦 asked first
    bool operator==(const DrillSettings &) const = default;
};

// Values out of range read as the defaults.
DrillSettings loadDrillSettings();
void saveDrillSettings(const DrillSettings &settings);

} // namespace ui
