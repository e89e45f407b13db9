// The main window's controller: its event handlers, the reel speed, the
// button sets and the auto-play cycle. It keeps no "mode" of its own: the
// situation is which timers run and which buttons are enabled.
#pragma once

#include "reel/mainview.h"
#include "reel/windowfields.h"
#include "timing/intervaltimer.h"

#include <array>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>

namespace reel {

using timing::IntervalTimer;

// What became of a request to put the reels on a pattern.
enum class GoToPattern { done, reelsTurning, autoPlaying };

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

    // Puts the reels on the top-row cells left, centre, right (1..21) and
    // judges them as if the player had stepped there. Refused, changing
    // nothing, while a reel turns or auto-play runs.
    GoToPattern goToPattern(int left, int centre, int right);

    // Unhooks the timers' ticks.
    ~MainController();
    MainController(const MainController &) = delete;
    MainController &operator=(const MainController &) = delete;

    // The window's variables: reel fields, timint, timgoukei, autokaisu, the
    // last judgement's cells and texts.
    const WindowFields &fields() const { return m_fields; }

    // A handler that meets an arithmetic overflow or an impossible picture
    // position throws (std::overflow_error, std::out_of_range): a run-time
    // error the program cannot go on from. A speed box it cannot use is no
    // such error: the handler reports it through the view and changes nothing.

private:
    // A speed box's text, and its value when it is not empty.
    struct BoxReading {
        std::string text;
        std::int16_t value;
    };

    std::optional<BoxReading> readBox(TextBox box);
    void setReelSpeed(const BoxReading &text1);
    void setAutoInterval(const BoxReading &text3);

    ReelFields reelFields(int reel);
    std::int16_t &stopFlag(int reel);
    void stopReel(int reel);
    void stepAndJudge(int reel, void (*step)(ReelFields, MainView &));
    void showJudgement();
    void setEnabled(std::initializer_list<Button> buttons, bool enabled);

    MainView &m_view;
    std::array<IntervalTimer *, 3> m_spinTimers;
    IntervalTimer &m_timer4;
    WindowFields m_fields;
};

} // namespace reel
