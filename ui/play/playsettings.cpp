#include "ui/play/playsettings.h"

#include <QSettings>

namespace ui {

namespace {

const QString kShowJudgement = QStringLiteral("play/showJudgement");
const QString kRpm = QStringLiteral("play/rpm");
const QString kLeverWait = QStringLiteral("play/leverWait");
const QString kReachMeFirst = QStringLiteral("play/reachMeFirst");
const QString kSetting = QStringLiteral("play/setting");

int readNumber(const QSettings &settings, const QString &key, int least, int most, int otherwise)
{
    bool ok = false;
    const int n = settings.value(key).toInt(&ok);
    return ok && n >= least && n <= most ? n : otherwise;
}

} // namespace

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
    const QSettings settings;
    PlaySettings result;
    result.showJudgement = settings.value(kShowJudgement, false).toBool();
    result.rpm = readNumber(settings, kRpm, play::kSlowestRpm, play::kFullRpm, play::kFullRpm);
    result.leverWait = settings.value(kLeverWait, false).toBool();
    result.reachMeFirst = settings.value(kReachMeFirst, false).toBool();
    result.setting = readNumber(settings, kSetting, 0, 6, 0);
    return result;
}

void savePlaySettings(const PlaySettings &chosen)
{
    QSettings settings;
    settings.setValue(kShowJudgement, chosen.showJudgement);
    settings.setValue(kRpm, chosen.rpm);
    settings.setValue(kLeverWait, chosen.leverWait);
    settings.setValue(kReachMeFirst, chosen.reachMeFirst);
    settings.setValue(kSetting, chosen.setting);
}

} // namespace ui
