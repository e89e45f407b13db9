#include "ui/app/chartreels.h"

namespace ui {

QString goToPatternText(reel::GoToPattern result)
{
    switch (result) {
    case reel::GoToPattern::done: return {};
    case reel::GoToPattern::reelsTurning:
        return QStringLiteral("リールが回っている間は移せません。");
    case reel::GoToPattern::autoPlaying: return QStringLiteral("オートプレイ中は移せません。");
    }
    return {};
}

ChartWindow::PatternHandler reelsHandler(reel::MainController &controller)
{
    return [&controller](judge::Pattern pattern) {
        return goToPatternText(controller.goToPattern(pattern.left, pattern.centre, pattern.right));
    };
}

} // namespace ui
