// A main window for the controller's tests: it keeps what a window would show
// and records every call, in order, in a log it shares with the fake timers.
#pragma once

#include "reel/mainview.h"

#include <QStringList>

#include <array>
#include <map>
#include <optional>
#include <string>
#include <vector>

inline QString buttonName(reel::Button button)
{
    using reel::Button;
    switch (button) {
    case Button::cmstart: return "cmstart";
    case Button::r1stop: return "r1stop";
    case Button::r2stop: return "r2stop";
    case Button::r3stop: return "r3stop";
    case Button::r1ue: return "r1ue";
    case Button::r1sita: return "r1sita";
    case Button::r2ue: return "r2ue";
    case Button::r2sita: return "r2sita";
    case Button::r3ue: return "r3ue";
    case Button::r3sita: return "r3sita";
    case Button::cmend: return "cmend";
    case Button::autostart: return "autostart";
    case Button::autostop: return "autostop";
    case Button::Cmkaisetu: return "Cmkaisetu";
    case Button::Cmsousa: return "Cmsousa";
    }
    return "?";
}

inline constexpr std::array kAllButtons { reel::Button::cmstart, reel::Button::r1stop,
    reel::Button::r2stop, reel::Button::r3stop, reel::Button::r1ue, reel::Button::r1sita,
    reel::Button::r2ue, reel::Button::r2sita, reel::Button::r3ue, reel::Button::r3sita,
    reel::Button::cmend, reel::Button::autostart, reel::Button::autostop, reel::Button::Cmkaisetu,
    reel::Button::Cmsousa };

inline QString labelName(reel::Label label)
{
    return label == reel::Label::lbyakumei ? "lbyakumei" : "lbtamaya";
}

inline QString boxName(reel::TextBox box)
{
    return box == reel::TextBox::Text1 ? "Text1" : "Text3";
}

class FakeView : public reel::MainView {
public:
    explicit FakeView(QStringList &log)
        : log_(log)
    {
        // The window opens at rest: only the stop buttons and Auto_stop are off.
        for (reel::Button button : kAllButtons)
            state.enabled[button] = true;
        for (reel::Button button : { reel::Button::r1stop, reel::Button::r2stop,
                 reel::Button::r3stop, reel::Button::autostop })
            state.enabled[button] = false;
    }

    // Everything the window shows, to compare before and after a handler.
    struct State {
        std::map<reel::Button, bool> enabled;
        std::optional<reel::Button> focus;
        std::map<reel::Label, std::string> captions { { reel::Label::lbyakumei,
                                                          "ＢＩＧじゃ～！！" },
            { reel::Label::lbtamaya, "た～ま～や～～！！" } };
        std::map<reel::TextBox, std::string> texts { { reel::TextBox::Text1, "100" },
            { reel::TextBox::Text3, "1075" } };
        std::array<float, 3> tops { -20280.0f, -20280.0f, -20280.0f };
        std::vector<reel::HelpWindow> helpShown;
        std::vector<std::pair<reel::TextBox, std::string>> errors;
        int quitCalls = 0;

        bool operator==(const State &) const = default;
    };

    State state;

    void setEnabled(reel::Button button, bool enabled) override
    {
        log_ << QString(enabled ? "enable " : "disable ") + buttonName(button);
        state.enabled[button] = enabled;
    }
    bool isEnabled(reel::Button button) const override { return state.enabled.at(button); }
    void setFocus(reel::Button button) override
    {
        log_ << "focus " + buttonName(button);
        state.focus = button;
    }
    void setCaption(reel::Label label, std::string_view text) override
    {
        log_ << "caption " + labelName(label) + "="
                + QString::fromUtf8(text.data(), qsizetype(text.size()));
        state.captions[label] = std::string(text);
    }
    std::string text(reel::TextBox box) const override { return state.texts.at(box); }
    void setText(reel::TextBox box, std::string_view text) override
    {
        log_ << "text " + boxName(box) + "="
                + QString::fromUtf8(text.data(), qsizetype(text.size()));
        state.texts[box] = std::string(text);
    }
    void setPictureTop(int reel, float twips) override
    {
        log_ << QString("top %1=%2").arg(reel).arg(double(twips));
        state.tops.at(std::size_t(reel)) = twips;
    }
    float pictureTop(int reel) const override { return state.tops.at(std::size_t(reel)); }
    void showHelp(reel::HelpWindow window) override
    {
        log_ << (window == reel::HelpWindow::Fkaisetu ? "help Fkaisetu" : "help Fsousa");
        state.helpShown.push_back(window);
    }
    void reportInputError(reel::TextBox box, std::string_view message) override
    {
        log_ << "error " + boxName(box);
        state.errors.emplace_back(box, std::string(message));
    }
    void quit() override
    {
        log_ << "quit";
        ++state.quitCalls;
    }

private:
    QStringList &log_;
};
