// A main window for the controller's tests: it keeps what a window would show
// and records every call, in order, in a log it shares with the fake timers.
#pragma once

#include "positions.h"

#include "reel/buttons.h"
#include "reel/mainview.h"

#include <QStringList>

#include <array>
#include <map>
#include <optional>
#include <string>
#include <vector>

inline QString buttonName(reel::Button button) { return reel::objectName(button); }

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
        : m_log(log)
    {
        // The window opens at rest: only the stop buttons and Auto_stop are off.
        for (const reel::ButtonEntry &entry : reel::kButtons)
            state.enabled[entry.button] = true;
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
        std::array<float, 3> tops { topOf(0), topOf(0), topOf(0) };
        std::vector<reel::HelpWindow> helpShown;
        std::vector<std::pair<reel::TextBox, std::string>> errors;
        int quitCalls = 0;

        bool operator==(const State &) const = default;
    };

    State state;

    void setEnabled(reel::Button button, bool enabled) override
    {
        m_log << QString(enabled ? "enable " : "disable ") + buttonName(button);
        state.enabled[button] = enabled;
    }
    bool isEnabled(reel::Button button) const override { return state.enabled.at(button); }
    void setFocus(reel::Button button) override
    {
        m_log << "focus " + buttonName(button);
        state.focus = button;
    }
    void setCaption(reel::Label label, std::string_view text) override
    {
        m_log << "caption " + labelName(label) + "="
                + QString::fromUtf8(text.data(), qsizetype(text.size()));
        state.captions[label] = std::string(text);
    }
    std::string text(reel::TextBox box) const override { return state.texts.at(box); }
    void setText(reel::TextBox box, std::string_view text) override
    {
        m_log << "text " + boxName(box) + "="
                + QString::fromUtf8(text.data(), qsizetype(text.size()));
        state.texts[box] = std::string(text);
    }
    void setPictureTop(int reel, float twips) override
    {
        m_log << QStringLiteral("top %1=%2").arg(reel).arg(double(twips));
        state.tops.at(std::size_t(reel)) = twips;
    }
    float pictureTop(int reel) const override { return state.tops.at(std::size_t(reel)); }
    void showHelp(reel::HelpWindow window) override
    {
        m_log << (window == reel::HelpWindow::Fkaisetu ? "help Fkaisetu" : "help Fsousa");
        state.helpShown.push_back(window);
    }
    void reportInputError(reel::TextBox box, std::string_view message) override
    {
        m_log << "error " + boxName(box);
        state.errors.emplace_back(box, std::string(message));
    }
    void quit() override
    {
        m_log << "quit";
        ++state.quitCalls;
    }

private:
    QStringList &m_log;
};
