// Putting the reels on a pattern chosen elsewhere (the chart), as the ▲ and ▼
// buttons would have: the same fields, picture tops and judgement.
#include "reel/controller.h"

#include "judge/table.h"

#include <stdexcept>

namespace reel {

GoToPattern MainController::goToPattern(int left, int centre, int right)
{
    if (!judge::isCell(left) || !judge::isCell(centre) || !judge::isCell(right))
        throw std::out_of_range("reel::goToPattern: no such cell");
    if (m_timer4.isEnabled())
        return GoToPattern::autoPlaying;
    for (const IntervalTimer *timer : m_spinTimers)
        if (timer->isEnabled())
            return GoToPattern::reelsTurning;
    const std::array<int, 3> cells { left, centre, right };
    for (int reel = 0; reel < 3; ++reel) {
        const int cell = cells[static_cast<std::size_t>(reel)];
        // A reel that already shows the cell stays where it stands.
        if (topRowCell(m_view.pictureTop(reel)) == cell)
            continue;
        ReelFields fields = reelFields(reel);
        // The inverse of topRowCell: cell 1 stands at position 21, where ▼
        // from cell 2 puts it.
        fields.pos = static_cast<std::int16_t>(judge::positionShowing(cell));
        fields.top = pictureOffset(fields.pos);
        m_view.setPictureTop(reel, fields.top);
    }
    yaku();
    showJudgement();
    return GoToPattern::done;
}

} // namespace reel
