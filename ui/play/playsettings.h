// What the player chose for 実戦, kept between sittings (ui/common/settings.h).
#pragma once

#include "play/session.h"

namespace ui {

struct PlaySettings {
    bool showJudgement = false; // the result after every game, as the main window shows it
    int rpm = play::kFullRpm; // down to play::kSlowestRpm, for learning the eye-stop
    bool leverWait = false; // at least 4.1 s between two levers
    bool reachMeFirst = false; // the control's リーチ目優先
    int setting = 0; // of a new machine: 1..6, or 0 hidden and drawn at random
    bool operator==(const PlaySettings &) const = default;

    play::Options options() const;
};

// Values out of range read as the defaults.
PlaySettings loadPlaySettings();
void savePlaySettings(const PlaySettings &settings);

} // namespace ui
