#include "reel/controller.h"

#include "reel/inputerror.h"
#include "reel/int16.h"
#include "reel/numberinput.h"
#include "reel/reelmodel.h"

#include "judge/codes.h"
#include "judge/table.h"

namespace reel {

MainController::MainController(MainView &view, IntervalTimer &timer1, IntervalTimer &timer2,
    IntervalTimer &timer3, IntervalTimer &timer4)
    : m_view(view)
    , m_spinTimers { &timer1, &timer2, &timer3 }
    , m_timer4(timer4)
{
    timer1.onTick = [this] { Timer1_Timer(); };
    timer2.onTick = [this] { Timer2_Timer(); };
    timer3.onTick = [this] { Timer3_Timer(); };
    timer4.onTick = [this] { Timer4_Timer(); };
}

MainController::~MainController()
{
    for (IntervalTimer *timer : m_spinTimers)
        timer->onTick = nullptr;
    m_timer4.onTick = nullptr;
}

void MainController::setEnabled(std::initializer_list<Button> buttons, bool enabled)
{
    for (Button button : buttons)
        m_view.setEnabled(button, enabled);
}

// Both speed boxes are checked before anything changes, so that a text the
// program cannot use leaves the window exactly as it was.
std::optional<MainController::BoxReading> MainController::readBox(TextBox box)
{
    BoxReading reading { m_view.text(box), 0 };
    if (reading.text.empty() || isLoneZero(reading.text))
        return reading;
    const ReadResult result = readInt16(reading.text);
    if (!result.ok()) {
        m_view.reportInputError(box, inputErrorMessage(box, result.outcome));
        return std::nullopt;
    }
    reading.value = result.value;
    return reading;
}

// An empty box and a speed of 0 both mean 100 ms, written back into the box.
void MainController::setReelSpeed(const BoxReading &text1)
{
    if (text1.text.empty()) {
        m_fields.timint = 100;
        m_view.setText(TextBox::Text1, "100");
    } else {
        m_fields.timint = text1.value;
    }
    if (m_fields.timint == 0) {
        m_fields.timint = 100;
        m_view.setText(TextBox::Text1, "100");
    }
    for (IntervalTimer *timer : m_spinTimers)
        timer->setInterval(m_fields.timint);
}

// Only the very text "0" (or "０") means 950 ms; "00" or "0.4" give an
// interval of 0, on which the auto-play timer never ticks.
void MainController::setAutoInterval(const BoxReading &text3)
{
    std::int16_t interval = text3.value;
    if (isLoneZero(text3.text)) {
        interval = 950;
        m_view.setText(TextBox::Text3, "950");
    } else if (text3.text.empty()) {
        interval = 900;
        m_view.setText(TextBox::Text3, "900");
    }
    m_timer4.setInterval(interval);
}

void MainController::cmstart_Click()
{
    const auto text1 = readBox(TextBox::Text1);
    if (!text1)
        return;
    m_fields.r1teisi = 0;
    m_fields.r2teisi = 0;
    m_fields.r3teisi = 0;
    setReelSpeed(*text1);
    m_view.setCaption(Label::lbyakumei, "");
    m_view.setCaption(Label::lbtamaya, "");
    setEnabled({ Button::cmend, Button::autostart, Button::cmstart, Button::r1ue, Button::r1sita,
                   Button::r2ue, Button::r2sita, Button::r3ue, Button::r3sita },
        false);
    for (IntervalTimer *timer : m_spinTimers)
        timer->setEnabled(true);
    setEnabled({ Button::r1stop, Button::r2stop, Button::r3stop }, true);
    m_view.setFocus(Button::r1stop);
}

ReelFields MainController::reelFields(int reel)
{
    switch (reel) {
    case 0: return { m_fields.r1pos, m_fields.r1top, 0 };
    case 1: return { m_fields.r2pos, m_fields.r2top, 1 };
    default: return { m_fields.r3pos, m_fields.r3top, 2 };
    }
}

std::int16_t &MainController::stopFlag(int reel)
{
    switch (reel) {
    case 0: return m_fields.r1teisi;
    case 1: return m_fields.r2teisi;
    default: return m_fields.r3teisi;
    }
}

void MainController::stopReel(int reel)
{
    static constexpr std::array<Button, 3> kStopButtons { Button::r1stop, Button::r2stop,
        Button::r3stop };
    stopFlag(reel) = 1;
    m_fields.timgoukei
        = int16::add(int16::add(m_fields.r1teisi, m_fields.r2teisi), m_fields.r3teisi);
    m_spinTimers[static_cast<std::size_t>(reel)]->setEnabled(false);
    if (m_fields.timgoukei == 3) {
        yaku();
        showJudgement();
        setEnabled({ Button::cmstart, Button::cmend, Button::autostart, Button::r2ue,
                       Button::r2sita, Button::r3ue, Button::r3sita, Button::r1ue, Button::r1sita },
            true);
    }
    m_view.setEnabled(kStopButtons[static_cast<std::size_t>(reel)], false);
}

void MainController::r1stop_Click() { stopReel(0); }
void MainController::r2stop_Click() { stopReel(1); }
void MainController::r3stop_Click() { stopReel(2); }

void MainController::stepAndJudge(int reel, void (*step)(ReelFields, MainView &))
{
    step(reelFields(reel), m_view);
    yaku();
    showJudgement();
}

void MainController::r1ue_Click() { stepAndJudge(0, stepUp); }
void MainController::r2ue_Click() { stepAndJudge(1, stepUp); }
void MainController::r3ue_Click() { stepAndJudge(2, stepUp); }
void MainController::r1sita_Click() { stepAndJudge(0, stepDown); }
void MainController::r2sita_Click() { stepAndJudge(1, stepDown); }
void MainController::r3sita_Click() { stepAndJudge(2, stepDown); }

void MainController::Timer1_Timer() { spinTick(reelFields(0), m_view); }
void MainController::Timer2_Timer() { spinTick(reelFields(1), m_view); }
void MainController::Timer3_Timer() { spinTick(reelFields(2), m_view); }

void MainController::cmend_Click() { m_view.quit(); }
void MainController::Cmkaisetu_Click() { m_view.showHelp(HelpWindow::Fkaisetu); }
void MainController::Cmsousa_Click() { m_view.showHelp(HelpWindow::Fsousa); }

// The cells come from where the pictures stand, not from the counters: after
// a spin tick past 20 the counter holds 0 while the picture shows 21.
void MainController::yaku()
{
    m_fields.r1jyoudan = topRowCell(m_view.pictureTop(0));
    m_fields.r2jyoudan = topRowCell(m_view.pictureTop(1));
    m_fields.r3jyoudan = topRowCell(m_view.pictureTop(2));
    const judge::Code code
        = judge::judge(m_fields.r1jyoudan, m_fields.r2jyoudan, m_fields.r3jyoudan);
    const judge::Message message = judge::message(code);
    m_fields.yakumei = message.yakumei;
    m_fields.tamaya = message.tamaya;
}

void MainController::showJudgement()
{
    m_view.setCaption(Label::lbtamaya, m_fields.tamaya);
    m_view.setCaption(Label::lbyakumei, m_fields.yakumei);
}

} // namespace reel
