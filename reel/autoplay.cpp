// Auto-play: the reels spin, and the auto-play timer stops them left, centre,
// right one tick apart, shows the judgement, clears it and spins them again.
#include "reel/controller.h"

#include "reel/int16.h"

namespace reel {

void MainController::autostart_Click()
{
    const auto text1 = readBox(TextBox::Text1);
    if (!text1)
        return;
    const auto text3 = readBox(TextBox::Text3);
    if (!text3)
        return;
    setEnabled({ Button::cmstart, Button::r1stop, Button::r2stop, Button::r3stop, Button::cmend,
                   Button::r1ue, Button::r1sita, Button::r2ue, Button::r2sita, Button::r3ue,
                   Button::r3sita },
        false);
    setReelSpeed(*text1);
    setAutoInterval(*text3);
    for (IntervalTimer *timer : spinTimers_)
        timer->setEnabled(true);
    timer4_.setEnabled(true);
    view_.setEnabled(Button::autostop, true);
    view_.setEnabled(Button::autostart, false);
    view_.setFocus(Button::autostop);
}

// One cycle is six ticks. autokaisu is never reset by a start or a stop, so
// an auto-play stopped mid-cycle resumes the cycle where it broke off.
void MainController::Timer4_Timer()
{
    fields_.autokaisu = int16::add(fields_.autokaisu, 1);
    switch (fields_.autokaisu) {
    case 1: spinTimers_[0]->setEnabled(false); break;
    case 2: spinTimers_[1]->setEnabled(false); break;
    case 3:
    case 4: // the right reel already stands; the pattern is judged again
        spinTimers_[2]->setEnabled(false);
        yaku();
        showJudgement();
        break;
    case 5:
        view_.setCaption(Label::lbtamaya, "");
        view_.setCaption(Label::lbyakumei, "");
        for (IntervalTimer *timer : spinTimers_)
            timer->setEnabled(true);
        break;
    default: fields_.autokaisu = 0; break;
    }
}

void MainController::autostop_Click()
{
    for (IntervalTimer *timer : spinTimers_)
        timer->setEnabled(false);
    timer4_.setEnabled(false);
    view_.setEnabled(Button::autostart, true);
    view_.setEnabled(Button::autostop, false);
    setEnabled({ Button::cmend, Button::r3ue, Button::r3sita, Button::cmstart, Button::r1ue,
                   Button::r1sita, Button::r2ue, Button::r2sita },
        true);
    view_.setFocus(Button::autostart);
}

} // namespace reel
