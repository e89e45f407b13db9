#include "ui/play/playsettings.h"

#include "ui/common/settings.h"

namespace ui {

static_assert(settings::kPlayRpm.fallback == PlaySettings {}.rpm
    && settings::kPlayRpm.least == play::kSlowestRpm && settings::kPlayRpm.most == play::kFullRpm
    && settings::kPlaySetting.fallback == PlaySettings {}.setting);

play::Options PlaySettings::options() const
{
    play::Options options;
    options.rpm = rpm;
    options.leverWait = leverWait;
    options.control
        = reachMeFirst ? machine::ControlOption::reachMeFirst : machine::ControlOption::standard;
    return options;
}

PlaySettings loadPlaySettings()
{
    PlaySettings result;
    result.showJudgement = settings::kPlayJudgement.readOther();
    result.rpm = settings::kPlayRpm.read();
    result.leverWait = settings::kPlayLeverWait.readOther();
    result.reachMeFirst = settings::kPlayReachMeFirst.readOther();
    result.setting = settings::kPlaySetting.read();
    return result;
}

void savePlaySettings(const PlaySettings &chosen)
{
    settings::kPlayJudgement.writeOther(chosen.showJudgement);
    settings::kPlayRpm.write(chosen.rpm);
    settings::kPlayLeverWait.writeOther(chosen.leverWait);
    settings::kPlayReachMeFirst.writeOther(chosen.reachMeFirst);
    settings::kPlaySetting.write(chosen.setting);
}

} // namespace ui
