#include "ui/drill/drillsettings.h"

#include <QSettings>

namespace ui {

namespace {

const QString kMode = QStringLiteral("drill/mode");
const QString kCategories = QStringLiteral("drill/categories");
const QString kTimeLimit = QStringLiteral("drill/timeLimitSeconds");
const QString kDelay = QStringLiteral("drill/delaySeconds");

int readSeconds(const QSettings &settings, const QString &key, int most)
{
    bool ok = false;
    const int seconds = settings.value(key).toInt(&ok);
    return ok && seconds >= 0 && seconds <= most ? seconds : 0;
}

} // namespace

DrillSettings loadDrillSettings()
{
    const QSettings settings;
    DrillSettings result;
    if (settings.value(kMode).toString() == QStringLiteral("play"))
        result.mode = drill::Mode::play;
    // The chosen category numbers, e.g. "2 3 4 9".
    const QStringList numbers
        = settings.value(kCategories).toString().split(u' ', Qt::SkipEmptyParts);
    for (const QString &text : numbers) {
        const int n = text.toInt();
        if (n >= 1 && n <= judge::kCategoryCount)
            result.categories.set(std::size_t(n));
    }
    result.timeLimitSeconds = readSeconds(settings, kTimeLimit, kMaxTimeLimitSeconds);
    result.delaySeconds = readSeconds(settings, kDelay, kMaxDelaySeconds);
    return result;
}

void saveDrillSettings(const DrillSettings &chosen)
{
    QSettings settings;
    settings.setValue(kMode,
        chosen.mode == drill::Mode::play ? QStringLiteral("play") : QStringLiteral("weakness"));
    QStringList numbers;
    for (int n = 1; n <= judge::kCategoryCount; ++n)
        if (chosen.categories.test(std::size_t(n)))
            numbers << QString::number(n);
    settings.setValue(kCategories, numbers.join(u' '));
    settings.setValue(kTimeLimit, chosen.timeLimitSeconds);
    settings.setValue(kDelay, chosen.delaySeconds);
}

} // namespace ui
