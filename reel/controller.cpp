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
    : view_(view)
    , spinTimers_ { &timer1, &timer2, &timer3 }
    , timer4_(timer4)
{
    timer1.onTick = [this] { Timer1_Timer(); };
    timer2.onTick = [this] { Timer2_Timer(); };
    timer3.onTick = [this] { Timer3_Timer(); };
    timer4.onTick = [this] { Timer4_Timer(); };
}

MainController::~MainController()
{
    for (IntervalTimer *timer : spinTimers_)
        timer->onTick = nullptr;
    timer4_.onTick = nullptr;
}

void MainController::setEnabled(std::initializer_list<Button> buttons, bool enabled)
{
    for (Button button : buttons)
        view_.setEnabled(button, enabled);
}

// Both speed boxes are checked before anything changes, so that a text the
// program cannot use leaves the window exactly as it was.
std::optional<MainController::BoxReading> MainController::readBox(TextBox box)
{
    BoxReading reading { view_.text(box), 0 };
    if (reading.text.empty() || isLoneZero(reading.text))
        return reading;
    const ReadResult result = readInt16(reading.text);
    if (!result.ok()) {
        view_.reportInputError(box, inputErrorMessage(box, result.outcome));
        return std::nullopt;
    }
    reading.value = result.value;
    return reading;
}

// An empty box and a speed of 0 both mean 100 ms, written back into the box.
void MainController::setReelSpeed(const BoxReading &text1)
{
    if (text1.text.empty()) {
        fields_.timint = 100;
        view_.setText(TextBox::Text1, "100");
    } else {
        fields_.timint = text1.value;
    }
    if (fields_.timint == 0) {
        fields_.timint = 100;
        view_.setText(TextBox::Text1, "100");
    }
    for (IntervalTimer *timer : spinTimers_)
        timer->setInterval(fields_.timint);
}

// Only the very text "0" (or "０") means 950 ms; "00" or "0.4" give an
// interval of 0, on which the auto-play timer never ticks.
void MainController::setAutoInterval(const BoxReading &text3)
{
    std::int16_t interval = text3.value;
    if (isLoneZero(text3.text)) {
        interval = 950;
        view_.setText(TextBox::Text3, "950");
    } else if (text3.text.empty()) {
        interval = 900;
        view_.setText(TextBox::Text3, "900");
    }
    timer4_.setInterval(interval);
}

void MainController::cmstart_Click()
{
    const auto text1 = readBox(TextBox::Text1);
    if (!text1)
        return;
    fields_.r1teisi = 0;
    fields_.r2teisi = 0;
    fields_.r3teisi = 0;
    setReelSpeed(*text1);
    view_.setCaption(Label::lbyakumei, "");
    view_.setCaption(Label::lbtamaya, "");
    setEnabled({ Button::cmend, Button::autostart, Button::cmstart, Button::r1ue, Button::r1sita,
                   Button::r2ue, Button::r2sita, Button::r3ue, Button::r3sita },
        false);
    for (IntervalTimer *timer : spinTimers_)
        timer->setEnabled(true);
    setEnabled({ Button::r1stop, Button::r2stop, Button::r3stop }, true);
    view_.setFocus(Button::r1stop);
}

ReelFields MainController::reelFields(int reel)
{
    switch (reel) {
    case 0: return { fields_.r1pos, fields_.r1top, 0 };
    case 1: return { fields_.r2pos, fields_.r2top, 1 };
    default: return { fields_.r3pos, fields_.r3top, 2 };
    }
}

std::int16_t &MainController::stopFlag(int reel)
{
    switch (reel) {
    case 0: return fields_.r1teisi;
    case 1: return fields_.r2teisi;
    default: return fields_.r3teisi;
    }
}

void MainController::stopReel(int reel)
{
    static constexpr std::array<Button, 3> stopButtons { Button::r1stop, Button::r2stop,
        Button::r3stop };
    stopFlag(reel) = 1;
    fields_.timgoukei = int16::add(int16::add(fields_.r1teisi, fields_.r2teisi), fields_.r3teisi);
    spinTimers_[static_cast<std::size_t>(reel)]->setEnabled(false);
    if (fields_.timgoukei == 3) {
        yaku();
        showJudgement();
        setEnabled({ Button::cmstart, Button::cmend, Button::autostart, Button::r2ue,
                       Button::r2sita, Button::r3ue, Button::r3sita, Button::r1ue, Button::r1sita },
            true);
    }
    view_.setEnabled(stopButtons[static_cast<std::size_t>(reel)], false);
}

void MainController::r1stop_Click() { stopReel(0); }
void MainController::r2stop_Click() { stopReel(1); }
void MainController::r3stop_Click() { stopReel(2); }

void MainController::stepAndJudge(int reel, void (*step)(ReelFields, MainView &))
{
    step(reelFields(reel), view_);
    yaku();
    showJudgement();
}

void MainController::r1ue_Click() { stepAndJudge(0, stepUp); }
void MainController::r2ue_Click() { stepAndJudge(1, stepUp); }
void MainController::r3ue_Click() { stepAndJudge(2, stepUp); }
void MainController::r1sita_Click() { stepAndJudge(0, stepDown); }
void MainController::r2sita_Click() { stepAndJudge(1, stepDown); }
void MainController::r3sita_Click() { stepAndJudge(2, stepDown); }

void MainController::Timer1_Timer() { spinTick(reelFields(0), view_); }
void MainController::Timer2_Timer() { spinTick(reelFields(1), view_); }
void MainController::Timer3_Timer() { spinTick(reelFields(2), view_); }

void MainController::cmend_Click() { view_.quit(); }
void MainController::Cmkaisetu_Click() { view_.showHelp(HelpWindow::Fkaisetu); }
void MainController::Cmsousa_Click() { view_.showHelp(HelpWindow::Fsousa); }

// The cells come from where the pictures stand, not from the counters: after
// a spin tick past 20 the counter holds 0 while the picture shows 21.
void MainController::yaku()
{
    fields_.r1jyoudan = topRowCell(view_.pictureTop(0));
    fields_.r2jyoudan = topRowCell(view_.pictureTop(1));
    fields_.r3jyoudan = topRowCell(view_.pictureTop(2));
    const judge::Code code = judge::judge(fields_.r1jyoudan, fields_.r2jyoudan, fields_.r3jyoudan);
    const judge::Message message = judge::message(code);
    fields_.yakumei = message.yakumei;
    fields_.tamaya = message.tamaya;
}

void MainController::showJudgement()
{
    view_.setCaption(Label::lbtamaya, fields_.tamaya);
    view_.setCaption(Label::lbyakumei, fields_.yakumei);
}

} // namespace reel
