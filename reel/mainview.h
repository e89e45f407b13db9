// What the main window's controller needs of the window it drives.
//
// The controller is plain C++; the Qt main window implements this interface,
// and the tests implement it with a recording fake. Texts are UTF-8.
#pragma once

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
    Cmsousa,
};

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
