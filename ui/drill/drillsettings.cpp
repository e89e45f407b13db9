#include "ui/drill/drillsettings.h"

#include <QStringList>

namespace ui {

DrillSettings loadDrillSettings()
{
    DrillSettings result;
    if (settings::kDrillMode.readOther())
        result.mode = drill::Mode::play;
    const QStringList numbers = settings::kDrillCategories.read().split(u' ', Qt::SkipEmptyParts);
    for (const QString &text : numbers) {
        const int n = text.toInt();
        if (n >= 1 && n <= judge::kCategoryCount)
            result.categories.set(std::size_t(n));
    }
    result.timeLimitSeconds = settings::kDrillTimeLimit.read();
    result.delaySeconds = settings::kDrillDelay.read();
    return result;
}

void saveDrillSettings(const DrillSettings &chosen)
{
    settings::kDrillMode.writeOther(chosen.mode == drill::Mode::play);
    QStringList numbers;
    for (int n = 1; n <= judge::kCategoryCount; ++n)
        if (chosen.categories.test(std::size_t(n)))
            numbers << QString::number(n);
    settings::kDrillCategories.write(numbers.join(u' '));
    settings::kDrillTimeLimit.write(chosen.timeLimitSeconds);
    settings::kDrillDelay.write(chosen.delaySeconds);
}

} // namespace ui
