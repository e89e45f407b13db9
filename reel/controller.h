// The main window's controller: its event handlers, the reel speed, the
// button sets and the auto-play cycle. It keeps no "mode" of its own: the
// situation is which timers run and which buttons are enabled.
#pragma once

#include "reel/intervaltimer.h"
#include "reel/mainview.h"

#include <cstdint>
#include <string>

namespace reel {

class MainController {
public:
    // Hooks the four timers' ticks to Timer1_Timer … Timer4_Timer. The view
    // and the timers must outlive the controller.
    MainController(MainView &view, IntervalTimer &timer1, IntervalTimer &timer2,
                   IntervalTimer &timer3, IntervalTimer &timer4);

    // Button handlers, named after the buttons.
    void cmstart_Click();
    void r1stop_Click();
    void r2stop_Click();
    void r3stop_Click();
    void r1ue_Click();
    void r2ue_Click();
    void r3ue_Click();
    void r1sita_Click();
    void r2sita_Click();
    void r3sita_Click();
    void cmend_Click();
    void autostart_Click();
    void autostop_Click();
    void Cmkaisetu_Click();
    void Cmsousa_Click();

    // Timer handlers: spin ticks of the three reels and the auto-play tick.
    void Timer1_Timer();
    void Timer2_Timer();
    void Timer3_Timer();
    void Timer4_Timer();

    // Judges the pattern the three strip pictures show now.
    void yaku();

    // (Fields and read-only accessors for tests are added by the implementation.)
};

} // namespace reel
