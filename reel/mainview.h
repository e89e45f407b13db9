// What the main window's controller needs of the window it drives.
//
// The controller is plain C++; the Qt main window implements this interface,
// and the tests implement it with a recording fake. Texts are UTF-8.
//
// The names of windows, controls and variables are the classic program's,
// Japanese words in romaji:
//   riru      リール, reel: the main window
//   ue, sita  上, 下: up, down (r1ue is reel 1's ▲ button, r3sita reel 3's ▼)
//   teisi     停止, stop: r1teisi is set once reel 1's stop button is pressed
//   jyoudan   上段, top row: r1jyoudan is the cell in reel 1's top row
//   goukei    合計, total: timgoukei counts the reels stopped so far
//   kaisu     回数, count: autokaisu is the tick within the auto-play cycle
//   yaku      役, a winning pattern: yaku() judges the pattern shown
//   yakumei   役名, the pattern's name: the judgement's main message
//   tamaya    たまや, the cheer shouted at fireworks: the judgement's second,
//             often empty, message
//   kaisetu   解説, commentary: the terms help window Fkaisetu and its button
//   sousa     操作, operation: the operation help window Fsousa and its button
//   Text1     the reel speed box: milliseconds per one-cell step of a reel
//   Text3     the auto-play box: milliseconds between auto-play's stops
//   Timer1…3  step the left, centre and right reel while it spins
//   Timer4    drives the auto-play cycle, every Text3 milliseconds
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace reel {

// The main window's buttons the controller enables, disables or focuses,
// named as their objectNames.
enum class Button {
    cmstart,
    r1stop,
    r2stop,
    r3stop,
    r1ue,
    r1sita,
    r2ue,
    r2sita,
    r3ue,
    r3sita,
    cmend,
    autostart,
    autostop,
    Cmkaisetu,
    Cmsousa, // the last
};
inline constexpr std::size_t kButtonCount = static_cast<std::size_t>(Button::Cmsousa) + 1;

enum class Label { lbyakumei, lbtamaya };

enum class TextBox { Text1, Text3 };

enum class HelpWindow { Fkaisetu, Fsousa };

class MainView {
public:
    virtual ~MainView() = default;

    virtual void setEnabled(Button button, bool enabled) = 0;
    virtual bool isEnabled(Button button) const = 0;
    virtual void setFocus(Button button) = 0;

    virtual void setCaption(Label label, std::string_view text) = 0;

    virtual std::string text(TextBox box) const = 0;
    virtual void setText(TextBox box, std::string_view text) = 0;

    // The vertical position, in twips, of reel 0..2's strip picture (its top
    // edge, relative to the client area). The window keeps it as a float,
    // exactly as given, and shows the picture at top / 15 pixels.
    virtual void setPictureTop(int reel, float twips) = 0;
    virtual float pictureTop(int reel) const = 0;

    // Shows a help window without blocking, creating it on first use.
    virtual void showHelp(HelpWindow window) = 0;

    // Tells the user that a speed box holds something the program cannot use;
    // the message says which box and what it accepts.
    virtual void reportInputError(TextBox box, std::string_view message) = 0;

    // Ends the program at once.
    virtual void quit() = 0;
};

} // namespace reel
