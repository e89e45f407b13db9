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
    for (IntervalTimer *timer : m_spinTimers)
        timer->setEnabled(true);
    m_timer4.setEnabled(true);
    m_view.setEnabled(Button::autostop, true);
    m_view.setEnabled(Button::autostart, false);
    m_view.setFocus(Button::autostop);
}

// One cycle is six ticks. autokaisu is never reset by a start or a stop, so
// an auto-play stopped mid-cycle resumes the cycle where it broke off.
void MainController::Timer4_Timer()
{
    m_fields.autokaisu = int16::add(m_fields.autokaisu, 1);
    switch (m_fields.autokaisu) {
    case 1: m_spinTimers[0]->setEnabled(false); break;
    case 2: m_spinTimers[1]->setEnabled(false); break;
    case 3:
    case 4: // the right reel already stands; the pattern is judged again
        m_spinTimers[2]->setEnabled(false);
        yaku();
        showJudgement();
        break;
    case 5:
        m_view.setCaption(Label::lbtamaya, "");
        m_view.setCaption(Label::lbyakumei, "");
        for (IntervalTimer *timer : m_spinTimers)
            timer->setEnabled(true);
        break;
    default: m_fields.autokaisu = 0; break;
    }
}

void MainController::autostop_Click()
{
    for (IntervalTimer *timer : m_spinTimers)
        timer->setEnabled(false);
    m_timer4.setEnabled(false);
    m_view.setEnabled(Button::autostart, true);
    m_view.setEnabled(Button::autostop, false);
    setEnabled({ Button::cmend, Button::r3ue, Button::r3sita, Button::cmstart, Button::r1ue,
                   Button::r1sita, Button::r2ue, Button::r2sita },
        true);
    m_view.setFocus(Button::autostart);
}

} // namespace reel
